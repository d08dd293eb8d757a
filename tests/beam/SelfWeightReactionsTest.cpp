// Reactions with self weight (TReac): the applied-load reactions plus the statics of a uniform self
// weight w for each support case.
#include "FakeBeamUi.h"
#include "beam/TReac.h"

#include <functional>
#include <gtest/gtest.h>

namespace beam
{
namespace
{

TEST(TReac, AddsTheSelfWeightOfEachSupportCase)
{
    struct Case
    {
        const char* name;
        std::function<void(BeamCriteria&)> loadType;
        float overhang;
        double r1, r2;
    };
    const Case cases[] = {
        // w L / 2 = 100 at each end on top of 500 and 500.
        {"simple span", [](BeamCriteria&) {}, 0, 600, 600},
        // w (L^2 - a^2) / 2L = 20 x 96 / 20 = 96 and w (L + a)^2 / 2L = 20 x 144 / 20 = 144.
        {"overhang",
         [](BeamCriteria& c) {
             c.SimpleSpanbutton = false;
             c.OHbutton = true;
         },
         2, 596, 644},
        // 3/8 w L = 75 at the end, 10/8 w L = 250 at the middle support.
        {"two equal spans",
         [](BeamCriteria& c) {
             c.SimpleSpanbutton = false;
             c.Multibutton = true;
         },
         0, 575, 750},
        // 0.4 w L = 80 and 1.1 w L = 220.
        {"three equal spans",
         [](BeamCriteria& c) {
             c.SimpleSpanbutton = false;
             c.Multibutton = true;
             c.TwoSpan = false;
             c.ThreeSpan = true;
         },
         0, 580, 720},
        // Rebuilt from q = 30 plf and W = 900 lb: 150 + 300 + 100 and 150 + 600 + 100.
        {"hip or valley",
         [](BeamCriteria& c) {
             c.SimpleSpanbutton = false;
             c.IncButton = true;
             c.OHbutton = true; // not looked at once the hip option is seen
             c.IncUnifTL = "30";
         },
         0, 550, 850},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BeamCriteria criteria;
        c.loadType(criteria);
        BeamState state;
        state.loads.R1Loads = 500;
        state.loads.R2Loads = 500;
        state.loads.IncTLTotal = 900;
        state.member.SelfWeight = 20;
        state.member.SpanLength = 10;
        state.member.OHLength = c.overhang;
        test::FakeBeamUi ui;
        TReac(criteria, state, ui);
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_FLOAT_EQ(state.member.R1TL, c.r1);
        EXPECT_FLOAT_EQ(state.member.R2TL, c.r2);
    }
}

TEST(TReac, FailingReactionKeepsItsValueAndTheOtherGoesOn)
{
    BeamCriteria criteria;
    criteria.SimpleSpanbutton = false;
    criteria.OHbutton = true;
    BeamState state;
    state.member.SpanLength = 0; // both overhang shares divide by 2L
    state.member.SelfWeight = 20;
    state.member.R1TL = 11;
    state.member.R2TL = 22;
    test::FakeBeamUi ui;
    TReac(criteria, state, ui);
    EXPECT_EQ(ui.texts(),
              (std::vector<std::string>{"Error at TReac sub procedure", "Error at TReac sub procedure"}));
    EXPECT_EQ(state.member.R1TL, 11);
    EXPECT_EQ(state.member.R2TL, 22);
}

} // namespace
} // namespace beam
