// Saving the settings: the file's bytes, a round trip through a restart, what the running program
// takes, the Arial note and a save that cannot write the file.
#include "app/Form1.h"
#include "app/Form13.h"
#include "app/Form25.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "platform/headless/Driver.h"
#include "report/Form7.h"
#include "tests/app/SettingsFixtures.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{

using platform::test::Driver;

constexpr const char* SettingsName = "Korvanta2023.ini";
constexpr const char* SavedMessage = "Your default settings were recorded and are ready for use.";
constexpr const char* ArialNote =
    "Please Note: Arial is the recommended printout font. You have selected another "
    "font that may or may not display well on your printouts.";

void openSettings(Driver& driver, app::Program& program)
{
    driver.menu(program.form1.mnudefaultSet);
    ASSERT_TRUE(program.form13.visible());
}

// The settings a user enters on a first run for the byte fixture below.
void enterFixtureSettings(Driver& driver, app::Form13& f)
{
    driver.retype(f.DefHead1, "Smith & Co");
    driver.retype(f.DefHead2, "Main St");
    driver.retype(f.DefInitials, "AB");
    driver.click(f.OptionNDS12);
    driver.click(f.Def600); // ticked on a first run: now off
    driver.choose(f.FontCombo, "Arial");
    driver.choose(f.DefCombo, "Southern Pine");
    driver.retype(f.Livedefault(0), "40");
    driver.retype(f.TotalLoadDefault(0), "50");
    driver.retype(f.Livedefault(1), "12.5");
    driver.retype(f.TotalLoadDefault(1), "20.25");
}

// The record those settings make, byte by byte. Singles worked out by hand:
// 40 = 1.25 x 2^5: exponent 127 + 5 = 0x84, fraction .01 -> 0x42200000;
// 12.5 = 1.5625 x 2^3: exponent 0x82, fraction .1001 -> 0x41480000;
// 50 = 1.5625 x 2^5: exponent 0x84, fraction .1001 -> 0x42480000;
// 20.25 = 1.265625 x 2^4: exponent 0x83, fraction .010001 -> 0x41A20000. All little-endian.
std::vector<std::uint8_t> fixtureBytes()
{
    std::vector<std::uint8_t> b(322, 0);
    const auto text = [&](std::size_t offset, std::size_t width, const std::string& s) {
        for (std::size_t i = 0; i < width; ++i) {
            b[offset + i] = i < s.size() ? static_cast<std::uint8_t>(s[i]) : ' ';
        }
    };
    const auto bytes = [&](std::size_t offset, std::initializer_list<std::uint8_t> values) {
        for (std::uint8_t v : values) {
            b[offset++] = v;
        }
    };
    bytes(0, {0xE1, 0x10}); // 4321
    text(2, 110, "Smith & Co");
    text(112, 110, "Main St");
    text(222, 8, "AB");
    bytes(230, {0xFF, 0xFF}); // defINGRADE on
    bytes(232, {0x05, 0x00}); // Southern Pine
    bytes(234, {0x00, 0x00}); // 600 dpi off
    text(236, 30, "Arial");
    bytes(266, {0x00, 0x00, 0x20, 0x42}); // live 40
    bytes(270, {0x00, 0x00, 0x48, 0x41}); // live 12.5
    bytes(286, {0x00, 0x00, 0x48, 0x42}); // total 50
    bytes(290, {0x00, 0x00, 0xA2, 0x41}); // total 20.25
    bytes(306, {0xFF, 0xFF});             // 50 ksi on (ticked on a first run)
    bytes(312, {0xFF, 0xFF});             // NDS 2012
    bytes(318, {0x01, 0x00});             // centre forms
    bytes(320, {0x01, 0x00});             // restore the default printer
    return b;
}

TEST(Form13Save, FileHoldsTheHandMadeRecord)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    openSettings(driver, program);
    enterFixtureSettings(driver, program.form13);
    driver.click(program.form13.CmdSave);

    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, SavedMessage);
    EXPECT_EQ(driver.messages()[0].title, "Korvanta");
    EXPECT_FALSE(program.form13.loaded());
    EXPECT_EQ(driver.readFile(SettingsName), fixtureBytes());
    EXPECT_TRUE(driver.untrappedErrors().empty());
}

