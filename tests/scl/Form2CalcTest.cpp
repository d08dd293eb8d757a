// "OK Calc" and "OK Test" of the custom values form as the user presses them: the checks in order with
// message, beep and focus, the round timber, and the hand-over to the wood beam test, whose size factor
// is checked against NDS Table 4A.
#include "beam/BeamState.h"
#include "report/Form5.h"
#include "tests/scl/Form2Fixture.h"
#include "wood/Form3.h"

namespace
{

using scl::test::Form2Fixture;

class Form2Calc : public Form2Fixture
{
  protected:
    void SetUp() override
    {
        calculate();
        enterValues();
    }
};

struct CalcCheck
{
    const char* box;
    const char* text;
    const char* message;
};

// Each refused press leaves "OK Test" disabled, so refused values are never tested.
TEST_F(Form2Calc, ChecksRefuseInOrderWithBeepAndFocus)
{
    const CalcCheck cases[] = {
        {"Text1", "", "Please enter a numeric value for the Fb value"},
        {"Text2", "", "Please enter a numeric value for the Fv value"},
        {"Text3", "", "Please enter a numeric value for the Fc perpendicular to grain value"},
        {"Text4", "", "Please enter a numeric value for the E value"},
        {"Text1", "3601", "Please check the Fb value, Korvanta does not accept Fb values < 400 or > 3600."},
        {"Text1", "399", "Please check the Fb value, Korvanta does not accept Fb values < 400 or > 3600."},
        {"Text2", "451", "Please check the Fv value, Korvanta does not accept Fv values < 50 or > 450."},
        {"Text3", "1101", "Please check the Fc value, Korvanta does not accept Fc values < 150 or > 1100."},
        {"Text4", "2.71",
         "Please check the E value, Korvanta does not accept E values < 0.6 x mil or > 2.7 x mil."},
    };
    for (const CalcCheck& c : cases) {
        SCOPED_TRACE(std::string{c.box} + " " + c.text);
        enterValues();
        auto& box = static_cast<platform::TextBox&>(*form2.findControl(c.box));
        driver.retype(box, c.text);
        driver.clearMessages();
        const int beeps = driver.beeps();
        driver.click(form2.CmdEnterValues);
        EXPECT_EQ(lastMessage(), c.message);
        EXPECT_EQ(driver.beeps(), beeps + 1);
        EXPECT_EQ(driver.runtime().focusedControl(), &box);
        EXPECT_FALSE(form2.CmdTest.enabled());
    }
    // Both ends of every range pass.
    enterValues("3600", "450", "1100", "2.7");
    driver.click(form2.CmdEnterValues);
    EXPECT_TRUE(form2.CmdTest.enabled());
    enterValues("400", "50", "150", "0.6");
    driver.click(form2.CmdEnterValues);
    EXPECT_TRUE(form2.CmdTest.enabled());
}

TEST_F(Form2Calc, TwoXPressCaptionsTheRowAndSetsTheFlags)
{
    enterValues("2400", "240", "625", "1.8");
    driver.click(form2.CustomIngradeSP);
    driver.click(form2.CmdEnterValues);
    EXPECT_TRUE(driver.messages().empty());
    EXPECT_FALSE(program.form3.visible());
    EXPECT_FALSE(form2.Button42x.caption().empty());
    EXPECT_TRUE(form2.CmdTest.enabled());
    EXPECT_TRUE(form2.CmdTest.isDefault());
    EXPECT_EQ(program.beam.flags.CustomSoPineFlag, -1);
    EXPECT_EQ(program.beam.flags.MSRFlag, 0);
}

TEST_F(Form2Calc, RoundTimberIsCheckedThenTestedAtOnce)
{
    driver.click(form2.Wid6x);
    driver.click(form2.Roundoption);
    driver.click(form2.CmdEnterValues);
    EXPECT_EQ(driver.messages().back().icon, platform::Icon::Exclamation);
    EXPECT_EQ(driver.runtime().focusedControl(), &form2.Diam);
    EXPECT_FALSE(form2.CmdTest.enabled());
    driver.retype(form2.Diam, "4.9");
    driver.click(form2.CmdEnterValues);
    EXPECT_EQ(lastMessage(), "Round member diameter must be at least 5 inches.");
    driver.retype(form2.Diam, "36.5");
    driver.click(form2.CmdEnterValues);
    EXPECT_EQ(lastMessage(), "Round member diameter must be 36 inches or less.");

    // A silent search left the test flag set; the press must still show its test.
    program.beam.flags.PretestMode = -1;
    driver.retype(form2.Diam, "12");
    driver.clearMessages();
    driver.click(form2.CmdEnterValues);
    EXPECT_EQ(form2.Text6.text(), "12 in.");
    EXPECT_EQ(form2.Text7.text(), "Round");
    EXPECT_TRUE(program.form5.visible());
    EXPECT_FALSE(form2.visible());
}

struct BreadthCase
{
    const char* option;
    bool pine;
    const char* breadth;
    const char* depth;
    bool accepted;
};

TEST_F(Form2Calc, OkTestAcceptsOnlyTheClassBreadths)
{
    const char* breadthMessage =
        "Please check Breadth entry for proper format and correct beam breadth for this type of members. Add "
        "a "
        "hyphen before fractions with no spaces and add a small 'x' to the breadth without a space.";
    const BreadthCase cases[] = {
        {"Wid2x", false, "(2) 2x", "10", true},     {"Wid2x", false, "(2)2x", "10", false},
        {"Wid2x", false, "2X", "10", false},        {"Wid4x", false, "4x", "10", true},
        {"Wid4x", false, "2x", "10", false},        {"WidGLB", false, "8-3/4x", "18", true},
        {"WidGLB", false, "8-1/2x", "18", false},   {"WidGLB", true, "8-1/2x", "18", true},
        {"WidGLBHDR", false, "7-1/4x", "12", true}, {"Wid6x", false, "6x", "5", false},
    };
    for (const BreadthCase& c : cases) {
        SCOPED_TRACE(std::string{c.option} + " " + c.breadth);
        if (!form2.visible()) {
            // Back from the report, as its back menu does.
            driver.runtime().dispatch([&] {
                program.form5.hide();
                form2.show();
            });
        }
        driver.click(*form2.findControl(c.option));
        if (c.pine) {
            driver.click(form2.SPG);
        }
        driver.click(form2.CmdEnterValues);
        driver.retype(form2.Text6, c.breadth);
        driver.retype(form2.Text7, c.depth);
        driver.clearMessages();
        driver.click(form2.CmdTest);
        if (c.accepted) {
            EXPECT_NE(lastMessage(), breadthMessage);
            EXPECT_FALSE(form2.visible());
        } else {
            EXPECT_TRUE(form2.visible());
        }
    }
}

TEST_F(Form2Calc, TimberDepthFloorAndPostHint)
{
    driver.click(form2.Wid6x);
    driver.click(form2.CmdEnterValues);
    driver.retype(form2.Text6, "6x");
    driver.retype(form2.Text7, "5");
    driver.click(form2.CmdTest);
    EXPECT_EQ(lastMessage(), "Please enter a depth greater than the breadth.");
    EXPECT_EQ(driver.runtime().focusedControl(), &form2.Text7);
    driver.retype(form2.Text7, "8");
    driver.clearMessages();
    driver.click(form2.CmdTest);
    ASSERT_FALSE(driver.messages().empty());
    EXPECT_EQ(driver.messages()[0].text.substr(0, 40), "Your selected beam's depth is within 1-1");
}

// NDS Table 4A: CF = 1.1 for a 2x10 in bending. Southern Pine values already hold it in Fb, and MSR
// lumber takes none, so both test with CF = 1.0; the Southern Pine box counts as "OK Test" sees it.
TEST_F(Form2Calc, SizeFactorFollowsTheLumberOptionsAtTest)
{
    const auto testTwoByTen = [&] {
        driver.retype(form2.Text6, "2x");
        driver.retype(form2.Text7, "10");
        driver.click(form2.CmdTest);
        EXPECT_TRUE(program.form5.visible());
        const float cf = program.beam.member.CF;
        driver.runtime().dispatch([&] {
            program.form5.hide();
            form2.show();
        });
        return cf;
    };
    driver.click(form2.CmdEnterValues);
    EXPECT_FLOAT_EQ(testTwoByTen(), 1.1f);

    // Ticked after "OK Calc": "OK Test" stays enabled and must test with the box as it shows.
    driver.click(form2.CustomIngradeSP);
    ASSERT_TRUE(form2.CmdTest.enabled());
    EXPECT_FLOAT_EQ(testTwoByTen(), 1.0f);
    driver.click(form2.CustomIngradeSP);
    EXPECT_FLOAT_EQ(testTwoByTen(), 1.1f);

    driver.click(form2.MSRCheckbox);
    driver.click(form2.CmdEnterValues);
    EXPECT_FLOAT_EQ(testTwoByTen(), 1.0f);
}

TEST_F(Form2Calc, RoundMemberIsTestedByOkCalcOnly)
{
    driver.click(form2.Wid6x);
    driver.click(form2.CmdEnterValues);
    driver.click(form2.Roundoption); // the shape leaves "OK Test" enabled
    driver.retype(form2.Text6, "12 in.");
    driver.retype(form2.Text7, "Round");
    driver.click(form2.CmdTest);
    EXPECT_EQ(lastMessage(), "Please first click the OK Calculate button above.");
    EXPECT_TRUE(form2.visible());
}

} // namespace
