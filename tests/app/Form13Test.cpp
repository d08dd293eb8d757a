// The settings form as a user meets it from "Set Defaults...": what it opens on, the edition options
// that switch the running program, the live check boxes and font list, the load pairs and the help.
#include "app/Form13.h"

#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "platform/headless/Driver.h"
#include "tests/app/SettingsFixtures.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

using platform::test::Driver;

constexpr const char* SettingsName = "Korvanta2023.ini";

struct Flags
{
    std::int16_t nds1997, nds2001, nds2005, nds2012, nds2015, nds2018;
    bool operator==(const Flags&) const = default;
};

Flags flagsOf(const app::SharedState& s)
{
    return {s.NDS1997, s.NDS2001, s.NDS2005, s.NDS2012, s.NDS2015, s.NDS2018};
}

// The caption of the selected edition option, or "" when none is selected.
std::string selectedEdition(app::Form13& f)
{
    for (platform::OptionButton* option :
         {&f.OptionNDS18, &f.OptionNDS15, &f.OptionNDS12, &f.OptionNDS05, &f.OptionNDS97, &f.OptionNDS91}) {
        if (option->value()) {
            return option->caption();
        }
    }
    return "";
}

void openSettings(Driver& driver, app::Program& program)
{
    driver.menu(program.form1.mnudefaultSet);
    ASSERT_TRUE(program.form13.visible());
    ASSERT_EQ(driver.activeForm(), &program.form13);
}

TEST(Form13Opening, ShowsTheEditionTheProgramRunsAndChangesNoFlag)
{
    struct Case
    {
        const char* what;
        bool writeFile;          // false: a first run in an empty folder
        std::int16_t marker;     // of the record written
        std::int16_t defINGRADE; // 0: NDS 1997
        std::int16_t nds2005, nds2012, nds2015, nds2018;
        const char* option;  // selected on opening
        int defINGRADEValue; // the hidden in-grade box
        const char* caption; // Form1's caption once the form is closed again
    };
    const Case cases[] = {
        {"first run", false, 0, 0, 0, 0, 0, 0, "NDS 2018", -1, " Korvanta Criteria Form 1  NDS 2018"},
        {"saved 1997", true, 4321, 0, 0, 0, 0, 0, "NDS 1997", 0, " Korvanta Criteria Form 1  NDS 1997"},
        // The record stores 2001 as no edition field set: the program runs 2001 and the form says so.
        {"saved 2001", true, 4321, -1, 0, 0, 0, 0, "NDS 2001", -1, " Korvanta Criteria Form 1  NDS 2001"},
        {"saved 2005", true, 4321, -1, -1, 0, 0, 0, "NDS 2005", -1, " Korvanta Criteria Form 1  NDS 2005"},
        {"saved 2012", true, 4321, -1, 0, -1, 0, 0, "NDS 2012", -1, " Korvanta Criteria Form 1  NDS 2012"},
        {"saved 2015", true, 4321, -1, 0, 0, -1, 0, "NDS 2015", -1, " Korvanta Criteria Form 1  NDS 2015"},
        {"saved 2018", true, 4321, -1, 0, 0, 0, -1, "NDS 2018", -1, " Korvanta Criteria Form 1  NDS 2018"},
        // A refused file sets no edition: the program stays at 2001, also after opening the form.
        {"refused file", true, 1234, -1, 0, 0, 0, -1, "NDS 2001", -1, " Korvanta Criteria Form 1  NDS 2001"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Driver driver;
        if (c.writeFile) {
            app::DefaultSettingsRecord record = app::test::fullSettings();
            record.Marker = c.marker;
            record.defINGRADE = c.defINGRADE;
            record.NDS2005 = c.nds2005;
            record.NDS2012 = c.nds2012;
            record.NDS2015 = c.nds2015;
            record.NDS2018 = c.nds2018;
            driver.putFile(SettingsName, app::test::settingsFile(record));
        }
        auto& program = driver.start<app::Program>();
        driver.clearMessages();
        const std::string captionBefore = program.form1.caption();
        openSettings(driver, program);
        auto& f = program.form13;

        EXPECT_EQ(selectedEdition(f), c.option);
        EXPECT_EQ(f.defINGRADE.value(), c.defINGRADEValue);
        EXPECT_FALSE(f.defINGRADE.visible());
        EXPECT_TRUE(driver.messages().empty());
        driver.click(f.CmdCancel);
        EXPECT_FALSE(f.loaded());
        EXPECT_EQ(driver.activeForm(), &program.form1);
        EXPECT_EQ(program.form1.caption(), captionBefore);
        EXPECT_EQ(program.form1.caption(), c.caption);
        EXPECT_TRUE(driver.untrappedErrors().empty());
    }
}

TEST(Form13Opening, FirstRunTicksTheOptionsAndSelectsNoFont)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    openSettings(driver, program);
    auto& f = program.form13;
    EXPECT_EQ(f.CenterFormCheckbox.value(), 1);
    EXPECT_EQ(f.DefaultPrinterCheckbox.value(), 1);
    EXPECT_EQ(f.Def50ksi.value(), -1);
    EXPECT_EQ(f.Def600.value(), -1);
    EXPECT_EQ(f.FontCombo.listCount(), 4); // the headless printer's fonts
    EXPECT_EQ(f.FontCombo.listIndex(), -1);
    EXPECT_TRUE(f.DefHead1.text().empty());
    EXPECT_TRUE(f.Livedefault(0).text().empty());
    EXPECT_EQ(f.DefCombo.text(), "Hem Fir / DF-Larch");
    // Activation captions.
    EXPECT_EQ(f.Label7.caption(), "Enter pairs of commonly used uniform loads in PSF for the 'spin' buttons "
                                  "next to the Uniform Load entry boxes on form 1. Click on buttons labeled "
                                  "PLF  and PSF to cycle thru your entries.");
    EXPECT_EQ(f.Label5.caption(),
              "You may set preferred default values here.  This information will be saved "
              "to your hard disk and will automatically load every time you start "
              "Korvanta.");
    // Centred on the screen (1024 x 768 pixels) by its own start position.
    EXPECT_DOUBLE_EQ(f.left(), (1024 * 15 - f.width()) / 2);
    EXPECT_DOUBLE_EQ(f.top(), (768 * 15 - f.height()) / 2);
}

