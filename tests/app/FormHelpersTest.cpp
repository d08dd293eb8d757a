// The shared form helpers as the user meets them: centring, the exit question, text selection on
// focus, File > New keeping its few entries, and opening the file manager.
#include "app/FormHelpers.h"

#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "platform/headless/Driver.h"

#include <gtest/gtest.h>
#include <string>

namespace
{

using platform::test::Driver;
using platform::test::DriverOptions;

void run(Driver& driver, const std::function<void()>& action)
{
    driver.runtime().dispatch(action);
}

TEST(CenterForm, PlacesTheFormSlightlyAboveTheMiddle)
{
    // Form1's outer size is its client area 10800 x 7785 plus the frame: 10920 x 8505 twips.
    struct Case
    {
        int widthPx, heightPx;
        double left, top;
    };
    const Case cases[] = {
        {1024, 768, 2220, 643.5},   // 15360 / 2 - 5460; 11520 / 2 x 0.85 - 4252.5
        {800, 600, 540, -427.5},    // a form taller than 0.85 of the screen reaches above its edge
        {1920, 1080, 8940, 2632.5}, // 28800 / 2 - 5460; 16200 / 2 x 0.85 - 4252.5
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.widthPx << " x " << c.heightPx);
        DriverOptions options;
        options.screen = {c.widthPx * 15.0, c.heightPx * 15.0};
        Driver driver(options);
        auto& program = driver.start<app::Program>();
        EXPECT_DOUBLE_EQ(program.form1.left(), c.left);
        EXPECT_DOUBLE_EQ(program.form1.top(), c.top);
        EXPECT_DOUBLE_EQ(program.form1.width(), 10920); // the size is kept
    }
}

TEST(ConfirmExit, AsksWithTheSessionLength)
{
    struct Case
    {
        platform::DateTime start;
        int laterSeconds;
        const char* elapsed;
    };
    const Case cases[] = {
        {{2024, 3, 5, 8, 0, 0}, 2 * 3600 + 15 * 60 + 30, "02:15"}, // seconds are dropped
        {{2024, 3, 5, 8, 0, 0}, 5 * 60, "00:05"},
        {{2024, 3, 5, 23, 30, 0}, 75 * 60, "01:15"}, // started 23:30, asked at 00:45
        {{2024, 3, 5, 8, 0, 0}, 0, "00:00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.elapsed);
        DriverOptions options;
        options.clock = c.start;
        Driver driver(options);
        auto& program = driver.start<app::Program>();
        driver.clock().advance(c.laterSeconds);
        driver.answerMessage(platform::MsgResult::Cancel);
        driver.closeBox(program.form1);

        ASSERT_EQ(driver.messages().size(), 1u);
        const auto& question = driver.messages()[0];
        EXPECT_EQ(question.text, std::string("  Do you wish to exit Korvanta?\r\rSession length was ") +
                                     c.elapsed + " minutes.");
        EXPECT_EQ(question.title, "Korvanta");
        EXPECT_EQ(question.buttons, platform::Buttons::OKCancel);
        EXPECT_EQ(question.icon, platform::Icon::Question);
        // Cancel keeps the form open with its entries.
        EXPECT_FALSE(driver.ended());
        EXPECT_TRUE(program.form1.visible());
    }
}

TEST(ConfirmExit, WithoutAStartTimeAsksTheShortQuestion)
{
    // A start at exactly midnight reads as no start time.
    DriverOptions options;
    options.clock = {2024, 3, 5, 0, 0, 0};
    Driver driver(options);
    auto& program = driver.start<app::Program>();
    driver.clock().advance(3600);
    driver.answerMessage(platform::MsgResult::Cancel);
    driver.closeBox(program.form1);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, "Do you wish to exit Korvanta?");

    program.state.SessionStart.reset();
    driver.answerMessage(platform::MsgResult::Cancel);
    run(driver, [&] { app::ConfirmExit(program); });
    ASSERT_EQ(driver.messages().size(), 2u);
    EXPECT_EQ(driver.messages()[1].text, "Do you wish to exit Korvanta?");
}

TEST(ConfirmExit, OkEndsTheProgramAtOnce)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    driver.type(program.form1.Proj, "Unsaved project");
    driver.answerMessage(platform::MsgResult::OK);
    driver.closeBox(program.form1);
    EXPECT_TRUE(driver.ended());
    EXPECT_TRUE(driver.host().quitCalled());
    EXPECT_EQ(driver.messages().size(), 1u); // nothing further is asked
    EXPECT_TRUE(driver.untrappedErrors().empty());
}

