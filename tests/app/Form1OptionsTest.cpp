// The species list and the design options of the criteria form: what each choice resets, shows and
// hides, the pitch, duration and deflection limit buttons, the caption by NDS edition, and which
// changes invalidate the selection.
#include "SettingsFixtures.h"
#include "app/Form1.h"
#include "app/Form15.h"
#include "app/GuardHold.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "platform/headless/Driver.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

namespace
{

using platform::test::Driver;

struct Criteria
{
    Driver driver;
    app::Program& program = driver.start<app::Program>();
    app::Form1& form1 = program.form1;

    void selectMember()
    {
        driver.runtime().dispatch([&] {
            program.state.SelectionStatus = "OK";
            form1.SavePanel.setCaption(" Selection:   2x10 DF-L #1   -  Status: OK");
        });
    }
    bool selectionCleared() const { return program.state.SelectionStatus.empty(); }
};

void expectVisible(std::initializer_list<platform::Control*> controls, bool visible)
{
    for (platform::Control* control : controls) {
        EXPECT_EQ(control->visible(), visible) << control->name();
    }
}

TEST(Form1Options, SteelResetsTheWoodOptionsAndShowsTheSteelChoices)
{
    Driver driver;
    app::DefaultSettingsRecord settings = app::test::fullSettings();
    settings.Def50ksi = -1;
    driver.putFile(app::DefaultSettingsFileName, app::test::settingsFile(settings));
    auto& program = driver.start<app::Program>();
    auto& f = program.form1;
    driver.click(f.Wet);
    driver.click(f.Incised);
    driver.click(f.Rep);
    driver.click(f.Roofbutton);
    driver.retype(f.Pitchtext, "6");
    driver.runtime().dispatch([&] { f.ksi50.setValue(0); });

    driver.choose(f.Combo1, "Steel Beams");
    EXPECT_TRUE(f.group(9).value());
    for (platform::CheckBox* option : {&f.Wet, &f.Incised, &f.Rep, &f.Reducechk, &f.Roofbutton}) {
        EXPECT_EQ(option->value(), 0) << option->name();
    }
    EXPECT_FALSE(f.Reducechk.enabled());
    EXPECT_EQ(f.Pitchtext.text(), "");
    expectVisible({&f.Wet, &f.Incised, &f.Rep, &f.Frame3D2, &f.Command3D7, &f.Command3D9, &f.Label6, &f.Dur,
                   &f.Command3D15, &f.Command3D4},
                  false);
    expectVisible({&f.StlTypes, &f.Label48, &f.DepCombo, &f.DepBorder, &f.DepthDesHelp}, true);
    EXPECT_EQ(f.ksi50.value(), -1);

    // Back to wood: the wood options return unchecked, the steel choices go.
    driver.choose(f.Combo1, "Southern Pine");
    EXPECT_TRUE(f.group(5).value());
    expectVisible({&f.Wet, &f.Incised, &f.Rep, &f.Frame3D2, &f.Label6, &f.Dur, &f.Command3D15}, true);
    expectVisible({&f.StlTypes, &f.Label48, &f.DepCombo, &f.DepBorder, &f.DepthDesHelp}, false);
    EXPECT_EQ(f.Reducechk.value(), -1);
    EXPECT_TRUE(f.Reducechk.enabled());
    EXPECT_EQ(f.Wet.value(), 0);
}

TEST(Form1Options, SpeciesListSelectsItsGroup)
{
    Criteria c;
    const int groupOfPosition[] = {0, 3, 4, 1, 2, 5, 6, 7, 8, 9};
    for (int position = 0; position < 10; ++position) {
        c.driver.choose(c.form1.Combo1, position);
        EXPECT_TRUE(c.form1.group(groupOfPosition[position]).value()) << position;
    }
}

TEST(Form1Options, SclIsFullyBracedUnderNds1997Only)
{
    for (const bool nds1997 : {true, false}) {
        SCOPED_TRACE(nds1997 ? "NDS 1997" : "NDS 2018");
        Criteria c;
        auto& f = c.form1;
        c.program.state.NDS1997 = nds1997 ? -1 : 0;
        c.driver.retype(f.UBLtext, "8");
        c.driver.click(f.Rep);
        c.driver.choose(f.Combo1, "SCL Beams (LVL, PSL, LSL)");
        EXPECT_TRUE(f.group(7).value());
        EXPECT_EQ(f.UBLtext.text(), nds1997 ? "0" : "");
        EXPECT_EQ(f.UBLtext.enabled(), !nds1997);
        EXPECT_EQ(f.UBLlabel.caption(), nds1997 ? "Assumed fully braced" : "Unbraced length in ft");
        EXPECT_FALSE(f.Wet.enabled());
        EXPECT_FALSE(f.Incised.enabled());
        EXPECT_EQ(f.Rep.value(), 0);
        EXPECT_TRUE(f.Rep.enabled());
    }
}

TEST(Form1Options, SteelShapesSetTheUnbracedLengths)
{
    Criteria c;
    auto& f = c.form1;
    c.driver.choose(f.Combo1, "Steel Beams");
    c.driver.retype(f.UBLtext, "12");
    struct Step
    {
        platform::OptionButton* shape;
        const char* unbraced;
        bool enabled;
        const char* label;
    };
    const Step steps[] = {
        {&f.SFbutton, "12", true, "Unbraced length in ft"}, // kept
        {&f.TUbutton, "Any", false, "Unbraced length in ft"},
        {&f.CFbutton, "0", true, "Unbraced length in ft"}, // "Any" gives way to "0"
        {&f.PLbutton, "0", false, "Assumed fully braced"},
        {&f.MCbutton, "0", true, "Unbraced length in ft"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.shape->name());
        c.driver.choose(f.DepCombo, "12");
        c.driver.click(*step.shape);
        EXPECT_EQ(f.UBLtext.text(), step.unbraced);
        EXPECT_EQ(f.UBLtext.enabled(), step.enabled);
        EXPECT_EQ(f.CantUBLtext.enabled(), step.enabled);
        EXPECT_EQ(f.UBLlabel.caption(), step.label);
        EXPECT_EQ(f.DepCombo.text(), "All");
    }

    // A tube already chosen applies when steel is chosen again; a wide flange on multiple spans is
    // taken as braced.
    c.driver.click(f.TUbutton);
    c.driver.choose(f.Combo1, "Hem Fir / DF-Larch");
    c.driver.choose(f.Combo1, "Steel Beams");
    EXPECT_EQ(f.UBLtext.text(), "Any");
    EXPECT_EQ(f.CantUBLtext.text(), "Any");
    c.driver.click(f.Multibutton);
    c.driver.click(f.WFbutton);
    EXPECT_EQ(f.UBLtext.text(), "0");
    EXPECT_FALSE(f.UBLtext.enabled());
    EXPECT_EQ(f.UBLlabel.caption(), "Assumed fully braced");
}

TEST(Form1Options, RepetitiveUseSwitchesSpacingAndSelfWeight)
{
    Criteria c;
    auto& f = c.form1;
    const std::initializer_list<platform::OptionButton*> spacings = {&f.Ctr0, &f.Ctr12, &f.Ctr16, &f.Ctr19,
                                                                     &f.ctr24};
    c.driver.click(f.Rep);
    EXPECT_TRUE(f.Ctr0.value());
    EXPECT_EQ(f.NoWeight.value(), -1);
    c.driver.click(f.ctr24);
    EXPECT_TRUE(f.ctr24.value());

    c.driver.click(f.Rep);
    EXPECT_EQ(f.NoWeight.value(), 0);
    for (platform::OptionButton* spacing : spacings) {
        EXPECT_FALSE(spacing->value()) << spacing->name();
        EXPECT_FALSE(spacing->enabled()) << spacing->name();
    }
}

TEST(Form1Options, RoofPitchAndItsStepButton)
{
    Criteria c;
    auto& f = c.form1;
    c.driver.click(f.Roofbutton);
    EXPECT_TRUE(f.Pitchtext.enabled());
    EXPECT_TRUE(f.IncCalcButton.enabled());

    const std::pair<const char*, const char*> steps[] = {
        {"17", "18"}, {"18", "0"}, {"20", "21"}, {"", "1"}, {"4.4", "5"}};
    for (const auto& [before, after] : steps) {
        const char* const text = before; // a lambda cannot capture a structured binding everywhere
        c.driver.runtime().dispatch([&] { f.Pitchtext.setText(text); });
        c.driver.click(f.Command3D28);
        EXPECT_EQ(f.Pitchtext.text(), after) << "from " << before;
    }

    // "0" and "." on the way to a decimal pitch pass; letters are refused.
    c.driver.retype(f.Pitchtext, "0.5");
    EXPECT_EQ(f.Pitchtext.text(), "0.5");
    EXPECT_TRUE(c.driver.messages().empty());
    c.driver.retype(f.Pitchtext, "6a");
    EXPECT_EQ(f.Pitchtext.text(), "");
    ASSERT_EQ(c.driver.messages().size(), 1u);
    EXPECT_EQ(c.driver.messages()[0].text,
              "Please enter a valid numeric value for the roof pitch in feet (and decimal fraction, if any)");
    EXPECT_EQ(c.driver.beeps(), 1);
    EXPECT_EQ(c.driver.runtime().focusedControl(), &f.Pitchtext);

    // A steep pitch is questioned once the box is left, and kept.
    for (const char* pitch : {"24", "25"}) {
        c.driver.clearMessages();
        c.driver.retype(f.Pitchtext, pitch);
        c.driver.focus(f.Span);
        EXPECT_EQ(c.driver.messages().size(), std::string(pitch) == "25" ? 1u : 0u) << pitch;
        EXPECT_EQ(f.Pitchtext.text(), pitch);
    }
    EXPECT_EQ(c.driver.messages()[0].text,
              "Are you sure you want to enter a pitch greater than 24:12 for the rafter slope adjustment?");

    c.driver.click(f.Roofbutton);
    EXPECT_EQ(f.Pitchtext.text(), "");
    EXPECT_FALSE(f.Pitchtext.enabled());
}

TEST(Form1Options, DurationCycleAndWarning)
{
    Criteria c;
    auto& f = c.form1;
    for (const char* next : {"1.15", "1.25", "0.90", "1.00", "1.15"}) {
        c.driver.click(f.Command3D15);
        EXPECT_EQ(f.Dur.text(), next);
    }
    EXPECT_TRUE(c.driver.messages().empty());
    c.driver.runtime().dispatch([&] { f.Dur.setText("1.6"); });
    c.driver.click(f.Command3D15);
    EXPECT_EQ(f.Dur.text(), "1.00");

    // The warning comes at the first keystroke of 0.95 ("0" reads as 0) and leaves the text.
    c.driver.clearMessages();
    c.driver.retype(f.Dur, "0.95");
    EXPECT_EQ(f.Dur.text(), "0.95");
    ASSERT_EQ(c.driver.messages().size(), 2u); // "0" and "0."
    EXPECT_EQ(
        c.driver.messages()[0].text,
        "Are you sure you want to enter this Duration of load?\r\rPlease see the Duration of Load 'On Line "
        "Help' button, (the small gray square next to Duration of Load), or see Help for acceptable values.");
    c.driver.clearMessages();
    c.driver.retype(f.Dur, "");
    EXPECT_EQ(c.driver.messages().size(), 1u);
}

TEST(Form1Options, DeflectionLimitCycle)
{
    Criteria c;
    auto& f = c.form1;
    const std::pair<const char*, const char*> limits[] = {{"480", "240"}, {"240", "180"}, {"", "360"},
                                                          {"", "240"},    {"360", "240"}, {"480", "240"}};
    for (const auto& [live, total] : limits) {
        c.driver.click(f.Dadj);
        EXPECT_EQ(f.LMaxDefl.text(), live);
        EXPECT_EQ(f.MaxDefl.text(), total);
    }
    // An out-of-range step changes nothing and starts the cycle again.
    c.program.state.DeflectionLimitStep = 7;
    c.driver.click(f.Dadj);
    EXPECT_EQ(f.LMaxDefl.text(), "480");
    c.driver.click(f.Dadj);
    EXPECT_EQ(f.LMaxDefl.text(), "");
    EXPECT_EQ(f.MaxDefl.text(), "240");
}

TEST(Form1Options, InGradeSwitchCaptionsByEdition)
{
    struct Case
    {
        std::int16_t nds1997, nds2018, nds2015, nds2012, nds2005;
        const char* caption;
    };
    const Case cases[] = {
        {1, -1, 0, 0, 0, " Korvanta  Criteria Form 1  NDS 1997  "}, // any non-zero 1997 flag wins
        {0, -1, -1, 0, 0, " Korvanta  Criteria Form 1  NDS 2018 "},
        {0, 0, -1, -1, 0, " Korvanta  Criteria Form 1  NDS 2015 "},
        {0, 0, 0, -1, -1, " Korvanta  Criteria Form 1  NDS 2012 "},
        {0, 0, 0, 0, -1, " Korvanta  Criteria Form 1  NDS 2005 "},
        {0, 0, 0, 0, 0, " Korvanta  Criteria Form 1  NDS 2001 "},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.caption);
        Criteria c;
        app::SharedState& s = c.program.state;
        s.NDS1997 = k.nds1997;
        s.NDS2018 = k.nds2018;
        s.NDS2015 = k.nds2015;
        s.NDS2012 = k.nds2012;
        s.NDS2005 = k.nds2005;
        c.selectMember();
        c.driver.runtime().dispatch([&] { c.form1.INGRADE.setValue(0); });
        EXPECT_EQ(c.form1.caption(), k.caption);
        EXPECT_TRUE(c.selectionCleared());
    }
}

