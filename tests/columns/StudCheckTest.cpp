// The stud check's design steps against hand derivations: statics of partial uniform loads on a simply
// supported stud, NDS Supplement Table 4A size factors, Cp (NDS 3.7-1), the interaction (NDS 3.9-3) and
// the Euler values of the two edition families.
#include "columns/StudCheck.h"

#include "platform/core/RuntimeError.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{

using columns::StudDesignInput;
using columns::StudResults;
using columns::StudStationTable;
using columns::StudStop;
using columns::StudWindLoad;

void expectNear(double expected, double actual, const char* what)
{
    EXPECT_NEAR(expected, actual, std::fabs(expected) * 2e-4 + 1e-3) << what;
}

// Moments of partial uniform loads, station by station. Each case: w (lb per ft) over [b, e] with a
// reaction at the foot R = sum(W (H - centroid)) / H and M(x) = R x - sum of the load moments left of x.
TEST(StudMoments, PartialUniformLoadsFollowStaticsStationByStation)
{
    struct Station
    {
        int index;
        double moment;
    };
    struct Case
    {
        const char* name;
        double height;
        std::array<StudWindLoad, 3> wind;
        double spacingFt;
        std::vector<Station> stations;
        double largest;
    };
    const Case cases[] = {
        // 20 psf at 16 in.: w = 26.667; R = wH/2 = 133.33; M(2.5) = 333.33 - 83.33; wH^2/8 = 333.33.
        {"full height",
         10,
         {{{20, 0, 10}, {}, {}}},
         16.0 / 12,
         {{0, 0}, {50, 250}, {100, 333.333}, {200, 0}},
         333.333},
        // w = 100 over 0..4: R = 400 x 8 / 10 = 320; M = 320x - 50x^2 (440 at x = 2), peak 512 at x = 3.2
        // (station 64);
        // beyond the load M = 80 (10 - x): 320 at x = 6.
        {"lower zone", 10, {{{100, 0, 4}, {}, {}}}, 1, {{40, 440}, {64, 512}, {120, 320}}, 512},
        // A 20 over 0..5, B 30 over 5..10: R = (100 x 7.5 + 150 x 2.5) / 10 = 112.5; M(5) = 562.5 - 250;
        // shear vanishes at 5.4167, the nearest station 108 (x = 5.4): 607.5 - 290 - 15 x 0.16 = 315.1.
        {"two zones", 10, {{{20, 0, 5}, {30, 5, 10}, {}}}, 1, {{100, 312.5}, {108, 315.1}}, 315.1},
        // Three zones, the top one to the height: A 10 (0..3), B 20 (3..6), C 30 (6..8), H 8:
        // W = 30, 60, 60 at 1.5, 4.5, 7; R = (30 x 6.5 + 60 x 3.5 + 60 x 1) / 8 = 58.125.
        // M(4) = 232.5 - 30 x 2.5 - 20 x 1 / 2 = 147.5 (station 100); shear vanishes at 4.406, the
        // nearest station 110 (x = 4.4): 255.75 - 87 - 19.6 = 149.15.
        {"three zones", 8, {{{10, 0, 3}, {20, 3, 6}, {30, 6, 8}}}, 1, {{100, 147.5}, {110, 149.15}}, 149.15},
    };
    for (const Case& c : cases) {
        StudStationTable table{};
        table[5][2] = 99; // left over from an earlier check
        const float largest = columns::buildStudMoments(c.height, c.wind, c.spacingFt, table);
        for (const Station& s : c.stations) {
            const auto& row = table[static_cast<std::size_t>(s.index)];
            expectNear(c.height / 200 * s.index, row[0], c.name);
            expectNear(s.moment, row[4], c.name);
        }
        EXPECT_EQ(0.0f, table[5][2]) << c.name; // below every zone B: rebuilt from empty
        expectNear(c.largest, largest, c.name);
    }
}