TEST(Form13Save, RestartShowsWhatWasSavedAndSavingAgainGivesTheSameBytes)
{
    std::vector<std::uint8_t> saved;
    {
        Driver driver;
        auto& program = driver.start<app::Program>();
        openSettings(driver, program);
        enterFixtureSettings(driver, program.form13);
        driver.click(program.form13.CmdSave);
        saved = driver.readFile(SettingsName);
    }
    Driver driver;
    driver.putFile(SettingsName, saved);
    auto& program = driver.start<app::Program>();
    EXPECT_TRUE(driver.messages().empty());
    EXPECT_EQ(program.form1.caption(), " Korvanta Criteria Form 1  NDS 2012");
    openSettings(driver, program);
    auto& f = program.form13;
    EXPECT_EQ(f.DefHead1.text(), "Smith & Co");
    EXPECT_EQ(f.DefHead2.text(), "Main St");
    EXPECT_EQ(f.DefInitials.text(), "AB");
    EXPECT_TRUE(f.OptionNDS12.value());
    EXPECT_EQ(f.Def600.value(), 0);
    EXPECT_EQ(f.Def50ksi.value(), -1);
    EXPECT_EQ(f.FontCombo.text(), "Arial");
    EXPECT_EQ(f.DefCombo.text(), "Southern Pine");
    EXPECT_EQ(f.Livedefault(1).text(), "12.5");
    EXPECT_EQ(f.TotalLoadDefault(1).text(), "20.25");
    EXPECT_EQ(f.Livedefault(2).text(), "0");
    driver.click(f.CmdSave);
    EXPECT_EQ(driver.readFile(SettingsName), saved);
}

TEST(Form13Save, AppliesTheSettingsToTheRunningProgram)
{
    struct Case
    {
        const char* species;
        bool steel;
    };
    for (const Case c : {Case{"Southern Pine", false}, Case{"Steel Beams", true}}) {
        SCOPED_TRACE(c.species);
        Driver driver;
        driver.host().setPrinterFonts({"Arial", "arial"});
        auto& program = driver.start<app::Program>();
        auto& form1 = program.form1;
        openSettings(driver, program);
        auto& f = program.form13;
        driver.retype(f.DefHead1, "Smith & Co");
        driver.retype(f.DefHead2, "Main St");
        driver.retype(f.DefInitials, "AB");
        driver.click(f.OptionNDS97);
        driver.click(f.Def600);
        driver.click(f.Def50ksi);
        driver.choose(f.FontCombo, "arial");
        driver.choose(f.DefCombo, c.species);
        // With the calculator active before the settings form, the save hands back to the calculator, so
        // the criteria form shows the caption the save gave it rather than its activation's.
        driver.menu(form1.MnuCalculator);
        driver.switchTo(f);
        driver.click(f.CmdSave);
        EXPECT_EQ(driver.activeForm(), &program.form25);

        ASSERT_EQ(driver.messages().size(), 1u) << driver.messages()[0].text;
        EXPECT_EQ(driver.messages()[0].text, SavedMessage);
        EXPECT_EQ(program.form7.Heading1.text(), "Smith & Co");
        EXPECT_EQ(program.form7.Heading2.text(), "Main St");
        EXPECT_EQ(program.state.DefaultHeading1, "Smith & Co");
        EXPECT_EQ(program.state.DefaultHeading2, "Main St");
        EXPECT_EQ(program.form7.Initialbox.text(), "AB");
        EXPECT_EQ(program.form7.HighDPI.value(), 0);
        EXPECT_EQ(program.state.PrintFontName, "arial");
        EXPECT_EQ(form1.Combo1.text(), c.species);
        if (!c.steel) {
            EXPECT_TRUE(form1.group(5).value()); // the species choice ran for Southern Pine
        }
        EXPECT_EQ(form1.INGRADE.value(), -1);
        EXPECT_EQ(program.state.NDS1997, -1);
        EXPECT_EQ(program.state.DefaultSettings.defINGRADE, 0); // 1997 is stored as in-grade off
        EXPECT_EQ(program.state.CenterForms, -1);
        EXPECT_EQ(program.state.RestoreDefaultPrinter, -1);
        EXPECT_EQ(form1.Incised.value(), 0);
        if (c.steel) {
            EXPECT_EQ(form1.caption(), " Korvanta Criteria Form 1");
            EXPECT_EQ(form1.ksi50.value(), 0); // the saved 50 ksi box, unticked
            EXPECT_FALSE(form1.Incised.visible());
        } else {
            EXPECT_EQ(form1.caption(), " Korvanta Criteria Form 1  NDS 1997");
            EXPECT_TRUE(form1.Incised.visible());
        }
    }
}