TEST(Form1Options, ActivationCaptionsByEdition)
{
    // The activation tests 2012 before 2015 and 2018, unlike the in-grade switch.
    struct Case
    {
        std::int16_t nds2018, nds2015, nds2012, nds2005, nds2001;
        const char* caption;
    };
    const Case cases[] = {
        {-1, -1, -1, 0, 0, " Korvanta Criteria Form 1  NDS 2012"},
        {-1, -1, 0, 0, 0, " Korvanta Criteria Form 1  NDS 2015"},
        {-1, 0, 0, -1, 0, " Korvanta Criteria Form 1  NDS 2018"},
        {0, 0, 0, -1, -1, " Korvanta Criteria Form 1  NDS 2005"},
        {0, 0, 0, 0, -1, " Korvanta Criteria Form 1  NDS 2001"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.caption);
        Criteria c;
        app::SharedState& s = c.program.state;
        s.NDS2018 = k.nds2018;
        s.NDS2015 = k.nds2015;
        s.NDS2012 = k.nds2012;
        s.NDS2005 = k.nds2005;
        s.NDS2001 = k.nds2001;
        // Away to the about box and back: the settings form would bring the flags into one edition.
        c.driver.runtime().dispatch([&] { c.program.form15.show(); });
        c.driver.switchTo(c.form1);
        EXPECT_EQ(c.form1.caption(), k.caption);
        EXPECT_TRUE(c.form1.Incised.visible());
    }
}

