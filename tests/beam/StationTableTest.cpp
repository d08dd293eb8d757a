// Reactions, station table and governing moments of the applied loads, against the closed forms of
// statics for simple spans, overhangs, equal continuous spans and hips and valleys.
#include "beam/StationTable.h"

#include "beam/GoverningMoments.h"
#include "beam/LoadTotals.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace beam
{
namespace
{

BeamCriteria criteriaWithSpan(const char* span)
{
    BeamCriteria criteria;
    criteria.Span = span;
    return criteria;
}

BeamCriteria overhangWithSpan(const char* span)
{
    BeamCriteria criteria = criteriaWithSpan(span);
    criteria.SimpleSpanbutton = false;
    criteria.OHbutton = true;
    return criteria;
}

AppliedLoads analyse(const BeamCriteria& criteria, std::vector<int>* progress = nullptr)
{
    AppliedLoads loads;
    computeLoadTotals(criteria, loads, HipValleyTotals::FromLoadBoxes);
    computeReactions(criteria, loads);
    fillStationTable(criteria, loads, [progress](int percent) {
        if (progress != nullptr) {
            progress->push_back(percent);
        }
    });
    findGoverningMoments(criteria, loads);
    return loads;
}

float momentAt(const AppliedLoads& loads, int station)
{
    return loads.StationTable[station][StationRow::Moment];
}

// Tolerance for values kept in single precision: a few units in the 7th digit.
double singleTolerance(double value)
{
    return 1e-6 * (1 + std::abs(value)) * 4;
}

TEST(Reactions, MatchStaticsForEveryLoadType)
{
    struct Case
    {
        const char* name;
        std::function<BeamCriteria()> beam;
        double r1, r2, r1Live, r2Live;
    };
    const Case cases[] = {
        // wL/2 at each end.
        {"uniform 100 plf on 20 ft",
         [] {
             auto c = criteriaWithSpan("20");
             c.UNIF = "100";
             return c;
         },
         1000, 1000, 0, 0},
        // P b / L and P a / L: 1200 x 9 / 12 and 1200 x 3 / 12.
        {"point 1200 lb at 3 ft of 12 ft",
         [] {
             auto c = criteriaWithSpan("12");
             c.PT[0] = "1200";
             c.DIS[0] = "3";
             return c;
         },
         900, 300, 0, 0},
        // 800 lb centred at 4 ft: 800 x 6 / 10 and 800 x 4 / 10.
        {"partial 200 plf from 2 to 6 ft of 10 ft",
         [] {
             auto c = criteriaWithSpan("10");
             c.PAR[0] = "200";
             c.BEGP[0] = "2";
             c.ENDP[0] = "6";
             return c;
         },
         480, 320, 0, 0},
        // Live: 40 x 10 / 2 + 300 x 8 / 10 = 440 at R1, 400 + 300 - 440 = 260 at R2.
        {"uniform and point, total and live",
         [] {
             auto c = criteriaWithSpan("10");
             c.UNIF = "100";
             c.LUNIF = "40";
             c.PT[0] = "500";
             c.LPT[0] = "300";
             c.DIS[0] = "2";
             return c;
         },
         500 + 400, 500 + 100, 440, 260},
        // Backspan 10 ft: R1 = (100 x 10 x 5 - 500 x 2) / 10 = 400, R2 = 1500 - 400.
        {"overhang: uniform on backspan, point at 2 ft beyond R2",
         [] {
             auto c = overhangWithSpan("10");
             c.UNIF = "100";
             c.PT[4] = "500";
             c.DIS[4] = "2";
             return c;
         },
         400, 1100, 0, 0},
        // R1 = (1000 x 5 - 400 x 2) / 10 = 420; R2 = 1400 - 420.
        {"overhang: point on backspan, partial K over the whole 4 ft overhang",
         [] {
             auto c = overhangWithSpan("10");
             c.PT[0] = "1000";
             c.DIS[0] = "5";
             c.PAR[3] = "100";
             c.BEGP[3] = "0";
             c.ENDP[3] = "4";
             return c;
         },
         420, 980, 0, 0},
        // Overhang loads only lift R1: -500 x 2 / 10.
        {"overhang loaded only beyond R2",
         [] {
             auto c = overhangWithSpan("10");
             c.PT[4] = "500";
             c.DIS[4] = "2";
             return c;
         },
         -100, 600, 0, 0},
        // Two equal spans: 3/8 wL at the ends, 10/8 wL at the middle; point loads do not enter.
        {"two equal spans",
         [] {
             auto c = criteriaWithSpan("10");
             c.SimpleSpanbutton = false;
             c.Multibutton = true;
             c.UNIF = "100";
             c.LUNIF = "40";
             c.PT[0] = "1000";
             c.DIS[0] = "5";
             return c;
         },
         375, 1250, 150, 500},
        // Three equal spans: 0.4 wL at the ends, 1.1 wL at the interior supports.
        {"three equal spans",
         [] {
             auto c = criteriaWithSpan("10");
             c.SimpleSpanbutton = false;
             c.Multibutton = true;
             c.TwoSpan = false;
             c.ThreeSpan = true;
             c.UNIF = "100";
             return c;
         },
         400, 1100, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AppliedLoads loads = analyse(c.beam());
        EXPECT_NEAR(loads.R1Loads, c.r1, singleTolerance(c.r1));
        EXPECT_NEAR(loads.R2Loads, c.r2, singleTolerance(c.r2));
        EXPECT_NEAR(loads.R1LL, c.r1Live, singleTolerance(c.r1Live));
        EXPECT_NEAR(loads.R2LL, c.r2Live, singleTolerance(c.r2Live));
    }
}

TEST(Reactions, HipOrValleyTakeAThirdOfTheIncreasingLoadAtR1)
{
    // Uniform q L / 2 at each end, plus W / 3 and 2 W / 3 of a load growing linearly towards R2:
    // 50 x 12 / 2 + 900 / 3 = 600 and 300 + 600 = 900; live 20 x 6 + 300 / 3 = 220 and 120 + 200 = 320.
    BeamCriteria criteria = criteriaWithSpan("12");
    criteria.SimpleSpanbutton = false;
    criteria.IncButton = true;
    criteria.IncUnifTL = "50";
    criteria.IncUnifLL = "20";
    criteria.UNIF = "25"; // an ordinary box still counts in the moments, never in the reactions
    AppliedLoads loads;
    loads.IncTLTotal = 900;
    loads.IncLLTotal = 300;
    computeLoadTotals(criteria, loads, HipValleyTotals::FromLoadBoxes);
    computeReactions(criteria, loads);
    fillStationTable(criteria, loads, [](int) {});
    findGoverningMoments(criteria, loads);
    EXPECT_FLOAT_EQ(loads.R1Loads, 600);
    EXPECT_FLOAT_EQ(loads.R2Loads, 900);
    EXPECT_FLOAT_EQ(loads.R1LL, 220);
    EXPECT_FLOAT_EQ(loads.R2LL, 320);
    EXPECT_FLOAT_EQ(loads.TotalAppliedLoad, 300); // 25 x 12 from the boxes
    EXPECT_FLOAT_EQ(loads.MomentLoads, 450);      // 25 x 12^2 / 8
}

TEST(StationTable, MomentAndShearFollowTheClosedFormAtEveryStation)
{
    // Uniform 100 plf, 1000 lb at 5 ft, 200 plf from 2 to 6 ft on 10 ft. By statics
    // R1 = 500 + 500 + 480 = 1480, and M(x), V(x) by Macaulay brackets.
    BeamCriteria criteria = criteriaWithSpan("10");
    criteria.UNIF = "100";
    criteria.PT[0] = "1000";
    criteria.DIS[0] = "5";
    criteria.PAR[0] = "200";
    criteria.BEGP[0] = "2";
    criteria.ENDP[0] = "6";
    const AppliedLoads loads = analyse(criteria);
    ASSERT_FLOAT_EQ(loads.R1Loads, 1480);
    auto bracket = [](double v) { return v > 0 ? v : 0.0; };
    for (int i = 0; i < StationCount; ++i) {
        SCOPED_TRACE(i);
        const double x = loads.StationTable[i][StationRow::X];
        const double inPartial = std::min(bracket(x - 2), 4.0);
        const double moment = 1480 * x - 100 * x * x / 2 - 1000 * bracket(x - 5) -
                              200 * inPartial * (x - 2 - inPartial / 2) * (x > 2 ? 1 : 0);
        const double shear = 1480 - 100 * x - (x > 5 ? 1000 : 0) - 200 * inPartial;
        EXPECT_NEAR(x, 10.0 / 200 * i, 1e-6);
        EXPECT_NEAR(momentAt(loads, i), moment, singleTolerance(moment) * 10);
        EXPECT_NEAR(loads.StationTable[i][StationRow::Shear], shear, singleTolerance(shear) * 10);
    }
    // The shear changes sign under the point load: 1480 x 5 - 100 x 5^2 / 2 - 600 x (5 - 3.5) = 5250.
    EXPECT_FLOAT_EQ(loads.MaxMomentLoads, 5250);
    EXPECT_FLOAT_EQ(loads.MaxMomentLoadsX, 5);
}

TEST(StationTable, LoadOnAStationActsOnlyBeyondIt)
{
    // 1000 lb at 5 ft on 10 ft: at station 100 (x = 5) its term is still 0; at station 101 it is
    // (5.05 - 5) x 1000 = 50 and the moment 500 x 5.05 - 50.
    BeamCriteria criteria = criteriaWithSpan("10");
    criteria.PT[0] = "1000";
    criteria.DIS[0] = "5";
    const AppliedLoads loads = analyse(criteria);
    EXPECT_EQ(loads.StationTable[100][StationRow::PointMoment], 0);
    EXPECT_FLOAT_EQ(momentAt(loads, 100), 2500);
    EXPECT_NEAR(loads.StationTable[101][StationRow::PointMoment], 50, 1e-3);
    EXPECT_NEAR(momentAt(loads, 101), 2475, 1e-3);
    EXPECT_FLOAT_EQ(loads.MaxMomentLoads, 2500);
    EXPECT_FLOAT_EQ(loads.MaxMomentLoadsX, 5);
    EXPECT_FLOAT_EQ(loads.MomentLoads, 2500);
    EXPECT_EQ(loads.NegMomentX, 0);
}

TEST(GoverningMoments, MatchClosedFormsForEveryLoadType)
{
    struct Case
    {
        const char* name;
        std::function<BeamCriteria()> beam;
        double maxMoment, maxMomentX, ohMoment, moment, negMomentX;
    };
    const Case cases[] = {
        // wL^2/8 at midspan.
        {"uniform 100 plf on 20 ft",
         [] {
             auto c = criteriaWithSpan("20");
             c.UNIF = "100";
             return c;
         },
         5000, 10, 0, 5000, 0},
        // P a b / L under the load.
        {"point 1200 lb at 3 ft of 12 ft",
         [] {
             auto c = criteriaWithSpan("12");
             c.PT[0] = "1200";
             c.DIS[0] = "3";
             return c;
         },
         2700, 3, 0, 2700, 0},
        // Zero shear at 2 + 480 / 200 = 4.4 ft: 480 x 4.4 - 200 x 2.4^2 / 2 = 1536.
        {"partial 200 plf from 2 to 6 ft of 10 ft",
         [] {
             auto c = criteriaWithSpan("10");
             c.PAR[0] = "200";
             c.BEGP[0] = "2";
             c.ENDP[0] = "6";
             return c;
         },
         1536, 4.4, 0, 1536, 0},
        // R1 = 400: zero shear at 4 ft, 400^2 / (2 x 100) = 800; support moment 500 x 2 = 1000 governs;
        // M(x) = 400 x - 50 x^2 < 0 beyond 8 ft, so the last negative station between 1 and 199 is 199.
        {"overhang: uniform on backspan, 500 lb at 2 ft beyond R2",
         [] {
             auto c = overhangWithSpan("10");
             c.UNIF = "100";
             c.PT[4] = "500";
             c.DIS[4] = "2";
             return c;
         },
         800, 4, 1000, 1000, 9.95},
        // R1 = 420: largest span moment 420 x 5 = 2100 under the point load, above 100 x 4 x 2 = 800.
        {"overhang: point on backspan, K over the overhang",
         [] {
             auto c = overhangWithSpan("10");
             c.PT[0] = "1000";
             c.DIS[0] = "5";
             c.PAR[3] = "100";
             c.BEGP[3] = "0";
             c.ENDP[3] = "4";
             return c;
         },
         2100, 5, 800, 2100, 9.95},
        // A tiny overhang load leaves the span moment positive up to station 199 (about 24.8 ft-lb).
        {"overhang with 1 lb at 0.1 ft",
         [] {
             auto c = overhangWithSpan("10");
             c.UNIF = "100";
             c.PT[4] = "1";
             c.DIS[4] = "0.1";
             return c;
         },
         1249.95, 5.0, 0.1, 1249.95, 0},
        // Loaded only beyond R2: the moment falls from R1 on and never rises.
        {"overhang loaded only beyond R2",
         [] {
             auto c = overhangWithSpan("10");
             c.PT[4] = "500";
             c.DIS[4] = "2";
             return c;
         },
         0, 0, 1000, 1000, 9.95},
        // Support moments of equal spans: wL^2/8 for two, wL^2/10 for three.
        {"two equal spans",
         [] {
             auto c = criteriaWithSpan("10");
             c.SimpleSpanbutton = false;
             c.Multibutton = true;
             c.UNIF = "100";
             return c;
         },
         0, 0, 0, 1250, 0},
        {"three equal spans",
         [] {
             auto c = criteriaWithSpan("10");
             c.SimpleSpanbutton = false;
             c.Multibutton = true;
             c.TwoSpan = false;
             c.ThreeSpan = true;
             c.UNIF = "100";
             return c;
         },
         0, 0, 0, 1000, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AppliedLoads loads = analyse(c.beam());
        EXPECT_NEAR(loads.MaxMomentLoads, c.maxMoment, singleTolerance(c.maxMoment) * 10);
        EXPECT_NEAR(loads.MaxMomentLoadsX, c.maxMomentX, 1e-5);
        EXPECT_NEAR(loads.OHMomentLoads, c.ohMoment, singleTolerance(c.ohMoment));
        EXPECT_NEAR(loads.MomentLoads, c.moment, singleTolerance(c.moment) * 10);
        EXPECT_NEAR(loads.NegMomentX, c.negMomentX, 1e-5);
    }
}

TEST(StationTable, OverhangSupportMomentIsTheNegativeOfTheMomentAtR2)
{
    BeamCriteria criteria = overhangWithSpan("10");
    criteria.UNIF = "100";
    criteria.PT[4] = "500";
    criteria.DIS[4] = "2";
    criteria.PAR[4] = "100";
    criteria.BEGP[4] = "1";
    criteria.ENDP[4] = "3";
    const AppliedLoads loads = analyse(criteria);
    // 500 x 2 + 200 x 2 = 1400 ft-lb about R2.
    EXPECT_FLOAT_EQ(loads.OHMomentLoads, 1400);
    EXPECT_NEAR(momentAt(loads, 200), -1400, 0.01);
    // Overhang loads have no rows of their own.
    for (int r : {5, 6, 10, 11, 17, 18, 22, 23}) {
        for (int i = 0; i < StationCount; ++i) {
            ASSERT_EQ(loads.StationTable[i][r], 0) << "row " << r << " station " << i;
        }
    }
}

TEST(StationTable, ContinuousBeamKeepsAnEmptyTable)
{
    BeamCriteria criteria = criteriaWithSpan("10");
    criteria.SimpleSpanbutton = false;
    criteria.Multibutton = true;
    criteria.UNIF = "100";
    AppliedLoads loads;
    loads.StationTable[3][4] = 7; // left from an earlier calculation
    loads.NegMomentX = 2;
    computeLoadTotals(criteria, loads, HipValleyTotals::FromLoadBoxes);
    computeReactions(criteria, loads);
    fillStationTable(criteria, loads, [](int) {});
    for (const auto& row : loads.StationTable) {
        for (float value : row) {
            ASSERT_EQ(value, 0);
        }
    }
    EXPECT_EQ(loads.NegMomentX, 0);
}

TEST(StationTable, ProgressAdvancesByLoad)
{
    struct Case
    {
        const char* name;
        std::function<BeamCriteria()> beam;
        std::vector<int> progress;
    };
    const Case cases[] = {
        {"simple span, point and partial loads",
         [] {
             auto c = criteriaWithSpan("10");
             c.PT[0] = "100";
             c.DIS[0] = "1";
             c.PAR[0] = "10";
             c.BEGP[0] = "0";
             c.ENDP[0] = "2";
             return c;
         },
         {10, 20, 25, 30, 35, 40, 45, 55, 55, 60, 65, 70, 75, 95, 98}},
        {"overhang, point and partial loads",
         [] {
             auto c = overhangWithSpan("10");
             c.PT[0] = "100";
             c.DIS[0] = "1";
             c.PAR[3] = "10";
             c.BEGP[3] = "0";
             c.ENDP[3] = "2";
             return c;
         },
         {10, 20, 25, 30, 35, 55, 55, 60, 65, 95, 98}},
        {"uniform load only",
         [] {
             auto c = criteriaWithSpan("10");
             c.UNIF = "100";
             return c;
         },
         {10, 95, 98}},
        {"continuous",
         [] {
             auto c = criteriaWithSpan("10");
             c.SimpleSpanbutton = false;
             c.Multibutton = true;
             c.UNIF = "100";
             return c;
         },
         {10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<int> progress;
        analyse(c.beam(), &progress);
        EXPECT_EQ(progress, c.progress);
    }
}

TEST(HandOffTarget, FollowsTheSpeciesGroup)
{
    BeamCriteria criteria;
    const HandOff expected[] = {HandOff::Wood,         HandOff::Wood, HandOff::Wood, HandOff::Wood,
                                HandOff::Wood,         HandOff::Wood, HandOff::Wood, HandOff::CustomValues,
                                HandOff::CustomValues, HandOff::Steel};
    for (int group = 0; group < 10; ++group) {
        criteria.group = {};
        criteria.group[group] = true;
        EXPECT_EQ(handOffTarget(criteria), expected[group]) << "group " << group;
    }
}

} // namespace
} // namespace beam
