// The quick-pick walks against a scripted size test: each depth of a ladder is given whether its test
// completes, whether its next smaller depth passes, and whether it passes the full check with and
// without the doubled shear allowance. The walks must end on the depth the rules name and test only
// the depths they are allowed to.
#include "wood/QuickPickSearch.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace
{

using wood::DepthOutcome;
using wood::SweepLimits;
using wood::walkButton;

const std::vector<std::string> Dimension{"4", "6", "8", "10", "12", "14"};
const std::vector<std::string> GluLam{"7-1/2",  "9",  "10-1/2", "12", "13-1/2", "15", "16-1/2", "18",
                                      "19-1/2", "21", "22-1/2", "24", "25-1/2", "27", "28-1/2", "30"};

// Per depth: P passes, D passes only on doubled shear, F fails, S passes and its smaller depth passes
// too (it fails the full check itself, to show the down walk does not look at it), X ends early.
struct ScriptedTest
{
    std::vector<std::string> ladder;
    std::map<std::string, char> script;
    std::vector<std::string> tested;

    DepthOutcome operator()(const std::string& depth)
    {
        tested.push_back(depth);
        const char kind = script.count(depth) ? script.at(depth) : 'F';
        DepthOutcome o;
        if (kind == 'X') {
            return o;
        }
        o.completed = true;
        o.passes = kind == 'P';
        o.passesDoubled = kind == 'P' || kind == 'D';
        o.smallerPasses = kind == 'S';
        for (std::size_t i = 0; i < ladder.size(); ++i) {
            if (ladder[i] == depth) {
                o.NextSmallerLabel = i > 0 ? ladder[i - 1] : "";
                o.NextLargerLabel = i + 1 < ladder.size() ? ladder[i + 1] : "";
            }
        }
        return o;
    }
};

struct Case
{
    const char* name;
    const std::vector<std::string>* ladder;
    std::map<std::string, char> script;
    std::string start;
    SweepLimits limits;
    std::string caption;
    std::vector<std::string> tested;
};

TEST(QuickPickWalk, EndsWhereTheRulesSay)
{
    const SweepLimits sweep1{11, 11, 0};
    const SweepLimits sweep2Doubled{7, 9, 3};
    const SweepLimits sweep3{10, 8, 0};
    const Case cases[] = {
        {"empty caption is skipped", &Dimension, {}, "", sweep1, "", {}},
        {"passing start whose smaller depth fails stays",
         &Dimension,
         {{"10", 'P'}},
         "10",
         sweep1,
         "10",
         {"10"}},
        {"down while the smaller depth passes",
         &Dimension,
         {{"12", 'S'}, {"10", 'S'}, {"8", 'P'}},
         "12",
         sweep1,
         "8",
         {"12", "10", "8"}},
        {"down walk stops at its limit untested",
         &GluLam,
         {{"30", 'S'}, {"28-1/2", 'S'}, {"27", 'S'}},
         "30",
         {2, 8, 0},
         "27",
         {"30", "28-1/2"}},
        {"smallest depth of its ladder walks up",
         &Dimension,
         {{"4", 'F'}, {"6", 'P'}},
         "4",
         sweep1,
         "6",
         {"4", "6"}},
        {"up to the first passing depth",
         &Dimension,
         {{"8", 'F'}, {"10", 'F'}, {"12", 'P'}},
         "8",
         sweep1,
         "12",
         {"8", "10", "12"}},
        {"failing at the top of the ladder leaves the button empty",
         &Dimension,
         {},
         "10",
         sweep1,
         "",
         {"10", "12", "14"}},
        {"glu-lam far too shallow shows its 9th larger depth untested",
         &GluLam,
         {},
         "7-1/2",
         sweep3,
         "21",
         {"7-1/2", "9", "10-1/2", "12", "13-1/2", "15", "16-1/2", "18", "19-1/2"}},
        {"doubled shear passes the start", &Dimension, {{"8", 'D'}}, "8", sweep2Doubled, "8", {"8"}},
        {"doubled shear passes the second larger depth",
         &Dimension,
         {{"6", 'F'}, {"8", 'F'}, {"10", 'D'}},
         "6",
         sweep2Doubled,
         "10",
         {"6", "8", "10"}},
        {"doubled shear no longer counts from the third larger depth",
         &Dimension,
         {{"4", 'F'}, {"6", 'F'}, {"8", 'F'}, {"10", 'D'}, {"12", 'P'}},
         "4",
         sweep2Doubled,
         "12",
         {"4", "6", "8", "10", "12"}},
        {"without the allowance a doubled-shear pass steps up",
         &Dimension,
         {{"8", 'D'}, {"10", 'P'}},
         "8",
         sweep1,
         "10",
         {"8", "10"}},
        // A test that ends early leaves stale results; it counts as failing.
        {"an early end at the start is no pass", &Dimension, {{"10", 'X'}}, "10", sweep1, "", {"10"}},
        {"an early end in the down walk goes back to the depth above",
         &Dimension,
         {{"12", 'S'}, {"10", 'X'}},
         "12",
         sweep1,
         "12",
         {"12", "10"}},
        {"an early end in the up walk is a failing depth",
         &Dimension,
         {{"8", 'F'}, {"10", 'X'}},
         "8",
         sweep1,
         "",
         {"8", "10"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedTest test{*c.ladder, c.script, {}};
        const std::string caption =
            walkButton(c.start, c.limits, [&test](const std::string& depth) { return test(depth); });
        EXPECT_EQ(caption, c.caption);
        EXPECT_EQ(test.tested, c.tested);
    }
}

// Deflections by their absolute values against their allowances, equality passing.
TEST(QuickPickWalk, FullCheckComparesAbsoluteDeflectionsAndShear)
{
    beam::BeamState s;
    s.member.SectionModulus = 21.39f;
    s.shear.SectionModulusReq = 21.39f;
    s.member.FvAdj = 150;
    s.shear.ShearStress = 150;
    s.deflection.TLDefl = 0.8f;
    s.deflection.TLDeflAllow = 0.8f;
    s.member.BreadthClass = "6x";
    EXPECT_TRUE(wood::passesFullCheck(s, false));
    s.deflection.TLDefl = -0.9f;
    EXPECT_FALSE(wood::passesFullCheck(s, false));
    s.deflection.TLDefl = 0.5f;
    s.deflection.OHTLDefl = -0.3f; // an overhang tip deflecting up against no allowance fails
    EXPECT_FALSE(wood::passesFullCheck(s, false));
    s.deflection.OHTLDefl = 0;
    s.shear.ShearStress = 225; // 1.5 Fv'
    EXPECT_FALSE(wood::passesFullCheck(s, false));
    EXPECT_TRUE(wood::passesFullCheck(s, true));
    s.member.BreadthClass = "GLB";
    EXPECT_FALSE(wood::passesFullCheck(s, true));
}

} // namespace
