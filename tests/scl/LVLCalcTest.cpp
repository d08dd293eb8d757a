// The SCL beam test over typed inputs. The beam: a 20 ft span under 200 plf (applied loads M = w L^2 / 8
// = 10,000 ft-lb, R1 = R2 = 2,000 lb), product 0 (Fb 2800, Fv 285, E 2.0, CF exponent 1/9, self weight
// 0.25694 lb/ft per in^2) in "(2) 1-3/4x" by "11-7/8" (b 3.5, d 11.875 in.). Expected values are the
// closed forms worked by hand (a calculator for the powers and roots), each named where it is used.
#include "scl/LVLCalc.h"

#include "../beam/FakeBeamUi.h"

#include <cmath>
#include <gtest/gtest.h>

namespace scl
{
namespace
{

using beam::test::FakeBeamUi;

struct SclBeam : ::testing::Test
{
    beam::BeamCriteria criteria;
    beam::BeamState state;
    FakeBeamUi ui;
    SCLTestEntry entry;

    SclBeam()
    {
        criteria.group = {};
        criteria.group[7] = true;
        criteria.Span = "20";
        criteria.UNIF = "200";
        criteria.LUNIF = "100";
        criteria.UBLtext = "0";
        criteria.CantUBLtext = "0";
        criteria.NDS2001 = -1;
        beam::AppliedLoads& loads = state.loads;
        loads.MomentLoads = 10000;
        loads.MaxMomentLoads = 10000;
        loads.MaxMomentLoadsX = 10;
        loads.R1Loads = 2000;
        loads.R2Loads = 2000;
        loads.TotalAppliedLoad = 4000;
        for (int i = 0; i < beam::StationCount; ++i) {
            const double x = 0.1 * i;
            loads.StationTable[static_cast<std::size_t>(i)][beam::StationRow::X] = static_cast<float>(x);
            loads.StationTable[static_cast<std::size_t>(i)][beam::StationRow::Moment] =
                static_cast<float>(2000 * x - 100 * x * x);
        }
        state.member.Cd = 1.0f;
        entry = {0, "(2) 1-3/4x", "11-7/8", "2800", "285", "750", "2.0", ""};
    }

