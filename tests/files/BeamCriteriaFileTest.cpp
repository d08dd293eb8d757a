// The beam criteria file: the record a save writes, the restore of each layout, refusals that change
// nothing, failed saves that keep the old file, and the spacing step that keeps the selection.
#include "files/BeamCriteriaFile.h"

#include "FileFixtures.h"
#include "app/Form1.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "report/Form7.h"

namespace filetest
{

namespace
{

using platform::MsgResult;
using platform::test::Driver;

// The text fields of the record, offset and width, from the record's table; everything else is a
// 16-bit integer or a single.
const std::pair<std::size_t, std::size_t> CriteriaTexts[] = {
    {2, 35},   {37, 30},   {67, 25},   {322, 110}, {432, 110}, {542, 8},   {574, 100}, {674, 8},
    {682, 12}, {704, 595}, {1303, 20}, {1323, 20}, {1343, 40}, {1383, 40}, {1423, 60}, {1483, 4},
    {1487, 4}, {1491, 4},  {1495, 4},  {1499, 10}, {1509, 10}, {1519, 60}, {1599, 6}};

// The beam typed in CriteriaFile::enterBeam, as a -2007 record worked out by hand. Singles:
// 12 = 1.5 x 2^3 -> 0x41400000; 1.15 -> exponent 127, mantissa 0.15 x 2^23 = 1258291.2 -> 0x3F933333;
// 200 = 1.5625 x 2^7 -> 0x43480000; 100 = 1.5625 x 2^6 -> 0x42C80000;
// 1500 = 1.46484375 x 2^10 -> 0x44BB8000; 500 = 1.953125 x 2^8 -> 0x43FA0000; 4 -> 0x40800000;
// 50 = 1.5625 x 2^5 -> 0x42480000; 6 = 1.5 x 2^2 -> 0x40C00000; a start typed as 0 is kept as 0.0001,
// the single nearest 1e-4 = 1.6384 x 2^-14 -> 0x38D1B717. Integers: 240 = 0x00F0, 360 = 0x0168,
// -2007 = 0xF829, -1 = 0xFFFF.
Bytes handMadeRecord()
{
    Bytes b(1613, 0);
    for (const auto& [at, width] : CriteriaTexts) {
        putText(b, at, width, "");
    }
    put16(b, 0, 0xF829);
    putText(b, 2, 35, "Smith Garage");
    putText(b, 37, 30, "Door header");
    putText(b, 67, 25, "B-1");
    put32(b, 92, 0x41400000);
    put32(b, 96, 0x3F933333);
    put16(b, 100, 0x00F0);
    put16(b, 102, 0x0168);
    put16(b, 104, 3);      // list position of DF South / DF North
    put16(b, 106, 0xFFFF); // in-grade, set by the species choice
    put16(b, 120, 0xFFFF); // simple span
    put16(b, 124, 0xFFFF); // two spans, the option selected in its group as the form is created
    put16(b, 560, 0xFFFF); // W shapes, the steel option selected as the form is created
    put32(b, 130, 0x43480000);
    put32(b, 134, 0x42C80000);
    put32(b, 138, 0x44BB8000);      // PT(0)
    put32(b, 162, 0x43FA0000);      // LPT(0)
    put32(b, 186, 0x40800000);      // DIS(0)
    put32(b, 210, 0x42480000);      // PAR(0)
    put32(b, 250, 0x40C00000);      // ENDP(0)
    put32(b, 270, 0x38D1B717);      // BEGP(0) typed as 0
    putText(b, 682, 12, "3/05/24"); // the driver's clock, 5 March 2024, as m/dd/yy
    put16(b, 1585, 0xFFFF);         // Form2: 2x class, as the form is created
    put16(b, 1595, 0xFFFF);         // Form2: rectangular
    put16(b, 1611, 0xFFFF);         // NDS 2018, the edition without a settings file
    return b;
}

class CriteriaFile : public testing::Test
{
  protected:
    void type(platform::TextBox& box, const char* text) { driver.retype(box, text); }

    void enterBeam()
    {
        driver.choose(f.Combo1, 3);
        driver.click(f.SimpleSpanbutton);
        type(f.Proj, "Smith Garage");
        type(f.Descrip, "Door header");
        type(f.ID, "B-1");
        type(f.Span, "12");
        type(f.Dur, "1.15");
        type(f.MaxDefl, "240");
        type(f.LMaxDefl, "360");
        type(f.UNIF, "200");
        type(f.LUNIF, "100");
        type(f.PT[0], "1500");
        type(f.LPT[0], "500");
        type(f.DIS[0], "4");
        type(f.PAR[0], "50");
        type(f.BEGP[0], "0");
        type(f.ENDP[0], "6");
    }

