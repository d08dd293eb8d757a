// The custom values form as the user types and chooses: the value boxes' checks, each member class's
// layout, the timber shape, the laminations and the graded lumber interlocks.
#include "app/Form1.h"
#include "app/Form12.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "report/Form21.h"
#include "tests/scl/Form2Fixture.h"

namespace
{

using scl::test::Form2Fixture;

class Form2Entries : public Form2Fixture
{
  protected:
    void SetUp() override { calculate(); }
};

struct EntryCase
{
    const char* box;
    const char* pasted;
    const char* kept;    // the box's text afterwards
    const char* message; // empty: none
};

TEST_F(Form2Entries, ValueBoxesKeepEmptyOrRefuse)
{
    const EntryCase cases[] = {
        {"Text1", "1200", "1200", ""},
        {"Text1", "-5", "", "Please enter a valid numeric Fb value."},
        {"Text1", "0", "", ""},
        {"Text1", ".", "", "Please enter a valid numeric Fb value."},
        {"Text1", "12abc", "", "Please enter a valid numeric Fb value."},
        {"Text2", "1,8", "", "Please enter a valid numeric Fv value."},
        {"Text3", "x", "", "Please enter a valid numeric Fc (perpendicular to grain) value."},
        {"Text4", "0.6", "0.6", ""},
        {"Text4", "0", "0", ""},
        {"Text4", "0.", "0.", ""},
        {"Text4", ".", ".", ""},
        {"Text4", "0.0", "0.0", ""}, // kept so that 0.05 can be typed
        {"Text4", "-1", "", "Please enter a valid numeric E value\r(Modulus of Elasticity)"},
        {"Diam", "0", "", ""},
        {"Diam", "abc", "", "Please enter a valid numeric diameter in inches and decimal fraction, if any."},
    };
    driver.click(form2.Wid6x);
    driver.click(form2.Roundoption);
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(std::string{c.box} + " " + c.pasted);
        auto& box = static_cast<platform::TextBox&>(*form2.findControl(c.box));
        driver.retype(box, "");
        driver.clearMessages();
        const int beeps = driver.beeps();
        paste(box, c.pasted);
        EXPECT_EQ(box.text(), c.kept);
        EXPECT_EQ(lastMessage(), c.message);
        EXPECT_EQ(driver.beeps(), beeps);
    }
}

// Typed key by key, the E and exponent boxes pass through every zero text of a decimal.
TEST_F(Form2Entries, SmallDecimalsCanBeTypedKeyByKey)
{
    driver.retype(form2.Text4, "0.05");
    EXPECT_EQ(form2.Text4.text(), "0.05");
    driver.runtime().dispatch([&] {
        for (const char* step : {"0", "0.", "0.0", "0.09", "0.092"}) {
            form2.Text8.setText(step);
        }
    });
    EXPECT_EQ(form2.Text8.text(), "0.092");
    driver.runtime().dispatch([&] { form2.Text8.setText("1.5"); });
    EXPECT_EQ(form2.Text8.text(), "1.5"); // the limit below one is "OK Calc"'s
    EXPECT_TRUE(driver.messages().empty());
}

TEST_F(Form2Entries, ValueChangeDisablesOkTestButSizeEntriesDoNot)
{
    enterValues();
    driver.click(form2.CmdEnterValues);
    ASSERT_TRUE(form2.CmdTest.enabled());
    driver.retype(form2.Text6, "2x");
    driver.retype(form2.Text7, "10");
    driver.retype(form2.Text5, "Other");
    EXPECT_TRUE(form2.CmdTest.enabled());
    EXPECT_TRUE(form2.CmdTest.isDefault());
    driver.retype(form2.Text2, "170");
    EXPECT_FALSE(form2.CmdTest.enabled());
}

struct LayoutCase
{
    const char* option;
    bool spg, soPine, graded, timberFrame, row2x, row4x, rowTimber, rowGluLam, rowHeader;
};

