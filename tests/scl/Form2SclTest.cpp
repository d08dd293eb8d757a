// The SCL road through the custom values form with the real SCL test: "OK Calc" searches the five
// depth buttons, a pick goes to "OK Test", and only a test that ran through reaches the report.
#include "app/Form12.h"
#include "report/Form5.h"
#include "scl/CustomValueTables.h"
#include "tests/scl/Form2Fixture.h"

namespace
{

using scl::test::Form2Fixture;

class Form2Scl : public Form2Fixture
{
  protected:
    void SetUp() override
    {
        calculate("SCL Beams (LVL, PSL, LSL)");
        // "Load" puts the maker's values of the chosen product into the boxes.
        driver.choose(form2.Combo1, 2);
        driver.click(form2.LVLLoadDefault);
        driver.clearMessages();
    }
};

TEST_F(Form2Scl, OkCalcCaptionsDepthsTheProductOffersAndEmptiesTheSizeBoxes)
{
    ASSERT_FALSE(form2.Text1.text().empty());
    driver.click(form2.CmdEnterValues);
    EXPECT_TRUE(driver.messages().empty());
    int captioned = 0;
    for (int i = 0; i < 5; ++i) {
        const std::string depth = form2.LVLbut[i].caption();
        if (!depth.empty()) {
            ++captioned;
            EXPECT_TRUE(scl::SCLDepthTable(2, form2.LVLab[i].caption(), depth)) << i << " " << depth;
        }
    }
    EXPECT_GT(captioned, 0);
    EXPECT_EQ(form2.Label16.caption(), "");
    EXPECT_EQ(form2.Text5.text(), "");
    EXPECT_EQ(form2.Text6.text(), "");
    EXPECT_TRUE(form2.CmdTest.enabled());
    EXPECT_TRUE(form2.CmdTest.isDefault());

    // The pick of a captioned button passes "OK Test"'s size checks and goes to the report.
    int pick = 0;
    while (form2.LVLbut[pick].caption().empty()) {
        ++pick;
    }
    driver.click(form2.LVLbut[pick]);
    EXPECT_EQ(driver.runtime().focusedControl(), &form2.CmdTest);
    EXPECT_EQ(form2.Text6.text(), form2.LVLab[pick].caption());
    driver.click(form2.CmdTest);
    EXPECT_TRUE(program.form5.visible());
    EXPECT_FALSE(form2.visible());
}

TEST_F(Form2Scl, OkTestRefusesSizesTheProductDoesNotOffer)
{
    driver.click(form2.CmdEnterValues);
    driver.retype(form2.Text6, "1-3/4X");
    driver.retype(form2.Text7, "9-1/2");
    const int beeps = driver.beeps();
    driver.click(form2.CmdTest);
    EXPECT_EQ(lastMessage().substr(0, 54), "Please enter an SCL beam breadth that matches a button");
    EXPECT_EQ(driver.beeps(), beeps + 1);
    driver.retype(form2.Text6, "1-3/4x");
    driver.retype(form2.Text7, "16"); // product 2 makes a single ply up to 14 in. only
    driver.click(form2.CmdTest);
    EXPECT_NE(lastMessage().find("visit the manufacturer's web site, Publications Page."), std::string::npos);
    EXPECT_EQ(driver.runtime().focusedControl(), &form2.Text7);
    EXPECT_TRUE(form2.visible());
}

// A test that ends in its own error trap has no results to report: the form stays.
TEST_F(Form2Scl, TrappedSclTestDoesNotReachTheReport)
{
    driver.click(form2.CmdEnterValues);
    driver.retype(form2.Text6, "(2) 1-3/4x");
    driver.retype(form2.Text7, "11-7/8");
    // A bearing value beyond 16 bits, as no check of the form lets through, makes the test fail.
    driver.runtime().dispatch([&] {
        form2.Text3.setText("40000");
        form2.CmdTest.setEnabled(true);
    });
    driver.clearMessages();
    driver.click(form2.CmdTest);
    ASSERT_FALSE(driver.messages().empty());
    EXPECT_EQ(driver.messages().back().text, "LVL Calc Error");
    EXPECT_TRUE(form2.visible());
    EXPECT_FALSE(program.form5.visible());
}

// A product made in one breadth keeps one depth button through a later activation.
TEST_F(Form2Scl, ActivationKeepsTheProductsBreadthSlots)
{
    driver.choose(form2.Combo1, 10);
    driver.menu(form2.MnuHelp);
    driver.menu(program.form12.MnuExit);
    int shown = 0;
    for (int i = 0; i < 5; ++i) {
        shown += form2.LVLbut[i].visible() ? 1 : 0;
    }
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(form2.Combo1.listIndex(), 10);
    EXPECT_EQ(form2.LVLname.caption(), "Trus Joist LSL");
}

} // namespace
