// The steel column selection form driven from the criteria form: the proposals, a pick, the column
// report of the worked example (50,000 lb, 12 ft, K 1.00) and the refusals of a typed size.
#include "columns/Form10.h"

#include "app/Form1.h"
#include "app/Program.h"
#include "columns/Form18.h"
#include "platform/headless/Driver.h"

#include <gtest/gtest.h>

namespace
{

using platform::test::Driver;

class Form10Test : public testing::Test
{
  protected:
    void calculate(const char* load, const char* height, const char* l1, const char* ke = "1.00")
    {
        driver.menu(program.form1.MnuColDesign);
        driver.click(f18.SteelButton);
        driver.retype(f18.cReacText, load);
        driver.retype(f18.cHTtext, height);
        driver.retype(f18.cD1text, l1);
        driver.retype(f18.cModeText, ke);
        driver.click(f18.CmdOK);
        ASSERT_TRUE(f10.visible());
        ASSERT_FALSE(f18.visible());
    }

    Driver driver;
    app::Program& program = driver.start<app::Program>();
    columns::Form18& f18 = program.form18;
    columns::Form10& f10 = program.form10;
};

TEST_F(Form10Test, WorkedExampleProposalsAndTubeReport)
{
    calculate("50000", "12", "12");
    EXPECT_EQ(f10.StdRndBut.caption(), "5 in. diam.");
    EXPECT_EQ(f10.ExtraRndbut.caption(), "4 in. diam.");
    EXPECT_EQ(f10.DblRndBut.caption(), "4 in. diam.");
    EXPECT_EQ(f10.TubeCol(0).caption(), "4 x 4 x 1/4");
    EXPECT_EQ(f10.TubeCol(1).caption(), "4 x 4 x 3/8");
    EXPECT_EQ(f10.TubeCol(2).caption(), "4 x 4 x 1/2");
    EXPECT_FALSE(f10.Label60.visible());
    EXPECT_FALSE(f10.PrintPreviewbutton.enabled());

    // 4 x 4 x 1/4: Kl/r 144 / 1.51 = 95.4, Fa = 15.28 ksi (AISC E2-1, Fy 46, Cc 111.5); fc = 50 / 3.59 =
    // 13.93 ksi; required 50 / 15.28 = 3.27 in^2, 91 % of 3.59.
    driver.click(f10.TubeCol(0));
    EXPECT_EQ(f10.StlColSizeText.text(), "4 x 4 x 1/4");
    EXPECT_EQ(f10.StlColGrade.caption(), "Structural Tube ASTM A500 Grade B");
    const std::pair<platform::Label*, const char*> shown[] = {
        {&f10.Label19, "50,000"}, {&f10.Label36, "46"},   {&f10.Label37, "29"},   {&f10.Label38, "111.5"},
        {&f10.Label39, "12.21"},  {&f10.Label32, "1.00"}, {&f10.Label33, "12"},   {&f10.Label51, "144"},
        {&f10.Label34, "1.51"},   {&f10.Label35, "15.3"}, {&f10.Label22, "95"},   {&f10.Label23, "200"},
        {&f10.Label24, "OK"},     {&f10.Label25, "48%"},  {&f10.Label26, "13.9"}, {&f10.Label27, "15.3"},
        {&f10.Label28, "3.6"},    {&f10.Label29, "3.3"},  {&f10.Label30, "OK"},   {&f10.Label31, "91%"},
        {&f10.Label21, "4 x 4"},
    };
    for (const auto& [label, text] : shown) {
        EXPECT_EQ(label->caption(), text) << label->name();
    }
    EXPECT_TRUE(f10.PrintPreviewbutton.enabled());
    EXPECT_TRUE(f10.MnuGotoDataRecord.enabled());
}

TEST_F(Form10Test, AFailingTypedPipeShowsDarkRedItalic)
{
    calculate("50000", "12", "12");
    driver.click(f10.StdRndBut); // "5 in. diam.", standard weight grade
    driver.retype(f10.StlColSizeText, "4 in. diam.");
    EXPECT_FALSE(f10.PrintPreviewbutton.enabled());
    driver.click(f10.StlColReportBut);
    // Kl/r 95.36, Fa 13.556 ksi, required 3.688 > 3.17 in^2.
    EXPECT_EQ(f10.Label30.caption(), "Fail");
    EXPECT_TRUE(f10.Label30.font().italic);
    EXPECT_EQ(f10.Label30.props().foreColor, platform::rgb(128, 0, 0));
    EXPECT_EQ(f10.Label29.caption(), "3.7");
}

TEST_F(Form10Test, TypedSizeRefusals)
{
    calculate("50000", "12", "12");
    driver.clearMessages();
    const int beeps = driver.beeps();
    driver.retype(f10.StlColSizeText, "4 x 4 x 1/4");
    driver.click(f10.StlColReportBut); // grade panel empty after the activation
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_TRUE(driver.messages()[0].text.starts_with("Please enter a steel column size above."));
    EXPECT_EQ(driver.beeps(), beeps + 1);
    EXPECT_EQ(driver.runtime().activeControl(), &f10.StlColSizeText);

    driver.click(f10.DblRndBut);
    driver.retype(f10.StlColSizeText, "4x4x1/4");
    driver.clearMessages();
    driver.click(f10.StlColReportBut);
    EXPECT_TRUE(driver.messages().back().text.starts_with("Please enter a steel column size that matches"));
    EXPECT_EQ(driver.runtime().activeControl(), &f10.StlColSizeText);

    driver.retype(f10.StlColSizeText, "3-1/2 in. diam.");
    driver.clearMessages();
    driver.click(f10.StlColReportBut);
    EXPECT_TRUE(driver.messages().back().text.starts_with("Korvanta could not find a match"));
    EXPECT_NE(driver.runtime().activeControl(), &f10.StlColSizeText); // this refusal moves no focus
    EXPECT_EQ(driver.beeps(), beeps + 1);                             // and only the first one beeps
    EXPECT_FALSE(f10.PrintPreviewbutton.enabled());
}

// Absurd entries overflow the activation before it clears the report, so the last report still
// stands; a pick whose check then fails must empty the report rather than leave it under the new size.
TEST_F(Form10Test, AFailedReportEmptiesTheReport)
{
    calculate("50000", "12", "12");
    driver.click(f10.TubeCol(0));
    ASSERT_EQ(f10.Label30.caption(), "OK");
    driver.menu(f10.backmnu);
    for (platform::TextBox* box : {&f18.cHTtext, &f18.cD1text, &f18.cModeText}) {
        driver.retype(*box, "");
        driver.paste(*box, "1E30"); // pasted whole, a valid number to the boxes' entry checks
    }
    driver.click(f18.CmdOK);
    ASSERT_EQ(driver.messages().back().text, "Error at Form 10 activate");
    ASSERT_EQ(f10.TubeCol(0).caption(), "4 x 4 x 1/4");
    driver.click(f10.TubeCol(0));
    EXPECT_EQ(driver.messages().back().text, "Error at Steel Column Report Button");
    for (platform::Label* l : {&f10.Label19, &f10.Label35, &f10.Label22, &f10.Label24, &f10.Label26,
                               &f10.Label29, &f10.Label30, &f10.Label31, &f10.Label21}) {
        EXPECT_EQ(l->caption(), "") << l->name();
    }
    EXPECT_FALSE(f10.PrintPreviewbutton.enabled());
    EXPECT_FALSE(f10.MnuGotoDataRecord.enabled());
}

TEST_F(Form10Test, AnEmptyQuickPickEmptiesTheSizeAndGradeAndKeepsTheReport)
{
    // 100,000 lb at 12 ft: the 6 in. standard pipe (Kl/r 144 / 2.25 = 64, Fa 17.04 ksi) needs 5.87 in^2
    // against 5.58, so no standard pipe is offered; the 6 in. extra strong (8.40 in^2) passes.
    calculate("100000", "12", "12");
    ASSERT_EQ(f10.StdRndBut.caption(), "");
    ASSERT_EQ(f10.ExtraRndbut.caption(), "6 in. diam.");
    driver.click(f10.ExtraRndbut);
    const std::string fa = f10.Label35.caption();
    ASSERT_FALSE(fa.empty());
    driver.click(f10.StdRndBut);
    EXPECT_EQ(f10.StlColSizeText.text(), "");
    EXPECT_EQ(f10.StlColGrade.caption(), "");
    EXPECT_EQ(f10.Label35.caption(), fa);
    EXPECT_EQ(f10.Label21.caption(), "6.625");
}

TEST_F(Form10Test, LongColumnsOfferNothing)
{
    // 30 ft with K 2.1: Kl/r of the stoutest row 756 / 3.09 > 200.
    calculate("5000", "30", "30", "2.10");
    EXPECT_TRUE(f10.Label60.visible());
    EXPECT_EQ(f10.StdRndBut.caption(), "");
    EXPECT_EQ(f10.TubeCol(0).caption(), "");
}

TEST_F(Form10Test, BackShowsTheCriteriaAndANewActivationClearsThePick)
{
    calculate("50000", "12", "12");
    driver.click(f10.TubeCol(0));
    driver.menu(f10.backmnu);
    EXPECT_TRUE(f18.visible());
    driver.click(f18.CmdOK);
    EXPECT_EQ(f10.StlColSizeText.text(), "");
    EXPECT_EQ(f10.Label35.caption(), "");
    EXPECT_FALSE(f10.PrintPreviewbutton.enabled());
}

} // namespace
