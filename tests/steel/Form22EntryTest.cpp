// The steel selection form's "OK Test", quick-pick click, messages, menus and close box, and the two
// faults of a kept form: quick picks left from an earlier beam, and a stepped size that fails.
#include "app/Form1.h"
#include "app/Form12.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "platform/forms/Runtime.h"
#include "platform/headless/Driver.h"
#include "report/Form5.h"
#include "report/Form6.h"
#include "report/Form7.h"
#include "steel/Form22.h"
#include "steel/SteelChecks.h"
#include "steel/SteelState.h"

#include <gtest/gtest.h>
#include <string>

namespace
{

using platform::test::Driver;

// clang-format off
constexpr const char* NotFound =
    "Your Steel selection does not match any sizes in the Korvanta database for this steel shape or the size "
    "you have entered is not in the correct format.\r\r"
    "Examples: (Note the location of the spaces and 'x')\r\r"
    "\tW 12x 30\r\tS 8x 18.4\r\tC 7x 9.8\r\tT 10x 5x 1/2\r\r"
    "Click the DATABASE button to see the steel sizes available in the database for this shape. You may "
    "enter any size listed in the database.";
// clang-format on
constexpr const char* TooLarge =
    "Proposed Unbraced length for Lc or Lu is too large.  Please select another size or adjust the unbraced "
    "length.  Korvanta does not compute the special anaylsis required for members with an unbraced length "
    "greater than Lu.";

class Form22Entry : public testing::Test
{
  protected:
    void calculate(const char* span, const char* unif, const char* ubl, bool selectionShown = true)
    {
        driver.choose(form1.Combo1, "Steel Beams");
        driver.retype(form1.Span, span);
        driver.retype(form1.UNIF, unif);
        driver.retype(form1.LUNIF, "50");
        if (form1.UBLtext.enabled()) { // tubes and plates fix their own bracing
            driver.retype(form1.UBLtext, ubl);
        }
        driver.click(form1.CmdOK);
        ASSERT_EQ(form22.visible(), selectionShown);
    }

    void test(const char* designation)
    {
        driver.retype(form22.StlChoice, designation);
        driver.click(form22.CmdOK);
    }

    std::string shown()
    {
        std::string all;
        for (const auto& m : driver.messages()) {
            all += "[" + m.title + "] " + m.text + "\n";
        }
        return all;
    }

