// Beam stability factor CL by edition. The member is a 1.5 x 11.25 in. section, E' = 1.6 million psi,
// Fb* = 1000 psi, unbraced 10 ft under a uniform load: lu/d = 10.67 (class II), Le = 1.63 x 120 + 3 x 11.25
// = 229.35 in, RB^2 = d Le / b^2 = 1146.75. Expected CLs are the NDS beam stability equation
// CL = (1 + F)/1.9 - sqrt(((1 + F)/1.9)^2 - F/0.95), F = FbE/Fb*, worked by hand for each FbE below.
#include "FakeBeamUi.h"
#include "beam/CalcStability.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace beam
{
namespace
{

struct Member
{
    BeamCriteria criteria;
    BeamState state;

    Member()
    {
        criteria.Span = "20";
        criteria.UBLtext = "10";
        criteria.UNIF = "100";
        MemberUnderTest& m = state.member;
        m.BeamBreadth = 1.5f;
        m.BeamDepth = 11.25f;
        m.EAdj = 1.6f;
        m.FbStar = 1000;
        m.BreadthClass = "2x";
    }
};

TEST(EffectiveLength, FollowsSlendernessAndLoadClass)
{
    EXPECT_EQ(slendernessClass(7), SlendernessClass::I);
    EXPECT_EQ(slendernessClass(7.0001), SlendernessClass::II);
    EXPECT_EQ(slendernessClass(14.3f), SlendernessClass::II);
    EXPECT_EQ(slendernessClass(14.31), SlendernessClass::III);

    struct Case
    {
        SlendernessClass slenderness;
        double uniformOnly, other; // main span, lu = 100, d = 10
        double overhangUniform, overhangEnd, overhangOther;
    };
    const Case cases[] = {
        {SlendernessClass::I, 206, 206, 133, 187, 206},
        {SlendernessClass::II, 193, 193, 120, 174, 193},
        {SlendernessClass::III, 193, 184, 120, 174, 184},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(spanEffectiveLength(SpanLoadClass::UniformOnly, c.slenderness, 100, 10),
                         c.uniformOnly);
        EXPECT_DOUBLE_EQ(spanEffectiveLength(SpanLoadClass::Other, c.slenderness, 100, 10), c.other);
        EXPECT_DOUBLE_EQ(overhangEffectiveLength(OverhangLoadClass::Uniform, c.slenderness, 100, 10),
                         c.overhangUniform);
        EXPECT_DOUBLE_EQ(overhangEffectiveLength(OverhangLoadClass::EndLoad, c.slenderness, 100, 10),
                         c.overhangEnd);
        EXPECT_DOUBLE_EQ(overhangEffectiveLength(OverhangLoadClass::Other, c.slenderness, 100, 10),
                         c.overhangOther);
    }
}

TEST(LoadClass, DependsOnTheLoadsOnSpanAndOverhang)
{
    BeamCriteria criteria;
    criteria.UNIF = "100";
    EXPECT_EQ(spanLoadClass(criteria), SpanLoadClass::UniformOnly);
    criteria.PT[5] = "1";
    EXPECT_EQ(spanLoadClass(criteria), SpanLoadClass::Other);
    criteria = BeamCriteria{};
    EXPECT_EQ(spanLoadClass(criteria), SpanLoadClass::Other); // no load at all is not uniform

    struct Case
    {
        const char* name;
        std::function<void(BeamCriteria&)> loads;
        OverhangLoadClass expected;
    };
    const Case cases[] = {
        {"K alone", [](BeamCriteria& c) { c.PAR[3] = "50"; }, OverhangLoadClass::Uniform},
        {"K and L to the tip, same end text",
         [](BeamCriteria& c) {
             c.PAR[3] = "50";
             c.PAR[4] = "20";
             c.ENDP[3] = "8";
             c.ENDP[4] = "8";
         },
         OverhangLoadClass::Uniform},
        {"K and L, end texts 8 and 8.0",
         [](BeamCriteria& c) {
             c.PAR[3] = "50";
             c.PAR[4] = "20";
             c.ENDP[3] = "8";
             c.ENDP[4] = "8.0";
         },
         OverhangLoadClass::Other},
        {"F alone", [](BeamCriteria& c) { c.PT[4] = "500"; }, OverhangLoadClass::EndLoad},
        {"F and G at the same distance text",
         [](BeamCriteria& c) {
             c.PT[4] = "500";
             c.PT[5] = "200";
             c.DIS[4] = "6";
             c.DIS[5] = "6";
         },
         OverhangLoadClass::EndLoad},
        {"F and K",
         [](BeamCriteria& c) {
             c.PT[4] = "500";
             c.PAR[3] = "50";
         },
         OverhangLoadClass::Other},
        {"only the uniform load A", [](BeamCriteria& c) { c.UNIF = "100"; }, OverhangLoadClass::Other},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BeamCriteria overhang;
        c.loads(overhang);
        EXPECT_EQ(overhangLoadClass(overhang, 8.0f), c.expected);
    }
}

TEST(CalcStability, BucklingValueFollowsTheEdition)
{
    struct Case
    {
        const char* name;
        std::function<void(Member&)> setup;
        float KbE;
        double CL;
    };
    // FbE by the KbE rule: KbE E' / RB^2; by the Emin rule: 1.2 k E' / RB^2 with k = Emin / E'.
    const Case cases[] = {
        // 0.439 x 1.6e6 / 1146.75 = 612.51 psi.
        {"no edition flag: 2001", [](Member&) {}, 0.439f, 0.5738717},
        {"1997", [](Member& m) { m.criteria.NDS1997 = -1; }, 0.439f, 0.5738717},
        {"2001", [](Member& m) { m.criteria.NDS2001 = -1; }, 0.439f, 0.5738717},
        // 1.2 x 0.3653 x 1.6e6 / 1146.75 = 611.62 psi.
        {"2005 sawn", [](Member& m) { m.criteria.NDS2005 = -1; }, 0.439f, 0.5731426},
        {"2018 sawn", [](Member& m) { m.criteria.NDS2018 = -1; }, 0.439f, 0.5731426},
        // Glu-lam: 0.61 x 1.6e6 / 1146.75 = 851.10 psi, and 1.2 x 0.5285 x ... = 884.87 psi.
        {"2001 glu-lam", [](Member& m) { m.state.member.BreadthClass = "GLB"; }, 0.61f, 0.7434089},
        {"2018 glu-lam",
         [](Member& m) {
             m.criteria.NDS2018 = -1;
             m.state.member.BreadthClass = "GLB";
         },
         0.61f, 0.7624807},
        // MSR lumber, COV 0.11: 1.2 x 0.5082 x ... = 850.88 psi; MEL, COV 0.15: 0.4674 gives 782.57 psi.
        {"2012 MSR",
         [](Member& m) {
             m.criteria.NDS2012 = -1;
             m.state.flags.MSRFlag = -1;
         },
         0.439f, 0.7432782},
        {"2015 MEL",
         [](Member& m) {
             m.criteria.NDS2015 = -1;
             m.state.flags.MELFlag = -1;
         },
         0.439f, 0.7005971},
        // The flags mean nothing under the KbE rule.
        {"2001 MSR", [](Member& m) { m.state.flags.MSRFlag = -1; }, 0.439f, 0.5738717},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Member member;
        c.setup(member);
        test::FakeBeamUi ui;
        CalcStability(member.criteria, member.state, ui);
        const StabilityResults& s = member.state.stability;
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_FLOAT_EQ(s.SpanLu, 120);
        EXPECT_FLOAT_EQ(s.SpanLe, 229.35f);
        EXPECT_NEAR(s.SpanRB, std::sqrt(11.25 * 229.35 / 2.25), 1e-5);
        EXPECT_EQ(s.SpanRBOver50, 0);
        EXPECT_EQ(s.SpanKbE, c.KbE);
        EXPECT_NEAR(s.SpanCL, c.CL, 2e-7);
        EXPECT_EQ(s.CantCL, 1);
    }
}

// With no edition flag the program works to NDS 2001, overhang included: the cantilever gets its
// factor by the KbE rule, without any message.
TEST(CalcStability, OverhangWithoutEditionFlagUsesTheKbERule)
{
    Member member;
    member.criteria.OHbutton = true;
    member.criteria.CantUBLtext = "4";
    member.criteria.PT[4] = "500"; // F alone: end load
    member.criteria.DIS[4] = "4";
    member.state.member.OHLength = 4;
    test::FakeBeamUi ui;
    CalcStability(member.criteria, member.state, ui);
    const StabilityResults& s = member.state.stability;
    EXPECT_TRUE(ui.messages.empty());
    // lu/d = 48 / 11.25 = 4.27 (class I): Le = 1.87 x 48 = 89.76; FbE = 0.439 x 1.6e6 / (5 x 89.76).
    EXPECT_FLOAT_EQ(s.CantLu, 48);
    EXPECT_FLOAT_EQ(s.CantLe, 89.76f);
    EXPECT_EQ(s.CantKbE, 0.439f);
    EXPECT_NEAR(s.CantCL, 0.9315181, 2e-7);
    // The point load makes the span's load class "other", which in class II gives the same Le.
    EXPECT_NEAR(s.SpanCL, 0.5738717, 2e-7);
}

TEST(CalcStability, OverhangUnbracedLengthWithoutOverhangIsReportedOnly)
{
    Member member;
    member.criteria.UBLtext = "0";
    member.criteria.CantUBLtext = "4";
    test::FakeBeamUi ui;
    CalcStability(member.criteria, member.state, ui);
    const StabilityResults& s = member.state.stability;
    EXPECT_EQ(s.SpanLu, 0); // the main span keeps its reset values
    EXPECT_EQ(s.SpanCL, 1);
    EXPECT_FLOAT_EQ(s.CantLu, 48);
    EXPECT_FLOAT_EQ(s.CantLe, 2.06f * 48); // only the uniform load A: "other" class
    EXPECT_GT(s.CantRB, 0);
    EXPECT_EQ(s.CantCL, 1);
}

TEST(CalcStability, NoUnbracedLengthResetsEverything)
{
    Member member;
    member.criteria.UBLtext = "";
    member.state.stability.SpanCL = 0.5f;
    member.state.stability.SpanLe = 9;
    member.state.stability.CantRBOver50 = -1;
    test::FakeBeamUi ui;
    CalcStability(member.criteria, member.state, ui);
    const StabilityResults& s = member.state.stability;
    EXPECT_EQ(s.SpanCL, 1);
    EXPECT_EQ(s.CantCL, 1);
    EXPECT_EQ(s.SpanLe, 0);
    EXPECT_EQ(s.SpanKbE, 0);
    EXPECT_EQ(s.CantRBOver50, 0);
}

TEST(CalcStability, SlenderBeamIsFlaggedAbove50)
{
    // 40 ft unbraced: lu/d = 42.7, uniform only, Le = 1.63 x 480 + 33.75 = 816.15; RB = sqrt(5 x 816.15)
    // = 63.9.
    Member member;
    member.criteria.Span = "40";
    member.criteria.UBLtext = "40";
    test::FakeBeamUi ui;
    CalcStability(member.criteria, member.state, ui);
    EXPECT_NEAR(member.state.stability.SpanRB, std::sqrt(5 * 816.15), 1e-3);
    EXPECT_EQ(member.state.stability.SpanRBOver50, -1);
}

TEST(CalcStability, FailureShowsItsMessage)
{
    Member member;
    member.state.member.BeamDepth = 0;
    test::FakeBeamUi ui;
    CalcStability(member.criteria, member.state, ui);
    EXPECT_EQ(ui.texts(), std::vector<std::string>{"Error at Stability check module Bas 9"});
    EXPECT_EQ(member.state.stability.SpanCL, 1);
}

TEST(CalcStabilitySmaller, UsesTheSmallerDepthAndItsOwnFbStar)
{
    // d = 9.25: lu/d = 12.97 (class II), Le = 195.6 + 27.75 = 223.35, RB^2 = 9.25 x 223.35 / 2.25;
    // FbE = 0.439 x 1.6e6 / RB^2 = 764.96 psi against Fb* = 1100 psi.
    Member member;
    member.state.member.NextSmallerDepth = 9.25f;
    member.state.smaller.FbAdjSmaller = 1100;
    test::FakeBeamUi ui;
    CalcStabilitySmaller(member.criteria, member.state, ui);
    EXPECT_NEAR(member.state.smaller.SmallerSpanCL, 0.6388988, 2e-7);
    EXPECT_EQ(member.state.smaller.SmallerCantCL, 1);
    EXPECT_EQ(member.state.stability.SpanCL, 1); // the tested size's results are untouched
}

} // namespace
} // namespace beam
