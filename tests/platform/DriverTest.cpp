// The test driver acts only where a user could: an action on a control out of the user's reach fails
// the test that asked for it, says which control and why, and changes nothing.
#include "platform/headless/Driver.h"

#include "FormFixtures.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using platform::test::Driver;

namespace
{

struct StrictDriver : testing::Test
{
    Driver driver;
    fixtures::Log log;
    fixtures::LoggingForm form{driver.runtime(), "F", log};
    fixtures::LoggingForm other{driver.runtime(), "G", log};

    void showForm()
    {
        driver.runtime().dispatch([&] { form.show(); });
        log.clear();
    }
};

TEST_F(StrictDriver, ActionsOutOfReachFailTheTestNamingFormControlAndReason)
{
    struct Case
    {
        const char* what;
        std::function<void(StrictDriver&)> arrange;
        std::function<void(StrictDriver&)> act;
        const char* message;
    };
    const Case cases[] = {
        {"hidden form", [](StrictDriver& t) { t.driver.runtime().dispatch([&] { t.form.hide(); }); },
         [](StrictDriver& t) { t.driver.click(t.form.Ok); }, "cannot click F.Ok: form F is not shown"},
        {"hidden control", [](StrictDriver& t) { t.form.Other.setVisible(false); },
         [](StrictDriver& t) { t.driver.type(t.form.Other, "1"); }, "cannot type into F.Other: it is hidden"},
        {"disabled control", [](StrictDriver& t) { t.form.Box.setEnabled(false); },
         [](StrictDriver& t) { t.driver.retype(t.form.Box, "7"); }, "cannot retype F.Box: it is disabled"},
        {"hidden container", [](StrictDriver& t) { t.form.Group.setVisible(false); },
         [](StrictDriver& t) { t.driver.click(t.form.Second); },
         "cannot click F.Second: its container Group is hidden"},
        {"disabled container", [](StrictDriver& t) { t.form.Group.setEnabled(false); },
         [](StrictDriver& t) { t.driver.key(t.form.First, platform::Key::Tab); },
         "cannot press a key in F.First: its container Group is disabled"},
        {"disabled list", [](StrictDriver& t) { t.form.List.setEnabled(false); },
         [](StrictDriver& t) { t.driver.choose(t.form.List, "b"); },
         "cannot choose in F.List: it is disabled"},
        {"list without a text part", [](StrictDriver&) {},
         [](StrictDriver& t) { t.driver.type(t.form.List, "a"); },
         "cannot type into F.List: it is a list without a text part"},
        {"missing list entry", [](StrictDriver&) {}, [](StrictDriver& t) { t.driver.choose(t.form.List, 2); },
         "cannot choose in F.List: it has no entry 2"},
        {"disabled menu", [](StrictDriver& t) { t.form.MnuNew.setEnabled(false); },
         [](StrictDriver& t) { t.driver.menu(t.form.MnuNew); },
         "cannot choose the menu entry F.MnuNew: it is disabled"},
        {"hidden parent menu", [](StrictDriver& t) { t.form.MnuFile.setVisible(false); },
         [](StrictDriver& t) { t.driver.ctrlKey(t.form, 'n'); },
         "cannot press Ctrl+N for F.MnuNew: its container MnuFile is hidden"},
        {"unloaded form", [](StrictDriver&) {}, [](StrictDriver& t) { t.driver.switchTo(t.other); },
         "cannot switch to form G: form G is not shown"},
        {"label focus", [](StrictDriver&) {}, [](StrictDriver& t) { t.driver.focus(t.form.Letters(6)); },
         "cannot focus F.Letters(6): it takes no focus"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        showForm();
        c.arrange(*this);
        const std::string before = form.Box.text();
        log.clear();
        EXPECT_NONFATAL_FAILURE(c.act(*this), c.message);
        EXPECT_TRUE(log.empty()) << log.front();
        EXPECT_EQ(form.Box.text(), before);
        // Back to the design values for the next case.
        driver.runtime().dispatch([&] { form.unload(); });
    }
}

TEST_F(StrictDriver, AModalFormLeavesEveryOtherFormOutOfReach)
{
    showForm();
    bool tried = false;
    driver.whenModal(other, [&] {
        EXPECT_NONFATAL_FAILURE(driver.click(form.Ok), "form F is disabled while G is shown modal");
        EXPECT_NONFATAL_FAILURE(driver.closeBox(form), "cannot use the close box of form F");
        driver.click(other.Ok); // the modal form itself takes input
        driver.runtime().dispatch([&] { other.hide(); });
        tried = true;
    });
    driver.runtime().dispatch([&] { other.show(platform::ShowMode::Modal); });
    EXPECT_TRUE(tried);
    EXPECT_EQ(std::count(log.begin(), log.end(), "G.Ok.Click pressed"), 1);
    EXPECT_EQ(std::count(log.begin(), log.end(), "F.Ok.Click pressed"), 0);
}

TEST_F(StrictDriver, ExpectUnreachableSaysSoAndShowsTheControlIgnoresInput)
{
    showForm();
    form.Ok.setEnabled(false);
    form.MnuNew.setEnabled(false);
    driver.expectUnreachable(form.Ok);
    driver.expectUnreachable(form.MnuNew);
    EXPECT_TRUE(log.empty());
    EXPECT_NONFATAL_FAILURE(driver.expectUnreachable(form.Other), "F.Other is within the user's reach");
}

// Typing into an editable combo box goes character by character, each a change of its whole text;
// a typed text equal to an entry moves the list position there, and nothing raises Click.
TEST_F(StrictDriver, TypingIntoAnEditableComboChangesItsTextWithoutClick)
{
    showForm();
    driver.type(form.Editable, "DF"); // the focus comes first
    EXPECT_EQ(log, (fixtures::Log{"F.Box.LostFocus", "F.Editable.Change", "F.Editable.Change"}));
    EXPECT_EQ(form.Editable.text(), "DF");
    EXPECT_EQ(form.Editable.listIndex(), -1);
    EXPECT_EQ(driver.runtime().focusedControl(), &form.Editable);

    log.clear();
    driver.retype(form.Editable, "DF-L Stud");
    EXPECT_EQ(log.size(), 9u); // "D" over the selected "DF", then one change per character
    EXPECT_EQ(std::count(log.begin(), log.end(), "F.Editable.Click"), 0);
    EXPECT_EQ(form.Editable.text(), "DF-L Stud");
    EXPECT_EQ(form.Editable.listIndex(), 0);

    log.clear();
    driver.retype(form.Editable, "");
    EXPECT_EQ(log, (fixtures::Log{"F.Editable.Change"}));
    EXPECT_EQ(form.Editable.listIndex(), -1);
}

} // namespace
