// The notch record file as the user saves and loads it: the layout against hand-made fixtures, the round
// trip, the older layout, and a refusal table in which nothing on the form or in NotchValues changes.
#include "notch/NotchRecord.h"

#include "notch/FormNotchwise.h"
#include "notch/NotchValues.h"
#include "tests/notch/NotchFixtures.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{

using platform::test::Driver;
using namespace notch::test;

std::vector<std::uint8_t> fixture(const char* name)
{
    std::ifstream in(std::filesystem::path(KORVANTA_TEST_DATA) / "notch" / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Everything the user sees on the form, and the shared notch state.
struct Snapshot
{
    std::vector<std::string> controls;
    notch::NotchValues values;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(app::Program& program)
{
    Snapshot s;
    for (platform::Control* c : program.formNotchwise.controls()) {
        const platform::ControlProps& p = c->props();
        std::string line = c->name() + "|" + p.caption + "|" + p.text + "|" + std::to_string(p.listIndex) +
                           "|" + std::to_string(p.value) + "|" + std::to_string(p.enabled) +
                           std::to_string(p.visible) + "|" + std::to_string(p.items.size());
        s.controls.push_back(line);
    }
    s.values = program.notchValues;
    return s;
}

// The entries of the TaperedGluLam.NWD fixture, typed and chosen as a user would.
void enterTaperedGluLam(Driver& driver, notch::FormNotchwise& f)
{
    driver.type(f.ProjectNameNW, "Barn");
    driver.type(f.DescriptionNW, "Ridge beam");
    driver.type(f.LocationNW, "Springfield");
    driver.choose(f.MemberListBox, 2);
    enterMember(driver, f, "1500", "5.125", "12");
    driver.choose(f.SpecieCombo, 3);
    driver.click(f.WetUseCheckbox);
    driver.choose(f.DurListbox, "1.15");
    driver.choose(f.NotchListBox, 2);
    driver.type(f.rdTextbox, "10");
    driver.type(f.tTextbox, "3.5");
    driver.type(f.rpTextbox, "3");
    driver.retype(f.eTextbox, "4");
    driver.retype(f.dnTextbox, "10");
}

TEST(NotchRecord, SaveOfTypedEntriesEqualsTheHandMadeFixture)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    enterTaperedGluLam(driver, f);
    driver.answerFile(driver.folder() / "ridge.NWD");
    driver.menu(f.MnuSave);

    EXPECT_EQ(driver.readFile("ridge.NWD"), fixture("TaperedGluLam.NWD"));
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text,
              "The Notchwise Record has been saved as\r\r   " + (driver.folder() / "ridge.NWD").string());
    EXPECT_EQ(driver.messages()[0].title, "Notchwise");
    const auto& request = driver.host().fileDialogs()[0].request;
    EXPECT_EQ(request.kind, platform::FileDialogKind::Save);
    EXPECT_EQ(request.title, "Save the Notchwise Data Record As");
    EXPECT_EQ(request.fileName, "*.NWD");
    EXPECT_EQ(request.defaultExtension, "NWD");
    EXPECT_EQ(request.filter, "All Files (*.*)|*.*|Notchwise Files (*.NWD)|*.NWD|");
    EXPECT_EQ(request.filterIndex, 2);
    EXPECT_TRUE(request.overwritePrompt);
    expectCleanRun(driver);
}

TEST(NotchRecord, SaveLoadSaveKeepsEveryByte)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    enterTaperedGluLam(driver, f);
    driver.click(f.OKcalcCmd);
    ASSERT_EQ(program.notchValues.NotchResultsValid, -1);
    driver.answerFile(driver.folder() / "a.NWD");
    driver.menu(f.MnuSave);
    const auto first = driver.readFile("a.NWD");
    EXPECT_EQ(first.size(), 319u);
    EXPECT_EQ(first[0], 0x70);
    EXPECT_EQ(first[1], 0x00);
    EXPECT_EQ(std::string(first.begin() + 289, first.begin() + 319), "OK  Fv ratio less than 100%   ");

    driver.answerMessage(platform::MsgResult::OK);
    driver.menu(f.MnuNew);
    driver.answerFile(driver.folder() / "a.NWD");
    driver.menu(f.MnuLoad);
    EXPECT_EQ(f.rdTextbox.text(), "10");
    EXPECT_EQ(f.dnTextbox.text(), "10");
    EXPECT_EQ(f.AnLabel.caption(), ""); // results are never read back
    EXPECT_EQ(program.notchValues.NotchResultsValid, 0);
    driver.click(f.OKcalcCmd);
    driver.answerFile(driver.folder() / "b.NWD");
    driver.menu(f.MnuSave);
    EXPECT_EQ(driver.readFile("b.NWD"), first);
    expectCleanRun(driver);
}

