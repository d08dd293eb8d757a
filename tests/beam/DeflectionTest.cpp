// Deflections of the member under test. Expected values are worked by hand from the program's
// coefficients (0.013 with the equivalent uniform load 6.35 P a (L - a) / L^2, 1/185 and 4/581 for
// continuous spans) or from the elastic closed forms of a beam with overhang. EI = 1e8 lb in^2 throughout
// (E' = 1.0 million psi, I = 100 in^4), so a deflection is the numerator / 1e8.
#include "FakeBeamUi.h"
#include "beam/CalcDeflection.h"

#include <functional>
#include <gtest/gtest.h>

namespace beam
{
namespace
{

constexpr double EI = 1e8;

struct Beam
{
    BeamCriteria criteria;
    BeamState state;

    explicit Beam(double spanFt, double overhangFt = 0)
    {
        criteria.Span = std::to_string(spanFt);
        state.member.SpanLength = static_cast<float>(spanFt);
        state.member.OHLength = static_cast<float>(overhangFt);
        state.member.EAdj = 1.0f;
        state.member.MomentOfInertia = 100;
        if (overhangFt > 0) {
            criteria.SimpleSpanbutton = false;
            criteria.OHbutton = true;
        }
    }

    const DeflectionResults& run(test::FakeBeamUi& ui)
    {
        CalcDeflection(criteria, state, ui);
        return state.deflection;
    }
};

// Results are Singles: compare to 6 significant digits.
void expectDeflection(double actual, double expected)
{
    EXPECT_NEAR(actual, expected, 2e-6 * (std::abs(expected) + 1e-3));
}

TEST(Deflection, SpansWithoutOverhangUseTheEquivalentUniformLoad)
{
    struct Case
    {
        const char* name;
        std::function<void(Beam&)> setup;
        double total, live; // before creep
    };
    const double Li3 = 120.0 * 120 * 120; // 10 ft span in inches, cubed
    const Case cases[] = {
        // 0.013 Li^3 w L / EI with w L = 1000 lb total and 400 lb live.
        {"uniform",
         [](Beam& b) {
             b.state.member.UnifTL = 100;
             b.state.member.UnifLL = 40;
         },
         0.013 * Li3 * 1000 / EI, 0.013 * Li3 * 400 / EI},
        // Self weight adds to the total load only: 110 plf.
        {"uniform with self weight",
         [](Beam& b) {
             b.state.member.UnifTL = 100;
             b.state.member.UnifLL = 40;
             b.state.member.SelfWeight = 10;
         },
         0.013 * Li3 * 1100 / EI, 0.013 * Li3 * 400 / EI},
        // Centre point load: We = 6.35 x 1000 x 5 x 5 / 100 = 1587.5 lb.
        {"centre point load",
         [](Beam& b) {
             b.criteria.PT[0] = "1000";
             b.criteria.DIS[0] = "5";
         },
         0.013 * Li3 * 1587.5 / EI, 0},
        // Point 600 lb at 2 ft, live 200: We = 6.35 P 2 x 8 / 100 = 1.016 P.
        {"eccentric point load, total and live",
         [](Beam& b) {
             b.criteria.PT[1] = "600";
             b.criteria.LPT[1] = "200";
             b.criteria.DIS[1] = "2";
         },
         0.013 * Li3 * 1.016 * 600 / EI, 0.013 * Li3 * 1.016 * 200 / EI},
        // A partial load over the whole span is carried by the strips at stations 1..199, 5 lb each at
        // x = i/20 ft: sum of 6.35 x 5 x x (10 - x) / 100 = 6.35 x 5 x 0.0025 x 1333300 / 100 = 1058.30775.
        {"partial load over the whole span",
         [](Beam& b) {
             b.criteria.PAR[0] = "100";
             b.criteria.BEGP[0] = "0";
             b.criteria.ENDP[0] = "10";
         },
         0.013 * Li3 * 1058.30775 / EI, 0},
        // Two equal spans: Li^3 w L / 185 EI; the point load does not enter.
        {"two equal spans",
         [](Beam& b) {
             b.criteria.SimpleSpanbutton = false;
             b.criteria.Multibutton = true;
             b.criteria.PT[0] = "1000";
             b.criteria.DIS[0] = "5";
             b.state.member.UnifTL = 100;
             b.state.member.UnifLL = 40;
         },
         Li3 * 1000 / (185 * EI), Li3 * 400 / (185 * EI)},
        // Three equal spans: 4 Li^3 w L / 581 EI.
        {"three equal spans",
         [](Beam& b) {
             b.criteria.SimpleSpanbutton = false;
             b.criteria.Multibutton = true;
             b.criteria.TwoSpan = false;
             b.criteria.ThreeSpan = true;
             b.state.member.UnifTL = 100;
         },
         4 * Li3 * 1000 / (581 * EI), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Beam beam{10};
        c.setup(beam);
        test::FakeBeamUi ui;
        const DeflectionResults& d = beam.run(ui);
        EXPECT_TRUE(ui.messages.empty());
        // Dry wood: the dead-load part times 1.5.
        expectDeflection(d.TLDefl, c.live + (c.total - c.live) * 1.5);
        expectDeflection(d.LLDefl, c.live);
        expectDeflection(d.DLDefl, (c.total - c.live) * 1.5);
        EXPECT_EQ(d.LLDeflCheck, c.live > 0 ? -1 : 0);
        expectDeflection(d.TLDeflAllow, 120.0 / 240);
        expectDeflection(d.LLDeflAllow, c.live > 0 ? 120.0 / 360 : 0);
        expectDeflection(d.TLDeflRatio, 120 / (c.live + (c.total - c.live) * 1.5));
        expectDeflection(d.LLDeflRatio, c.live > 0 ? 120 / c.live : 0);
        EXPECT_EQ(d.OHTLDefl, 0);
        EXPECT_EQ(d.OHDLDefl, 0);
    }
}

// A partial load whose ends fall exactly on stations leaves those two stations unloaded, even where the
// decimal ends have no exact binary value: on 10.5 ft the stations lie 0.0525 ft apart, so 2.1 and 4.2 are
// stations 40 and 80, and the load acts on stations 41 to 79 just as one from 2.11 to 4.19 does.
TEST(Deflection, PartialLoadEndingOnAStationLeavesThatStationUnloaded)
{
    const auto deflection = [](const char* begin, const char* end) {
        Beam beam(10.5);
        beam.criteria.PAR[0] = "100";
        beam.criteria.BEGP[0] = begin;
        beam.criteria.ENDP[0] = end;
        test::FakeBeamUi ui;
        return beam.run(ui).TLDefl;
    };
    EXPECT_FLOAT_EQ(deflection("2.1", "4.2"), deflection("2.11", "4.19"));
}

TEST(Deflection, CreepMultipliesTheDeadLoadPart)
{
    struct Case
    {
        bool wet;
        std::int16_t steel;
        float creep;
    };
    const double total = 0.013 * 1728000 * 1000 / EI;
    const double live = 0.013 * 1728000 * 400 / EI;
    for (const Case& c : {Case{false, 0, 1.5f}, Case{true, 0, 2.0f}, Case{true, -1, 1.0f}}) {
        Beam beam{10};
        beam.criteria.Wet = c.wet;
        beam.state.flags.SteelBeamFlag = c.steel;
        beam.state.member.UnifTL = 100;
        beam.state.member.UnifLL = 40;
        test::FakeBeamUi ui;
        const DeflectionResults& d = beam.run(ui);
        EXPECT_EQ(d.CreepFactor, c.creep);
        expectDeflection(d.TLDefl, live + (total - live) * c.creep);
    }
}

// A beam with overhang: backspan L = 10 ft (Li = 120 in), overhang c = 4 ft (ci = 48 in), EI = 1e8.
TEST(Deflection, OverhangSuperposesClosedForms)
{
    struct Case
    {
        const char* name;
        std::function<void(Beam&)> setup;
        double span, tip; // before creep, all dead load
    };
    const Case cases[] = {
        // Tip load: the overhang drops P c^2 (L + c) / 3EI; the backspan rises at most by
        // P c L^2 / (9 sqrt(3) EI), for which the program uses 0.06415.
        {"point load at the tip",
         [](Beam& b) {
             b.criteria.PT[4] = "1000";
             b.criteria.DIS[4] = "4";
         },
         -0.06415 * 1000 * 48 * 120 * 120 / EI, 1000.0 * 48 * 48 * (48 + 120) / (3 * EI)},
        // Uniform load on the backspan lifts the tip by the end slope w L^3 / 24EI times c.
        {"uniform load on the backspan", [](Beam& b) { b.state.member.UnifTL = 100; },
         0.013 * 1728000 * 1000 / EI, -1728000.0 * (100.0 / 12) * 48 / (24 * EI)},
        // A backspan point load P at a lifts the tip by P a (L - a)(L + a) c / 6EIL: P = 600 at 60 in.
        {"point load at mid-backspan",
         [](Beam& b) {
             b.criteria.PT[0] = "600";
             b.criteria.DIS[0] = "5";
         },
         0.013 * 1728000 * 6.35 * 600 * 25 / 100 / EI, -600.0 * 60 * 60 * 180 * 48 / (6 * EI * 120)},
        // Self weight 12 plf (1 lb/in) over backspan and overhang: w c^3 (4L + 3c) / 24EI at the tip,
        // less the lift by the backspan's share; the span falls by 0.013 Li^3 w L / EI less
        // 0.03208 L^2 c^2 w / EI (the moment w c^2 / 2 at R2 times 0.06415).
        {"self weight", [](Beam& b) { b.state.member.SelfWeight = 12; },
         (0.013 * 1728000 * 120 - 0.03208 * 14400 * 2304 * 1) / EI,
         (48.0 * 48 * 48 * 1 * (3 * 48 + 4 * 120) / 24 - 1728000.0 * 1 * 48 / 24) / EI},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Beam beam{10, 4};
        c.setup(beam);
        test::FakeBeamUi ui;
        const DeflectionResults& d = beam.run(ui);
        EXPECT_TRUE(ui.messages.empty());
        expectDeflection(d.TLDefl, 1.5 * c.span);
        expectDeflection(d.OHTLDefl, 1.5 * c.tip);
        expectDeflection(d.OHDLDefl, 1.5 * c.tip);
        expectDeflection(d.OHTLDeflAllow, 2 * 48.0 / 240);
        expectDeflection(d.OHTLDeflRatio, 96 / (1.5 * c.tip));
        expectDeflection(d.TLDeflRatio, 120 / (1.5 * c.span)); // negative when the span rises
        EXPECT_EQ(d.OHLLDeflCheck, 0);
    }
}

// A partial load on the overhang is cut into strips, each a point load; each strip must deflect the tip
// as a point load does: the deflection under it, P a^2 (L + a) / 3EI, plus the slope there,
// P a (2L + 3a) / 6EI, carried over the rest of the overhang.
TEST(Deflection, OverhangPartialLoadStripDeflectsTheTipAsAPointLoad)
{
    // Overhang 5 ft: stations every 0.05 ft, so a load from 2.99 to 3.01 ft is one strip at 3 ft
    // (a = 36 in) of 100 plf x 0.05 ft = 5 lb.
    const double P = 5, a = 36, Li = 120, ci = 60;
    const double tip = P * a * a * (Li + a) / (3 * EI) + P * a * (2 * Li + 3 * a) / (6 * EI) * (ci - a);
    Beam beam{10, 5};
    beam.criteria.PAR[3] = "100";
    beam.criteria.LPAR[3] = "100";
    beam.criteria.BEGP[3] = "2.99";
    beam.criteria.ENDP[3] = "3.01";
    test::FakeBeamUi ui;
    const DeflectionResults& d = beam.run(ui);
    // All live: no creep, and total and live deflections agree.
    expectDeflection(d.OHLLDefl, tip);
    expectDeflection(d.OHTLDefl, tip);
    EXPECT_EQ(d.OHLLDeflCheck, -1);
    expectDeflection(d.OHLLDeflAllow, 2 * ci / 360);
    expectDeflection(d.OHLLDeflRatio, 2 * ci / tip);
    // The span rises by 0.06415 M Li^2 / EI with M = P a.
    expectDeflection(d.LLDefl, -0.06415 * P * a * Li * Li / EI);
}

TEST(Deflection, OverhangUniformPartialLoadApproachesTheClosedForm)
{
    // 100 plf over the whole 4 ft overhang of a 10 ft backspan: w c^3 (4L + 3c) / 24EI, w in lb/in.
    // The 99 strips inside the load fall short of the integral by about one strip at the tip (1.1 %).
    const double w = 100.0 / 12, Li = 120, ci = 48;
    const double exact = w * ci * ci * ci * (4 * Li + 3 * ci) / (24 * EI);
    Beam beam{10, 4};
    beam.criteria.PAR[3] = "100";
    beam.criteria.BEGP[3] = "0";
    beam.criteria.ENDP[3] = "4";
    test::FakeBeamUi ui;
    const DeflectionResults& d = beam.run(ui);
    EXPECT_NEAR(d.OHTLDefl / 1.5, exact, 0.015 * exact);
}

TEST(Deflection, OverhangWithoutLiveLoadKeepsTheLiveAllowance)
{
    Beam beam{10, 4};
    beam.criteria.PT[4] = "1000";
    beam.criteria.DIS[4] = "4";
    beam.state.deflection.OHLLDeflAllow = 0.123f;
    test::FakeBeamUi ui;
    const DeflectionResults& d = beam.run(ui);
    EXPECT_EQ(d.OHLLDeflAllow, 0.123f);
    EXPECT_EQ(d.OHLLDefl, 0);
    EXPECT_EQ(d.LLDefl, 0);
    EXPECT_EQ(d.LLDeflRatio, 0);
    EXPECT_EQ(d.OHLLDeflRatio, 0);
}

TEST(Deflection, FailureShowsItsMessageAndKeepsEarlierResults)
{
    struct Case
    {
        const char* name;
        std::function<void(Beam&)> setup;
    };
    const Case cases[] = {
        {"total limit not a number", [](Beam& b) { b.criteria.MaxDefl = "240x"; }},
        {"no stiffness", [](Beam& b) { b.state.member.MomentOfInertia = 0; }},
        {"live limit zero with live load", [](Beam& b) { b.criteria.LMaxDefl = "0"; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Beam beam{10};
        beam.state.member.UnifTL = 100;
        beam.state.member.UnifLL = 40;
        beam.state.deflection.TLDeflRatio = 99;
        beam.state.deflection.LLDeflCheck = -1;
        c.setup(beam);
        test::FakeBeamUi ui;
        const DeflectionResults& d = beam.run(ui);
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text, "Error in deflection calc");
        EXPECT_EQ(ui.messages[0].style, MsgStyle::Exclamation);
        EXPECT_EQ(d.TLDeflRatio, 99);
    }
}

} // namespace
} // namespace beam
