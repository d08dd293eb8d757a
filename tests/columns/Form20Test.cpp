// The wood column selection form from "OK Calculate" on: the quick picks by column type, a pick and its
// report, the refusals of typed sizes and the record availability.
#include "app/Program.h"
#include "platform/headless/Driver.h"

#include <gtest/gtest.h>

namespace
{

using platform::test::Driver;

class Form20Test : public testing::Test
{
  protected:
    void SetUp() override { driver.menu(program.form1.MnuColDesign); }

    void calculate(const char* load, const char* height, const char* l1, const char* l2)
    {
        driver.retype(f18.cReacText, load);
        driver.retype(f18.cHTtext, height);
        driver.retype(f18.cD1text, l1);
        driver.retype(f18.cD2text, l2);
        driver.click(f18.CmdOK);
        ASSERT_TRUE(f20.visible());
        ASSERT_FALSE(f18.visible());
    }

    Driver driver;
    app::Program& program = driver.start<app::Program>();
    columns::Form18& f18 = program.form18;
    columns::Form20& f20 = program.form20;
};

TEST_F(Form20Test, PostPickAndItsReport)
{
    // "DF-L #1" posts, Fc 1000, E 1.6, 20,000 lb, 10 ft both ways, NDS 2018 (the default edition).
    // 6x6: le/d 21.82, FcE 1009.26, Cp 0.694159, Fc' 694.16 psi against fc 661.16 psi: the 6x row
    // shows "6". Report: le 120, le/d 22, 44 %; fc / Fc' = 95 %; required area 28.81 in^2.
    driver.choose(f18.ColSpeciesCombo, "DF-L #1");
    calculate("20000", "10", "10", "10");
    EXPECT_FALSE(f20.ColDep(0).visible());
    EXPECT_TRUE(f20.ColDep(2).visible());
    EXPECT_EQ(f20.ColWid(2).caption(), "6x");
    EXPECT_EQ(f20.ColDep(2).caption(), "6");
    EXPECT_EQ(f20.cLabelvalue.caption(), "Post and Timber");
    EXPECT_FALSE(f20.CmdColReportOK.enabled());

    driver.click(f20.ColDep(2));
    EXPECT_EQ(f20.D1selected.text(), "6x");
    EXPECT_EQ(f20.D2selected.text(), "6");
    EXPECT_EQ(f20.SelectColumnText.text(), "DF-L #1");
    const std::pair<platform::Label*, const char*> shown[] = {
        {&f20.Label21, "5.5"},  {&f20.Label19, "120"},   {&f20.Label25, "22"},    {&f20.Label65, "50"},
        {&f20.Label3, "OK"},    {&f20.Label4, "44%"},    {&f20.Label29, "1009"},  {&f20.Label45, "0.69"},
        {&f20.Label39, "1.00"}, {&f20.Label27, "0.80"},  {&f20.Label33, "1.00"},  {&f20.Label41, "1000"},
        {&f20.Label43, "1.6"},  {&f20.Label47, "30.25"}, {&f20.Label49, "661"},   {&f20.Label55, "694"},
        {&f20.Label56, "OK"},   {&f20.Label57, "95%"},   {&f20.Label58, "28.81"},
    };
    for (const auto& [label, text] : shown) {
        EXPECT_EQ(label->caption(), text) << label->name();
    }
    EXPECT_EQ(f20.Dcontrollabel.caption(), "D2 controls, d is the actual column width for D2.");
    EXPECT_TRUE(f20.CmdColReportOK.enabled());
    EXPECT_TRUE(f20.MnuColData.enabled());
}

TEST_F(Form20Test, BuiltUpReportShowsTheWeakerPlane)
{
    // (2) 2x6 nailed DF-L #2 (Fc 1350, E 1.6), L1 6 ft, L2 12 ft, 5,000 lb: le1/d1 24 < le2/d2 26.18,
    // but Cp1 = 0.6 x 0.475480 = 0.285288 < Cp2 0.413620. Fc' = 1485 x 0.285288 = 423.65 psi; fc =
    // 5000 / 16.5 = 303 psi. The slenderness shown is the D2 plane's: 144 / 5.5 = 26.2.
    driver.click(f18.FramingButton);
    driver.click(f18.CNailedButton);
    driver.choose(f18.ColSpeciesCombo, "DF-L #2");
    calculate("5000", "12", "6", "12");
    driver.retype(f20.D1selected, "(2) 2x");
    driver.retype(f20.D2selected, "6");
    driver.retype(f20.SelectColumnText, "DF-L #2");
    driver.click(f20.ColPickCmdOK);
    EXPECT_EQ(f20.Dcontrollabel.caption(), "D1 controls, d is the actual column width for D1.");
    EXPECT_EQ(f20.Label33.caption(), "0.60");
    EXPECT_EQ(f20.Label45.caption(), "0.29");
    EXPECT_EQ(f20.Label55.caption(), "424");
    EXPECT_EQ(f20.Label25.caption(), "26");
    EXPECT_EQ(f20.Label39.caption(), "1.10");
}

TEST_F(Form20Test, RefusedEntriesTakeTheRecordAway)
{
    calculate("20000", "10", "10", "10");
    driver.click(f20.ColDep(2));
    ASSERT_TRUE(f20.CmdColReportOK.enabled());
    // A 6x10 under post and timber values: sides more than 2 in. apart.
    driver.retype(f20.D1selected, "6x");
    driver.retype(f20.D2selected, "10");
    EXPECT_TRUE(f20.ColPickCmdOK.font().bold);
    driver.clearMessages();
    driver.click(f20.ColPickCmdOK);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_TRUE(driver.messages()[0].text.starts_with("D2 thickness is incorrect for a 6x column"));
    EXPECT_FALSE(f20.CmdColReportOK.enabled());
    EXPECT_EQ(program.columnState.ColPickError, -1);
    EXPECT_EQ(f20.Label55.caption(), "");

    driver.retype(f20.D2selected, "");
    driver.clearMessages();
    driver.click(f20.ColPickCmdOK);
    EXPECT_EQ(driver.messages().back().text, "Please enter a column size for D2");
    EXPECT_EQ(program.runtime.activeControl(), &f20.D2selected);
}

TEST_F(Form20Test, AFailureInTheCheckIsARefusal)
{
    calculate("20000", "10", "10", "10");
    driver.click(f20.ColDep(2));
    ASSERT_NE(f20.Label55.caption(), "");
    // An absurd load overflows the stress in single precision.
    f18.cReacText.setText("9E99");
    driver.retype(f20.SelectColumnText, "DF-L Select");
    driver.clearMessages();
    driver.click(f20.ColPickCmdOK);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, "Column Pick Calc error");
    EXPECT_EQ(driver.messages()[0].title, "Korvanta");
    EXPECT_EQ(program.columnState.ColPickError, -1);
    EXPECT_FALSE(f20.CmdColReportOK.enabled());
    EXPECT_FALSE(f20.MnuColData.enabled());
    EXPECT_TRUE(f20.ColPickCmdOK.font().bold);
    EXPECT_EQ(f20.Label21.caption(), "");
    EXPECT_EQ(f20.Label55.caption(), "");
    EXPECT_EQ(f20.Dcontrollabel.caption(), "");
}

