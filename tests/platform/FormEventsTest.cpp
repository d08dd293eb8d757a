// Event rules of the form model: code writes raise events at once and only on a real change, implicit
// load, unload back to the design values, typing and keys, focus, the dispatcher.
#include "FormFixtures.h"
#include "platform/core/RuntimeError.h"
#include "platform/headless/Driver.h"

#include <gtest/gtest.h>

using platform::MsgResult;
using platform::RuntimeError;
using platform::test::Driver;

namespace
{

struct FormEvents : testing::Test
{
    Driver driver;
    fixtures::Log log;
    fixtures::LoggingForm form{driver.runtime(), "F", log};

    void showForm()
    {
        driver.runtime().dispatch([&] { form.show(); });
        log.clear();
    }
    int errorOf(const std::function<void()>& statement)
    {
        try {
            statement();
        } catch (const RuntimeError& e) {
            return e.number();
        }
        return 0;
    }
};

TEST_F(FormEvents, TouchingAControlLoadsTheFormHiddenWithoutActivation)
{
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(form.Box.text(), "12");
    EXPECT_TRUE(form.loaded());
    EXPECT_FALSE(form.visible());
    EXPECT_EQ(log, (fixtures::Log{"F.Load"}));
}

TEST_F(FormEvents, CodeWritesRaiseChangeOnlyOnARealChangeAndNestedWritesRunToTheirEnd)
{
    form.onBoxChange = [&] {
        if (form.Box.text() == "bad") {
            form.Box.setText(""); // a handler that empties its own box gets a nested Change
        }
    };
    form.Box.setText("12");
    form.Box.setText("bad");
    form.Box.setText("");
    EXPECT_EQ(log, (fixtures::Log{"F.Load", "F.Box.Change bad", "F.Box.Change "}));
}

TEST_F(FormEvents, CodeWritesAreNeverCutToTheMaximumLength)
{
    form.Box.setText("159.996");
    EXPECT_EQ(form.Box.text(), "159.996");
}

TEST_F(FormEvents, OptionsAreExclusivePerContainerAndClickOnlyWhenBecomingSelected)
{
    form.First.setValue(true); // already selected: nothing
    form.Second.setValue(true);
    EXPECT_FALSE(form.First.value());
    EXPECT_TRUE(form.Outside.value()); // another container
    form.Second.setValue(false);       // deselects silently: none selected is valid
    EXPECT_FALSE(form.First.value());
    EXPECT_FALSE(form.Second.value());
    EXPECT_EQ(log, (fixtures::Log{"F.Load", "F.Second.Click"}));
}

TEST_F(FormEvents, CheckBoxesListsAndButtonsFollowTheirRules)
{
    form.Check.setValue(1);
    form.Check.setValue(1);
    EXPECT_EQ(errorOf([&] { form.Check.setValue(3); }), platform::err::InvalidPropertyValue);
    form.Check3D.setValue(1);
    EXPECT_EQ(form.Check3D.value(), -1);
    form.List.setListIndex(1);
    form.List.setListIndex(-1);
    EXPECT_EQ(errorOf([&] { form.List.setListIndex(2); }), platform::err::InvalidPropertyValue);
    form.List.setText("a");
    EXPECT_EQ(errorOf([&] { form.List.setText("z"); }), platform::err::TextReadOnly);
    form.Editable.setText("DF-L Stud"); // moves the index, raises Change but no Click
    EXPECT_EQ(form.Editable.listIndex(), 0);
    form.Ok.setEnabled(false);
    form.Ok.setValue(true); // always clicks, even disabled; reads pressed only during the Click
    EXPECT_FALSE(form.Ok.value());
    EXPECT_EQ(log, (fixtures::Log{"F.Load", "F.Check.Click 1", "F.List.Click 1", "F.List.Click -1",
                                  "F.List.Click 0", "F.Editable.Change", "F.Ok.Click pressed"}));
}

TEST_F(FormEvents, ControlArraysKeepTheirIndicesAndRefuseMissingElements)
{
    EXPECT_EQ(form.Letters.first(), 6);
    EXPECT_EQ(form.Letters(8).index(), 8);
    EXPECT_EQ(errorOf([&] { form.Letters(5); }), platform::err::ControlArrayElement);
    showForm();
    driver.click(form.Letters(7));
    EXPECT_EQ(log, (fixtures::Log{"F.Letters.Click 7"}));
}

TEST_F(FormEvents, UnloadRestoresDesignValuesAndTheNextTouchLoadsAgain)
{
    showForm();
    form.Box.setText("99");
    form.Second.setValue(true);
    driver.runtime().dispatch([&] { form.unload(); });
    EXPECT_FALSE(form.loaded());
    form.unload(); // unloading an unloaded form does nothing and does not load it
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(form.Box.text(), "12");
    EXPECT_TRUE(form.First.value());
    EXPECT_EQ(form.loads, 2);
}

TEST_F(FormEvents, TypingRunsKeyPressWhichCanSwallowAKeyAndRespectsTheMaximumLength)
{
    showForm();
    driver.retype(form.Box, "1,5");
    EXPECT_EQ(form.Box.text(), "15");
    driver.type(form.Box, "6789"); // room for three more of five characters
    EXPECT_EQ(form.Box.text(), "15678");
    driver.key(form.Box, platform::Key::Backspace);
    EXPECT_EQ(form.Box.text(), "1567");
    driver.retype(form.Other, "");
    driver.paste(form.Box, "abcdef");
    EXPECT_EQ(form.Box.text(), "1567a");
}

TEST_F(FormEvents, FocusTabOrderAndTheDefaultButton)
{
    showForm();
    EXPECT_EQ(driver.runtime().activeControl(), &form.Box); // first tab stop
    driver.key(form.Box, platform::Key::Tab);
    EXPECT_EQ(driver.runtime().activeControl(), &form.Other);
    driver.key(form.Other, platform::Key::Tab, platform::shift::Shift);
    EXPECT_EQ(driver.runtime().activeControl(), &form.Box);
    driver.key(form.Box, platform::Key::Enter); // clicks the default button without moving the focus
    EXPECT_EQ(driver.runtime().activeControl(), &form.Box);
    form.Other.setVisible(false);
    EXPECT_EQ(errorOf([&] { form.Other.setFocus(); }), platform::err::InvalidCall);
    driver.ctrlKey(form, 'n');
    EXPECT_EQ(log, (fixtures::Log{"F.Box.LostFocus", "F.Other.GotFocus", "F.Other.LostFocus",
                                  "F.Box.GotFocus", "F.Ok.Click pressed", "F.MnuNew.Click"}));
}

TEST_F(FormEvents, EnterPressesTheFocusedButtonAndOnlyADefaultOneFromABox)
{
    showForm();
    form.Ok.setDefault(false);
    driver.key(form.Box, platform::Key::Enter);
    EXPECT_TRUE(log.empty());
    driver.focus(form.Ok);
    driver.key(form.Ok, platform::Key::Enter);
    EXPECT_EQ(log, (fixtures::Log{"F.Box.LostFocus", "F.Ok.Click pressed"}));
}

TEST_F(FormEvents, SelectionIsClampedToTheText)
{
    form.Box.setSelStart(0);
    form.Box.setSelLength(35);
    EXPECT_EQ(form.Box.selLength(), 2);
    form.Box.setSelStart(10);
    EXPECT_EQ(form.Box.selStart(), 2);
}

TEST_F(FormEvents, AnUntrappedErrorIsShownAndTheProgramGoesOn)
{
    showForm();
    form.Ok.click([] { platform::raise(platform::err::Overflow); });
    driver.click(form.Ok);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, "Overflow");
    EXPECT_EQ(driver.messages()[0].title, "Korvanta");
    EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Exclamation);
    EXPECT_FALSE(driver.ended());
    EXPECT_EQ(driver.untrappedErrors().size(), 1u);
}

