// The size test with the user's own design values: the size and values typed on the custom values
// form, the member class chosen there. The custom values form's own "OK Test" comes with that form; the
// tests call the size test as it will.
#include "app/Form1.h"
#include "app/Program.h"
#include "beam/BeamState.h"
#include "platform/headless/Driver.h"
#include "report/Form5.h"
#include "scl/Form2.h"
#include "wood/CalcWoodBeam.h"
#include "wood/Form3.h"
#include "wood/QuickPickSearch.h"
#include "wood/SizeMessages.h"

#include <gtest/gtest.h>
#include <string>

namespace
{

using platform::test::Driver;

class CustomValuesSizeTest : public testing::Test
{
  protected:
    void SetUp() override
    {
        driver.choose(program.form1.Combo1, "Custom Wood Values");
        driver.retype(program.form1.Span, "20");
        driver.retype(program.form1.UNIF, "200");
        driver.retype(program.form1.LUNIF, "100");
        driver.click(program.form1.CmdOK);
        driver.clearMessages();
        // Fb, Fv, Fc-perp, E and the species.
        driver.retype(form2.Text1, "2400");
        driver.retype(form2.Text2, "240");
        driver.retype(form2.Text3, "560");
        driver.retype(form2.Text4, "1.8");
        driver.retype(form2.Text5, "My glu-lam");
    }

    bool test(const char* breadth, const char* depth)
    {
        driver.retype(form2.Text6, breadth);
        driver.retype(form2.Text7, depth);
        bool completed = false;
        driver.runtime().dispatch([&] {
            program.beam.flags.PretestMode = 0;
            completed = wood::CalcWoodBeam(program);
        });
        return completed;
    }

    Driver driver;
    app::Program& program = driver.start<app::Program>();
    scl::Form2& form2 = program.form2;
    const beam::MemberUnderTest& member = program.beam.member;
};

TEST_F(CustomValuesSizeTest, TypedValuesAndSizeAreCopiedAndTested)
{
    driver.click(form2.WidGLB);
    ASSERT_TRUE(test("5-1/8x", "18"));
    EXPECT_TRUE(driver.messages().empty());
    EXPECT_EQ(program.form3.Text1.text(), "5-1/8x");
    EXPECT_EQ(program.form3.Text2.text(), "18");
    EXPECT_EQ(program.form3.Text3.text(), "My glu-lam");
    EXPECT_FLOAT_EQ(member.Fb, 2400);
    EXPECT_FLOAT_EQ(member.E, 1.8f);
    // A value the user typed is theirs: a deep glu-lam keeps its typed Fc-perp.
    EXPECT_EQ(member.FcPerp, 560);
    EXPECT_TRUE(program.form5.visible());
}

// Custom glu-lam beams of framing widths are glu-lam of the header widths, not custom timbers.
TEST_F(CustomValuesSizeTest, FramingWidthGluLamIsGluLam)
{
    driver.click(form2.WidGLB);
    for (const auto& [breadth, net] : {std::pair{"3-1/2x", 3.5f}, {"5-1/2x", 5.5f}, {"7x", 7.0f}}) {
        SCOPED_TRACE(breadth);
        ASSERT_TRUE(test(breadth, "12"));
        EXPECT_FLOAT_EQ(member.BeamBreadth, net);
        EXPECT_EQ(member.BreadthClass, "GLB");
        EXPECT_FLOAT_EQ(member.BeamDepth, 12);
    }
}

// Southern Pine glu-lam of 1-3/8 in. laminations, 8-1/2 in. wide: glu-lam 8.5 in., not a custom timber
// of 8 in.; as a timber it stays one.
TEST_F(CustomValuesSizeTest, SouthernPineGluLamWidthsAreGluLam)
{
    driver.click(form2.WidGLB);
    // The check box shows with the glu-lam class and names the wider widths.
    driver.runtime().dispatch([&] {
        form2.SPG.setValue(1);
        form2.LabG[3].setCaption("8-1/2x");
        form2.LabG[4].setCaption("10-1/2x");
    });
    ASSERT_TRUE(test("8-1/2x", "12-3/8"));
    EXPECT_FLOAT_EQ(member.BeamBreadth, 8.5f);
    EXPECT_EQ(member.BreadthClass, "GLB");
    EXPECT_FLOAT_EQ(member.BeamDepth, 12.375f);
    EXPECT_EQ(member.NextSmallerLabel, "11");

    driver.runtime().dispatch([&] { form2.SPG.setValue(0); });
    driver.click(form2.Wid6x);
    ASSERT_TRUE(test("8-1/2x", "12"));
    EXPECT_FLOAT_EQ(member.BeamBreadth, 8.0f);
    EXPECT_EQ(member.BreadthClass, "6x");
}

// A glu-lam "6" was read as sawn lumber of 5.5 in.; it is 6 in. deep.
TEST_F(CustomValuesSizeTest, GluLamDepthOffTheLadderIsItsNominalDepth)
{
    driver.click(form2.WidGLBHDR);
    ASSERT_TRUE(test("3-1/2x", "6"));
    EXPECT_FLOAT_EQ(member.BeamDepth, 6.0f);
    EXPECT_EQ(member.NextLargerLabel, "7-1/2");
    EXPECT_FLOAT_EQ(member.NextSmallerDepth, 0);
}

// A timber breadth by "4" under the 2x class has no size factor: refused with the custom depth message
// rather than tested on the factor of the test before.
TEST_F(CustomValuesSizeTest, SizeWithoutASizeFactorIsRefused)
{
    EXPECT_FALSE(test("6x", "4"));
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, wood::customDepthMessage());
    EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Information);
    EXPECT_TRUE(form2.visible());
    EXPECT_EQ(driver.runtime().focusedControl(), &form2.Text7);
    EXPECT_FALSE(program.form5.visible());
}

