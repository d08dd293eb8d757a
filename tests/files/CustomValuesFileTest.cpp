// The custom values file: the record worked out by hand, values reloaded exactly, the timber stop,
// refusals that change nothing, the SCL refusal and a failed save.
#include "files/CustomValuesFile.h"

#include "FileFixtures.h"
#include "app/Form1.h"
#include "beam/BeamState.h"
#include "scl/Form2.h"

namespace filetest
{

namespace
{

using platform::MsgResult;
using platform::test::Driver;

// Fb 987.5 = 1111011011.1b = 1.1110110111b x 2^9 -> 0x4476E000; Fv 175 = 1.0101111b x 2^7 ->
// 0x432F0000; Fc-perp 625 = 1.001110001b x 2^9 -> 0x441C4000; E 1.55: 0.55 x 2^23 = 4613734.4 ->
// 0x3FC66666. The description keeps 30 of its characters.
Bytes handMadeRecord()
{
    Bytes b(66, 0);
    put16(b, 0, 0xFFFF);
    put32(b, 2, 0x4476E000);
    put32(b, 6, 0x432F0000);
    put32(b, 10, 0x441C4000);
    put32(b, 14, 0x3FC66666);
    putText(b, 18, 30, "Douglas Fir-Larch Select Struc");
    put16(b, 52, 0xFFFF); // 4x class
    put16(b, 62, 0xFFFF); // MSR lumber
    return b;
}

class CustomValuesFile : public testing::Test
{
  protected:
    // The custom values path: the criteria form is on custom values when Form2 shows them.
    CustomValuesFile()
    {
        driver.choose(program.form1.Combo1, 8);
        driver.runtime().dispatch([&] { program.form2.show(); });
    }

    void enterValues()
    {
        driver.retype(f2.Text1, "987.5");
        driver.retype(f2.Text2, "175");
        driver.retype(f2.Text3, "625");
        driver.retype(f2.Text4, "1.55");
        driver.retype(f2.Text5, "Douglas Fir-Larch Select Structural");
        driver.click(f2.Wid4x);
        program.beam.flags.MSRFlag = -1;
    }

    std::filesystem::path save(const char* name)
    {
        driver.answerFile(driver.folder() / name);
        driver.answerMessage(MsgResult::OK);
        driver.click(f2.SaveVal);
        return driver.folder() / name;
    }

    std::string everything() { return snapshot(f2) + snapshot(program.form1) + stateSnapshot(program); }

    Driver driver;
    app::Program& program = driver.start<app::Program>();
    scl::Form2& f2 = program.form2;
};

} // namespace

TEST_F(CustomValuesFile, SaveWritesTheHandMadeRecordAndReloadsTheExactValues)
{
    enterValues();
    const auto path = save("values");
    EXPECT_EQ(driver.host().fileDialogs().at(0).request.title, "Save Custom Values As");
    EXPECT_EQ(driver.host().fileDialogs().at(0).request.defaultExtension, "Val");
    const Bytes saved = readAll(path);
    EXPECT_EQ(saved, handMadeRecord());
    keepSeed(path);
    EXPECT_EQ(driver.messages().back().text, "Custom values saved to disk as\r\r    " + path.string());

    driver.retype(f2.Text1, "900");
    driver.click(f2.Wid2x);
    driver.clearMessages();
    driver.answerFile(path);
    driver.answerMessage(MsgResult::OK);
    driver.menu(f2.MnuLoadCustom);
    // The stored singles come back as they were typed, not rounded to "988" and "1.6".
    EXPECT_EQ(f2.Text1.text(), "987.5");
    EXPECT_EQ(f2.Text4.text(), "1.55");
    EXPECT_EQ(f2.Text5.text(), "Douglas Fir-Larch Select Struc");
    EXPECT_TRUE(f2.Wid4x.value());
    EXPECT_EQ(f2.MSRCheckbox.value(), 1);
    EXPECT_EQ(program.form1.Combo1.listIndex(), 8);
    EXPECT_TRUE(program.form1.group[8].value());
    EXPECT_TRUE(f2.visible()); // the list position did not change, so Form2 was not unloaded
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].title, "Korvanta Courtesy Alert");
    EXPECT_EQ(
        driver.messages()[0].text,
        "Courtesy Alert:   Are you loading NDS 2018 VALUES?\r\rKorvanta is currently set to calculate using "
        "NDS 2018 procedures.\r\rIF these are NOT NDS 2018 values, either revise these values or change the "
        "correct NDS Version.\r\rTo change the NDS version:\rReturn to form 1, on the menu bar select "
        "Options, select Set defaults, change the NDS version, select Save Defaults, and return to this "
        "form and re-load the values.");

    driver.answerFile(driver.folder() / "again.Val");
    driver.answerMessage(MsgResult::OK);
    driver.menu(f2.MnuSaveCustom);
    EXPECT_EQ(readAll(driver.folder() / "again.Val"), saved);
}

