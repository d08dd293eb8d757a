// The calculator as a user works it from the criteria form's "Calculator" entry: the four operations
// worked by hand in decimal, the refusals, the panels' look, Close and the Insert key.
#include "app/Form25.h"

#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "platform/forms/Runtime.h"
#include "platform/headless/Driver.h"

#include <gtest/gtest.h>
#include <string>

namespace
{

using platform::test::Driver;

struct Calculator
{
    Driver driver;
    app::Program& program = driver.start<app::Program>();
    app::Form25& f = program.form25;

    Calculator() { driver.menu(program.form1.MnuCalculator); }

    // Empties the box, then pastes the operand in one piece, so no half-typed value is checked.
    void enter(platform::TextBox& box, const std::string& text)
    {
        driver.retype(box, "");
        if (!text.empty()) {
            driver.focus(box);
            driver.paste(box, text);
        }
    }
    platform::Panel& panel(char op)
    {
        switch (op) {
        case '*':
            return f.CalX;
        case '/':
            return f.CalDiv;
        case '+':
            return f.CalPlus;
        default:
            return f.CalMinus;
        }
    }
};

TEST(Form25, OpensOnMultiplyCentredWithAnEmptyResult)
{
    Calculator c;
    EXPECT_TRUE(c.f.visible());
    EXPECT_EQ(c.f.caption(), "KV Calculator");
    EXPECT_EQ(c.program.state.CalTimesOn, -1);
    EXPECT_TRUE(c.f.CalT.text().empty());
    // Centring is on after a first run: (screen - width) / 2 and 0.85 of half the screen height.
    EXPECT_DOUBLE_EQ(c.f.left(), 1024 * 15 / 2 - c.f.width() / 2);
    EXPECT_DOUBLE_EQ(c.f.top(), 768 * 15 / 2 * 0.85 - c.f.height() / 2);
}

TEST(Form25, OperationsWorkedByHand)
{
    struct Case
    {
        const char* a;
        char op;
        const char* b;
        const char* result;
    };
    const Case cases[] = {
        {"12", '*', "3", "36"},
        {"12", '/', "3", "4"},
        {"10", '/', "4", "2.5"},
        {"1", '/', "3", "0.333"},     // 0.3333... to three decimals
        {"2", '/', "3", "0.667"},     // 0.6666... rounds up
        {"1.5", '+', "2.25", "3.75"}, // exact in decimal
        {"0.1", '+', "0.2", "0.3"},   // 0.30000000000000004 in binary, 0.3 at fifteen digits
        {"5", '-', "7", "-2"},        // negative and whole: no decimals
        {"2.5", '-', "5", "-2.5"},
        {"2.0004", '*', "1", "2.0"},   // not whole: at least one decimal after
                                       // rounding to three
        {"1.2345", '*', "1", "1.235"}, // halves round away from zero
        {"4.35", '*', "100", "435"},   // 434.99999999999994 in binary: fifteen digits make it whole
        {"1E3", '*', "2", "2000"},
    };
    Calculator c;
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.a << ' ' << k.op << ' ' << k.b);
        c.driver.click(c.panel(k.op));
        c.enter(c.f.Cal2, "");
        c.enter(c.f.Cal1, k.a);
        c.enter(c.f.Cal2, k.b);
        EXPECT_EQ(c.f.CalT.text(), k.result);
        EXPECT_TRUE(c.driver.messages().empty());
    }
}

TEST(Form25, ChoosingAnOperationRecomputesAndInsetsItsPanel)
{
    Calculator c;
    c.enter(c.f.Cal1, "12");
    c.enter(c.f.Cal2, "3");
    EXPECT_EQ(c.f.CalT.text(), "36");
    for (const char op : {'/', '+', '-', '*'}) {
        SCOPED_TRACE(op);
        c.driver.click(c.panel(op));
        for (const char other : {'*', '/', '+', '-'}) {
            const platform::ControlProps& look = c.panel(other).props();
            EXPECT_EQ(look.bevelOuter, other == op ? 1 : 2) << other;
            EXPECT_EQ(look.font3D, other == op ? 1 : 3) << other;
        }
    }
    c.driver.click(c.f.CalDiv);
    EXPECT_EQ(c.f.CalT.text(), "4");
    c.driver.click(c.f.CalMinus);
    EXPECT_EQ(c.f.CalT.text(), "9");
    c.driver.click(c.f.CalPlus);
    EXPECT_EQ(c.f.CalT.text(), "15");
}