// A check that writes its peak at station 1 (all the load within the first hundredth of the height)
// still gets its own moment, not the previous check's: w = 1000 over 0..0.05, R = 50 x 9.975 / 10 =
// 49.875, M(0.05) = 2.49375 - 1.25 = 1.24375.
TEST(StudMoments, PeakAtTheFirstStationReplacesThePreviousMoment)
{
    StudStationTable table{};
    columns::buildStudMoments(10, {{{20, 0, 10}, {}, {}}}, 1, table);
    const float largest = columns::buildStudMoments(10, {{{1000, 0, 0.05}, {}, {}}}, 1, table);
    EXPECT_NEAR(1.24375, largest, 1e-4);
}

StudDesignInput dfl2x6()
{
    StudDesignInput in;
    in.heightFt = 10;
    in.plf = 300;
    in.wind = {{{20, 0, 10}, {}, {}}};
    in.Fb = 900; // DF-L #2
    in.Fc = 1350;
    in.E = 1.6;
    in.breadthIndex = 0; // 1.5
    in.depthIndex = 1;   // 5.5
    in.cdAxial = 1.0;
    in.cdWind = 1.6;
    in.eminEditions = true;
    return in;
}

StudResults resultsAt16(bool repetitive)
{
    StudResults r;
    r.StudSpacingFt = 16.0f / 12;
    r.StudCrOn = repetitive ? -1 : 0;
    return r;
}

// Full checks. Derivations (16 in. spacing, 20 psf over 10 ft: M = 333.33 ft-lb unless stated):
// 2x6 DF-L #2 under 2005+: CF 1.3 / 1.1; Fb' = 1.3 x 900 x 1.6 x 1.15 = 2152.8; le/d = 120 / 5.5 = 21.818;
//   FcE = 0.822 x 0.3653 x 1.6E6 / 21.818^2 = 1009.26; Fc* = 1485, r = 0.67964, Cp = 0.5473;
//   P = 1485 x 0.5473 x 8.25 x 1.0 = 6705; fc = 400 / 8.25; Fc' = 812.74; S = 7.5625; fb = 528.93;
//   (48.485 / 812.74)^2 + 528.93 / (2152.8 (1 - 48.485 / 1009.26)) = 0.2616; RB = 17.127;
//   FbE = 1.20 x 0.3653 x 1.6E6 / 293.33 = 2391.1.
// The same under 1997/2001: FcE = 0.3 x 1.6E6 / 476.03 = 1008.33, Cp 0.54695, FbE = 0.439 x 1.6E6 /
//   293.33 = 2394.5.
// 2x4 DF-L Stud, 9 ft, P 800, 25 psf, Cd 1.15, no Cr, 2001: CF 1.1 / 1.05; M = 33.33 x 81 / 8 = 337.5;
//   Fb' = 1.1 x 700 x 1.6 = 1232; le/d = 30.857; FcE = 441.1; Cp = 0.38241; fb = 1322.45; interaction 1.79.
// 4.5 x 5.5 (three plies) with the IBC factor: Cr 1.35, Fb' = 1.3 x 900 x 1.6 x 1.35 = 2527.2.
TEST(StudDesign, CaseTableAgainstHandDerivations)
{
    struct Case
    {
        const char* name;
        StudDesignInput in;
        bool repetitive;
        double CFb, CFc, Fbp, leD, FcE, Cp, allowP, Fcp, fb, inter, RB, FbE;
        bool fails;
    };
    StudDesignInput old = dfl2x6();
    old.eminEditions = false;
    StudDesignInput stud = dfl2x6();
    stud.heightFt = 9;
    stud.plf = 0;
    stud.pointP = 800;
    stud.wind = {{{25, 0, 9}, {}, {}}};
    stud.Fb = 700;
    stud.Fc = 850;
    stud.E = 1.4;
    stud.depthIndex = 0;
    stud.studGrade = true;
    stud.cdAxial = 1.15;
    stud.eminEditions = false;
    StudDesignInput plies = dfl2x6();
    plies.breadthIndex = 4;
    plies.ibc = true;
    const Case cases[] = {
        {"2x6 DF-L #2, 2018", dfl2x6(), true, 1.3, 1.1, 2152.8, 21.8182, 1009.26, 0.5473, 6705.1, 812.74,
         528.93, 0.2616, 17.127, 2391.1, false},
        {"2x6 DF-L #2, 2001", old, true, 1.3, 1.1, 2152.8, 21.8182, 1008.33, 0.54695, 6700.8, 812.22, 528.93,
         0.2617, 17.127, 2394.5, false},
        {"2x4 DF-L Stud, 2001", stud, false, 1.1, 1.05, 1232.0, 30.8571, 441.1, 0.38241, 2060.6, 392.49,
         1322.45, 1.7907, 12.9615, 3658.3, true},
        {"4.5x5.5 IBC", plies, true, 1.3, 1.1, 2527.2, 21.8182, 1009.26, 0.5473, 20115.4, 812.74, 176.31,
         0.0713, 5.709, 21519.5, false},
    };
    for (const Case& c : cases) {
        StudResults r = resultsAt16(c.repetitive);
        StudStationTable table{};
        bool refused = false;
        EXPECT_EQ(StudStop::None, columns::runStudDesign(c.in, r, table, [&] { refused = true; })) << c.name;
        EXPECT_FALSE(refused) << c.name;
        expectNear(c.CFb, r.StudCFb, c.name);
        expectNear(c.CFc, r.StudCFc, c.name);
        expectNear(c.Fbp, r.StudFbAdj, c.name);
        expectNear(c.leD, r.StudLeD, c.name);
        expectNear(c.FcE, r.StudFcE, c.name);
        expectNear(c.Cp, r.StudCp, c.name);
        expectNear(c.allowP, r.StudAllowP, c.name);
        expectNear(c.Fcp, r.StudFcAdj, c.name);
        expectNear(c.fb, r.StudActualFb, c.name);
        expectNear(c.inter, r.StudInteraction, c.name);
        expectNear(c.RB, r.StudRB, c.name);
        expectNear(c.FbE, r.StudFbE, c.name);
        EXPECT_EQ(c.fails, r.StudFails) << c.name;
        EXPECT_TRUE(r.StudCompleted) << c.name;
    }
}

