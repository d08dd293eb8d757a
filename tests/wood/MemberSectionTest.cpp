// Section, self weight, reactions and moments of the tested member against first principles: S = b d^2
// / 6, A = b d, I = b d^3 / 12 (round: pi D^3 / 32, pi D^2 / 4, pi D^4 / 64), w = area x 0.243 plf per
// square inch, and the statics of each support case.
#include "wood/MemberSection.h"

#include "beam/ShearNearSupports.h"

#include <gtest/gtest.h>

namespace
{

using wood::memberSectionAndLoads;

beam::BeamState member(float b, float d)
{
    beam::BeamState s;
    s.member.BeamBreadth = b;
    s.member.BeamDepth = d;
    return s;
}

// 2x10 Hem Fir on 10 ft: w = 1.5 x 9.25 x 0.243 = 3.371625 plf; R = wL/2 = 16.858 lb; M = wL^2/8 =
// 42.145 ft-lb.
TEST(MemberSection, SimpleSpanSawnMember)
{
    beam::BeamCriteria c;
    c.Span = "10";
    c.UNIF = "100";
    c.LUNIF = "40";
    beam::BeamState s = member(1.5f, 9.25f);
    s.loads.R1Loads = 500;
    s.loads.R2Loads = 500;
    s.loads.MomentLoads = 1250;
    s.loads.TotalAppliedLoad = 1000;
    memberSectionAndLoads(c, false, s);
    const beam::MemberUnderTest& m = s.member;
    EXPECT_NEAR(m.SectionModulus, 21.3906, 1e-4);
    EXPECT_NEAR(m.ShearArea, 13.875, 1e-5);
    EXPECT_NEAR(m.MomentOfInertia, 98.9316, 1e-4);
    EXPECT_NEAR(m.SelfWeight, 3.371625, 1e-5);
    EXPECT_NEAR(m.BeamWeight, 33.71625, 1e-4);
    EXPECT_NEAR(m.R1TL, 516.858, 1e-3);
    EXPECT_NEAR(m.R2TL, 516.858, 1e-3);
    EXPECT_NEAR(m.MaxMoment, 1292.145, 1e-3);
    EXPECT_NEAR(m.TotalBeamLoad, 1033.716, 1e-3);
    EXPECT_FLOAT_EQ(m.UnifTL, 100);
    EXPECT_FLOAT_EQ(m.UnifLL, 40);
    EXPECT_FLOAT_EQ(m.OHLength, 0);

    s.flags.NoSelfWeight = -1;
    memberSectionAndLoads(c, false, s);
    EXPECT_FLOAT_EQ(s.member.SelfWeight, 0);
    EXPECT_FLOAT_EQ(s.member.R1TL, 500);
    EXPECT_FLOAT_EQ(s.member.MaxMoment, 1250);
}

// Round timber of 10 in.: S = pi 1000 / 32 = 98.1748 (0.0981746 as carried), A = 78.54, I = 490.873;
// w = 78.54 x 0.243 = 19.085 plf.
TEST(MemberSection, RoundMember)
{
    beam::BeamCriteria c;
    c.Span = "12";
    beam::BeamState s = member(10, 10);
    memberSectionAndLoads(c, true, s);
    EXPECT_NEAR(s.member.SectionModulus, 98.1746, 1e-3);
    EXPECT_NEAR(s.member.ShearArea, 78.54, 1e-3);
    EXPECT_NEAR(s.member.MomentOfInertia, 490.873, 1e-2);
    EXPECT_NEAR(s.member.SelfWeight, 19.08522, 1e-4);
}

// Equal spans with w = 4 plf, L = 12 ft: two spans 0.375 wL = 18, 1.25 wL = 60, wL^2/8 = 72; three
// spans 0.4 wL = 19.2, 1.1 wL = 52.8, 0.1 wL^2 = 57.6.
TEST(MemberSection, ContinuousSpansAndHipsAndValleys)
{
    beam::BeamCriteria c;
    c.Span = "12";
    c.Multibutton = true;
    c.TwoSpan = true;
    beam::BeamState s = member(1, 4);
    s.loads.SelfWeightFactor = 1;
    s.loads.R1Loads = 100;
    s.loads.R2Loads = 200;
    s.loads.MomentLoads = 300;
    memberSectionAndLoads(c, false, s);
    EXPECT_NEAR(s.member.R1TL, 118, 1e-4);
    EXPECT_NEAR(s.member.R2TL, 260, 1e-4);
    EXPECT_NEAR(s.member.MaxMoment, 372, 1e-4);
    c.TwoSpan = false;
    c.ThreeSpan = true;
    memberSectionAndLoads(c, false, s);
    EXPECT_NEAR(s.member.R1TL, 119.2, 1e-4);
    EXPECT_NEAR(s.member.R2TL, 252.8, 1e-4);
    EXPECT_NEAR(s.member.MaxMoment, 357.6, 1e-4);

    // Hips and valleys: V L / 2 + Inc / 3 + w L / 2 = 600 + 300 + 24; the applied-load reactions are
    // not used.
    beam::BeamCriteria hip;
    hip.Span = "12";
    hip.IncButton = true;
    hip.IncUnifTL = "100";
    s.loads.IncTLTotal = 900;
    memberSectionAndLoads(hip, false, s);
    EXPECT_NEAR(s.member.R1TL, 924, 1e-3);
    EXPECT_NEAR(s.member.R2TL, 1224, 1e-3);
}

TEST(MemberSection, OverhangLengthIsTheFarthestOverhangLoad)
{
    beam::BeamCriteria c;
    c.OHbutton = true;
    EXPECT_FLOAT_EQ(wood::overhangLength(c), 0);
    c.DIS[4] = "3";
    c.ENDP[3] = "3";
    EXPECT_FLOAT_EQ(wood::overhangLength(c), 3);
    c.ENDP[4] = "4.5";
    EXPECT_FLOAT_EQ(wood::overhangLength(c), 4.5f);
    c.OHbutton = false;
    EXPECT_FLOAT_EQ(wood::overhangLength(c), 0);
}

// Backspan 10 ft, overhang 4 ft, 10 lb at the tip: R1 = -10 x 4 / 10 = -4 lb, M(x) = -4 x on the
// backspan. With w = 3.371625 plf the self weight adds w x (L^2 - a^2) / (2L) - w x^2 / 2, so
// M(x) = 10.16083 x - 1.685813 x^2, largest at the station x = 3.00 ft: 15.3102 ft-lb. Adding w x^2 / 2
// at the applied loads' peak (x = 0) gave 0. The overhang moment is w a^2 / 2 + 40 = 66.973 ft-lb.
TEST(MemberSection, OverhangSpanMomentCarriesTheBackspanSelfWeight)
{
    beam::BeamCriteria c;
    c.OHbutton = true;
    c.Span = "10";
    c.PT[4] = "10";
    c.DIS[4] = "4";
    beam::BeamState s = member(1.5f, 9.25f);
    s.loads.R1Loads = -4;
    s.loads.R2Loads = 14;
    s.loads.OHMomentLoads = 40;
    for (int i = 0; i < beam::StationCount; ++i) {
        const float x = 10.0f / 200 * static_cast<float>(i);
        s.loads.StationTable[static_cast<std::size_t>(i)][beam::StationRow::X] = x;
        s.loads.StationTable[static_cast<std::size_t>(i)][beam::StationRow::Moment] = -4 * x;
    }
    memberSectionAndLoads(c, false, s);
    EXPECT_FLOAT_EQ(s.member.OHLength, 4);
    EXPECT_NEAR(s.member.MaxMoment, 15.3102, 1e-3);
    EXPECT_NEAR(s.member.OHMoment, 66.973, 1e-3);
    // R1 = -4 + w (100 - 16) / 20 = 10.161; R2 = 14 + w 196 / 20 = 47.042.
    EXPECT_NEAR(s.member.R1TL, 10.1608, 1e-3);
    EXPECT_NEAR(s.member.R2TL, 47.0419, 1e-3);
}

// The overhang partial loads K and L count on the overhang over their loaded length only: 100 plf
// from 1 to 3 ft is 200 lb, not 300 lb.
TEST(MemberSection, OverhangPartialLoadsKeepWhereTheyBegin)
{
    beam::BeamCriteria c;
    c.OHbutton = true;
    c.Span = "10";
    c.PAR[3] = "100";
    c.BEGP[3] = "1";
    c.ENDP[3] = "3";
    beam::BeamState s = member(1.5f, 9.25f);
    s.flags.NoSelfWeight = -1;
    memberSectionAndLoads(c, false, s);
    EXPECT_FLOAT_EQ(s.member.PartialLoadBegin[3], 1);
    EXPECT_FLOAT_EQ(s.member.PartialLoadEnd[3], 3);
    EXPECT_NEAR(beam::overhangLoadTotal(c, s.member, 0, s.member.OHLength), 200, 1e-6);
}

} // namespace
