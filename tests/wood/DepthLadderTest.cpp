// The depth ladders, rule by rule in their order, against the net depths of NDS Supplement Table 1B
// (dressed dimension lumber 1-1/2 to 3/4 in. less, timbers 1/2 in. less) and the glu-lam lamination
// series (1-1/2 and 1-3/8 in.).
#include "wood/DepthLadder.h"

#include <gtest/gtest.h>
#include <string>

namespace
{

using wood::DepthQuery;
using wood::depthStep;

struct Case
{
    const char* breadth;
    const char* cls;
    const char* depth;
    float net;
    const char* larger;
    float smallerNet;
    const char* smaller;
    bool southernPine = false;
    bool custom = false;
    bool Wid6x = false;
    bool WidGLB = false;
    bool WidGLBHDR = false;
    bool SPG = false;
};

void expectStep(const Case& c)
{
    SCOPED_TRACE(std::string{c.breadth} + " by " + c.depth);
    DepthQuery q;
    q.breadth = c.breadth;
    q.depth = c.depth;
    q.BreadthClass = c.cls;
    q.southernPine = c.southernPine;
    q.customValues = c.custom;
    q.Wid6x = c.Wid6x;
    q.WidGLB = c.WidGLB;
    q.WidGLBHDR = c.WidGLBHDR;
    q.SPG = c.SPG;
    const auto s = depthStep(q);
    ASSERT_TRUE(s.has_value());
    EXPECT_FLOAT_EQ(s->BeamDepth, c.net);
    EXPECT_EQ(s->NextLargerLabel, c.larger);
    EXPECT_FLOAT_EQ(s->NextSmallerDepth, c.smallerNet);
    EXPECT_EQ(s->NextSmallerLabel, c.smaller);
}

TEST(DepthLadder, RulesInOrder)
{
    const Case cases[] = {
        // 1, 2: "4" and "6" for any breadth; a timber "6" has no smaller step.
        {"2x", "2x", "4", 3.5f, "6", 0, ""},
        {"6x", "6x", "4", 3.5f, "6", 0, ""},
        {"4x", "4x", "6", 5.5f, "8", 3.5f, "4"},
        {"6x", "6x", "6", 5.5f, "8", 0, ""},
        {"5x", "6x", "6", 5.5f, "8", 3.5f, "4"},
        // 3-8: dimension lumber and timbers by 8, 10, 12.
        {"(2) 2x", "2x", "8", 7.25f, "10", 5.5f, "6"},
        {"6x", "6x", "8", 7.5f, "10", 5.5f, "6"},
        {"8x", "6x", "8", 7.5f, "10", 0, ""},
        {"3x", "2x", "10", 9.25f, "12", 7.25f, "8"},
        {"10x", "6x", "10", 9.5f, "12", 0, ""},
        {"8x", "6x", "10", 9.5f, "12", 7.5f, "8"},
        {"5x", "6x", "10", 9.5f, "12", 7.5f, "8"},
        {"4x", "4x", "12", 11.25f, "14", 9.25f, "10"},
        {"12x", "6x", "12", 11.5f, "14", 0, ""},
        // 9-11: "14" stops for 2x, goes on to 16 for 4x.
        {"2x", "2x", "14", 13.25f, "", 11.25f, "12"},
        {"4x", "4x", "14", 13.25f, "16", 11.25f, "12"},
        {"14x", "6x", "14", 13.5f, "16", 0, ""},
        {"6x", "6x", "14", 13.5f, "16", 11.5f, "12"},
        // 12, 13: "16".
        {"2x", "2x", "16", 15.25f, "", 13.25f, "14"},
        {"14x", "6x", "16", 15.5f, "", 13.5f, "14"},
        // 14: custom timbers.
        {"5x", "6x", "9-1/2", 9.0f, "", 0, "", false, true, true},
        {"7x", "6x", "16", 15.5f, "", 0, "", false, true, true},
        {"7x", "6x", "20", 19.5f, "", 0, "", false, true, true},
        // 15: Southern Pine glu-lam; a depth off ladder S takes ladder G.
        {"5-1/8x", "GLB", "9-5/8", 9.625f, "11", 0, "", true},
        {"5-1/8x", "GLB", "30-1/4", 30.25f, "", 28.875f, "28-7/8", true},
        {"5-1/8x", "GLB", "16-1/2", 16.5f, "17-7/8", 15.125f, "15-1/8", true},
        {"5-1/8x", "GLB", "18", 18.0f, "19-1/2", 16.5f, "16-1/2", true},
        {"8-1/2x", "GLB", "11", 11.0f, "12-3/8", 9.625f, "9-5/8", false, true, false, true, false, true},
        // 16: glu-lam; not stepped below 9 in.; headers stop at 18 in.
        {"5-1/8x", "GLB", "16-1/2", 16.5f, "18", 15.0f, "15"},
        {"3-1/8x", "GLB", "9", 9.0f, "10-1/2", 0, ""},
        {"3-1/8x", "GLB", "7-1/2", 7.5f, "9", 0, ""},
        {"3-1/8x", "GLB", "10-1/2", 10.5f, "12", 9.0f, "9"},
        {"3-1/8x", "GLB", "54", 54.0f, "", 52.5f, "52-1/2"},
        {"3-1/2x", "GLB", "18", 18.0f, "", 16.5f, "16-1/2", false, true, false, false, true},
        {"3-1/2x", "GLB", "18", 18.0f, "19-1/2", 16.5f, "16-1/2", false, true, false, true},
    };
    for (const Case& c : cases) {
        expectStep(c);
    }
}

TEST(DepthLadder, TextsNoRuleNamesChangeNothing)
{
    for (const char* depth : {"10 ", " 10", "9 1/2", "16-1/2", "17"}) {
        DepthQuery q;
        q.breadth = "2x";
        q.BreadthClass = "2x";
        q.depth = depth;
        EXPECT_FALSE(depthStep(q).has_value()) << depth;
    }
    DepthQuery custom; // a custom timber depth off ladder C stops the rules
    custom.breadth = "7x";
    custom.BreadthClass = "6x";
    custom.depth = "21";
    custom.customValues = true;
    custom.Wid6x = true;
    EXPECT_FALSE(depthStep(custom).has_value());
}

// Glu-lam depths the custom entry accepts between the rungs: the nominal depth, and the neighbours of
// the ladder that applies (a glu-lam "6" is no longer read as a sawn 5.5 in.).
TEST(DepthLadder, GluLamDepthsBetweenTheRungsTakeTheNominalDepth)
{
    const Case cases[] = {
        {"5-1/8x", "GLB", "6", 6.0f, "7-1/2", 0, "", false, true, false, true},
        {"5-1/8x", "GLB", "11-7/8", 11.875f, "12", 10.5f, "10-1/2", false, true, false, true},
        {"5-1/8x", "GLB", "9-1/4", 9.25f, "10-1/2", 9.0f, "9", false, true, false, true},
        {"5-1/8x", "GLB", "14", 14.0f, "15", 13.5f, "13-1/2", false, true, false, true},
        {"5-1/8x", "GLB", "16", 16.0f, "16-1/2", 15.0f, "15", false, true, false, true},
        {"5-1/8x", "GLB", "9-1/2", 9.5f, "9-5/8", 0, "", false, true, false, true, false, true},
        {"5-1/8x", "GLB", "16", 16.0f, "16-1/2", 15.125f, "15-1/8", false, true, false, true, false, true},
        {"3-1/2x", "GLB", "6", 6.0f, "7-1/2", 0, "", false, true, false, false, true},
    };
    for (const Case& c : cases) {
        expectStep(c);
    }
}

} // namespace
