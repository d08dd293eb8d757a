// The criteria form's menus, notes button and about box, as a user works them: File > New with its
// questions, loading criteria and data records (cancelled and refused), load and print, the data record
// menu, the exit question, the file manager, the other tools, the manual and the report notes.
#include "app/Form1.h"
#include "app/Form12.h"
#include "app/Form13.h"
#include "app/Form15.h"
#include "app/Form25.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "beam/Form4.h"
#include "platform/headless/Driver.h"
#include "report/Form21.h"
#include "report/Form6.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

using platform::MsgResult;
using platform::test::Driver;

// No run-time error reached the dispatcher and no dialog or box went unscripted.
void expectCleanRun(Driver& driver)
{
    EXPECT_TRUE(driver.untrappedErrors().empty());
    EXPECT_TRUE(driver.host().scriptFailures().empty());
}

const std::string SaveReminder =
    "Starting a new beam calculation removes the current beam data from memory.\r\r  DO "
    "YOU NEED TO SAVE YOUR WORK BEFORE IT IS ERASED?";

std::vector<std::string> titles(const Driver& driver)
{
    std::vector<std::string> result;
    for (const auto& message : driver.messages()) {
        result.push_back(message.title);
    }
    return result;
}

// Types a note line on the report notes form and stores it with "Done".
void addNote(Driver& driver, app::Program& program, const char* note)
{
    driver.click(program.form1.NoteButton);
    driver.retype(program.form21.Text1, note);
    driver.click(program.form21.Command1);
}

TEST(Form1MenuNew, YesToTheSaveReminderKeepsEverything)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = program.form1;
    addNote(driver, program, "Nail per schedule");
    driver.retype(f.Span, "12");
    driver.retype(f.UNIF, "100");
    driver.answerMessage(MsgResult::Yes);
    driver.menu(f.MnuNew);

    ASSERT_EQ(driver.messages().size(), 1u); // no question about the notes
    EXPECT_EQ(driver.messages()[0].text, SaveReminder);
    EXPECT_EQ(driver.messages()[0].title, "SAVE YOUR WORK REMINDER");
    EXPECT_EQ(driver.messages()[0].buttons, platform::Buttons::YesNo);
    EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Question);
    EXPECT_EQ(program.state.SaveWorkFirst, -1);
    EXPECT_EQ(f.Span.text(), "12");
    EXPECT_EQ(f.UNIF.text(), "100");
    EXPECT_EQ(program.state.ReportNotes[0], "Nail per schedule");
    expectCleanRun(driver);
}

TEST(Form1MenuNew, NoRebuildsTheFormAndAsksAboutNotesOnlyWhenThereAreSome)
{
    struct Case
    {
        const char* note;
        std::vector<MsgResult> answers;
        std::vector<std::string> titles;
        const char* noteAfter;
    };
    const Case cases[] = {
        {"", {MsgResult::No}, {"SAVE YOUR WORK REMINDER"}, ""},
        {"Bolts 1/2 in.",
         {MsgResult::No, MsgResult::Yes},
         {"SAVE YOUR WORK REMINDER", "SAVE YOUR NOTES REMINDER"},
         "Bolts 1/2 in."},
        {"Bolts 1/2 in.",
         {MsgResult::No, MsgResult::No},
         {"SAVE YOUR WORK REMINDER", "SAVE YOUR NOTES REMINDER"},
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "note '" << c.note << "', " << c.answers.size() << " answers");
        Driver driver;
        auto& program = driver.start<app::Program>();
        auto& f = program.form1;
        if (*c.note != '\0') {
            addNote(driver, program, c.note);
        }
        driver.retype(f.Proj, "Mill Street");
        driver.retype(f.Span, "12");
        driver.retype(f.UNIF, "100");
        driver.click(f.OHbutton);
        for (MsgResult answer : c.answers) {
            driver.answerMessage(answer);
        }
        driver.menu(f.MnuNew);

        EXPECT_EQ(titles(driver), c.titles);
        EXPECT_EQ(f.Span.text(), "");
        EXPECT_EQ(f.UNIF.text(), "");
        EXPECT_TRUE(f.SimpleSpanbutton.value());
        EXPECT_EQ(f.Proj.text(), "Mill Street");
        EXPECT_EQ(program.state.SaveWorkFirst, 0);
        EXPECT_EQ(program.form21.Text1.text(), c.noteAfter);
        EXPECT_EQ(program.state.ReportNotes[0], c.noteAfter);
        EXPECT_EQ(driver.activeForm(), &f);
        expectCleanRun(driver);
    }
}