TEST_F(CustomValuesSizeTest, CustomRefusals)
{
    EXPECT_FALSE(test("5x", "10"));
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, wood::customBreadthMessage());
    EXPECT_EQ(driver.messages()[0].icon, platform::Icon::None);
    EXPECT_EQ(driver.runtime().focusedControl(), &form2.Text6);
    driver.clearMessages();
    EXPECT_FALSE(test("2x", "16"));
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, wood::customDepthMessage());
    EXPECT_EQ(driver.runtime().focusedControl(), &form2.Text7);
}

TEST_F(CustomValuesSizeTest, ZeroBendingValueStopsTheTest)
{
    driver.retype(form2.Text1, "");
    EXPECT_FALSE(test("2x", "10"));
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, "Calc module, zero value error!");
    EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Exclamation);
    EXPECT_FALSE(program.form5.visible());
}

// A round timber is named by its diameter and the depth "Round": 12.5 in., S = 0.0981746 x 12.5^3 =
// 191.747 in^3. It always goes on to the report, also from a silent test.
TEST_F(CustomValuesSizeTest, RoundTimberIsTestedAndAlwaysReported)
{
    driver.click(form2.Wid6x);
    driver.runtime().dispatch([&] {
        form2.FormFrame.setVisible(true); // shown with the timber class
        form2.Roundoption.setValue(true);
        form2.Diam.setText("12.5");
    });
    driver.retype(form2.Text6, "12.5 in.");
    driver.retype(form2.Text7, "Round");
    bool completed = false;
    driver.runtime().dispatch([&] {
        program.beam.flags.PretestMode = -1;
        completed = wood::CalcWoodBeam(program);
    });
    EXPECT_TRUE(completed);
    EXPECT_TRUE(driver.messages().empty());
    EXPECT_FLOAT_EQ(member.BeamBreadth, 12.5f);
    EXPECT_FLOAT_EQ(member.BeamDepth, 12.5f);
    EXPECT_NEAR(member.SectionModulus, 191.747, 1e-3);
    EXPECT_DOUBLE_EQ(member.FormFactor, 1.0); // NDS 2018
    EXPECT_EQ(program.beam.flags.PretestMode, 0);
    EXPECT_FALSE(form2.visible());
    EXPECT_TRUE(program.form5.visible());
}

