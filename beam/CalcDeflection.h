// Deflections of the member under test: span and overhang, total and live load, with creep.
#pragma once

#include "beam/BeamCriteria.h"
#include "beam/BeamState.h"
#include "beam/BeamUi.h"

namespace beam
{

// Reads SpanLength, OHLength, UnifTL, UnifLL, SelfWeight, EAdj, MomentOfInertia and SteelBeamFlag, the
// point and partial loads and the deflection limits of the criteria; writes DeflectionResults. A
// failure (a zero stiffness or limit, a total-load limit that is not a number) shows "Error in
// deflection calc" and leaves the results reached so far.
void CalcDeflection(const BeamCriteria& criteria, BeamState& state, BeamUi& ui);

} // namespace beam
