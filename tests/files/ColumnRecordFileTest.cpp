// The wood column record file: a save against a record built by hand from the field table, a hand-made
// record loaded into the form and saved again byte for byte, the notes question and the refusals.
#include "files/ColumnRecordFile.h"

#include "FileFixtures.h"
#include "app/Form1.h"
#include "app/SharedState.h"
#include "columns/Form10.h"
#include "columns/Form18.h"
#include "columns/Form19.h"
#include "columns/Form20.h"
#include "columns/Form23.h"
#include "files/RecordFile.h"
#include "report/Form7.h"
#include "report/RecordState.h"

#include <optional>

namespace filetest
{

using platform::MsgResult;
using platform::test::Driver;

namespace
{

struct Field
{
    platform::Label columns::Form19::*label;
    std::size_t offset;
    std::size_t width;
};

// The stored labels, copied from the wood column record's field table; notes from 919, 7 x 85.
std::vector<Field> woodTable()
{
    using F = columns::Form19;
    std::vector<Field> t = {{&F::Label3, 2, 35},     {&F::Label4, 37, 30},   {&F::Label5, 67, 25},
                            {&F::Label6, 92, 25},    {&F::Label7, 117, 16},  {&F::Label12, 133, 110},
                            {&F::Label66, 243, 115}, {&F::Label86, 358, 14}, {&F::Label10, 372, 60},
                            {&F::Label59, 432, 85},  {&F::Label15, 517, 10}};
    // The 32 six-character values from 527 on, in table order.
    platform::Label F::*const values[] = {
        &F::Label17, &F::Label19, &F::Label23, &F::Label29, &F::Label30, &F::Label36, &F::Label38,
        &F::Label39, &F::Label40, &F::Label41, &F::Label48, &F::Label49, &F::Label50, &F::Label51,
        &F::Label52, &F::Label54, &F::Label55, &F::Label60, &F::Label61, &F::Label67, &F::Label68,
        &F::Label69, &F::Label70, &F::Label71, &F::Label75, &F::Label76, &F::Label77, &F::Label80,
        &F::Label81, &F::Label82, &F::Label83, &F::Label84};
    for (std::size_t i = 0; i < 32; ++i) {
        t.push_back({values[i], 527 + 6 * i, 6});
    }
    t.push_back({&F::SheathNote, 719, 125});
    t.push_back({&F::Sheathnote2, 844, 75});
    return t;
}

constexpr std::size_t WoodNotes = 919;

} // namespace

class WoodColumnFile : public testing::Test
{
  protected:
    void SetUp() override { driver.menu(program.form1.MnuColDesign); }

    // DF-L #1 6x6 post under 20,000 lb, 10 ft both ways (the wood column record's own example).
    void calculatedRecord()
    {
        driver.choose(f18.ColSpeciesCombo, "DF-L #1");
        driver.retype(f18.cReacText, "20000");
        driver.retype(f18.cHTtext, "12");
        driver.retype(f18.cD1text, "10");
        driver.retype(f18.cD2text, "10");
        driver.click(f18.CmdOK);
        driver.click(program.form20.ColDep(2));
        driver.click(program.form20.CmdColReportOK);
        ASSERT_TRUE(f19.visible());
    }

    // Save through the record's File menu and the report header form, as a user does.
    void save(const char* name, std::optional<MsgResult> notesAnswer = std::nullopt)
    {
        driver.menu(f19.MnuSave);
        ASSERT_TRUE(program.form7.visible());
        if (notesAnswer) {
            driver.answerMessage(*notesAnswer);
        }
        if (notesAnswer != MsgResult::Cancel) {
            driver.answerFile(driver.folder() / name);
            driver.answerMessage(MsgResult::OK);
        }
        driver.click(program.form7.Command1);
    }

    void load(const Bytes& bytes)
    {
        driver.putFile("rec.Col", bytes);
        driver.answerFile(driver.folder() / "rec.Col");
        driver.answerMessage(MsgResult::OK); // values not active
        driver.menu(f19.MnuLoad);
    }

