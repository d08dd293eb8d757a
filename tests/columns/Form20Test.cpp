// The wood column selection form from "OK Calculate" on: the quick picks by column type, a pick and its
// report, the refusals of typed sizes and the record availability.
#include "columns/Form20.h"

#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "columns/ColumnState.h"
#include "columns/Form18.h"
#include "columns/Form19.h"
#include "platform/forms/Runtime.h"
#include "platform/headless/Driver.h"
#include "report/RecordState.h"

#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

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

// Four reports held against hand derivations; Cp = (1 + q) / 1.6 - sqrt(((1 + q) / 1.6)^2 - q / 0.8),
// q = FcE / Fc*. Captions only where the rounding is not at a half.
TEST(Form20Report, AgainstHandDerivations)
{
    using Shown = std::vector<std::pair<platform::Label columns::Form20::*, const char*>>;
    struct Case
    {
        const char* name;
        std::function<void(Driver&, app::Program&)> options; // on the criteria form, before "OK Calculate"
        const char* load;
        const char* height;
        const char* l1;
        const char* l2;
        const char* d1;
        const char* d2;
        const char* control;
        Shown shown;
    };
    const Case cases[] = {
        // NDS 1997, incised DF-L #1 6x6 posts (Table 4D: Fc 1000, E 1.6), 10 ft both ways, 20,000 lb.
        // Ci 0.85 on Fc and 0.95 on E: Fc* = 850, E' = 1.52E6. KcE E' / (le/d)^2 (no Emin before 2005):
        // FcE = 0.3 x 1,520,000 / (120 / 5.5)^2 = 957.92; q 1.12696, Cp 0.730625, Fc' 621.03 psi;
        // fc = 20,000 / 30.25 = 661.16 psi: 106 %, Fail. Required area 20,000 / 621.03 = 32.20 in^2.
        {"NDS 1997 incised posts",
         [](Driver& driver, app::Program& program) {
             program.state.NDS1997 = -1;
             program.state.NDS2005 = program.state.NDS2012 = program.state.NDS2015 = program.state.NDS2018 =
                 0;
             driver.choose(program.form18.ColSpeciesCombo, "DF-L #1");
             driver.click(program.form18.ColIncised);
         },
         "20000",
         "10",
         "10",
         "10",
         "6x",
         "6",
         "D2 controls, d is the actual column width for D2.",
         {{&columns::Form20::Label29, "958"},
          {&columns::Form20::Label45, "0.73"},
          {&columns::Form20::Label31, "0.30"},
          {&columns::Form20::Label43, "1.5"},
          {&columns::Form20::Label35, "0.95"},
          {&columns::Form20::Label37, "0.85"},
          {&columns::Form20::Label41, "850"},
          {&columns::Form20::Label55, "621"},
          {&columns::Form20::Label49, "661"},
          {&columns::Form20::Label56, "Fail"},
          {&columns::Form20::Label57, "106%"},
          {&columns::Form20::Label58, "32.2"},
          {&columns::Form20::Label25, "22"},
          {&columns::Form20::Label3, "OK"}}},
        // Nailed (3) 2x8, DF-L #2 (Table 4A: Fc 1350, E 1.6), 8 ft both ways, 10,000 lb, NDS 2018.
        // CF 1.05 at 7.25 in.: Fc* 1417.5. D1: le/d 96 / 4.5 = 21.33, FcE = 0.822 x 0.3653 x 1.6E6 /
        // 21.33^2 = 1055.66, Cp = 0.6 x 0.582342 = 0.349405 (NDS 15.3.2, Kf 0.6); D2: 96 / 7.25 = 13.24,
        // FcE 2740.15, Cp 0.861486. Fc' = 1417.5 x 0.349405 = 495.28; fc = 10,000 / 32.625 = 306.51,
        // 62 %; required 20.19 in^2. le/d of the D1 plane: 96 / 4.5 = 21, 42 %.
        {"nailed built-up, D1 governs",
         [](Driver& driver, app::Program& program) {
             driver.click(program.form18.FramingButton);
             driver.click(program.form18.CNailedButton);
             driver.choose(program.form18.ColSpeciesCombo, "DF-L #2");
         },
         "10000",
         "8",
         "8",
         "8",
         "(3) 2x",
         "8",
         "D1 controls, d is the actual column width for D1.",
         {{&columns::Form20::Label21, "4.5"},
          {&columns::Form20::Label19, "96"},
          {&columns::Form20::Label29, "1056"},
          {&columns::Form20::Label45, "0.35"},
          {&columns::Form20::Label39, "1.05"},
          {&columns::Form20::Label33, "0.60"},
          {&columns::Form20::Label55, "495"},
          {&columns::Form20::Label49, "307"},
          {&columns::Form20::Label56, "OK"},
          {&columns::Form20::Label57, "62%"},
          {&columns::Form20::Label58, "20.19"},
          {&columns::Form20::Label25, "21"},
          {&columns::Form20::Label4, "42%"}}},
        // Wet 4x6 Red Oak #2 (Table 4A: Fc 625, E 1.2), L1 4 ft, L2 8 ft, 3,000 lb, NDS 2018. Fc x CF
        // = 625 x 1.1 = 687.5 <= 750: CM 1.0 on Fc (Table 4A footnote), 0.9 on E: E' 1.08E6, Fc* 687.5.
        // D1: 48 / 3.5 = 13.71, FcE 1724.24, Cp 0.899419; D2: 96 / 5.5 = 17.45, FcE 1064.46, Cp
        // 0.817266: D2 shown. Fc' = 561.87; fc = 3000 / 19.25 = 155.84, 28 %; required 5.34 in^2.
        {"wet, Fc x CF at most 750",
         [](Driver& driver, app::Program& program) {
             driver.click(program.form18.FramingButton);
             driver.choose(program.form18.ColSpeciesCombo, "Red Oak #2");
             driver.click(program.form18.cWetButton);
         },
         "3000",
         "8",
         "4",
         "8",
         "4x",
         "6",
         "D2 controls, d is the actual column width for D2.",
         {{&columns::Form20::Label21, "5.5"},
          {&columns::Form20::Label29, "1064"},
          {&columns::Form20::Label45, "0.82"},
          {&columns::Form20::Label39, "1.10"},
          {&columns::Form20::Label35, "0.90"},
          {&columns::Form20::Label37, "1.00"},
          {&columns::Form20::Label43, "1.1"},
          {&columns::Form20::Label55, "562"},
          {&columns::Form20::Label49, "156"},
          {&columns::Form20::Label57, "28%"},
          {&columns::Form20::Label58, "5.34"},
          {&columns::Form20::Label47, "19.25"},
          {&columns::Form20::Label25, "17"},
          {&columns::Form20::Label4, "34%"}}},
        // DF-L Stud 4x4 (Table 4A: Fc 850, E 1.4), 8 ft both ways, 4,000 lb, NDS 2018. Stud CF at 3.5 in.
        // is 1.05: Fc* 892.5. le/d 96 / 3.5 = 27.43 both ways (a tie: D2 shown), FcE = 0.822 x 0.3653 x
        // 1.4E6 / 27.43^2 = 558.78, Cp 0.516039, Fc' 460.56; fc = 4000 / 12.25 = 326.53, 71 %;
        // required 8.68 in^2. The le/d shown is 27, so its ratio is 27 / 50 = 54 %.
        {"stud grade",
         [](Driver& driver, app::Program& program) {
             driver.click(program.form18.FramingButton);
             driver.choose(program.form18.ColSpeciesCombo, "DF-L Stud");
         },
         "4000",
         "8",
         "8",
         "8",
         "4x",
         "4",
         "D2 controls, d is the actual column width for D2.",
         {{&columns::Form20::Label21, "3.5"},
          {&columns::Form20::Label29, "559"},
          {&columns::Form20::Label45, "0.52"},
          {&columns::Form20::Label39, "1.05"},
          {&columns::Form20::Label55, "461"},
          {&columns::Form20::Label49, "327"},
          {&columns::Form20::Label57, "71%"},
          {&columns::Form20::Label58, "8.68"},
          {&columns::Form20::Label25, "27"},
          {&columns::Form20::Label4, "54%"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Driver driver;
        app::Program& program = driver.start<app::Program>();
        columns::Form18& f18 = program.form18;
        columns::Form20& f20 = program.form20;
        driver.menu(program.form1.MnuColDesign);
        c.options(driver, program);
        driver.retype(f18.cReacText, c.load);
        driver.retype(f18.cHTtext, c.height);
        driver.retype(f18.cD1text, c.l1);
        driver.retype(f18.cD2text, c.l2);
        driver.click(f18.CmdOK);
        ASSERT_TRUE(f20.visible());
        driver.retype(f20.D1selected, c.d1);
        driver.retype(f20.D2selected, c.d2);
        driver.retype(f20.SelectColumnText, f18.ColSpeciesCombo.text());
        driver.click(f20.ColPickCmdOK);
        EXPECT_EQ(f20.Dcontrollabel.caption(), c.control);
        for (const auto& [label, text] : c.shown) {
            EXPECT_EQ((f20.*label).caption(), text) << (f20.*label).name();
        }
        EXPECT_TRUE(f20.CmdColReportOK.enabled());
    }
}

// The rows and the type texts follow the criteria form's column type and value group.
TEST(Form20Rows, FollowTheColumnTypeAndValueGroup)
{
    struct Case
    {
        const char* name;
        std::function<void(Driver&, columns::Form18&)> choose;
        std::array<const char*, 5> thickness;
        const char* type;
        const char* values;
    };
    const Case cases[] = {
        {"nailed",
         [](Driver& d, columns::Form18& f) {
             d.click(f.FramingButton);
             d.click(f.CNailedButton);
         },
         {"", "(2) 2x", "(3) 2x", "(4) 2x", "(5) 2x"},
         "Built-up Nailed 2xs",
         "Dimension lumber"},
        {"bolted",
         [](Driver& d, columns::Form18& f) {
             d.click(f.FramingButton);
             d.click(f.CBoltedButton);
         },
         {"", "(2) 2x", "(3) 2x", "(4) 2x", "(5) 2x"},
         "Built-up Bolted 2xs",
         "Dimension lumber"},
        {"2x or 4x",
         [](Driver& d, columns::Form18& f) { d.click(f.FramingButton); },
         {"2x", "4x", "", "", ""},
         "2x and 4x Solid Sawn",
         "Dimension lumber"},
        {"posts",
         [](Driver&, columns::Form18&) {},
         {"", "", "6x", "8x", "10x"},
         "6x+ Solid Sawn",
         "Post and Timber"},
        {"beams",
         [](Driver& d, columns::Form18& f) { d.click(f.StringerButton); },
         {"", "", "6x", "", "10x"},
         "6x+ Solid Sawn",
         "Beam and Stringer"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Driver driver;
        app::Program& program = driver.start<app::Program>();
        columns::Form18& f18 = program.form18;
        columns::Form20& f20 = program.form20;
        driver.menu(program.form1.MnuColDesign);
        c.choose(driver, f18);
        driver.retype(f18.cReacText, "1000");
        driver.retype(f18.cHTtext, "8");
        driver.retype(f18.cD1text, "8");
        driver.retype(f18.cD2text, "8");
        driver.click(f18.CmdOK);
        ASSERT_TRUE(f20.visible());
        for (int i = 0; i <= 4; ++i) {
            EXPECT_EQ(f20.ColWid(i).caption(), c.thickness[static_cast<std::size_t>(i)]) << i;
            EXPECT_EQ(f20.ColDep(i).visible(), *c.thickness[static_cast<std::size_t>(i)] != '\0') << i;
        }
        EXPECT_EQ(f20.cLabelType.caption(), c.type);
        EXPECT_EQ(f20.cLabelvalue.caption(), c.values);
        EXPECT_EQ(f20.Label6.caption(),
                  "If D1 and D2 do not match your intended orientation to the beam and "
                  "unbraced length, return to form 1 and reverse entries for D1 and D2.");
    }
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

TEST_F(Form20Test, ReportCaptionsAndEntries)
{
    calculate("20000", "10", "10", "10");
    const std::pair<platform::Label*, const char*> captions[] = {
        {&f20.Label24, "le/d"},     {&f20.Label26, "PSI"},
        {&f20.Label46, "Area"},     {&f20.Label48, "Actual"},
        {&f20.Label52, "Critical"}, {&f20.Label53, "Status"},
        {&f20.Label54, "Ratio"},    {&f20.Label20, "d"},
        {&f20.Label18, "le"},       {&f20.Label44, "Cp"},
        {&f20.Label28, "FcE"},      {&f20.Label42, "Cf"},
        {&f20.Label2, "c"},         {&f20.Label30, "KcE"},
        {&f20.Label40, "Adj E'"},   {&f20.Label34, "Wet CmE"},
        {&f20.Label36, "Wet CmFc"}, {&f20.Label32, "Builtup Kf"},
        {&f20.Label38, "Adj Fc*"},  {&f20.Label50, "D1   x"},
        {&f20.Label51, "D2"},       {&f20.Label23, "Species and Grade"},
    };
    for (const auto& [label, text] : captions) {
        EXPECT_EQ(label->caption(), text) << label->name();
        EXPECT_EQ(label->container(), label == &f20.Label50 || label == &f20.Label51 || label == &f20.Label23
                                          ? &f20.Frame3D2
                                          : &f20.Frame3D3)
            << label->name();
    }
    EXPECT_EQ(f20.Label20.foreColor(), platform::rgb(128, 0, 0));
    for (platform::TextBox* box : {&f20.D1selected, &f20.D2selected, &f20.SelectColumnText}) {
        EXPECT_EQ(box->props().alignment, platform::Alignment::Center) << box->name();
    }
    EXPECT_EQ(f20.D1selected.maxLength(), 7);
    EXPECT_EQ(f20.D2selected.maxLength(), 6);
    EXPECT_EQ(f20.SelectColumnText.maxLength(), 30);
}

// The record button and menu go together and stand only for the size last accepted; the "Update
// Report" caption turns bold where the user should press it.
TEST_F(Form20Test, RecordAvailabilityAndCaptionWeight)
{
    calculate("20000", "10", "10", "10");
    struct Step
    {
        const char* name;
        std::function<void()> act;
        bool bold;
        bool record;
    };
    const Step steps[] = {
        {"quick pick", [&] { driver.click(f20.ColDep(2)); }, false, true},
        {"width typed", [&] { driver.retype(f20.D2selected, "8"); }, true, false},
        {"species typed", [&] { driver.retype(f20.SelectColumnText, "DF-L Select"); }, true, false},
        {"update", [&] { driver.click(f20.ColPickCmdOK); }, false, true},
        {"update again", [&] { driver.click(f20.ColPickCmdOK); }, false, true},
        {"thickness typed", [&] { driver.retype(f20.D1selected, "8x"); }, false, false},
        {"refused thickness",
         [&] {
             driver.retype(f20.D1selected, "8X");
             driver.click(f20.ColPickCmdOK);
         },
         true, false},
        {"species emptied",
         [&] {
             driver.retype(f20.D1selected, "8x");
             driver.retype(f20.SelectColumnText, "");
         },
         false, false},
        {"missing species", [&] { driver.click(f20.ColPickCmdOK); }, false, false},
        {"species back",
         [&] {
             driver.retype(f20.SelectColumnText, "DF-L Select");
             driver.click(f20.ColPickCmdOK);
         },
         false, true},
        {"record form and back",
         [&] {
             driver.click(f20.CmdColReportOK);
             ASSERT_TRUE(program.form19.visible());
             driver.menu(program.form19.backmnu);
             ASSERT_TRUE(f20.visible());
         },
         false, true},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.act();
        EXPECT_EQ(f20.ColPickCmdOK.font().bold, step.bold);
        EXPECT_EQ(f20.CmdColReportOK.enabled(), step.record);
        EXPECT_EQ(f20.MnuColData.enabled(), step.record);
    }
    // The 8x8 report survived the trip to the record form: 8x8 posts, Fc' of a 7.5 in. face.
    EXPECT_EQ(f20.Label21.caption(), "7.5");
    EXPECT_EQ(f20.D1selected.text(), "8x");
}

// Slenderness is judged on le as shown, rounded to whole inches: 4x4 DF-L #1 (d 3.5 in.), D2 braced.
TEST_F(Form20Test, SlendernessFromTheShownLe)
{
    driver.click(f18.FramingButton);
    driver.choose(f18.ColSpeciesCombo, "DF-L #1");
    struct Case
    {
        const char* l1;
        const char* le;
        const char* ratio;
        const char* status;
        const char* percent;
    };
    const Case cases[] = {
        // 14.617 ft x 12 = 175.404 in. shows "175": 175 / 3.5 = 50 exactly, which passes.
        {"14.617", "175", "50", "OK", "100%"},
        // 14.9 ft = 178.8 in. shows "179": 179 / 3.5 = 51.14 shows "51" and fails; 51 / 50 = 102 %.
        {"14.9", "179", "51", "Fail", "102%"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.l1);
        driver.retype(f18.cReacText, "1000");
        driver.retype(f18.cHTtext, "15");
        driver.retype(f18.cD1text, c.l1);
        driver.retype(f18.cD2text, "0");
        driver.click(f18.CmdOK);
        ASSERT_TRUE(f20.visible());
        driver.retype(f20.D1selected, "4x");
        driver.retype(f20.D2selected, "4");
        driver.retype(f20.SelectColumnText, "DF-L #1");
        driver.click(f20.ColPickCmdOK);
        EXPECT_EQ(f20.Dcontrollabel.caption(), "D1 controls, d is the actual column width for D1.");
        EXPECT_EQ(f20.Label19.caption(), c.le);
        EXPECT_EQ(f20.Label25.caption(), c.ratio);
        EXPECT_EQ(f20.Label3.caption(), c.status);
        EXPECT_EQ(f20.Label4.caption(), c.percent);
        const bool fail = std::string(c.status) == "Fail";
        EXPECT_EQ(f20.Label3.font().italic, fail);
        EXPECT_EQ(f20.Label3.foreColor(), fail ? platform::rgb(128, 0, 0) : platform::rgb(0, 0, 0));
        driver.menu(f20.backmnu);
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
