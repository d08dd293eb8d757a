// The criteria form's load calculators and load clearing, as a user works them: the preset buttons,
// the tributary and partial-load psf calculators, the hip and valley calculator, the load letters and
// frame double clicks, and how each leaves "OK Calculate" and the transfer button.
#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "platform/core/Number.h"
#include "platform/headless/Driver.h"
#include "tests/app/SettingsFixtures.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

using platform::test::Driver;

// No run-time error reached the dispatcher and no dialog or box went unscripted.
void expectCleanRun(Driver& driver)
{
    EXPECT_TRUE(driver.untrappedErrors().empty());
    EXPECT_TRUE(driver.host().scriptFailures().empty());
}

constexpr std::uint32_t Black = platform::rgb(0, 0, 0);
constexpr std::uint32_t DarkRed = platform::rgb(128, 0, 0);

// Starts the program with default load pairs 40/50, 20/30 and 12.5/20.25; pairs 3 and 4 never set.
app::Program& startWithLoadPairs(Driver& driver, std::array<float, 5> live = {40, 20, 12.5f, 0, 0},
                                 std::array<float, 5> total = {50, 30, 20.25f, 0, 0})
{
    app::DefaultSettingsRecord settings = app::test::fullSettings();
    settings.Livedefault = live;
    settings.TotalLoadDefault = total;
    settings.DefCombo = 0;
    driver.putFile(app::DefaultSettingsFileName, app::test::settingsFile(settings));
    return driver.start<app::Program>();
}

double valueOf(platform::TextBox& box)
{
    return platform::num::leadingNumber(box.text());
}

TEST(Form1Presets, PsfStepsThroughTheSetPairsAndStartsAgain)
{
    Driver driver;
    auto& f = startWithLoadPairs(driver).form1;
    struct Step
    {
        const char* live;
        const char* total;
    };
    // Pair 3 is "0"/"0", which the entry rules empty; the next click starts again at pair 0.
    const Step steps[] = {{"40", "50"}, {"20", "30"}, {"12.5", "20.25"}, {"", ""}, {"40", "50"}};
    for (const Step& step : steps) {
        SCOPED_TRACE(std::string(step.live) + "/" + step.total);
        driver.click(f.Command1);
        EXPECT_EQ(f.Text1.text(), step.live);
        EXPECT_EQ(f.Text2.text(), step.total);
    }
    // The psf row now holds untransferred changes.
    EXPECT_FALSE(f.CmdOK.enabled());
    EXPECT_EQ(f.Command3D25.foreColor(), DarkRed);

    // A typed value that is no preset stays; a pair with only one box typed is still recognised.
    driver.retype(f.Text2, "77");
    driver.click(f.Command1);
    EXPECT_EQ(f.Text1.text(), "40");
    EXPECT_EQ(f.Text2.text(), "77");
    driver.retype(f.Text1, "");
    driver.retype(f.Text2, "30");
    driver.click(f.Command1);
    EXPECT_EQ(f.Text1.text(), "12.5");
    EXPECT_EQ(f.Text2.text(), "20.25");
    EXPECT_TRUE(driver.messages().empty());
    expectCleanRun(driver);
}

TEST(Form1Presets, AfterTheFifthPairTheBoxesEmpty)
{
    Driver driver;
    auto& f = startWithLoadPairs(driver, {1, 2, 3, 4, 5}, {11, 12, 13, 14, 15}).form1;
    for (int i = 0; i < 5; ++i) {
        driver.click(f.PLFspin);
    }
    EXPECT_EQ(f.LUNIF.text(), "5");
    EXPECT_EQ(f.UNIF.text(), "15");
    driver.click(f.PLFspin);
    EXPECT_EQ(f.LUNIF.text(), "");
    EXPECT_EQ(f.UNIF.text(), "");
    expectCleanRun(driver);
}

TEST(Form1Presets, PlfFillsTheUniformLoadAndEnablesOkCalculate)
{
    Driver driver;
    auto& f = startWithLoadPairs(driver).form1;
    driver.retype(f.Text1, "10"); // disables "OK Calculate" and turns the transfer button red
    driver.click(f.PLFspin);
    EXPECT_EQ(f.LUNIF.text(), "40");
    EXPECT_EQ(f.UNIF.text(), "50");
    EXPECT_TRUE(f.CmdOK.enabled());
    EXPECT_EQ(f.Command3D25.foreColor(), Black);
    EXPECT_TRUE(driver.messages().empty());
    expectCleanRun(driver);
}

