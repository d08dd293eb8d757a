// The steel column record file: a save against a record built by hand from the field table, a hand-made
// record loaded into the form and saved again byte for byte, and the refusals.
#include "FileFixtures.h"
#include "app/Form1.h"
#include "app/SharedState.h"
#include "columns/Form10.h"
#include "columns/Form18.h"
#include "columns/Form23.h"
#include "files/ColumnRecordFile.h"
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

struct SteelField
{
    platform::Label columns::Form23::*label;
    std::size_t offset;
    std::size_t width;
};

// The stored labels, copied from the steel column record's field table; notes from 561, 7 x 85.
std::vector<SteelField> steelTable()
{
    using F = columns::Form23;
    std::vector<SteelField> t = {{&F::Label3, 2, 35},    {&F::Label4, 37, 30},   {&F::Label5, 67, 25},
                                 {&F::Label6, 92, 25},   {&F::Label7, 117, 16},  {&F::Label10, 133, 110},
                                 {&F::Label12, 243, 85}, {&F::Label59, 328, 85}, {&F::Label15, 413, 10}};
    // The 23 six-character values from 423 on, in table order.
    platform::Label F::*const values[] = {&F::Label17, &F::Label19, &F::Label23, &F::Label29, &F::Label30,
                                          &F::Label36, &F::Label38, &F::Label39, &F::Label40, &F::Label41,
                                          &F::Label50, &F::Label51, &F::Label52, &F::Label60, &F::Label61,
                                          &F::Label71, &F::Label75, &F::Label76, &F::Label77, &F::Label81,
                                          &F::Label82, &F::Label83, &F::Label84};
    for (std::size_t i = 0; i < 23; ++i) {
        t.push_back({values[i], 423 + 6 * i, 6});
    }
    return t;
}

constexpr std::size_t SteelNotes = 561;

} // namespace

class SteelColumnFile : public testing::Test
{
  protected:
    // The steel column selection form's worked example: 50,000 lb, 12 ft, a 4 x 4 x 1/4 tube.
    void SetUp() override
    {
        driver.menu(program.form1.MnuColDesign);
        driver.click(f18.SteelButton);
        driver.retype(f18.ColumnProj, "Barn");
        driver.retype(f18.cReacText, "50000");
        driver.retype(f18.cHTtext, "12");
        driver.retype(f18.cD1text, "12");
        driver.click(f18.CmdOK);
        driver.click(program.form10.TubeCol(0));
        driver.click(program.form10.PrintPreviewbutton);
        ASSERT_TRUE(f23.visible());
    }

    void save(const char* name, std::optional<MsgResult> notesAnswer = std::nullopt)
    {
        driver.menu(f23.MnuSaveStlCol);
        ASSERT_TRUE(program.form7.visible());
        if (notesAnswer) {
            driver.answerMessage(*notesAnswer);
        }
        driver.answerFile(driver.folder() / name);
        driver.answerMessage(MsgResult::OK);
        driver.click(program.form7.Command1);
    }

    void load(const Bytes& bytes)
    {
        driver.putFile("rec.SCo", bytes);
        driver.answerFile(driver.folder() / "rec.SCo");
        driver.answerMessage(MsgResult::OK); // values not active
        driver.menu(f23.MnuLoadStlColumn);
    }

    Driver driver;
    app::Program& program = driver.start<app::Program>();
    columns::Form18& f18 = program.form18;
    columns::Form23& f23 = program.form23;
};

TEST_F(SteelColumnFile, TableRunsWithoutGapsToTheRecordLength)
{
    std::size_t at = 2;
    for (const SteelField& f : steelTable()) {
        EXPECT_EQ(f.offset, at);
        at = f.offset + f.width;
    }
    EXPECT_EQ(at, SteelNotes);
    EXPECT_EQ(SteelNotes + 7 * 85, 1156u);
    const auto slots = files::steelColumnSlots();
    ASSERT_EQ(slots.size(), steelTable().size());
    for (std::size_t i = 0; i < slots.size(); ++i) {
        EXPECT_EQ(slots[i].label, steelTable()[i].label);
        EXPECT_EQ(slots[i].offset, steelTable()[i].offset);
        EXPECT_EQ(slots[i].width, steelTable()[i].width);
    }
}

