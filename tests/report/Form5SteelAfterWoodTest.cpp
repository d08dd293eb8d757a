// A steel report after a wood one: its lines describe the steel member alone, whatever wood member was
// tested before it.
#include "app/Form1.h"
#include "app/Program.h"
#include "platform/headless/Driver.h"
#include "report/Form5.h"
#include "steel/Form22.h"
#include "wood/Form3.h"

#include <gtest/gtest.h>

namespace
{

using platform::test::Driver;

// Simple span 16 ft, 300 plf total of which 200 plf live. First a glu-lam, 3-1/8 x 12 GLB 16F-V2 HF/HF,
// whose report recommends a camber; then a W 8x 10 of 36 ksi steel on the same beam (AISC: Ix 30.8 in⁴,
// 10 plf self weight), whose dead-load deflection without creep is
//   5 x (110 / 12) x 192⁴ / (384 x 29,000,000 x 30.8) = 0.18 in.,
// below the 0.26 in. at which the line calls it high. A steel shape is not cambered like a glu-lam.
TEST(Form5SteelAfterWood, SteelDeadLoadLineKeepsNoCamberOfAnEarlierGluLam)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    app::Form1& f1 = program.form1;
    report::Form5& f5 = program.form5;
    driver.choose(f1.Combo1, "Hem Fir / DF-Larch");
    driver.retype(f1.Span, "16");
    driver.retype(f1.UNIF, "300");
    driver.retype(f1.LUNIF, "200");
    driver.click(f1.CmdOK);
    ASSERT_TRUE(program.form3.visible());
    driver.retype(program.form3.Text1, "3-1/8x");
    driver.retype(program.form3.Text2, "12");
    driver.retype(program.form3.Text3, "GLB 16F-V2 HF/HF");
    driver.click(program.form3.CmdOK);
    ASSERT_TRUE(f5.visible());
    ASSERT_NE(f5.DeadDefl.caption().find("Recommended Camber"), std::string::npos);

    driver.menu(f5.MnuCriteria);
    ASSERT_TRUE(f1.visible());
    driver.choose(f1.Combo1, "Steel Beams");
    driver.retype(f1.UNIF, "300");
    driver.retype(f1.LUNIF, "200");
    driver.retype(f1.UBLtext, "0");
    driver.click(f1.CmdOK);
    ASSERT_TRUE(program.form22.visible());
    driver.retype(program.form22.StlChoice, "W 8x 10");
    driver.clearMessages();
    driver.click(program.form22.CmdOK);

    ASSERT_TRUE(f5.visible());
    EXPECT_EQ(f5.DisplayChoice.caption(), "W 8x 10   36 ksi Wide Flange Steel");
    EXPECT_EQ(f5.DeadDefl.caption(), "Dead Load Deflection (x 1 for creep)= 0.18  ");
    EXPECT_TRUE(driver.messages().empty());
    EXPECT_TRUE(driver.untrappedErrors().empty());
}

} // namespace