TEST(SelectFieldText, FocusSelectsUpToTheBoxsMaximumLength)
{
    Driver driver;
    auto& form1 = driver.start<app::Program>().form1;
    const std::string title(35, 'p');
    driver.type(form1.Proj, title);
    driver.type(form1.Descrip, "Ridge beam");
    driver.focus(form1.Proj);
    EXPECT_EQ(form1.Proj.selStart(), 0);
    EXPECT_EQ(form1.Proj.selLength(), 35);
    driver.focus(form1.Descrip);
    EXPECT_EQ(form1.Descrip.selLength(), 10); // up to 30, as far as the text goes

    // Typing replaces the selected text.
    driver.type(form1.Descrip, "Header");
    EXPECT_EQ(form1.Descrip.text(), "Header");

    // A box without a maximum length gets an empty selection.
    run(driver, [&] { form1.ID.setMaxLength(0); });
    driver.type(form1.ID, "B-12");
    driver.focus(form1.Span);
    driver.focus(form1.ID);
    EXPECT_EQ(form1.ID.selLength(), 0);
}

TEST(NewDefault, KeepsTitleSpeciesInGradeAndDeflectionLimits)
{
    struct Case
    {
        const char *live, *total;
        const char *liveAfter, *totalAfter;
    };
    const Case cases[] = {{"", "240", "", "240"},
                          {"360", "240", "360", "240"},
                          {"0", "180", "", "180"},
                          {"12.6", "180", "13", "180"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "L/" << c.live << ", L/" << c.total);
        Driver driver;
        auto& program = driver.start<app::Program>();
        auto& form1 = program.form1;
        driver.type(form1.Proj, "Warehouse");
        driver.type(form1.Span, "12");
        driver.type(form1.UNIF, "250");
        driver.choose(form1.Combo1, "Steel Beams");
        driver.retype(form1.LMaxDefl, c.live);
        driver.retype(form1.MaxDefl, c.total);
        run(driver, [&] { form1.INGRADE.setValue(0); });
        program.beam.loads.MomentLoads = 1500;

        run(driver, [&] { app::NewDefault(program); });

        EXPECT_TRUE(driver.messages().empty());
        EXPECT_EQ(form1.Proj.text(), "Warehouse");
        EXPECT_EQ(form1.Combo1.text(), "Steel Beams");
        EXPECT_TRUE(form1.group(9).value());
        EXPECT_EQ(form1.INGRADE.value(), 0);
        EXPECT_EQ(form1.LMaxDefl.text(), c.liveAfter);
        EXPECT_EQ(form1.MaxDefl.text(), c.totalAfter);
        EXPECT_TRUE(form1.Span.text().empty()); // everything else is back at its default
        EXPECT_TRUE(form1.UNIF.text().empty());
        EXPECT_EQ(form1.Dur.text(), "1.00");
        EXPECT_EQ(program.beam.loads.MomentLoads, 0);
        EXPECT_TRUE(form1.visible());
        EXPECT_EQ(driver.activeForm(), &form1);
    }
}

TEST(NewDefault, TotalLimitThatIsNoNumberStopsBeforeAnythingIsLost)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& form1 = program.form1;
    driver.type(form1.Span, "12");
    driver.retype(form1.MaxDefl, "");

    run(driver, [&] { app::NewDefault(program); });

    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, "Error at New Default procedure");
    EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Exclamation);
    EXPECT_EQ(form1.Span.text(), "12");
    EXPECT_TRUE(form1.visible());
}

TEST(LaunchExplorer, OpensTheProgramFolderOnOk)
{
    const std::string notice = "Korvanta will now launch...\rWINDOWS EXPLORER\r\rTo create a new directory "
                               "for your Korvanta file, select "
                               "FILE, select NEW, select FOLDER...\r\rIf you need further instructions, "
                               "select the HELP button on the "
                               "Explorer Menu bar.";
    {
        Driver driver;
        auto& program = driver.start<app::Program>();
        run(driver, [&] { app::LaunchExplorer(program); });
        ASSERT_EQ(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text, notice);
        EXPECT_EQ(driver.messages()[0].buttons, platform::Buttons::OKCancel);
        EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Information);
        ASSERT_EQ(driver.host().openedFolders().size(), 1u);
        EXPECT_EQ(driver.host().openedFolders()[0], driver.folder());
    }
    {
        Driver driver;
        auto& program = driver.start<app::Program>();
        driver.answerMessage(platform::MsgResult::Cancel);
        run(driver, [&] { app::LaunchExplorer(program); });
        EXPECT_EQ(driver.messages().size(), 1u);
        EXPECT_TRUE(driver.host().openedFolders().empty());
    }
}

TEST(LaunchExplorer, FailureToOpenIsReported)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    driver.failNext(platform::test::HostFailure::OpenFolder);
    run(driver, [&] { app::LaunchExplorer(program); });
    ASSERT_EQ(driver.messages().size(), 2u);
    EXPECT_EQ(driver.messages()[1].text,
              "Sorry, Korvanta can't locate Windows Explorer (EXPLORER.EXE).\r\rYou "
              "will have to open Explorer manually from your start menu.");
    EXPECT_EQ(driver.messages()[1].icon, platform::Icon::Exclamation);
    EXPECT_TRUE(driver.untrappedErrors().empty());
}

} // namespace
