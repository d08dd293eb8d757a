// The steel selection form driven as a user would: a steel beam calculated on the criteria form, the
// family's activation (heading, sketch, format example, quick picks), the depth limit, paging, typed
// designations, the status and bracing lines, the database and help messages, the menus and the
// close box.
#include "steel/Form22.h"

#include "app/Form1.h"
#include "app/Program.h"
#include "beam/BeamState.h"
#include "platform/headless/Driver.h"
#include "steel/SteelChecks.h"
#include "steel/SteelState.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

using platform::test::Driver;

class Form22Test : public testing::Test
{
  protected:
    // A light simple span that every size of a family passes unless the depth limit or bracing says no.
    void calculate(platform::OptionButton* family, const char* span = "10", const char* unif = "100",
                   const char* lunif = "50", const char* ubl = nullptr)
    {
        driver.choose(form1.Combo1, "Steel Beams");
        if (family != nullptr) {
            driver.click(*family);
        }
        driver.retype(form1.Span, span);
        driver.retype(form1.UNIF, unif);
        driver.retype(form1.LUNIF, lunif);
        if (ubl != nullptr) {
            driver.retype(form1.UBLtext, ubl);
        }
        driver.click(form1.CmdOK);
    }

    std::vector<std::string> picks()
    {
        std::vector<std::string> result;
        for (int i = 0; i < steel::QuickPickCount; ++i) {
            result.push_back(form22.StlPick(i).caption());
        }
        return result;
    }

    std::vector<std::string> rowOf(int i)
    {
        return {form22.StlPick(i).caption(),     form22.StlDepLab(i).caption(),
                form22.StlWidLab(i).caption(),   form22.UBLlab(i).caption(),
                form22.StlSecPerct(i).caption(), form22.StlShearPerct(i).caption()};
    }

    Driver driver;
    app::Program& program = driver.start<app::Program>();
    app::Form1& form1 = program.form1;
    steel::Form22& form22 = program.form22;
};

// W family, span 10 ft, 100 plf, fully braced: every W row passes, so the first sixteen rows in table
// order are offered. W 6x 9: M = (100 + 9) x 10^2 / 8 = 1,362.5 ft-lb, S66 = 1,362.5 x 12 / 23,760 =
// 0.688 in^3 against Sx 5.56 (12%); V = 109 x 10 / 2 = 545 lb, fv = 545 / (5.9 x 0.17) = 543 psi against
// 14,400 (4%); Lc at 36 ksi 4.2 ft.
TEST_F(Form22Test, WideFlangeActivationOffersTheFirstSixteenRowsInTableOrder)
{
    calculate(&form1.WFbutton, "10", "100", "50", "0");
    ASSERT_TRUE(form22.visible());
    EXPECT_TRUE(driver.messages().empty());
    EXPECT_EQ(form22.Label4.caption(), "Depth x Weight");
    EXPECT_EQ(form22.StlFormatLabel.caption(), "W 8x 18");
    EXPECT_EQ(form22.Label6.caption(), "Wide flange");
    EXPECT_TRUE(form22.WF(0).visible());
    EXPECT_FALSE(form22.TU(0).visible());
    const std::vector<std::string> expected = {
        "W 6x 9",   "W 8x 10", "W 6x 12", "W 10x 12", "W 6x 15",  "W 8x 13", "W 12x 14", "W 8x 15",
        "W 10x 15", "W 5x 16", "W 6x 16", "W 12x 16", "W 10x 17", "W 8x 18", "W 5x 19",  "W 10x 19"};
    EXPECT_EQ(picks(), expected);
    EXPECT_EQ(rowOf(0), (std::vector<std::string>{"W 6x 9", "5-7/8", "4", "Lc = 4.2", "12%", "4%"}));
    EXPECT_EQ(form22.StlChoice.text(), "");
    EXPECT_TRUE(form22.Morebutton.enabled());
    EXPECT_FALSE(form22.Backbutton.enabled());
    EXPECT_EQ(form22.StlPanel.caption(), "Laterally supported compression flange");
    EXPECT_EQ(form22.StlStatis.caption(), "   Selection:  None");
    EXPECT_EQ(program.steel.StlFirstRow, 0);
    EXPECT_EQ(program.steel.StlLastRow, 153);
    EXPECT_EQ(program.steel.StlMaxDepth, 0.75f);
}

