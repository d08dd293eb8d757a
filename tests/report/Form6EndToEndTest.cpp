// The whole beam path as a user walks it: criteria, "OK Calculate", a size typed and tested on the wood
// selection form, the report's "OK  Select Member", and the data record it opens.
#include "RecordFixture.h"
#include "app/SharedState.h"
#include "report/Form5.h"
#include "steel/Form22.h"
#include "wood/Form3.h"

namespace recordtest
{

// 10 ft simple span, 100 plf total and 40 plf live, self weight neglected. Statics: R1 = R2 = wL/2 =
// 500 lb (live 200 lb), M = wL^2/8 = 1250 ft-lb, V at the support 500 lb.
TEST_F(RecordTest, RecordOfAWoodBeamTestedOnTheSelectionForm)
{
    driver.choose(form1.Combo1, "Hem Fir / DF-Larch");
    type(form1.Span, "10");
    type(form1.UNIF, "100");
    type(form1.LUNIF, "40");
    driver.click(form1.NoWeight);
    driver.click(form1.CmdOK);
    wood::Form3& form3 = program.form3;
    ASSERT_TRUE(form3.visible());
    driver.retype(form3.Text1, "4x");
    driver.retype(form3.Text2, "10");
    driver.retype(form3.Text3, "DF-L #1");
    driver.click(form3.CmdOK);
    ASSERT_TRUE(program.form5.visible());
    driver.click(program.form5.Command2); // "OK  Select Member"
    ASSERT_TRUE(form6.visible());
    EXPECT_EQ(cap("Label61"), "10.0");
    EXPECT_EQ(cap("Label143"), "0");
    EXPECT_EQ(cap("Label62"), "500 #");
    EXPECT_EQ(cap("Label63"), "500 #");
    EXPECT_EQ(cap("Label64"), "200 #");
    EXPECT_EQ(cap("Label65"), "1250");
    EXPECT_EQ(cap("Label66"), "500 #");
    EXPECT_EQ(cap("Label72"), "Uniform TL:");
    EXPECT_EQ(cap("Label73"), "100  = A");
    EXPECT_EQ(cap("Label6").substr(0, 8), "NDS 2018");
    EXPECT_EQ(cap("Label5"), program.form5.DisplayChoice.caption());
    EXPECT_EQ(cap("Label111"), program.form5.SecStatus.caption() == "OK" ? "OK" : "Fails");
    EXPECT_EQ(program.state.SelectionStatus, program.form5.SecStatus.caption());
    EXPECT_TRUE(driver.untrappedErrors().empty());
    EXPECT_TRUE(form6.MnuBack.enabled());
    driver.menu(form6.MnuBack);
    EXPECT_TRUE(program.form5.visible());
    EXPECT_FALSE(form6.loaded());
}

} // namespace recordtest

namespace recordtest
{

// A W 12x 30 of 36 ksi steel (the default yield point) over 10 ft under 100 plf, fully braced:
// Fb = 0.66 Fy = 23760 psi, Fv = 0.40 Fy = 14400 psi, E = 29.0 million psi (AISC allowable stress design).
TEST_F(RecordTest, RecordOfASteelBeamTestedOnTheSteelSelectionForm)
{
    driver.choose(form1.Combo1, "Steel Beams");
    type(form1.Span, "10");
    type(form1.UNIF, "100");
    type(form1.LUNIF, "50");
    if (form1.UBLtext.enabled()) {
        type(form1.UBLtext, "0");
    }
    driver.click(form1.CmdOK);
    steel::Form22& form22 = program.form22;
    ASSERT_TRUE(form22.visible());
    driver.retype(form22.StlChoice, "W 12x 30");
    driver.click(form22.CmdOK);
    ASSERT_TRUE(program.form5.visible());
    driver.click(program.form5.Command2);
    ASSERT_TRUE(form6.visible());
    EXPECT_EQ(cap("Label23"), "Ref. Value Fy");
    EXPECT_EQ(cap("Label25"), "36000");
    EXPECT_EQ(cap("Label24"), "23760");
    EXPECT_EQ(cap("Label26"), "14400");
    EXPECT_EQ(cap("Label28"), "29.0");
    EXPECT_EQ(cap("Label31"), "YP Factor, Lc");
    EXPECT_EQ(cap("Label35"), "0.66");
    EXPECT_EQ(cap("Label134"), "(1.0) DL Defl=");
    EXPECT_EQ(cap("Label168"), "N/A ");
    EXPECT_EQ(cap("Label60"), "Min Bearing Length");
    EXPECT_EQ(cap("Label173"), "Lateral Support:");
    EXPECT_EQ(cap("Label6").find("NDS"), std::string::npos);
    EXPECT_EQ(cap("Label61"), "10.0");
    // self weight 30 plf: R = (100 + 30) x 10 / 2 = 650 lb, M = 130 x 10^2 / 8 = 1625 ft-lb
    EXPECT_EQ(cap("Label143"), "30.0");
    EXPECT_EQ(cap("Label62"), "650 #");
    EXPECT_EQ(cap("Label65"), "1625");
    EXPECT_EQ(cap("Label67"), "300");
    EXPECT_TRUE(driver.untrappedErrors().empty());
}

} // namespace recordtest
