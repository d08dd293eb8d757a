// Whether the next smaller depth of the same breadth would also pass bending, shear and deflection.
#pragma once

#include "beam/BeamCriteria.h"
#include "beam/BeamState.h"
#include "beam/BeamUi.h"

namespace beam
{

// Fb' of the next smaller depth, formed by the rule of the tested size: sawn lumber and timbers take
// the size factor times CL; glu-lam and the SCL volume-factor products the lesser of CL and their
// volume factor (never above 1); SCL size-factor products CF times CL from a CF of 1 up, else the
// lesser of CL and CF.
// Fb* is likewise the tested size's: every factor but CL, and for glu-lam and SCL no volume or size factor.
double smallerFbStar(const MemberUnderTest& member, bool scl);
double smallerFbAdj(const MemberUnderTest& member, bool scl, double CLmin);

// Sets NextSmallerOK (-1 passes, 0 fails or no smaller depth) and FbAdjSmaller. Run after the checks of
// the tested size, whose deflections it scales by the ratio of the moments of inertia.
void NextSmallerSize(const BeamCriteria& criteria, BeamState& state, BeamUi& ui);

} // namespace beam