TEST(Form1Presets, PlfWithoutPairsShowsTheHint)
{
    const std::string hint =
        "You may enter and save COMMONLY USED UNIFORM LOADS that will appear when you click this button.  To "
        "record your loads, go to OPTIONS on the menu bar, select SET DEFAULTS, and enter up to five pairs "
        "of "
        "live and total loads.\r\rAn example for common floor loads might be 40 pounds live load and 50 "
        "pounds "
        "total load.\rBy repeatedly clicking the 'PSF' or 'PLF' buttons next to the uniform loads, you may "
        "cycle through the loads you have entered.";
    // A new settings file leaves the pair boxes empty; a record without pairs shows "0" in them.
    for (bool newSettingsFile : {true, false}) {
        SCOPED_TRACE(newSettingsFile ? "new settings file" : "no pairs set");
        Driver driver;
        auto& f = newSettingsFile ? driver.start<app::Program>().form1
                                  : startWithLoadPairs(driver, {0, 0, 0, 0, 9}, {0, 0, 0, 0, 9}).form1;
        driver.click(f.PLFspin);
        EXPECT_EQ(f.LUNIF.text(), "");
        EXPECT_EQ(f.UNIF.text(), "");
        ASSERT_EQ(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text, hint);
        EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Information);
        EXPECT_EQ(driver.messages()[0].title, "Korvanta");
        // The psf button gives no hint.
        driver.click(f.Command1);
        EXPECT_EQ(driver.messages().size(), 1u);
        expectCleanRun(driver);
    }
}

TEST(Form1Tributary, MultiplyAndInsertWritesTheUniformLoad)
{
    Driver driver;
    auto& f = driver.start<app::Program>().form1;
    driver.retype(f.Text1, "40");
    driver.retype(f.Text2, "50");
    driver.retype(f.Tribute, "2.5");
    EXPECT_FALSE(f.CmdOK.enabled());
    EXPECT_EQ(f.Command3D25.foreColor(), DarkRed);

    driver.click(f.Command3D25);
    EXPECT_EQ(f.LUNIF.text(), "100");
    EXPECT_EQ(f.UNIF.text(), "125");
    EXPECT_TRUE(f.CmdOK.enabled());
    EXPECT_EQ(f.Command3D25.foreColor(), Black);

    // An empty live psf gives no live load.
    driver.retype(f.Text1, "");
    driver.retype(f.Tribute, "1.5");
    driver.click(f.Command3D25);
    EXPECT_EQ(f.LUNIF.text(), "");
    EXPECT_EQ(f.UNIF.text(), "75");
    EXPECT_TRUE(driver.messages().empty());
    expectCleanRun(driver);
}