    Driver driver;
    app::Program& program = driver.start<app::Program>();
    app::Form1& form1 = program.form1;
    steel::Form22& form22 = program.form22;
};

// W 12x 30 on 10 ft, 100 plf, braced: w = 30 plf; M = 1,250 + 30 x 100 / 8 = 1,625 ft-lb; R1 = 500 + 150
// = 650 lb; Lb 0 <= Lc 6.9 gives 0.66 Fy = 23,760 psi and S66 = 1,625 x 12 / 23,760 = 0.8207 in^3; shear
// area 12.34 x 0.26 = 3.2084 in^2, fv = 650 / 3.2084 = 202.6 psi; V / 14,400 = 0.04514 in^2.
TEST_F(Form22Entry, TypedSizeIsCheckedAndReported)
{
    calculate("10", "100", "0");
    test("W 12x 30");
    EXPECT_TRUE(driver.messages().empty()) << shown();
    EXPECT_FALSE(form22.visible());
    EXPECT_TRUE(program.form5.visible());
    const beam::MemberUnderTest& m = program.beam.member;
    EXPECT_EQ(program.steel.SteelSelection, "W 12x 30");
    EXPECT_EQ(program.steel.StlBreadthText, "6-1/2");
    EXPECT_EQ(program.steel.StlDepthText, "12-3/8");
    EXPECT_EQ(m.SelfWeight, 30);
    EXPECT_EQ(program.steel.results.BeamWeight, 300);
    EXPECT_EQ(m.MaxMoment, 1625);
    EXPECT_EQ(m.R1TL, 650);
    EXPECT_EQ(m.R2TL, 650);
    EXPECT_EQ(m.Fb, 36000);
    EXPECT_EQ(m.FbAdj, 23760);
    EXPECT_EQ(m.FvAdj, 14400);
    EXPECT_EQ(program.steel.results.StlLcGoverns, -1);
    EXPECT_EQ(program.steel.results.StlLuGoverns, 0);
    EXPECT_EQ(program.steel.results.StlUnbracedText, "Lc = 6.9 ft");
    EXPECT_NEAR(program.beam.shear.SectionModulusReq, 0.8207, 1e-4);
    EXPECT_EQ(m.SectionModulus, 38.6f);
    EXPECT_EQ(program.beam.shear.ShearV, 650);
    EXPECT_NEAR(m.ShearArea, 3.2084, 1e-4);
    EXPECT_NEAR(program.beam.shear.ShearStress, 202.59, 0.01);
    EXPECT_NEAR(program.beam.shear.ShearAreaReq, 0.04514, 1e-5);
    EXPECT_EQ(m.MomentOfInertia, 238);
    EXPECT_EQ(m.EAdj, 29.0f);
    // Deflections with E = 29.0 million psi and no creep on the dead load: 0.013 x 120^3 x (130 x 10) /
    // (29e6 x 238) = 0.0042311 in. against 120 / 240 = 0.5; live 0.013 x 120^3 x 500 / 6.902e9 =
    // 0.0016274 in. against 120 / 360.
    const beam::DeflectionResults& d = program.beam.deflection;
    EXPECT_NEAR(d.TLDefl, 0.0042311, 1e-7);
    EXPECT_EQ(d.TLDeflAllow, 0.5f);
    EXPECT_NEAR(d.LLDefl, 0.0016274, 1e-7);
    EXPECT_NEAR(d.LLDeflAllow, 1.0 / 3, 1e-6);
    EXPECT_EQ(d.OHTLDeflAllow, 0);
}

TEST_F(Form22Entry, SizesNotInTheFamilyAreNotFound)
{
    calculate("10", "100", "0");
    for (const char* typed : {"W12x 30", "W 12 x 30", "w 12x 30", "W 12x 30 ", "S 8x 18.4", ""}) {
        driver.clearMessages();
        const int beeps = driver.beeps();
        test(typed);
        ASSERT_EQ(driver.messages().size(), 1u) << typed;
        EXPECT_EQ(driver.messages()[0].text, NotFound);
        EXPECT_EQ(driver.messages()[0].title, "Korvanta");
        EXPECT_EQ(driver.beeps(), beeps + 1);
        EXPECT_TRUE(form22.visible());
        EXPECT_EQ(program.steel.SteelSelection, typed);
    }
}

// W 6x 9 has Lu 6.7 ft at 36 ksi: an unbraced length of 30 ft is beyond it.
TEST_F(Form22Entry, UnbracedLengthBeyondLuIsRefused)
{
    calculate("40", "100", "30");
    EXPECT_EQ(form22.StlPanel.caption(), "Proposed Max Unbraced Length is 30 ft");
    test("W 6x 9");
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, TooLarge);
    EXPECT_TRUE(form22.visible());
    EXPECT_FALSE(program.form5.visible());
    EXPECT_EQ(program.steel.results.StlLcGoverns, 0);
    EXPECT_EQ(program.steel.results.StlLuGoverns, 0);
    EXPECT_EQ(program.steel.SteelSelection, "W 6x 9");
}

TEST_F(Form22Entry, QuickPickClickFillsTheEntryBox)
{
    calculate("10", "100", "0");
    driver.click(form22.StlPick(2));
    EXPECT_EQ(form22.StlChoice.text(), "W 6x 12");
    EXPECT_EQ(program.steel.StlBreadthText, "4");
    EXPECT_EQ(program.steel.StlDepthText, "6");
    EXPECT_EQ(program.runtime.activeControl(), &form22.CmdOK);
    driver.click(form22.CmdOK);
    EXPECT_TRUE(program.form5.visible());
    EXPECT_EQ(program.beam.member.SelfWeight, 12);
}

