// The smallest passing depth searches of the quick-pick buttons.
#pragma once

#include "beam/BeamState.h"

#include <functional>
#include <string>

namespace app
{
class Program;
}

namespace wood
{

// Turns each captioned button of Form3's grid (ht 0..41) into the smallest depth of its breadth and
// grade that passes every check of the size test.
void SearchQuickPickSizes(app::Program& program);

// The same for the custom values form's glu-lam buttons ButG(0..4), while WidGLB is set.
void SearchGluLamSizes(app::Program& program);

// What a walk learns from one size test.
struct DepthOutcome
{
    bool completed = false;     // the test ran to its end; an early end counts as failing
    bool smallerPasses = false; // NextSmallerDepth > 0 and NextSmallerOK
    bool passes = false;        // the full check
    bool passesDoubled = false; // the full check with twice Fv' against the shear stress
    std::string NextSmallerLabel;
    std::string NextLargerLabel;
};

struct SweepLimits
{
    int stepsDown = 0;
    int largerDepths = 0;       // larger depths tested before the next one is taken untested
    int doubledShearChecks = 0; // the first full checks that may pass on twice Fv'
};

// One button's walk from its starting caption; returns the caption it ends on ("" for none).
std::string walkButton(const std::string& start, const SweepLimits& limits,
                       const std::function<DepthOutcome(const std::string& depth)>& test);

// The full check of the last test. With doubledShear a member other than glu-lam meets the shear
// condition on 2 Fv'.
bool passesFullCheck(const beam::BeamState& state, bool doubledShear);

} // namespace wood