TEST(Form1Tributary, RefusalsNameTheBoxAndKeepTheUniformLoad)
{
    struct Case
    {
        const char* live;
        const char* total;
        const char* width;
        const char* message;
        const char* focus;
    };
    const Case cases[] = {
        {"40", "50", "", " Please enter a tributary length in feet.", "Tribute"},
        {"40", "", "2", " Please enter a total load (LL+DL) in PSF.", "Text2"},
        {"60", "50", "2",
         "Your Live Load entry is greater than your total load (LL+DL) entry.  Please adjust as necessary.",
         "Text2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Driver driver;
        auto& f = driver.start<app::Program>().form1;
        driver.retype(f.UNIF, "300");
        driver.retype(f.LUNIF, "200");
        driver.retype(f.Text1, c.live);
        driver.retype(f.Text2, c.total);
        driver.retype(f.Tribute, c.width);
        driver.click(f.Command3D25);
        ASSERT_EQ(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text, c.message);
        EXPECT_EQ(driver.messages()[0].title, "Korvanta");
        EXPECT_EQ(driver.runtime().focusedControl()->name(), c.focus);
        EXPECT_EQ(f.UNIF.text(), "300");
        EXPECT_EQ(f.LUNIF.text(), "200");
        EXPECT_FALSE(f.CmdOK.enabled());
        expectCleanRun(driver);
    }
}

TEST(Form1Tributary, ClearEmptiesTheRowAndResetsTheGate)
{
    Driver driver;
    auto& f = driver.start<app::Program>().form1;
    driver.retype(f.UNIF, "300");
    driver.retype(f.Text1, "40");
    driver.retype(f.Text2, "50");
    driver.retype(f.Tribute, "2");
    driver.click(f.ClearTribButton);
    for (platform::TextBox* box : {&f.Text1, &f.Text2, &f.Tribute}) {
        EXPECT_EQ(box->text(), "") << box->name();
    }
    EXPECT_EQ(f.UNIF.text(), "300");
    EXPECT_TRUE(f.CmdOK.enabled());
    EXPECT_EQ(f.Command3D25.foreColor(), Black);
    expectCleanRun(driver);
}

TEST(Form1PsfCalculator, MultiplyAndInsertFillsOnlyRowsWithAWidthAndALoad)
{
    Driver driver;
    auto& f = driver.start<app::Program>().form1;
    driver.retype(f.PAR(1), "99");
    driver.retype(f.LPAR(2), "7");
    driver.retype(f.BEGP(0), "2");
    driver.click(f.Command3D23);
    ASSERT_TRUE(f.FramePSF.visible());

    driver.retype(f.LPSF(0), "10");
    driver.retype(f.PSF(0), "20");
    driver.retype(f.TribPSF(0), "3");
    driver.retype(f.PSF(1), "15"); // no width: row 1 stays as it is
    driver.retype(f.PSF(2), "12.5");
    driver.retype(f.TribPSF(2), "2"); // no live psf: LPAR(2) stays
    EXPECT_FALSE(f.CmdOK.enabled());

    driver.click(f.Command3D21);
    EXPECT_EQ(f.PAR(0).text(), "60");
    EXPECT_EQ(f.LPAR(0).text(), "30");
    EXPECT_EQ(f.BEGP(0).text(), "2");
    EXPECT_EQ(f.PAR(1).text(), "99");
    EXPECT_EQ(f.PAR(2).text(), "25");
    EXPECT_EQ(f.LPAR(2).text(), "7");
    EXPECT_FALSE(f.FramePSF.visible());
    EXPECT_TRUE(f.CmdOK.enabled());
    expectCleanRun(driver);
}

TEST(Form1PsfCalculator, ButtonTogglesTheFrameAndClearEmptiesTheRows)
{
    Driver driver;
    auto& f = driver.start<app::Program>().form1;
    driver.click(f.Command3D23);
    EXPECT_TRUE(f.FramePSF.visible());
    driver.click(f.Command3D23);
    EXPECT_FALSE(f.FramePSF.visible());

    driver.click(f.Command3D23);
    driver.retype(f.PSF(4), "20");
    driver.retype(f.LPSF(3), "10");
    driver.retype(f.TribPSF(0), "2");
    driver.click(f.Command3D22);
    for (int i = 0; i <= 4; ++i) {
        EXPECT_EQ(f.PSF(i).text(), "") << i;
        EXPECT_EQ(f.LPSF(i).text(), "") << i;
        EXPECT_EQ(f.TribPSF(i).text(), "") << i;
    }
    EXPECT_FALSE(f.FramePSF.visible());
    EXPECT_TRUE(f.CmdOK.enabled());
    EXPECT_TRUE(driver.messages().empty());
    expectCleanRun(driver);
}

// The hips and valleys case with the roof entries of a member, as typed after choosing the case.
app::Form1& hipEntries(Driver& driver, app::Program& program, const char* totalPsf, const char* livePsf)
{
    auto& f = program.form1;
    driver.click(f.IncButton);
    driver.retype(f.Trib1, "10");
    driver.retype(f.Trib2, "10");
    driver.retype(f.IncTL, totalPsf);
    driver.retype(f.IncLL, livePsf);
    return f;
}

TEST(Form1HipsAndValleys, WorksOutTheLoadsAndTheSpan)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = hipEntries(driver, program, "20", "10");
    ASSERT_TRUE(f.CalctheSpan.checked());
    ASSERT_FALSE(f.CmdOK.enabled());
    driver.click(f.IncCalcButton);

    // A = 10 x 10 = 100 sq ft; two of the four areas: k = 0.5; the span is the diagonal, in single precision.
    const double spanFt = std::sqrt(200.0f);
    EXPECT_EQ(program.beam.loads.IncTLTotal, 1000.0f);
    EXPECT_EQ(program.beam.loads.IncLLTotal, 500.0f);
    EXPECT_EQ(program.beam.loads.SlopeFactor, 1.0f);
    EXPECT_EQ(f.Span.text(), "14.14");
    EXPECT_NEAR(valueOf(f.UNIF), 1000 * 1.0264 / static_cast<float>(spanFt), 1e-9); // about 72.58
    EXPECT_NEAR(valueOf(f.LUNIF), 500 * 1.0264 / static_cast<float>(spanFt), 1e-9); // about 36.29
    EXPECT_EQ(program.state.IncTLEntered, 20.0f);
    EXPECT_TRUE(f.CmdOK.enabled());
    EXPECT_EQ(driver.runtime().focusedControl(), &f.CmdOK);
    EXPECT_EQ(program.state.ChangeGuard, 0);
    EXPECT_TRUE(driver.messages().empty());
    EXPECT_EQ(driver.beeps(), 0);
    expectCleanRun(driver);
}

