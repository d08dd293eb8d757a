// Overhang length, load totals and the slope and rafter-spacing adjustment of the load boxes.
#include "beam/LoadTotals.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace beam
{

void PrintTo(const BoxWrite& write, std::ostream* out)
{
    *out << write.control << "(" << write.index << ") = \"" << write.text << "\"";
}

namespace
{

TEST(OverhangLength, IsTheFarthestOverhangPosition)
{
    struct Case
    {
        const char *dis4, *dis5, *endp3, *endp4;
        float expected;
    };
    const Case cases[] = {
        {"9", "10", "", "", 10}, {"", "", "4.5", "", 4.5f}, {"3", "", "2", "6.25", 6.25f},
        {"5", "5", "5", "5", 5}, {"", "", "", "", 0},
    };
    for (const Case& c : cases) {
        BeamCriteria criteria;
        criteria.DIS[4] = c.dis4;
        criteria.DIS[5] = c.dis5;
        criteria.ENDP[3] = c.endp3;
        criteria.ENDP[4] = c.endp4;
        EXPECT_EQ(overhangLength(criteria), c.expected);
    }
}

TEST(LoadTotals, AddUpEveryLoadBox)
{
    BeamCriteria criteria;
    criteria.Span = "10";
    criteria.UNIF = "50";
    criteria.LUNIF = "20";
    criteria.PT[0] = "1000";
    criteria.LPT[0] = "400";
    criteria.PT[5] = "250";
    criteria.PAR[1] = "100";
    criteria.LPAR[1] = "40";
    criteria.BEGP[1] = "2";
    criteria.ENDP[1] = "6";
    AppliedLoads loads;
    computeLoadTotals(criteria, loads, HipValleyTotals::FromLoadBoxes);
    EXPECT_EQ(loads.PTTotal, 1250);
    EXPECT_EQ(loads.LPTTotal, 400);
    EXPECT_EQ(loads.PARTotal, 400);  // 100 plf x 4 ft
    EXPECT_EQ(loads.LPARTotal, 160); // 40 plf x 4 ft
    EXPECT_EQ(loads.TotalAppliedLoad, 500 + 400 + 1250);
    EXPECT_EQ(loads.TotalLiveLoad, 200 + 160 + 400);
    EXPECT_EQ(deadLoadTotal(loads), 2150 - 760);
}

TEST(LoadTotals, HipOrValleyTakesTheCalculatorTotalsOnlyForTheChecks)
{
    BeamCriteria criteria;
    criteria.Span = "10";
    criteria.IncButton = true;
    criteria.UNIF = "50";
    AppliedLoads loads;
    loads.IncTLTotal = 900;
    loads.IncLLTotal = 300;
    computeLoadTotals(criteria, loads, HipValleyTotals::FromCalculator);
    EXPECT_EQ(loads.TotalAppliedLoad, 900);
    EXPECT_EQ(loads.TotalLiveLoad, 300);
    computeLoadTotals(criteria, loads, HipValleyTotals::FromLoadBoxes);
    EXPECT_EQ(loads.TotalAppliedLoad, 500);
    EXPECT_EQ(loads.TotalLiveLoad, 0);
}

BeamCriteria sloped(const char* pitch)
{
    BeamCriteria criteria;
    criteria.Span = "10";
    criteria.Roofbutton = true;
    criteria.Pitchtext = pitch;
    return criteria;
}

BeamCriteria spaced(bool BeamCriteria::*spacing)
{
    BeamCriteria criteria;
    criteria.Span = "10";
    criteria.Rep = true;
    criteria.*spacing = true;
    return criteria;
}

TEST(LoadAdjustment, MultipliesDeadLoadsBySlopeAndAllLoadsBySpacing)
{
    struct Case
    {
        const char* name;
        std::function<BeamCriteria()> setup;
        std::vector<BoxWrite> writes;
        float slopeFactor;
    };
    const Case cases[] = {
        // Pitch 9: 1 / cos(atan(9/12)) = 1.25; the dead part 30 plf becomes 37.5.
        {"pitch 9",
         [] {
             auto c = sloped("9");
             c.UNIF = "50";
             c.LUNIF = "20";
             return c;
         },
         {{"UNIF", -1, "57.5"},
          {"PAR", 0, "0"},
          {"PAR", 1, "0"},
          {"PAR", 2, "0"},
          {"PAR", 3, "0"},
          {"PAR", 4, "0"}},
         1.25f},
        // Pitch 12: sqrt(2) held as a Single, 1.41421353816986; 40 + 60 x that, and 30 x that.
        {"pitch 12, partial load too",
         [] {
             auto c = sloped("12");
             c.UNIF = "100";
             c.LUNIF = "40";
             c.PAR[2] = "30";
             c.BEGP[2] = "0";
             c.ENDP[2] = "1";
             return c;
         },
         {{"UNIF", -1, "124.852812290192"},
          {"PAR", 0, "0"},
          {"PAR", 1, "0"},
          {"PAR", 2, "42.4264061450958"},
          {"PAR", 3, "0"},
          {"PAR", 4, "0"}},
         1.4142135f},
        // 16 in.: x 1.3333 for every box above 0, distances untouched.
        {"16 in. spacing",
         [] {
             auto c = spaced(&BeamCriteria::Ctr16);
             c.UNIF = "120";
             c.LUNIF = "40";
             c.PT[0] = "1500";
             c.DIS[0] = "4";
             return c;
         },
         {{"UNIF", -1, "159.996"}, {"LUNIF", -1, "53.332"}, {"PT", 0, "1999.95"}},
         1.0f},
        {"24 in. spacing",
         [] {
             auto c = spaced(&BeamCriteria::ctr24);
             c.PT[0] = "1500";
             c.LPAR[4] = "12.5";
             return c;
         },
         {{"PT", 0, "3000"}, {"LPAR", 4, "25"}},
         1.0f},
        {"19.2 in. spacing",
         [] {
             auto c = spaced(&BeamCriteria::Ctr19);
             c.UNIF = "100";
             return c;
         },
         {{"UNIF", -1, "160"}},
         1.0f},
        {"12 in. spacing",
         [] {
             auto c = spaced(&BeamCriteria::Ctr12);
             c.UNIF = "100";
             return c;
         },
         {},
         1.0f},
        {"16 in. chosen but repetitive use off",
         [] {
             auto c = spaced(&BeamCriteria::Ctr16);
             c.Rep = false;
             c.UNIF = "100";
             return c;
         },
         {},
         1.0f},
        // Slope first, then spacing: 57.5 x 1.3333 and 20 x 1.3333.
        {"pitch 9 and 16 in.",
         [] {
             auto c = sloped("9");
             c.Rep = true;
             c.Ctr16 = true;
             c.UNIF = "50";
             c.LUNIF = "20";
             return c;
         },
         {{"UNIF", -1, "57.5"},
          {"PAR", 0, "0"},
          {"PAR", 1, "0"},
          {"PAR", 2, "0"},
          {"PAR", 3, "0"},
          {"PAR", 4, "0"},
          {"UNIF", -1, "76.66475"},
          {"LUNIF", -1, "26.666"}},
         1.25f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BeamCriteria criteria = c.setup();
        BeamState state;
        const std::vector<BoxWrite> writes = adjustLoadBoxes(criteria, state);
        EXPECT_EQ(writes, c.writes);
        EXPECT_EQ(state.flags.LoadsMultiplied, -1);
        EXPECT_EQ(state.loads.SlopeFactor, c.slopeFactor);
    }
}

TEST(LoadAdjustment, KeepsTheLoadsAsEnteredForTheCriteriaForm)
{
    BeamCriteria criteria = sloped("9");
    criteria.UNIF = "50";
    criteria.LUNIF = "20";
    criteria.PAR[1] = "80";
    BeamState state;
    adjustLoadBoxes(criteria, state);
    EXPECT_EQ(state.loads.UNIFEntered, 50);
    EXPECT_EQ(state.loads.PAREntered[1], 80);
    EXPECT_EQ(criteria.UNIF, "57.5");
    EXPECT_EQ(criteria.PAR[1], "100");
    // A zero result is written as "0", which the box's change rule empties.
    EXPECT_EQ(criteria.PAR[0], "");
}

TEST(LoadAdjustment, HipOrValleyKeepsItsCalculatorSlope)
{
    BeamCriteria criteria = sloped("9");
    criteria.IncButton = true;
    criteria.UNIF = "50";
    BeamState state;
    state.loads.SlopeFactor = 1.118f;
    state.loads.UNIFEntered = 7;
    EXPECT_TRUE(adjustLoadBoxes(criteria, state).empty());
    EXPECT_EQ(state.loads.SlopeFactor, 1.118f);
    EXPECT_EQ(state.loads.UNIFEntered, 7);
    EXPECT_EQ(criteria.UNIF, "50");
}

} // namespace
} // namespace beam