TEST_F(FormEvents, EndStopsTheHandlerAndQuits)
{
    showForm();
    bool after = false;
    form.Ok.click([&] {
        driver.runtime().endProgram();
        after = true;
    });
    driver.click(form.Ok);
    EXPECT_FALSE(after);
    EXPECT_TRUE(driver.ended());
    EXPECT_TRUE(driver.host().quitCalled());
}

TEST_F(FormEvents, TheCloseBoxAsksQueryUnloadWhichCanCancel)
{
    showForm();
    form.onQueryUnloadHook = [](bool& cancel, platform::UnloadReason reason) {
        cancel = reason == platform::UnloadReason::CloseBox;
    };
    driver.closeBox(form);
    EXPECT_TRUE(form.loaded());
    driver.runtime().dispatch([&] { form.unload(); });
    EXPECT_FALSE(form.loaded());
    EXPECT_EQ(log, (fixtures::Log{"F.QueryUnload 0", "F.QueryUnload 1", "F.Box.LostFocus"}));
}

TEST_F(FormEvents, ClientSizeFollowsTheFixedFrameModel)
{
    EXPECT_EQ(form.width(), 6120);
    EXPECT_EQ(form.height(), 4000 + 120 + 300 + 300); // the form has a menu
    EXPECT_EQ(form.scaleWidth(), 6000);
    EXPECT_EQ(form.scaleHeight(), 4000);
}