    Bytes expectedFromForm(const std::array<std::string, 7>& notes)
    {
        Bytes b(1514, ' ');
        put16(b, 0, 777);
        for (const Field& f : woodTable()) {
            putText(b, f.offset, f.width, (f19.*f.label).caption());
        }
        for (std::size_t i = 0; i < 7; ++i) {
            putText(b, WoodNotes + 85 * i, 85, notes[i]);
        }
        return b;
    }

    Driver driver;
    app::Program& program = driver.start<app::Program>();
    columns::Form18& f18 = program.form18;
    columns::Form19& f19 = program.form19;
};

TEST_F(WoodColumnFile, TableRunsWithoutGapsToTheRecordLength)
{
    std::size_t at = 2;
    for (const Field& f : woodTable()) {
        EXPECT_EQ(f.offset, at);
        at = f.offset + f.width;
    }
    EXPECT_EQ(at, WoodNotes);
    EXPECT_EQ(WoodNotes + 7 * 85, 1514u);
    const auto slots = files::woodColumnSlots();
    ASSERT_EQ(slots.size(), woodTable().size());
    for (std::size_t i = 0; i < slots.size(); ++i) {
        EXPECT_EQ(slots[i].label, woodTable()[i].label);
        EXPECT_EQ(slots[i].offset, woodTable()[i].offset);
        EXPECT_EQ(slots[i].width, woodTable()[i].width);
    }
}

TEST_F(WoodColumnFile, SaveMatchesTheHandBuiltRecordAndRoundTrips)
{
    calculatedRecord();
    // No notes: nothing is asked and the notes are 595 spaces.
    save("first.Col");
    const Bytes first = readAll(driver.folder() / "first.Col");
    ASSERT_EQ(first.size(), 1514u);
    EXPECT_EQ(first[0], 0x09); // 777 = 0x0309
    EXPECT_EQ(first[1], 0x03);
    EXPECT_EQ(first, expectedFromForm({}));
    EXPECT_EQ(driver.messages().back().text,
              "The Column Record has been saved as\r\r   " + (driver.folder() / "first.Col").string());
    keepSeed(driver.folder() / "first.Col");

    driver.switchTo(f19);
    load(first);
    save("second.Col");
    EXPECT_EQ(readAll(driver.folder() / "second.Col"), first);
}

TEST_F(WoodColumnFile, HandMadeRecordLoadsIntoItsLabelsAndSavesBackUnchanged)
{
    calculatedRecord();
    Bytes named(1514, ' ');
    put16(named, 0, 777);
    int n = 0;
    for (const Field& f : woodTable()) {
        putText(named, f.offset, f.width, "w" + std::to_string(++n));
    }
    putText(named, 372, 60, std::string(3, ' ') + "selection"); // leading spaces survive
    for (std::size_t i = 0; i < 7; ++i) {
        putText(named, WoodNotes + 85 * i, 85, "note " + std::to_string(i + 1));
    }
    driver.putFile("named.Col", named);
    keepSeed(driver.folder() / "named.Col");
    load(named);
    EXPECT_EQ(driver.messages().back().text,
              "The column data you have loaded is text and the values are not active.  You may print the "
              "report as is, but to edit values you need to re-enter the column criteria in form 1.");
    n = 0;
    for (const Field& f : woodTable()) {
        const std::string want = f.offset == 372 ? "   selection" : "w" + std::to_string(++n);
        if (f.offset == 372) {
            ++n;
        }
        EXPECT_EQ((f19.*f.label).caption(), want) << f.offset;
    }
    EXPECT_EQ(program.state.ReportNotes[6], "note 7");
    EXPECT_EQ(program.record.WoodColRecordLoaded, -1);
    EXPECT_EQ(program.recordFiles.WoodColLoadFailed, 0);
    EXPECT_FALSE(f19.MnuBack.enabled());
    EXPECT_FALSE(f19.MnuSelect.enabled());

    save("again.Col", MsgResult::Yes); // notes kept
    EXPECT_EQ(readAll(driver.folder() / "again.Col"), named);
}

TEST_F(WoodColumnFile, NotesQuestion)
{
    calculatedRecord();
    program.state.ReportNotes = {"one", "", "", "", "", "", "seven"};
    struct Case
    {
        MsgResult answer;
        bool written;
        std::array<std::string, 7> notes;
    };
    const Case cases[] = {
        {MsgResult::Yes, true, program.state.ReportNotes},
        {MsgResult::No, true, {}},
        {MsgResult::Cancel, false, {}},
    };
    int i = 0;
    for (const Case& c : cases) {
        const std::string name = "notes" + std::to_string(++i) + ".Col";
        SCOPED_TRACE(name);
        driver.switchTo(f19);
        driver.clearMessages();
        save(name.c_str(), c.answer);
        EXPECT_EQ(driver.messages().front().text,
                  "Would you like to save your notes as part of this column record?");
        EXPECT_EQ(std::filesystem::exists(driver.folder() / name), c.written);
        EXPECT_EQ(driver.messages().size(), c.written ? 2u : 1u); // Cancel: no message follows
        if (c.written) {
            EXPECT_EQ(readAll(driver.folder() / name), expectedFromForm(c.notes));
        }
    }
}

TEST_F(WoodColumnFile, RefusedFilesChangeNothing)
{
    calculatedRecord();
    program.state.ReportNotes[0] = "kept";
    // Every load through this menu closes the way back, whatever its outcome.
    f19.MnuBack.setEnabled(false);
    f19.MnuSelect.setEnabled(false);
    Bytes good(1514, ' ');
    put16(good, 0, 777);
    Bytes steel(1156, ' ');
    put16(steel, 0, 888);
    const char* wrongKind =
        "The file you have selected does not contain a Korvanta Column Record.  Please check "
        "to see if you selected the appropriate file.\r\rColumn Records have a default "
        "extension of *.COL\r\rCustom Value files have an extension of *.VAL\rBeam Data "
        "Records have an extension of *.DAT\rCriteria files have an extension of *.CRI";
    const char* failed = "The column could not be loaded.";
    struct Case
    {
        const char* name;
        std::optional<Bytes> bytes;
        const char* message;
        int beeps;
    };
    const Case cases[] = {
        {"empty", Bytes{}, wrongKind, 1},      {"one byte", Bytes{0x09}, wrongKind, 1},
        {"steel record", steel, wrongKind, 1}, {"short", Bytes(good.begin(), good.begin() + 1513), failed, 0},
        {"cancel", std::nullopt, failed, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string before = snapshot(f19) + stateSnapshot(program);
        program.recordFiles.WoodColLoadFailed = 0;
        const int beepsBefore = driver.beeps();
        driver.clearMessages();
        if (c.bytes) {
            driver.putFile("bad.Col", *c.bytes);
            driver.answerFile(driver.folder() / "bad.Col");
        } else {
            driver.cancelFile();
        }
        driver.menu(f19.MnuLoad);
        ASSERT_EQ(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text, c.message);
        EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Exclamation);
        EXPECT_EQ(driver.beeps() - beepsBefore, c.beeps);
        EXPECT_EQ(snapshot(f19) + stateSnapshot(program), before);
        EXPECT_EQ(program.record.WoodColRecordLoaded, 0);
        // A foreign file counts as a failed load too, so the criteria form's load goes back to it.
        EXPECT_EQ(program.recordFiles.WoodColLoadFailed, -1);
    }
}

} // namespace filetest