TEST_F(Form2Entries, EachMemberClassShowsItsRowAndOptions)
{
    const LayoutCase cases[] = {
        {"Wid4x", false, true, true, false, false, true, false, false, false},
        {"Wid6x", false, false, false, true, false, false, true, false, false},
        {"WidGLB", true, false, false, false, false, false, false, true, false},
        {"WidGLBHDR", false, false, false, false, false, false, false, false, true},
        {"Wid2x", false, true, true, false, true, false, false, false, false},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.option);
        driver.runtime().dispatch([&] {
            form2.Button2x.setCaption("10");
            form2.ButG[0].setCaption("12");
        });
        driver.click(*form2.findControl(c.option));
        EXPECT_EQ(form2.SPG.visible(), c.spg);
        EXPECT_FALSE(form2.SPG.checked());
        EXPECT_EQ(form2.CustomIngradeSP.visible(), c.soPine);
        EXPECT_EQ(form2.MSRCheckbox.visible(), c.graded);
        EXPECT_EQ(form2.MELCheckbox.visible(), c.graded);
        EXPECT_EQ(form2.SSCommand1.visible(), c.graded);
        EXPECT_EQ(form2.FormFrame.visible(), c.timberFrame);
        EXPECT_EQ(form2.Button2x.visible(), c.row2x);
        EXPECT_EQ(form2.Label25.visible(), c.row2x);
        EXPECT_EQ(form2.Button4x.visible(), c.row4x);
        EXPECT_EQ(form2.button10x.visible(), c.rowTimber);
        EXPECT_EQ(form2.ButG[4].visible(), c.rowGluLam);
        EXPECT_EQ(form2.But52.visible(), c.rowHeader);
        EXPECT_EQ(form2.Button2x.caption(), "");
        EXPECT_EQ(form2.ButG[0].caption(), "");
        EXPECT_FALSE(form2.CmdTest.enabled());
        EXPECT_TRUE(form2.Rectoption.value());
    }
}

TEST_F(Form2Entries, TimberShapeAndLaminations)
{
    driver.click(form2.Wid6x);
    EXPECT_FALSE(form2.Diam.visible());
    EXPECT_TRUE(form2.Button6x.visible());
    driver.click(form2.Roundoption);
    EXPECT_TRUE(form2.Diam.visible());
    EXPECT_TRUE(form2.Diam.enabled());
    EXPECT_FALSE(form2.Button6x.visible());
    driver.retype(form2.Diam, "12");
    driver.click(form2.Rectoption);
    EXPECT_EQ(form2.Diam.text(), "");
    EXPECT_FALSE(form2.Diam.visible());

    driver.click(form2.WidGLB);
    driver.click(form2.SPG);
    EXPECT_EQ(form2.LabG[3].caption(), "8-1/2x");
    EXPECT_EQ(form2.LabG[4].caption(), "10-1/2x");
    driver.click(form2.Wid2x);
    driver.click(form2.WidGLB); // a new selection unchecks the laminations
    EXPECT_FALSE(form2.SPG.checked());
    EXPECT_EQ(form2.LabG[3].caption(), "8-3/4x");
    EXPECT_EQ(form2.LabG[4].caption(), "10-3/4x");
}

TEST_F(Form2Entries, GradedLumberAndSouthernPineValuesExcludeEachOther)
{
    beam::CalcFlags& flags = program.beam.flags;
    driver.click(form2.MSRCheckbox);
    EXPECT_EQ(flags.MSRFlag, -1);
    EXPECT_FALSE(form2.CustomIngradeSP.enabled());
    driver.click(form2.MELCheckbox);
    EXPECT_EQ(flags.MELFlag, -1);
    EXPECT_EQ(flags.MSRFlag, 0);
    EXPECT_FALSE(form2.MSRCheckbox.checked());
    driver.click(form2.MELCheckbox);
    EXPECT_EQ(flags.MELFlag, 0);
    EXPECT_TRUE(form2.CustomIngradeSP.enabled());

    driver.click(form2.CustomIngradeSP);
    EXPECT_FALSE(form2.MSRCheckbox.enabled());
    EXPECT_FALSE(form2.MELCheckbox.enabled());
    driver.click(form2.CustomIngradeSP);
    EXPECT_TRUE(form2.MSRCheckbox.enabled());
    EXPECT_FALSE(form2.MSRCheckbox.checked());
}