TEST(Form1MenuExit, BothExitEntriesAskAndEndOnlyOnOk)
{
    for (bool fileMenu : {true, false}) {
        for (MsgResult answer : {MsgResult::Cancel, MsgResult::OK}) {
            SCOPED_TRACE(testing::Message()
                         << (fileMenu ? "File > Exit" : "Exit") << ", answer " << static_cast<int>(answer));
            Driver driver;
            auto& f = driver.start<app::Program>().form1;
            driver.answerMessage(answer);
            driver.menu(fileMenu ? f.MnuExit : f.MnuexitBC);
            ASSERT_EQ(driver.messages().size(), 1u);
            EXPECT_EQ(driver.messages()[0].text.substr(0, 31), "  Do you wish to exit Korvanta?");
            EXPECT_EQ(driver.messages()[0].buttons, platform::Buttons::OKCancel);
            EXPECT_EQ(driver.ended(), answer == MsgResult::OK);
            expectCleanRun(driver);
        }
    }
}

TEST(Form1MenuFileManager, OpensTheProgramFolderAfterTheNotice)
{
    Driver driver;
    auto& f = driver.start<app::Program>().form1;
    driver.answerMessage(MsgResult::OK);
    driver.menu(f.FileManager);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text.substr(0, 27), "Korvanta will now launch...");
    ASSERT_EQ(driver.host().openedFolders().size(), 1u);
    EXPECT_EQ(driver.host().openedFolders()[0], driver.folder());
    expectCleanRun(driver);
}

// A load that did not happen must not look like one: no notice, no flag, no status line, no caption.
TEST(Form1MenuLoadCriteria, CancelledOrRefusedLoadChangesNothing)
{
    for (bool cancelled : {true, false}) {
        SCOPED_TRACE(cancelled ? "cancelled" : "refused file");
        Driver driver;
        const std::vector<std::uint8_t> foreign(40, 0x41);
        driver.putFile("beam.CRI", foreign);
        auto& program = driver.start<app::Program>();
        auto& f = program.form1;
        const std::string caption = f.caption();
        if (cancelled) {
            driver.cancelFile();
        } else {
            driver.answerFile(driver.folder() / "beam.CRI");
        }
        driver.menu(f.MnuLoadBeam);

        ASSERT_EQ(driver.host().fileDialogs().size(), 1u);
        const auto& request = driver.host().fileDialogs()[0].request;
        EXPECT_EQ(request.title, "Open Beam Criteria File");
        EXPECT_EQ(request.fileName, "*.CRI");
        EXPECT_EQ(request.filter, "All Files (*.*)|*.*|Korvanta Files (*.CRI)|*.CRI|");
        EXPECT_EQ(request.filterIndex, 2);
        ASSERT_EQ(driver.messages().size(), 1u);
        // A file of another kind is named as such, with a beep; a cancel is a failed load.
        EXPECT_EQ(driver.messages()[0].text.substr(0, 38), cancelled
                                                               ? "The Beam Criteria could not be loaded."
                                                               : "The Beam Criteria for this form could ");
        EXPECT_EQ(driver.beeps(), cancelled ? 0 : 1);
        EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Exclamation);
        EXPECT_EQ(program.beam.flags.CriteriaLoadedFlag, 0);
        EXPECT_FALSE(program.state.RestoreSavedSelection);
        EXPECT_EQ(f.SavePanel.caption(), "   Selection:  None");
        EXPECT_EQ(f.caption(), caption);
        EXPECT_TRUE(driver.untrappedErrors().empty());
        expectCleanRun(driver);
    }
}

// A criteria file loaded earlier and not yet calculated leaves CriteriaLoadedFlag set; a later Load and
// Print whose own load fails must still neither calculate nor print.
TEST(Form1MenuLoadAndPrint, FailedLoadRunsNoCalculation)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = program.form1;
    driver.retype(f.Span, "12");
    driver.retype(f.UNIF, "100");
    program.beam.flags.CriteriaLoadedFlag = -1;
    driver.cancelFile();
    driver.menu(f.LoadandPrint);

    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, "The Beam Criteria could not be loaded.");
    EXPECT_EQ(program.state.AutoPrintMode, 0);
    EXPECT_TRUE(f.visible());
    EXPECT_EQ(driver.activeForm(), &f);
    EXPECT_FALSE(program.form4.visible());
    EXPECT_TRUE(driver.host().printed().empty());
    expectCleanRun(driver);
}

