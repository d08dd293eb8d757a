// What all record file kinds share: the kinds' table, the column writers' notes question, and the
// selection reset that the criteria writer holds off while it saves.
#include "FileFixtures.h"
#include "app/ClearSelection.h"
#include "app/Form1.h"
#include "app/SharedState.h"
#include "files/RecordFile.h"
#include "notch/FormNotchwise.h"

namespace filetest
{

using platform::MsgResult;
using platform::test::Driver;

TEST(RecordKinds, MarkersLengthsAndTexts)
{
    struct Row
    {
        files::RecordKind kind;
        std::size_t length;
        std::int16_t written;
        std::vector<std::int16_t> read;
        const char* pattern;
        const char* loadFailed;
    };
    const Row rows[] = {
        {files::RecordKind::CustomValues, 66, -1, {-1}, "*.Val", "The Custom Values could not be loaded."},
        {files::RecordKind::SteelColumn, 1156, 888, {888}, "*.SCo", "The steel column could not be loaded."},
        {files::RecordKind::BeamCriteria,
         1613,
         -2007,
         {-2007, -13, -12, -11},
         "*.CRI",
         "The Beam Criteria could not be loaded."},
        {files::RecordKind::WoodColumn, 1514, 777, {777}, "*.Col", "The column could not be loaded."},
        {files::RecordKind::StudColumn,
         859,
         889,
         {889},
         "*.Wsc",
         "The wind loaded stud column could not be loaded."},
        {files::RecordKind::BeamData, 4809, 556, {556, 555}, "*.Dat", "A Data Record could not be loaded."},
        {files::RecordKind::CustomPost,
         38,
         100,
         {100},
         "*.CPV",
         "User cancelled or Error loading custom post values."},
    };
    for (const Row& row : rows) {
        const files::RecordKindInfo& info = files::recordKind(row.kind);
        SCOPED_TRACE(row.pattern);
        EXPECT_EQ(info.length, row.length);
        EXPECT_EQ(info.writtenMarker, row.written);
        EXPECT_EQ(info.pattern, row.pattern);
        EXPECT_EQ(info.loadFailed, row.loadFailed);
        EXPECT_EQ(info.filter, std::string("All Files (*.*)|*.*|Korvanta Files (") + row.pattern + ")|" +
                                   row.pattern + "|");
        for (std::int16_t m : row.read) {
            EXPECT_TRUE(files::acceptsMarker(info, m));
        }
        for (std::int16_t m : {0, 1, 554, 557, -2, -10, -14, 2007}) {
            EXPECT_FALSE(files::acceptsMarker(info, static_cast<std::int16_t>(m)));
        }
        // Messages break lines with CR alone and never end with one.
        EXPECT_EQ(info.wrongKindMessage.find('\n'), std::string_view::npos);
        EXPECT_NE(info.wrongKindMessage.back(), '\r');
    }
}

TEST(ColumnNotesQuestion, AskedOnlyWhenANoteIsWritten)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    EXPECT_EQ(files::askColumnNotes(program, files::RecordKind::WoodColumn), files::NotesAnswer::Blank);
    EXPECT_TRUE(driver.messages().empty());

    program.state.ReportNotes[6] = "Verify bearing";
    struct Case
    {
        files::RecordKind kind;
        MsgResult answer;
        files::NotesAnswer expected;
        const char* question;
    };
    const char* column = "Would you like to save your notes as part of this column record?";
    const char* stud = "Would you like to save your notes as part of this stud column record?";
    for (const Case& c :
         {Case{files::RecordKind::WoodColumn, MsgResult::Yes, files::NotesAnswer::Keep, column},
          Case{files::RecordKind::SteelColumn, MsgResult::No, files::NotesAnswer::Blank, column},
          Case{files::RecordKind::StudColumn, MsgResult::Cancel, files::NotesAnswer::Cancel, stud}}) {
        driver.clearMessages();
        driver.answerMessage(c.answer);
        EXPECT_EQ(files::askColumnNotes(program, c.kind), c.expected);
        ASSERT_EQ(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text, c.question);
        EXPECT_EQ(driver.messages()[0].buttons, platform::Buttons::YesNoCancel);
    }
}

