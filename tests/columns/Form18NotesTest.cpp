// The quick tips of the column criteria form: each button shows its note and changes nothing.
#include "app/Form1.h"
#include "app/Program.h"
#include "columns/Form18.h"
#include "platform/headless/Driver.h"

#include <gtest/gtest.h>

namespace
{

using platform::test::Driver;

TEST(Form18Notes, EachButtonShowsItsNote)
{
    Driver driver;
    app::Program& program = driver.start<app::Program>();
    driver.menu(program.form1.MnuColDesign);
    columns::Form18& f = program.form18;
    driver.click(f.FramingButton);
    driver.click(f.CNailedButton); // shows the sheathing tip
    struct Case
    {
        platform::CommandButton* button;
        const char* start;
        const char* end;
    };
    const Case cases[] = {
        {&f.Command3D1, "Wood column Fc and E values may be edited.",
         "column type and value group at right."},
        {&f.Command3D2, "Actual Column Height (also known as 'length'):\r\rEnter",
         "decimal fractions, if any)."},
        {&f.Command3D13, "Unbraced Height (sometimes called unbraced length):\r\r",
         "An entry for D2 is not required."},
        {&f.Command3D3, "Wet Use Factor  Cm\r\r", "This option does not apply to steel."},
        {&f.Command3D4, "Buckling Length Coefficient, 'Ke' (or 'K' for steel)\r\r", "of 1.0"},
        {&f.Command3D5, "Wood Duration of Load Factor  Cd\r\r", ""},
        {&f.Command3D6, "", ""},
        {&f.Command3D12, "", ""},
        {&f.SheathHelpNote, "", ""},
    };
    const std::string species = f.ColSpeciesCombo.text();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button->name());
        driver.clearMessages();
        driver.click(*c.button);
        ASSERT_EQ(driver.messages().size(), 1u);
        const auto& m = driver.messages()[0];
        EXPECT_EQ(m.title, "Korvanta");
        EXPECT_TRUE(m.text.starts_with(c.start)) << m.text;
        EXPECT_TRUE(m.text.ends_with(c.end)) << m.text;
        EXPECT_EQ(m.text.find('\n'), std::string::npos);
    }
    EXPECT_EQ(f.ColSpeciesCombo.text(), species);
    EXPECT_TRUE(f.CNailedButton.value());
    EXPECT_EQ(f.cDurText.text(), "1.00");

    // In steel mode the frames' tips go with their frames; the others stay.
    driver.click(f.SteelButton);
    EXPECT_FALSE(f.ValueTypeFrame.visible()); // Command3D6 sits in it
    EXPECT_TRUE(f.Command3D4.visible());
}

} // namespace