TEST_F(SteelColumnFile, SaveMatchesTheHandBuiltRecordAndRoundTrips)
{
    save("first.SCo");
    Bytes expected(1156, ' ');
    put16(expected, 0, 888);
    for (const SteelField& f : steelTable()) {
        putText(expected, f.offset, f.width, (f23.*f.label).caption());
    }
    const Bytes first = readAll(driver.folder() / "first.SCo");
    ASSERT_EQ(first.size(), 1156u);
    EXPECT_EQ(first[0], 0x78); // 888 = 0x0378
    EXPECT_EQ(first[1], 0x03);
    EXPECT_EQ(first, expected);
    // "46,000" fills its six characters exactly.
    EXPECT_EQ(std::string(first.begin() + 501, first.begin() + 507), "46,000");
    EXPECT_EQ(driver.messages().back().text,
              "The Steel Column Record has been saved as\r\r   " + (driver.folder() / "first.SCo").string());
    keepSeed(driver.folder() / "first.SCo");

    driver.switchTo(f23);
    load(first);
    // The conditions line comes back without its two final spaces.
    EXPECT_EQ(f23.Label12.caption(),
              "Loading is concentric on a primary column member.  Maximum Kl/r is 200.");
    save("second.SCo");
    EXPECT_EQ(readAll(driver.folder() / "second.SCo"), first);
}

TEST_F(SteelColumnFile, HandMadeRecordLoadsIntoItsLabelsAndSavesBackUnchanged)
{
    Bytes named(1156, ' ');
    put16(named, 0, 888);
    int n = 0;
    for (const SteelField& f : steelTable()) {
        putText(named, f.offset, f.width, "s" + std::to_string(++n));
    }
    for (std::size_t i = 0; i < 7; ++i) {
        putText(named, SteelNotes + 85 * i, 85, "note " + std::to_string(i + 1));
    }
    driver.putFile("named.SCo", named);
    keepSeed(driver.folder() / "named.SCo");
    load(named);
    EXPECT_EQ(driver.messages().back().text,
              "The steel column data you have loaded is text and the values are not active.  You may print "
              "the report as is, but to edit values you need to re-enter the column criteria in form 1.");
    n = 0;
    for (const SteelField& f : steelTable()) {
        EXPECT_EQ((f23.*f.label).caption(), "s" + std::to_string(++n)) << f.offset;
    }
    EXPECT_EQ(program.state.ReportNotes[0], "note 1");
    EXPECT_EQ(program.record.SteelColRecordLoaded, -1);
    EXPECT_EQ(program.recordFiles.SteelColLoadFailed, 0);
    EXPECT_FALSE(f23.MnuCriteria.enabled());
    EXPECT_FALSE(f23.MnuSelection.enabled());

    save("again.SCo", MsgResult::Yes);
    EXPECT_EQ(readAll(driver.folder() / "again.SCo"), named);
}

TEST_F(SteelColumnFile, RefusedFilesChangeNothing)
{
    program.state.ReportNotes[0] = "kept";
    f23.MnuCriteria.setEnabled(false); // every load through this menu closes the way back
    f23.MnuSelection.setEnabled(false);
    Bytes good(1156, ' ');
    put16(good, 0, 888);
    Bytes wood(1514, ' ');
    put16(wood, 0, 777);
    const char* wrongKind =
        "The file you have selected does not contain a Korvanta Steel Column Record.  Please check to see if "
        "you selected the appropriate file.\r\rSteel Column Records have a default extension of "
        "*.SCO\r\rWood Column Records have a default extension of *.COL\r\rCustom Value files have an "
        "extension of *.VAL\rBeam Data Records have an extension of *.DAT\rCriteria files have an extension "
        "of *.CRI";
    const char* failed = "The steel column could not be loaded.";
    struct Case
    {
        const char* name;
        std::optional<Bytes> bytes;
        const char* message;
        int beeps;
    };
    const Case cases[] = {
        {"empty", Bytes{}, wrongKind, 1},    {"one byte", Bytes{0x78}, wrongKind, 1},
        {"wood record", wood, wrongKind, 1}, {"short", Bytes(good.begin(), good.begin() + 1155), failed, 0},
        {"cancel", std::nullopt, failed, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string before = snapshot(f23) + stateSnapshot(program);
        program.recordFiles.SteelColLoadFailed = 0;
        const int beepsBefore = driver.beeps();
        driver.clearMessages();
        if (c.bytes) {
            driver.putFile("bad.SCo", *c.bytes);
            driver.answerFile(driver.folder() / "bad.SCo");
        } else {
            driver.cancelFile();
        }
        driver.menu(f23.MnuLoadStlColumn);
        ASSERT_EQ(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text, c.message);
        EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Exclamation);
        EXPECT_EQ(driver.beeps() - beepsBefore, c.beeps);
        EXPECT_EQ(snapshot(f23) + stateSnapshot(program), before);
        EXPECT_EQ(program.record.SteelColRecordLoaded, 0);
        EXPECT_EQ(program.recordFiles.SteelColLoadFailed, -1);
    }
}

} // namespace filetest