// A refused text stays in its box and so in the record; loading it back restores every box as saved, the
// number beyond the Double range reading as no number, as it did when it was entered.
TEST(NotchRecord, RefusedTextsBeyondTheDoubleRangeLoadBack)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    enterTaperedGluLam(driver, f);
    const std::string species = f.SpecieCombo.text();
    for (platform::TextBox* box : {&f.breadthtextbox, &f.eTextbox, &f.dnTextbox}) {
        driver.focus(*box);
        driver.runtime().userSelect(*box, 0, static_cast<int>(box->text().size()));
        driver.paste(*box, "1e309");
    }
    driver.answerFile(driver.folder() / "refused.NWD");
    driver.menu(f.MnuSave);
    driver.answerMessage(platform::MsgResult::OK);
    driver.menu(f.MnuNew);
    driver.clearMessages();

    driver.answerFile(driver.folder() / "refused.NWD");
    driver.menu(f.MnuLoad);
    // The breadth box judges the program's writes too: its refusal, and nothing else.
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, "Please enter a valid numeric value.");
    EXPECT_EQ(f.breadthtextbox.text(), "1e309");
    EXPECT_EQ(f.SpecieCombo.text(), species);
    EXPECT_EQ(f.rpTextbox.text(), "3");
    EXPECT_EQ(f.eTextbox.text(), "1e309");
    EXPECT_EQ(f.dnTextbox.text(), "1e309"); // the restore went on to its last box
    EXPECT_EQ(f.DNadequateLabel.caption(), "< Min N.G.!");
    expectCleanRun(driver);
}

// A species typed by hand has no list position: the record keeps -1 (bytes FF FF at 144) and the Fv
// typed with it (text at 153); loaded, no species is chosen and the Fv box holds that Fv.
TEST(NotchRecord, ATypedSpeciesIsKeptAsNoEntryWithItsFv)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    enterMember(driver, f, "1500", "3.5", "9.25");
    driver.retype(f.SpecieCombo, "Larch, select");
    driver.retype(f.Fvtextbox, "160");
    driver.answerFile(driver.folder() / "larch.NWD");
    driver.menu(f.MnuSave);
    const auto saved = driver.readFile("larch.NWD");
    ASSERT_EQ(saved.size(), 319u);
    EXPECT_EQ(saved[144], 0xFF);
    EXPECT_EQ(saved[145], 0xFF);
    EXPECT_EQ(std::string(saved.begin() + 153, saved.begin() + 163), "160       ");

    driver.answerMessage(platform::MsgResult::OK);
    driver.menu(f.MnuNew);
    ASSERT_EQ(f.SpecieCombo.text(), "Douglas Fir-Larch");
    driver.answerFile(driver.folder() / "larch.NWD");
    driver.menu(f.MnuLoad);
    EXPECT_EQ(f.SpecieCombo.listIndex(), -1);
    EXPECT_EQ(f.SpecieCombo.text(), "");
    EXPECT_EQ(f.Fvtextbox.text(), "160");
    expectCleanRun(driver);
}

