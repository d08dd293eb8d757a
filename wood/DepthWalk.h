// The walk of a custom quick-pick button from its estimated depth to the smallest depth that passes:
// down while the next smaller depth passes, up while the depth fails, within fixed limits.
#pragma once

#include <functional>
#include <string>

namespace beam
{
struct BeamState;
}

namespace wood
{

// What one silent size test leaves for the walk.
struct DepthTestResult
{
    bool ranToEnd = false; // a test that ended early counts as failing
    float nextSmallerDepth = 0;
    bool nextSmallerOK = false;
    std::string nextSmallerLabel;
    std::string nextLargerLabel;
    bool passes = false; // the full check
};

struct WalkLimits
{
    int stepsDown;    // the last step down is taken untested
    int largerTested; // the depth after the last tested one is shown untested
};

// Tests one depth text of the button's breadth and returns what the test left.
using DepthTester = std::function<DepthTestResult(const std::string& depth)>;

// The caption the button ends on; an empty start is not tested and stays empty.
std::string WalkToSmallestPassingDepth(const std::string& start, WalkLimits limits, const DepthTester& test);

// How the full check judges shear: at Fv' or, where the no-splits rule of NDS 1997 accepts it, at
// twice Fv'.
enum class ShearRule
{
    AtFvAdj,
    AtTwiceFvAdj
};

// The six comparisons of the full check on the results of the last test; equality passes.
bool PassesFullCheck(const beam::BeamState& beam, ShearRule shear);

} // namespace wood