// A window placed over its owner opens centred over the form that opened it, at every opening, and
// stays on the screen (1024 x 768 pixels, 15360 x 11520 twips).
TEST_F(FormEvents, AWindowPlacedOverItsOwnerOpensOverTheFormThatOpenedIt)
{
    fixtures::LoggingForm picture{driver.runtime(), "P", log};
    driver.runtime().dispatch([&] {
        picture.setClientSize(3000, 2000); // 3120 x 2720 twips outside, with its menu bar
        picture.setStartUpPosition(platform::StartUpPosition::CenterOwner);
    });
    struct Case
    {
        double ownerLeft, ownerTop, left, top;
    };
    const Case cases[] = {
        {3000, 2000, 3000 + (6120 - 3120) / 2, 2000 + (4720 - 2720) / 2},
        {14000, 10000, 15360 - 3120, 11520 - 2720}, // held on the screen at the right and the bottom
        {-2000, -1500, 0, 0},                       // and at the left and the top
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ownerLeft << ", " << c.ownerTop);
        driver.runtime().dispatch([&] {
            form.move(c.ownerLeft, c.ownerTop);
            form.show();
        });
        driver.runtime().dispatch([&] { picture.show(); });
        EXPECT_EQ(picture.left(), c.left);
        EXPECT_EQ(picture.top(), c.top);
        driver.runtime().dispatch([&] { picture.hide(); });
    }
}

// KeyPress carries a 16-bit code, but every character is inserted: the upper half of that range and
// characters beyond it alike. Only a record file cannot hold them.
TEST_F(FormEvents, TypingInsertsEveryCharacter)
{
    showForm();
    form.Box.setMaxLength(0);
    std::vector<int> codes;
    form.Box.keyPress([&](std::int16_t& c) { codes.push_back(static_cast<std::uint16_t>(c)); });
    driver.retype(form.Box, "a\u00B2\u8000\uFF21\U0001F600");
    EXPECT_EQ(form.Box.text(), "a\u00B2\u8000\uFF21\U0001F600");
    EXPECT_EQ(codes, (std::vector<int>{'a', 0xB2, 0x8000, 0xFF21, 0xFFFD}));
    // A handler may still swallow or replace such a character.
    form.Box.keyPress([](std::int16_t& c) { c = static_cast<std::uint16_t>(c) == 0xFFFD ? 0 : 'x'; });
    driver.retype(form.Box, "\u9000\U0001F600");
    EXPECT_EQ(form.Box.text(), "x");
}

} // namespace
