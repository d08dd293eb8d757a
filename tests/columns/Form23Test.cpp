// The steel column data record from the selection form on: the fill of the worked example, the Goto
// menus, the save command's flags and leaving the columns.
#include "columns/Form23.h"

#include "app/Form1.h"
#include "app/Form12.h"
#include "app/Program.h"
#include "columns/ColumnState.h"
#include "columns/Form10.h"
#include "columns/Form18.h"
#include "platform/headless/Driver.h"
#include "report/Form7.h"
#include "report/RecordState.h"

#include <gtest/gtest.h>

namespace
{

using platform::test::Driver;

class Form23Test : public testing::Test
{
  protected:
    void SetUp() override
    {
        driver.menu(program.form1.MnuColDesign);
        driver.click(f18.SteelButton);
        driver.retype(f18.ColumnProj, "Barn");
        driver.retype(f18.cReacText, "50000");
        driver.retype(f18.cHTtext, "12");
        driver.retype(f18.cD1text, "12");
        driver.click(f18.CmdOK);
        driver.click(program.form10.TubeCol(0));
        driver.click(program.form10.PrintPreviewbutton);
        ASSERT_TRUE(f23.visible());
    }

    Driver driver;
    app::Program& program = driver.start<app::Program>();
    columns::Form18& f18 = program.form18;
    columns::Form23& f23 = program.form23;
};

TEST_F(Form23Test, FillOfTheWorkedExample)
{
    const std::pair<platform::Label*, const char*> shown[] = {
        {&f23.Label3, "Barn"},
        {&f23.Label10, "4 x 4 x 1/4   Structural Tube ASTM A500 Grade B"},
        {&f23.Label59, "Actual outside dimensions:  4 x 4 inches"},
        {&f23.Label12, "Loading is concentric on a primary column member.  Maximum Kl/r is 200.  "},
        {&f23.Label15, "50,000"},
        {&f23.Label17, "12"},
        {&f23.Label19, "12"},
        {&f23.Label23, "12"}, // K 1.0 x 144 in. / 12
        {&f23.Label29, "3.6"},
        {&f23.Label60, "46,000"},
        {&f23.Label61, "12.21"},
        {&f23.Label30, "1.00"},
        {&f23.Label71, "15.3"},
        {&f23.Label75, "111.5"},
        {&f23.Label76, "1.51"},
        {&f23.Label77, "29"},
        {&f23.Label36, "95"},
        {&f23.Label39, "200"},
        {&f23.Label40, "OK"},
        {&f23.Label41, "48%"},
        {&f23.Label50, "13.9"},
        {&f23.Label38, "15.3"},
        {&f23.Label81, "3.6"},
        {&f23.Label82, "3.3"},
        {&f23.Label51, "OK"},
        {&f23.Label83, "OK"},
        {&f23.Label52, "91%"},
        {&f23.Label84, "91%"},
    };
    for (const auto& [label, text] : shown) {
        EXPECT_EQ(label->caption(), text) << label->name();
    }
    EXPECT_TRUE(f23.MnuSelection.enabled());
}

TEST_F(Form23Test, SaveClearsEveryRequestAndBackReturnsToTheSelection)
{
    program.record.flags.WoodColRequest = -1;
    driver.menu(f23.MnuSaveStlCol);
    // A wood request left from an earlier print must not take the save; the header form's activation
    // turns the steel current flag into the request.
    EXPECT_EQ(program.record.flags.WoodColRequest, 0);
    EXPECT_EQ(program.record.flags.SteelColRequest, -1);
    EXPECT_TRUE(program.form7.visible());
}

// A fill that fails in one step (here an effective height beyond the Single range, set straight into
// the design values) must not leave a half-filled record to print, save or copy; the next complete
// fill gives the commands back.
TEST_F(Form23Test, AFailedFillStepKeepsTheRecordCommandsUntilAFillCompletes)
{
    program.columnState.StlColL = 3.0e38f;
    program.columnState.criteria.ColKe = 3.0e38f;
    driver.menu(f23.MnuHelp);
    driver.menu(program.form12.MnuExit);
    ASSERT_TRUE(f23.visible());
    EXPECT_EQ(driver.messages().back().text, "Error loading form23");
    EXPECT_EQ(f23.Label23.caption(), "12");  // the failed step's label keeps its caption
    EXPECT_EQ(f23.Label29.caption(), "3.6"); // the later steps still ran
    for (platform::Control* c : std::initializer_list<platform::Control*>{
             &f23.Command3D1, &f23.MnuPrintColumn, &f23.MnuSaveStlCol, &f23.MnuCopyClipStl}) {
        EXPECT_FALSE(c->enabled()) << c->name();
    }

    program.columnState.StlColL = 144.0f;
    program.columnState.criteria.ColKe = 1.0f;
    driver.menu(f23.MnuHelp);
    driver.menu(program.form12.MnuExit);
    EXPECT_TRUE(f23.Command3D1.enabled());
    EXPECT_TRUE(f23.MnuCopyClipStl.enabled());
}

TEST_F(Form23Test, BackAndExit)
{
    driver.menu(f23.backmnu);
    EXPECT_TRUE(program.form10.visible());
    EXPECT_FALSE(f23.visible());
    driver.menu(program.form10.MnuExit);
    EXPECT_TRUE(program.form1.visible());
    EXPECT_FALSE(program.form10.visible());
}

} // namespace

namespace
{

// The effective height is K x l / 12 in feet as a plain number, "0" without an unbraced length; Fy
// shows in psi with a separator: 36,000 for pipe, 46,000 for tube.
TEST(Form23Fill, EffectiveHeightAndYieldStress)
{
    struct Case
    {
        const char* l1;
        const char* ke;
        bool pipe;
        const char* effective;
        const char* fy;
    };
    const Case cases[] = {
        {"10", "1.00", false, "10", "46,000"},   // 1.0 x 120 / 12
        {"12.5", "0.80", true, "10", "36,000"},  // 0.8 x 150 / 12
        {"0", "1.00", true, "0", "36,000"},      // braced throughout
        {"13", "0.65", false, "8.45", "46,000"}, // 0.65 x 156 / 12
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.l1);
        platform::test::Driver driver;
        app::Program& program = driver.start<app::Program>();
        columns::Form18& f18 = program.form18;
        driver.menu(program.form1.MnuColDesign);
        driver.click(f18.SteelButton);
        driver.retype(f18.cReacText, "20000");
        driver.retype(f18.cHTtext, "14");
        driver.retype(f18.cD1text, c.l1);
        driver.retype(f18.cModeText, c.ke);
        driver.click(f18.CmdOK);
        driver.click(c.pipe ? program.form10.StdRndBut : program.form10.TubeCol(0));
        driver.click(program.form10.PrintPreviewbutton);
        ASSERT_TRUE(program.form23.visible());
        EXPECT_EQ(program.form23.Label19.caption(), c.l1);
        EXPECT_EQ(program.form23.Label23.caption(), c.effective);
        EXPECT_EQ(program.form23.Label60.caption(), c.fy);
    }
}

// Choosing a wood species on the beam criteria form unloads the steel column record, so nothing of it
// shows for wood.
TEST(Form23Species, AWoodSpeciesUnloadsTheSteelRecord)
{
    platform::test::Driver driver;
    app::Program& program = driver.start<app::Program>();
    driver.runtime().dispatch([&] { program.form23.show(); });
    ASSERT_TRUE(program.form23.loaded());
    driver.runtime().dispatch([&] { program.form23.hide(); });
    driver.choose(program.form1.Combo1, "Southern Pine");
    EXPECT_FALSE(program.form23.loaded());
}

} // namespace
