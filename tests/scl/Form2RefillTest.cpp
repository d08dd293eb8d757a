// Load and Print of a custom values criteria file: the custom values form fills itself from the record
// and presses "OK Calc" and "OK Test"; a refusal, or a record that cannot say whether Southern Pine
// values were used, hands the form to the user.
#include "app/Form1.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "report/Form5.h"
#include "tests/scl/Form2Fixture.h"

namespace
{

using scl::test::Form2Fixture;

class Form2Refill : public Form2Fixture
{
  protected:
    // Saves the criteria with the custom values member on Form2, then loads them for printing.
    void saveThenLoadAndPrint()
    {
        const auto path = driver.folder() / "custom.CRI";
        driver.menu(form2.MnuCriteria);
        driver.answerFile(path);
        driver.menu(program.form1.MnuSaveBeam);
        driver.clearMessages();
        // Another member on the form, so the refill has something to replace.
        driver.runtime().dispatch([&] {
            form2.Text1.setText("");
            form2.Text6.setText("");
        });
        driver.answerFile(path);
        driver.menu(program.form1.LoadandPrint);
    }
};

TEST_F(Form2Refill, TwoXRecordStopsAtOkTestForTheSouthernPineQuestion)
{
    calculate();
    enterValues("2400", "240", "625", "1.8");
    driver.click(form2.CmdEnterValues);
    driver.click(form2.Button42x);
    const std::string depth = form2.Text7.text();
    saveThenLoadAndPrint();

    ASSERT_TRUE(form2.visible());
    EXPECT_EQ(program.state.AutoPrintMode, 0);
    EXPECT_EQ(form2.Text1.text(), "2400");
    EXPECT_EQ(form2.Text6.text(), "(4) 2x");
    EXPECT_EQ(form2.Text7.text(), depth);
    EXPECT_TRUE(form2.CmdTest.enabled());
    EXPECT_TRUE(form2.CmdTest.isDefault());
    ASSERT_FALSE(driver.messages().empty());
    EXPECT_EQ(driver.messages().back().text,
              "This criteria file does not record whether Southern Pine values (size factor included in Fb) "
              "were used. Check 'Using So. Pine values' if they were, then click OK Test.");
    EXPECT_EQ(driver.messages().back().icon, platform::Icon::Information);
    EXPECT_FALSE(program.form5.visible());

    // The user's answer reaches the test: Southern Pine values take no second size factor.
    driver.click(form2.CustomIngradeSP);
    driver.click(form2.CmdTest);
    EXPECT_TRUE(program.form5.visible());
    EXPECT_EQ(program.beam.flags.CustomSoPineFlag, -1);
    EXPECT_FLOAT_EQ(program.beam.member.CF, 1.0f);
}

TEST_F(Form2Refill, RefusedValuesStopThePathBeforeAnyTest)
{
    calculate();
    enterValues("2400", "240", "625", "1.8");
    driver.click(form2.WidGLB);
    driver.click(form2.CmdEnterValues);
    driver.retype(form2.Text6, "5-1/8x");
    driver.retype(form2.Text7, "18");
    driver.retype(form2.Text1, "5000"); // out of range: "OK Calc" refuses it
    saveThenLoadAndPrint();

    ASSERT_TRUE(form2.visible());
    EXPECT_EQ(program.state.AutoPrintMode, 0);
    EXPECT_FALSE(form2.CmdTest.enabled());
    EXPECT_FALSE(program.form5.visible());
    bool rangeMessage = false;
    for (const auto& m : driver.messages()) {
        rangeMessage = rangeMessage || m.text.find("does not accept Fb values") != std::string::npos;
    }
    EXPECT_TRUE(rangeMessage);
    EXPECT_TRUE(driver.untrappedErrors().empty());
}

TEST_F(Form2Refill, GluLamRecordRunsThroughToTheReport)
{
    calculate();
    enterValues("2400", "240", "625", "1.8");
    driver.click(form2.WidGLB);
    driver.click(form2.CmdEnterValues);
    driver.retype(form2.Text6, "5-1/8x");
    driver.retype(form2.Text7, "18");
    saveThenLoadAndPrint();

    EXPECT_TRUE(form2.WidGLB.value());
    EXPECT_EQ(form2.Text6.text(), "5-1/8x");
    EXPECT_FALSE(form2.visible());
    EXPECT_EQ(program.beam.member.BeamDepth, 18.0f);
    EXPECT_FLOAT_EQ(program.beam.member.Fb, 2400.0f);
    EXPECT_TRUE(driver.untrappedErrors().empty());
}

// An SCL record: the product and the record's values, not the catalogue's, are on the form when "OK
// Calc" runs, and the stored size goes on to the report.
TEST_F(Form2Refill, SclRecordRunsThroughWithTheRecordsValues)
{
    calculate("SCL Beams (LVL, PSL, LSL)");
    driver.choose(form2.Combo1, 2);
    driver.click(form2.LVLLoadDefault);
    driver.retype(form2.Text1, "2500");
    driver.click(form2.CmdEnterValues);
    driver.retype(form2.Text6, "(2) 1-3/4x");
    driver.retype(form2.Text7, "11-7/8");
    driver.retype(form2.Text5, "My LVL");
    saveThenLoadAndPrint();

    EXPECT_EQ(form2.Combo1.listIndex(), 2);
    EXPECT_EQ(form2.Text1.text(), "2500");
    EXPECT_FALSE(form2.visible());
    EXPECT_FLOAT_EQ(program.beam.member.Fb, 2500.0f);
    EXPECT_FLOAT_EQ(program.beam.member.BeamDepth, 11.875f);
    EXPECT_TRUE(driver.untrappedErrors().empty());
}

} // namespace