TEST(NotchRecord, OlderLayoutLoads)
{
    Driver driver;
    driver.putFile("old.nwd", fixture("OldSawnTension.NWD"));
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    driver.choose(f.MemberListBox, 2);
    // The focus rests in a box whose text is not a number; the restore must not judge it.
    driver.focus(f.ProjectNameNW);
    driver.answerFile(driver.folder() / "old.nwd");
    driver.menu(f.MnuLoad);

    EXPECT_TRUE(driver.messages().empty());
    EXPECT_EQ(driver.beeps(), 0);
    EXPECT_EQ(f.ProjectNameNW.text(), "Old Mill Renovation"); // 20 characters, trailing blank trimmed
    EXPECT_EQ(f.DescriptionNW.text(), "Floor joist at stair");
    EXPECT_EQ(f.LocationNW.text(), "Pleasantville");
    EXPECT_EQ(f.DateNW.text(), "11/2/03");
    EXPECT_EQ(f.MemberListBox.listIndex(), 0);
    EXPECT_EQ(f.SpecieCombo.text(), "Douglas Fir-Larch");
    EXPECT_EQ(f.NDSyearList.text(), "2005");
    EXPECT_EQ(f.Fvtextbox.text(), "180");
    EXPECT_EQ(f.dnTextbox.text(), "9.5");
    EXPECT_EQ(f.RPtoDegreeCmd.caption(), "in Degrees <>");
    EXPECT_EQ(program.notchValues.NotchPitchInDegrees, -1);
    // An older record's shear factor 1 would double Fv' through Ch; every edition offered keeps it off.
    EXPECT_EQ(f.NoSplitCheckbox.value(), 0);
    driver.click(f.OKcalcCmd);
    EXPECT_EQ(f.AdjFvLabel.caption(), "180.0");
    EXPECT_EQ(f.CriticalfvLabel.caption(), "2845");
    expectCleanRun(driver);
}

TEST(NotchRecord, EmptyEditionKeepsTheFormsEdition)
{
    Driver driver;
    auto bytes = fixture("TaperedGluLam.NWD");
    std::fill(bytes.begin() + 148, bytes.begin() + 153, ' ');
    driver.putFile("noedition.NWD", bytes);
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    driver.answerFile(driver.folder() / "noedition.NWD");
    driver.menu(f.MnuLoad);
    EXPECT_TRUE(driver.messages().empty());
    EXPECT_EQ(f.NDSyearList.text(), "2018");
    EXPECT_EQ(f.dnTextbox.text(), "10"); // the restore went on to its last box
    expectCleanRun(driver);
}