// A span of 10 ft under 200,000 plf: no W shape passes.
TEST_F(Form22Entry, NoPassingSizeIsReported)
{
    calculate("10", "200000", "0");
    EXPECT_EQ(form22.StlPick(0).caption(), "");
    EXPECT_EQ(form22.StlStatis.caption(), "No beams from the database meet the requirements");
    EXPECT_FALSE(form22.Morebutton.enabled());
}

TEST_F(Form22Entry, DatabaseAndHelpMessages)
{
    calculate("10", "100", "0");
    driver.click(form22.Steeldatabasecmd);
    ASSERT_EQ(driver.messages().size(), 1u);
    const platform::test::ShownMessage& listing = driver.messages()[0];
    EXPECT_EQ(listing.title, "Korvanta Steel Database");
    EXPECT_EQ(listing.icon, platform::Icon::Information);
    EXPECT_EQ(listing.text.rfind(
                  "Wide Flange Steel database sizes in Korvanta:\rW 5x 16,19 \rW 6x 9,12,15,16,20,25 "
                  "\r",
                  0),
              0u);
    EXPECT_EQ(listing.text.find("W 4x"), std::string::npos);
    EXPECT_NE(listing.text.find("\rW 24x 55,62,68,76,84,94,104,117,131,146,162,176,192,\r"),
              std::string::npos);
    driver.click(form22.Command3D1);
    EXPECT_EQ(driver.messages()[1].title, "Korvanta");
    EXPECT_EQ(driver.messages()[1].text.rfind("Lc and Lu lengths:\r\rW and S shapes are tested", 0), 0u);
    driver.click(form22.Command3D2);
    EXPECT_NE(driver.messages()[2].text.find("\r\r(2) PL 9x 1/2  '(Quantity > 1) x Depth x Thickness'"),
              std::string::npos);
}

TEST_F(Form22Entry, CriteriaAndBackMenusUnloadTheSelectionAndReport)
{
    calculate("10", "100", "0");
    test("W 12x 30");
    ASSERT_TRUE(program.form5.loaded());
    driver.runtime().dispatch([&] { form22.show(); }); // as the report's Back menu will
    driver.menu(form22.MnuCriteria);
    EXPECT_TRUE(form1.visible());
    EXPECT_FALSE(form22.loaded());
    EXPECT_FALSE(program.form5.loaded());

    driver.click(form1.CmdOK);
    ASSERT_TRUE(form22.visible());
    EXPECT_EQ(form22.StlPick(0).caption(), "W 6x 9"); // a fresh form searches again
    driver.menu(form22.backmnu);
    EXPECT_TRUE(form1.visible());
    EXPECT_FALSE(form22.loaded());
}

TEST_F(Form22Entry, HelpReturnsToTheSameQuickPicks)
{
    calculate("10", "100", "0");
    driver.click(form22.Morebutton);
    driver.menu(form22.MnuHelp);
    EXPECT_TRUE(program.form12.visible());
    EXPECT_FALSE(form22.visible());
    EXPECT_EQ(program.state.HelpReturnForm, "Form22");
    driver.menu(program.form12.MnuExit);
    EXPECT_TRUE(form22.visible());
    EXPECT_EQ(form22.StlPick(0).caption(), "W 10x 15"); // still the second page: pick 8
    EXPECT_FALSE(form22.Morebutton.enabled());
}

TEST_F(Form22Entry, ExitMenuAndCloseBoxAskTheExitQuestion)
{
    calculate("10", "100", "0");
    driver.answerMessage(platform::MsgResult::Cancel);
    driver.menu(form22.MnuExit);
    driver.answerMessage(platform::MsgResult::Cancel);
    driver.closeBox(form22);
    ASSERT_EQ(driver.messages().size(), 2u) << shown();
    EXPECT_NE(driver.messages()[0].text.find("Do you wish to exit Korvanta?"), std::string::npos);
    EXPECT_FALSE(driver.ended());
    EXPECT_TRUE(form22.visible());
    driver.closeBox(form22);
    EXPECT_TRUE(driver.ended());
}

