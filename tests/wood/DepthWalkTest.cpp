// The walk of a custom quick-pick button against a scripted size test: a ladder of depths, each passing
// or failing the full check, so every step of the walk and both limits can be seen. And the full check
// itself, comparison by comparison.
#include "wood/DepthWalk.h"

#include "beam/BeamState.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace
{

using wood::DepthTestResult;
using wood::WalkLimits;

// A depth ladder whose sizes pass from index firstPassing up; tests are recorded in order.
struct ScriptedLadder
{
    std::vector<std::string> depths;
    std::size_t firstPassing;
    std::set<std::string> endsEarly; // refused or stopped tests
    std::vector<std::string> tested;

    DepthTestResult operator()(const std::string& depth)
    {
        tested.push_back(depth);
        std::size_t i = 0;
        while (depths[i] != depth) {
            ++i;
        }
        DepthTestResult r;
        r.ranToEnd = endsEarly.count(depth) == 0;
        r.passes = i >= firstPassing;
        r.nextSmallerDepth = i == 0 ? 0.0f : 1.0f;
        r.nextSmallerOK = i > 0 && i - 1 >= firstPassing;
        r.nextSmallerLabel = i == 0 ? "" : depths[i - 1];
        r.nextLargerLabel = i + 1 < depths.size() ? depths[i + 1] : "";
        return r;
    }
};

std::vector<std::string> ladder(int count)
{
    std::vector<std::string> depths;
    for (int i = 0; i < count; ++i) {
        depths.push_back(std::to_string(4 + 2 * i));
    }
    return depths; // "4", "6", ...
}

constexpr WalkLimits Custom{3, 4};

std::string walk(ScriptedLadder& script, const std::string& start, WalkLimits limits = Custom)
{
    return wood::WalkToSmallestPassingDepth(start, limits, [&](const std::string& d) { return script(d); });
}

TEST(DepthWalk, PassingStartWhoseSmallerFailsStaysAfterOneTest)
{
    ScriptedLadder script{ladder(7), 3, {}, {}};
    EXPECT_EQ(walk(script, "10"), "10");
    EXPECT_EQ(script.tested, (std::vector<std::string>{"10"}));
}

TEST(DepthWalk, EmptyCaptionIsNotTested)
{
    ScriptedLadder script{ladder(7), 0, {}, {}};
    EXPECT_EQ(walk(script, ""), "");
    EXPECT_TRUE(script.tested.empty());
}

TEST(DepthWalk, DownWalkStopsOnTheFirstDepthWhoseSmallerFails)
{
    ScriptedLadder script{ladder(7), 2, {}, {}}; // "8" is the smallest passing
    EXPECT_EQ(walk(script, "12"), "8");
    EXPECT_EQ(script.tested, (std::vector<std::string>{"12", "10", "8"}));
}

TEST(DepthWalk, DownWalkTakesItsLastStepUntested)
{
    ScriptedLadder script{ladder(7), 0, {}, {}}; // everything passes
    EXPECT_EQ(walk(script, "16"), "10");
    EXPECT_EQ(script.tested, (std::vector<std::string>{"16", "14", "12"}));
    ScriptedLadder headers{ladder(7), 0, {}, {}};
    EXPECT_EQ(walk(headers, "16", WalkLimits{4, 10}), "8");
}

TEST(DepthWalk, UpWalkShowsTheDepthAfterTheLastTestedOneUntested)
{
    ScriptedLadder script{ladder(9), 8, {}, {}}; // only "20" passes
    EXPECT_EQ(walk(script, "4"), "14");
    EXPECT_EQ(script.tested, (std::vector<std::string>{"4", "6", "8", "10", "12"}));
}

TEST(DepthWalk, UpWalkEndsOnTheFirstPassingDepth)
{
    ScriptedLadder script{ladder(9), 3, {}, {}};
    EXPECT_EQ(walk(script, "4"), "10");
}

TEST(DepthWalk, FailingAtTheTopOfTheLadderLeavesTheButtonEmpty)
{
    ScriptedLadder script{ladder(3), 5, {}, {}};
    EXPECT_EQ(walk(script, "4"), "");
}

TEST(DepthWalk, ATestThatEndedEarlyIsNotAPass)
{
    // The start would pass and so would its smaller depth, but the test of the start was refused.
    ScriptedLadder refusedStart{ladder(7), 0, {"10"}, {}};
    EXPECT_EQ(walk(refusedStart, "10"), "12");
    // A refused depth on the way down sends the caption back to the depth above.
    ScriptedLadder refusedOnTheWay{ladder(7), 0, {"10"}, {}};
    EXPECT_EQ(walk(refusedOnTheWay, "12"), "12");
}

TEST(FullCheck, EachComparisonWithEqualityPassing)
{
    beam::BeamState beam;
    beam.member.SectionModulus = 20;
    beam.shear.SectionModulusReq = 20;
    beam.member.FvAdj = 100;
    beam.shear.ShearStress = 100;
    beam.deflection.TLDefl = 0.8f;
    beam.deflection.TLDeflAllow = 0.8f;
    EXPECT_TRUE(wood::PassesFullCheck(beam, wood::ShearRule::AtFvAdj));

    beam::BeamState sagging = beam;
    sagging.deflection.TLDefl = -0.9f; // compared by its absolute value
    EXPECT_FALSE(wood::PassesFullCheck(sagging, wood::ShearRule::AtFvAdj));
    beam::BeamState overhang = beam;
    overhang.deflection.OHLLDefl = 0.3f;
    overhang.deflection.OHLLDeflAllow = 0.2f;
    EXPECT_FALSE(wood::PassesFullCheck(overhang, wood::ShearRule::AtFvAdj));
    beam::BeamState weak = beam;
    weak.shear.SectionModulusReq = 20.5f;
    EXPECT_FALSE(wood::PassesFullCheck(weak, wood::ShearRule::AtFvAdj));
}

TEST(FullCheck, TwiceFvAdjOnlyUnderItsRule)
{
    beam::BeamState beam;
    beam.member.FvAdj = 100;
    beam.shear.ShearStress = 150;
    EXPECT_FALSE(wood::PassesFullCheck(beam, wood::ShearRule::AtFvAdj));
    EXPECT_TRUE(wood::PassesFullCheck(beam, wood::ShearRule::AtTwiceFvAdj));
    beam.shear.ShearStress = 210;
    EXPECT_FALSE(wood::PassesFullCheck(beam, wood::ShearRule::AtTwiceFvAdj));
}

} // namespace