TEST(Form1Options, ChangesClearTheSelectionUnlessTheProgramFillsTheForm)
{
    Criteria c;
    auto& f = c.form1;
    // Every option a calculation reads invalidates the selection.
    for (platform::Control* option : std::initializer_list<platform::Control*>{
             &f.Wet, &f.Reducechk, &f.Rep, &f.Ctr16, &f.Dadj, &f.Command3D15}) {
        c.selectMember();
        c.driver.click(*option);
        EXPECT_TRUE(c.selectionCleared()) << option->name();
        EXPECT_EQ(f.SavePanel.caption(), "   Selection:  None") << option->name();
    }

    // Checking the roof slope changes nothing yet; unchecking empties the pitch, which does.
    c.selectMember();
    c.driver.click(f.Roofbutton);
    EXPECT_FALSE(c.selectionCleared());
    c.driver.click(f.Roofbutton);
    EXPECT_FALSE(c.selectionCleared());
    c.driver.click(f.Roofbutton);
    c.driver.retype(f.Pitchtext, "4");
    c.selectMember();
    c.driver.click(f.Roofbutton);
    EXPECT_TRUE(c.selectionCleared());

    // A changed roof area changes the hip or valley loads: the calculator must run again.
    c.driver.click(f.IncButton);
    c.driver.runtime().dispatch([&] { f.CmdOK.setEnabled(true); });
    c.selectMember();
    c.driver.click(f.Areas(2));
    EXPECT_TRUE(c.selectionCleared());
    EXPECT_FALSE(f.CmdOK.enabled());

    // The program's own writes keep the selection.
    c.selectMember();
    c.driver.runtime().dispatch([&] {
        const app::GuardHold change{c.program.state.ChangeGuard};
        f.Wet.setValue(-1);
        f.Combo1.setListIndex(5);
    });
    EXPECT_FALSE(c.selectionCleared());
}

} // namespace