// The custom glu-lam buttons: a start far too deep walks down at most four steps; a start too shallow
// walks up to the first depth that passes every check.
TEST_F(CustomValuesSizeTest, GluLamSearchWalksTheCustomButtons)
{
    driver.click(form2.WidGLB);
    driver.runtime().dispatch([&] {
        form2.ButG[0].setCaption("7-1/2");
        form2.ButG[1].setCaption("48");
        form2.ButG[2].setCaption("");
        form2.ButG[3].setCaption("9");
        form2.ButG[4].setCaption("9");
        wood::SearchGluLamSizes(program);
    });
    EXPECT_TRUE(driver.messages().empty());
    // 48 -> 46-1/2 -> 45 -> 43-1/2, then the fourth step to 42 untested.
    EXPECT_EQ(form2.ButG[1].caption(), "42");
    EXPECT_EQ(form2.ButG[2].caption(), "");
    EXPECT_EQ(form2.Text6.text(), "10-3/4x");

    // 3-1/8 x 7-1/2 is far too small for 20 ft at 200 plf (M = 10,000 ft-lb needs 50 in^3 at 2400 psi);
    // the button ends on the first depth whose test passes, its depth below failing.
    const std::string found = form2.ButG[0].caption();
    ASSERT_FALSE(found.empty());
    const auto passes = [&](const std::string& depth) {
        test("3-1/8x", depth.c_str());
        return wood::passesFullCheck(program.beam, false);
    };
    EXPECT_TRUE(passes(found));
    const std::string below = program.beam.member.NextSmallerLabel;
    ASSERT_FALSE(below.empty());
    EXPECT_FALSE(passes(below));
}

TEST_F(CustomValuesSizeTest, GluLamSearchLeavesOtherClassesAlone)
{
    driver.retype(form2.Text6, "2x");
    driver.retype(form2.Text7, "10");
    driver.runtime().dispatch([&] {
        form2.ButG[1].setCaption("12");
        wood::SearchGluLamSizes(program);
    });
    EXPECT_EQ(form2.ButG[1].caption(), "12");
    EXPECT_EQ(form2.Text6.text(), "2x");
    EXPECT_EQ(form2.Text7.text(), "10");
}

// A value beyond the range of a Single is a run-time error: the test's own trap shows it and the test
// ends without a report.
TEST_F(CustomValuesSizeTest, RunTimeErrorIsTrappedAndShown)
{
    // Typed key by key the entry check would refuse "9e"; pasted whole, the number stands.
    driver.focus(form2.Text1);
    driver.paste(form2.Text1, "9e99");
    ASSERT_EQ(form2.Text1.text(), "9e99");
    driver.clearMessages();
    EXPECT_FALSE(test("2x", "10"));
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, "Overflow");
    EXPECT_EQ(driver.messages()[0].title, "Korvanta Errortrap Calc-1");
    EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Exclamation);
    EXPECT_FALSE(program.form5.visible());
    EXPECT_TRUE(driver.untrappedErrors().empty());
}

// A sawn heading passes the custom breadth check under the header class, but a header has no such
// width: the breadth format message, without a beep, and the focus back in the breadth box.
TEST_F(CustomValuesSizeTest, HeaderOfASawnBreadthIsRefused)
{
    driver.click(form2.WidGLBHDR);
    const int beeps = driver.beeps();
    EXPECT_FALSE(test("2x", "12"));
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, wood::breadthFormatMessage());
    EXPECT_EQ(driver.messages()[0].icon, platform::Icon::None);
    EXPECT_EQ(driver.beeps(), beeps);
    EXPECT_TRUE(form2.visible());
    EXPECT_EQ(driver.runtime().focusedControl(), &form2.Text6);
}

} // namespace