// Depth "6" keeps rows up to 6.75 in.: W 6x 9 .. W 6x 25 and W 4x 13, the last W row; "More" shows it.
TEST_F(Form22Test, DepthLimitAndPaging)
{
    driver.choose(form1.Combo1, "Steel Beams");
    driver.choose(form1.DepCombo, "6");
    calculate(nullptr, "10", "100", "50", "0");
    EXPECT_EQ(program.steel.StlMaxDepth, 6.75f);
    const std::vector<std::string> expected = {
        "W 6x 9",  "W 6x 12", "W 6x 15", "W 5x 16", "W 6x 16", "W 5x 19", "W 6x 20", "W 6x 25",
        "W 4x 13", "",        "",        "",        "",        "",        "",        ""};
    EXPECT_EQ(picks(), expected);
    const std::vector<std::string> first = rowOf(0);
    driver.click(form22.Morebutton);
    EXPECT_EQ(form22.StlPick(0).caption(), "W 4x 13");
    EXPECT_EQ(form22.StlDepLab(0).caption(), "4-1/8");
    EXPECT_EQ(form22.StlPick(1).caption(), "");
    EXPECT_FALSE(form22.Morebutton.enabled());
    EXPECT_TRUE(form22.Backbutton.enabled());
    EXPECT_EQ(program.beam.flags.QuickpickMore, -1);
    driver.click(form22.Backbutton);
    EXPECT_EQ(rowOf(0), first);
    EXPECT_EQ(form22.StlPick(7).caption(), "W 6x 25");
    EXPECT_TRUE(form22.Morebutton.enabled());
    EXPECT_EQ(program.beam.flags.QuickpickMore, 0);
}

// Lb = 5 ft: rows whose Lc reaches 5 take the Lc case, those whose Lu reaches it the Lu case (Lu = Lb
// passes), the rest are dropped (W 8x 10: Lc 4.2, Lu 4.7). The lengths show as "#.0#": 5 as 5.0.
TEST_F(Form22Test, UnbracedLengthSelectsAndCaptionsTheRows)
{
    calculate(&form1.WFbutton, "10", "100", "50", "5");
    const std::vector<std::string> expected = {
        "W 6x 9",  "Lu = 6.7", "W 6x 12",  "Lu = 8.6", "W 6x 15", "Lc = 6.3", "W 8x 13", "Lu = 5.9",
        "W 8x 15", "Lu = 7.2", "W 10x 15", "Lu = 5.0", "W 5x 16", "Lc = 5.3", "W 6x 16", "Lu = 12.0"};
    std::vector<std::string> shown;
    for (int i = 0; i < 8; ++i) {
        shown.push_back(form22.StlPick(i).caption());
        shown.push_back(form22.UBLlab(i).caption());
    }
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(form22.StlPanel.caption(), "Proposed Max Unbraced Length is 5 ft");
}

// With "Use 50 ksi Values" the 50 ksi Lc and Lu columns decide and caption the rows (W 6x 9: Lc 3.5,
// Lu 4.8, dropped at Lb = 5 ft), and the allowables are 0.60 x 50 ksi = 30,000 and 0.40 x 50 ksi =
// 20,000 psi. W 6x 12 in the Lu case: M = 112 x 10^2 / 8 = 1,400 ft-lb, S60 = 1,400 x 12 / 30,000 =
// 0.56 in^3 against 7.31 (8%); V = 560 lb, fv = 560 / (6.03 x 0.23) = 404 psi (2%).
TEST_F(Form22Test, FiftyKsiColumnsAndAllowables)
{
    driver.choose(form1.Combo1, "Steel Beams");
    driver.click(form1.ksi50);
    calculate(&form1.WFbutton, "10", "100", "50", "5");
    const std::vector<std::string> expected = {
        "W 6x 12", "Lu = 6.2", "W 6x 15", "Lc = 5.4", "W 8x 15", "Lu = 5.2",  "W 5x 16",  "Lu = 12.0",
        "W 6x 16", "Lu = 8.7", "W 8x 18", "Lu = 7.1", "W 5x 19", "Lu = 14.0", "W 10x 19", "Lu = 5.2"};
    std::vector<std::string> shown;
    for (int i = 0; i < 8; ++i) {
        shown.push_back(form22.StlPick(i).caption());
        shown.push_back(form22.UBLlab(i).caption());
    }
    EXPECT_EQ(shown, expected);
    EXPECT_EQ(form22.StlSecPerct(0).caption(), "8%");
    EXPECT_EQ(form22.StlShearPerct(0).caption(), "2%");
    EXPECT_EQ(program.steel.setup.StlFbLu, 30000);
}

