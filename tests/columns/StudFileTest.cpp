// The stud column file through the dormant commands of the column criteria form: a save equals the
// fixture made by hand from the layout, save-load-save keeps every byte, the refusals change nothing,
// the notes question, and a failed save keeps the old file.
#include "StudFixture.h"
#include "app/Form1.h"
#include "app/SharedState.h"
#include "columns/Form18.h"
#include "columns/StudColumnRecord.h"

#include <unistd.h>

namespace
{

using columns::test::StudFrame;

class StudFile : public StudFrame
{
  protected:
    void SetUp() override
    {
        StudFrame::SetUp();
        enterStud();
        driver.retype(f18.ColumnProj, "Stud project");
        driver.retype(f18.ColumnDescription, "North wall");
        driver.retype(f18.columnID, "W-1");
        driver.clearMessages();
    }
    void save(const char* name)
    {
        driver.answerFile(driver.folder() / name);
        driver.runtime().dispatch([&] { f18.SaveWindStudMenu(); });
    }
    void load(const char* name)
    {
        driver.answerFile(driver.folder() / name);
        driver.runtime().dispatch([&] { f18.LoadWindStudMenu(); });
    }
    // What a refused load must leave as it was.
    std::vector<std::string> frameState()
    {
        std::vector<std::string> s;
        for (platform::TextBox* b :
             {&f18.AxialPLFtextbox, &f18.WindA, &f18.BegA, &f18.EndA, &f18.WindStudHt, &f18.WindStudSpacing,
              &f18.WindStudFb, &f18.AxialDurTextbox, &f18.ColumnProj}) {
            s.push_back(b->text());
        }
        s.push_back(f18.WindStudCombo.text());
        s.push_back(std::to_string(f18.DepthCombo.listIndex()) + std::to_string(f18.RepWindStud.value()));
        s.push_back(program.state.ReportNotes[0]);
        return s;
    }
};

TEST_F(StudFile, SaveEqualsTheHandMadeFixtureAndSaveLoadSaveKeepsEveryByte)
{
    save("a.Wsc");
    EXPECT_EQ(driver.readFile("a.Wsc"), fixture("stud.wsc"));
    EXPECT_EQ(lastMessage(),
              "The Stud Column Record has been saved as\r\r   " + (driver.folder() / "a.Wsc").string());
    EXPECT_EQ(f18.StudStatusLabel.caption(), "Adequate"); // the check ran first

    platform::test::Driver other;
    other.putFile("a.Wsc", driver.readFile("a.Wsc"));
    app::Program& second = other.start<app::Program>();
    other.menu(second.form1.MnuColDesign);
    other.answerFile(other.folder() / "a.Wsc");
    other.runtime().dispatch([&] { second.form18.LoadWindStudMenu(); });
    EXPECT_TRUE(second.form18.WindFrame.visible());
    EXPECT_EQ(other.messages().at(0).text,
              "The stud column data you have loaded may printed by selecting the Report Button.");
    EXPECT_EQ(second.form18.WindStudSpacing.text(), "16");
    EXPECT_EQ(second.form18.RepWindStud.value(), 1);
    EXPECT_EQ(second.form18.BegA.text(), "0");
    EXPECT_EQ(second.form18.StudStatusLabel.caption(), "Adequate"); // checked after the load
    EXPECT_TRUE(second.form18.StudReportbutton.enabled());
    other.answerFile(other.folder() / "b.Wsc");
    other.runtime().dispatch([&] { second.form18.SaveWindStudMenu(); });
    EXPECT_EQ(other.readFile("b.Wsc"), fixture("stud.wsc"));
}

// Every refused file leaves the frame and the notes as they were; the check still runs afterwards.
TEST_F(StudFile, RefusedFilesChangeNothing)
{
    const std::vector<std::uint8_t> good = fixture("stud-notes.wsc");
    auto damaged = [&](std::size_t offset, std::uint8_t byte) {
        auto b = good;
        b[offset] = byte;
        return b;
    };
    auto shortened = [&](std::size_t size) {
        return std::vector<std::uint8_t>(good.begin(), good.begin() + size);
    };
    const std::string wrongKind =
        "The file you have selected does not contain a Korvanta Stud Column Record.  "
        "Please check to see if you selected the appropriate file.\r\rWind Loaded Stud "
        "Column Records have a default extension of *.WSC\r\rStandard Wood Column Records "
        "have a default extension of *.COL\r\rSteel Column Records have a default "
        "extension of *.SCO\r\rCustom Value files have an extension of *.VAL\rBeam Data "
        "Records have an extension of *.DAT\rBeam Criteria files have an extension of *.CRI";
    const std::string notLoaded = "The wind loaded stud column could not be loaded.";
    struct Case
    {
        const char* name;
        std::vector<std::uint8_t> bytes;
        std::string message;
    };
    const Case cases[] = {
        {"empty", {}, wrongKind},
        {"one byte", shortened(1), wrongKind},
        {"wood column", damaged(0, 0x09), wrongKind}, // marker 777
        {"short", shortened(858), notLoaded},
        {"breadth 6", damaged(178, 6), notLoaded},
        {"depth 3", damaged(180, 3), notLoaded},
        {"check field 7", damaged(262, '7'), notLoaded},
        {"wind load refused", damaged(100, 'x'), notLoaded},
        {"height not a number", damaged(171, '-'), notLoaded}, // "1-"
    };
    program.state.ReportNotes[0] = "kept note";
    driver.retype(f18.WindStudHt, "9");
    for (const Case& c : cases) {
        driver.putFile("bad.Wsc", c.bytes);
        const auto before = frameState();
        const int beeps = driver.beeps();
        driver.clearMessages();
        load("bad.Wsc");
        ASSERT_FALSE(driver.messages().empty()) << c.name;
        EXPECT_EQ(driver.messages()[0].text, c.message) << c.name;
        EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Exclamation) << c.name;
        EXPECT_EQ(driver.beeps() - beeps, c.message == wrongKind ? 1 : 0) << c.name;
        EXPECT_EQ(frameState(), before) << c.name;
    }
    driver.clearMessages();
    driver.cancelFile();
    driver.runtime().dispatch([&] { f18.LoadWindStudMenu(); });
    EXPECT_EQ(driver.messages().at(0).text, notLoaded);
}

