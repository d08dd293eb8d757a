// The custom post values file: a save against a record built by hand from the field table, load and
// save again byte for byte, and the refusals of both commands.
#include "files/CustomPostFile.h"

#include "FileFixtures.h"
#include "app/Form1.h"
#include "columns/Form18.h"
#include "platform/forms/Runtime.h"
#include "scl/Form2.h"

#include <optional>

namespace filetest
{

using platform::MsgResult;
using platform::test::Driver;

namespace
{

// IEEE 754 singles worked out by hand: 1.6 = 1.1001100...b x 2^0 -> 0x3FCCCCCD (rounded up);
// 0.9 = 1.11001100...b x 2^-1 -> 0x3F666666; 0.01 = 1.01000111101...b x 2^-7 -> 0x3C23D70A.
constexpr std::uint32_t E16 = 0x3FCCCCCD;
constexpr std::uint32_t E09 = 0x3F666666;
constexpr std::uint32_t E001 = 0x3C23D70A;

// Marker 100 at 0, Fc at 2, E at 4, the species text in 30 blanks-padded characters at 8.
Bytes postRecord(std::uint16_t fc, std::uint32_t eBits, const std::string& species)
{
    Bytes b(38, ' ');
    put16(b, 0, 100);
    put16(b, 2, fc);
    put32(b, 4, eBits);
    putText(b, 8, 30, species);
    return b;
}

constexpr const char* LoadFailed = "User cancelled or Error loading custom post values.";
constexpr const char* SaveFailed = "User cancelled or Error in saving custom post values to hard drive.";
constexpr const char* WrongKind =
    "Cannot load the selected values. Please verify you are loading Custom Wood "
    "Post values with the *.CPV extension";

} // namespace

class CustomPostFile : public testing::Test
{
  protected:
    void SetUp() override
    {
        driver.menu(program.form1.MnuColDesign);
        ASSERT_TRUE(f18.visible());
        driver.choose(f18.ColSpeciesCombo, "DF-L #1");
        driver.retype(f18.cFcText, "1350");
        driver.retype(f18.cEtext, "1.6");
        driver.clearMessages();
    }

    void save(const char* name)
    {
        driver.answerFile(driver.folder() / name);
        driver.answerMessage(MsgResult::OK);
        driver.click(f18.SavePostbutton);
    }

    void load(const char* name)
    {
        driver.answerFile(driver.folder() / name);
        driver.click(f18.Loadpostbutton);
    }

    std::string everything()
    {
        std::string all = stateSnapshot(program);
        for (platform::Form* form :
             {static_cast<platform::Form*>(&f18), static_cast<platform::Form*>(&program.form1),
              static_cast<platform::Form*>(&program.form2)}) {
            all += snapshot(*form);
        }
        return all;
    }

    Driver driver;
    app::Program& program = driver.start<app::Program>();
    columns::Form18& f18 = program.form18;
};

TEST_F(CustomPostFile, SaveMatchesTheHandMadeRecordAndRoundTrips)
{
    save("post.CPV");
    // 1350 = 0x0546: bytes 46 05.
    const Bytes expected = postRecord(1350, E16, "DF-L #1");
    const Bytes first = readAll(driver.folder() / "post.CPV");
    ASSERT_EQ(first.size(), 38u);
    EXPECT_EQ(first, expected);
    EXPECT_EQ(first[2], 0x46);
    EXPECT_EQ(first[3], 0x05);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text,
              "Custom post values saved to disk as\r\r    " + (driver.folder() / "post.CPV").string());
    keepSeed(driver.folder() / "post.CPV");
    {
        ASSERT_EQ(driver.host().fileDialogs().size(), 1u);
        const auto& request = driver.host().fileDialogs()[0].request;
        EXPECT_EQ(request.title, "Save Custom Values As");
        EXPECT_EQ(request.fileName, "*.CPV");
        EXPECT_EQ(request.defaultExtension, "CPV");
        EXPECT_EQ(request.filter, "All Files (*.*)|*.*|Korvanta Files (*.CPV)|*.CPV|");
        EXPECT_EQ(request.filterIndex, 2);
        EXPECT_TRUE(request.overwritePrompt);
    }

    driver.retype(f18.cFcText, "900");
    driver.retype(f18.cEtext, "1.2");
    driver.choose(f18.ColSpeciesCombo, "DF-L Select");
    const bool timber = f18.TimberButton.value();
    const int count = f18.ColSpeciesCombo.listCount();
    driver.clearMessages();
    load("post.CPV");
    EXPECT_TRUE(driver.messages().empty());
    ASSERT_EQ(driver.host().fileDialogs().size(), 2u);
    EXPECT_EQ(driver.host().fileDialogs()[1].request.title, "Open Custom Post Value File");
    EXPECT_EQ(f18.cFcText.text(), "1350");
    EXPECT_EQ(f18.cEtext.text(), "1.6");
    EXPECT_EQ(f18.ColSpeciesCombo.text(), "DF-L #1");
    // The value group and the list stay as they were.
    EXPECT_EQ(f18.TimberButton.value(), timber);
    EXPECT_EQ(f18.ColSpeciesCombo.listCount(), count);

    save("again.CPV");
    EXPECT_EQ(readAll(driver.folder() / "again.CPV"), first);
}

