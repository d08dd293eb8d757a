// When a form's Activate runs: inside Show, deferred after the handler when a hide or a focus move
// makes it active, never re-entered, and not at all when the form was already active.
#include "FormFixtures.h"
#include "platform/headless/Driver.h"

#include <gtest/gtest.h>

using platform::test::Driver;

namespace
{

struct Activation : testing::Test
{
    Driver driver;
    fixtures::Log log;
    fixtures::LoggingForm a{driver.runtime(), "A", log};
    fixtures::LoggingForm b{driver.runtime(), "B", log};

    // One top-level dispatch, as a user event would be; "end" marks where the handler returned.
    void handler(const std::function<void()>& body)
    {
        driver.runtime().dispatch([&] {
            body();
            log.push_back("end");
        });
    }
    void start()
    {
        handler([&] { a.show(); });
        log.clear();
    }
};

TEST_F(Activation, ShowLoadsThenActivatesInsideTheCallAndFocusFollows)
{
    handler([&] {
        a.show();
        log.push_back("after show");
    });
    EXPECT_EQ(log, (fixtures::Log{"A.Load", "A.Activate", "A.Box.GotFocus", "after show", "end"}));
    EXPECT_EQ(driver.activeForm(), &a);
}

TEST_F(Activation, ShowingTheActiveFormAgainRunsNoActivate)
{
    start();
    handler([&] { a.show(); });
    EXPECT_EQ(log, (fixtures::Log{"end"}));
}

TEST_F(Activation, HidingTheActiveFormOwesTheActivateOfThePreviousOneUntilTheHandlerEnds)
{
    start();
    handler([&] { b.show(); });
    log.clear();
    handler([&] {
        b.hide();
        log.push_back("after hide");
    });
    EXPECT_EQ(log, (fixtures::Log{"B.Box.LostFocus", "A.Box.GotFocus", "after hide", "end", "A.Activate"}));
    EXPECT_EQ(driver.activeForm(), &a);
}

TEST_F(Activation, TheOwedActivateIsSkippedWhenTheFormWasActiveAtTheStartOfTheHandler)
{
    start();
    handler([&] {
        b.show(); // B's Activate runs inside the show
        b.hide(); // A is active again, but it was active when the handler began
    });
    EXPECT_EQ(a.activations, 1);
    EXPECT_EQ(b.activations, 1);
}

TEST_F(Activation, AnActivateIsNeverReEntered)
{
    start();
    a.onActivateHook = [&] { b.show(); };
    b.onActivateHook = [&] { a.show(); }; // A's Activate is still running: dropped
    handler([&] { b.show(); });
    handler([&] { a.hide(); }); // no other form visible... B is: B becomes active, owed
    EXPECT_LE(a.activations, 2);
    EXPECT_FALSE(driver.ended());
}

TEST_F(Activation, ADormantFormShownAgainFindsItselfStillActive)
{
    start();
    handler([&] { a.hide(); });
    EXPECT_EQ(driver.activeForm(), &a);
    handler([&] { a.show(); });
    EXPECT_EQ(a.activations, 1);
}

TEST_F(Activation, UnloadingTheLastVisibleFormLeavesNoActiveForm)
{
    start();
    handler([&] { a.unload(); });
    EXPECT_EQ(driver.activeForm(), nullptr);
    handler([&] { a.show(); }); // loads anew and activates
    EXPECT_EQ(a.loads, 2);
    EXPECT_EQ(a.activations, 2);
}

TEST_F(Activation, UserSwitchingActivatesUnlessTheFormIsAlreadyActive)
{
    start();
    handler([&] { b.show(); });
    driver.switchTo(a);
    driver.switchTo(a);
    EXPECT_EQ(a.activations, 2);
    EXPECT_EQ(driver.activeForm(), &a);
}

TEST_F(Activation, MessageBoxesChangeNothing)
{
    start();
    handler([&] { driver.runtime().msgBox("note"); });
    EXPECT_EQ(log, (fixtures::Log{"end"}));
    EXPECT_EQ(driver.activeForm(), &a);
}

TEST_F(Activation, FocusIntoAnotherVisibleFormMakesItActiveWithItsActivateDeferred)
{
    start();
    handler([&] { b.show(); });
    handler([&] { a.show(); });
    log.clear();
    handler([&] {
        b.Other.setFocus();
        log.push_back("after focus");
    });
    EXPECT_EQ(log,
              (fixtures::Log{"A.Box.LostFocus", "B.Other.GotFocus", "after focus", "end", "B.Activate"}));
    EXPECT_EQ(driver.activeForm(), &b);
}

// A form made invisible while active and shown again is still the active form, so it runs no
// Activate; but its focus control gets the focus back.
TEST_F(Activation, AFormHiddenAndShownAgainGetsItsFocusBack)
{
    start();
    driver.focus(a.Other);
    log.clear();
    handler([&] {
        a.setVisible(false);
        a.setVisible(true);
    });
    EXPECT_EQ(log, (fixtures::Log{"A.Other.LostFocus", "A.Other.GotFocus", "end"}));
    EXPECT_EQ(driver.activeForm(), &a);
    EXPECT_EQ(driver.runtime().activeControl(), &a.Other);
}

// Whatever a handler lets out, the dispatcher reports it and winds its depth back: the next handler
// is a top-level one again and the activation it owes still runs.
TEST_F(Activation, AnExceptionOfAnyKindLeavesDeferredActivationWorking)
{
    start();
    handler([&] { b.show(); });
    b.Ok.click([] { throw 42; });
    driver.click(b.Ok);
    ASSERT_EQ(driver.untrappedErrors().size(), 1u);
    EXPECT_EQ(driver.untrappedErrors()[0], "Internal error: unknown exception");
    EXPECT_FALSE(driver.runtime().inHandler());
    handler([&] { b.hide(); });
    EXPECT_EQ(a.activations, 2);
    EXPECT_EQ(driver.activeForm(), &a);
}

// End in a handler of a modal form ends the program there: the statement that showed the modal form
// goes no further, and no form is asked to unload.
TEST_F(Activation, EndInAModalFormEndsTheProgramThere)
{
    start();
    b.load(); // wires its design handlers, which the test then replaces
    b.Ok.click([&] { driver.runtime().endProgram(); });
    driver.host().whenModal("B", [&] { driver.click(b.Ok); });
    a.Ok.click([&] {
        b.show(platform::ShowMode::Modal);
        log.push_back("after modal");
    });
    log.clear();
    driver.click(a.Ok);
    EXPECT_TRUE(driver.ended());
    EXPECT_TRUE(driver.host().quitCalled());
    EXPECT_TRUE(driver.host().scriptFailures().empty());
    for (const std::string& entry : log) {
        EXPECT_EQ(entry.find("after modal"), std::string::npos);
        EXPECT_EQ(entry.find("QueryUnload"), std::string::npos) << entry;
    }
}

} // namespace