    std::filesystem::path save(const char* name)
    {
        driver.answerFile(driver.folder() / name);
        driver.answerMessage(MsgResult::OK);
        driver.menu(f.MnuSaveBeam);
        return driver.folder() / name;
    }

    // Loads through the File menu, answering the edition notice and the loaded notice.
    void load(const std::filesystem::path& path)
    {
        driver.answerFile(path);
        driver.menu(f.MnuLoadBeam);
    }

    Driver driver;
    app::Program& program = driver.start<app::Program>();
    app::Form1& f = program.form1;
};

std::string firstDifference(const Bytes& a, const Bytes& b)
{
    if (a.size() != b.size()) {
        return "sizes " + std::to_string(a.size()) + " and " + std::to_string(b.size());
    }
    std::string out;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) {
            out +=
                " offset " + std::to_string(i) + ": " + std::to_string(a[i]) + " vs " + std::to_string(b[i]);
        }
    }
    return out;
}

} // namespace

TEST_F(CriteriaFile, SaveWritesTheRecordWorkedOutByHandAndARoundTripKeepsIt)
{
    enterBeam();
    const auto path = save("beam");
    ASSERT_EQ(driver.host().fileDialogs().size(), 1u);
    const auto& request = driver.host().fileDialogs()[0].request;
    EXPECT_EQ(request.title, "Save Beam Criteria As");
    EXPECT_EQ(request.defaultExtension, "CRI");
    EXPECT_TRUE(request.overwritePrompt);
    const Bytes saved = readAll(path);
    EXPECT_EQ(firstDifference(saved, handMadeRecord()), "");
    keepSeed(path);
    ASSERT_FALSE(driver.messages().empty());
    EXPECT_EQ(driver.messages().back().text, "Beam Criteria saved to disk as\r\r    " + path.string());

    // New clears the form; the load brings every box back, and a second save gives the same bytes.
    type(f.Span, "20");
    type(f.PT[0], "");
    driver.clearMessages();
    driver.answerMessage(MsgResult::OK); // edition notice
    driver.answerMessage(MsgResult::OK); // loaded notice
    load(path);
    EXPECT_EQ(driver.messages().at(0).text, "This criteria was saved under NDS 2018 standards.");
    EXPECT_EQ(f.Span.text(), "12");
    EXPECT_EQ(f.Dur.text(), "1.15");
    EXPECT_EQ(f.PT[0].text(), "1500");
    EXPECT_EQ(f.BEGP[0].text(), "0");
    EXPECT_EQ(f.BEGP[1].text(), "");
    EXPECT_EQ(f.UBLtext.text(), "0"); // an empty unbraced length comes back as 0
    EXPECT_EQ(program.beam.flags.CriteriaLoadedFlag, -1);
    save("again.CRI");
    EXPECT_EQ(firstDifference(readAll(driver.folder() / "again.CRI"), saved), "");
    EXPECT_TRUE(driver.untrappedErrors().empty());
}

TEST_F(CriteriaFile, DurationOfOneComesBackAsOnePointZeroZero)
{
    type(f.Dur, "1");
    const auto path = save("d.CRI");
    type(f.Dur, "1.6");
    driver.answerMessage(MsgResult::OK);
    driver.answerMessage(MsgResult::OK);
    load(path);
    EXPECT_EQ(f.Dur.text(), "1.00");
}

// The writer re-selects spacing options; the selection it saves must survive that.
TEST_F(CriteriaFile, SavingKeepsTheSelectionWhileTheSpacingIsReselected)
{
    for (const bool repetitive : {false, true}) {
        SCOPED_TRACE(repetitive);
        if (repetitive != f.Rep.checked()) {
            driver.click(f.Rep);
        }
        if (repetitive) {
            driver.click(f.Ctr12);
        } else {
            f.Ctr12.setValue(
                true); // the spacings are disabled without repetitive use; a load can leave 12 in.
        }
        program.state.SelectionStatus = "OK";
        program.state.SelectionDescription = "4 x 12  #2";
        program.state.SavedSelection.SelectionBreadth = "4x";
        f.SavePanel.setCaption("panel");
        const auto path = save(repetitive ? "rep.CRI" : "norep.CRI");
        const Bytes b = readAll(path);
        EXPECT_EQ(b[112], repetitive ? 0xFF : 0x00); // 12 in. kept only with repetitive use
        EXPECT_EQ(f.Ctr12.value(), repetitive);
        EXPECT_EQ(f.Ctr0.value(), !repetitive);
        EXPECT_EQ(std::string(b.begin() + 674, b.begin() + 676), "OK");
        EXPECT_EQ(std::string(b.begin() + 1303, b.begin() + 1305), "4x");
        EXPECT_EQ(program.state.SelectionStatus, "OK");
        EXPECT_EQ(program.state.SavedSelection.SelectionBreadth, "4x");
        EXPECT_EQ(f.SavePanel.caption(), "panel");
        EXPECT_EQ(program.state.CriteriaSaveGuard, 0);
    }
}

