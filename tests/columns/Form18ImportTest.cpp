// The reaction import of the column criteria form: the beam's support reactions, single or doubled,
// become the column's load, with the beam's load duration.
#include "app/Form1.h"
#include "app/Program.h"
#include "beam/BeamState.h"
#include "columns/Form18.h"
#include "platform/headless/Driver.h"

#include <gtest/gtest.h>

namespace
{

using platform::test::Driver;

class Form18Import : public testing::Test
{
  protected:
    // What a completed beam test leaves: reactions with self weight and a design shear above 0.
    void calculatedBeam()
    {
        driver.runtime().dispatch([&] {
            program.beam.shear.ShearV = 1100.0f;
            program.beam.member.R1TL = 1234.6f;
            program.beam.member.R2TL = 980.2f;
            program.form1.Dur.setText("1.15");
        });
    }

    void openColumns() { driver.menu(program.form1.MnuColDesign); }

    Driver driver;
    app::Program& program = driver.start<app::Program>();
    columns::Form18& f18 = program.form18;
};

TEST_F(Form18Import, ShownOnlyOnceABeamHasBeenCalculated)
{
    openColumns();
    EXPECT_FALSE(f18.ImportButton.visible());
}

// Whole pounds, no separators: 1234.6 -> "1235", doubled 2469.2 -> "2469"; 980.2 -> "980", doubled "1960".
TEST_F(Form18Import, ReactionSingleOrDoubled)
{
    calculatedBeam();
    openColumns();
    ASSERT_TRUE(f18.ImportButton.visible());
    struct Case
    {
        bool r2;
        bool doubled;
        const char* load;
    };
    const Case cases[] = {
        {false, false, "1235"}, {false, true, "2469"}, {true, false, "980"}, {true, true, "1960"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.r2 ? "R2" : "R1") << (c.doubled ? " doubled" : ""));
        driver.click(f18.ImportButton);
        ASSERT_TRUE(f18.ImportReaction.visible());
        EXPECT_TRUE(f18.CmdImportOK.isDefault());
        driver.click(c.r2 ? f18.OptionR2 : f18.OptionR1);
        if ((f18.DblReaction.value() != 0) != c.doubled) {
            driver.click(f18.DblReaction);
        }
        driver.click(f18.CmdImportOK);
        EXPECT_EQ(f18.cReacText.text(), c.load);
        EXPECT_EQ(f18.cDurText.text(), "1.15");
        EXPECT_FALSE(f18.ImportReaction.visible());
    }
    EXPECT_TRUE(driver.messages().empty());
}

TEST_F(Form18Import, ImportAgainAndCancelHideTheFrame)
{
    calculatedBeam();
    openColumns();
    driver.click(f18.ImportButton);
    driver.click(f18.ImportButton);
    EXPECT_FALSE(f18.ImportReaction.visible());
    driver.click(f18.ImportButton);
    driver.click(f18.CmdImportCancel);
    EXPECT_FALSE(f18.ImportReaction.visible());
    EXPECT_EQ(f18.cReacText.text(), "");
}

// The beam results can be cleared after the form showed the button (a new program state); the import then
// refuses and leaves both boxes alone.
TEST_F(Form18Import, NoBeamResultIsRefused)
{
    calculatedBeam();
    openColumns();
    driver.runtime().dispatch([&] { program.beam.shear.ShearV = 0; });
    driver.click(f18.ImportButton);
    driver.click(f18.CmdImportOK);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, "Cannot import reaction. Data Record is empty.");
    EXPECT_EQ(f18.cReacText.text(), "");
    EXPECT_EQ(f18.cDurText.text(), "1.00");
    EXPECT_FALSE(f18.ImportReaction.visible());
}

} // namespace
