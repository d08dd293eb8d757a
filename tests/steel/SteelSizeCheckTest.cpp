// The quantities of one steel size: allowable stresses by grade and family, the unbraced length, self
// weight moments, reactions and design shear for every support case, and the unbraced length rule.
// Expected numbers come from allowable-stress design (0.66, 0.60 and 0.40 Fy) and the closed-form beam
// formulas quoted beside each case.
#include "steel/SteelSizeCheck.h"

#include <gtest/gtest.h>

namespace
{

using steel::Family;

TEST(SteelAllowables, ByGradeAndFamily)
{
    struct Case
    {
        Family family;
        bool ksi50;
        float Fy, lc, lu, fv;
    };
    const Case cases[] = {
        {Family::Tube, false, 46000, 27600, 0, 18400},  // 0.60 x 46 ksi in both cases
        {Family::Plate, false, 36000, 23760, 0, 14400}, // 0.66 x 36 ksi, fully braced
        {Family::DoublePlate, true, 50000, 33000, 0, 20000}, {Family::W, false, 36000, 23760, 21600, 14400},
        {Family::MC, true, 50000, 33000, 30000, 20000},      {Family::Tube, true, 50000, 30000, 0, 20000},
    };
    for (const Case& c : cases) {
        const steel::Allowables a = steel::allowables(c.family, c.ksi50);
        EXPECT_EQ(a.Fy, c.Fy);
        EXPECT_EQ(a.FbLcCase, c.lc);
        EXPECT_EQ(a.FbLuCase, c.lu);
        EXPECT_EQ(a.FvAdj, c.fv);
    }
    steel::SteelSetup setup;
    steel::setupConstants(true, true, setup);
    EXPECT_EQ(setup.StlFbLc, 30000.0f);
    EXPECT_EQ(setup.StlFbLu, 30000);
    EXPECT_EQ(setup.StlFvAllow, 20000);
    steel::setupConstants(true, false, setup);
    EXPECT_EQ(setup.StlFbLu, 27600);
    EXPECT_EQ(setup.StlFvAllow, 18400);
    steel::setupConstants(false, false, setup);
    EXPECT_EQ(setup.StlFbLc, 23760.0f);
    EXPECT_EQ(setup.StlFbLu, 21600);
    EXPECT_EQ(setup.StlFvAllow, 14400);
}

// "Any" braces a simple span; on an overhanging beam it leaves the overhang's own length, which an
// unbraced cantilever needs (it once gave 0 and so 0.66 Fy).
TEST(SteelUnbracedLength, SpanOverhangAndAny)
{
    struct Case
    {
        const char* span;
        const char* overhang;
        bool oh;
        float Lb;
    };
    const Case cases[] = {
        {"Any", "10", false, 0}, {"Any", "6", true, 6}, {"Any", "0", true, 0}, {"8", "10", true, 10},
        {"8", "8", true, 8},     {"8", "10", false, 8}, {"12", "4", true, 12}, {"", "", false, 0},
    };
    for (const Case& c : cases) {
        beam::BeamCriteria criteria;
        criteria.UBLtext = c.span;
        criteria.CantUBLtext = c.overhang;
        criteria.OHbutton = c.oh;
        EXPECT_EQ(steel::unbracedLength(criteria), c.Lb) << c.span << " / " << c.overhang << " / " << c.oh;
    }
}

class SizeLoadsTest : public testing::Test
{
  protected:
    steel::SizeContext context()
    {
        steel::SizeContext x{criteria, loads, setup};
        x.SpanLength = L;
        x.OHLength = a;
        x.PartialLoadEnd3 = end3;
        x.family = Family::W;
        steel::readCriteriaBoxes(x);
        return x;
    }