TEST(Form13Opening, SpeciesListOpensOnTheCriteriaFormsSpecies)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    driver.choose(program.form1.Combo1, "Red Oak / White Oak");
    openSettings(driver, program);
    EXPECT_EQ(program.form13.DefCombo.text(), "Red Oak / White Oak");
}

TEST(Form13Opening, ValidRecordFillsTheBoxes)
{
    Driver driver;
    driver.putFile(SettingsName, app::test::settingsFile(app::test::fullSettings()));
    auto& program = driver.start<app::Program>();
    openSettings(driver, program);
    auto& f = program.form13;
    EXPECT_EQ(f.DefHead1.text(), "Acme Structural Engineers");
    EXPECT_EQ(f.DefHead2.text(), "12 Mill Road, Springfield");
    EXPECT_EQ(f.DefInitials.text(), "JQP");
    EXPECT_EQ(f.DefCombo.text(), "Southern Pine");
    EXPECT_EQ(f.FontCombo.text(), "Courier New");
    EXPECT_EQ(f.Livedefault(2).text(), "12.5");
    EXPECT_EQ(f.TotalLoadDefault(2).text(), "20.25");
    EXPECT_EQ(f.TotalLoadDefault(4).text(), "0");
    EXPECT_EQ(f.Def50ksi.value(), -1);
    EXPECT_EQ(f.Def600.value(), -1);
    EXPECT_EQ(f.CenterFormCheckbox.value(), 0);
    EXPECT_EQ(f.DefaultPrinterCheckbox.value(), 1);
}

