// The beam stability factor CL of the main span and of the overhang (as a cantilever), for the tested
// size and for its next smaller depth.
#pragma once

#include "beam/BeamCriteria.h"
#include "beam/BeamState.h"
#include "beam/BeamUi.h"

#include <string>

namespace beam
{

// Slenderness class of lu / d: I up to 7, II up to 14.3, III beyond.
enum class SlendernessClass
{
    I,
    II,
    III
};
SlendernessClass slendernessClass(double ratio);

enum class SpanLoadClass
{
    UniformOnly,
    Other
};
enum class OverhangLoadClass
{
    Uniform,
    EndLoad,
    Other
};
SpanLoadClass spanLoadClass(const BeamCriteria& criteria);
OverhangLoadClass overhangLoadClass(const BeamCriteria& criteria, float OHLength);

// Effective length Le (in) of an unbraced length lu (in) on a member of depth d (in).
double spanEffectiveLength(SpanLoadClass load, SlendernessClass slenderness, double lu, double d);
double overhangEffectiveLength(OverhangLoadClass load, SlendernessClass slenderness, double lu, double d);

// Emin / E' of the member: its coefficient of variation of E decides it.
double eminFactor(const std::string& BreadthClass, const CalcFlags& flags);

// CL from the critical buckling value FbE and Fb* (every factor but CL), at most 1.
double stabilityFactor(double FbE, double FbStar);

// StabilityResults of the member under test, from BeamBreadth, BeamDepth, EAdj, FbStar and
// BreadthClass. The editions before 2005 (and no edition flag, which means 2001) take the KbE rule for
// both parts, the later ones the Emin rule.
void CalcStability(const BeamCriteria& criteria, BeamState& state, BeamUi& ui);

// SmallerSpanCL and SmallerCantCL of the next smaller depth, with FbAdjSmaller as its Fb*.
void CalcStabilitySmaller(const BeamCriteria& criteria, BeamState& state, BeamUi& ui);

} // namespace beam