TEST(Form1HipsAndValleys, NormalUniformLoadsAddToTheEquivalentLoads)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = hipEntries(driver, program, "20", "10");
    driver.retype(f.IncUnifTL, "30");
    driver.retype(f.IncUnifLL, "10");
    driver.click(f.Areas(2)); // three areas: k = 0.75
    driver.click(f.IncCalcButton);
    EXPECT_EQ(program.beam.loads.IncTLTotal, 1500.0f);
    EXPECT_NEAR(valueOf(f.UNIF), 1500 * 1.0264 / std::sqrt(200.0f) + 30, 1e-4);
    EXPECT_NEAR(valueOf(f.LUNIF), 750 * 1.0264 / std::sqrt(200.0f) + 10, 1e-4);

    // Without a live roof load the live uniform load is not carried into LUNIF either.
    driver.retype(f.IncLL, "");
    driver.click(f.IncCalcButton);
    EXPECT_EQ(program.beam.loads.IncLLTotal, 0.0f);
    EXPECT_EQ(f.LUNIF.text(), "");
    expectCleanRun(driver);
}

TEST(Form1HipsAndValleys, AutoSpanReplacesATypedSpanWithANotice)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = hipEntries(driver, program, "20", "10");
    driver.retype(f.Span, "12");
    driver.click(f.IncCalcButton);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, "The Span Auto-calc feature is currently selected. Korvanta is "
                                         "replacing your previous Span entry with our calculated Span...");
    EXPECT_EQ(f.Span.text(), "14.14");
    EXPECT_EQ(driver.beeps(), 0);

    // The span now matches, so a second run says nothing; without auto span the typed span is used.
    driver.click(f.IncCalcButton);
    EXPECT_EQ(driver.messages().size(), 1u);
    driver.click(f.CalctheSpan);
    driver.retype(f.Span, "20");
    driver.click(f.IncCalcButton);
    EXPECT_EQ(f.Span.text(), "20");
    EXPECT_NEAR(valueOf(f.UNIF), 1000 * 1.0264 / 20, 1e-9);
    expectCleanRun(driver);
}

TEST(Form1HipsAndValleys, SlopeScalesTheDeadLoadOnce)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = hipEntries(driver, program, "20", "10");
    driver.retype(f.IncUnifTL, "30");
    driver.retype(f.IncUnifLL, "10");
    driver.click(f.Roofbutton);
    driver.retype(f.Pitchtext, "12"); // 45 degrees: the sloped length is the span x 1.41421
    driver.click(f.IncCalcButton);

    EXPECT_NEAR(program.beam.loads.SlopeFactor, std::sqrt(2.0), 1e-6);
    EXPECT_EQ(f.IncTL.text(), "24.14");     // 10 + 10 x 1.41421
    EXPECT_EQ(f.IncUnifTL.text(), "38.28"); // 10 + 20 x 1.41421
    EXPECT_EQ(program.state.IncTLEntered, 20.0f);
    EXPECT_EQ(program.state.IncUnifTLEntered, 30.0f);
    EXPECT_NEAR(program.beam.loads.IncTLTotal, 24.14f * 50, 1e-3);
    EXPECT_FALSE(f.IncCalcButton.enabled());

    // Only a change of the total loads opens the button again.
    driver.retype(f.IncTL, "20");
    EXPECT_TRUE(f.IncCalcButton.enabled());
    expectCleanRun(driver);
}

