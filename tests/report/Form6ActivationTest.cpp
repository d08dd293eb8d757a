// The data record form's activation frame (readiness, Back menus, failure, automatic steps) and its
// commands, driven through its menus and button as a user would.
#include "RecordFixture.h"
#include "app/Form1.h"
#include "app/Form12.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "report/Form21.h"
#include "report/Form6.h"
#include "report/Form7.h"
#include "report/RecordState.h"
#include "steel/Form22.h"

namespace recordtest
{

using platform::Icon;

TEST_F(RecordTest, RecordIsNotComposedBeforeTheReportWasShown)
{
    simpleSawnBeam();
    program.state.SelectionStatus = "OK";
    program.form1.MnuDataRecord.setEnabled(true);
    program.beam.shear.ShearV = 0; // nothing calculated: the empty record opens
    driver.menu(form1.MnuDataRecord);
    ASSERT_TRUE(form6.visible());
    EXPECT_EQ(cap("Label61"), "Label61");
    EXPECT_EQ(cap("Label5"), "Label 5 BeamChoice");
    EXPECT_FALSE(form6.MnuBack.enabled());
    EXPECT_FALSE(form6.backmnu.enabled());
    EXPECT_EQ(program.state.SelectionStatus, "OK");
}

TEST_F(RecordTest, SavedSelectionNotTestedSinceLeavesTheRecordAloneButStillPrintsAutomatically)
{
    simpleSawnBeam();
    program.state.AutoPrintMode = -1;
    program.state.ReportShown = -1;
    program.state.RestoreSavedSelection = true;
    driver.runtime().dispatch([&] { form6.show(); });
    EXPECT_EQ(cap("Label61"), "Label61");
    EXPECT_FALSE(form6.visible()); // the Print button hides the record in the automatic run
    EXPECT_TRUE(program.form7.visible());
}

// A record that cannot be composed (a zero Fc-perp makes the bearing area a division by zero) gives
// one message, goes back to the criteria form and runs neither automatic step.
TEST_F(RecordTest, FailedCompositionReportsOnceAndReturnsToTheCriteriaForm)
{
    simpleSawnBeam();
    program.beam.member.FcPerpAdj = 0;
    program.state.AutoPrintMode = -1;
    program.record.CriteriaReturnPending = -1;
    openRecord();
    ASSERT_EQ(driver.messages().size(), 2u); // the caution, then the failure
    EXPECT_EQ(
        driver.messages()[1].text,
        "An Error was detected when loading the Data Record.  Please return to Criteria Form1 and proceed "
        "through a beam calculation to ensure all the data is correct on the Data Record.");
    EXPECT_EQ(driver.messages()[1].icon, Icon::Exclamation);
    EXPECT_FALSE(form6.loaded());
    EXPECT_TRUE(form1.visible());
    EXPECT_FALSE(program.form7.visible());
    EXPECT_EQ(program.record.CriteriaReturnPending, 0);
    EXPECT_TRUE(driver.untrappedErrors().empty());
}

TEST_F(RecordTest, AutomaticPrintThenPendingReturnBothRun)
{
    simpleSawnBeam();
    program.state.AutoPrintMode = -1;
    program.record.CriteriaReturnPending = -1;
    program.state.ReportShown = -1;
    driver.runtime().dispatch([&] { form6.show(); });
    EXPECT_TRUE(program.form7.visible());
    EXPECT_TRUE(form1.visible());
    EXPECT_FALSE(form6.loaded());
    EXPECT_EQ(program.record.CriteriaReturnPending, 0);
}

TEST_F(RecordTest, EmptiedHeaderBoxEmptiesItsLine)
{
    simpleSawnBeam();
    type(form1.Proj, "Smith Garage");
    openRecord();
    ASSERT_EQ(cap("Label1"), "Project: Smith Garage");
    driver.menu(form6.MnuCriteria);
    type(form1.Proj, "");
    openRecord();
    EXPECT_EQ(cap("Label1"), "");
}

TEST_F(RecordTest, PrintCommandsServeTheBeamRecord)
{
    simpleSawnBeam();
    openRecord();
    program.record.flags.WoodColCurrent = -1;
    program.record.flags.StudRequest = true;
    driver.menu(form6.MnuPrint);
    EXPECT_TRUE(program.form7.visible());
    EXPECT_TRUE(form6.visible());
    EXPECT_EQ(program.record.flags.WoodColCurrent, 0);
    EXPECT_FALSE(program.record.flags.StudRequest);
    EXPECT_EQ(program.form7.Label9.caption(), "Beam ID");
}

TEST_F(RecordTest, PrintButtonHidesTheRecordOnlyInTheAutomaticRun)
{
    simpleSawnBeam();
    openRecord();
    driver.click(form6.Command1);
    EXPECT_TRUE(form6.visible());
    driver.click(program.form7.Command3); // Close
    program.state.AutoPrintMode = -1;
    driver.click(form6.Command1);
    EXPECT_FALSE(form6.visible());
    EXPECT_TRUE(program.form7.visible());
}

TEST_F(RecordTest, BackAndCriteriaWithALoadedRecordAskFirst)
{
    struct Case
    {
        bool criteria;
        MsgResult answer;
    };
    for (const Case c : {Case{false, MsgResult::Cancel}, Case{false, MsgResult::OK},
                         Case{true, MsgResult::Cancel}, Case{true, MsgResult::OK}}) {
        SCOPED_TRACE(std::to_string(c.criteria) + " " + std::to_string(static_cast<int>(c.answer)));
        Driver d;
        auto& p = d.start<app::Program>();
        p.form1.MnuDataRecord.setEnabled(true);
        d.menu(p.form1.MnuDataRecord); // the empty record
        p.beam.flags.DataRecordLoaded = -1;
        p.state.SelectionStatus = "OK";
        d.clearMessages();
        d.answerMessage(c.answer);
        // The Back menus are disabled on a record not composed; the Goto entry to the criteria is not.
        if (c.criteria) {
            d.menu(p.form6.MnuCriteria);
        } else {
            p.form6.MnuBack.setEnabled(true); // as a composed record leaves it
            d.menu(p.form6.MnuBack);
        }
        ASSERT_EQ(d.messages().size(), 1u);
        EXPECT_EQ(d.messages()[0].icon, Icon::Information);
        const bool ok = c.answer == MsgResult::OK;
        EXPECT_EQ(p.form6.loaded(), !ok);
        EXPECT_EQ(p.form1.visible(), ok); // ReportShown 0: back to the criteria form, not the report
        EXPECT_EQ(p.state.SelectionStatus, ok ? "" : "OK");
        if (c.criteria && ok) {
            EXPECT_FALSE(p.form1.MnuDataRecord.enabled());
        }
    }
}

TEST_F(RecordTest, CriteriaAfterASteelBeamUnloadsTheSteelSelection)
{
    simpleSawnBeam();
    program.beam.flags.SteelBeamFlag = -1;
    program.form22.load();
    openRecord();
    driver.menu(form6.MnuCriteria);
    EXPECT_FALSE(program.form22.loaded());
    EXPECT_TRUE(form1.visible());
    EXPECT_TRUE(form1.MnuDataRecord.enabled());
}

TEST_F(RecordTest, NewAskedTwiceClearsTheNotesOnNo)
{
    simpleSawnBeam();
    program.state.ReportNotes[0] = "Nail with 16d at 6 in.";
    program.form21.Text1.setText("Nail with 16d at 6 in.");
    openRecord();
    driver.answerMessage(MsgResult::Yes); // save first
    driver.ctrlKey(form6, 'N');
    EXPECT_TRUE(form6.visible());
    driver.clearMessages();
    driver.answerMessage(MsgResult::No);
    driver.answerMessage(MsgResult::No);
    driver.menu(form6.MnuNew);
    ASSERT_GE(driver.messages().size(), 2u);
    EXPECT_EQ(driver.messages()[0].title, "SAVE YOUR WORK REMINDER");
    EXPECT_EQ(driver.messages()[1].text, "Do you wish to retain your notes for the next beam?");
    EXPECT_EQ(program.state.ReportNotes[0], "");
    EXPECT_EQ(program.form21.Text1.text(), "");
    EXPECT_FALSE(form6.loaded());
    EXPECT_TRUE(form1.visible());
}

// A cancelled load keeps the composed record and its Back menus.
TEST_F(RecordTest, CancelledLoadKeepsTheRecord)
{
    simpleSawnBeam();
    openRecord();
    driver.cancelFile();
    driver.menu(form6.MnuOpenData);
    EXPECT_EQ(program.state.ReportShown, -1);
    EXPECT_EQ(cap("Label61"), "12.0");
    EXPECT_TRUE(form6.MnuBack.enabled());
}

TEST_F(RecordTest, HelpHidesTheRecordAndTheManualReturnsToIt)
{
    simpleSawnBeam();
    openRecord();
    driver.menu(form6.MnuHelp);
    EXPECT_TRUE(program.form12.visible());
    EXPECT_FALSE(form6.visible());
    EXPECT_EQ(program.state.HelpReturnForm, "Form6");
}

TEST_F(RecordTest, CloseBoxAsksTheExitQuestion)
{
    simpleSawnBeam();
    openRecord();
    driver.answerMessage(MsgResult::Cancel);
    driver.closeBox(form6);
    EXPECT_TRUE(form6.visible());
    EXPECT_FALSE(driver.ended());
}

TEST_F(RecordTest, SaveAndCopyCommandsReachTheirRecordProcedures)
{
    simpleSawnBeam();
    openRecord();
    program.record.flags.SteelColCurrent = -1;
    driver.menu(form6.MnuSaveData);
    EXPECT_TRUE(program.form7.visible());
    EXPECT_EQ(program.record.flags.SteelColCurrent, 0);
    driver.click(program.form7.Command3);
    driver.clearMessages();
    driver.menu(form6.MnuCopyClip);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(
        driver.messages()[0].text.rfind("Your Beam Data Record has been saved to the Windows Clipboard.", 0),
        0u);
}

TEST_F(RecordTest, ExitMenuAsksTheExitQuestion)
{
    simpleSawnBeam();
    openRecord();
    driver.answerMessage(MsgResult::OK);
    driver.menu(form6.MnuExit);
    EXPECT_TRUE(driver.ended());
}

} // namespace recordtest
