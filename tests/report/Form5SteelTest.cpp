// "Previous" and "Next" of a steel member: the walk through the steel selection form's quick picks
// at both ends and with empty captions, a size typed by the user, and a check that stops.
#include "ReportFixture.h"
#include "beam/BeamState.h"
#include "steel/Form22.h"
#include "steel/SteelState.h"

namespace reporttest
{
namespace
{

class Form5SteelSteps : public ReportTest
{
  protected:
    // The quick picks "W 10x 12" .. "W 10x 27" (captions empty from position `filled` on), their flange
    // and depth texts, and the chosen designation; then the report as the steel check shows it.
    void steelReport(const std::string& choice, int filled = 16)
    {
        programDoes([&] {
            f5.unload();
            f1.group(9).setValue(true);
            f1.WFbutton.setValue(true);
            steel::Form22& f22 = program.form22;
            for (int i = 0; i <= 15; ++i) {
                const bool shown = i < filled;
                f22.StlPick(i).setCaption(shown ? designation(i) : "");
                f22.StlWidLab(i).setCaption(shown ? "b" + std::to_string(i) : "");
                f22.StlDepLab(i).setCaption(shown ? "d" + std::to_string(i) : "");
            }
            f22.StlChoice.setText(choice);
        });
        program.beam.flags.SteelBeamFlag = -1;
        program.steel.StlBreadthText = "b?";
        program.steel.StlDepthText = "d?";
        showReport();
    }

    static std::string designation(int i) { return "W 10x " + std::to_string(12 + i); }
};

TEST_F(Form5SteelSteps, PreviousToTheFirstPickDisablesPrevious)
{
    steelReport(designation(1));
    ASSERT_TRUE(f5.StlBack.enabled());
    driver.click(f5.StlBack);
    EXPECT_EQ(steelChecks, 1);
    EXPECT_EQ(program.steel.StlStepChoice, designation(0));
    EXPECT_EQ(program.form22.StlChoice.text(), designation(0));
    EXPECT_EQ(f5.DisplayChoice.caption(), "W 10x 12   36 ksi Wide Flange Steel");
    EXPECT_EQ(f5.StlBreadthLabel.caption(), "Actual Size is  b0  x ");
    EXPECT_EQ(f5.StlDepthLabel.caption(), "d0");
    EXPECT_FALSE(f5.StlBack.enabled());
    EXPECT_TRUE(f5.StlForward.enabled());
    expectCleanRun();
}

TEST_F(Form5SteelSteps, NextToTheLastPickDisablesNext)
{
    steelReport(designation(14));
    driver.click(f5.StlForward);
    EXPECT_EQ(program.form22.StlChoice.text(), designation(15));
    EXPECT_EQ(program.steel.StlBreadthText, "b15");
    EXPECT_EQ(program.steel.StlDepthText, "d15");
    EXPECT_FALSE(f5.StlForward.enabled());
    EXPECT_TRUE(f5.StlBack.enabled());
    expectCleanRun();
}

TEST_F(Form5SteelSteps, NextStopsBeforeAnEmptyCaption)
{
    steelReport(designation(10), 12);
    driver.click(f5.StlForward);
    EXPECT_EQ(program.form22.StlChoice.text(), designation(11));
    EXPECT_EQ(steelChecks, 1);
    EXPECT_FALSE(f5.StlForward.enabled());

    // A new report at position 11 still offers Next: pressing it tests nothing and disables it.
    steelReport(designation(11), 12);
    ASSERT_TRUE(f5.StlForward.enabled());
    driver.click(f5.StlForward);
    EXPECT_EQ(steelChecks, 1);
    EXPECT_FALSE(f5.StlForward.enabled());
    EXPECT_EQ(program.form22.StlChoice.text(), designation(11));
    EXPECT_TRUE(driver.messages().empty());
}

TEST_F(Form5SteelSteps, ATypedSizeTestsNothingAndShowsTheEndOfListMessage)
{
    steelReport("W 14x 99");
    ASSERT_TRUE(f5.StlBack.enabled());
    ASSERT_TRUE(f5.StlForward.enabled());
    driver.click(f5.StlBack);
    driver.click(f5.StlForward);
    ASSERT_EQ(driver.messages().size(), 2u);
    EXPECT_EQ(driver.messages()[0].text,
              "Korvanta is unable to move back. Please return to the Steel Selection "
              "(Form 2) to adjust your selection");
    EXPECT_EQ(driver.messages()[1].text, "Korvanta is unable to move forward. Please return to the Steel "
                                         "Selection (Form 2) to adjust your selection");
    for (const auto& message : driver.messages()) {
        EXPECT_EQ(message.title, "Korvanta");
        EXPECT_EQ(message.icon, platform::Icon::None);
    }
    EXPECT_EQ(steelChecks, 0);
    EXPECT_EQ(program.form22.StlChoice.text(), "W 14x 99");
    EXPECT_EQ(program.steel.StlStepChoice, "");
}

// A shape whose check stops (not in the table, unbraced length too long) is not committed.
TEST_F(Form5SteelSteps, ACheckThatStopsKeepsTheShapeBefore)
{
    for (bool forward : {true, false}) {
        SCOPED_TRACE(forward ? "Next" : "Previous");
        steelReport(designation(1));
        programDoes([&] { program.steel.StlStepChoice = "W 10x 13"; });
        steelCompletes = false;
        driver.click(forward ? f5.StlForward : f5.StlBack);
        steelCompletes = true;
        EXPECT_EQ(program.form22.StlChoice.text(), designation(1));
        EXPECT_EQ(program.steel.StlStepChoice, "W 10x 13");
        EXPECT_EQ(program.steel.StlBreadthText, "b?");
        EXPECT_EQ(f5.StlBreadthLabel.caption(), "Actual Size is  b?  x ");
        EXPECT_EQ(f5.StlDepthLabel.caption(), "d?");
        EXPECT_TRUE(f5.StlBack.enabled());
        EXPECT_TRUE(f5.StlForward.enabled());
    }
}

} // namespace
} // namespace reporttest