namespace filetest
{

// The criteria form's load: a new column, the file, then the record form with the loaded texts, which
// later activations keep; a refused or foreign file leaves the criteria form up.
TEST_F(WoodColumnFile, CriteriaFormLoadShowsTheRecordAndActivationsKeepIt)
{
    Bytes tagged(1514, ' ');
    put16(tagged, 0, 777);
    putText(tagged, 517, 10, "tagged");
    driver.putFile("tagged.Col", tagged);
    Bytes steel(1156, ' ');
    put16(steel, 0, 888);
    driver.putFile("steel.SCo", steel);

    for (const char* refused : {"steel.SCo", ""}) {
        SCOPED_TRACE(refused);
        driver.answerMessage(MsgResult::No); // nothing to save first
        if (*refused != '\0') {
            driver.answerFile(driver.folder() / refused);
        } else {
            driver.cancelFile();
        }
        driver.menu(f18.MnuLoadWdCol);
        EXPECT_TRUE(f18.visible());
        EXPECT_FALSE(f19.visible());
        EXPECT_EQ(program.recordFiles.WoodColLoadFailed, -1);
    }

    driver.answerMessage(MsgResult::No);
    driver.answerFile(driver.folder() / "tagged.Col");
    driver.menu(f18.MnuLoadWdCol);
    ASSERT_TRUE(f19.visible());
    EXPECT_FALSE(f18.visible());
    EXPECT_FALSE(f19.backmnu.enabled());
    EXPECT_FALSE(f19.MnuGoto.enabled());
    EXPECT_EQ(f19.Label15.caption(), "tagged");
    EXPECT_TRUE(f19.Command3D1.enabled());

    // Print and come back: the activation places the form and keeps the loaded texts.
    driver.click(f19.Command3D1);
    ASSERT_TRUE(program.form7.visible());
    driver.switchTo(f19);
    EXPECT_EQ(f19.Label15.caption(), "tagged");
    EXPECT_FALSE(f19.backmnu.enabled());
}

// The criteria form's load takes Back and Goto away from the loaded record; the next record filled from
// a design must give them back, or the user cannot leave it but through the File menu.
TEST_F(WoodColumnFile, AFillFromTheDesignAfterACriteriaFormLoadGivesBackBackAndGoto)
{
    Bytes tagged(1514, ' ');
    put16(tagged, 0, 777);
    putText(tagged, 517, 10, "tagged");
    driver.putFile("tagged.Col", tagged);
    driver.answerMessage(MsgResult::No); // nothing to save first
    driver.answerFile(driver.folder() / "tagged.Col");
    driver.menu(f18.MnuLoadWdCol);
    ASSERT_FALSE(f19.backmnu.enabled());

    driver.menu(f19.MnuNew);
    ASSERT_TRUE(f18.visible());
    calculatedRecord();
    EXPECT_EQ(f19.Label15.caption(), "20000");
    EXPECT_TRUE(f19.backmnu.enabled());
    EXPECT_TRUE(f19.MnuGoto.enabled());
    driver.menu(f19.backmnu);
    EXPECT_TRUE(program.form20.visible());
}

// A steel record saved earlier in the run leaves the header form's steel current flag set; the wood
// record's Save must still save the wood record, not the steel one.
TEST_F(WoodColumnFile, AWoodSaveAfterASteelSaveWritesTheWoodRecord)
{
    driver.click(f18.SteelButton);
    driver.retype(f18.cReacText, "50000");
    driver.retype(f18.cHTtext, "12");
    driver.retype(f18.cD1text, "12");
    driver.click(f18.CmdOK);
    driver.click(program.form10.TubeCol(0));
    driver.click(program.form10.PrintPreviewbutton);
    driver.menu(program.form23.MnuSaveStlCol);
    ASSERT_TRUE(program.form7.visible());
    driver.click(program.form7.Command3); // Close: back to the steel record
    ASSERT_TRUE(program.form23.visible());
    driver.menu(program.form23.MnuNewColumn);
    driver.click(f18.WoodButton);
    calculatedRecord();

    save("post.Col");
    const Bytes written = readAll(driver.folder() / "post.Col");
    ASSERT_EQ(written.size(), 1514u);
    EXPECT_EQ(written[0], 0x09); // 777 = 0x0309
    EXPECT_EQ(written[1], 0x03);
    EXPECT_EQ(driver.messages().back().text,
              "The Column Record has been saved as\r\r   " + (driver.folder() / "post.Col").string());
}

} // namespace filetest