TEST(Form1MenuLoadDataRecord, YesToTheSaveReminderShowsNoDialog)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    driver.answerMessage(MsgResult::Yes);
    driver.menu(program.form1.MnuLoadDR);
    EXPECT_TRUE(driver.host().fileDialogs().empty());
    EXPECT_EQ(program.state.SaveWorkFirst, -1);
    EXPECT_TRUE(program.form1.visible());
    EXPECT_FALSE(program.form6.loaded());
    expectCleanRun(driver);
}

TEST(Form1MenuLoadDataRecord, CancelledDialogReturnsToTheCriteriaForm)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    driver.retype(program.form1.Span, "12");
    driver.answerMessage(MsgResult::No);
    driver.cancelFile();
    driver.menu(program.form1.MnuLoadDR);

    ASSERT_EQ(driver.host().fileDialogs().size(), 1u);
    EXPECT_EQ(driver.host().fileDialogs()[0].request.title, "Open Data Record");
    EXPECT_EQ(driver.host().fileDialogs()[0].request.fileName, "*.Dat");
    EXPECT_EQ(driver.messages().back().text, "A Data Record could not be loaded.");
    EXPECT_EQ(program.form1.Span.text(), ""); // File > New ran first
    EXPECT_TRUE(program.form1.visible());
    EXPECT_FALSE(program.form6.visible());
    EXPECT_EQ(driver.activeForm(), &program.form1);
    EXPECT_EQ(program.state.SaveWorkFirst, 0);
    expectCleanRun(driver);
}

// Every change of the criteria invalidates the selection and disables the data record menu; composing a
// beam's data record enables it again. These tests enable it as a composed record would.
void enableDataRecordMenu(app::Program& program)
{
    program.form1.MnuDataRecord.setEnabled(true);
}

TEST(Form1MenuDataRecord, WithoutCalculationOrCriteriaOpensTheEmptyRecord)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    enableDataRecordMenu(program);
    driver.menu(program.form1.MnuDataRecord);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text,
              "There is no data on the data record.\r\rYou will now be taken to a blank "
              "datarecord to load a previously saved calculation.");
    EXPECT_TRUE(driver.host().fileDialogs().empty());
    EXPECT_FALSE(program.form1.visible());
    EXPECT_TRUE(program.form6.visible());
    EXPECT_EQ(program.form6.Label61.caption(), "Label61");
    EXPECT_EQ(driver.activeForm(), &program.form6);
    expectCleanRun(driver);
}

TEST(Form1MenuDataRecord, AfterACalculationTheCautionDecides)
{
    for (MsgResult answer : {MsgResult::Cancel, MsgResult::OK}) {
        SCOPED_TRACE(static_cast<int>(answer));
        Driver driver;
        auto& program = driver.start<app::Program>();
        program.beam.shear.ShearV = 1250;
        driver.answerMessage(answer);
        enableDataRecordMenu(program);
        driver.menu(program.form1.MnuDataRecord);
        ASSERT_EQ(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text.substr(0, 9), "CAUTION: ");
        EXPECT_EQ(driver.messages()[0].buttons, platform::Buttons::OKCancel);
        EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Exclamation);
        EXPECT_EQ(program.form1.visible(), answer == MsgResult::Cancel);
        EXPECT_EQ(program.form6.visible(), answer == MsgResult::OK);
        expectCleanRun(driver);
    }
}

TEST(Form1MenuDataRecord, LoadedCriteriaAskForTheRecordFile)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    program.state.RestoreSavedSelection = true;
    program.beam.shear.ShearV = 1250; // the saved selection wins over the caution
    driver.cancelFile();
    enableDataRecordMenu(program);
    driver.menu(program.form1.MnuDataRecord);
    ASSERT_EQ(driver.messages().size(), 2u);
    EXPECT_EQ(driver.messages()[0].text, "A Data Record could not be loaded.");
    EXPECT_EQ(driver.messages()[1].text, "There is no data on the data record.\r\rPlease begin by "
                                         "calculating a beam or loading a Data Record.");
    EXPECT_TRUE(program.form1.visible());
    EXPECT_FALSE(program.form6.visible());
    expectCleanRun(driver);
}

