// The report on the program's own road: criteria, "OK Calculate", a typed size and "OK Test" with the
// real wood test, then a size step; the numbers against the hand-derived beam.
#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "platform/headless/Driver.h"
#include "report/Form5.h"
#include "steel/Form22.h"
#include "steel/SteelState.h"
#include "wood/Form3.h"

#include <gtest/gtest.h>

namespace
{

using platform::test::Driver;

// Simple span 12 ft, 300 plf total of which 200 plf live, self weight neglected, no shear reduction at
// the supports, Cd 1.00, dry; 4x12 DF-L No.1 under NDS 2018 (Supplement Table 4A: Fb 1000 psi with CF
// 1.1, Fv 180 psi, E 1,700,000 psi). Net 3.5 x 11.25 in.: S = 73.83 in³, A = 39.38 in², I = 415.28 in⁴.
//   M = wL²/8 = 5,400 ft-lb; Sreq = 64,800 / 1,100 = 58.91 in³ (80 %).
//   V = wL/2 = 1,800 lb; Areq = 1.5V / Fv' = 15.00 in²; fv = 68.6 psi (38 %).
//   Live-load deflection 5wL⁴/384EI = 0.132 in. (L / 1089, 33 % of L/360 = 0.40 in.).
//   R1 = R2 = 1,800 lb total, 1,200 lb live.
TEST(Form5Road, OkTestOfAWoodSizeShowsTheHandDerivedReport)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    app::Form1& f1 = program.form1;
    report::Form5& f5 = program.form5;
    driver.choose(f1.Combo1, "Hem Fir / DF-Larch");
    driver.retype(f1.Span, "12");
    driver.retype(f1.UNIF, "300");
    driver.retype(f1.LUNIF, "200");
    driver.click(f1.NoWeight);
    driver.click(f1.Reducechk);
    ASSERT_EQ(f1.NoWeight.value(), -1);
    ASSERT_EQ(f1.Reducechk.value(), 0);
    driver.click(f1.CmdOK);
    ASSERT_TRUE(program.form3.visible());
    driver.retype(program.form3.Text1, "4x");
    driver.retype(program.form3.Text2, "12");
    driver.retype(program.form3.Text3, "DF-L #1");
    driver.clearMessages();
    driver.click(program.form3.CmdOK);

    ASSERT_TRUE(f5.visible());
    EXPECT_EQ(driver.activeForm(), &f5);
    EXPECT_EQ(f5.DisplayChoice.caption(), "4x 12  DF-L #1");
    EXPECT_EQ(f5.SectionReq.caption(), "58.91");
    EXPECT_EQ(f5.SectionProp.caption(), "73.83");
    EXPECT_EQ(f5.SecPercent.caption(), "80%");
    EXPECT_EQ(f5.ShearReq.caption(), "15.00");
    EXPECT_EQ(f5.ShearProp.caption(), "39.38");
    EXPECT_EQ(f5.HorPercent.caption(), "38%");
    EXPECT_EQ(f5.LDeflProp.caption(), "0.13");
    EXPECT_EQ(f5.LDeflReq.caption(), "0.40");
    EXPECT_EQ(f5.LDeflPercent.caption(), "33%");
    EXPECT_EQ(f5.Label6.caption(), "Live Load Deflection     Max: L / 360   Actual: L / >1000");
    EXPECT_EQ(f5.Label10.caption(), "Reactions: R1 LL = 1200   R2 LL = 1200");
    EXPECT_EQ(f5.Label15.caption(), "Reactions: R1 TL = 1800   R2 TL = 1800");
    EXPECT_EQ(f5.SecStatus.caption(), "OK");
    EXPECT_EQ(program.state.SelectionStatus, "OK");
    EXPECT_TRUE(driver.messages().empty());

    // "Depth -" tests 4x10 with the real test: S = 3.5 x 9.25²/6 = 49.91 in³ against 64,800 / (1000 x
    // 1.2) = 54.00 in³ (CF 1.2 for a 10 in. width), so bending fails and is shown as a failure.
    driver.click(f5.CmdNextSizeDn);
    EXPECT_EQ(program.form3.Text2.text(), "10");
    EXPECT_EQ(f5.DisplayChoice.caption(), "4x 10  DF-L #1");
    EXPECT_EQ(f5.SectionProp.caption(), "49.91");
    EXPECT_EQ(f5.SectionReq.caption(), "54.00");
    EXPECT_EQ(f5.SecStatus.caption(), "Fail");
    EXPECT_TRUE(f5.SecStatus.emphasis());
    EXPECT_TRUE(driver.untrappedErrors().empty());
}

