// An overhanging steel beam through the forms: the unbraced length of an unbraced cantilever when the
// span box reads "Any", the support moment with the self weight over the whole overhang, and the
// bracing line.
#include "app/Form1.h"
#include "app/Program.h"
#include "beam/BeamState.h"
#include "platform/headless/Driver.h"
#include "report/Form5.h"
#include "steel/Form22.h"
#include "steel/SteelState.h"

#include <gtest/gtest.h>

namespace
{

using platform::test::Driver;

// Backspan 16 ft with 1,000 lb at the tip of the overhang (6 ft unless stated): the support moment
// 1,000 x 6 = 6,000 ft-lb governs, R1 = -1,000 x 6 / 16 = -375 lb, R2 = 1,375 lb.
class SteelOverhang : public testing::Test
{
  protected:
    void calculate(const char* span, const char* overhang, const char* tip = "6")
    {
        driver.choose(form1.Combo1, "Steel Beams");
        driver.click(form1.OHbutton);
        driver.retype(form1.Span, "16");
        driver.retype(form1.PT(4), "1000");
        driver.retype(form1.LPT(4), "500");
        driver.retype(form1.DIS(4), tip);
        if (std::string(span) == "Any") {
            driver.focus(form1.UBLtext);
            driver.paste(form1.UBLtext, "Any");
        } else {
            driver.retype(form1.UBLtext, span);
        }
        driver.retype(form1.CantUBLtext, overhang);
        driver.click(form1.CmdOK);
        ASSERT_TRUE(form22.visible()) << (driver.messages().empty() ? "" : driver.messages().back().text);
    }

    void test(const char* designation)
    {
        driver.retype(form22.StlChoice, designation);
        driver.click(form22.CmdOK);
    }

    Driver driver;
    app::Program& program = driver.start<app::Program>();
    app::Form1& form1 = program.form1;
    steel::Form22& form22 = program.form22;
};

// "Any" in the span box with a 6 ft unbraced overhang: Lb = 6 ft, so W 6x 9 (Lc 4.2, Lu 6.7) takes the
// Lu case, 0.60 Fy = 21,600 psi (it took 0 and so 0.66 Fy). The support moment with self weight
// 6,000 + 9 x 6^2 / 2 = 6,162 ft-lb governs the section: 6,162 x 12 / 21,600 = 3.4233 in^3.
TEST_F(SteelOverhang, AnySpanBracingLeavesTheOverhangUnbracedLength)
{
    calculate("Any", "6");
    ASSERT_EQ(form1.UBLtext.text(), "Any");
    EXPECT_EQ(program.steel.setup.StlUnbracedLength, 6);
    EXPECT_EQ(form22.StlPanel.caption(), "Proposed Max Unbraced Length is 6 ft");
    test("W 6x 9");
    ASSERT_TRUE(program.form5.visible());
    EXPECT_EQ(program.steel.results.StlLuGoverns, -1);
    EXPECT_EQ(program.beam.member.FbAdj, 21600);
    EXPECT_EQ(program.steel.results.StlUnbracedText, "Lu = 6.7 ft");
    EXPECT_EQ(program.beam.member.OHMoment, 6162);
    EXPECT_NEAR(program.beam.shear.SectionModulusReq, 3.4233, 1e-4);
    // R1 = -375 + 9 x (256 - 36) / 32 = -313.125; R2 = 1,375 + 9 x 22^2 / 32 = 1,511.125; OHShear =
    // 1,000 + 6 x 9 = 1,054 is above R2 - OHShear = 457.125 and R1, so V = 1,054.
    EXPECT_EQ(program.beam.member.R1TL, -313.125f);
    EXPECT_EQ(program.beam.member.R2TL, 1511.125f);
    EXPECT_EQ(program.steel.results.OHShear, 1054);
    EXPECT_EQ(program.beam.shear.ShearV, 1054);
}

// An 8 ft unbraced overhang is beyond W 6x 9's Lu.
TEST_F(SteelOverhang, LongerUnbracedOverhangIsTooLarge)
{
    calculate("Any", "8", "8");
    test("W 6x 9");
    EXPECT_TRUE(form22.visible());
    EXPECT_EQ(program.steel.results.StlLcGoverns, 0);
    EXPECT_EQ(program.steel.results.StlLuGoverns, 0);
}

TEST_F(SteelOverhang, BracingLines)
{
    calculate("0", "6");
    EXPECT_EQ(form22.StlPanel.caption(), "Proposed Max Unbraced Length is 6 ft");
    EXPECT_EQ(program.steel.setup.StlUnbracedLength, 6);
    EXPECT_EQ(program.beam.member.OHLength, 6);
}

TEST_F(SteelOverhang, BracedOverhang)
{
    calculate("0", "0");
    EXPECT_EQ(form22.StlPanel.caption(), "Laterally supported compression flange");
    EXPECT_EQ(program.steel.setup.StlUnbracedLength, 0);
}

} // namespace
