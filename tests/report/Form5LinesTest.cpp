// The lines under the report's grid: modifiers by options, the dead-load line, the deflection alerts,
// the next-smaller note and the reaction lines, case by case.
#include "ReportFixture.h"
#include "beam/BeamState.h"
#include "steel/SteelState.h"

namespace reporttest
{
namespace
{

using Form5Lines = ReportTest;

TEST_F(Form5Lines, ModifierLineByOptionsAndClass)
{
    struct Case
    {
        const char* name;
        int group; // species group
        const char* breadthClass;
        bool rep, wet, incised;
        platform::OptionButton app::Form1::*spacing;
        const char* line;
    };
    const Case cases[] = {
        {"2x wet incised repetitive", 0, "2x", true, true, true, &app::Form1::Ctr16,
         "Values modified for: Wet, Incised and Repetitive use    Spacing @ 16 in. o.c.  "},
        {"glu-lam, same options", 0, "GLB", true, true, true, &app::Form1::Ctr16,
         "Values modified for: Wet use  "},
        {"dry repetitive 6x, no spacing", 0, "6x", true, false, false, &app::Form1::Ctr0,
         "Values modified for: Repetitive use    "},
        {"dry repetitive incised 2x at 24", 0, "2x", true, false, true, &app::Form1::ctr24,
         "Values modified for: Incised, Repetitive use    Spacing @ 24 in. o.c.  "},
        {"wet 4x", 0, "4x", false, true, false, nullptr, "Values modified for: Wet use  "},
        {"wet incised 2x", 0, "2x", false, true, true, nullptr, "Values modified for: Wet use, Incised  "},
        {"incised 2x only", 0, "2x", false, false, true, nullptr, "Values modified for: Incised  "},
        {"incised glu-lam", 0, "GLB", false, false, true, nullptr, ""},
        {"repetitive timber at 19.2 is not small", 0, "", true, false, false, &app::Form1::Ctr19, ""},
        // An SCL member does not take the class of the last wood test.
        {"SCL after a 2x", 7, "2x", true, true, true, &app::Form1::Ctr12,
         "Values modified for: Wet and Repetitive use    Spacing @ 12 in. o.c.  "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        programDoes([&] {
            f1.group(c.group).setValue(true);
            f1.Rep.setValue(c.rep ? 1 : 0);
            f1.Wet.setValue(c.wet ? 1 : 0);
            if (c.spacing != nullptr) {
                (f1.*c.spacing).setValue(true);
            }
            program.beam.member.BreadthClass = c.breadthClass;
            program.beam.flags.IncisedOption = c.incised ? -1 : 0;
            report::LoadReportForm(program);
        });
        EXPECT_EQ(f5.Modifiers.caption(), c.line);
    }
}

TEST_F(Form5Lines, UnbracedLengthLineOfSteel)
{
    program.beam.flags.SteelBeamFlag = -1;
    program.steel.results.StlUnbracedText = "Lu = 12.3 ft";
    const std::pair<platform::OptionButton app::Form1::*, const char*> cases[] = {
        {&app::Form1::TUbutton, "No maximum unbraced length."},
        {&app::Form1::DblPLbutton, "Full lateral bracing required."},
        {&app::Form1::PLbutton, "Full lateral bracing required."},
        {&app::Form1::SFbutton, "Maximum Unbraced Length: Lu = 12.3 ft"},
    };
    for (const auto& [shape, line] : cases) {
        const auto option = shape; // a lambda cannot capture a structured binding everywhere
        programDoes([&] {
            f1.group(9).setValue(true);
            (f1.*option).setValue(true);
            report::LoadReportForm(program);
        });
        EXPECT_EQ(f5.Modifiers.caption(), line);
    }
}

TEST_F(Form5Lines, DeadLoadLineByCase)
{
    struct Case
    {
        const char* breadthClass;
        float llDefl, dlDefl, creep;
        const char* pitch; // "" leaves the roof slope off
        const char* line;
        int group = 0;
    };
    const Case cases[] = {
        {"2x", 0, 0.4f, 1.5f, "", ""},
        {"2x", 0, 0.4f, 1.5f, "6", "  DL adjusted for 6:12 pitch"},
        {"2x", 0.2f, 0.4f, 1.5f, "", "Dead Load Deflection (x 1.5 for creep)= 0.40   ...seems a bit high."},
        {"2x", 0.2f, 0.26f, 1.5f, "", "Dead Load Deflection (x 1.5 for creep)= 0.26  "},
        {"4x", 0.2f, 0.005f, 2, "4",
         "Dead Load Deflection (x 2 for creep)= <0.01  DL adjusted for 4:12 pitch"},
        // 1.5 x 0.4 = 0.6 of camber.
        {"GLB", 0.2f, 0.4f, 1.5f, "",
         "Dead Load Deflection (x 1.5 for creep)= is 0.40   Recommended Camber is 0.60"},
        {"GLB", 0.2f, 0.005f, 1.5f, "",
         "Dead Load Deflection (x 1.5 for creep)= is <0.01   Recommended Camber is < .015"},
        // An SCL member after a glu-lam keeps no camber and no glu-lam class of its own.
        {"GLB", 0.2f, 0.4f, 1.5f, "", "Dead Load Deflection (x 1.5 for creep)= 0.40   ...seems a bit high.",
         7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        program.beam.member.BreadthClass = c.breadthClass;
        program.beam.deflection.LLDefl = c.llDefl;
        program.beam.deflection.DLDefl = c.dlDefl;
        program.beam.deflection.CreepFactor = c.creep;
        programDoes([&] {
            f1.group(c.group).setValue(true);
            f1.Roofbutton.setValue(*c.pitch != '\0' ? 1 : 0);
            f1.Pitchtext.setText(c.pitch);
            report::LoadReportForm(program);
        });
        EXPECT_EQ(f5.DeadDefl.caption(), c.line);
    }
}

TEST_F(Form5Lines, DeflectionAlertsByCase)
{
    const std::string lslAlert = "ALERT! Timberstrand members 7-1/4 in. and smaller are limited to 5/16 in. "
                                 "deflection.  Please increase depth.";
    const std::string courtesy =
        "A Courtesy Alert:  Deflection is greater than 1/3 inch.  It's your judgement "
        "call if this is acceptable...";
    struct Case
    {
        const char* name;
        int product; // -1: a sawn member
        float depthIn, tlDefl, ohllDefl, sectionModulus;
        const char* alert;
        const char* deflStatus;
        const char* ohlStatus;
    };
    const Case cases[] = {
        {"small LSL within its limit of L/240", 10, 7.25f, 0.32f, 0, 100, lslAlert.c_str(), "Fail", ""},
        {"small LSL, 5/16 exactly", 10, 7.25f, 0.3125f, 0, 100, "", "OK", ""},
        {"deeper LSL", 10, 7.5f, 0.32f, 0, 100, "", "OK", ""},
        {"another product", 9, 7.25f, 0.32f, 0, 100, "", "OK", ""},
        {"small LSL, the unshown overhang check", 10, 7.25f, 0.2f, -0.4f, 100, lslAlert.c_str(), "OK",
         "Fail"},
        {"passing, beyond a third", -1, 0, 0.34f, 0, 100, courtesy.c_str(), "OK", ""},
        {"passing, a third", -1, 0, 0.33f, 0, 100, "", "OK", ""},
        {"failing bending", -1, 0, 0.5f, 0, 40, "", "OK", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.product >= 0) {
            sclMember(c.product, "3-1/2x", "7-1/4");
        } else {
            programDoes([&] { f1.group(0).setValue(true); });
        }
        beam::BeamState& b = program.beam;
        b.member.BeamDepth = c.depthIn;
        b.deflection.TLDefl = c.tlDefl;
        b.deflection.OHLLDefl = c.ohllDefl;
        b.member.SectionModulus = c.sectionModulus;
        programDoes([&] {
            f5.OHLDeflStatus.setCaption("");
            report::LoadReportForm(program);
        });
        EXPECT_EQ(f5.DeflTooHigh.caption(), c.alert);
        EXPECT_EQ(f5.DeflStatus.caption(), c.deflStatus);
        EXPECT_EQ(f5.OHLDeflStatus.caption(), c.ohlStatus);
    }
}

TEST_F(Form5Lines, NextSmallerNoteStopsBelowATimbersBreadth)
{
    struct Case
    {
        const char* breadth;
        const char* next;
        int group;
        const char* note;
    };
    const Case cases[] = {
        {"4x", "8", 0, "Note: 4x 8 DF-L #1 may also be acceptable."},     {"14x", "12", 0, ""},
        {"12x", "12", 0, "Note: 12x 12 DF-L #1 may also be acceptable."}, {"8x", "6", 0, ""},
        {"8x", "8", 0, "Note: 8x 8 DF-L #1 may also be acceptable."},     {"4x", "8", 7, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.breadth << " " << c.next);
        woodMember(c.breadth, "14");
        program.beam.smaller.NextSmallerOK = -1;
        program.beam.member.NextSmallerLabel = c.next;
        programDoes([&] {
            f1.group(c.group).setValue(true);
            report::LoadReportForm(program);
        });
        EXPECT_EQ(f5.SmallChoice.caption(), c.note);
    }
}

TEST_F(Form5Lines, ReactionLinesByCase)
{
    struct Case
    {
        const char* name;
        float r1tl, r2tl, r1ll, r2ll;
        const char* upper;
        std::uint32_t upperColour;
        const char* lower;
        std::uint32_t lowerColour;
    };
    const Case cases[] = {
        {"live load, no R2", 1800, 0, 1200, 0, "Reactions: R1 LL = 1200   R2 LL = ", Black,
         "Reactions: R1 TL = 1800   R2 TL = ", Black},
        {"total-load uplift of zero", 0, 1800, 100, 900, "Reactions: R1 LL = 100   R2 LL = 900", Black,
         "Uplift @ R1 TL = 0   R2 TL = 1800", DarkRed},
        {"live-load uplift", -300, 2400, -50, 900, "Uplift @ R1 LL = -50   R2 LL = 900", DarkRed,
         "Uplift @ R1 TL = -300   R2 TL = 2400", DarkRed},
        // Without live load the upper line carries the total loads, an uplift in dark red.
        {"dead-load uplift", -200, 2200, 0, 0, "Uplift @ R1 TL = -200   R2 TL = 2200", DarkRed, "", DarkRed},
        {"dead load only", 500, 500, 0, 0, "Reactions: R1 TL = 500   R2 TL = 500", Black, "", Black},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        beam::BeamState& b = program.beam;
        b.member.R1TL = c.r1tl;
        b.member.R2TL = c.r2tl;
        b.loads.R1LL = c.r1ll;
        b.loads.R2LL = c.r2ll;
        programDoes([&] { report::LoadReportForm(program); });
        EXPECT_EQ(f5.Label10.caption(), c.upper);
        EXPECT_EQ(f5.Label10.foreColor(), c.upperColour);
        EXPECT_EQ(f5.Label15.caption(), c.lower);
        EXPECT_EQ(f5.Label15.foreColor(), c.lowerColour);
    }
}

TEST_F(Form5Lines, DeflectionLimitLines)
{
    program.beam.deflection.TLDeflRatio = 1000;
    program.beam.deflection.LLDeflRatio = 0;
    programDoes([&] { report::LoadReportForm(program); });
    EXPECT_EQ(f5.Label11.caption(), "Total Load Deflection    Max: L / 240   Actual: L / 1000");
    EXPECT_EQ(f5.Label6.caption(), "");
    program.beam.deflection.TLDeflRatio = 1000.5f;
    program.beam.deflection.LLDeflRatio = 480;
    programDoes([&] { report::LoadReportForm(program); });
    EXPECT_EQ(f5.Label11.caption(), "Total Load Deflection    Max: L / 240   Actual: L / >1000");
    EXPECT_EQ(f5.Label6.caption(), "Live Load Deflection     Max: L / 360   Actual: L / 480");
}

} // namespace
} // namespace reporttest
