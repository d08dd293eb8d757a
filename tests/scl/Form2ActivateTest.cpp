// Activation of the custom values form for custom values and for SCL: the arrangement, the edition
// label, the member classes a repetitive member may use, the current beam's line, the maker line and
// the stored product, and the SCL quick pick.
#include "app/Form1.h"
#include "app/Form12.h"
#include "app/SharedState.h"
#include "beam/Form4.h"
#include "platform/core/Number.h"
#include "tests/scl/Form2Fixture.h"

namespace
{

using scl::test::Form2Fixture;

class Form2Activate : public Form2Fixture
{
  protected:
    void reactivate()
    {
        driver.menu(form2.MnuHelp);
        driver.menu(program.form12.MnuExit);
        ASSERT_TRUE(form2.visible());
    }
};

TEST_F(Form2Activate, CustomValuesArrangement)
{
    calculate();
    EXPECT_TRUE(form2.Frame3D2.visible());
    EXPECT_FALSE(form2.Frame3D4.visible());
    EXPECT_TRUE(form2.LoadVal.visible());
    EXPECT_FALSE(form2.LVLLoadDefault.visible());
    EXPECT_FALSE(form2.Text8.visible());
    EXPECT_TRUE(form2.Wid2x.value());
    EXPECT_TRUE(form2.CustomIngradeSP.visible());
    EXPECT_TRUE(form2.NDSlabel.visible());
    EXPECT_EQ(form2.CurrentBeamPanel.caption(), "   Selection:  None");
    EXPECT_FALSE(program.form4.visible());
}

// With no edition flag the program runs as NDS 2001, and the label must not name another edition.
TEST_F(Form2Activate, EditionLabelNamesTheActiveEdition)
{
    calculate();
    app::SharedState& s = program.state;
    s.NDS2018 = 0;
    s.NDS2015 = 0;
    s.NDS2012 = 0;
    s.NDS2005 = 0;
    s.NDS2001 = 0;
    s.NDS1997 = 0;
    reactivate();
    EXPECT_EQ(form2.NDSlabel.caption(), "Enter NDS 2001 values");
    s.NDS2005 = -1;
    s.NDS2012 = -1; // two set: the earlier in the test order wins
    reactivate();
    EXPECT_EQ(form2.NDSlabel.caption(), "Enter NDS 2012 values");
    s.NDS2012 = 0;
    reactivate();
    EXPECT_EQ(form2.NDSlabel.caption(), "Enter NDS 2005 values");
}

TEST_F(Form2Activate, RepetitiveMemberDisablesTimbersAndGluLams)
{
    calculate();
    driver.menu(form2.MnuCriteria);
    driver.click(program.form1.Rep);
    driver.click(program.form1.CmdOK);
    ASSERT_TRUE(form2.visible());
    EXPECT_FALSE(form2.Wid6x.enabled());
    EXPECT_FALSE(form2.WidGLB.enabled());
    EXPECT_FALSE(form2.WidGLBHDR.enabled());
    EXPECT_TRUE(form2.Wid4x.enabled());
    driver.menu(form2.MnuCriteria);
    driver.click(program.form1.Rep);
    driver.click(program.form1.CmdOK);
    EXPECT_TRUE(form2.WidGLB.enabled());
}

TEST_F(Form2Activate, CurrentBeamLineShowsTheSelectionWithTodaysDate)
{
    calculate();
    program.state.SelectionStatus = "Fail";
    program.state.SelectionDescription = "2x10 Custom";
    reactivate();
    const std::string caption = form2.CurrentBeamPanel.caption();
    const std::string start = " Selection: 2x10 Custom - Status: Fails - Date: ";
    EXPECT_EQ(caption.substr(0, start.size()), start);
    EXPECT_EQ(caption.substr(start.size()),
              platform::num::formatDate(driver.runtime().clock().now(), "m/dd/yy"));
}

TEST_F(Form2Activate, SclArrangementAndMakerLine)
{
    calculate("SCL Beams (LVL, PSL, LSL)");
    EXPECT_FALSE(form2.Frame3D2.visible());
    EXPECT_TRUE(form2.Frame3D4.visible());
    EXPECT_TRUE(form2.LVLLoadDefault.visible());
    EXPECT_FALSE(form2.LoadVal.visible());
    EXPECT_FALSE(form2.NDSlabel.visible());
    EXPECT_FALSE(form2.CustomIngradeSP.visible());
    EXPECT_FALSE(form2.MnuLoadCustom.enabled());
    EXPECT_FALSE(form2.Wid2x.value());
    EXPECT_EQ(form2.Combo1.listIndex(), 0);
    EXPECT_EQ(form2.LVLname.caption(), "Boise Cascade LVL");
    EXPECT_TRUE(form2.LVLbut[4].visible());
    EXPECT_FALSE(form2.Button2x.visible());
}

// The stored product is chosen once per load; a return from the manual keeps the user's product.
TEST_F(Form2Activate, UsersProductSurvivesALaterActivation)
{
    calculate("SCL Beams (LVL, PSL, LSL)");
    driver.choose(form2.Combo1, 24);
    reactivate();
    EXPECT_EQ(form2.Combo1.listIndex(), 24);
    EXPECT_EQ(form2.LVLname.caption(), "Custom SCL #2");
}

// A custom values run after an SCL run meets the form with no class on; it turns 2x on again and the
// file menu works again beside its buttons.
TEST_F(Form2Activate, CustomValuesAfterSclRestoresTheClassAndFileMenu)
{
    calculate("SCL Beams (LVL, PSL, LSL)");
    driver.menu(form2.MnuCriteria);
    calculate();
    EXPECT_TRUE(form2.Wid2x.value());
    EXPECT_TRUE(form2.Frame3D2.visible());
    EXPECT_TRUE(form2.MnuLoadCustom.enabled());
    EXPECT_TRUE(form2.MnuSaveCustom.enabled());
}

TEST_F(Form2Activate, QuickPicksCopyTheSize)
{
    calculate();
    enterValues("2400", "240", "625", "1.8");
    driver.click(form2.CmdEnterValues);
    const std::string depth = form2.Button42x.caption();
    ASSERT_FALSE(depth.empty());
    driver.click(form2.Button42x);
    EXPECT_EQ(form2.Text6.text(), "(4) 2x");
    EXPECT_EQ(form2.Text7.text(), depth);
    EXPECT_EQ(driver.runtime().focusedControl(), &form2.Text5);
}

TEST_F(Form2Activate, SclQuickPickBeforeCalcAsksForIt)
{
    calculate("SCL Beams (LVL, PSL, LSL)");
    driver.retype(form2.Text1, "2600"); // a value change disables "OK Test"
    driver.clearMessages();
    driver.click(form2.LVLbut[1]);
    EXPECT_EQ(lastMessage(), "Please click the 'Calculate' button");
    EXPECT_EQ(driver.messages().back().icon, platform::Icon::Exclamation);
}

// A custom SCL exponent of 1 or more gives a size factor above one at every depth under 12 in.: it
// is refused by "OK Test" too, whatever "OK Calc" accepted before.
TEST_F(Form2Activate, CustomSclExponentIsCheckedAgainAtTest)
{
    calculate("SCL Beams (LVL, PSL, LSL)");
    driver.choose(form2.Combo1, 23);
    enterValues("2600", "285", "750", "2.0", "My LVL");
    // The product choice shows the exponent box of a custom product.
    driver.runtime().dispatch([&] { form2.Text8.setVisible(true); });
    paste(form2.Text8, "1");
    driver.clearMessages();
    driver.click(form2.CmdEnterValues);
    EXPECT_EQ(driver.runtime().focusedControl(), &form2.Text8);
    EXPECT_FALSE(form2.CmdTest.enabled());

    driver.runtime().dispatch([&] { form2.Text8.setText("0.136"); });
    driver.click(form2.CmdEnterValues);
    ASSERT_TRUE(form2.CmdTest.enabled());
    EXPECT_EQ(form2.Text6.text(), "(2) 1-3/4x");
    EXPECT_TRUE(form2.Label33.visible());
    driver.runtime().dispatch([&] { form2.Text8.setText("5"); }); // changed by program, "OK Test" stays
    driver.runtime().dispatch([&] { form2.CmdTest.setEnabled(true); });
    driver.retype(form2.Text7, "9-1/2");
    driver.clearMessages();
    driver.click(form2.CmdTest);
    ASSERT_FALSE(driver.messages().empty());
    EXPECT_EQ(lastMessage().substr(0, 68),
              "Please enter a numeric value that is less than one for the Cf value.");
    EXPECT_EQ(driver.runtime().focusedControl(), &form2.Text8);
    EXPECT_TRUE(form2.visible());
}

TEST_F(Form2Activate, CustomSclSizeMessages)
{
    calculate("SCL Beams (LVL, PSL, LSL)");
    driver.choose(form2.Combo1, 24);
    enterValues("2600", "285", "750", "2.0", "My LVL");
    driver.runtime().dispatch([&] { form2.Text8.setText("0.136"); });
    driver.click(form2.CmdEnterValues);
    driver.retype(form2.Text6, "1-3/4");
    driver.click(form2.CmdTest);
    EXPECT_EQ(lastMessage(), "Please enter a small 'x' next to the breadth without a space between.");
    EXPECT_EQ(driver.messages().back().title, "Korvanta SCL Custom Breadths");
    driver.retype(form2.Text6, "(4) 1-1/4x");
    driver.retype(form2.Text7, "12");
    driver.click(form2.CmdTest);
    EXPECT_EQ(driver.messages().back().title, "  Korvanta SCL Custom Depths");
    EXPECT_EQ(driver.runtime().focusedControl(), &form2.Text7);
}

} // namespace