// NDS Supplement Table 4A size factors by grade, depth and breadth.
TEST(StudDesign, SizeFactorsOfTable4A)
{
    struct Case
    {
        bool stud;
        int breadth, depth;
        float CFb, CFc;
    };
    const Case cases[] = {{false, 0, 0, 1.5f, 1.15f}, {false, 0, 1, 1.3f, 1.1f}, {false, 2, 2, 1.3f, 1.05f},
                          {false, 0, 2, 1.2f, 1.05f}, {true, 0, 0, 1.1f, 1.05f}, {true, 0, 1, 1.0f, 1.0f}};
    for (const Case& c : cases) {
        StudDesignInput in = dfl2x6();
        in.studGrade = c.stud;
        in.breadthIndex = c.breadth;
        in.depthIndex = c.depth;
        in.heightFt = 8;
        in.wind = {{{20, 0, 8}, {}, {}}};
        StudResults r = resultsAt16(false);
        StudStationTable table{};
        columns::runStudDesign(in, r, table, [] {});
        EXPECT_FLOAT_EQ(c.CFb, r.StudCFb) << c.breadth << "x" << c.depth;
        EXPECT_FLOAT_EQ(c.CFc, r.StudCFc) << c.breadth << "x" << c.depth;
    }
}

// The IBC 2306.2.1 wall-stud factors 1.5, 1.35, 1.25 by depth for one to four plies of 2x; any other
// breadth falls back to 1.15 and says so.
TEST(StudDesign, IbcRepetitiveFactorByDepthAndBreadth)
{
    struct Case
    {
        int breadth, depth;
        float Cr;
        bool refused;
        double Fbp; // CFb x 900 x 1.6 x Cr
    };
    const Case cases[] = {{0, 0, 1.5f, false, 1.5 * 900 * 1.6 * 1.5},
                          {4, 1, 1.35f, false, 1.3 * 900 * 1.6 * 1.35},
                          {3, 2, 1.25f, false, 1.2 * 900 * 1.6 * 1.25},
                          {2, 1, 1.15f, true, 1.3 * 900 * 1.6 * 1.15},
                          {1, 0, 1.15f, true, 1.5 * 900 * 1.6 * 1.15}};
    for (const Case& c : cases) {
        StudDesignInput in = dfl2x6();
        in.ibc = true;
        in.breadthIndex = c.breadth;
        in.depthIndex = c.depth;
        StudResults r = resultsAt16(true);
        r.StudIBCCr = -1;
        StudStationTable table{};
        bool refused = false;
        columns::runStudDesign(in, r, table, [&] { refused = true; });
        EXPECT_FLOAT_EQ(c.Cr, r.StudCr) << c.breadth << "x" << c.depth;
        EXPECT_EQ(c.refused, refused);
        EXPECT_EQ(c.refused ? 0 : -1, r.StudIBCCr);
        EXPECT_NEAR(c.Fbp, r.StudFbAdj, 0.05);
    }
}

