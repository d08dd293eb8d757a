// Support reactions with the member's self weight, for every load case.
#pragma once

#include "beam/BeamCriteria.h"
#include "beam/BeamState.h"
#include "beam/BeamUi.h"

namespace beam
{

// The reactions at R1 and R2 of the applied loads plus a self weight w (plf) over span L and overhang a
// (ft). A hip or valley is rebuilt from its uniform load IncUnifTL and its increasing load IncTLTotal.
double r1WithSelfWeight(const BeamCriteria& criteria, const AppliedLoads& loads, double w, double L,
                        double a);
double r2WithSelfWeight(const BeamCriteria& criteria, const AppliedLoads& loads, double w, double L,
                        double a);

// R1TL and R2TL of the member under test. A failing reaction shows "Error at TReac sub procedure",
// keeps its earlier value, and the other one is still worked out.
void TReac(const BeamCriteria& criteria, BeamState& state, BeamUi& ui);

} // namespace beam