    SCLTestOutcome run() { return sclBeamTest(entry, criteria, state, ui); }
};

constexpr double w0 = 3.5 * 11.875 * 0.25694; // 10.679 plf, b d x self-weight factor

TEST_F(SclBeam, SimpleSpanSectionSelfWeightAndSizeFactor)
{
    ASSERT_EQ(run(), SCLTestOutcome::Completed);
    const beam::MemberUnderTest& m = state.member;
    EXPECT_FLOAT_EQ(m.BeamBreadth, 3.5f);
    EXPECT_FLOAT_EQ(m.BeamDepth, 11.875f);
    EXPECT_EQ(m.NextLargerLabel, "14");
    EXPECT_EQ(m.NextSmallerLabel, "11-1/4");
    EXPECT_FLOAT_EQ(m.NextSmallerDepth, 11.25f);
    EXPECT_NEAR(m.SectionModulus, 82.2591, 1e-3);  // b d^2 / 6
    EXPECT_NEAR(m.MomentOfInertia, 488.413, 1e-2); // b d^3 / 12
    EXPECT_NEAR(m.SelfWeight, w0, 1e-4);
    EXPECT_NEAR(m.CF, 1.0011642, 1e-6);        // (12 / 11.875)^(1/9)
    EXPECT_NEAR(m.CFSmaller, 1.0071967, 1e-6); // (12 / 11.25)^(1/9)
    EXPECT_NEAR(m.R1TL, 2000 + w0 * 10, 1e-2); // R1Loads + w L / 2
    EXPECT_NEAR(m.MaxMoment, 10000 + w0 * 400 / 8, 1e-2);
    EXPECT_NEAR(m.FbAdj, 2800 * 1.0011642, 1e-2); // CF above 1 times CL = 1
    EXPECT_NEAR(m.FvAdj, 285, 1e-4);
    EXPECT_EQ(m.CVGoverns, 0);
    EXPECT_EQ(m.BreadthClass, "SCL");
}

TEST_F(SclBeam, ReactionsAndMomentsOfEverySupportCase)
{
    // Overhang a = 5 ft (load F at 5 ft from R2), R1Loads 1500, R2Loads 2500, overhang moment 1000.
    struct Case
    {
        const char* name;
        std::function<void(beam::BeamCriteria&)> setUp;
        double R1, R2, M;
    };
    const Case cases[] = {
        {"two spans", [](auto& c) { c.Multibutton = true, c.TwoSpan = true, c.ThreeSpan = false; },
         0.375 * w0 * 20 + 1500, 1.25 * w0 * 20 + 2500, 0.125 * w0 * 400 + 10000},
        {"three spans", [](auto& c) { c.Multibutton = true, c.TwoSpan = false, c.ThreeSpan = true; },
         0.4 * w0 * 20 + 1500, 1.1 * w0 * 20 + 2500, 0.1 * w0 * 400 + 10000},
        {"hip", [](auto& c) { c.IncButton = true, c.IncUnifTL = "100"; }, 100 * 10 + 600.0 / 3 + w0 * 10,
         100 * 10 + 1200.0 / 3 + w0 * 10, w0 * 400 / 8 + 10000},
        {"simple", [](auto&) {}, w0 * 10 + 1500, w0 * 10 + 2500, w0 * 400 / 8 + 10000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        beam::BeamCriteria base = criteria;
        c.setUp(criteria);
        state.loads.R1Loads = 1500;
        state.loads.R2Loads = 2500;
        state.loads.IncTLTotal = 600;
        ASSERT_EQ(run(), SCLTestOutcome::Completed);
        EXPECT_NEAR(state.member.R1TL, c.R1, 1e-2);
        EXPECT_NEAR(state.member.R2TL, c.R2, 1e-2);
        EXPECT_NEAR(state.member.MaxMoment, c.M, 1e-2);
        criteria = base;
    }
}

// Fault 5: the overhanging beam's span moment takes the self weight's own curve,
// w x (L^2 - a^2) / (2 L) - w x^2 / 2, with its peak w ((L^2 - a^2) / (2 L))^2 / 2 at x = 9.375 ft.
// With no applied span moment the old X (X / 2 w) + MaxMomentLoads gave 0.
TEST_F(SclBeam, OverhangSpanMomentCarriesTheBackspanSelfWeight)
{
    criteria.OHbutton = true;
    criteria.DIS[4] = "5";
    criteria.PT[4] = "500";
    criteria.UNIF = "0";
    for (auto& row : state.loads.StationTable) {
        row[beam::StationRow::Moment] = 0;
    }
    state.loads.MaxMomentLoads = 0;
    state.loads.MaxMomentLoadsX = 0;
    state.loads.R1Loads = -125; // the 500 lb end load: -500 x 5 / 20, and 625 at R2
    state.loads.R2Loads = 625;
    state.loads.OHMomentLoads = 2500;
    ASSERT_EQ(run(), SCLTestOutcome::Completed);
    const beam::MemberUnderTest& m = state.member;
    EXPECT_FLOAT_EQ(m.OHLength, 5);
    EXPECT_NEAR(m.MaxMoment, w0 * 9.375 * 9.375 / 2, 1e-2); // 469.3 ft-lb
    EXPECT_NEAR(m.OHMoment, w0 * 5 * 2.5 + 2500, 1e-2);     // w a^2 / 2 + overhang loads
    EXPECT_NEAR(m.R1TL, (400 - 25) * w0 / 40 - 125, 1e-2);  // (L^2 - a^2) w / (2 L) + R1Loads
    EXPECT_NEAR(m.R2TL, 625 * w0 / 40 + 625, 1e-2);         // (L + a)^2 w / (2 L) + R2Loads
}

// Fault 4: the overhang partial loads K and L carry their begin positions into the shear.
TEST_F(SclBeam, OverhangPartialLoadsKeepTheirBeginnings)
{
    criteria.OHbutton = true;
    criteria.PAR[3] = "100";
    criteria.BEGP[3] = "1.5";
    criteria.ENDP[3] = "4";
    criteria.BEGP[4] = "2";
    criteria.ENDP[4] = "3";
    state.member.PartialLoadBegin = {};
    ASSERT_EQ(run(), SCLTestOutcome::Completed);
    EXPECT_FLOAT_EQ(state.member.PartialLoadBegin[3], 1.5f);
    EXPECT_FLOAT_EQ(state.member.PartialLoadBegin[4], 2.0f);
    EXPECT_FLOAT_EQ(state.member.OHLength, 4.0f);
}

// Fb' = Cr Fb Cd F: CV products the lesser of CL and CV; others CF x CL from CF = 1 up, else the lesser.
TEST(SclAdjustedBendingValue, FollowsTheSizeOrVolumeFactorRule)
{
    struct Case
    {
        float CF, CV;
        std::int16_t CVGoverns;
        float spanCL, cantCL;
        double factor;
    };
    const Case cases[] = {
        {1.05f, 1, 0, 0.9f, 1, 1.05 * 0.9}, {0.95f, 1, 0, 0.9f, 1, 0.9},     {0.95f, 1, 0, 1, 0.98f, 0.95},
        {1.0f, 0.97f, -1, 0.99f, 1, 0.97},  {1.0f, 0.97f, -1, 1, 0.9f, 0.9},
    };
    for (const Case& c : cases) {
        beam::MemberUnderTest m;
        m.Fb = 2000;
        m.Cr = 1.04f;
        m.Cd = 1.15f;
        m.CF = c.CF;
        m.CV = c.CV;
        m.CVGoverns = c.CVGoverns;
        beam::StabilityResults s;
        s.SpanCL = c.spanCL;
        s.CantCL = c.cantCL;
        EXPECT_NEAR(sclAdjustedBendingValue(m, s), 2000 * 1.04 * 1.15 * c.factor, 0.05);
    }
}

// Fault 1: an SCL member (COV of E 0.10) takes KbE 0.61 and Emin = 0.518 E, whatever the last wood test
// left as member class. b 1.75, d 11.875, lu 120 in. under a uniform load: lu/d = 10.1 (class II),
// Le = 1.63 lu + 3 d = 231.225 in., RB^2 = d Le / b^2 = 896.59, Fb* = 2800 psi.
// KbE rule: FbE = 0.61 x 2.0e6 / RB^2 = 1360.7 psi, CL = 0.46568. Emin rule: FbE = 1.2 x 0.518 x 2.0e6
// / RB^2 = 1386.6 psi, CL = 0.47387.
TEST_F(SclBeam, StabilityTakesTheSclConstantsUnderBothRules)
{
    entry.breadth = "1-3/4x";
    criteria.UBLtext = "10";
    struct Case
    {
        const char* edition;
        std::int16_t beam::BeamCriteria::*flag;
        double CL;
    };
    const Case cases[] = {{"2001", &beam::BeamCriteria::NDS2001, 0.46568},
                          {"2018", &beam::BeamCriteria::NDS2018, 0.47387}};
    for (const Case& c : cases) {
        for (const char* before : {"2x", "GLB", ""}) {
            SCOPED_TRACE(std::string(c.edition) + " after " + before);
            beam::BeamCriteria edition = criteria;
            edition.NDS2001 = 0;
            edition.*c.flag = -1;
            state.member.BreadthClass = before;
            ASSERT_EQ(sclBeamTest(entry, edition, state, ui), SCLTestOutcome::Completed);
            EXPECT_NEAR(state.stability.SpanCL, c.CL, 2e-4);
            EXPECT_FLOAT_EQ(state.stability.SpanKbE, 0.61f);
            // CF above 1 multiplies the lesser stability factor.
            EXPECT_NEAR(state.member.FbAdj, 2800 * 1.0011642 * c.CL, 0.6);
        }
    }
}

// KL under NDS 1997 only: 1.09 for loads inside the midspan band 2.25 L/5 .. 2.75 L/5, 0.96 for two
// equal loads near the third points, 1.0 otherwise and under every other edition.
TEST(SclLoadingCondition, MidspanAndThirdPointBands)
{
    struct Case
    {
        const char* dis0;
        const char* dis1;
        const char* pt1;
        std::int16_t nds1997;
        double KL;
    };
    const Case cases[] = {
        {"10", "", "", -1, 1.09},      {"9", "", "", -1, 1.0},        {"11", "", "", -1, 1.0},
        {"7", "13", "1000", -1, 0.96}, {"13", "7", "1000", -1, 0.96}, {"7", "13", "900", -1, 1.0},
        {"10", "", "", 0, 1.0},
    };
    for (const Case& c : cases) {
        beam::BeamCriteria criteria;
        criteria.Span = "20";
        criteria.UNIF = "0";
        criteria.PT[0] = "1000";
        criteria.PT[1] = c.pt1;
        criteria.DIS[0] = c.dis0;
        criteria.DIS[1] = c.dis1;
        criteria.NDS1997 = c.nds1997;
        beam::AppliedLoads loads;
        loads.PTTotal = 1000;
        EXPECT_DOUBLE_EQ(sclLoadingConditionFactor(criteria, loads), c.KL) << c.dis0 << " " << c.dis1;
        // An overhang or continuous spans take 1.0 in every edition.
        criteria.OHbutton = true;
        EXPECT_DOUBLE_EQ(sclLoadingConditionFactor(criteria, loads), 1.0);
        criteria.OHbutton = false;
        criteria.Multibutton = true;
        EXPECT_DOUBLE_EQ(sclLoadingConditionFactor(criteria, loads), 1.0);
    }
}

// Volume factor of product 22 in "5-1/2x" by "18" on 20 ft: (12/18)^0.1 (21/20)^0.1 (5.125/5.5)^0.1 =
// 0.95817; its next smaller depth 16 in.: 0.96952. Glued-laminated product 25 takes no Cr (fault 2).
TEST_F(SclBeam, VolumeFactorProductsAndTheirRepetitiveFactor)
{
    criteria.Rep = true;
    entry = {22, "5-1/2x", "18", "3000", "265", "650", "2.1", ""};
    ASSERT_EQ(run(), SCLTestOutcome::Completed);
    const beam::MemberUnderTest& m = state.member;
    EXPECT_NEAR(m.CV, 0.958171, 1e-5);
    EXPECT_NEAR(m.CFSmaller, 0.969523, 1e-5);
    EXPECT_EQ(m.CVGoverns, -1);
    EXPECT_FLOAT_EQ(m.CF, 1.0f);
    EXPECT_FLOAT_EQ(m.Cr, 1.0f);
    EXPECT_NEAR(m.FbAdj, 3000 * 0.958171, 0.05);
    EXPECT_NEAR(m.SelfWeight, 5.5 * 18 * 0.25694, 1e-3);

    for (int product : {25, 13}) {
        entry = {product, "5-1/2x", "18", "2400", "265", "650", "1.8", ""};
        ASSERT_EQ(run(), SCLTestOutcome::Completed);
        EXPECT_FLOAT_EQ(state.member.Cr, 1.0f) << product;
    }
    entry = {0, "(2) 1-3/4x", "11-7/8", "2800", "285", "750", "2.0", ""};
    ASSERT_EQ(run(), SCLTestOutcome::Completed);
    EXPECT_FLOAT_EQ(state.member.Cr, 1.04f);
}

// Fault 3: an actual depth without a row is tested as typed, without neighbours; other texts refused.
TEST_F(SclBeam, DepthWithoutARow)
{
    state.member.NextLargerLabel = "stale";
    state.member.NextSmallerDepth = 9;
    entry.depth = "5-1/4";
    ASSERT_EQ(run(), SCLTestOutcome::Completed);
    EXPECT_FLOAT_EQ(state.member.BeamDepth, 5.25f);
    EXPECT_EQ(state.member.NextLargerLabel, "");
    EXPECT_EQ(state.member.NextSmallerLabel, "");
    EXPECT_FLOAT_EQ(state.member.NextSmallerDepth, 0);

    for (const char* depth : {"abc", "5 1/4", "5-1/4x", "", "0"}) {
        ui.messages.clear();
        state.member.BeamDepth = 7;
        entry.depth = depth;
        EXPECT_EQ(run(), SCLTestOutcome::DepthRefused) << depth;
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, SCLDepthMessage);
        EXPECT_FLOAT_EQ(state.member.BeamDepth, 7);
    }
}

TEST_F(SclBeam, BreadthNotFoundIsRefusedBeforeAnythingIsWritten)
{
    state.member.BeamBreadth = 9;
    for (const char* breadth : {"(2) 1-3/4", "1-3/4X", " 1-3/4x", "1 3/4x"}) {
        ui.messages.clear();
        entry.breadth = breadth;
        EXPECT_EQ(run(), SCLTestOutcome::BreadthRefused);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, SCLBreadthMessage);
        EXPECT_FLOAT_EQ(state.member.BeamBreadth, 9);
    }
}

// Fault 6: a custom product's exponent must be at least 0 and below 1; an empty box reads 0 (CF 1.0).
TEST_F(SclBeam, CustomExponentBelowOne)
{
    entry.product = 23;
    entry.depth = "5-1/2";
    for (const char* x : {"5", "1", "-0.1"}) {
        ui.messages.clear();
        entry.exponent = x;
        EXPECT_EQ(run(), SCLTestOutcome::ExponentRefused) << x;
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, SCLExponentMessage);
    }
    entry.exponent = "";
    ASSERT_EQ(run(), SCLTestOutcome::Completed);
    EXPECT_FLOAT_EQ(state.member.CF, 1.0f);
    entry.exponent = "0.136";
    ASSERT_EQ(run(), SCLTestOutcome::Completed);
    EXPECT_NEAR(state.member.CF, std::pow(12 / 5.5, 0.136), 1e-6); // 1.11178
    EXPECT_NEAR(state.member.SelfWeight, 3.5 * 5.5 * 0.2604, 1e-4);
}

TEST_F(SclBeam, ZeroBendingValueStops)
{
    entry.Fb = "";
    state.member.FbAdj = 123;
    EXPECT_EQ(run(), SCLTestOutcome::ZeroValue);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text, SCLZeroValueMessage);
    EXPECT_EQ(ui.messages.back().style, beam::MsgStyle::Exclamation);
    EXPECT_EQ(ui.selectionPointerResets, 1);
    EXPECT_FLOAT_EQ(state.member.FbAdj, 123);
}

TEST_F(SclBeam, RunTimeErrorsEndTheTest)
{
    entry.FcPerp = "40000"; // no 16-bit value
    EXPECT_EQ(run(), SCLTestOutcome::Error);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, SCLErrorMessage);

    ui.messages.clear();
    entry = {22, "5-1/2x", "18", "3000", "265", "650", "2.1", ""};
    criteria.Span = "0"; // the volume factor divides by the span
    EXPECT_EQ(run(), SCLTestOutcome::Error);
}

} // namespace
} // namespace scl
