// The depth walk of the custom quick picks and the full check it applies.
#include "wood/DepthWalk.h"

#include "beam/BeamState.h"

#include <cmath>

namespace wood
{

namespace
{

bool opensDownWalk(const DepthTestResult& result)
{
    return result.ranToEnd && result.nextSmallerDepth > 0 && result.nextSmallerOK;
}

} // namespace

std::string WalkToSmallestPassingDepth(const std::string& start, WalkLimits limits, const DepthTester& test)
{
    if (start.empty()) {
        return start;
    }
    DepthTestResult last = test(start);
    if (opensDownWalk(last)) {
        std::string caption = start;
        for (int step = 1; step <= limits.stepsDown; ++step) {
            const std::string above = caption;
            caption = last.nextSmallerLabel;
            if (caption.empty() || step == limits.stepsDown) {
                return caption;
            }
            last = test(caption);
            if (!last.ranToEnd) {
                // A depth the test could not judge is not a pass: stay on the one that was.
                return above;
            }
            if (!opensDownWalk(last)) {
                return caption;
            }
        }
        return caption;
    }
    if (last.ranToEnd && last.passes) {
        return start;
    }
    for (int tested = 0;; ++tested) {
        const std::string caption = last.nextLargerLabel;
        if (caption.empty() || tested == limits.largerTested) {
            return caption;
        }
        last = test(caption);
        if (last.ranToEnd && last.passes) {
            return caption;
        }
    }
}

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
