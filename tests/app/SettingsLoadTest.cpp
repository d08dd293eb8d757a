// Start-up with the settings file: an empty file, a complete record, refused files and the check box
// rules, seen as a user sees them on the forms.
#include "app/Form1.h"
#include "app/Form13.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "platform/headless/Driver.h"
#include "report/Form7.h"
#include "tests/app/SettingsFixtures.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <limits>

namespace
{

using platform::test::Driver;

constexpr const char* SettingsName = "Korvanta2023.ini";
constexpr const char* DesignedCaption = " Korvanta Criteria Form 1  NDS 2001";
constexpr const char* RefusedMessage =
    "A new Default Values file has been created for you.  You may set your default preferences at the menu "
    "bar "
    "of Form 1 by selecting OPTIONS, select SET DEFAULTS, and fill in your preferences.   PLEASE NOTE: ARIAL "
    "font is recommended for print-outs.";

TEST(SettingsLoad, FirstStartCreatesAnEmptyFileAndTakesTheDefaults)
{
    Driver driver;
    auto& program = driver.start<app::Program>();

    EXPECT_TRUE(driver.messages().empty());
    EXPECT_TRUE(driver.untrappedErrors().empty());
    ASSERT_TRUE(std::filesystem::exists(driver.folder() / SettingsName));
    EXPECT_TRUE(driver.readFile(SettingsName).empty());
    EXPECT_EQ(program.state.NDS2018, -1);
    EXPECT_EQ(program.state.CenterForms, -1);
    EXPECT_EQ(program.form1.caption(), " Korvanta Criteria Form 1  NDS 2018");
    EXPECT_EQ(program.form1.Combo1.text(), "Hem Fir / DF-Larch");
    EXPECT_EQ(program.form1.DepCombo.text(), "All");
    EXPECT_EQ(program.form1.Combo1.listCount(), 10);
    EXPECT_EQ(program.form1.DepCombo.listCount(), 11);
    EXPECT_EQ(program.state.DeflectionLimitStep, 2);
    EXPECT_EQ(program.state.DefaultSettings, app::DefaultSettingsRecord{});
    // Nothing was applied to the other forms, so they were never loaded.
    EXPECT_FALSE(program.form7.loaded());
    EXPECT_FALSE(program.form13.loaded());
    EXPECT_EQ(driver.activeForm(), &program.form1);
}

TEST(SettingsLoad, ValidRecordAppliesEveryField)
{
    Driver driver;
    const app::DefaultSettingsRecord record = app::test::fullSettings();
    driver.putFile(SettingsName, app::test::settingsFile(record));
    auto& program = driver.start<app::Program>();
    auto& form1 = program.form1;

    EXPECT_TRUE(driver.messages().empty());
    EXPECT_EQ(program.state.DefaultSettings, record); // the record stays in memory
    EXPECT_EQ(program.state.DefaultHeading1, "Acme Structural Engineers");
    EXPECT_EQ(program.form7.Heading1.text(), "Acme Structural Engineers");
    EXPECT_EQ(program.state.DefaultHeading2, "12 Mill Road, Springfield");
    EXPECT_EQ(program.form7.Heading2.text(), "12 Mill Road, Springfield");
    EXPECT_EQ(program.form7.Initialbox.text(), "JQP");
    EXPECT_EQ(program.form7.HighDPI.value(), -1);
    EXPECT_EQ(program.state.PrintFontName, "Courier New");

    EXPECT_EQ(program.state.NDS2015, -1);
    EXPECT_EQ(program.state.NDS1997, 0);
    EXPECT_EQ(program.state.NDS2018, 0);
    EXPECT_EQ(form1.caption(), " Korvanta Criteria Form 1  NDS 2015");
    EXPECT_EQ(form1.INGRADE.value(), -1);
    EXPECT_EQ(form1.Combo1.text(), "Southern Pine");
    EXPECT_TRUE(form1.group(5).value());
    EXPECT_FALSE(form1.group(0).value());
    EXPECT_EQ(form1.ksi50.value(), -1);

    const char* live[] = {"40", "20", "12.5", "0", "0"};
    const char* total[] = {"50", "30", "20.25", "0", "0"};
    for (int i = 0; i <= 4; ++i) {
        EXPECT_EQ(program.form13.Livedefault(i).text(), live[i]) << i;
        EXPECT_EQ(program.form13.TotalLoadDefault(i).text(), total[i]) << i;
    }
    EXPECT_EQ(program.form13.CenterFormCheckbox.value(), 0);
    EXPECT_EQ(program.form13.DefaultPrinterCheckbox.value(), 1);
    EXPECT_EQ(program.state.CenterForms, 0);
    EXPECT_EQ(program.state.RestoreDefaultPrinter, -1);
    // Centring is off: the form stays where it was designed.
    EXPECT_EQ(form1.left(), 90);
    EXPECT_EQ(form1.top(), 90);
    // The forms the settings reached were loaded without being shown.
    EXPECT_FALSE(program.form7.visible());
    EXPECT_FALSE(program.form13.visible());
    EXPECT_EQ(driver.activeForm(), &form1);
}

TEST(SettingsLoad, EditionComesFromTheInGradeFieldAndTheFourEditionFields)
{
    struct Case
    {
        std::int16_t defINGRADE, nds2005, nds2012, nds2018;
        std::int16_t nds1997;
        const char* caption;
    };
    const Case cases[] = {
        {0, 0, 0, 0, -1, " Korvanta Criteria Form 1  NDS 1997"},
        {0, 0, 0, -1, -1, " Korvanta Criteria Form 1  NDS 1997"}, // 1997 wins over any edition field
        {-1, 0, 0, 0, 0, DesignedCaption},                        // no flag: NDS 2001, caption as designed
        {-1, -1, 0, 0, 0, " Korvanta Criteria Form 1  NDS 2005"},
        {-1, 0, -1, 0, 0, " Korvanta Criteria Form 1  NDS 2012"},
        {-1, 0, 0, -1, 0, " Korvanta Criteria Form 1  NDS 2018"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "defINGRADE " << c.defINGRADE << ", 2005 " << c.nds2005
                                        << ", 2012 " << c.nds2012 << ", 2018 " << c.nds2018);
        app::DefaultSettingsRecord record = app::test::fullSettings();
        record.defINGRADE = c.defINGRADE;
        record.NDS2005 = c.nds2005;
        record.NDS2012 = c.nds2012;
        record.NDS2015 = 0;
        record.NDS2018 = c.nds2018;
        Driver driver;
        driver.putFile(SettingsName, app::test::settingsFile(record));
        auto& program = driver.start<app::Program>();
        EXPECT_EQ(program.state.NDS1997, c.nds1997);
        EXPECT_EQ(program.form1.caption(), c.caption);
        EXPECT_EQ(program.form1.INGRADE.value(), -1); // checked in every case
    }
}

TEST(SettingsLoad, RefusedFileShowsTheMessageAndAppliesNothing)
{
    struct Case
    {
        const char* what;
        std::vector<std::uint8_t> bytes;
    };
    const auto withField = [](auto change) {
        app::DefaultSettingsRecord record = app::test::fullSettings();
        change(record);
        return app::test::settingsFile(record);
    };
    std::vector<std::uint8_t> shortRecord = app::test::settingsFile(app::test::fullSettings());
    shortRecord.resize(300);
    const Case cases[] = {
        {"foreign marker", withField([](auto& r) { r.Marker = 1234; })},
        {"record cut short", shortRecord},
        {"a single byte", {0xE1}},
        {"species position beyond the list", withField([](auto& r) { r.DefCombo = 10; })},
        {"negative species position", withField([](auto& r) { r.DefCombo = -1; })},
        {"check box value no check box takes", withField([](auto& r) { r.CenterFormCheckbox = 3; })},
        {"load pair not a number",
         withField([](auto& r) { r.TotalLoadDefault[2] = std::numeric_limits<float>::quiet_NaN(); })},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Driver driver;
        driver.putFile(SettingsName, c.bytes);
        auto& program = driver.start<app::Program>();

        ASSERT_EQ(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text, RefusedMessage);
        EXPECT_EQ(driver.messages()[0].title, "Korvanta");
        EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Information);
        EXPECT_EQ(driver.messages()[0].buttons, platform::Buttons::OK);
        EXPECT_EQ(program.form1.caption(), DesignedCaption);
        EXPECT_EQ(program.form1.Combo1.listIndex(), 0);
        EXPECT_EQ(program.form1.ksi50.value(), 0);
        EXPECT_EQ(program.state.NDS2015, 0);
        EXPECT_EQ(program.state.CenterForms, 0);
        EXPECT_TRUE(program.state.PrintFontName.empty());
        EXPECT_FALSE(program.form7.loaded());
        EXPECT_FALSE(program.form13.loaded());
        // No refused record passes for a valid one with the settings form later.
        EXPECT_NE(program.state.DefaultSettings.Marker, app::DefaultSettingsMarker);
        EXPECT_EQ(driver.readFile(SettingsName), c.bytes); // nothing is written
    }
}

