// The bearing lengths that keep the web of the steel beam on the report from yielding or crippling.
#pragma once

#include "beam/BeamCriteria.h"
#include "steel/SteelState.h"

#include <string_view>

namespace steel
{

// The section values the bearing lengths read of a row (in).
struct WebSection
{
    double d = 0;
    double tw = 0; // tubes: both walls
    double tf = 0; // tubes: one wall
    double k = 0;
};

// The required length of a force R (kips) with the end terms (end true) or the interior terms: the
// greatest of the yielding length, the crippling length and k. A tube cripples wall by wall: each wall
// takes half the force with the terms of one wall, since the crippling terms do not grow linearly with
// the web thickness and both walls taken as one web would overstate the resistance.
double requiredBearingLength(double R, const WebSection& section, bool end, bool ksi50, bool tube);

// From R1TL and R2TL, the point load boxes of the criteria and the section of the row named by the
// designation (the last such row of the family's range); flitch plates get wood bearing areas instead.
void computeWebBearing(const beam::BeamCriteria& criteria, const SteelState& steel,
                       std::string_view designation, float R1TL, float R2TL, float SpanLength, float OHLength,
                       WebBearingResults& out);

} // namespace steel
