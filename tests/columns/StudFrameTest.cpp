// The stud frame of the column criteria form, driven as a user: its first state, each box's entry
// check, zero rule and comma refusal, the spacing and repetitive-use chain, zone copying, the spinner and
// the species list.
#include "StudFixture.h"
#include "app/Form1.h"
#include "app/SharedState.h"
#include "columns/Form18.h"

namespace
{

using columns::test::StudFrame;

TEST(StudFrameLoad, HiddenBelowTheFormEdgeWithItsFirstState)
{
    platform::test::Driver driver;
    app::Program& program = driver.start<app::Program>();
    driver.menu(program.form1.MnuColDesign);
    columns::Form18& f = program.form18;
    EXPECT_FALSE(f.WindFrame.visible());
    EXPECT_EQ(f.WindFrame.props().caption, "Combined Axial and Wind Loaded Studs");
    EXPECT_EQ(f.WindFrame.left(), 1680);
    EXPECT_EQ(f.WindFrame.top(), 8160);
    EXPECT_EQ(f.WindFrame.width(), 9135);
    EXPECT_EQ(f.WindFrame.height(), 5505);
    EXPECT_EQ(f.BegA.text(), "0");
    EXPECT_EQ(f.AxialDurTextbox.text(), "1.0");
    EXPECT_EQ(f.DurWindTextbox.text(), "1.6");
    EXPECT_EQ(f.WindStudSpacing.text(), "16");
    EXPECT_EQ(f.WindStudCombo.text(), "WindStudCombo");
    EXPECT_EQ(f.WindStudCombo.listCount(), 0);
    EXPECT_EQ(f.BreadthCombo.listCount(), 6);
    EXPECT_EQ(f.DepthCombo.listCount(), 3);
    EXPECT_EQ(f.BreadthCombo.listIndex(), -1);
    EXPECT_EQ(f.RepWindStud.value(), 1);
    EXPECT_EQ(f.RepIBCCheck.value(), 0);
    EXPECT_TRUE(f.RepIBCCheck.enabled());
    EXPECT_FALSE(f.StudReportbutton.enabled());
    EXPECT_EQ(f.StudStatusLabel.caption(), "");
    EXPECT_EQ(f.AxialPointTextbox.maxLength(), 7);
    EXPECT_EQ(f.WindStudHt.maxLength(), 6);
    EXPECT_EQ(f.WindStudFb.maxLength(), 0);
}

// Each box: a non-number is refused (beep, emptied, its message, focus back); a typed 0 is emptied or
// kept by the box's zero rule; a comma is refused in the 14 guarded boxes and judged in the others.
TEST_F(StudFrame, EntryCheckZeroRuleAndCommaOfEveryBox)
{
    struct Case
    {
        platform::TextBox columns::Form18::*box;
        const char* name;
        bool emptiesZero;
        bool refusesComma;
    };
    const Case cases[] = {
        {&columns::Form18::AxialPLFtextbox, "Axial PLF Load", false, true},
        {&columns::Form18::AxialPointTextbox, "Axial Point Load", false, true},
        {&columns::Form18::AxialDurTextbox, "Axial Duration of Load", false, false},
        {&columns::Form18::WindA, "Wind Load A", true, true},
        {&columns::Form18::BegA, "Beg Distance A", true, true},
        {&columns::Form18::EndA, "End Distance A", true, true},
        {&columns::Form18::WindB, "Wind Load B", true, true},
        {&columns::Form18::BegB, "Beg Distance B", true, true},
        {&columns::Form18::EndB, "End Distance B", true, true},
        {&columns::Form18::WindC, "Wind Load C", true, true},
        {&columns::Form18::BegC, "Beg Distance C", true, true},
        {&columns::Form18::EndC, "End Distance C", true, true},
        {&columns::Form18::DurWindTextbox, "Wind Duration of Load", false, true},
        {&columns::Form18::WindStudHt, "Stud Height", true, true},
        {&columns::Form18::WindStudFb, "Fb base value", true, true},
        {&columns::Form18::WindStudFc, "Fc base value", true, false},
        {&columns::Form18::WindStudE, "E Base Value", true, false},
    };
    for (const Case& c : cases) {
        platform::TextBox& box = f18.*c.box;
        driver.clearMessages();
        const int beeps = driver.beeps();
        driver.retype(box, "a");
        EXPECT_EQ(box.text(), "") << c.name;
        EXPECT_EQ(driver.beeps(), beeps + 1) << c.name;
        ASSERT_EQ(driver.messages().size(), 1u) << c.name;
        EXPECT_EQ(driver.messages()[0].text,
                  std::string("Please enter a valid numeric value for the ") + c.name + ".");
        EXPECT_EQ(driver.messages()[0].title, "Korvanta");
        EXPECT_EQ(driver.messages()[0].icon, platform::Icon::None);
        EXPECT_EQ(focusedName(), box.name());

        driver.retype(box, "0");
        EXPECT_EQ(box.text(), c.emptiesZero ? "" : "0") << c.name;
        driver.retype(box, "2.5");
        EXPECT_EQ(box.text(), "2.5") << c.name;

        driver.clearMessages();
        driver.type(box, ",");
        if (c.refusesComma) {
            EXPECT_EQ(box.text(), "2.5") << c.name;
            ASSERT_EQ(driver.messages().size(), 1u) << c.name;
            EXPECT_EQ(driver.messages()[0].text, "Please do not enter commas as thousand separators.");
            EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Exclamation);
        } else {
            EXPECT_EQ(box.text(), "") << c.name; // "2.5," is no number: refused by the entry check
        }
    }
}

