// The shared values of the steel beam path: the shape table and the chosen family's rows, what the
// check setup takes from the criteria form, and the results the report and the data record read.
#pragma once

#include "steel/SteelTable.h"

#include <array>
#include <cstdint>
#include <string>

namespace steel
{

constexpr int QuickPickCount = 16;
constexpr int QuickPickPage = 8;

// What the setup takes from the criteria form for the checks of every size until it runs again.
struct SteelSetup
{
    float StlUnbracedLength = 0;          // Lb, ft
    float StlFbLc = 0;                    // psi, divisor of the Lc-case required section modulus
    std::int16_t StlFbLu = 0;             // psi, divisor of the Lu-case required section modulus
    std::int16_t StlFvAllow = 0;          // psi
    std::array<float, 6> PointLoadDist{}; // ft; only 4 and 5 (the overhang loads) are set
};

// Results of the size checked last, beyond those in the shared beam state.
struct SteelResults
{
    std::string StlUnbracedText; // "Lc = 6.9 ft"; left as it was for tubes and plates
    std::int16_t StlLcGoverns = 0;
    std::int16_t StlLuGoverns = 0;
    float BeamWeight = 0;    // lb, over backspan and overhang
    float TotalBeamLoad = 0; // lb
    float OHShear = 0;       // lb, at R2 on the overhang side
};

// Required bearing lengths (in) at the supports and under the point loads; for flitch plates the
// supports' wood bearing areas (in^2).
struct WebBearingResults
{
    float BearingLengthR1 = 0;
    float BearingLengthR2 = 0;
    std::array<float, 6> BearingLengthPT{};
};

struct SteelState
{
    ::steel::SteelTable SteelTable;
    std::int16_t StlFirstRow = 0;
    std::int16_t StlLastRow = 0;
    float StlMaxDepth = 0; // in; 0.75 means no depth limit

    SteelSetup setup;
    SteelResults results;
    WebBearingResults bearing;

    std::string StlBreadthText;
    std::string StlDepthText;
    std::string StlStepChoice;  // the designation stepped to on the report form
    std::string SteelSelection; // the entry box's text at the last "OK Test", stored with the criteria

    // The first quick-pick page while the second is shown: caption of StlPick, StlDepLab, StlWidLab,
    // UBLlab, StlSecPerct, StlShearPerct.
    std::array<std::array<std::string, 6>, QuickPickPage> QuickpickSaved;
};

} // namespace steel