TEST(Form25, RefusedOperandsKeepTheirTextAndTheResult)
{
    Calculator c;
    c.enter(c.f.Cal1, "12");
    c.enter(c.f.Cal2, "3");
    for (const char* bad : {"0", "-4", "abc"}) {
        for (platform::TextBox* box : {&c.f.Cal1, &c.f.Cal2}) {
            SCOPED_TRACE(testing::Message() << bad << " in " << box->name());
            c.enter(c.f.Cal1, "12");
            c.enter(c.f.Cal2, "3");
            c.driver.clearMessages();
            const int beeps = c.driver.beeps();
            c.enter(*box, bad);
            ASSERT_EQ(c.driver.messages().size(), 1u);
            EXPECT_EQ(c.driver.messages()[0].text, "Please enter a numeric value to calculate.");
            EXPECT_EQ(c.driver.messages()[0].icon, platform::Icon::None);
            EXPECT_EQ(c.driver.beeps(), beeps + 1);
            EXPECT_EQ(box->text(), bad);
            EXPECT_EQ(c.f.CalT.text(), "36");
            EXPECT_EQ(c.program.runtime.focusedControl(), box);
        }
    }
}

TEST(Form25, TypingHalfIsRefusedAtZeroAndAtZeroPointThenComputed)
{
    Calculator c;
    c.enter(c.f.Cal2, "2");
    c.driver.focus(c.f.Cal1);
    c.driver.type(c.f.Cal1, "0.5");
    EXPECT_EQ(c.driver.messages().size(), 2u);
    EXPECT_EQ(c.f.CalT.text(), "1");
    c.driver.clearMessages();
    c.enter(c.f.Cal1, ".5");
    EXPECT_TRUE(c.driver.messages().empty());
    EXPECT_EQ(c.f.CalT.text(), "1");
}

TEST(Form25, EmptyOperandLeavesTheLastResult)
{
    Calculator c;
    c.enter(c.f.Cal1, "6");
    c.enter(c.f.Cal2, "7");
    c.enter(c.f.Cal2, "");
    EXPECT_EQ(c.f.CalT.text(), "42");
    c.enter(c.f.Cal1, "");
    EXPECT_EQ(c.f.CalT.text(), "42");
    EXPECT_TRUE(c.driver.messages().empty());
}

TEST(Form25, CommaIsDiscardedInEveryBox)
{
    Calculator c;
    for (platform::TextBox* box : {&c.f.Cal1, &c.f.Cal2, &c.f.CalT}) {
        SCOPED_TRACE(box->name());
        c.driver.retype(*box, "");
        c.driver.clearMessages();
        c.driver.type(*box, "1,5");
        EXPECT_EQ(box->text(), "15");
        ASSERT_GE(c.driver.messages().size(), 1u);
        EXPECT_EQ(c.driver.messages()[0].text, "Please do not enter comma separators.");
        EXPECT_EQ(c.driver.messages()[0].icon, platform::Icon::Exclamation);
        EXPECT_EQ(c.driver.messages()[0].title, "Korvanta");
    }
}

TEST(Form25, OverflowShowsItsMessageAndKeepsTheResult)
{
    Calculator c;
    c.enter(c.f.Cal1, "2");
    c.enter(c.f.Cal2, "3");
    c.enter(c.f.Cal1, "1E300");
    const std::string last = c.f.CalT.text(); // 3 followed by 300 zeros
    EXPECT_EQ(last.size(), 301u);
    c.driver.clearMessages();
    c.enter(c.f.Cal2, "1E300");
    ASSERT_EQ(c.driver.messages().size(), 1u);
    EXPECT_EQ(c.driver.messages()[0].text, "Error calculating calculator total.");
    EXPECT_EQ(c.f.CalT.text(), last);
    EXPECT_TRUE(c.driver.untrappedErrors().empty());
}

TEST(Form25, EnterClosesAndInsertPastesTheLastResultIntoTheCriteriaForm)
{
    Calculator c;
    c.enter(c.f.Cal1, "12.5");
    c.enter(c.f.Cal2, "16");
    EXPECT_EQ(c.f.CalT.text(), "200");
    c.driver.key(c.f.Cal2, platform::Key::Enter);
    EXPECT_FALSE(c.f.visible());
    EXPECT_TRUE(c.f.loaded());
    EXPECT_EQ(c.driver.activeForm(), &c.program.form1);
    c.driver.focus(c.program.form1.UNIF);
    c.driver.key(c.program.form1.UNIF, platform::Key::Insert);
    EXPECT_EQ(c.program.form1.UNIF.text(), "200");
    // Reopened: operands, result and operation are still there.
    c.driver.menu(c.program.form1.MnuCalculator);
    EXPECT_EQ(c.f.Cal1.text(), "12.5");
    EXPECT_EQ(c.program.state.CalTimesOn, -1);
}

TEST(Form25, FocusSelectsTheOperandAndActivationCentresTheFormAgain)
{
    Calculator c;
    c.enter(c.f.Cal1, "12.5");
    c.driver.focus(c.f.Cal2);
    c.driver.focus(c.f.Cal1);
    EXPECT_EQ(c.f.Cal1.selStart(), 0);
    EXPECT_EQ(c.f.Cal1.selLength(), 4); // the whole text: up to the box's ten characters

    const double centredLeft = c.f.left();
    c.driver.runtime().dispatch([&] { c.f.move(0, 0); }); // moved aside
    c.driver.switchTo(c.program.form1);
    c.driver.switchTo(c.f);
    EXPECT_DOUBLE_EQ(c.f.left(), centredLeft);
}

} // namespace