TEST(Form1HipsAndValleys, RefusalsReleaseTheChangeGuard)
{
    struct Case
    {
        const char* name;
        void (*prepare)(Driver&, app::Form1&);
        const char* message;
        const char* focus;
    };
    const Case cases[] = {
        {"no total load", [](Driver& d, app::Form1& f) { d.retype(f.IncTL, ""); },
         "Please enter a total (Live + Dead) load in PSF.", "IncTL"},
        {"slope without live load",
         [](Driver& d, app::Form1& f) {
             d.retype(f.IncLL, "");
             d.click(f.Roofbutton);
         },
         "The Roof Slope Adjustment is checked. Please enter the Live Load in PSF so Korvanta can complete "
         "the "
         "calculation.",
         "IncLL"},
        {"no tributary length", [](Driver& d, app::Form1& f) { d.retype(f.Trib2, ""); },
         "Please enter distances (lengths) for the tributary area calculation.", "Trib1"},
        {"no span",
         [](Driver& d, app::Form1& f) {
             d.click(f.CalctheSpan);
             d.retype(f.Span, "");
         },
         "Please enter a Span or select the Span Auto-calc feature.", "Span"},
        {"no area",
         [](Driver& d, app::Form1& f) {
             d.click(f.Areas(0));
             d.click(f.Areas(1));
         },
         " Please select at least one 'area' on roof plan diagram to be include in the area calculation. The "
         "white squares are checkboxes and at least one must be 'checked'.",
         "Areas"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Driver driver;
        auto& program = driver.start<app::Program>();
        auto& f = hipEntries(driver, program, "20", "10");
        c.prepare(driver, f);
        driver.clearMessages();
        const int beeps = driver.beeps();

        driver.click(f.IncCalcButton);
        ASSERT_EQ(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text, c.message);
        EXPECT_EQ(driver.messages()[0].title, "Korvanta");
        EXPECT_EQ(driver.beeps(), beeps + 1);
        EXPECT_EQ(driver.runtime().focusedControl()->name(), c.focus);
        EXPECT_EQ(f.UNIF.text() + f.LUNIF.text(), "");
        EXPECT_FALSE(f.CmdOK.enabled());

        // The guard is free again: an edit after the refusal invalidates a selection.
        EXPECT_EQ(program.state.ChangeGuard, 0);
        program.state.SelectionStatus = "OK";
        driver.retype(f.Trib1, "12");
        EXPECT_EQ(program.state.SelectionStatus, "");
        expectCleanRun(driver);
    }
}

TEST(Form1LoadClearing, LettersEmptyTheirLoad)
{
    struct Case
    {
        const char* name;
        platform::Label& (*letter)(app::Form1&);
        std::vector<platform::TextBox*> (*emptied)(app::Form1&);
        std::vector<platform::TextBox*> (*kept)(app::Form1&);
    };
    const Case cases[] = {
        {"A of the uniform load", [](app::Form1& f) -> platform::Label& { return f.Label35; },
         [](app::Form1& f) {
             return std::vector{&f.LUNIF, &f.UNIF, &f.Text1, &f.Text2, &f.Tribute};
         },
         [](app::Form1& f) {
             return std::vector{&f.PT(2), &f.PAR(2)};
         }},
        {"A of the tributary calculator", [](app::Form1& f) -> platform::Label& { return f.Label36; },
         [](app::Form1& f) {
             return std::vector{&f.Text1, &f.Text2, &f.Tribute};
         },
         [](app::Form1& f) {
             return std::vector{&f.LUNIF, &f.UNIF};
         }},
        {"D", [](app::Form1& f) -> platform::Label& { return f.Labl20(2); },
         [](app::Form1& f) {
             return std::vector{&f.LPT(2), &f.PT(2), &f.DIS(2)};
         },
         [](app::Form1& f) {
             return std::vector{&f.PT(1), &f.UNIF, &f.PAR(2)};
         }},
        {"J", [](app::Form1& f) -> platform::Label& { return f.Labl21(8); },
         [](app::Form1& f) {
             return std::vector{&f.LPAR(2), &f.PAR(2), &f.BEGP(2), &f.ENDP(2)};
         },
         [](app::Form1& f) {
             return std::vector{&f.PAR(1), &f.PT(2)};
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Driver driver;
        auto& f = driver.start<app::Program>().form1;
        for (platform::TextBox* box :
             {&f.LUNIF, &f.UNIF, &f.Text1, &f.Text2, &f.Tribute, &f.LPT(2), &f.PT(1), &f.PT(2), &f.DIS(2),
              &f.LPAR(2), &f.PAR(1), &f.PAR(2), &f.BEGP(2), &f.ENDP(2)}) {
            driver.retype(*box, "5");
        }
        driver.click(c.letter(f));
        for (platform::TextBox* box : c.emptied(f)) {
            EXPECT_EQ(box->text(), "") << box->name();
        }
        for (platform::TextBox* box : c.kept(f)) {
            EXPECT_EQ(box->text(), "5") << box->name();
        }
        expectCleanRun(driver);
    }
}

TEST(Form1LoadClearing, LettersAndFramesLeaveTheGateAsSpecified)
{
    Driver driver;
    auto& f = driver.start<app::Program>().form1;
    // The point and partial letters open "OK Calculate" after a psf entry closed it.
    driver.retype(f.Text1, "40");
    ASSERT_FALSE(f.CmdOK.enabled());
    driver.click(f.Labl20(0));
    EXPECT_TRUE(f.CmdOK.enabled());
    driver.retype(f.Text1, "40");
    driver.click(f.Labl21(6));
    EXPECT_TRUE(f.CmdOK.enabled());

    // The tributary letter leaves it to the entry rules: emptying the psf row closes it and reddens the
    // transfer button; the uniform frame opens it and turns the button black.
    driver.retype(f.UNIF, "100");
    ASSERT_TRUE(f.CmdOK.enabled());
    driver.click(f.Label36);
    EXPECT_FALSE(f.CmdOK.enabled());
    EXPECT_EQ(f.Command3D25.foreColor(), DarkRed);
    driver.doubleClick(f.Frame3D5);
    EXPECT_TRUE(f.CmdOK.enabled());
    EXPECT_EQ(f.Command3D25.foreColor(), Black);
    expectCleanRun(driver);
}

TEST(Form1LoadClearing, FrameDoubleClicksEmptyTheirGroup)
{
    Driver driver;
    auto& f = driver.start<app::Program>().form1;
    for (int i = 0; i <= 5; ++i) {
        driver.retype(f.PT(i), "100");
        driver.retype(f.LPT(i), "50");
        driver.retype(f.DIS(i), "2");
    }
    for (int i = 0; i <= 4; ++i) {
        driver.retype(f.PAR(i), "100");
        driver.retype(f.ENDP(i), "3");
    }
    driver.retype(f.UNIF, "300");
    driver.doubleClick(f.Frame3D3);
    for (int i = 0; i <= 5; ++i) {
        EXPECT_EQ(f.PT(i).text() + f.LPT(i).text() + f.DIS(i).text(), "") << i;
    }
    EXPECT_EQ(f.PAR(0).text(), "100");

    driver.click(f.Command3D23);
    driver.retype(f.PSF(1), "20");
    driver.retype(f.TribPSF(1), "2");
    driver.doubleClick(f.FramePSF);
    EXPECT_EQ(f.PSF(1).text() + f.TribPSF(1).text(), "");
    EXPECT_FALSE(f.CmdOK.enabled()); // the psf row's entry rules closed it; this frame sets nothing more

    driver.retype(f.PSF(3), "20");
    driver.doubleClick(f.Frame3D4);
    for (int i = 0; i <= 4; ++i) {
        EXPECT_EQ(f.PAR(i).text() + f.ENDP(i).text() + f.PSF(i).text(), "") << i;
    }
    EXPECT_TRUE(f.CmdOK.enabled());
    EXPECT_EQ(f.UNIF.text(), "300");
    expectCleanRun(driver);
}

TEST(Form1LoadClearing, LetterCaptionChangeInvalidatesTheSelectionUnlessGuarded)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    program.state.SelectionStatus = "OK";
    program.state.ChangeGuard = -1;
    program.form1.Labl20(1).setCaption("X");
    EXPECT_EQ(program.state.SelectionStatus, "OK");
    program.state.ChangeGuard = 0;
    program.form1.Labl21(7).setCaption("Y");
    EXPECT_EQ(program.state.SelectionStatus, "");
    EXPECT_EQ(program.form1.SavePanel.caption(), "   Selection:  None");
    expectCleanRun(driver);
}

} // namespace