TEST(NotchRecord, RefusedFilesChangeNothing)
{
    const std::string invalid = "Could not load the Notchwise Data record.\r\rOnly a valid Notchwise Notch "
                                "file may be opened here. If you "
                                "save all of your Notch files with the extension *.NWD, you can easily find "
                                "them and open them in this form.";
    const std::string notLoaded = "The Notchwise Data was not Loaded.";
    const auto good = fixture("TaperedGluLam.NWD");
    const auto oldFile = fixture("OldSawnTension.NWD");
    auto damaged = [&](std::size_t offset, std::vector<std::uint8_t> patch) {
        auto bytes = good;
        std::copy(patch.begin(), patch.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
        return bytes;
    };
    struct Case
    {
        const char* what;
        std::vector<std::uint8_t> bytes;
        bool cancel;
        const std::string* message;
    };
    const Case cases[] = {
        {"empty", {}, false, &invalid},
        {"one byte", {0x70}, false, &invalid},
        {"short", std::vector<std::uint8_t>(good.begin(), good.begin() + 300), false, &invalid},
        {"old marker, 278 bytes", std::vector<std::uint8_t>(oldFile.begin(), oldFile.end() - 1), false,
         &invalid},
        {"beam criteria file", damaged(0, {0x29, 0xF8}), false, &invalid},
        {"member 3", damaged(142, {3, 0}), false, &notLoaded},
        {"species 17 of glu-lam", damaged(144, {17, 0}), false, &notLoaded},
        {"species -2", damaged(144, {0xFE, 0xFF}), false, &notLoaded},
        {"notch 3", damaged(146, {3, 0}), false, &notLoaded},
        {"log with a tapered notch", damaged(142, {1, 0}), false, &notLoaded},
        {"edition 1999", damaged(148, {'1', '9', '9', '9'}), false, &notLoaded},
        {"duration 2.0", damaged(167, {'2', '.', '0', ' '}), false, &notLoaded},
        {"wet use 3", damaged(163, {3, 0}), false, &notLoaded},
        {"shear factor -1", damaged(165, {0xFF, 0xFF}), false, &notLoaded},
        {"cancel", {}, true, &notLoaded},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Driver driver;
        driver.putFile("x.NWD", c.bytes);
        auto& program = driver.start<app::Program>();
        auto& f = openNotch(driver, program);
        enterMember(driver, f, "1500", "3.5", "11.25");
        driver.type(f.dnTextbox, "9.5");
        driver.click(f.OKcalcCmd);
        const Snapshot before = snapshot(program);
        if (c.cancel) {
            driver.cancelFile();
        } else {
            driver.answerFile(driver.folder() / "x.NWD");
        }
        driver.menu(f.MnuLoad);
        ASSERT_EQ(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text, *c.message);
        const bool invalidFile = c.message == &invalid;
        EXPECT_EQ(driver.messages()[0].title, invalidFile ? "Korvanta" : "Notchwise");
        EXPECT_EQ(driver.messages()[0].icon,
                  invalidFile ? platform::Icon::Exclamation : platform::Icon::None);
        EXPECT_TRUE(snapshot(program) == before);
        expectCleanRun(driver);
    }
}

TEST(NotchRecord, LoadDialogAndCancelledSave)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    driver.cancelFile();
    driver.menu(f.MnuLoad);
    const auto& request = driver.host().fileDialogs()[0].request;
    EXPECT_EQ(request.kind, platform::FileDialogKind::Open);
    EXPECT_EQ(request.title, "Load a Notchwise Data Record");
    EXPECT_EQ(request.fileName, "*.nwd");
    EXPECT_EQ(request.filter, "All Files (*.*)|*.*|Korvanta Files (*.nwd)|*.nwd|");
    EXPECT_EQ(request.filterIndex, 2);

    driver.clearMessages();
    driver.cancelFile();
    driver.menu(f.MnuSave);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, "The Notchwise Notch Data Record was not saved.");
    EXPECT_EQ(driver.messages()[0].title, "Korvanta");
    EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Exclamation);
    expectCleanRun(driver);
}

TEST(NotchRecord, FailedSaveReportsNoSuccessAndKeepsTheOldFile)
{
    Driver driver;
    const auto old = fixture("OldSawnTension.NWD");
    driver.putFile("kept.NWD", old);
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    enterMember(driver, f, "1500", "3.5", "11.25");
    // The save writes beside the file first; with every name it would use taken, it cannot write at all.
    for (int attempt = 0; attempt <= 100; ++attempt) {
        std::filesystem::create_directory(driver.folder() / (".kept.NWD." + std::to_string(::getpid()) + "." +
                                                             std::to_string(attempt) + ".tmp"));
    }
    driver.answerFile(driver.folder() / "kept.NWD");
    driver.menu(f.MnuSave);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, "The Notchwise Notch Data Record was not saved.");
    EXPECT_EQ(driver.messages()[0].title, "Korvanta");
    EXPECT_EQ(driver.readFile("kept.NWD"), old);
    expectCleanRun(driver);
}

TEST(NotchRecordLayout, DecodeChecksMarkerLengthAndValues)
{
    const auto good = fixture("TaperedGluLam.NWD");
    const notch::DecodedNotchRecord decoded = notch::decodeNotchRecord(good);
    ASSERT_EQ(decoded.refusal, notch::NotchRecordRefusal::None);
    EXPECT_EQ(decoded.values.location, "Springfield");
    EXPECT_EQ(decoded.values.duration, "1.15");
    EXPECT_EQ(notch::encodeNotchRecord(decoded.values).bytes(), good);
    // A longer file reads its first record only.
    auto longer = good;
    longer.push_back(0x55);
    EXPECT_EQ(notch::decodeNotchRecord(longer).refusal, notch::NotchRecordRefusal::None);
}

} // namespace
