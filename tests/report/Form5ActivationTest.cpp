// The report form's activation (step buttons by size and class, overall status, load and print),
// "OK  Select Member", its menus, advice boxes and close box, as the user works them.
#include "ReportFixture.h"
#include "app/Form12.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "report/Form21.h"
#include "report/Form6.h"
#include "report/Form7.h"
#include "scl/Form2.h"
#include "steel/Form22.h"
#include "wood/Form3.h"

namespace reporttest
{
namespace
{

using Form5Activation = ReportTest;
using Form5Menus = ReportTest;

TEST_F(Form5Activation, StepButtonsByTheSizeTablesAndTheClassOverrides)
{
    struct Case
    {
        const char* name;
        const char* breadth;
        const char* depth;
        int group;
        platform::OptionButton scl::Form2::*customClass; // nullptr: the form's design choice
        const char* diameter;                            // nullptr: rectangular
        std::array<bool, 4> enabled;                     // Depth -, Depth +, Breadth -, Breadth +
    };
    const Case cases[] = {
        {"2x by 10", "2x", "10", 0, nullptr, nullptr, steps(true, true, false, true)},
        {"(4) 2x by 4", "(4) 2x", "4", 0, nullptr, nullptr, steps(false, true, true, false)},
        {"(4) 2x by 10", "(4) 2x", "10", 0, nullptr, nullptr, steps(true, true, true, true)},
        {"(4) 2x of Southern Pine", "(4) 2x", "10", 5, nullptr, nullptr, steps(true, true, true, false)},
        {"6x of Southern Pine", "6x", "10", 5, nullptr, nullptr, steps(true, true, false, true)},
        {"14x by 14", "14x", "14", 0, nullptr, nullptr, steps(false, true, true, false)},
        {"2x by 14", "2x", "14", 0, nullptr, nullptr, steps(true, false, false, true)},
        {"(3) 2x by 14", "(3) 2x", "14", 0, nullptr, nullptr, steps(true, false, true, true)},
        {"4x by 14", "4x", "14", 0, nullptr, nullptr, steps(true, true, true, true)},
        {"6x by 16", "6x", "16", 0, nullptr, nullptr, steps(true, false, false, true)},
        {"glu-lam 10-3/4x by 30-1/4", "10-3/4x", "30-1/4", 0, nullptr, nullptr,
         steps(true, false, true, false)},
        {"exact text only", "2X", "9-5/8 ", 0, nullptr, nullptr, steps(true, true, true, true)},
        {"SCL with empty boxes", "", "", 7, nullptr, nullptr, steps(true, true, true, true)},
        {"custom 4x class", "(2) 2x", "10", 8, &scl::Form2::Wid4x, nullptr, steps(true, true, false, false)},
        {"custom 2x class at 2x", "2x", "10", 8, &scl::Form2::Wid2x, nullptr, steps(true, true, false, true)},
        {"custom headers at 3-1/2x", "3-1/2x", "12", 8, &scl::Form2::WidGLBHDR, nullptr,
         steps(true, true, false, true)},
        {"custom headers at 5-1/2x", "5-1/2x", "12", 8, &scl::Form2::WidGLBHDR, nullptr,
         steps(true, true, true, false)},
        {"round 35", "", "", 8, nullptr, "35", steps(true, true, false, false)},
        {"round 36", "", "", 8, nullptr, "36", steps(true, false, false, false)},
        {"round 6", "", "", 8, nullptr, "6", steps(true, true, false, false)},
        {"round 5.5", "", "", 8, nullptr, "5.5", steps(false, true, false, false)},
        {"round, no diameter", "", "", 8, nullptr, "", steps(false, true, false, false)},
        {"sawn after a round member", "2x", "10", 0, nullptr, "40", steps(true, true, false, true)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        programDoes([&] {
            f5.unload();
            f1.group(c.group).setValue(true);
            scl::Form2& f2 = program.form2;
            (f2.*(c.customClass != nullptr ? c.customClass : &scl::Form2::Wid2x)).setValue(true);
            f2.Roundoption.setValue(c.diameter != nullptr);
            f2.Rectoption.setValue(c.diameter == nullptr);
            f2.Diam.setText(c.diameter != nullptr ? c.diameter : "");
        });
        woodMember(c.breadth, c.depth);
        showReport();
        EXPECT_EQ(stepsEnabled(), c.enabled);
        EXPECT_TRUE(f5.CmdNextSize.visible());
        EXPECT_FALSE(f5.StlBack.visible());
        EXPECT_FALSE(f5.StlForward.visible());
    }
    expectCleanRun();
}

TEST_F(Form5Activation, SteelDisablesPreviousAndNextAtTheEndsOfTheQuickPicks)
{
    struct Case
    {
        const char* choice;
        bool back, forward;
    };
    const Case cases[] = {{"W 8x 10", false, true},
                          {"W 10x 12", true, true},
                          {"W 18x 35", true, false},
                          {"W 14x 99", true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.choice);
        programDoes([&] {
            f5.unload();
            f1.group(9).setValue(true);
            steel::Form22& f22 = program.form22;
            for (int i = 0; i <= 15; ++i) {
                f22.StlPick(i).setCaption(i == 0    ? "W 8x 10"
                                          : i == 15 ? "W 18x 35"
                                                    : "W 10x " + std::to_string(12 + i));
            }
            f22.StlPick(1).setCaption("W 10x 12");
            f22.StlChoice.setText(c.choice);
        });
        showReport();
        EXPECT_EQ(f5.StlBack.enabled(), c.back);
        EXPECT_EQ(f5.StlForward.enabled(), c.forward);
        EXPECT_TRUE(f5.StlBack.visible());
        EXPECT_FALSE(f5.CmdNextWidth.visible());
    }
}

TEST_F(Form5Activation, OverallStatusFromTheSixPanelsAsBackLeavesThem)
{
    struct Case
    {
        const char* sec;
        const char* other; // caption of the overhang live-load panel
        const char* status;
    };
    const Case cases[] = {
        {"", "", ""}, {"", "OK", ""}, {"", "Fail", "Fail"}, {"OK", "OK", "OK"}, {"OK", "Fail", "Fail"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "'" << c.sec << "' '" << c.other << "'");
        woodMember("2x", "10");
        showReport();
        programDoes([&] {
            for (platform::Panel* p :
                 {&f5.SecStatus, &f5.ShearStatus, &f5.DeflStatus, &f5.LDeflStatus, &f5.OHDeflStatus}) {
                p->setCaption(p == &f5.SecStatus ? c.sec : "");
            }
            f5.OHLDeflStatus.setCaption(c.other);
        });
        driver.menu(f5.backmnu);
        EXPECT_EQ(program.state.SelectionStatus, c.status);
    }
}

TEST_F(Form5Activation, LoadAndPrintPassesOnToTheDataRecordAfterTheStatus)
{
    program.beam.member.SectionModulus = 10; // fails bending
    woodMember("2x", "10");
    programDoes([&] {
        program.state.AutoPrintMode = -1;
        program.state.RestoreSavedSelection = true;
    });
    showReport();
    EXPECT_EQ(program.state.SelectionStatus, "Fail");
    // The report passes on to the data record, which passes on to the report header form to print.
    EXPECT_TRUE(program.form6.loaded());
    EXPECT_TRUE(program.form7.visible());
    EXPECT_FALSE(f5.visible());
    EXPECT_FALSE(program.state.RestoreSavedSelection);
}

TEST_F(Form5Menus, OkSelectMemberShowsTheDataRecord)
{
    woodMember("2x", "10");
    showReport();
    programDoes([&] { program.state.RestoreSavedSelection = true; });
    driver.click(f5.Command2);
    EXPECT_TRUE(program.form6.visible());
    EXPECT_FALSE(f5.visible());
    EXPECT_FALSE(program.state.RestoreSavedSelection);
    EXPECT_EQ(program.state.ReportShown, -1);
    expectCleanRun();
}

TEST_F(Form5Menus, BackShowsTheSelectionFormOfTheSpeciesGroupAndUnloadsTheReport)
{
    struct Case
    {
        int group;
        platform::Form* selection;
    };
    const Case cases[] = {{0, &program.form3},
                          {5, &program.form3},
                          {7, &program.form2},
                          {8, &program.form2},
                          {9, &program.form22}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.group);
        programDoes([&] {
            f1.group(c.group).setValue(true);
            program.form6.show();
            program.form6.hide();
        });
        showReport();
        driver.menu(f5.MnuBack);
        EXPECT_TRUE(c.selection->visible());
        EXPECT_EQ(driver.activeForm(), c.selection);
        EXPECT_FALSE(f5.loaded());
        EXPECT_FALSE(program.form6.loaded());
        EXPECT_EQ(program.state.BackFromReport, -1);
        programDoes([&] { c.selection->hide(); });
    }
}

TEST_F(Form5Menus, CriteriaUnloadsTheSteelSelectionOnlyForSteel)
{
    for (std::int16_t steelFlag : {0, -1}) {
        SCOPED_TRACE(steelFlag);
        program.beam.flags.SteelBeamFlag = steelFlag;
        programDoes([&] { program.form22.load(); });
        woodMember("2x", "10");
        showReport();
        driver.menu(f5.MnuCriteria);
        EXPECT_EQ(driver.activeForm(), &f1);
        EXPECT_FALSE(f5.loaded());
        EXPECT_EQ(program.form22.loaded(), steelFlag == 0);
        EXPECT_EQ(program.state.SelectionStatus, "OK");
    }
}

TEST_F(Form5Menus, DataRecordAndHelpLeaveTheReportAndComeBack)
{
    woodMember("2x", "10");
    showReport();
    programDoes([&] { program.state.RestoreSavedSelection = true; });
    driver.menu(f5.MnuDataRecord);
    EXPECT_TRUE(program.form6.visible());
    EXPECT_FALSE(f5.visible());
    EXPECT_TRUE(program.state.RestoreSavedSelection);

    programDoes([&] {
        program.form6.hide();
        f5.show();
    });
    driver.menu(f5.MnuHelp);
    EXPECT_EQ(program.state.HelpReturnForm, "Form5");
    EXPECT_FALSE(f5.visible());
    ASSERT_TRUE(program.form12.visible());
    program.beam.member.SectionModulus = 10; // the report is filled again on its return
    driver.menu(program.form12.MnuExit);
    EXPECT_TRUE(f5.visible());
    EXPECT_EQ(f5.SecStatus.caption(), "Fail");
    EXPECT_EQ(program.state.SelectionStatus, "Fail");
    expectCleanRun();
}

TEST_F(Form5Menus, NewAsksToSaveAndAboutTheNotes)
{
    struct Case
    {
        const char* note;
        std::vector<MsgResult> answers;
        bool rebuilt;
        const char* noteAfter;
    };
    const Case cases[] = {
        {"Bolts 1/2 in.", {MsgResult::Yes}, false, "Bolts 1/2 in."},
        {"", {MsgResult::No}, true, ""},
        {"Bolts 1/2 in.", {MsgResult::No, MsgResult::Yes}, true, "Bolts 1/2 in."},
        {"Bolts 1/2 in.", {MsgResult::No, MsgResult::No}, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.answers.size() << " answers, note '" << c.note << "'");
        driver.clearMessages();
        programDoes([&] {
            program.form21.Text3.setText(c.note);
            program.state.ReportNotes[2] = c.note;
            f1.Span.setText("14");
        });
        woodMember("2x", "10");
        showReport();
        for (MsgResult answer : c.answers) {
            driver.answerMessage(answer);
        }
        driver.ctrlKey(f5, 'N');
        ASSERT_EQ(driver.messages().size(), c.answers.size());
        EXPECT_EQ(driver.messages()[0].title, "SAVE YOUR WORK REMINDER");
        EXPECT_EQ(
            driver.messages()[0].text,
            "Starting a new beam calculation removes the current beam data from memory.\r\rIf you have NOT "
            "saved your work, select YES and then save by one of these methods:\r\r1. Print the Data "
            "Record.\r\r2. Copy the Data Record to another application (see Help for this "
            "procedure).\r\r3. Save the Beam Criteria (in Form1) by selecting from the menu, FILE, SAVE "
            "BEAM.\r\r4. Save the Data Record as a text file by selecting from the data record menu, FILE, "
            "SAVE...\r\r        NEED TO SAVE YOUR WORK?");
        EXPECT_EQ(driver.messages()[0].buttons, platform::Buttons::YesNo);
        EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Question);
        if (c.answers.size() > 1) {
            EXPECT_EQ(driver.messages()[1].text, "Do you wish to retain your notes for the next beam?");
            EXPECT_EQ(driver.messages()[1].title, "SAVE YOUR NOTES REMINDER");
        }
        EXPECT_EQ(f5.loaded(), !c.rebuilt);
        EXPECT_EQ(f1.Span.text(), c.rebuilt ? "" : "14");
        EXPECT_EQ(program.form21.Text3.text(), c.noteAfter);
        EXPECT_EQ(program.state.ReportNotes[2], c.noteAfter);
        if (c.rebuilt) {
            EXPECT_EQ(driver.activeForm(), &f1);
        }
    }
    expectCleanRun();
}

TEST_F(Form5Menus, CloseBoxAndExitAskTheExitQuestion)
{
    woodMember("2x", "10");
    showReport();
    driver.answerMessage(MsgResult::Cancel);
    driver.closeBox(f5);
    EXPECT_TRUE(f5.visible());
    EXPECT_FALSE(driver.ended());
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].buttons, platform::Buttons::OKCancel);
    driver.answerMessage(MsgResult::Cancel);
    driver.menu(f5.MnuExit);
    EXPECT_FALSE(driver.ended());
    driver.answerMessage(MsgResult::OK);
    driver.closeBox(f5);
    EXPECT_TRUE(driver.ended());
}