struct FamilyCase
{
    platform::OptionButton app::Form1::*option;
    const char* heading;
    const char* format;
    const char* name;
    const char* firstPick;
    const char* unbraced;
    std::int16_t first, last;
    const char* sketch; // a line of the family's cross-section sketch
    const char* bracing;
};

// Each family's heading, format example, name, row range and first offered size with its unbraced
// length caption: tubes "any OK", plates "0", MC channels the Lu case only (W 0.66 Fy needs Lc > 0).
TEST_F(Form22Test, EveryFamilyActivates)
{
    const FamilyCase cases[] = {
        {&app::Form1::SFbutton, "Depth x Weight", "S 8x 18.4", "Standard", "S 3x 5.7", "Lc = 2.5", 154, 184,
         "SF", "Laterally supported compression flange"},
        {&app::Form1::CFbutton, "Depth x Weight", "C 8x 8.5", "Channel", "C 3x 3.5", "Lu = 5.7", 185, 213,
         "CH", "Laterally supported compression flange"},
        {&app::Form1::MCbutton, "Depth x Weight", "MC 8x 18.75", "Miscellaneous Channel", "MC 3x 7.1",
         "Lu = 4.6", 432, 467, "CH", "Laterally supported compression flange"},
        {&app::Form1::TUbutton, "Depth x Breadth x Wall Thickness", "T 8x 6x 1/4", "Structural Tube",
         "T 4x 2x 3/16", "any OK", 214, 323, "TU", "Compression flange lateral support not required"},
        {&app::Form1::PLbutton, "(Quantity > 1) - Depth x Breadth", "PL 9x 5/8", "Plate(s) for flitch beam",
         "PL 3x 1/4", "0", 324, 377, "Line3", "Top loading and full lateral support required"},
        {&app::Form1::DblPLbutton, "(Quantity > 1) - Depth x Breadth", "(2) PL 9x 5/8",
         "Plate(s) for flitch beam", "(2) PL 3x 1/4", "0", 378, 431, "Line3",
         "Top loading and full lateral support required"},
    };
    for (const FamilyCase& c : cases) {
        SCOPED_TRACE(c.format);
        Driver d;
        app::Program& p = d.start<app::Program>();
        d.choose(p.form1.Combo1, "Steel Beams");
        d.click(p.form1.*c.option);
        d.retype(p.form1.Span, "4");
        d.retype(p.form1.UNIF, "50");
        d.retype(p.form1.LUNIF, "20");
        if (p.form1.UBLtext.enabled()) { // tubes and plates fix their own bracing
            d.retype(p.form1.UBLtext, "0");
        }
        d.click(p.form1.CmdOK);
        ASSERT_TRUE(p.form22.visible());
        EXPECT_EQ(p.form22.Label4.caption(), c.heading);
        EXPECT_EQ(p.form22.StlFormatLabel.caption(), c.format);
        EXPECT_EQ(p.form22.Label6.caption(), c.name);
        EXPECT_EQ(p.form22.StlPick(0).caption(), c.firstPick);
        EXPECT_EQ(p.form22.UBLlab(0).caption(), c.unbraced);
        EXPECT_EQ(p.steel.StlFirstRow, c.first);
        EXPECT_EQ(p.steel.StlLastRow, c.last);
        EXPECT_TRUE(p.form22.findControl(c.sketch, 0)->visible());
        EXPECT_FALSE(p.form22.WF(0).visible());
        EXPECT_EQ(p.form22.StlPanel.caption(), c.bracing);
        EXPECT_TRUE(d.messages().empty()) << d.messages().front().text;
    }
}

} // namespace