TEST_F(Form2Entries, SaveButtonAsksForTheSpeciesFirst)
{
    driver.click(form2.SaveVal);
    EXPECT_EQ(lastMessage(), "Please enter the species name and grade designation (below) for your custom "
                             "values before saving.");
    EXPECT_TRUE(driver.host().fileDialogs().empty());
}

TEST_F(Form2Entries, HelpButtonsAndMenus)
{
    driver.click(form2.SSCommand1);
    EXPECT_EQ(lastMessage().substr(0, 52), "Mechanically Graded Dimension Lumber - MSR and MEL\r\r");
    driver.click(form2.PointerFb);
    EXPECT_EQ(driver.messages().back().icon, platform::Icon::Information);

    driver.menu(form2.MnuHelp);
    EXPECT_FALSE(form2.visible());
    EXPECT_EQ(program.state.HelpReturnForm, "Form2");
    driver.menu(program.form12.MnuExit);
    EXPECT_TRUE(form2.visible());

    driver.menu(form2.backmnu);
    EXPECT_FALSE(form2.visible());
    EXPECT_TRUE(program.form1.visible());
}

TEST_F(Form2Entries, CloseBoxAsksAndStaysWhenDeclined)
{
    driver.answerMessage(platform::MsgResult::Cancel);
    driver.closeBox(form2);
    EXPECT_TRUE(form2.visible());
    EXPECT_FALSE(driver.ended());
    EXPECT_NE(lastMessage().find("Do you wish to exit Korvanta?"), std::string::npos);
}

// A custom values file saved and loaded through the form's buttons: the loader sets the boxes and
// options by program, and the form's own handling arranges the member class.
TEST_F(Form2Entries, CustomValuesFileRoundTripArrangesTheForm)
{
    enterValues("2400", "240", "625", "1.8", "My glu-lam");
    driver.click(form2.WidGLB);
    driver.click(form2.SPG);
    const auto path = driver.folder() / "mine.VAL";
    driver.answerFile(path);
    driver.click(form2.SaveVal);
    driver.click(form2.Wid2x);
    enterValues("900", "180", "625", "1.6", "Other");
    driver.clearMessages();

    driver.answerFile(path);
    driver.click(form2.LoadVal);
    EXPECT_EQ(form2.Text1.text(), "2400");
    EXPECT_EQ(form2.Text4.text(), "1.8");
    EXPECT_TRUE(form2.WidGLB.value());
    EXPECT_TRUE(form2.ButG[0].visible());
    EXPECT_FALSE(form2.Button2x.visible());
    // The file keeps no lamination choice: the class selection starts it unchecked.
    EXPECT_FALSE(form2.SPG.checked());
    EXPECT_EQ(form2.LabG[4].caption(), "10-3/4x");
    EXPECT_FALSE(form2.CmdTest.enabled());
    EXPECT_FALSE(form2.LVLLoadDefault.visible());
}

TEST_F(Form2Entries, AdviceButtonsAndNotes)
{
    driver.click(form2.WidGLBHDR);
    driver.click(form2.Command3D1);
    EXPECT_EQ(lastMessage().substr(0, 15), "GLU-LAM HEADERS");
    driver.click(form2.Wid6x);
    driver.click(form2.Command3D3);
    EXPECT_EQ(lastMessage().substr(0, 25), "To size round members:\r\rE");
    driver.click(form2.Command1);
    EXPECT_TRUE(program.form21.visible());
    EXPECT_TRUE(form2.visible());
}

} // namespace