TEST(Form13Save, EditionFieldsOfTheRecordSetTheFlags)
{
    // A saved 2001 has no edition field: the four flags stay as they were (all 0 after a 2001 switch).
    Driver driver;
    driver.putFile(SettingsName, app::test::settingsFile(app::test::fullSettings())); // 2015
    auto& program = driver.start<app::Program>();
    openSettings(driver, program);
    driver.click(program.form13.OptionNDS91);
    driver.choose(program.form13.FontCombo, "Arial");
    driver.click(program.form13.CmdSave);
    const app::SharedState& s = program.state;
    EXPECT_EQ(s.NDS2015, 0);
    EXPECT_EQ(s.NDS2001, -1);
    EXPECT_EQ(s.NDS1997, 0);
    EXPECT_EQ(program.form1.caption(), " Korvanta Criteria Form 1  NDS 2001");
    const app::DefaultSettingsRecord& r = s.DefaultSettings;
    EXPECT_EQ(r.defINGRADE, -1);
    EXPECT_EQ(r.NDS2005 | r.NDS2012 | r.NDS2015 | r.NDS2018, 0);
    EXPECT_EQ(r.Reserved, 7); // written back as read
}

TEST(Form13Save, ArialNoteAcceptsExactlyThreeSpellings)
{
    struct Case
    {
        const char* font;
        bool note;
    };
    const Case cases[] = {{"Arial", false}, {"ARIAL", false},       {"arial", false},
                          {"ArIaL", true},  {"Arial Narrow", true}, {"Times New Roman", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.font);
        Driver driver;
        driver.host().setPrinterFonts(
            {"Arial", "ARIAL", "arial", "ArIaL", "Arial Narrow", "Times New Roman"});
        auto& program = driver.start<app::Program>();
        openSettings(driver, program);
        driver.choose(program.form13.FontCombo, c.font);
        driver.click(program.form13.CmdSave);
        ASSERT_EQ(driver.messages().size(), c.note ? 2u : 1u);
        if (c.note) {
            EXPECT_EQ(driver.messages()[0].text, ArialNote);
            EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Exclamation);
        }
        EXPECT_EQ(driver.messages().back().text, SavedMessage);
        EXPECT_EQ(program.state.DefaultSettings.FontCombo, c.font);
    }
}

TEST(Form13Save, NoFontChosenOnAFirstRunGivesTheNoteAndAnEmptyName)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    openSettings(driver, program);
    driver.click(program.form13.CmdSave);
    ASSERT_EQ(driver.messages().size(), 2u);
    EXPECT_EQ(driver.messages()[0].text, ArialNote);
    EXPECT_EQ(program.state.PrintFontName, "");
    EXPECT_EQ(driver.readFile(SettingsName).at(236), ' ');
}

// Root ignores permissions, so there the save is made to fail by taking every temporary name the
// writer may use beside the file.
std::vector<std::filesystem::path> blockTheSave(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> blockers;
    if (::geteuid() != 0) {
        std::filesystem::permissions(folder,
                                     std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
        return blockers;
    }
    for (int attempt = 0; attempt <= 100; ++attempt) {
        blockers.push_back(folder / (std::string(".") + SettingsName + "." + std::to_string(::getpid()) +
                                     "." + std::to_string(attempt) + ".tmp"));
        std::filesystem::create_directory(blockers.back());
    }
    return blockers;
}

TEST(Form13Save, FailedSaveKeepsTheOldFileAndTheNewValuesInMemory)
{
    Driver driver;
    const auto old = app::test::settingsFile(app::test::fullSettings());
    driver.putFile(SettingsName, old);
    auto& program = driver.start<app::Program>();
    openSettings(driver, program);
    driver.retype(program.form13.DefHead1, "New Heading");
    driver.retype(program.form13.Livedefault(4), "35");
    driver.choose(program.form13.FontCombo, "Arial");
    const auto blockers = blockTheSave(driver.folder());
    driver.click(program.form13.CmdSave);
    std::filesystem::permissions(driver.folder(), std::filesystem::perms::owner_all);

    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text,
              "Your default file was not saved.\r\rThe default settings are kept in a file in your Korvanta "
              "Software directory or C:\\ root directory and named Korvanta2023.ini\r\rCheck to see if this "
              "file exists and if access to drive C is available.");
    EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Exclamation);
    EXPECT_FALSE(program.form13.loaded());
    EXPECT_EQ(driver.readFile(SettingsName), old);
    int others = 0;
    for (const auto& entry : std::filesystem::directory_iterator(driver.folder())) {
        if (entry.path().filename() != SettingsName && entry.is_regular_file()) {
            ++others; // a temporary file left behind
        }
    }
    EXPECT_EQ(others, 0);
    // The record in memory keeps the new values, and reopening shows those the form reads from it;
    // the headings come back from the running program, which the failed save did not reach.
    EXPECT_EQ(program.state.DefaultSettings.DefHead1, "New Heading");
    openSettings(driver, program);
    EXPECT_EQ(program.form13.Livedefault(4).text(), "35");
    EXPECT_EQ(program.form7.Heading1.text(), "Acme Structural Engineers");
    EXPECT_EQ(program.form13.DefHead1.text(), "Acme Structural Engineers");
}

} // namespace