TEST_F(StudFile, NotesQuestionAndItsFourAnswers)
{
    auto notesOf = [&](const char* name) {
        platform::Record r(columns::StudColumnRecordLength);
        r.bytes() = driver.readFile(name);
        return r.text(264, 85);
    };
    save("none.Wsc"); // no notes: nothing asked, blanks stored
    EXPECT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(notesOf("none.Wsc"), "");

    program.state.ReportNotes[0] = "Wall studs at grid A";
    struct Case
    {
        platform::MsgResult answer;
        const char* file;
        bool written;
        std::string notes;
    };
    for (const Case& c : {Case{platform::MsgResult::Yes, "yes.Wsc", true, "Wall studs at grid A"},
                          Case{platform::MsgResult::No, "no.Wsc", true, ""},
                          Case{platform::MsgResult::Cancel, "cancel.Wsc", false, ""}}) {
        driver.clearMessages();
        driver.answerMessage(c.answer);
        if (c.written) {
            save(c.file);
        } else {
            driver.runtime().dispatch([&] { f18.SaveWindStudMenu(); });
        }
        ASSERT_FALSE(driver.messages().empty());
        EXPECT_EQ(driver.messages()[0].text,
                  "Would you like to save your notes as part of this stud column record?");
        EXPECT_EQ(driver.messages()[0].buttons, platform::Buttons::YesNoCancel);
        EXPECT_EQ(driver.messages().size(), c.written ? 2u : 1u);
        EXPECT_EQ(std::filesystem::exists(driver.folder() / c.file), c.written);
        if (c.written) {
            EXPECT_EQ(notesOf(c.file), c.notes);
        }
    }
    // Loading the file saved without notes empties the notes in memory.
    load("no.Wsc");
    EXPECT_EQ(program.state.ReportNotes[0], "");
}

TEST_F(StudFile, CancelAndAFailedSaveKeepTheOldFile)
{
    driver.clearMessages();
    driver.cancelFile();
    driver.runtime().dispatch([&] { f18.SaveWindStudMenu(); });
    EXPECT_EQ(lastMessage(), "The Stud Column Record was Not saved to a file.");

    const auto old = fixture("stud-notes.wsc");
    driver.putFile("kept.Wsc", old);
    for (int attempt = 0; attempt <= 100; ++attempt) {
        std::filesystem::create_directory(driver.folder() / (".kept.Wsc." + std::to_string(::getpid()) + "." +
                                                             std::to_string(attempt) + ".tmp"));
    }
    driver.clearMessages();
    save("kept.Wsc");
    EXPECT_EQ(lastMessage(), "The Stud Column Record was Not saved to a file.");
    EXPECT_EQ(driver.readFile("kept.Wsc"), old);
}

} // namespace
