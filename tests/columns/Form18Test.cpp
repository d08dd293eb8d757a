// The column criteria form driven as a user does: opening from the criteria form, the species
// preselection and value lookup, the entry checks, the cycles and the refusals of "OK Calculate".
#include "columns/Form18.h"

#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "columns/ColumnState.h"
#include "columns/Form20.h"
#include "platform/forms/Runtime.h"
#include "platform/headless/Driver.h"
#include "report/Form21.h"
#include "report/RecordState.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace
{

using platform::test::Driver;

class Form18Test : public testing::Test
{
  protected:
    void SetUp() override
    {
        driver.menu(program.form1.MnuColDesign);
        ASSERT_TRUE(f18.visible());
        ASSERT_FALSE(program.form1.visible());
    }

    std::string lastMessage() { return driver.messages().empty() ? "" : driver.messages().back().text; }

    void fill(const char* load, const char* height, const char* l1, const char* l2)
    {
        driver.retype(f18.cReacText, load);
        driver.retype(f18.cHTtext, height);
        driver.retype(f18.cD1text, l1);
        driver.retype(f18.cD2text, l2);
    }

    Driver driver;
    app::Program& program = driver.start<app::Program>();
    columns::Form18& f18 = program.form18;
};

TEST_F(Form18Test, OpensOnPostsWithThePreselectedSpecies)
{
    // Group 0 on the criteria form: "DF-L Select" posts and timbers, Fc 1150, E 1.6 (Table 4D).
    EXPECT_TRUE(f18.WoodButton.value());
    EXPECT_TRUE(f18.TimberButton.value());
    EXPECT_TRUE(f18.CSolidButton.value());
    EXPECT_EQ(f18.ColSpeciesCombo.text(), "DF-L Select");
    EXPECT_EQ(f18.cFcText.text(), "1150");
    EXPECT_EQ(f18.cEtext.text(), "1.6");
    EXPECT_EQ(f18.ColSpeciesCombo.listCount(), 40);
}

// The species group of the beam criteria form picks the first species; Fc and E are the posts and
// timbers values of Table 4D ("Custom" leaves both empty).
TEST(Form18Preselection, FollowsTheBeamSpeciesGroup)
{
    struct Case
    {
        int group;
        int listPosition; // of the beam form's species list, which selects the group
        const char* species;
        const char* fc;
        const char* e;
    };
    const Case cases[] = {
        {5, 5, "Custom", "", ""},
        {7, 7, "Custom", "", ""},
        {8, 8, "Custom", "", ""},
        {3, 1, "Western Cedar Select", "925", "1.0"},
        {4, 2, "Eastern Hem-Tam Select", "1000", "1.2"},
        {1, 3, "DF-L North Select", "1150", "1.6"},
        {2, 4, "SPF Select", "800", "1.3"},
        {6, 6, "Red Oak Select", "875", "1.2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.group);
        Driver driver;
        app::Program& program = driver.start<app::Program>();
        driver.choose(program.form1.Combo1, c.listPosition);
        ASSERT_TRUE(program.form1.group(c.group).value());
        driver.clearMessages();
        driver.menu(program.form1.MnuColDesign);
        columns::Form18& f18 = program.form18;
        ASSERT_TRUE(f18.visible());
        EXPECT_EQ(f18.ColSpeciesCombo.text(), c.species);
        EXPECT_EQ(f18.cFcText.text(), c.fc);
        EXPECT_EQ(f18.cEtext.text(), c.e);
        EXPECT_TRUE(f18.TimberButton.value());
    }
}

TEST_F(Form18Test, ValueGroupsKeepTheSpeciesAndLookItUpAgain)
{
    driver.choose(f18.ColSpeciesCombo, "DF-L #1");
    EXPECT_EQ(f18.cFcText.text(), "1000");
    driver.click(f18.StringerButton);
    EXPECT_EQ(f18.cFcText.text(), "925");
    EXPECT_EQ(f18.ColSpeciesCombo.listCount(), 37);
    driver.click(f18.FramingButton);
    EXPECT_EQ(f18.ColSpeciesCombo.text(), "DF-L #1");
    EXPECT_EQ(f18.cFcText.text(), "1500");
    EXPECT_EQ(f18.cEtext.text(), "1.7");
    EXPECT_TRUE(f18.cSolid4xbutton.value());
    EXPECT_FALSE(f18.CSolidButton.enabled());
    driver.choose(f18.ColSpeciesCombo, "Custom");
    EXPECT_EQ(f18.cFcText.text(), "");
    EXPECT_EQ(f18.cEtext.text(), "");

    // Southern Pine has no dimension lumber row here: the text goes.
    driver.click(f18.TimberButton);
    driver.choose(f18.ColSpeciesCombo, "Southern Pine Select");
    driver.click(f18.FramingButton);
    EXPECT_EQ(f18.ColSpeciesCombo.text(), "");
}

// A name typed into the species box fills nothing, but stays across a change of value group, whose
// lookup then reads it: DF-L #2 dimension lumber Fc 1350, E 1.6 (NDS Supplement Table 4A); DF-L #1
// posts and timbers Fc 1000, E 1.6 (Table 4D).
TEST_F(Form18Test, ATypedSpeciesFillsNothingAndTheNextValueGroupLooksItUp)
{
    driver.click(f18.FramingButton);
    driver.choose(f18.ColSpeciesCombo, "DF-L #2");
    driver.retype(f18.ColSpeciesCombo, "DF-L #1");
    EXPECT_EQ(f18.cFcText.text(), "1350");
    EXPECT_EQ(f18.cEtext.text(), "1.6");
    driver.click(f18.TimberButton);
    EXPECT_EQ(f18.ColSpeciesCombo.text(), "DF-L #1");
    EXPECT_EQ(f18.cFcText.text(), "1000");
    EXPECT_EQ(f18.cEtext.text(), "1.6");

    driver.retype(f18.ColSpeciesCombo, "Alaska Yellow Cedar #1");
    EXPECT_EQ(f18.cFcText.text(), "1000");
    driver.click(f18.StringerButton); // no row of that name: the values are the user's to enter
    EXPECT_EQ(f18.ColSpeciesCombo.text(), "Alaska Yellow Cedar #1");
    EXPECT_EQ(f18.cFcText.text(), "");
    EXPECT_EQ(f18.cEtext.text(), "");
}

// Any typed name passes "OK Calculate" and becomes the column's species; an empty box is refused; a
// typed name that equals a Stud grade entry is that entry for the Stud rule.
TEST_F(Form18Test, OkCalculateTakesTypedSpeciesNames)
{
    fill("5000", "10", "10", "10");
    driver.retype(f18.ColSpeciesCombo, "");
    driver.clearMessages();
    driver.click(f18.CmdOK);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, "Please enter a species and grade for your documentation.");
    EXPECT_EQ(program.runtime.activeControl(), &f18.ColSpeciesCombo);
    EXPECT_TRUE(f18.visible());

    driver.click(f18.FramingButton);
    driver.retype(f18.ColSpeciesCombo, "DF-L Stud");
    driver.retype(f18.cFcText, "850");
    driver.retype(f18.cEtext, "1.4");
    driver.retype(f18.cHTtext, "10.5");
    driver.clearMessages();
    driver.click(f18.CmdOK);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_TRUE(driver.messages()[0].text.starts_with("Attention:  Stud Grade"));

    driver.retype(f18.ColSpeciesCombo, "Spruce Stud (local)");
    driver.clearMessages();
    driver.click(f18.CmdOK);
    EXPECT_TRUE(driver.messages().empty());
    EXPECT_EQ(program.columnState.criteria.ColSpecies, "Spruce Stud (local)");
    EXPECT_EQ(program.columnState.ColStudGrade, 0);
    EXPECT_TRUE(program.form20.visible());
}

TEST_F(Form18Test, BuiltUpTypesShowTheSheathingBox)
{
    driver.click(f18.FramingButton);
    driver.click(f18.CNailedButton);
    EXPECT_TRUE(f18.ResetKf.visible());
    EXPECT_TRUE(f18.bolt(0).visible());
    driver.click(f18.ResetKf);
    EXPECT_EQ(f18.cD1text.text(), "0");
    EXPECT_EQ(lastMessage(), "Unbraced Height of L1 should be zero as it is fully braced with sheathing.");
    driver.click(f18.cSolid4xbutton);
    EXPECT_FALSE(f18.ResetKf.visible());
    EXPECT_EQ(f18.ResetKf.value(), 0);
    EXPECT_EQ(f18.cD1text.text(), "");
}

TEST_F(Form18Test, EntryChecks)
{
    struct Case
    {
        platform::TextBox* box;
        const char* typed;
        bool stays;
    };
    const Case cases[] = {
        {&f18.cReacText, "0", false}, {&f18.cReacText, "5000", true}, {&f18.cHTtext, ".", false},
        {&f18.cD1text, "0", true},    {&f18.cD2text, "-", false},     {&f18.cFcText, "0", false},
        {&f18.cEtext, "0.", true},    {&f18.cEtext, "0.0", false},    {&f18.cDurText, ".", true},
        {&f18.cModeText, "0", true},  {&f18.cModeText, "x", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        driver.clearMessages();
        const int beeps = driver.beeps();
        driver.retype(*c.box, c.typed);
        EXPECT_EQ(c.box->text(), c.stays ? c.typed : "");
        EXPECT_EQ(driver.beeps() > beeps, !c.stays);
        EXPECT_EQ(driver.messages().empty(), c.stays);
    }
}

TEST_F(Form18Test, CyclesOfDurationAndBucklingMode)
{
    const char* durations[] = {"1.15", "1.25", "1.00", "1.15"};
    for (const char* expected : durations) {
        driver.click(f18.DurAdjbutton);
        EXPECT_EQ(f18.cDurText.text(), expected);
    }
    const char* modes[] = {"1.20", "2.10", "2.40", "0.65", "0.80", "1.00"};
    for (const char* expected : modes) {
        driver.click(f18.Modeadjbutton);
        EXPECT_EQ(f18.cModeText.text(), expected);
    }
}

TEST_F(Form18Test, OkCalculateRefusesInOrder)
{
    struct Case
    {
        const char* load;
        const char* height;
        const char* l1;
        const char* l2;
        const char* ke;
        const char* fc;
        const char* e;
        const char* messageStart;
        platform::TextBox* focus;
    };
    const Case cases[] = {
        {"", "", "", "", "1.00", "1150", "1.6", "Please enter a reaction weight", &f18.cReacText},
        {"5000", "", "", "", "1.00", "1150", "1.6", "Please enter an actual column height", &f18.cHTtext},
        // A Ke of 0 would take buckling away; it is refused like an empty one.
        {"5000", "10", "10", "10", "0", "1150", "1.6", "Please enter a valid numeric Buckling Mode",
         &f18.cModeText},
        {"5000", "10", "10", "10", "0.", "1150", "1.6", "Please enter a valid numeric Buckling Mode",
         &f18.cModeText},
        {"5000", "10", "10", "10", ".", "1150", "1.6", "Please enter a valid numeric Buckling Mode",
         &f18.cModeText},
        {"5000", "10", "", "10", "1.00", "1150", "1.6",
         "Please enter a valid numeric value for the unbraced length "
         "of the column in plane D1",
         &f18.cD1text},
        {"5000", "10", "10", "", "1.00", "1150", "1.6",
         "Please enter a valid numeric value for the unbraced length of D2", &f18.cD2text},
        {"5000", "10", "0", "0", "1.00", "1150", "1.6", "Please enter at least one unbraced length",
         &f18.cD1text},
        {"5000", "10", "10", "10", "1.00", "2500", "1.6", "Please enter a base value between 220 and 2500",
         &f18.cFcText},
        {"5000", "10", "10", "10", "1.00", "1150", "2.5", "Please enter a base value between 0.5 and 2.5",
         &f18.cEtext},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.messageStart);
        f18.ResetKf.setValue(0);
        fill(c.load, c.height, c.l1, c.l2);
        driver.retype(f18.cModeText, c.ke);
        driver.retype(f18.cFcText, c.fc);
        driver.retype(f18.cEtext, c.e);
        driver.clearMessages();
        driver.click(f18.CmdOK);
        ASSERT_FALSE(driver.messages().empty());
        EXPECT_TRUE(driver.messages().back().text.starts_with(c.messageStart))
            << driver.messages().back().text;
        EXPECT_EQ(program.runtime.activeControl(), c.focus);
        EXPECT_TRUE(f18.visible());
    }
}

TEST_F(Form18Test, StudGradeOverTenFeetIsRefusedWithoutBeep)
{
    driver.click(f18.FramingButton);
    driver.choose(f18.ColSpeciesCombo, "DF-L Stud");
    fill("5000", "10.1", "10", "10");
    driver.clearMessages();
    const int beeps = driver.beeps();
    driver.click(f18.CmdOK);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_TRUE(driver.messages()[0].text.starts_with("Attention:  Stud Grade"));
    EXPECT_EQ(driver.beeps(), beeps);

    driver.retype(f18.cHTtext, "10");
    driver.clearMessages();
    driver.click(f18.CmdOK);
    EXPECT_TRUE(driver.messages().empty());
    EXPECT_EQ(program.columnState.ColStudGrade, -1);
    EXPECT_FLOAT_EQ(program.columnState.criteria.ColFc, 850.0f);
}

// The entries, the post values file and the import stand together in the "Column Criteria" frame, so
// hiding L2 for steel leaves the rest of the frame in place.
TEST_F(Form18Test, EntriesStandInTheColumnCriteriaFrame)
{
    EXPECT_EQ(f18.Frame3D1.caption(), "Column Criteria");
    for (platform::Control* c : std::initializer_list<platform::Control*>{
             &f18.cReacText, &f18.cHTtext, &f18.cD1text, &f18.cD2text, &f18.cFcText, &f18.cEtext,
             &f18.cDurText, &f18.cModeText, &f18.DurAdjbutton, &f18.Modeadjbutton, &f18.SavePostbutton,
             &f18.Loadpostbutton, &f18.ImportButton}) {
        EXPECT_EQ(c->container(), &f18.Frame3D1) << c->name();
    }
    driver.click(f18.SteelButton);
    EXPECT_TRUE(f18.Frame3D1.visible());
    EXPECT_FALSE(f18.Label10.visible());
    driver.retype(f18.cReacText, "12000");
    EXPECT_EQ(f18.cReacText.text(), "12000");
}

TEST_F(Form18Test, SteelModeAndBack)
{
    driver.click(f18.SteelButton);
    EXPECT_EQ(f18.cFcText.text(), "36,000");
    EXPECT_EQ(f18.cEtext.text(), "29");
    EXPECT_FALSE(f18.cFcText.enabled());
    EXPECT_FALSE(f18.cD2text.visible());
    EXPECT_TRUE(f18.SteelInfoLabel.visible());
    driver.click(f18.WoodButton);
    EXPECT_TRUE(f18.TimberButton.value());
    EXPECT_EQ(f18.cFcText.text(), "1150");
    EXPECT_TRUE(f18.cD2text.visible());
}

// "Standard Columns" has no command: it shows greyed, every other entry of the menu bar is live, and so
// it stays when the form is opened again.
TEST_F(Form18Test, StandardColumnsIsShownGreyed)
{
    for (int opening = 0; opening < 2; ++opening) {
        SCOPED_TRACE(opening);
        EXPECT_EQ(f18.MnuBack.caption(), "Standard Columns");
        EXPECT_TRUE(f18.MnuBack.visible());
        EXPECT_EQ(driver.unreachable(f18.MnuBack), "it is disabled");
        for (platform::MenuItem* live : {&f18.MnuNewCol, &f18.MnuLoadWdCol, &f18.MnuLdStlCol, &f18.MnuExit,
                                         &f18.MnuHelp, &f18.mnucolexit}) {
            EXPECT_EQ(driver.unreachable(*live), std::nullopt) << live->name();
        }
        driver.menu(f18.mnucolexit);
        driver.menu(program.form1.MnuColDesign);
    }
}

TEST_F(Form18Test, ExitColumnsReturnsToTheCriteriaForm)
{
    program.record.WoodColRecordLoaded = -1;
    program.record.SteelColRecordLoaded = -1;
    driver.menu(f18.mnucolexit);
    EXPECT_TRUE(program.form1.visible());
    EXPECT_FALSE(f18.visible());
    EXPECT_EQ(program.record.WoodColRecordLoaded, 0);
    EXPECT_EQ(program.record.SteelColRecordLoaded, 0);
}

} // namespace