// Simple span 20 ft, 300 plf total of which 200 plf live, self weight neglected, no shear reduction,
// Cd 1.00, dry; 5-1/8 x 18 GLB 24F-V4 DF/DF (Fbx 2400 psi, Ex 1,800,000 psi; Fvx 240 psi, the value of
// the NDS 2001 Supplement Table 5A that the program's glu-lam table carries), fully braced, so the volume
// factor governs: CV = (21/20)^0.1 (12/18)^0.1 (5.125/5.125)^0.1 = 0.965. S = bd²/6 = 276.75 in³, A = 92.25
// in², I = bd³/12 = 2,490.75 in⁴.
//   M = wL²/8 = 180,000 in-lb; Sreq = 180,000 / (2400 x 0.965) = 77.72 in³ (28 %).
//   V = 3,000 lb; Areq = 1.5V / 240 = 18.75 in² (fv 48.8 psi, 20 %).
//   Dead-load deflection 5wL⁴/384EI at 100 plf = 0.080 in., x 1.5 for creep = 0.12 in.; camber 1.5 x
//   0.12 = 0.18 in. Live-load deflection 0.161 in. (L / 1494).
TEST(Form5Road, GluLamReportShowsTheCamberOfItsDeadLoadDeflection)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    app::Form1& f1 = program.form1;
    report::Form5& f5 = program.form5;
    driver.choose(f1.Combo1, "Hem Fir / DF-Larch");
    driver.retype(f1.Span, "20");
    driver.retype(f1.UNIF, "300");
    driver.retype(f1.LUNIF, "200");
    driver.click(f1.NoWeight);
    driver.click(f1.Reducechk);
    driver.click(f1.CmdOK);
    ASSERT_TRUE(program.form3.visible());
    driver.retype(program.form3.Text1, "5-1/8x");
    driver.retype(program.form3.Text2, "18");
    driver.retype(program.form3.Text3, "GLB 24F-V4 DF/DF");
    driver.clearMessages();
    driver.click(program.form3.CmdOK);

    ASSERT_TRUE(f5.visible());
    EXPECT_EQ(f5.SectionReq.caption(), "77.72");
    EXPECT_EQ(f5.SectionProp.caption(), "276.75");
    EXPECT_EQ(f5.SecPercent.caption(), "28%");
    EXPECT_EQ(f5.ShearReq.caption(), "18.75");
    EXPECT_EQ(f5.ShearProp.caption(), "92.25");
    EXPECT_EQ(f5.HorPercent.caption(), "20%");
    EXPECT_EQ(f5.LDeflProp.caption(), "0.16");
    EXPECT_EQ(f5.DeadDefl.caption(),
              "Dead Load Deflection (x 1.5 for creep)= is 0.12   Recommended Camber is 0.18");
    EXPECT_EQ(f5.Modifiers.caption(), "");
    EXPECT_EQ(f5.Label15.caption(), "Reactions: R1 TL = 3000   R2 TL = 3000");
    EXPECT_TRUE(driver.messages().empty());
}

} // namespace

namespace
{

// W 12x 30 of 36 ksi steel on 10 ft at 100 plf total, 50 plf live, braced (AISC: Sx 38.6 in³, d 12.34
// in., tw 0.26 in.): with its 30 plf self weight M = 1,625 ft-lb, Sreq = 1,625 x 12 / 23,760 = 0.82 in³;
// V = 650 lb, Areq = 650 / 14,400 = 0.05 in² against d x tw = 3.21 in².
TEST(Form5Road, SteelReportAndItsQuickPickWalkWithTheRealCheck)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    app::Form1& f1 = program.form1;
    report::Form5& f5 = program.form5;
    steel::Form22& f22 = program.form22;
    driver.choose(f1.Combo1, "Steel Beams");
    driver.retype(f1.Span, "10");
    driver.retype(f1.UNIF, "100");
    driver.retype(f1.LUNIF, "50");
    driver.retype(f1.UBLtext, "0");
    driver.click(f1.CmdOK);
    ASSERT_TRUE(f22.visible());
    driver.retype(f22.StlChoice, "W 12x 30");
    driver.click(f22.CmdOK);

    ASSERT_TRUE(f5.visible());
    EXPECT_EQ(f5.DisplayChoice.caption(), "W 12x 30   36 ksi Wide Flange Steel");
    EXPECT_EQ(f5.StlBreadthLabel.caption(), "Actual Size is  6-1/2  x ");
    EXPECT_EQ(f5.StlDepthLabel.caption(), "12-3/8");
    EXPECT_EQ(f5.SectionReq.caption(), "0.82");
    EXPECT_EQ(f5.SectionProp.caption(), "38.60");
    EXPECT_EQ(f5.ShearReq.caption(), "0.05");
    EXPECT_EQ(f5.ShearProp.caption(), "3.21");
    EXPECT_EQ(f5.Label15.caption(), "Reactions: R1 TL = 650   R2 TL = 650");
    EXPECT_TRUE(f5.StlBack.visible());
    EXPECT_FALSE(f5.CmdNextSize.visible());

    // The typed size is none of the quick picks: Next changes nothing and says so.
    driver.clearMessages();
    driver.click(f5.StlForward);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(f22.StlChoice.text(), "W 12x 30");

    // From the second quick pick, Previous checks the first and Next the second again.
    driver.menu(f5.MnuBack);
    ASSERT_TRUE(f22.visible());
    const std::string first = f22.StlPick(0).caption();
    const std::string second = f22.StlPick(1).caption();
    ASSERT_FALSE(second.empty());
    driver.click(f22.StlPick(1));
    if (f22.visible()) {
        driver.click(f22.CmdOK);
    }
    ASSERT_TRUE(f5.visible());
    EXPECT_EQ(f22.StlChoice.text(), second);
    driver.click(f5.StlBack);
    EXPECT_EQ(f22.StlChoice.text(), first);
    EXPECT_EQ(program.steel.StlStepChoice, first);
    EXPECT_EQ(f5.DisplayChoice.caption(), first + "   36 ksi Wide Flange Steel");
    EXPECT_FALSE(f5.StlBack.enabled());
    driver.click(f5.StlForward);
    EXPECT_EQ(f5.DisplayChoice.caption(), second + "   36 ksi Wide Flange Steel");
    EXPECT_TRUE(f5.StlBack.enabled());
    EXPECT_TRUE(driver.untrappedErrors().empty());
}

} // namespace