TEST(Form13Editions, EachOptionSwitchesTheRunningProgramUntilItEnds)
{
    struct Case
    {
        const char* option;
        Flags flags;
        int defINGRADE;
        const char* caption;
    };
    const Case cases[] = {
        {"NDS 2018", {0, 0, 0, 0, 0, -1}, -1, " Korvanta Criteria Form 1  NDS 2018"},
        {"NDS 2015", {0, 0, 0, 0, -1, 0}, -1, " Korvanta Criteria Form 1  NDS 2015"},
        {"NDS 2012", {0, 0, 0, -1, 0, 0}, -1, " Korvanta Criteria Form 1  NDS 2012"},
        {"NDS 2005", {0, 0, -1, 0, 0, 0}, -1, " Korvanta Criteria Form 1  NDS 2005"},
        {"NDS 2001", {0, -1, 0, 0, 0, 0}, -1, " Korvanta Criteria Form 1  NDS 2001"},
        {"NDS 1997", {-1, 0, 0, 0, 0, 0}, 0, " Korvanta Criteria Form 1  NDS 1997"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        Driver driver;
        driver.putFile(SettingsName, app::test::settingsFile(app::test::fullSettings())); // saved 2015
        auto& program = driver.start<app::Program>();
        const auto before = driver.readFile(SettingsName);
        openSettings(driver, program);
        auto& f = program.form13;
        for (platform::OptionButton* option : {&f.OptionNDS18, &f.OptionNDS15, &f.OptionNDS12, &f.OptionNDS05,
                                               &f.OptionNDS91, &f.OptionNDS97}) {
            if (option->caption() == c.option) {
                driver.click(*option);
            }
        }
        EXPECT_EQ(selectedEdition(f), c.option);
        EXPECT_EQ(flagsOf(program.state), c.flags);
        EXPECT_EQ(f.defINGRADE.value(), c.defINGRADE);
        driver.click(f.CmdCancel);
        EXPECT_EQ(program.form1.caption(), c.caption);
        EXPECT_EQ(flagsOf(program.state), c.flags); // Close undoes nothing
        EXPECT_EQ(driver.readFile(SettingsName), before);
        // Reopening shows the switched edition.
        openSettings(driver, program);
        EXPECT_EQ(selectedEdition(f), c.option);
    }
}

TEST(Form13Switches, CheckBoxesAndFontActAtOnceAndStayAfterClose)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    openSettings(driver, program);
    auto& f = program.form13;
    app::SharedState& s = program.state;
    s.RestoreDefaultPrinter = -1;

    driver.click(f.DefaultPrinterCheckbox);
    EXPECT_EQ(s.RestoreDefaultPrinter, 0);
    driver.click(f.CenterFormCheckbox);
    EXPECT_EQ(s.CenterForms, 0);
    driver.click(f.CenterFormCheckbox);
    EXPECT_EQ(s.CenterForms, -1);
    driver.click(f.CenterFormCheckbox);
    driver.choose(f.FontCombo, "Times New Roman");
    EXPECT_EQ(s.PrintFontName, "Times New Roman");
    driver.click(f.CmdCancel);

    EXPECT_EQ(s.RestoreDefaultPrinter, 0);
    EXPECT_EQ(s.CenterForms, 0);
    EXPECT_EQ(s.PrintFontName, "Times New Roman");
    // Reopened on a first run: the boxes are ticked again, the switches stay off until clicked.
    openSettings(driver, program);
    EXPECT_EQ(f.DefaultPrinterCheckbox.value(), 1);
    EXPECT_EQ(f.CenterFormCheckbox.value(), 1);
    EXPECT_EQ(s.RestoreDefaultPrinter, 0);
    EXPECT_EQ(s.CenterForms, 0);
}

TEST(Form13Switches, SavedRecordReopensWithItsCheckBoxValues)
{
    Driver driver;
    driver.putFile(SettingsName, app::test::settingsFile(app::test::fullSettings())); // centre 0, printer 1
    auto& program = driver.start<app::Program>();
    openSettings(driver, program);
    auto& f = program.form13;
    driver.click(f.DefaultPrinterCheckbox);
    driver.click(f.CenterFormCheckbox);
    EXPECT_EQ(program.state.RestoreDefaultPrinter, 0);
    EXPECT_EQ(program.state.CenterForms, -1);
    driver.click(f.CmdCancel);
    openSettings(driver, program);
    EXPECT_EQ(f.DefaultPrinterCheckbox.value(), 1);
    EXPECT_EQ(f.CenterFormCheckbox.value(), 0);
    // Filling the form from the record runs the boxes' clicks: the stored 0 turns centring off again.
    EXPECT_EQ(program.state.CenterForms, 0);
    EXPECT_EQ(program.state.RestoreDefaultPrinter, 0);
}