// Typing "12" over the selected "16" with Cr ticked: "1" unticks Cr and disables the IBC box, "12"
// enables it again; ticking Cr then enables the IBC box, unticked. 17 disables IBC, 25 disables Cr.
TEST_F(StudFrame, SpacingAndRepetitiveUseKeystrokeByKeystroke)
{
    driver.retype(f18.WindStudSpacing, "1");
    EXPECT_EQ(f18.RepWindStud.value(), 0);
    EXPECT_TRUE(f18.RepWindStud.enabled());
    EXPECT_FALSE(f18.RepIBCCheck.enabled());
    driver.type(f18.WindStudSpacing, "2");
    EXPECT_EQ(f18.WindStudSpacing.text(), "12");
    EXPECT_TRUE(f18.RepIBCCheck.enabled());
    EXPECT_EQ(f18.RepIBCCheck.value(), 0);
    driver.click(f18.RepWindStud);
    EXPECT_EQ(f18.RepWindStud.value(), 1);
    EXPECT_TRUE(f18.RepIBCCheck.enabled());
    driver.click(f18.RepIBCCheck);
    EXPECT_EQ(f18.RepIBCCheck.value(), 1);

    struct Case
    {
        const char* spacing;
        bool ibcEnabled, crEnabled;
    };
    for (const Case c : {Case{"16", true, true}, Case{"17", false, true}, Case{"24", false, true},
                         Case{"25", false, false}}) {
        driver.retype(f18.WindStudSpacing, c.spacing);
        EXPECT_EQ(f18.RepIBCCheck.enabled(), c.ibcEnabled) << c.spacing;
        EXPECT_EQ(f18.RepWindStud.enabled(), c.crEnabled) << c.spacing;
        EXPECT_EQ(f18.RepIBCCheck.value(), 0);
        EXPECT_EQ(f18.RepWindStud.value(), 0);
    }

    // Deleting the whole text: one beep, one message, "0", both boxes enabled and unticked; ticking Cr
    // at 0 leaves the IBC box disabled.
    driver.retype(f18.WindStudSpacing, "8");
    driver.clearMessages();
    const int beeps = driver.beeps();
    driver.focus(f18.WindStudSpacing); // selects the whole text
    driver.key(f18.WindStudSpacing, platform::Key::Backspace);
    EXPECT_EQ(f18.WindStudSpacing.text(), "0");
    EXPECT_EQ(driver.beeps(), beeps + 1);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text,
              "Please enter a valid numeric value for the Stud spacing oc in inches.");
    EXPECT_TRUE(f18.RepIBCCheck.enabled());
    EXPECT_TRUE(f18.RepWindStud.enabled());
    driver.click(f18.RepWindStud);
    EXPECT_FALSE(f18.RepIBCCheck.enabled());
}

TEST_F(StudFrame, ZonesCopyOnlyWhenTheirLoadChanges)
{
    driver.retype(f18.EndA, "4");
    driver.type(f18.WindB, "1");
    EXPECT_EQ(f18.BegB.text(), "4"); // after the "1" already
    driver.retype(f18.EndB, "7");
    driver.retype(f18.WindStudHt, "9");
    driver.retype(f18.WindC, "5");
    EXPECT_EQ(f18.BegC.text(), "7");
    EXPECT_EQ(f18.EndC.text(), "9");
    driver.retype(f18.WindStudHt, "8"); // no follow-up of its own
    EXPECT_EQ(f18.EndC.text(), "9");
    driver.retype(f18.WindStudHt, "");
    driver.retype(f18.EndC, "3");
    driver.retype(f18.WindC, "");
    EXPECT_EQ(f18.EndC.text(), "3"); // height empty: EndC stays
    driver.retype(f18.EndA, "");
    driver.retype(f18.WindB, "12");
    EXPECT_EQ(f18.BegB.text(), "");
}