TEST_F(CustomValuesFile, TimberRecordWithRepetitiveUseStopsBeforeAnythingIsSet)
{
    Bytes timber = handMadeRecord();
    put16(timber, 52, 0);
    put16(timber, 54, 0xFFFF);
    driver.putFile("timber.Val", timber);
    f2.Wid6x.setEnabled(false); // what the form does while repetitive use is on
    const std::string before = everything();
    driver.answerFile(driver.folder() / "timber.Val");
    driver.click(f2.LoadVal);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text.substr(0, 60),
              "Criteria chosen in Form 1 is inappropriate for 6x members. R");
    EXPECT_EQ(driver.beeps(), 1);
    EXPECT_EQ(everything(), before);
}

TEST_F(CustomValuesFile, MechanicalGradeFlagOutsideMinusOneAndZeroLeavesTheCheckBox)
{
    Bytes b = handMadeRecord();
    put16(b, 64, 5);
    driver.putFile("mel.Val", b);
    driver.answerFile(driver.folder() / "mel.Val");
    driver.answerMessage(MsgResult::OK);
    driver.click(f2.LoadVal);
    EXPECT_EQ(program.beam.flags.MELFlag, 5);
    EXPECT_EQ(f2.MELCheckbox.value(), 0);
}

TEST_F(CustomValuesFile, RefusedFilesChangeNothing)
{
    const Bytes good = handMadeRecord();
    auto with16 = [&](std::size_t at, std::uint16_t v) {
        Bytes b = good;
        put16(b, at, v);
        return b;
    };
    auto with32 = [&](std::size_t at, std::uint32_t v) {
        Bytes b = good;
        put32(b, at, v);
        return b;
    };
    Bytes criteria(1613, 0);
    put16(criteria, 0, 0xF829);
    const char* wrongKind = "The selected file does not contain Korvanta Custom Values.";
    const char* failed = "The Custom Values could not be loaded.";
    struct Case
    {
        const char* name;
        std::optional<Bytes> bytes;
        const char* message;
        int beeps;
    };
    const Case cases[] = {
        {"empty", Bytes{}, wrongKind, 1},
        {"one byte", Bytes{0xFF}, wrongKind, 1},
        {"criteria file", criteria, wrongKind, 1},
        {"cut short", Bytes(good.begin(), good.end() - 1), failed, 0},
        {"negative Fb", with32(2, 0xC476E000), failed, 0},
        {"E not a number", with32(14, 0x7F800000), failed, 0},
        {"class option 3", with16(56, 3), failed, 0},
        {"So. Pine flag 1", with16(48, 1), failed, 0},
        {"cancel", std::nullopt, failed, 0},
    };
    driver.retype(f2.Text1, "800");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string before = everything();
        const int beepsBefore = driver.beeps();
        driver.clearMessages();
        if (c.bytes) {
            driver.putFile("bad.Val", *c.bytes);
            driver.answerFile(driver.folder() / "bad.Val");
        } else {
            driver.cancelFile();
        }
        driver.click(f2.LoadVal);
        ASSERT_EQ(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text.substr(0, std::string(c.message).size()), c.message);
        EXPECT_EQ(driver.beeps() - beepsBefore, c.beeps);
        EXPECT_EQ(everything(), before);
    }
}

TEST_F(CustomValuesFile, RefusedAndFailedSaves)
{
    // An SCL beam saves its values elsewhere: no dialog.
    program.form1.group[7].setValue(true);
    driver.menu(f2.MnuSaveCustom);
    EXPECT_TRUE(driver.host().fileDialogs().empty());
    EXPECT_EQ(driver.messages().at(0).text.substr(0, 46), "Please use the Save Default button to save SCL");
    program.form1.group[0].setValue(true);

    // The button asks for a description first.
    driver.clearMessages();
    driver.click(f2.SaveVal);
    EXPECT_TRUE(driver.host().fileDialogs().empty());
    EXPECT_EQ(driver.messages().at(0).text.substr(0, 36), "Please enter the species name and gr");

    // An empty Fb cannot be stored: the dialog, then the failure, and no file.
    driver.clearMessages();
    driver.retype(f2.Text5, "Oak");
    save("none.Val");
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, "Custom Values were Not saved to a file.");
    EXPECT_FALSE(std::filesystem::exists(driver.folder() / "none.Val"));
}

} // namespace filetest