TEST(Form13LoadPairs, EntryCheckAcceptsZeroEmptyAndPositiveNumbersOnly)
{
    struct Case
    {
        const char* pasted;
        bool refused;
    };
    const Case cases[] = {{"0", false},   {"40", false}, {"12.5", false}, {".5", false},
                          {"1e2", false}, {"0.0", true}, {"00", true},    {"0.", true},
                          {"-5", true},   {"abc", true}, {".", true},     {"-0", true}};
    Driver driver;
    auto& program = driver.start<app::Program>();
    openSettings(driver, program);
    auto& f = program.form13;
    for (const Case& c : cases) {
        for (int total = 0; total <= 1; ++total) {
            SCOPED_TRACE(testing::Message() << c.pasted << (total ? " total" : " live"));
            platform::TextBox& box = total ? f.TotalLoadDefault(3) : f.Livedefault(3);
            driver.retype(box, "");
            driver.clearMessages();
            const int beeps = driver.beeps();
            driver.focus(box);
            driver.paste(box, c.pasted);
            if (!c.refused) {
                EXPECT_EQ(box.text(), c.pasted);
                EXPECT_TRUE(driver.messages().empty());
                EXPECT_EQ(driver.beeps(), beeps);
                continue;
            }
            EXPECT_TRUE(box.text().empty());
            EXPECT_EQ(driver.beeps(), beeps + 1);
            ASSERT_EQ(driver.messages().size(), 1u);
            EXPECT_EQ(driver.messages()[0].text,
                      total ? "Please enter a valid numeric value for the Total Load PSF setting"
                            : "Please enter a valid numeric value for the Live Load PSF setting");
            EXPECT_EQ(driver.messages()[0].title, "Korvanta");
            EXPECT_EQ(driver.messages()[0].icon, platform::Icon::None);
        }
    }
}

TEST(Form13LoadPairs, TypingHalfFromTheLeftIsRefusedAtTheZeroPoint)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    openSettings(driver, program);
    auto& box = program.form13.Livedefault(0);
    driver.focus(box);
    driver.type(box, "0.5");
    // "0" passes, "0." is refused and empties the box, and the 5 then stands alone.
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(box.text(), "5");
}

TEST(Form13Help, HelpButtonNamesTheSettingsFile)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    openSettings(driver, program);
    driver.click(program.form13.Command3D1);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text,
              "DEFAULT SETTINGS\r\rEnter a report header and make selections that you want automatically set "
              "when you start Korvanta.\r\rThese settings are kept in a file called Korvanta2023.ini located "
              "in your Korvanta Software Directory.");
    EXPECT_EQ(driver.messages()[0].title, "Korvanta");
    EXPECT_EQ(driver.messages()[0].buttons, platform::Buttons::OK);
    EXPECT_EQ(driver.messages()[0].icon, platform::Icon::None);
}

TEST(Form13Limits, SecondHeadingTakesSeventyCharacters)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    openSettings(driver, program);
    auto& f = program.form13;
    const std::string long120(120, 'x');
    driver.focus(f.DefHead1);
    driver.type(f.DefHead1, long120);
    driver.focus(f.DefHead2);
    driver.type(f.DefHead2, long120);
    driver.focus(f.DefInitials);
    driver.type(f.DefInitials, "ABCDEFGHIJ");
    EXPECT_EQ(f.DefHead1.text().size(), 110u);
    EXPECT_EQ(f.DefHead2.text().size(), 70u);
    EXPECT_EQ(f.DefInitials.text(), "ABCDEFGH");
}

TEST(Form13Failures, UnreadableFontListGivesTheLoadMessage)
{
    const std::string loadMessage =
        "Error loading default settings form. This error MAY be caused by the need for a printer driver to "
        "be "
        "installed so Korvanta can display the font choices. If you are not planning to print from this "
        "computer you will need to install a generic Windows printer driver.";
    {
        SCOPED_TRACE("opened from the menu");
        Driver driver;
        auto& program = driver.start<app::Program>();
        driver.failNext(platform::test::HostFailure::PrinterFonts);
        driver.menu(program.form1.mnudefaultSet);
        ASSERT_EQ(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text, loadMessage);
        EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Exclamation);
        EXPECT_TRUE(program.form13.visible());
        EXPECT_EQ(program.form13.FontCombo.listCount(), 0);
        // What came before the font list is there.
        EXPECT_EQ(program.form13.DefCombo.listCount(), 10);
        EXPECT_TRUE(program.form13.OptionNDS18.value());
    }
    {
        SCOPED_TRACE("hidden load at start-up with a valid record");
        Driver driver;
        driver.putFile(SettingsName, app::test::settingsFile(app::test::fullSettings()));
        driver.failNext(platform::test::HostFailure::PrinterFonts);
        auto& program = driver.start<app::Program>();
        ASSERT_GE(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text, loadMessage);
        EXPECT_FALSE(program.form13.visible());
        EXPECT_TRUE(driver.untrappedErrors().empty());
    }
}

} // namespace