namespace
{

TEST_F(Form18Test, NewColumnQuestions)
{
    fill("5000", "10", "8", "8");
    driver.retype(f18.columnID, "C-1");
    // Yes to "NEED TO SAVE YOUR WORK?" changes nothing.
    driver.answerMessage(platform::MsgResult::Yes);
    driver.menu(f18.MnuNewCol);
    EXPECT_EQ(f18.cReacText.text(), "5000");

    // No, with a note line written: keeping the notes is asked; No empties them.
    program.form21.Text1.setText("Bolted splice");
    program.state.ReportNotes[0] = "Bolted splice";
    driver.answerMessage(platform::MsgResult::No);
    driver.answerMessage(platform::MsgResult::No);
    driver.clearMessages();
    driver.menu(f18.MnuNewCol);
    ASSERT_EQ(driver.messages().size(), 2u);
    EXPECT_EQ(driver.messages()[0].title, "SAVE YOUR WORK REMINDER");
    EXPECT_EQ(driver.messages()[1].text, "Do you wish to retain your notes for the next column?");
    EXPECT_EQ(program.form21.Text1.text(), "");
    EXPECT_EQ(program.state.ReportNotes[0], "");
    EXPECT_EQ(f18.cReacText.text(), "");
    EXPECT_EQ(f18.columnID.text(), "");
    EXPECT_EQ(f18.cModeText.text(), "1.00");
    EXPECT_EQ(f18.cFcText.text(), "1150"); // species and values stay
}

} // namespace
