// The full check of the quick-pick walks.
#include "wood/DepthWalk.h"

#include "beam/BeamState.h"

#include <cmath>

namespace wood
{

bool PassesFullCheck(const beam::BeamState& beam, ShearRule shear)
{
    const beam::DeflectionResults& d = beam.deflection;
    const float fvAdj = beam.member.FvAdj;
    const float shearCapacity = shear == ShearRule::AtTwiceFvAdj ? static_cast<float>(2.0 * fvAdj) : fvAdj;
    return std::fabs(d.TLDefl) <= d.TLDeflAllow &&
           beam.member.SectionModulus >= beam.shear.SectionModulusReq &&
           shearCapacity >= beam.shear.ShearStress && std::fabs(d.LLDefl) <= d.LLDeflAllow &&
           std::fabs(d.OHLLDefl) <= d.OHLLDeflAllow && std::fabs(d.OHTLDefl) <= d.OHTLDeflAllow;
}

} // namespace wood
