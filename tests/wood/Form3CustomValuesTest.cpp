// The custom values path of the selection form's activation: "OK Calc" of the custom values form shows
// the selection form and hides it again; in between the activation captions and searches the buttons of
// the member class chosen on Form2. Each class is checked end to end (every caption passes the size
// test and its next smaller depth fails), with the no-depths notice, the walk limit and the shear rule.
#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "platform/headless/Driver.h"
#include "scl/Form2.h"
#include "wood/CalcWoodBeam.h"
#include "wood/CustomQuickPicks.h"
#include "wood/DepthWalk.h"
#include "wood/Form3.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace
{

using platform::test::Driver;

class CustomQuickPicks : public testing::Test
{
  protected:
    // Custom values on Form1, the beam, then the custom values form's entries.
    void enterBeam(const char* span, const char* total, const char* live, const char* fb = "1200",
                   const char* fv = "180", const char* e = "1.6")
    {
        driver.choose(form1.Combo1, "Custom Wood Values");
        driver.retype(form1.Span, span);
        driver.retype(form1.UNIF, total);
        driver.retype(form1.LUNIF, live);
        driver.click(form1.CmdOK);
        EXPECT_TRUE(form2.visible());
        driver.retype(form2.Text1, fb);
        driver.retype(form2.Text2, fv);
        driver.retype(form2.Text3, "625");
        driver.retype(form2.Text4, e);
        driver.retype(form2.Text5, "Custom #1");
    }

    // As the custom values form's "OK Calc" does: show the selection form, hide it once the show returns.
    void okCalc()
    {
        driver.runtime().dispatch([&] {
            form3.show();
            form3.hide();
        });
    }

    bool passes(const std::string& breadth, const std::string& depth, wood::ShearRule shear)
    {
        bool pass = false;
        driver.runtime().dispatch([&] {
            form2.Text6.setText(breadth);
            form2.Text7.setText(depth);
            program.beam.flags.PretestMode = -1;
            pass = wood::CalcWoodBeam(program) && wood::PassesFullCheck(program.beam, shear);
        });
        return pass;
    }

    void expectSmallestPassing(platform::CommandButton& button, const std::string& breadth,
                               wood::ShearRule shear = wood::ShearRule::AtFvAdj)
    {
        const std::string caption = button.caption();
        SCOPED_TRACE(breadth + " " + caption);
        ASSERT_FALSE(caption.empty());
        EXPECT_TRUE(passes(breadth, caption, shear));
        const std::string smaller = program.beam.member.NextSmallerLabel;
        if (!smaller.empty()) {
            EXPECT_FALSE(passes(breadth, smaller, shear))
                << "the next smaller depth " << smaller << " passes too";
        }
    }

    void expectPresizingEnded()
    {
        EXPECT_FALSE(form3.visible());
        EXPECT_EQ(form2.Text6.text(), "");
        EXPECT_EQ(form2.Text7.text(), "");
        EXPECT_EQ(program.beam.flags.PresizingDone, 0);
        EXPECT_EQ(form3.Label1.caption(), "Custom #1");
        EXPECT_TRUE(driver.messages().empty());
    }

    Driver driver;
    app::Program& program = driver.start<app::Program>();
    app::Form1& form1 = program.form1;
    scl::Form2& form2 = program.form2;
    wood::Form3& form3 = program.form3;
};

// 12 ft, 200 plf (100 live): M = 200 x 12^2 / 8 = 3600 ft-lb.
TEST_F(CustomQuickPicks, DimensionLumberButtonsEndOnTheirSmallestPassingDepths)
{
    enterBeam("12", "200", "100");
    // A caption left from an earlier class must go.
    driver.runtime().dispatch([&] { form2.Button4x.setCaption("8"); });
    okCalc();
    expectPresizingEnded();
    expectSmallestPassing(form2.Button22x, "(2) 2x");
    expectSmallestPassing(form2.Button32x, "(3) 2x");
    expectSmallestPassing(form2.Button42x, "(4) 2x");
    EXPECT_EQ(form2.Button4x.caption(), "");
    EXPECT_EQ(form2.Label16.caption(), "");
    // A single 2x needs sqrt(3600 x 72 / (1200 x 1.5) x 0.9) = 12.7 in. at its deepest rung: a 2x14 at
    // most, which the search then tests.
    driver.click(form2.Wid4x);
    okCalc();
    expectPresizingEnded();
    expectSmallestPassing(form2.Button4x, "4x");
    EXPECT_EQ(form2.Button22x.caption(), "");
}

// The timber estimates: 6x D = sqrt(3600 x 72 / (1200 x 5.5)) = 6.27 -> 8; 8x D = 5.37 below its gate
// 5.5 -> no caption; 10x below 7.5 -> none. Only the 6x is searched.
TEST_F(CustomQuickPicks, TimbersSearchTheSixByAndKeepTheEstimatesOfTheOthers)
{
    enterBeam("12", "200", "100");
    driver.click(form2.Wid6x);
    okCalc();
    expectPresizingEnded();
    expectSmallestPassing(form2.Button6x, "6x");
    EXPECT_EQ(form2.button8x.caption(), "");
    EXPECT_EQ(form2.button10x.caption(), "");
    EXPECT_EQ(form2.Button2x.caption(), "");
}

// 20 ft, 600 plf: M = 30,000 ft-lb. 8x: sqrt(30000 x 72 / 9000) = 15.5, D(0.987) = 15.39 >= 13.5,
// D(0.972) = 15.27 < 15.5 -> 16. 10x: sqrt(30000 x 72 / 11400) = 13.76, D(0.987) = 13.67 >= 13.5 -> 16.
// 6x: 18.1 beyond its last rung -> no caption. The 8x and 10x keep their estimates, unsearched.
TEST_F(CustomQuickPicks, EightAndTenByKeepTheirEstimates)
{
    enterBeam("20", "600", "300");
    driver.click(form2.Wid6x);
    okCalc();
    expectPresizingEnded();
    EXPECT_EQ(form2.Button6x.caption(), "");
    EXPECT_EQ(form2.button8x.caption(), "16");
    EXPECT_EQ(form2.button10x.caption(), "16");
    EXPECT_EQ(form2.Label16.caption(), "");
}

TEST_F(CustomQuickPicks, GluLamBeamsAndHeadersEndOnTheirSmallestPassingDepths)
{
    enterBeam("20", "400", "200", "2400", "265", "1.8");
    driver.click(form2.WidGLB);
    okCalc();
    expectPresizingEnded();
    for (int i = 0; i <= 4; ++i) {
        if (!form2.ButG(i).caption().empty()) {
            expectSmallestPassing(form2.ButG(i), form2.LabG(i).caption());
        }
    }
    EXPECT_FALSE(form2.ButG(2).caption().empty());
    EXPECT_EQ(form2.Label16.caption(), "");

    driver.click(form2.WidGLBHDR);
    okCalc();
    expectPresizingEnded();
    expectSmallestPassing(form2.But52, "5-1/2x");
    if (!form2.but32.caption().empty()) {
        expectSmallestPassing(form2.but32, "3-1/2x");
    }
}

// 4 ft, 20 plf: M = 40 ft-lb. Every estimate falls below its first rung: no caption, the notice, and the
// selection form hidden; a later beam with depths removes the notice.
TEST_F(CustomQuickPicks, NoStartingDepthShowsTheNotice)
{
    enterBeam("4", "20", "10");
    for (platform::OptionButton* option : {&form2.Wid4x, &form2.WidGLBHDR, &form2.WidGLB, &form2.Wid2x}) {
        SCOPED_TRACE(option->name());
        driver.click(*option);
        driver.runtime().dispatch([&] { form2.Label16.setCaption(""); });
        okCalc();
        EXPECT_EQ(form2.Label16.caption(), wood::NoDepthsNotice);
        EXPECT_FALSE(form3.visible());
    }
    EXPECT_EQ(form2.Button2x.caption(), "");
    EXPECT_EQ(form2.Button42x.caption(), "");
    EXPECT_EQ(form2.but32.caption(), "");
    EXPECT_EQ(form2.ButG(0).caption(), "");
}

// A 2x of a very limber custom grade (E 0.05 million psi) on 8 ft under 60 plf dead load: bending alone
// asks for a 2x4 (D(1.3) = sqrt(480 x 72 / 5400 x 1.3) = 2.88 < 3.5), but every depth fails deflection:
// a 2x14 deflects 1.5 x 5 w L^4 / (384 E I) = 1.5 x 0.38 = 0.57 in. > L/240 = 0.4. The walk tests 2x4 and
// four larger depths (6 to 12) and shows the fifth, 14, untested.
TEST_F(CustomQuickPicks, TheUpWalkShowsItsFifthLargerDepthUntested)
{
    enterBeam("8", "60", "0", "3600", "180", "0.05");
    okCalc();
    EXPECT_EQ(form2.Button2x.caption(), "14");
    EXPECT_FALSE(passes("2x", "14", wood::ShearRule::AtFvAdj));
}

// 4 ft, 2000 plf, shear taken at d from the supports: V = 2000 x (2 - d / 12). With Fv 120 psi a 4x8
// has fv = 1.5 x 2000 x (2 - 7.25 / 12) / 25.375 = 165 psi > 120 and a 4x10 1.5 x 2000 x (2 - 9.25 / 12)
// / 32.375 = 114 psi. Twice Fv' (240) would accept the 4x8, which under NDS 2018 then fails shear on the
// report: only NDS 1997's no-splits rule accepts twice Fv'.
TEST_F(CustomQuickPicks, TwiceFvAdjOnlyUnderNds1997)
{
    // Fb 3000 starts the 4x at 8: sqrt(4000 x 72 / 10500 x 1.3) = 5.97 < 7.25.
    enterBeam("4", "2000", "1000", "3000", "120", "1.6");
    driver.click(form2.Wid4x);
    okCalc();
    EXPECT_EQ(form2.Button4x.caption(), "10");
    expectSmallestPassing(form2.Button4x, "4x");
    EXPECT_EQ(program.beam.flags.PretestMode, -1);

    driver.runtime().dispatch([&] {
        program.state.NDS2018 = 0;
        program.state.NDS1997 = -1;
    });
    okCalc();
    EXPECT_EQ(form2.Button4x.caption(), "8");
    EXPECT_TRUE(passes("4x", "8", wood::ShearRule::AtTwiceFvAdj));
    EXPECT_FALSE(passes("4x", "8", wood::ShearRule::AtFvAdj));
}

// An Fb beyond the 16-bit range fails the fill of the species table; the zero bending values then fail
// the sawn and the glu-lam estimates (division by zero). Each failure costs one message and the
// activation goes on to its end: the notice, the emptied size boxes, the selection form hidden.
TEST_F(CustomQuickPicks, FailingStepsAreReportedAndTheActivationGoesOn)
{
    enterBeam("12", "200", "100", "99999");
    okCalc();
    ASSERT_EQ(driver.messages().size(), 3u);
    for (const auto& message : driver.messages()) {
        EXPECT_EQ(message.text, "Error form3 activate");
        EXPECT_EQ(message.icon, platform::Icon::Exclamation);
        EXPECT_EQ(message.title, "Korvanta");
    }
    EXPECT_EQ(form2.Label16.caption(), wood::NoDepthsNotice);
    EXPECT_EQ(form2.Button2x.caption(), "");
    EXPECT_FALSE(form3.visible());
    EXPECT_EQ(form2.Text6.text(), "");
}

// Southern Pine laminations: the estimates and captions come from the 1-3/8 in. series.
TEST_F(CustomQuickPicks, SouthernPineLaminationsTakeTheirOwnSeries)
{
    enterBeam("20", "400", "200", "2400", "265", "1.8");
    driver.click(form2.WidGLB);
    driver.runtime().dispatch([&] { form2.SPG.setValue(1); });
    okCalc();
    const std::set<std::string> series = {"9-5/8",  "11",     "12-3/8", "13-3/4", "15-1/8", "16-1/2",
                                          "17-7/8", "19-1/4", "20-5/8", "22",     "23-3/8", "24-3/4",
                                          "26-1/8", "27-1/2", "28-7/8", "30-1/4"};
    int captioned = 0;
    for (int i = 0; i <= 4; ++i) {
        const std::string caption = form2.ButG(i).caption();
        if (!caption.empty()) {
            ++captioned;
            EXPECT_EQ(series.count(caption), 1u) << caption;
        }
    }
    EXPECT_GT(captioned, 0);
    EXPECT_FALSE(form3.visible());
}

} // namespace
