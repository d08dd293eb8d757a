// Required section modulus and shear (CalcMomentShearReduction). The reduced shear takes off the loads
// within one member depth d of a support; every case uses d = 12 in (1 ft) so the removed parts are
// easy to follow by hand.
#include "FakeBeamUi.h"
#include "beam/CalcMomentShearReduction.h"

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
        criteria.Span = "10";
        MemberUnderTest& m = state.member;
        m.SpanLength = 10;
        m.BeamDepth = 12;
        m.ShearArea = 36;
        m.FvAdj = 180;
        m.FbAdj = 1200;
    }

    const ShearResults& run(test::FakeBeamUi& ui)
    {
        CalcMomentShearReduction(criteria, state, ui);
        return state.shear;
    }
};

TEST(SectionModulusReq, IsTheGoverningMomentOverFbAdj)
{
    Member simple;
    simple.state.member.MaxMoment = 2500;
    simple.state.member.OHMoment = 4000; // ignored without an overhang
    test::FakeBeamUi ui;
    EXPECT_FLOAT_EQ(simple.run(ui).SectionModulusReq, 2500 * 12 / 1200.0f);

    Member overhang;
    overhang.criteria.OHbutton = true;
    overhang.state.member.MaxMoment = 2500;
    overhang.state.member.OHMoment = 4000;
    EXPECT_FLOAT_EQ(overhang.run(ui).SectionModulusReq, 40);
}