TEST(SelectionReset, ClearsOnceAndNothingWhileTheCriteriaAreSaved)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    app::SharedState& s = program.state;
    auto select = [&] {
        s.SelectionStatus = "Fail";
        s.SavedSelection.SelectionDepth = "11-1/4";
        program.form1.SavePanel.setCaption("  Saved Selection:  x");
        program.form1.MnuDataRecord.setEnabled(true);
    };
    select();
    s.CriteriaSaveGuard = -1;
    app::ClearSelection(program);
    EXPECT_EQ(s.SelectionStatus, "Fail");
    EXPECT_EQ(program.form1.SavePanel.caption(), "  Saved Selection:  x");
    EXPECT_TRUE(program.form1.MnuDataRecord.enabled());

    s.CriteriaSaveGuard = 0;
    app::ClearSelection(program);
    app::ClearSelection(program);
    EXPECT_EQ(s.SelectionStatus, "");
    EXPECT_EQ(s.SavedSelection.SelectionDepth, "");
    EXPECT_EQ(program.form1.SavePanel.caption(), "   Selection:  None");
    EXPECT_FALSE(program.form1.MnuDataRecord.enabled());
}

} // namespace filetest

namespace filetest
{

// Every dialog request is whole: an open dialog after a save carries no default extension.
TEST(RecordFileDialogs, OpenAfterSaveHasNoDefaultExtension)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    driver.answerFile(driver.folder() / "a.CRI");
    driver.answerMessage(MsgResult::OK);
    driver.menu(program.form1.MnuSaveBeam);
    driver.cancelFile();
    driver.menu(program.form1.MnuLoadBeam);
    const auto& dialogs = driver.host().fileDialogs();
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].request.defaultExtension, "CRI");
    EXPECT_EQ(dialogs[1].request.kind, platform::FileDialogKind::Open);
    EXPECT_EQ(dialogs[1].request.defaultExtension, "");
    EXPECT_FALSE(dialogs[1].request.overwritePrompt);
}

// A kind's dialog opens in the folder where a file of that kind was last picked during the run, the
// program's folder before that; each kind keeps its own, whether the file was opened or saved.
TEST(RecordFileDialogs, EachKindOpensWhereItsFilesWereLastPicked)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    const std::filesystem::path beams = driver.folder() / "beams";
    const std::filesystem::path notches = driver.folder() / "notches";
    std::filesystem::create_directories(beams);
    std::filesystem::create_directories(notches);
    const auto& dialogs = driver.host().fileDialogs();
    auto lastFolder = [&] { return dialogs.back().request.initialFolder; };

    driver.answerFile(beams / "a.CRI");
    driver.answerMessage(MsgResult::OK);
    driver.menu(program.form1.MnuSaveBeam);
    EXPECT_EQ(lastFolder(), driver.folder());
    driver.cancelFile();
    driver.menu(program.form1.MnuLoadBeam);
    EXPECT_EQ(lastFolder(), beams);
    driver.cancelFile(); // a cancelled dialog picks no folder
    driver.retype(program.form1.Span, "12");
    driver.answerMessage(MsgResult::No); // File > New first: nothing to save
    driver.menu(program.form1.MnuLoadDR);
    EXPECT_EQ(dialogs.back().request.title, "Open Data Record");
    EXPECT_EQ(lastFolder(), driver.folder());

    // The notch form's open and save dialogs name their kind in different case; a file refused as
    // foreign still says where the user looks for notch files.
    driver.menu(program.form1.MnuNotches);
    notch::FormNotchwise& notchForm = program.formNotchwise;
    driver.answerFile(notches / "not a notch.NWD");
    driver.menu(notchForm.MnuLoad);
    EXPECT_EQ(lastFolder(), driver.folder());
    driver.cancelFile();
    driver.menu(notchForm.MnuSave);
    EXPECT_EQ(lastFolder(), notches);
    driver.menu(notchForm.MnuExit);

    // A folder removed since gives way to the program's folder.
    driver.cancelFile();
    driver.menu(program.form1.MnuLoadBeam);
    EXPECT_EQ(lastFolder(), beams);
    std::filesystem::remove_all(beams);
    driver.cancelFile();
    driver.menu(program.form1.MnuLoadBeam);
    EXPECT_EQ(lastFolder(), driver.folder());
}

} // namespace filetest
