// Size, wet service, incising and volume factors and the adjusted bending value, by member kind and
// edition. Expected values come from NDS Supplement Tables 4A, 4B, 4D and 5A (size and wet service
// factors) and from the NDS formulas for CV and Fb' worked by hand.
#include "wood/AdjustedValues.h"
#include "wood/ServiceFactors.h"
#include "wood/SizeFactors.h"

#include <gtest/gtest.h>
#include <string>

namespace
{

using namespace wood;

SizeFactorInput sawn(const char* cls, float b, float d, const char* depth, const char* species = "HF #2")
{
    SizeFactorInput in;
    in.BreadthClass = cls;
    in.BeamBreadth = b;
    in.BeamDepth = d;
    in.depth = depth;
    in.species = species;
    return in;
}

TEST(SizeFactors, ByClassGroupAndEdition)
{
    struct Case
    {
        const char* name;
        SizeFactorInput in;
        float CF;
        float CFSmaller;
        float E; // 0: E is not replaced
    };
    auto pine = [](SizeFactorInput in, bool newer) {
        in.southernPine = true;
        in.newerEdition = newer;
        return in;
    };
    auto custom = [](SizeFactorInput in) {
        in.customValues = true;
        in.machineOrPineValues = true;
        return in;
    };
    auto customTimber = [](SizeFactorInput in) {
        in.customValues = true;
        in.Wid6x = true;
        return in;
    };
    const Case cases[] = {
        {"HF 2x10 (Table 4A)", sawn("2x", 1.5f, 9.25f, "10"), 1.1f, 1.2f, 0},
        {"2x4 has no smaller row", sawn("2x", 1.5f, 3.5f, "4"), 1.5f, 1.5f, 0},
        {"4x16", sawn("4x", 3.5f, 15.25f, "16"), 1.0f, 1.0f, 0},
        {"4x4", sawn("4x", 3.5f, 3.5f, "4"), 1.5f, 1.5f, 0},
        {"SP #2 2x12 NDS 2018", pine(sawn("2x", 1.5f, 11.25f, "12", "So. Pine #2"), true), 0.7692f, 0.8205f,
         1.4f},
        {"SP #2 2x12 NDS 2005", pine(sawn("2x", 1.5f, 11.25f, "12", "So. Pine #2"), false), 1.0f, 1.07692f,
         0},
        {"SP #1 2x8 NDS 2015", pine(sawn("2x", 1.5f, 7.25f, "8", "So. Pine #1"), true), 1.0f, 1.08f, 1.6f},
        {"SP #1 2x14 NDS 2012", pine(sawn("2x", 1.5f, 13.25f, "14", "So. Pine #1"), true), 0.72f, 0.8f, 1.6f},
        {"Mixed SP #2 4x8 NDS 2012", pine(sawn("4x", 3.5f, 7.25f, "8", "Mixed So. Pine #2"), true), 1.1627f,
         1.1428f, 0},
        {"Mixed SP #2 4x8 NDS 1997", pine(sawn("4x", 3.5f, 7.25f, "8", "Mixed So. Pine #2"), false), 1.32f,
         1.31428f, 0},
        {"Mixed SP #2 4x16 NDS 2018", pine(sawn("4x", 3.5f, 15.25f, "16", "Mixed So. Pine #2"), true),
         0.77143f, 0.77143f, 0},
        {"custom MSR 2x10", custom(sawn("2x", 1.5f, 9.25f, "10")), 1.0f, 1.0f, 0},
        {"8x16 (Table 4D, nominal depth)", sawn("6x", 7.5f, 15.5f, "16"), 0.968f, 0.983f, 0},
        {"8x10", sawn("6x", 7.5f, 9.5f, "10"), 1.0f, 1.0f, 0},
        {"14x14", sawn("6x", 13.5f, 13.5f, "14"), 0.983f, 0.983f, 0},
        {"14x16", sawn("6x", 13.5f, 15.5f, "16"), 0.968f, 0.983f, 0},
        {"6x12", sawn("6x", 5.5f, 11.5f, "12"), 1.0f, 1.0f, 0},
        {"custom timber 13.5 in.", customTimber(sawn("6x", 6.5f, 13.5f, "14")), 0.98699f, 0.98699f, 0},
        {"glu-lam", sawn("GLB", 5.125f, 12.0f, "12", "GLB 24F-V4 DF/DF"), 1.0f, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SizeFactorResult r = sizeFactors(c.in);
        ASSERT_TRUE(r.CF.has_value());
        EXPECT_FLOAT_EQ(*r.CF, c.CF);
        if (c.CFSmaller != 0) {
            ASSERT_TRUE(r.CFSmaller.has_value());
            EXPECT_FLOAT_EQ(*r.CFSmaller, c.CFSmaller);
        } else {
            EXPECT_FALSE(r.CFSmaller.has_value());
        }
        if (c.E != 0) {
            ASSERT_TRUE(r.E.has_value());
            EXPECT_FLOAT_EQ(*r.E, c.E);
        } else {
            EXPECT_FALSE(r.E.has_value());
        }
    }
}

// A round timber takes the factor of the square of equal area: s = sqrt(0.7854 x 20^2) = 17.7246 in.,
// (12 / 17.7246)^(1/9) = 0.95760.
TEST(SizeFactors, RoundTimberIsTheSquareOfEqualArea)
{
    for (float d : {12.0f, 13.5f}) {
        SizeFactorInput in = sawn("6x", d, d, "Round");
        in.Roundoption = true;
        EXPECT_FLOAT_EQ(*sizeFactors(in).CF, 1.0f);
    }
    SizeFactorInput in = sawn("6x", 20, 20, "Round");
    in.Roundoption = true;
    const SizeFactorResult r = sizeFactors(in);
    EXPECT_NEAR(*r.CF, 0.9576, 5e-5);
    EXPECT_FALSE(r.CFSmaller.has_value());
}

TEST(SizeFactors, NoFactorForATimberBreadthByFourOrAnUnnamedPineGrade)
{
    EXPECT_FALSE(sizeFactors(sawn("6x", 5.5f, 3.5f, "4")).CF.has_value());
    SizeFactorInput kiln = sawn("2x", 1.5f, 9.25f, "10", "So. Pine #2 KD 15%");
    kiln.southernPine = true;
    EXPECT_FALSE(sizeFactors(kiln).CF.has_value());
}

// Wet service factors: Table 4A (dimension lumber 0.85, 0.97, 0.67, 0.9, with CM for Fb 1.0 while
// Fb x CF <= 1150 psi), Table 4D (timbers 1.0, 1.0, 0.67, 1.0), Table 4B (Southern Pine timbers keep
// every value) and Table 5A (glu-lam 0.8, 0.875, 0.53, 0.833).
TEST(ServiceFactors, WetServiceOnBothSidesOfTheBendingException)
{
    struct Case
    {
        const char* name;
        const char* cls;
        float Fb, CF;
        bool wet, pine;
        float CmFb, CmFv, CmFcPerp, CmE;
    };
    const Case cases[] = {
        {"dry 2x", "2x", 1000, 1.5f, false, false, 1, 1, 1, 1},
        {"dry glu-lam", "GLB", 2400, 1, false, false, 1, 1, 1, 1},
        {"wet 2x10 962.5 psi", "2x", 875, 1.1f, true, false, 1.0f, 0.97f, 0.67f, 0.9f},
        {"wet 2x4 1350 psi", "2x", 900, 1.5f, true, false, 0.85f, 0.97f, 0.67f, 0.9f},
        {"wet 2x12 exactly 1150 psi", "2x", 1150, 1.0f, true, false, 1.0f, 0.97f, 0.67f, 0.9f},
        {"wet 4x 1150.1 psi", "4x", 1150.1f, 1.0f, true, false, 0.85f, 0.97f, 0.67f, 0.9f},
        {"wet timber", "6x", 1350, 1, true, false, 1, 1, 0.67f, 1},
        {"wet Southern Pine timber", "6x", 1350, 1, true, true, 1, 1, 1, 1},
        {"wet glu-lam", "GLB", 1000, 1, true, false, 0.8f, 0.875f, 0.53f, 0.833f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ServiceFactorInput in;
        in.BreadthClass = c.cls;
        in.Fb = c.Fb;
        in.CF = c.CF;
        in.wet = c.wet;
        in.southernPine = c.pine;
        const ServiceFactors f = serviceFactors(in);
        EXPECT_FLOAT_EQ(f.CmFb, c.CmFb);
        EXPECT_FLOAT_EQ(f.CmFv, c.CmFv);
        EXPECT_FLOAT_EQ(f.CmFcPerp, c.CmFcPerp);
        EXPECT_FLOAT_EQ(f.CmE, c.CmE);
    }
}

// Incising factors, NDS Table 4.3.8: 0.80, 0.95, 0.80 (Fb, E, Fv); the NDS 1997 set as that edition had it.
TEST(ServiceFactors, IncisingByEdition)
{
    struct Case
    {
        const char* cls;
        bool nds1997;
        float CiFb, CiE, CiFv;
    };
    const Case cases[] = {{"2x", true, 0.85f, 0.95f, 1.0f},
                          {"2x", false, 0.8f, 0.95f, 0.8f},
                          {"6x", false, 0.8f, 0.95f, 0.8f},
                          {"GLB", false, 1, 1, 1}};
    for (const Case& c : cases) {
        ServiceFactorInput in;
        in.BreadthClass = c.cls;
        in.incised = true;
        in.nds1997 = c.nds1997;
        const ServiceFactors f = serviceFactors(in);
        EXPECT_FLOAT_EQ(f.CiFb, c.CiFb) << c.cls;
        EXPECT_FLOAT_EQ(f.CiE, c.CiE) << c.cls;
        EXPECT_FLOAT_EQ(f.CiFv, c.CiFv) << c.cls;
    }
}

// CV = (21/L)^(1/x) (12/d)^(1/x) (5.125/b)^(1/x) KL: 5-1/8 x 12 on 30 ft: 0.7^0.1 = 0.96496; 5-1/8 x 24
// on 24 ft: (21/24 x 12/24)^0.1 = 0.4375^0.1 = 0.92066 (x = 10) and 0.95951 (x = 20).
TEST(VolumeFactor, MatchesTheNdsFormula)
{
    EXPECT_NEAR(volumeFactor(21, 12, 5.125, 10, 1.0), 1.0, 1e-6);
    EXPECT_NEAR(volumeFactor(30, 12, 5.125, 10, 1.0), 0.96496, 1e-5);
    EXPECT_NEAR(volumeFactor(24, 24, 5.125, 10, 1.0), 0.92066, 1e-5);
    EXPECT_NEAR(volumeFactor(24, 24, 5.125, 20, 1.0), 0.95951, 1e-5);
    // NDS 1997 midspan load: KL 1.09 on 20 ft: 1.05^0.1 x 1.09 = 1.09533 before the limit.
    EXPECT_NEAR(volumeFactor(20, 12, 5.125, 10, 1.09), 1.09533, 1e-5);
}

beam::BeamState gluLamOn(float spanFt)
{
    beam::BeamState s;
    s.member.SpanLength = spanFt;
    s.member.BreadthClass = "GLB";
    s.member.BeamBreadth = 5.125f;
    s.member.BeamDepth = 12;
    return s;
}

TEST(VolumeFactor, LoadingConditionFactorUnderNds1997Only)
{
    beam::BeamCriteria c;
    c.NDS1997 = -1;
    // One point load at midspan of 20 ft (10 ft lies within 9 and 11 ft).
    beam::BeamState mid = gluLamOn(20);
    mid.loads.PTTotal = 1000;
    mid.member.PointLoadDist[0] = 10;
    EXPECT_DOUBLE_EQ(loadingConditionFactor(c, mid), 1.09);
    // Two equal loads at 7 and 14 ft of 21 ft (within 6.3-8.4 and 12.6-14.7 ft).
    beam::BeamState thirds = gluLamOn(21);
    thirds.loads.PTTotal = 2000;
    thirds.member.PointLoadDist[0] = 7;
    thirds.member.PointLoadDist[1] = 14;
    c.PT[0] = "1000";
    c.PT[1] = "1000";
    EXPECT_DOUBLE_EQ(loadingConditionFactor(c, thirds), 0.96);
    c.PT[1] = "900";
    EXPECT_DOUBLE_EQ(loadingConditionFactor(c, thirds), 1.0);
    c.PT[1] = "1000";
    thirds.member.UnifTL = 10; // any uniform load: 1.0
    EXPECT_DOUBLE_EQ(loadingConditionFactor(c, thirds), 1.0);
    thirds.member.UnifTL = 0;
    c.NDS1997 = 0;
    c.NDS2018 = -1;
    EXPECT_DOUBLE_EQ(loadingConditionFactor(c, thirds), 1.0);
    c.NDS1997 = -1;
    c.OHbutton = true;
    EXPECT_DOUBLE_EQ(loadingConditionFactor(c, mid), 1.0);
}

TEST(VolumeFactor, LimitedToOneWhileTheSmallerDepthsIsNot)
{
    beam::BeamCriteria c;
    c.NDS1997 = -1;
    beam::BeamState s = gluLamOn(20);
    s.loads.PTTotal = 1000;
    s.member.PointLoadDist[0] = 10;
    s.member.NextSmallerDepth = 10.5f;
    s.member.Fb = 2400;
    adjustDesignValues(c, false, s);
    EXPECT_FLOAT_EQ(s.member.CV, 1.0f);
    EXPECT_EQ(s.member.CVGoverns, -1);
    // (21/20 x 12/10.5)^0.1 x 1.09 = 1.10998
    EXPECT_NEAR(s.member.CFSmaller, 1.10998, 1e-4);
    // On an overhanging beam the volume factor's length is NegMomentX, here 18 ft of a 30 ft span.
    beam::BeamCriteria oh;
    oh.OHbutton = true;
    beam::BeamState o = gluLamOn(30);
    o.loads.NegMomentX = 18;
    o.member.BeamDepth = 24;
    adjustDesignValues(oh, false, o);
    // (21/18 x 12/24)^0.1 = 0.58333^0.1 = 0.94753
    EXPECT_NEAR(o.member.CV, 0.94753, 1e-5);
}

// How Fb' is formed: sawn members Fb Cr Cd CM Ci CF CL (times the form factor); glu-lam the lesser of
// CL and CV, never both.
TEST(AdjustedBending, ByKindOfMember)
{
    beam::StabilityResults braced;
    setNeutralStability(braced);

    beam::MemberUnderTest sawnMember;
    sawnMember.Fb = 850;
    sawnMember.Cr = 1.15f;
    sawnMember.Cd = 1.25f;
    sawnMember.CF = 1.1f;
    // 850 x 1.15 x 1.25 x 1.1 = 1344.06
    EXPECT_NEAR(adjustedBendingValue(sawnMember, braced), 1344.0625, 0.01);

    beam::MemberUnderTest round = sawnMember;
    round.Cr = 1;
    round.Cd = 1;
    round.CF = 1;
    round.FormFactor = 1.18;
    EXPECT_NEAR(adjustedBendingValue(round, braced), 850 * 1.18, 0.01);

    beam::MemberUnderTest gluLam;
    gluLam.Fb = 2400;
    gluLam.CVGoverns = -1;
    gluLam.CV = 0.95f;
    gluLam.CiFb = 1;
    beam::StabilityResults s = braced;
    s.SpanCL = 0.98f;
    EXPECT_NEAR(adjustedBendingValue(gluLam, s), 2400 * 0.95, 0.01);
    s.SpanCL = 0.90f;
    EXPECT_NEAR(adjustedBendingValue(gluLam, s), 2400 * 0.90, 0.01);
    s.CantCL = 0.85f; // the smaller of the two CLs
    EXPECT_NEAR(adjustedBendingValue(gluLam, s), 2400 * 0.85, 0.01);
}

TEST(AdjustedBending, ZeroFactorProductStopsTheTest)
{
    beam::StabilityResults braced;
    setNeutralStability(braced);
    beam::MemberUnderTest m;
    m.Fb = 850;
    EXPECT_FALSE(zeroFactorProduct(m, braced));
    m.Fb = 0;
    EXPECT_TRUE(zeroFactorProduct(m, braced));
    m.Fb = 850;
    m.CF = 0;
    EXPECT_TRUE(zeroFactorProduct(m, braced));
}

TEST(Stability, SkippedForContinuousBracedAndSquareMembers)
{
    beam::MemberUnderTest m;
    m.BeamBreadth = 1.5f;
    m.BeamDepth = 9.25f;
    beam::BeamCriteria c;
    c.UBLtext = "8";
    EXPECT_FALSE(stabilitySkipped(c, m));
    c.Multibutton = true;
    EXPECT_TRUE(stabilitySkipped(c, m));
    c.Multibutton = false;
    c.UBLtext = "";
    c.CantUBLtext = "0";
    EXPECT_TRUE(stabilitySkipped(c, m));
    c.CantUBLtext = "3";
    EXPECT_FALSE(stabilitySkipped(c, m));
    m.BeamDepth = 1.5f;
    EXPECT_TRUE(stabilitySkipped(c, m));
}

} // namespace