TEST(ShearReduction, TakesOffTheLoadsNearTheSupports)
{
    struct Case
    {
        const char* name;
        std::function<void(Member&)> setup;
        double V, VReduced;
    };
    const Case cases[] = {
        // Uniform 100 plf: V' = 500 - 100 x 1 ft.
        {"uniform",
         [](Member& m) {
             m.criteria.UNIF = "100";
             m.state.member.R1TL = 500;
             m.state.member.R2TL = 500;
         },
         500, 400},
        // 1000 lb at 0.5 ft: after 1997 the part P (d - x) / d = 500 lb goes straight to R1.
        {"point load near R1",
         [](Member& m) {
             m.criteria.PT[0] = "1000";
             m.criteria.DIS[0] = "0.5";
             m.state.member.R1TL = 950;
             m.state.member.R2TL = 50;
         },
         950, 450},
        // Under NDS 1997 the whole load within d comes off: V1' = -50, so V2' = 50 governs.
        {"point load near R1 under 1997",
         [](Member& m) {
             m.criteria.NDS1997 = -1;
             m.criteria.PT[0] = "1000";
             m.criteria.DIS[0] = "0.5";
             m.state.member.R1TL = 950;
             m.state.member.R2TL = 50;
         },
         950, 50},
        // A load exactly at d is not taken off under 1997.
        {"point load at d under 1997",
         [](Member& m) {
             m.criteria.NDS1997 = -1;
             m.criteria.PT[0] = "1000";
             m.criteria.DIS[0] = "1";
             m.state.member.R1TL = 900;
             m.state.member.R2TL = 100;
         },
         900, 900},
        // 1000 lb at 9.75 ft: (d - (L - x)) / d = 0.75 of it at R2.
        {"point load near R2",
         [](Member& m) {
             m.criteria.PT[2] = "1000";
             m.criteria.DIS[2] = "9.75";
             m.state.member.R1TL = 25;
             m.state.member.R2TL = 975;
         },
         975, 225},
        // 200 plf from 0.5 to 2 ft: 0.5 ft of it lies within d of R1 (100 lb); R1 = 300 x 8.75 / 10.
        {"partial load across d",
         [](Member& m) {
             m.criteria.PAR[0] = "200";
             m.criteria.BEGP[0] = "0.5";
             m.criteria.ENDP[0] = "2";
             m.state.member.R1TL = 262.5;
             m.state.member.R2TL = 37.5;
         },
         262.5, 162.5},
        // Two equal spans: half the interior reaction, less (w + UNIF) d.
        {"two equal spans",
         [](Member& m) {
             m.criteria.Multibutton = true;
             m.criteria.UNIF = "100";
             m.criteria.PT[0] = "5000"; // point loads have no place here
             m.criteria.DIS[0] = "0.5";
             m.state.member.SelfWeight = 10;
             m.state.member.R1TL = 412.5;
             m.state.member.R2TL = 1375;
         },
         687.5, 577.5},
        // Three equal spans: 0.6 (w + UNIF) L at the first interior support.
        {"three equal spans",
         [](Member& m) {
             m.criteria.Multibutton = true;
             m.criteria.TwoSpan = false;
             m.criteria.ThreeSpan = true;
             m.criteria.UNIF = "100";
             m.state.member.SelfWeight = 10;
         },
         660, 550},
        // Hip: of W = 900 lb growing towards R2, W (1 - ((L - d) / L)^2) = 900 x 23/144 = 143.75 lb lies
        // within d of R2; with the uniform 30 plf over d, V' = 900 - 143.75 - 30.
        {"hip or valley",
         [](Member& m) {
             m.criteria.IncButton = true;
             m.criteria.IncUnifTL = "30";
             m.state.member.SpanLength = 12;
             m.state.loads.IncTLTotal = 900;
             m.state.member.R1TL = 480;
             m.state.member.R2TL = 900;
         },
         900, 726.25},
        // Overhang: W_OH = 500 + 100 x 3 + 10 x 4 = 840 lb; the backspan side of R2 carries
        // 1300 - 840 = 460 lb; the overhang side governs V, and V3' = 840 - 10 x 1 - 500 x 0.5.
        {"overhang",
         [](Member& m) {
             m.criteria.OHbutton = true;
             m.criteria.PT[4] = "500";
             m.criteria.DIS[4] = "0.5";
             m.criteria.PAR[3] = "100";
             m.criteria.BEGP[3] = "1";
             m.criteria.ENDP[3] = "4";
             m.state.member.PartialLoadBegin[3] = 1;
             m.state.member.PartialLoadEnd[3] = 4;
             m.state.member.OHLength = 4;
             m.state.member.SelfWeight = 10;
             m.state.member.R1TL = 200;
             m.state.member.R2TL = 1300;
         },
         840, 580},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Member member;
        c.setup(member);
        test::FakeBeamUi ui;
        const ShearResults& s = member.run(ui);
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_FLOAT_EQ(s.ShearV, c.V);
        EXPECT_FLOAT_EQ(s.ShearVReduced, c.VReduced);
        // fv = 1.5 V' / A and the required area 1.5 V' / Fv'.
        EXPECT_FLOAT_EQ(s.ShearStress, 1.5 * c.VReduced / 36);
        EXPECT_FLOAT_EQ(s.ShearAreaReq, 1.5 * c.VReduced / 180);
    }
}

TEST(ShearReduction, UnreducedShearAndRoundMembers)
{
    Member member;
    member.criteria.UNIF = "100";
    member.criteria.Reducechk = false;
    member.criteria.Roundoption = true;
    member.state.member.R1TL = 500;
    member.state.member.R2TL = 500;
    test::FakeBeamUi ui;
    const ShearResults& s = member.run(ui);
    EXPECT_FLOAT_EQ(s.ShearVReduced, 400);
    // The round-section factor is 1.33333, applied to V itself.
    EXPECT_FLOAT_EQ(s.ShearStress, 500 * 1.33333 / 36);
}

TEST(ShearReduction, ZeroDesignValueShowsTheTrapMessage)
{
    Member member;
    member.state.member.FbAdj = 0;
    member.state.shear.ShearV = 77;
    test::FakeBeamUi ui;
    member.run(ui);
    EXPECT_EQ(ui.texts(), std::vector<std::string>{"Error at Large Moment Shear Reduction"});
    EXPECT_EQ(member.state.shear.ShearV, 77);
}

} // namespace
} // namespace beam