    beam::BeamCriteria criteria;
    beam::AppliedLoads loads;
    steel::SteelSetup setup{0, 23760.0f, 21600, 14400, {}};
    float L = 20;
    float a = 0;
    float end3 = 0;
};

// Simple span 20 ft, applied moment 10,000 ft-lb, reactions 1,000 and 1,200 lb, self weight 30 plf:
// M = 10,000 + 30 x 20^2 / 8 = 11,500; R = applied + 30 x 20 / 2 = +300 each; S66 = 11,500 x 12 / 23,760.
TEST_F(SizeLoadsTest, SimpleSpan)
{
    loads.MomentLoads = 10000;
    loads.R1Loads = 1000;
    loads.R2Loads = 1200;
    loads.TotalAppliedLoad = 2200;
    const steel::SizeLoads s = steel::sizeLoads(context(), 30);
    EXPECT_EQ(s.SelfWeight, 30);
    EXPECT_EQ(s.BeamWeight, 600);
    EXPECT_EQ(s.MaxMoment, 11500);
    EXPECT_EQ(s.OHMoment, 0);
    EXPECT_EQ(s.TotalBeamLoad, 2800);
    EXPECT_EQ(s.R1TL, 1300);
    EXPECT_EQ(s.R2TL, 1500);
    EXPECT_FLOAT_EQ(s.S66, 11500.0f * 12 / 23760);
    EXPECT_FLOAT_EQ(s.S60, 11500.0f * 12 / 21600);
    const steel::DesignShear v = steel::designShear(context(), s);
    EXPECT_EQ(v.V, 1500); // the larger reaction
    EXPECT_EQ(v.OHShear, 0);
}

// Continuous spans: 0.125 w L^2 and 0.1 w L^2; reactions 0.375 / 1.25 and 0.4 / 1.1 w L. Two spans take
// V = R2 / 2; three spans V = 0.6 (Span x UNIF + w x Span): 0.6 x (100 x 10 + 20 x 10) = 720 lb.
TEST_F(SizeLoadsTest, ContinuousSpans)
{
    criteria.Multibutton = true;
    criteria.TwoSpan = true;
    L = 10;
    loads.MomentLoads = 1000;
    loads.R1Loads = 400;
    loads.R2Loads = 1200;
    steel::SizeLoads s = steel::sizeLoads(context(), 20);
    EXPECT_EQ(s.MaxMoment, 1000 + 0.125f * 20 * 100);
    EXPECT_EQ(s.R1TL, 400 + 0.375f * 20 * 10);
    EXPECT_EQ(s.R2TL, 1200 + 1.25f * 20 * 10);
    EXPECT_EQ(steel::designShear(context(), s).V, (1200 + 250) / 2.0f);

    criteria.TwoSpan = false;
    criteria.ThreeSpan = true;
    criteria.Span = "10";
    criteria.UNIF = "100";
    s = steel::sizeLoads(context(), 20);
    EXPECT_EQ(s.MaxMoment, 1000 + 0.1f * 20 * 100);
    EXPECT_EQ(s.R1TL, 400 + 0.4f * 20 * 10);
    EXPECT_EQ(s.R2TL, 1200 + 1.1f * 20 * 10);
    EXPECT_EQ(steel::designShear(context(), s).V, 720);
}

// Hips and valleys: R1 = IncUnifTL L / 2 + IncTLTotal / 3 + w L / 2, R2 with 2/3 of the increasing load;
// moment and shear as a simple span. 50 x 12 / 2 + 900 / 3 + 10 x 12 / 2 = 660; ... + 600 + 60 = 960.
TEST_F(SizeLoadsTest, HipOrValley)
{
    criteria.IncButton = true;
    criteria.IncUnifTL = "50";
    loads.IncTLTotal = 900;
    loads.MomentLoads = 2000;
    L = 12;
    const steel::SizeLoads s = steel::sizeLoads(context(), 10);
    EXPECT_EQ(s.R1TL, 660);
    EXPECT_EQ(s.R2TL, 960);
    EXPECT_EQ(s.MaxMoment, 2000 + 10 * 144 / 8.0f);
    EXPECT_EQ(steel::designShear(context(), s).V, 960);
}

// Backspan 16 ft, overhang 4 ft, 1,000 lb at the tip alone: the applied moments fall linearly from 0 at
// R1 to -4,000 ft-lb at R2 (M(x) = -250 x), and the support moment 4,000 governs. With w = 50 plf the
// span moment is the largest of -250 x + 50 x (16^2 - 4^2) / 32 - 25 x^2 = 125 x - 25 x^2 over the
// stations x = 0.08 i: at x = 2.48 ft, 156.24 ft-lb. The support moment is 4,000 + 50 x 4^2 / 2 = 4,400
// and sizes the section: S66 = 4,400 x 12 / 23,760 = 2.2222 in^3 (taking w x^2 / 2 at the applied
// peak, x = 0, would leave 4,000 and 2.0202). Reactions: R1 = -250 + 50 x 240 / 32 = 125,
// R2 = 1,250 + 50 x 20^2 / 32 = 1,875. OHShear = 1,000 + 4 x 50 = 1,200; the backspan shear is
// 1,875 - 1,200 = 675, so V = 1,200.
TEST_F(SizeLoadsTest, OverhangTakesTheSelfWeightAtTheOverhangLengthForTheSupportMoment)
{
    criteria.OHbutton = true;
    criteria.PT[4] = "1000";
    criteria.DIS[4] = "4";
    L = 16;
    a = 4;
    loads.MomentLoads = 4000;
    loads.OHMomentLoads = 4000;
    loads.MaxMomentLoads = 0;
    loads.MaxMomentLoadsX = 0;
    loads.R1Loads = -250;
    loads.R2Loads = 1250;
    for (int i = 0; i < beam::StationCount; ++i) {
        loads.StationTable[i][beam::StationRow::Moment] = -250.0f * (16.0f / 200 * i);
    }
    const steel::SizeLoads s = steel::sizeLoads(context(), 50);
    EXPECT_NEAR(s.MaxMoment, 156.24, 0.01);
    EXPECT_EQ(s.OHMoment, 4400);
    EXPECT_NEAR(s.S66, 2.2222, 1e-4);
    EXPECT_NEAR(s.S60, 4400.0 * 12 / 21600, 1e-4);
    EXPECT_EQ(s.R1TL, 125);
    EXPECT_EQ(s.R2TL, 1875);
    const steel::DesignShear v = steel::designShear(context(), s);
    EXPECT_EQ(v.OHShear, 1200);
    EXPECT_EQ(v.V, 1200);
}

// Overhang design shear: a 100 plf partial load from 2 to 5 ft beyond R2 adds 300 lb; V takes R1 when
// neither other value exceeds it, then the backspan side when it is not below OHShear.
TEST_F(SizeLoadsTest, OverhangShearCases)
{
    criteria.OHbutton = true;
    criteria.PAR[3] = "100";
    criteria.BEGP[3] = "2";
    L = 10;
    a = 5;
    end3 = 5;
    const steel::SizeContext x = context();
    steel::SizeLoads s;
    s.SelfWeight = 0;
    s.R1TL = 500;
    s.R2TL = 700;
    steel::DesignShear v = steel::designShear(x, s);
    EXPECT_EQ(v.OHShear, 300);
    EXPECT_EQ(v.V, 500); // 700 - 300 = 400 and 300 are below R1
    s.R2TL = 1000;
    EXPECT_EQ(steel::designShear(x, s).V, 700); // backspan side 700 above R1 500
    s.R1TL = 100;
    s.R2TL = 500;
    EXPECT_EQ(steel::designShear(x, s).V, 300); // OHShear 300 above 200 and 100
}

TEST(SteelBendingCase, UnbracedLengthRule)
{
    using steel::BendingCase;
    struct Case
    {
        Family family;
        float Lb, Lc, Lu;
        BendingCase expected;
    };
    const Case cases[] = {
        {Family::W, 6.9f, 6.9f, 10.8f, BendingCase::Lc},        // Lb = Lc
        {Family::W, 10.8f, 6.9f, 10.8f, BendingCase::Lu},       // Lb = Lu above Lc
        {Family::W, 10.9f, 6.9f, 10.8f, BendingCase::TooLarge}, // beyond both
        {Family::W, 0, 6.9f, 10.8f, BendingCase::Lc},
        {Family::MC, 0, 0, 4.6f, BendingCase::Lu}, // an Lc of 0 never takes 0.66 Fy
        {Family::C, 6, 0, 5.7f, BendingCase::TooLarge},
        {Family::Tube, 40, 0, 0, BendingCase::Lc},
        {Family::Plate, 40, 0, 0, BendingCase::Lc},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(steel::bendingCaseOfCheck(c.family, c.Lb, c.Lc, c.Lu), c.expected) << c.Lb << " " << c.Lc;
    }
}

} // namespace
