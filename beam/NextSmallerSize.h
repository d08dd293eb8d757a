// Whether the next smaller depth of the same breadth would also pass bending, shear and deflection.
#pragma once

#include "beam/BeamCriteria.h"
#include "beam/BeamState.h"
#include "beam/BeamUi.h"

namespace beam
{

// Fb* and Fb' of the next smaller depth, formed by the rules of the tested size, so that a smaller depth
// never passes on a bending value its tested neighbour would not get. Fb* carries every factor but CL
// (glu-lam and SCL without their volume or size factor). Fb': sawn lumber and timbers take the size
// factor times CL; glu-lam and the SCL volume-factor products the lesser of CL and their volume factor,
// which never exceeds 1; SCL size-factor products CF times CL from a CF of 1 up, else the lesser of CL
// and CF.
double smallerFbStar(const MemberUnderTest& member, bool scl);
double smallerFbAdj(const MemberUnderTest& member, bool scl, double CLmin);

// Sets NextSmallerOK (-1 passes, 0 fails or no smaller depth) and FbAdjSmaller. Run after the checks of
// the tested size, whose deflections it scales by the ratio of the moments of inertia.
void NextSmallerSize(const BeamCriteria& criteria, BeamState& state, BeamUi& ui);

} // namespace beam