TEST_F(CriteriaFile, UnbalancedLoadsAreNotSaved)
{
    f.UBSpan.setCaption("Restore Span");
    driver.menu(f.MnuSaveBeam);
    EXPECT_TRUE(driver.host().fileDialogs().empty());
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text.substr(0, 56),
              "Korvanta cannot save criteria when loads are unbalanced.");
}

// Older layouts restore what they hold. A -12 file knows only the 1997 flag and so clears the later
// editions; a -11 file restores no edition and leaves them.
TEST_F(CriteriaFile, OlderLayoutsRestoreTheirFieldsAndOneEditionOnly)
{
    const Bytes current = handMadeRecord(); // each older layout is its first bytes
    struct Case
    {
        std::uint16_t marker;
        std::size_t length;
        const char* date;
        bool notes;
    };
    for (const Case& c : {Case{0xFFF5, 574, "", false}, Case{0xFFF4, 704, "3/05/24", false},
                          Case{0xFFF3, 1613, "3/05/24", true}}) {
        SCOPED_TRACE(c.length);
        Bytes old(current.begin(), current.begin() + static_cast<std::ptrdiff_t>(c.length));
        put16(old, 0, c.marker);
        if (c.length > 700) {
            put16(old, 700, 0xFFFF); // NDS 1997
        }
        if (c.length > 1611) {
            put16(old, 1611, 0); // the -13 file names 1997 alone too
        }
        driver.putFile("old.CRI", old);
        std::filesystem::copy_file(driver.folder() / "old.CRI",
                                   driver.folder() / ("layout" + std::to_string(c.length) + ".CRI"));
        keepSeed(driver.folder() / ("layout" + std::to_string(c.length) + ".CRI"));
        program.state.NDS2018 = -1;
        program.state.NDS1997 = 0;
        program.state.SavedSelectionDate.clear();
        program.state.ReportNotes[0] = "kept?";
        type(f.Span, "30");
        driver.clearMessages();
        driver.answerMessage(MsgResult::OK);
        driver.answerMessage(MsgResult::OK);
        load(driver.folder() / "old.CRI");
        EXPECT_EQ(f.Span.text(), "12");
        EXPECT_EQ(program.state.SavedSelectionDate, c.date);
        EXPECT_EQ(program.state.ReportNotes[0], c.notes ? "" : "kept?");
        if (c.marker == 0xFFF5) {
            EXPECT_EQ(program.state.NDS2018, -1);
            EXPECT_EQ(program.state.NDS1997, 0);
        } else {
            EXPECT_EQ(program.state.NDS1997, -1);
            EXPECT_EQ(program.state.NDS2018, 0); // never two editions at once
        }
        // Only the -13 layout shows the edition notice before the loaded notice.
        EXPECT_EQ(driver.messages().size(), c.notes ? 2u : 1u);
        EXPECT_EQ(program.state.ChangeGuard, 0);
    }
}

