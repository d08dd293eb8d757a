// The report header form: which record it serves (the record type flags), its header boxes for each
// record kind, the save, notes, close and back commands, the fonts check and the help buttons.
#include "report/Form7.h"

#include "RecordFixture.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "columns/ColumnState.h"
#include "columns/Form18.h"
#include "columns/Form19.h"
#include "columns/Form20.h"
#include "report/Form21.h"
#include "report/Form24.h"
#include "report/RecordState.h"
#include "steel/Form22.h"

namespace recordtest
{

using report::RecordTypeFlags;

namespace
{

struct FlagRow
{
    const char* name;
    RecordTypeFlags before;
    RecordTypeFlags after;
    const char* idCaption;
};

bool operator==(const RecordTypeFlags& a, const RecordTypeFlags& b)
{
    return a.WoodColRequest == b.WoodColRequest && a.SteelColRequest == b.SteelColRequest &&
           a.StudRequest == b.StudRequest && a.WoodColCurrent == b.WoodColCurrent &&
           a.SteelColCurrent == b.SteelColCurrent && a.StudCurrent == b.StudCurrent;
}

// {WoodColRequest, SteelColRequest, StudRequest, WoodColCurrent, SteelColCurrent, StudCurrent}
const FlagRow flagRows[] = {
    {"wood column request", {-1, -1, true, 0, -1, -1}, {-1, 0, false, -1, 0, 0}, "Column ID"},
    {"steel column request", {0, -1, true, -1, 0, -1}, {0, -1, false, 0, -1, 0}, "Column ID"},
    {"stud wall request", {0, 0, true, -1, -1, 0}, {0, 0, true, 0, 0, -1}, "Column ID"},
    {"steel column current", {0, 0, false, -1, -1, -1}, {0, -1, false, 0, -1, 0}, "Column ID"},
    {"wood column current", {0, 0, false, -1, 0, -1}, {-1, 0, false, -1, 0, 0}, "Column ID"},
    {"stud wall current", {0, 0, false, 0, 0, -1}, {0, 0, true, 0, 0, -1}, "Column ID"},
    {"beam", {0, 0, false, 0, 0, 0}, {0, 0, false, 0, 0, 0}, "Beam ID"},
};

} // namespace

class ReportHeader : public RecordTest
{
  protected:
    report::Form7& form7 = program.form7;