// The axial capacity carries Cd: with Cd 0.9 a 2x4 DF-L #2 of 14 ft (le/d 48, FcE = 208.53, Fc* =
// 1350 x 0.9 x 1.15, Cp = 0.14437) allows 1552.5 x 0.14437 x 5.25 x 0.9 = 1059 lb, not 1176.6. Its fc of
// 1150 / 5.25 = 219.05 lies above FcE: the stud buckles and fails, where the unguarded interaction
// (1 - fc/FcE < 0) reads -19.2 and would pass it.
TEST(StudDesign, AxialCapacityWithCdAndFcAboveFcEFails)
{
    StudDesignInput in = dfl2x6();
    in.heightFt = 14;
    in.plf = 0;
    in.pointP = 1150;
    in.wind = {{{20, 0, 14}, {}, {}}};
    in.depthIndex = 0;
    in.cdAxial = 0.9;
    StudResults r = resultsAt16(true);
    StudStationTable table{};
    columns::runStudDesign(in, r, table, [] {});
    EXPECT_NEAR(208.53, r.StudFcE, 0.05);
    EXPECT_NEAR(1059.0, r.StudAllowP, 0.5);
    EXPECT_TRUE(r.StudFcReachesFcE);
    EXPECT_TRUE(r.StudFails);
}

TEST(StudDesign, StopsAndErrors)
{
    StudResults r = resultsAt16(false);
    StudStationTable table{};
    // Load positions, in order: beginning beyond the end, beginning above, end above the stud.
    StudDesignInput in = dfl2x6();
    in.wind[2] = {0, 5, 0}; // wind C of 0 psf still has its positions checked
    EXPECT_EQ(StudStop::BegAfterEnd, columns::runStudDesign(in, r, table, [] {}));
    in.wind[2] = {0, 0, 0};
    in.wind[1] = {10, 11, 11};
    EXPECT_EQ(StudStop::BegAboveHeight, columns::runStudDesign(in, r, table, [] {}));
    in.wind[1] = {10, 5, 11};
    EXPECT_EQ(StudStop::EndAboveHeight, columns::runStudDesign(in, r, table, [] {}));
    in.wind[1] = {10, 10, 10}; // a beginning equal to its end and to H passes
    in.studGrade = true;
    in.depthIndex = 2;
    EXPECT_EQ(StudStop::StudGradeDeep, columns::runStudDesign(in, r, table, [] {}));
    EXPECT_FALSE(r.StudCompleted);
    // No depth chosen: the division by d at le/d fails; no breadth: the division at fc.
    in.studGrade = false;
    in.depthIndex = -1;
    EXPECT_THROW(columns::runStudDesign(in, r, table, [] {}), platform::RuntimeError);
    in.depthIndex = 1;
    in.breadthIndex = -1;
    EXPECT_THROW(columns::runStudDesign(in, r, table, [] {}), platform::RuntimeError);
    EXPECT_FALSE(r.StudCompleted);
}

} // namespace