TEST(Form1MenuTools, CalculatorAndSettingsOpenBesideTheCriteriaForm)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    driver.menu(program.form1.MnuCalculator);
    EXPECT_TRUE(program.form25.visible());
    driver.switchTo(program.form1);
    driver.menu(program.form1.mnudefaultSet);
    EXPECT_TRUE(program.form13.visible());
    EXPECT_TRUE(program.form1.visible());
    expectCleanRun(driver);
}

TEST(Form1MenuHelp, ManualReturnsToTheCriteriaFormAndOpensTheAboutBox)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    driver.retype(program.form1.Span, "12");
    driver.menu(program.form1.MnuHelp);
    EXPECT_FALSE(program.form1.visible());
    EXPECT_TRUE(program.form12.visible());
    EXPECT_EQ(program.state.HelpReturnForm, "Form1");
    EXPECT_EQ(driver.activeForm(), &program.form12);

    driver.menu(program.form12.About);
    auto& about = program.form15;
    ASSERT_TRUE(about.visible());
    EXPECT_EQ(about.Label1.caption(), "Korvanta 2023");
    EXPECT_EQ(about.Label2.caption(), "Version 2023.0");
    EXPECT_EQ(about.Command1.caption(), "Done");
    // Placed by CenterForm: centred across, a little above the middle.
    EXPECT_DOUBLE_EQ(about.left(), (1024 * 15 - about.width()) / 2);
    EXPECT_DOUBLE_EQ(about.top(), 768 * 15 / 2 * 0.85 - about.height() / 2);
    driver.click(about.Command1);
    EXPECT_FALSE(about.loaded());

    // The close box asks the exit question and keeps the manual open.
    driver.answerMessage(MsgResult::Cancel);
    driver.closeBox(program.form12);
    EXPECT_TRUE(program.form12.visible());
    EXPECT_EQ(driver.messages().size(), 1u);

    driver.switchTo(program.form12);
    driver.menu(program.form12.mnuHelpexit);
    EXPECT_FALSE(program.form12.loaded());
    EXPECT_TRUE(program.form1.visible());
    EXPECT_EQ(driver.activeForm(), &program.form1);
    EXPECT_EQ(program.form1.Span.text(), "12");
    expectCleanRun(driver);
}

TEST(Form1Notes, NotesButtonKeepsTheEnteredLoadsAndOpensTheNotes)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = program.form1;
    driver.retype(f.UNIF, "120.5");
    driver.retype(f.PAR(0), "50");
    driver.retype(f.PAR(4), "7");
    driver.click(f.NoteButton);
    EXPECT_EQ(program.beam.loads.UNIFEntered, 120.5f);
    EXPECT_EQ(program.beam.loads.PAREntered[0], 50.0f);
    EXPECT_EQ(program.beam.loads.PAREntered[4], 7.0f);
    EXPECT_TRUE(program.form21.visible());
    EXPECT_EQ(driver.runtime().focusedControl(), &program.form21.Text1);
    expectCleanRun(driver);
}

TEST(Form1Notes, DoneStoresTheLinesAndCancelDropsTheEdits)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& notes = program.form21;
    driver.click(program.form1.NoteButton);
    driver.retype(notes.Text1, std::string(90, 'n')); // a line takes no more than 85 characters
    driver.retype(notes.Text7, "Last line, with a comma");
    driver.click(notes.Command1);
    EXPECT_FALSE(notes.visible());
    EXPECT_EQ(program.state.ReportNotes[0], std::string(85, 'n'));
    EXPECT_EQ(program.state.ReportNotes[6], "Last line, with a comma");
    EXPECT_EQ(notes.Text7.text(), "Last line, with a comma"); // the boxes keep their texts while hidden

    driver.switchTo(program.form1);
    driver.click(program.form1.NoteButton);
    driver.retype(notes.Text2, "draft");
    driver.retype(notes.Text7, "");
    driver.click(notes.Command2);
    EXPECT_FALSE(notes.visible());
    EXPECT_EQ(notes.Text2.text(), "");
    EXPECT_EQ(notes.Text7.text(), "Last line, with a comma");
    EXPECT_EQ(program.state.ReportNotes[1], "");
    EXPECT_EQ(program.state.ReportNotes[6], "Last line, with a comma");
    expectCleanRun(driver);
}

} // namespace