TEST_F(CriteriaFile, RefusedFilesChangeNothing)
{
    enterBeam();
    const Bytes good = readAll(save("good.CRI"));
    auto with = [&](std::size_t at, std::uint16_t v) {
        Bytes b = good;
        put16(b, at, v);
        return b;
    };
    Bytes notFinite = good;
    put32(notFinite, 92, 0x7FC00000); // a NaN span
    Bytes valFile(66, 0);
    put16(valFile, 0, 0xFFFF);
    const char* wrongKind = "The Beam Criteria for this form could not be loaded.  Please check";
    const char* failed = "The Beam Criteria could not be loaded.";
    struct Case
    {
        const char* name;
        std::optional<Bytes> bytes; // none: Cancel
        const char* message;
        int beeps;
    };
    const Case cases[] = {
        {"empty", Bytes{}, wrongKind, 1},
        {"one byte", Bytes{0x29}, wrongKind, 1},
        {"custom values file", valFile, wrongKind, 1},
        {"-2007 cut short", Bytes(good.begin(), good.end() - 1), failed, 0},
        {"-11 cut short", with(0, 0xFFF5), failed, 0}, // replaced below by a 573-byte file
        {"species position 10", with(104, 10), failed, 0},
        {"in-grade 5", with(106, 5), failed, 0},
        {"edition flag 1", with(1611, 1), failed, 0},
        {"steel option 2", with(560, 2), failed, 0},
        {"span not a number", notFinite, failed, 0},
        {"cancel", std::nullopt, failed, 0},
    };
    type(f.Span, "33");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string before = snapshot(f) + snapshot(program.form7) + stateSnapshot(program);
        const int beepsBefore = driver.beeps();
        driver.clearMessages();
        if (c.bytes) {
            Bytes b = *c.bytes;
            if (std::string(c.name) == "-11 cut short") {
                b.resize(573);
            }
            driver.putFile("bad.CRI", b);
            driver.answerFile(driver.folder() / "bad.CRI");
        } else {
            driver.cancelFile();
        }
        driver.menu(f.MnuLoadBeam);
        ASSERT_EQ(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text.substr(0, std::string(c.message).size()), c.message);
        EXPECT_EQ(driver.beeps() - beepsBefore, c.beeps);
        EXPECT_EQ(snapshot(f) + snapshot(program.form7) + stateSnapshot(program), before);
    }
    // A folder chosen as the file cannot be read.
    std::filesystem::create_directory(driver.folder() / "dir.CRI");
    driver.clearMessages();
    driver.answerFile(driver.folder() / "dir.CRI");
    driver.menu(f.MnuLoadBeam);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, failed);
    EXPECT_EQ(f.Span.text(), "33");
}

TEST_F(CriteriaFile, FailedSavesKeepTheOldFileAndShowNoConfirmation)
{
    const Bytes old(1700, 0x5A);
    driver.putFile("old.CRI", old);
    std::filesystem::create_directory(driver.folder() / "taken.CRI");
    for (int kind = 0; kind < 3; ++kind) {
        SCOPED_TRACE(kind);
        driver.clearMessages();
        if (kind == 0) {
            driver.cancelFile();
        } else if (kind == 1) {
            driver.answerFile(driver.folder() / "missing" / "x.CRI");
        } else {
            driver.answerFile(driver.folder() / "taken.CRI");
        }
        driver.menu(f.MnuSaveBeam);
        ASSERT_EQ(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text, "Beam Criteria was Not saved to a file.");
        EXPECT_EQ(program.state.CriteriaSaveGuard, 0);
    }
    EXPECT_EQ(readAll(driver.folder() / "old.CRI"), old);
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(driver.folder())) {
        ++files;
    }
    EXPECT_EQ(files, 3u); // old.CRI, taken.CRI and the settings file: no temporary file left
}

// A save over a longer file keeps its tail, and the load reads only the record.
TEST_F(CriteriaFile, SavingOverALongerFileKeepsItsTail)
{
    driver.putFile("long.CRI", Bytes(2000, 0x77));
    const auto path = save("long.CRI");
    const Bytes b = readAll(path);
    ASSERT_EQ(b.size(), 2000u);
    EXPECT_EQ(b[1613], 0x77);
    EXPECT_EQ(b[0], 0x29);
}

} // namespace filetest

namespace filetest
{

// "Load and Print..." loads without the edition notice and goes on to calculate.
TEST_F(CriteriaFile, LoadAndPrintLoadsAndCalculates)
{
    enterBeam();
    const auto path = save("print.CRI");
    type(f.Span, "16");
    driver.clearMessages();
    driver.answerFile(path);
    driver.answerPrint(platform::PrintChoice{"Printer", 1, 1});
    driver.menu(f.LoadandPrint);
    for (const auto& message : driver.messages()) {
        EXPECT_EQ(message.text.find("This criteria was saved under"), std::string::npos);
        EXPECT_EQ(message.text.find("could not be loaded"), std::string::npos);
    }
    EXPECT_EQ(f.Span.text(), "12");
    EXPECT_NE(driver.host().fileDialogs().size(), 0u);
    EXPECT_EQ(program.beam.flags.CriteriaLoadedFlag, 0); // cleared at the calculation's hand-off
}

} // namespace filetest
