// The whole beam path as a user walks it: criteria, "OK Calculate", a size typed and tested on the wood
// selection form, the report's "OK  Select Member", and the data record it opens.
#include "RecordFixture.h"

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
