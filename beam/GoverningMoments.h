// The governing moments of the applied loads and the choice of the selection form that takes the beam.
#pragma once

#include "beam/BeamCriteria.h"
#include "beam/BeamState.h"

namespace beam
{

// The support moment at R2 of the overhang loads F, G, K and L (ft-lb).
float overhangSupportMoment(const BeamCriteria& criteria);

// From the filled station table: MaxMomentLoads and its position, MomentLoads and NegMomentX; for a
// continuous beam the support moment of the uniform load. A hip or valley also gets its reactions.
void findGoverningMoments(const BeamCriteria& criteria, AppliedLoads& loads);

// The selection form that takes the beam after "OK Calculate".
enum class HandOff
{
    CustomValues, // Form2: SCL and custom values
    Steel,        // Form22
    Wood          // Form3: every wood species group
};

HandOff handOffTarget(const BeamCriteria& criteria);

} // namespace beam
