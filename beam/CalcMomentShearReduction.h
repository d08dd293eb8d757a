// Required section modulus and shear of the member under test.
#pragma once

#include "beam/BeamCriteria.h"
#include "beam/BeamState.h"
#include "beam/BeamUi.h"

namespace beam
{

// Writes SectionModulusReq, ShearV, ShearVReduced, ShearStress and ShearAreaReq from the member's
// moments, reactions, depth and design values and the loads of the criteria.
void CalcMomentShearReduction(const BeamCriteria& criteria, BeamState& state, BeamUi& ui);

} // namespace beam