// Another "OK Calculate" while Form22 stays loaded: the quick picks are searched again for the new
// beam, and a typed size is checked with the new span. 20 ft under 2,000 plf needs S66 = 2,000 x 20^2
// / 8 x 12 / 23,760 = 50.5 in^3 before self weight, which no shape of the first picks has.
TEST_F(Form22Entry, AnotherCalculationSearchesAgain)
{
    calculate("10", "100", "0");
    ASSERT_EQ(form22.StlPick(0).caption(), "W 6x 9");
    driver.click(form22.Morebutton);
    driver.runtime().dispatch([&] {
        form1.show();
        form22.hide();
    });
    driver.retype(form1.Span, "20");
    driver.retype(form1.UNIF, "2000");
    driver.click(form1.CmdOK);
    ASSERT_TRUE(form22.visible());
    EXPECT_NE(form22.StlPick(0).caption(), "W 6x 9");
    EXPECT_EQ(program.beam.flags.QuickpickMore, 0);
    EXPECT_FALSE(form22.Backbutton.enabled());
    for (int i = 0; i < steel::QuickPickPage; ++i) {
        EXPECT_EQ(program.steel.QuickpickSaved[i][0], "") << i;
    }
    test("W 12x 30");
    EXPECT_EQ(program.beam.member.SpanLength, 20);
    EXPECT_EQ(program.beam.member.MaxMoment, 100000 + 30 * 400 / 8);
}

TEST_F(Form22Entry, NoSelfWeightLeavesEveryTermOut)
{
    driver.choose(form1.Combo1, "Steel Beams");
    driver.click(form1.NoWeight);
    calculate("10", "100", "0");
    test("W 12x 30");
    EXPECT_EQ(program.beam.member.SelfWeight, 0);
    EXPECT_EQ(program.steel.results.BeamWeight, 0);
    EXPECT_EQ(program.beam.member.MaxMoment, 1250);
    EXPECT_EQ(program.beam.member.R1TL, 500);
}

// Load and print: the stored selection is tested at once.
TEST_F(Form22Entry, AutomaticPrintingTestsTheStoredSelection)
{
    program.state.AutoPrintMode = -1;
    program.steel.SteelSelection = "W 12x 30";
    calculate("10", "100", "0", false);
    // The report passes on to the data record by itself.
    // The report passes on to the data record, which passes on to the report header form to print.
    EXPECT_TRUE(program.form6.loaded());
    EXPECT_TRUE(program.form7.visible());
    EXPECT_EQ(program.beam.member.SelfWeight, 30);
}