TEST_F(Form5Menus, AdviceBoxesAndNotes)
{
    programDoes([&] { f1.OHbutton.setValue(true); });
    woodMember("2x", "10");
    showReport();
    driver.clearMessages();
    driver.click(f5.Command3D1);
    driver.click(f5.unbalancedbutton);
    ASSERT_EQ(driver.messages().size(), 2u);
    EXPECT_EQ(
        driver.messages()[0].text,
        "TEST REPORT\r\r'Actual' is the actual Section Modulus, Area and calculated Deflection for the "
        "member "
        "selected.\r\r'Critical' is the calculated Section Modulus where the member will fail in bending, "
        "the "
        "calculated Area at which the member will fail in Shear, and the limiting Deflection criteria for "
        "live "
        "and dead loads as set on form 1.\r\r'Ratio' is the ratio of Actual to Critical where the beam will "
        "fail when greater than 100%, (when the member's actual properties go beyond the allowable).");
    EXPECT_EQ(
        driver.messages()[1].text,
        "UNBALANCED LOADS\r\rOverhanging beams should be tested for unbalanced loads in three variations."
        "\r\r1. Backspan and overhang with full dead and live loads applied.\r\r2. Same as No.1 but with "
        "live "
        "loads removed from the backspan.\r\r3. Same as No.1 but with live loads removed from the "
        "overhang.\r\rCompare the moment, shear, and deflection for the critical case.  Also be aware of a "
        "possible UPLIFT condition at the left reaction R1.");
    for (const auto& message : driver.messages()) {
        EXPECT_EQ(message.title, "Korvanta");
        EXPECT_EQ(message.icon, platform::Icon::None);
        EXPECT_EQ(message.buttons, platform::Buttons::OK);
    }
    driver.click(f5.Command1);
    EXPECT_TRUE(program.form21.visible());
    EXPECT_TRUE(f5.visible());
}