TEST_F(StudFrame, SpinnerCyclesTheAxialDuration)
{
    for (const char* expected : {"1.15", "1.25", "1.6", "1.0", "1.15"}) {
        driver.click(f18.AxialDurSpinBut);
        EXPECT_EQ(f18.AxialDurTextbox.text(), expected);
    }
    for (const auto& [from, to] : std::vector<std::pair<const char*, const char*>>{
             {"1.00", "1.15"}, {"0.9", "1.0"}, {"2", "1.0"}, {"", "1.0"}}) {
        driver.retype(f18.AxialDurTextbox, from);
        driver.click(f18.AxialDurSpinBut);
        EXPECT_EQ(f18.AxialDurTextbox.text(), to) << from;
    }
}

TEST_F(StudFrame, FocusSelectsUpToTheMaximumLength)
{
    driver.retype(f18.WindStudFb, "1150");
    driver.focus(f18.WindStudSpacing);
    EXPECT_EQ(f18.WindStudSpacing.selLength(), 2);
    driver.focus(f18.WindStudFb);
    EXPECT_EQ(f18.WindStudFb.selStart(), 0);
    EXPECT_EQ(f18.WindStudFb.selLength(), 0);
}

// The stud lookup reads the dimension lumber table after NDS Supplement Table 4A: Hem-Fir #1 Fc 1350 in
// every edition, White Oak #1 E 1.0 and #2 E 0.9; E always with one decimal.
TEST_F(StudFrame, SpeciesListAndLookup)
{
    driver.runtime().dispatch([&] { f18.SetupWindStudSpecies(); });
    EXPECT_EQ(f18.WindStudCombo.listCount(), 49);
    EXPECT_EQ(f18.WindStudCombo.list(48), "Custom");
    EXPECT_EQ(f18.WindStudCombo.text(), "DF-L #2"); // Hem Fir / DF-Larch, the criteria form's first group
    EXPECT_EQ(f18.WindStudFc.text(), "1350");
    EXPECT_EQ(f18.WindStudFb.text(), "900");
    EXPECT_EQ(f18.WindStudE.text(), "1.6");
    EXPECT_EQ(focusedName(), "ColumnProj");
    struct Case
    {
        const char* species;
        const char* fc;
        const char* fb;
        const char* e;
    };
    for (const Case& c :
         {Case{"Hem-Fir #1", "1350", "975", "1.5"}, Case{"SPF South Stud", "625", "600", "1.0"},
          Case{"White Oak #1", "900", "875", "1.0"}, Case{"White Oak #2", "700", "850", "0.9"},
          Case{"Custom", "", "", ""}}) {
        driver.choose(f18.WindStudCombo, c.species);
        EXPECT_EQ(f18.WindStudFc.text(), c.fc) << c.species;
        EXPECT_EQ(f18.WindStudFb.text(), c.fb) << c.species;
        EXPECT_EQ(f18.WindStudE.text(), c.e) << c.species;
    }
    program.state.NDS1997 = -1;
    program.state.NDS2018 = 0;
    driver.choose(f18.WindStudCombo, "Hem-Fir #1");
    EXPECT_EQ(f18.WindStudFc.text(), "1350");
}

TEST(StudSpecies, PreselectionFollowsTheSpeciesGroupOfTheCriteriaForm)
{
    struct Case
    {
        int group;
        const char* species;
    };
    for (const Case& c : {Case{5, "Custom"}, Case{3, "Western Cedar #2"}, Case{4, "Eastern Hem-Tam #2"},
                          Case{0, "DF-L #2"}, Case{1, "DF-L North #2"}, Case{2, "SPF Select"},
                          Case{6, "Red Oak Select"}, Case{9, "Hem-Fir #2"}}) {
        platform::test::Driver driver;
        app::Program& program = driver.start<app::Program>();
        driver.runtime().dispatch([&] { program.form1.group[c.group].setValue(true); });
        driver.menu(program.form1.MnuColDesign);
        driver.runtime().dispatch([&] { program.form18.SetupWindStudSpecies(); });
        EXPECT_EQ(program.form18.WindStudCombo.text(), c.species) << c.group;
        if (c.group == 5) {
            EXPECT_EQ(program.form18.WindStudFb.text(), "");
        }
    }
}

} // namespace