TEST(SettingsLoad, ForeignRecordStaysInMemoryForItsReaders)
{
    app::DefaultSettingsRecord record = app::test::fullSettings();
    record.Marker = 1234;
    Driver driver;
    driver.putFile(SettingsName, app::test::settingsFile(record));
    auto& program = driver.start<app::Program>();
    EXPECT_EQ(program.state.DefaultSettings, record);
    // The settings form, loaded later, fills itself as on a first run, on the edition the program
    // runs: 2001, since the refused file set no edition.
    EXPECT_TRUE(program.form13.Livedefault(0).text().empty());
    EXPECT_TRUE(program.form13.OptionNDS91.value());
    EXPECT_EQ(program.state.NDS2018, 0);
}

TEST(SettingsLoad, CheckBoxValuesSetTheirFlagsIndependently)
{
    struct Case
    {
        std::int16_t centre, printer;
        std::int16_t centerForms, restorePrinter;
    };
    // Before the reload the empty file has set CenterForms; RestoreDefaultPrinter is still off.
    const Case cases[] = {{0, 0, 0, 0}, {1, 1, -1, -1}, {2, 1, -1, -1}, {0, 2, 0, 0}, {1, 0, -1, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "centre " << c.centre << ", printer " << c.printer);
        Driver driver;
        auto& program = driver.start<app::Program>();
        ASSERT_EQ(program.state.CenterForms, -1);
        app::DefaultSettingsRecord record = app::test::fullSettings();
        record.CenterFormCheckbox = c.centre;
        record.DefaultPrinterCheckbox = c.printer;
        driver.putFile(SettingsName, app::test::settingsFile(record));
        driver.runtime().dispatch([&] { app::NewDefault(program); }); // File > New reads the file again
        EXPECT_EQ(program.state.CenterForms, c.centerForms);
        EXPECT_EQ(program.state.RestoreDefaultPrinter, c.restorePrinter);
        EXPECT_EQ(program.form13.CenterFormCheckbox.value(), c.centre);
        EXPECT_TRUE(driver.messages().empty());
    }
}

TEST(SettingsLoad, UnreadableFileIsReportedAndTheFormStillShows)
{
    Driver driver;
    std::filesystem::create_directory(driver.folder() / SettingsName); // a folder where the file belongs
    auto& program = driver.start<app::Program>();

    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, "Error loading Form 1");
    EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Exclamation);
    EXPECT_EQ(driver.messages()[0].title, "Korvanta");
    EXPECT_TRUE(program.form1.visible());
    EXPECT_EQ(program.form1.Combo1.text(), "Hem Fir / DF-Larch"); // what was set before the failure stays
    EXPECT_TRUE(driver.untrappedErrors().empty());
}

} // namespace