TEST_F(Form5Menus, CaptionsAndShortcuts)
{
    struct Case
    {
        platform::MenuItem* item;
        const char* caption;
        const char* shortcut;
    };
    const Case cases[] = {
        {&f5.backmnu, "<- &Back", ""},
        {&f5.MnuFile, "&File", ""},
        {&f5.MnuNew, "&New", "Ctrl+N"},
        {&f5.MnuExit, "E&xit Korvanta", ""},
        {&f5.MnuGoto, "&Goto", ""},
        {&f5.MnuCriteria, "Criteria Form&1", "F1"},
        {&f5.MnuBack, "Selection Form&2", "F2"},
        {&f5.MnuDataRecord, "&DataRecord", "F4"},
        {&f5.MnuHelp, "&Help", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.item->caption(), c.caption);
        EXPECT_EQ(c.item->props().shortcut, c.shortcut);
    }
    EXPECT_EQ(f5.caption(), " Korvanta         Report Form 3");
    EXPECT_EQ(f5.Command2.caption(), "OK  Select Member");
    EXPECT_EQ(f5.Command1.caption(), " Add Notes");
    EXPECT_EQ(f5.Unbalancedlabel.caption(),
              "Overhanging members should be checked for unbalanced live loads.");
}

TEST_F(Form5Menus, ChoosingSteelOnTheCriteriaFormUnloadsTheReport)
{
    woodMember("2x", "10");
    showReport();
    driver.menu(f5.MnuCriteria);
    showReport();
    programDoes([&] {
        f5.hide();
        f1.show();
    });
    driver.choose(f1.Combo1, "Steel Beams");
    EXPECT_FALSE(f5.loaded());
}

} // namespace
} // namespace reporttest