TEST_F(Form20Test, OverflowingCriteriaFailTheSearchAndTheCheck)
{
    // First a search that finds nothing: 500,000 lb on DF-L Select posts.
    calculate("500000", "10", "10", "10");
    ASSERT_EQ(f20.NoneWorkLabel.caption(), "No columns from the database meet the requirements.");
    driver.menu(f20.backmnu);
    // A height and L1 of 1E38 ft, pasted whole (typed, "1E" is refused): le1 = 1.2E39 in. is beyond
    // single precision. The search reports its failure, keeps the label of the last complete search,
    // and the form still comes up.
    driver.retype(f18.cReacText, "20000");
    for (platform::TextBox* box : {&f18.cHTtext, &f18.cD1text}) {
        driver.retype(*box, "");
        driver.paste(*box, "1E38");
    }
    driver.clearMessages();
    driver.click(f18.CmdOK);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, "ColCalc error");
    EXPECT_EQ(driver.messages()[0].title, "Korvanta");
    ASSERT_TRUE(f20.visible());
    EXPECT_FALSE(f18.visible());
    EXPECT_EQ(f20.NoneWorkLabel.caption(), "No columns from the database meet the requirements.");
    for (int i = 2; i <= 4; ++i) {
        EXPECT_EQ(f20.ColDep(i).caption(), "") << i;
    }
    // The same criteria fail the check of a typed size: one message, and no record.
    driver.retype(f20.D1selected, "6x");
    driver.retype(f20.D2selected, "6");
    driver.retype(f20.SelectColumnText, "DF-L Select");
    driver.clearMessages();
    driver.click(f20.ColPickCmdOK);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, "Column Pick Calc error");
    EXPECT_EQ(program.columnState.ColPickError, -1);
    EXPECT_FALSE(f20.CmdColReportOK.enabled());
    EXPECT_FALSE(f20.MnuColData.enabled());
    EXPECT_EQ(f20.Label25.caption(), "");
}

TEST_F(Form20Test, ExitColumnsForgetsLoadedRecords)
{
    calculate("20000", "10", "10", "10");
    program.record.WoodColRecordLoaded = -1;
    program.record.SteelColRecordLoaded = -1;
    driver.menu(f20.MnuExit);
    EXPECT_TRUE(program.form1.visible());
    EXPECT_FALSE(f20.loaded());
    EXPECT_EQ(program.record.WoodColRecordLoaded, 0);
    EXPECT_EQ(program.record.SteelColRecordLoaded, 0);
}

TEST_F(Form20Test, TabOrderRunsFromThePicksToTheRecordButton)
{
    calculate("20000", "10", "10", "10");
    driver.click(f20.ColDep(2));
    ASSERT_TRUE(f20.CmdColReportOK.enabled());
    driver.focus(f20.ColDep(4));
    const platform::Control* expected[] = {&f20.D1selected,   &f20.D2selected, &f20.SelectColumnText,
                                           &f20.ColPickCmdOK, &f20.Command2,   &f20.CmdColReportOK,
                                           &f20.ColDep(2)};
    for (const platform::Control* next : expected) {
        driver.key(*program.runtime.activeControl(), platform::Key::Tab);
        EXPECT_EQ(program.runtime.activeControl(), next) << next->name();
    }
}

TEST_F(Form20Test, SpeciesPickOnTheCriteriaFormTakesTheRecordAway)
{
    calculate("20000", "10", "10", "10");
    driver.click(f20.ColDep(2));
    driver.menu(f20.backmnu);
    driver.choose(f18.ColSpeciesCombo, "DF-L #2");
    EXPECT_EQ(f20.SelectColumnText.text(), "");
    EXPECT_FALSE(f20.CmdColReportOK.enabled());
}

} // namespace