// The user's own post species: typed over "Custom" in the species box, refused while the box is empty,
// saved under its name and shown again on load.
TEST_F(CustomPostFile, ATypedSpeciesNameIsTheRecordsSpecies)
{
    driver.choose(f18.ColSpeciesCombo, "Custom");
    driver.retype(f18.cFcText, "1100");
    driver.retype(f18.cEtext, "1.6");
    driver.retype(f18.ColSpeciesCombo, "");
    driver.clearMessages();
    driver.click(f18.SavePostbutton);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text,
              "Please document your custom species and grade in the species list box.");
    EXPECT_EQ(program.runtime.activeControl(), &f18.ColSpeciesCombo);
    EXPECT_TRUE(driver.host().fileDialogs().empty());

    driver.type(f18.ColSpeciesCombo, "Alaska Yellow Cedar #1");
    EXPECT_EQ(f18.cFcText.text(), "1100"); // typing looks nothing up
    driver.clearMessages();
    save("cedar.CPV");
    EXPECT_EQ(readAll(driver.folder() / "cedar.CPV"), postRecord(1100, E16, "Alaska Yellow Cedar #1"));

    driver.choose(f18.ColSpeciesCombo, "DF-L #1");
    load("cedar.CPV");
    EXPECT_EQ(f18.ColSpeciesCombo.text(), "Alaska Yellow Cedar #1");
    EXPECT_EQ(f18.ColSpeciesCombo.listIndex(), -1);
    EXPECT_EQ(f18.cFcText.text(), "1100");
}

TEST_F(CustomPostFile, AnEBelowOneComesBackWithoutALeadingZero)
{
    driver.putFile("nine.CPV", postRecord(700, E09, "My own post grade"));
    keepSeed(driver.folder() / "nine.CPV");
    load("nine.CPV");
    EXPECT_TRUE(driver.messages().empty());
    EXPECT_EQ(f18.cFcText.text(), "700");
    EXPECT_EQ(f18.cEtext.text(), ".9");
    EXPECT_EQ(f18.ColSpeciesCombo.text(), "My own post grade");
}

TEST_F(CustomPostFile, RefusedFilesChangeNothing)
{
    Bytes steel(1156, ' ');
    put16(steel, 0, 888);
    const Bytes good = postRecord(1350, E16, "DF-L #1");
    struct Case
    {
        const char* name;
        std::optional<Bytes> bytes;
        const char* message;
    };
    const Case cases[] = {
        {"empty", Bytes{}, WrongKind},
        {"one byte", Bytes{0x64}, WrongKind},
        {"steel column record", steel, WrongKind},
        {"short", Bytes(good.begin(), good.begin() + 37), LoadFailed},
        {"Fc 0", postRecord(0, E16, "x"), LoadFailed},
        {"Fc negative", postRecord(0xFFFF, E16, "x"), LoadFailed},
        {"E 0.01", postRecord(1350, E001, "x"), LoadFailed},
        {"E not a number", postRecord(1350, 0x7FC00000, "x"), LoadFailed},
        {"cancel", std::nullopt, LoadFailed},
    };
    driver.retype(f18.cFcText, "1111");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string before = everything();
        const int beepsBefore = driver.beeps();
        driver.clearMessages();
        if (c.bytes) {
            driver.putFile("bad.CPV", *c.bytes);
            load("bad.CPV");
        } else {
            driver.cancelFile();
            driver.click(f18.Loadpostbutton);
        }
        ASSERT_EQ(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text, c.message);
        EXPECT_EQ(driver.messages()[0].icon, platform::Icon::None);
        EXPECT_EQ(driver.beeps(), beepsBefore);
        EXPECT_EQ(everything(), before);
        EXPECT_EQ(f18.cFcText.text(), "1111");
    }
    // The open dialog lets a name of no file through: it reads as an empty file and is not created.
    driver.clearMessages();
    load("none.CPV");
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, WrongKind);
    EXPECT_FALSE(std::filesystem::exists(driver.folder() / "none.CPV"));
    EXPECT_EQ(f18.cFcText.text(), "1111");
}

TEST_F(CustomPostFile, SaveRefusalsWriteNothing)
{
    struct Case
    {
        const char* name;
        const char* species; // chosen from the list; nullptr keeps "DF-L #1"
        const char* fc;      // "0" and "0.0" are emptied by the boxes' own checks
        const char* e;
        bool dialog;
        const char* message;
    };
    const Case cases[] = {
        {"Custom entry", "Custom", "1350", "1.6", false,
         "Please document your custom species and grade by replacing the word 'Custom' in the species list "
         "box."},
        {"no Fc", nullptr, "0", "1.6", false, "Please document your custom species Fc with a value."},
        {"no E", nullptr, "1350", "0.0", false, "Please document your custom species E with a value."},
        // 40000 passes the box's check but not the 16-bit field.
        {"Fc beyond 16 bits", nullptr, "40000", "1.6", true, SaveFailed},
        {"E a lone point", nullptr, "1350", ".", true, SaveFailed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.species) {
            driver.choose(f18.ColSpeciesCombo, c.species);
        } else {
            driver.choose(f18.ColSpeciesCombo, "DF-L #1");
        }
        driver.retype(f18.cFcText, c.fc);
        driver.retype(f18.cEtext, c.e);
        driver.clearMessages();
        if (c.dialog) {
            driver.answerFile(driver.folder() / "no.CPV");
        }
        driver.click(f18.SavePostbutton);
        ASSERT_EQ(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text, c.message);
        EXPECT_FALSE(std::filesystem::exists(driver.folder() / "no.CPV"));
    }
    driver.choose(f18.ColSpeciesCombo, "DF-L #1");
    driver.retype(f18.cFcText, "1350");
    driver.retype(f18.cEtext, "1.6");
    driver.clearMessages();
    driver.cancelFile();
    driver.click(f18.SavePostbutton);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, SaveFailed);
}

} // namespace filetest