namespace filetest
{

TEST_F(SteelColumnFile, CriteriaFormLoadShowsTheRecordAndActivationsKeepIt)
{
    Bytes tagged(1156, ' ');
    put16(tagged, 0, 888);
    putText(tagged, 413, 10, "tagged");
    driver.putFile("tagged.SCo", tagged);
    driver.menu(f23.MnuNewColumn);
    ASSERT_TRUE(f18.visible());

    Bytes wood(1514, ' ');
    put16(wood, 0, 777);
    driver.putFile("wood.Col", wood);
    driver.answerMessage(MsgResult::No); // nothing to save first
    driver.answerFile(driver.folder() / "wood.Col");
    driver.menu(f18.MnuLdStlCol);
    EXPECT_TRUE(f18.visible());
    EXPECT_FALSE(f23.visible());
    EXPECT_EQ(program.recordFiles.SteelColLoadFailed, -1);

    driver.answerMessage(MsgResult::No);
    driver.answerFile(driver.folder() / "tagged.SCo");
    driver.menu(f18.MnuLdStlCol);
    ASSERT_TRUE(f23.visible());
    EXPECT_FALSE(f18.visible());
    EXPECT_FALSE(f23.backmnu.enabled());
    EXPECT_FALSE(f23.MnuGoto.enabled());
    EXPECT_EQ(f23.Label15.caption(), "tagged");

    driver.click(f23.Command3D1);
    ASSERT_TRUE(program.form7.visible());
    driver.switchTo(f23);
    EXPECT_EQ(f23.Label15.caption(), "tagged");
    EXPECT_FALSE(f23.backmnu.enabled());
}

// The criteria form's load takes Back and Goto away from the loaded record; the next record filled from
// a design must give them back.
TEST_F(SteelColumnFile, AFillFromTheDesignAfterACriteriaFormLoadGivesBackBackAndGoto)
{
    Bytes tagged(1156, ' ');
    put16(tagged, 0, 888);
    driver.putFile("tagged.SCo", tagged);
    driver.menu(f23.MnuNewColumn);
    driver.answerMessage(MsgResult::No); // nothing to save first
    driver.answerFile(driver.folder() / "tagged.SCo");
    driver.menu(f18.MnuLdStlCol);
    ASSERT_FALSE(f23.backmnu.enabled());

    driver.menu(f23.MnuNewColumn);
    ASSERT_TRUE(f18.visible());
    driver.click(f18.SteelButton);
    driver.retype(f18.cReacText, "50000");
    driver.retype(f18.cHTtext, "12");
    driver.retype(f18.cD1text, "12");
    driver.click(f18.CmdOK);
    driver.click(program.form10.TubeCol(0));
    driver.click(program.form10.PrintPreviewbutton);
    ASSERT_TRUE(f23.visible());
    EXPECT_EQ(f23.Label15.caption(), "50,000");
    EXPECT_TRUE(f23.backmnu.enabled());
    EXPECT_TRUE(f23.MnuGoto.enabled());
    driver.menu(f23.backmnu);
    EXPECT_TRUE(program.form10.visible());
}

// A record loaded before the columns were left through the selection form's exit must not reach into
// the next run through the columns: the report header form's Close returns to the new record.
TEST_F(SteelColumnFile, LeavingThroughTheSelectionFormEndsTheLoadedRecordsHold)
{
    Bytes tagged(1156, ' ');
    put16(tagged, 0, 888);
    load(tagged);
    ASSERT_EQ(program.record.SteelColRecordLoaded, -1);
    driver.menu(f23.backmnu);
    driver.menu(program.form10.MnuExit);
    ASSERT_TRUE(program.form1.visible());
    EXPECT_EQ(program.record.SteelColRecordLoaded, 0);

    driver.menu(program.form1.MnuColDesign);
    driver.click(f18.SteelButton);
    driver.retype(f18.cReacText, "50000");
    driver.retype(f18.cHTtext, "12");
    driver.retype(f18.cD1text, "12");
    driver.click(f18.CmdOK);
    driver.click(program.form10.TubeCol(0));
    driver.click(program.form10.PrintPreviewbutton);
    driver.click(f23.Command3D1);
    ASSERT_TRUE(program.form7.visible());
    driver.click(program.form7.Command3); // Close
    EXPECT_TRUE(f23.visible());
    EXPECT_FALSE(f18.visible());
}

} // namespace filetest