    // A record form's command opens the report header form.
    void openHeader()
    {
        driver.runtime().dispatch([&] { form7.openForRecord(); });
    }
};

TEST_F(ReportHeader, ActivationTurnsTheFlagsIntoTheRecordItServes)
{
    for (const FlagRow& row : flagRows) {
        SCOPED_TRACE(row.name);
        program.record.flags = row.before;
        openHeader();
        EXPECT_TRUE(program.record.flags == row.after);
        EXPECT_EQ(form7.Label9.caption(), row.idCaption);
        EXPECT_EQ(form7.LoadDiagram.visible(), std::string(row.idCaption) == "Beam ID");
        form7.hide();
    }
}

TEST_F(ReportHeader, HeaderBoxesComeFromTheRecordServed)
{
    program.state.DefaultHeading1 = "ACME ENGINEERING";
    type(form1.Proj, "Smith Garage");
    type(form1.Descrip, "Door header");
    type(form1.ID, "B-1");
    openHeader();
    EXPECT_EQ(form7.Heading1.text(), "ACME ENGINEERING");
    EXPECT_EQ(form7.Text1.text(), "Smith Garage");
    EXPECT_EQ(form7.Text2.text(), "Door header");
    EXPECT_EQ(form7.Text3.text(), "B-1");
    EXPECT_EQ(form7.LoadDiagram.value(), -1);
    EXPECT_TRUE(form7.LoadDiagram.enabled());
    form7.hide();

    program.beam.flags.DataRecordLoaded = -1;
    form6.label("Label1").setCaption("Project: Old");
    form6.label("Label3").setCaption("Description: Old");
    form6.label("Label2").setCaption("Beam ID: Old");
    form6.label("Label5").setCaption("2 x 10 #2 Hem-Fir");
    openHeader();
    EXPECT_EQ(form7.Text1.text(), "Project: Old");
    EXPECT_EQ(form7.Text2.text(), "Description: Old");
    EXPECT_EQ(form7.Text3.text(), "Beam ID: Old");
    EXPECT_EQ(form7.PrintBeamSelect.caption(), "2 x 10 #2 Hem-Fir");
    EXPECT_EQ(form7.LoadDiagram.value(), 0);
    EXPECT_FALSE(form7.LoadDiagram.enabled());
    form7.hide();

    // The wood column record fills itself from the column design at its activation.
    program.form18.ColumnProj.setText("Barn");
    program.columnState.criteria.ColP = 20000;
    program.form20.D1selected.setText("6x");
    program.form20.D2selected.setText("6");
    program.form20.SelectColumnText.setText("DF-L #1");
    driver.runtime().dispatch([&] { program.form19.show(); });
    driver.click(program.form19.Command3D1);
    EXPECT_EQ(form7.Text1.text(), "Barn");
    EXPECT_EQ(form7.PrintBeamSelect.caption(), program.form19.Label10.caption());
    EXPECT_EQ(program.form19.Label10.caption(), "  6x 6 DF-L #1         Solid Wood Column");
    EXPECT_FALSE(form7.LoadDiagram.visible());
}

// Typed heading survives a visit to the fonts window: only a record form's command refills the boxes.
TEST_F(ReportHeader, TypedTextsSurviveTheFontsWindow)
{
    openHeader();
    type(form7.Heading1, "FOR PERMIT");
    type(form7.Text1, "Typed project");
    driver.menu(form7.MnuFont);
    ASSERT_TRUE(program.form24.visible());
    driver.click(program.form24.Command3D2); // Cancel
    driver.switchTo(form7);
    EXPECT_EQ(form7.Heading1.text(), "FOR PERMIT");
    EXPECT_EQ(form7.Text1.text(), "Typed project");
}

TEST_F(ReportHeader, DateIsTodayWhenEmptyAndFontFallsBackToArial)
{
    driver.clock().set({2026, 3, 7, 9, 0, 0});
    program.state.PrintFontName = "Wingdings Extra";
    openHeader();
    EXPECT_EQ(form7.Datebox.text(), "3/07/26");
    EXPECT_EQ(program.state.PrintFontName, "Arial");
    EXPECT_EQ(form7.CurrentFontLabel.caption(), "Arial");
    form7.hide();
    type(form1.Proj, "x"); // form1 is active again
    program.state.PrintFontName = "Courier New";
    openHeader();
    type(form7.Datebox, "12/24/25");
    form7.hide();
    openHeader();
    EXPECT_EQ(form7.Datebox.text(), "12/24/25");
    EXPECT_EQ(form7.CurrentFontLabel.caption(), "Courier New");
}

TEST_F(ReportHeader, ClearKeepsDateAndProjectTexts)
{
    openHeader();
    type(form7.Heading1, "A");
    type(form7.Heading2, "B");
    type(form7.Initialbox, "JS");
    type(form7.Datebox, "1/02/26");
    type(form7.Text1, "P");
    driver.click(form7.CmdClear);
    EXPECT_EQ(form7.Heading1.text(), "");
    EXPECT_EQ(form7.Heading2.text(), "");
    EXPECT_EQ(form7.Initialbox.text(), "");
    EXPECT_EQ(form7.Datebox.text(), "1/02/26");
    EXPECT_EQ(form7.Text1.text(), "P");
}

TEST_F(ReportHeader, SaveDataRecordOfABeamWritesTheRecordAndOffersTheCriteria)
{
    simpleSawnBeam();
    program.beam.flags.SteelBeamFlag = -1;
    program.form22.load();
    openRecord();
    driver.click(form6.Command1);
    type(form7.Text1, "Lake House");
    type(form7.Text3, "B-7");
    type(form7.Initialbox, "");
    type(form7.Datebox, "2/01/26");
    driver.clearMessages();
    driver.cancelFile();
    driver.answerMessage(MsgResult::OK);  // the saver's own message
    driver.answerMessage(MsgResult::Yes); // go to Form 1
    driver.click(form7.Command1);
    EXPECT_EQ(cap("Label1"), "Lake House");
    EXPECT_EQ(cap("Label2"), "B-7");
    EXPECT_EQ(cap("Label169"), "");
    EXPECT_EQ(cap("Label4"), "Date: 2/01/26");
    EXPECT_TRUE(shown("Label133Missing"));
    EXPECT_EQ(form1.Proj.text(), "Lake House");
    EXPECT_EQ(form1.ID.text(), "B-7");
    ASSERT_EQ(driver.messages().size(), 2u);
    EXPECT_EQ(driver.messages()[1].text,
              "Would you like to now go to Form 1 to save the Criteria for this beam?");
    EXPECT_TRUE(form1.visible());
    EXPECT_FALSE(form7.visible());
    EXPECT_FALSE(program.form22.loaded());
}

// A record loaded from a file is only text: saving or printing it leaves the criteria form's project
// boxes as the last calculation left them.
TEST_F(ReportHeader, SavingALoadedRecordLeavesTheCriteriaAlone)
{
    type(form1.Proj, "Current job");
    program.beam.flags.DataRecordLoaded = -1;
    openHeader();
    type(form7.Text1, "Loaded job");
    driver.cancelFile();
    driver.answerMessage(MsgResult::OK);
    driver.answerMessage(MsgResult::No);
    driver.click(form7.Command1);
    EXPECT_EQ(form1.Proj.text(), "Current job");
    EXPECT_EQ(cap("Label1"), "Loaded job");
}

// Both save commands copy the header boxes into a column record before saving it.
TEST_F(ReportHeader, BothSaveCommandsCopyTheHeaderIntoAColumnRecord)
{
    for (const bool menuSave : {false, true}) {
        SCOPED_TRACE(menuSave);
        driver.runtime().dispatch([&] { program.form19.show(); });
        driver.menu(program.form19.MnuSave);
        ASSERT_EQ(program.record.flags.WoodColRequest, -1);
        type(form7.Text1, menuSave ? "Menu" : "Button");
        type(form7.Text2, "Post");
        type(form7.Text3, "C-1");
        driver.cancelFile();
        driver.answerMessage(MsgResult::OK);
        if (menuSave) {
            driver.menu(form7.MnuSaveRec);
        } else {
            driver.click(form7.Command1);
        }
        EXPECT_EQ(program.form19.Label3.caption(), menuSave ? "Menu" : "Button");
        EXPECT_EQ(program.form19.Label4.caption(), "Post");
        EXPECT_EQ(program.form19.Label5.caption(), "C-1");
        ASSERT_EQ(driver.host().fileDialogs().back().request.fileName, "*.Col");
        driver.click(form7.Command3);
    }
}

TEST_F(ReportHeader, AddNotesKeepsTheBeamTextsInTheCriteriaForm)
{
    openHeader();
    type(form7.Text1, "Barn");
    type(form7.Text2, "Ridge");
    type(form7.Text3, "R-1");
    driver.click(form7.Command2);
    EXPECT_TRUE(program.form21.visible());
    EXPECT_EQ(form1.Proj.text(), "Barn");
    EXPECT_EQ(form1.Descrip.text(), "Ridge");
    EXPECT_EQ(form1.ID.text(), "R-1");
}

// In the load-and-print run Close goes back through the record to the criteria form.
TEST_F(ReportHeader, CloseInTheAutomaticRunReturnsToTheCriteriaForm)
{
    simpleSawnBeam();
    openRecord();
    program.state.AutoPrintMode = -1;
    driver.click(form6.Command1);
    ASSERT_TRUE(form7.visible());
    driver.click(form7.Command3);
    EXPECT_EQ(program.state.AutoPrintMode, 0);
    EXPECT_FALSE(form7.visible());
    EXPECT_TRUE(form1.visible());
    EXPECT_FALSE(form6.loaded());
    EXPECT_EQ(program.record.CriteriaReturnPending, 0);
}

// After a column record file was loaded in the run, only a column record goes back to the column
// criteria form; a beam record uncovers its own form.
TEST_F(ReportHeader, CloseGoesToTheColumnCriteriaOnlyForAColumnRecord)
{
    program.record.WoodColRecordLoaded = -1;
    simpleSawnBeam();
    openRecord();
    driver.click(form6.Command1);
    driver.click(form7.Command3);
    EXPECT_FALSE(program.form18.visible());
    EXPECT_TRUE(form6.visible());

    driver.runtime().dispatch([&] { program.form19.show(); });
    driver.click(program.form19.Command3D1);
    driver.menu(form7.MnuClose);
    EXPECT_TRUE(program.form18.visible());
    EXPECT_FALSE(program.form19.loaded());
}

TEST_F(ReportHeader, BackInTheAutomaticRunShowsTheCriteriaForm)
{
    openHeader();
    program.state.AutoPrintMode = -1;
    driver.menu(form7.backmnu);
    EXPECT_FALSE(form7.visible());
    EXPECT_TRUE(form1.visible());
}

TEST_F(ReportHeader, HelpButtons)
{
    openHeader();
    driver.click(form7.Command3D1);
    driver.click(form7.Command3D2);
    driver.click(form7.Command3D3);
    ASSERT_EQ(driver.messages().size(), 3u);
    EXPECT_EQ(driver.messages()[0].text.substr(0, 47), "If you are printing on a 600 DPI printer you ma");
    EXPECT_EQ(driver.messages()[1].text.substr(0, 41), "You may save your heading to disk and hav");
    EXPECT_EQ(driver.messages()[2].text.substr(0, 47), "You may edit the Project Title, Description, an");
    EXPECT_EQ(driver.messages()[2].title, "Korvanta");
}

TEST_F(ReportHeader, UnreadableFontListIsReportedAndTheFormStillOpens)
{
    driver.host().failNext(platform::test::HostFailure::PrinterFonts);
    openHeader();
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text.substr(0, 55),
              "Error detected while loading the Report Header form. Th");
    EXPECT_TRUE(form7.visible());
    EXPECT_EQ(form7.Label9.caption(), "Beam ID");
    EXPECT_FALSE(form7.PrintPanel.visible());
}

TEST_F(ReportHeader, PrintSetupSetsTheProgramsPrinterAndCancelIsSilent)
{
    openHeader();
    driver.cancelPrint();
    driver.menu(form7.Mnusetup);
    EXPECT_TRUE(driver.messages().empty());
    driver.answerPrint({"Printer B", 1, 2});
    driver.menu(form7.Mnusetup);
    EXPECT_EQ(driver.runtime().printer().deviceName(), "Printer B");
}

} // namespace recordtest