// Stepping to the next quick pick: a failed check leaves the entry box, the stepped designation and
// every result of the previous size; a completed one names the new size and gives the same results as
// the same size typed.
TEST_F(Form22Entry, SteppedSizeCommitsOnlyWhenItsCheckCompletes)
{
    calculate("10", "100", "0");
    driver.click(form22.StlPick(0));
    driver.click(form22.CmdOK);
    ASSERT_TRUE(program.form5.visible());
    const beam::BeamState before = program.beam;

    bool stepped = true;
    driver.runtime().dispatch([&] {
        form1.UBLtext.setText("30");
        stepped = steel::StepSteelSize(program, true);
    });
    EXPECT_FALSE(stepped);
    ASSERT_EQ(driver.messages().size(), 1u) << shown();
    EXPECT_EQ(driver.messages()[0].text, TooLarge);
    EXPECT_EQ(form22.StlChoice.text(), "W 6x 9");
    EXPECT_EQ(program.steel.StlStepChoice, "");
    EXPECT_EQ(program.beam.member.SelfWeight, before.member.SelfWeight);
    EXPECT_EQ(program.beam.member.R1TL, before.member.R1TL);
    EXPECT_EQ(program.beam.shear.SectionModulusReq, before.shear.SectionModulusReq);
    EXPECT_EQ(program.beam.deflection.TLDefl, before.deflection.TLDefl);

    driver.runtime().dispatch([&] {
        form1.UBLtext.setText("0");
        stepped = steel::StepSteelSize(program, true);
    });
    EXPECT_TRUE(stepped);
    EXPECT_EQ(form22.StlChoice.text(), "W 8x 10");
    EXPECT_EQ(program.steel.StlStepChoice, "W 8x 10");
    EXPECT_EQ(program.steel.StlDepthText, "7-7/8");
    EXPECT_EQ(program.beam.member.SelfWeight, 10);
    const beam::BeamState steppedState = program.beam;

    driver.clearMessages();
    driver.runtime().dispatch([&] { stepped = steel::SteelCalc(program, "W 99x 1"); });
    EXPECT_FALSE(stepped);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text,
              "Your Steel selection does not match any sizes in the Korvanta database for this steel shape.");
    driver.runtime().dispatch([&] { steel::FoundSteel(program); });
    EXPECT_EQ(program.beam.member.R1TL, steppedState.member.R1TL);
    EXPECT_EQ(program.beam.shear.SectionModulusReq, steppedState.shear.SectionModulusReq);
    EXPECT_EQ(program.beam.shear.ShearStress, steppedState.shear.ShearStress);
    EXPECT_EQ(program.beam.deflection.TLDefl, steppedState.deflection.TLDefl);
}

// The tube placeholder row "xx" is found but has no section: its shear area 0 ends the check.
TEST_F(Form22Entry, SizeWithoutSectionEndsWithTheProcedureError)
{
    driver.choose(form1.Combo1, "Steel Beams");
    driver.click(form1.TUbutton);
    calculate("10", "100", "");
    driver.clearMessages();
    test("xx");
    ASSERT_EQ(driver.messages().size(), 1u) << shown();
    EXPECT_EQ(driver.messages()[0].text, "Error at FoundSteel procedure.");
    EXPECT_TRUE(form22.visible());
    EXPECT_FALSE(program.form5.visible());
    EXPECT_EQ(program.steel.SteelSelection, "xx");
}

// The report's bearing lengths for W 12x 30 (k 0.9375 in.): reactions of 650 lb need no more than k.
// A designation the family does not have leaves the section 0 and the crippling term fails.
TEST_F(Form22Entry, WebBearingOfTheReportedSize)
{
    calculate("10", "100", "0");
    test("W 12x 30");
    driver.runtime().dispatch([&] { steel::CalcWebBearing(program); });
    EXPECT_EQ(program.steel.bearing.BearingLengthR1, 0.9375f);
    EXPECT_EQ(program.steel.bearing.BearingLengthR2, 0.9375f);
    EXPECT_TRUE(driver.messages().empty()) << shown();
    driver.runtime().dispatch([&] {
        form22.StlChoice.setText("W 12x 31");
        steel::CalcWebBearing(program);
    });
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, "Error at web calc");
}

// The selection status line shows the member last selected, with today's date (the driver's clock:
// 5 March 2024).
TEST_F(Form22Entry, SelectionStatusLine)
{
    struct Case
    {
        const char* status;
        const char* caption;
    };
    const Case cases[] = {
        {"OK", " Selection:   W 12x 30   -  Status: OK   -  Date: 3/05/24"},
        {"Fail", " Selection:   W 12x 30   -  Status: Fails   -  Date: 3/05/24"},
    };
    for (const Case& c : cases) {
        Driver d;
        app::Program& p = d.start<app::Program>();
        d.choose(p.form1.Combo1, "Steel Beams");
        d.retype(p.form1.Span, "10");
        d.retype(p.form1.UNIF, "100");
        d.retype(p.form1.LUNIF, "50");
        d.retype(p.form1.UBLtext, "0");
        p.state.SelectionStatus = c.status;
        p.state.SelectionDescription = "W 12x 30";
        d.click(p.form1.CmdOK);
        EXPECT_EQ(p.form22.StlStatis.caption(), c.caption);
    }
}

} // namespace
