// The quick tips of the criteria form: one constant text per tip, shown in an OK-only message box
// titled "Korvanta". Lines break with a lone carriage return; a few lines use tabs to align columns.
#pragma once

namespace app::tips
{

extern const char* const UniformLoad;
extern const char* const UniformPsf;
extern const char* const PartialPsf;
extern const char* const EnteringLoads;
extern const char* const Distance;
extern const char* const SpanAutoCalc;
extern const char* const MultipleSpansLong;
extern const char* const MultipleSpansShort;
extern const char* const BeamSpan;
extern const char* const LateralBracing;
extern const char* const DurationOfLoad;
extern const char* const MaxSteelDepth;
extern const char* const MaxDeflection;
extern const char* const SlopeAdjustment;
extern const char* const ShearReduction;
extern const char* const WetUseAndIncising;
extern const char* const WetUse;
extern const char* const RepetitiveUse;

} // namespace app::tips
