// The overhang length, the load totals, and the roof-slope and rafter-spacing adjustment that
// "OK Calculate" makes to the load boxes before it analyses them.
#pragma once

#include "beam/BeamCriteria.h"
#include "beam/BeamState.h"

#include <string>
#include <vector>

namespace beam
{

// Which totals a hip or valley gets: the first totals of "OK Calculate" take the hip and valley
// calculator's loads, the analysis takes the ordinary load boxes for every load type.
enum class HipValleyTotals
{
    FromCalculator,
    FromLoadBoxes
};

// The overhang of an overhanging beam: the greatest of DIS(4), DIS(5), ENDP(3), ENDP(4); on a tie the
// earlier box wins.
float overhangLength(const BeamCriteria& criteria);

// PTTotal, LPTTotal, PARTotal, LPARTotal, TotalAppliedLoad and TotalLiveLoad from the boxes.
void computeLoadTotals(const BeamCriteria& criteria, AppliedLoads& loads, HipValleyTotals hipValley);

// The dead part of the applied load, as the load notices compare it.
float deadLoadTotal(const AppliedLoads& loads);

// One write of the program into a box of the criteria form; index -1 for a box that is no array element.
struct BoxWrite
{
    std::string control;
    int index = -1;
    std::string text;
    bool operator==(const BoxWrite&) const = default;
};

// The rafter-spacing factor of the load boxes, or 0 when the spacing leaves the boxes alone.
double spacingFactor(const BeamCriteria& criteria);

// Multiplies the dead part of the uniform and partial loads by the roof slope and every load by the
// rafter-spacing factor. Sets LoadsMultiplied, SlopeFactor, UNIFEntered and PAREntered, updates the
// snapshot's boxes, and returns the box writes in the order the criteria form must replay them.
std::vector<BoxWrite> adjustLoadBoxes(BeamCriteria& criteria, BeamState& state);

} // namespace beam
