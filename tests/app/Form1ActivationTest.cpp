// The criteria form's activation: it gives back the loads as the user entered them after "OK
// Calculate" adjusted the boxes, leaves them alone otherwise, lays out the load frames of the load
// case, and keeps the selection; and the close box asks before the program ends.
#include "app/Form1.h"
#include "app/Form13.h"
#include "app/GuardHold.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "platform/headless/Driver.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace
{

using platform::test::Driver;
using BoxTexts = std::vector<std::pair<platform::TextBox*, std::string>>;

struct Criteria
{
    Driver driver;
    app::Program& program = driver.start<app::Program>();
    app::Form1& form1 = program.form1;

    void paste(platform::TextBox& box, const std::string& text)
    {
        driver.focus(box);
        driver.paste(box, text);
    }

    // What "OK Calculate" does before it hands the beam over: it keeps the entries, writes the adjusted
    // loads into the boxes while ChangeGuard holds the selection, and hides the form behind the next.
    void calculateAway(const BoxTexts& adjusted)
    {
        driver.runtime().dispatch([&] {
            form1.KeepEnteredLoads();
            {
                const app::GuardHold change{program.state.ChangeGuard};
                for (const auto& [box, text] : adjusted) {
                    box->setText(text);
                }
            }
            program.beam.flags.LoadsMultiplied = -1;
            program.form13.show();
            form1.hide();
        });
    }

    // A later form, a tip or the manual shows the criteria form again.
    void comeBack()
    {
        driver.runtime().dispatch([&] { form1.show(); });
    }

    // The user looks at another window and clicks the criteria form again; no calculation between.
    void switchAwayAndBack()
    {
        driver.runtime().dispatch([&] { program.form13.show(); });
        driver.switchTo(form1);
    }

    void selectMember()
    {
        program.state.SelectionStatus = "OK";
        program.state.SelectionDescription = "(2) 2x10 DF-L #1";
    }
};

TEST(Form1Activation, SpacingUndoGivesBackTheTextsAsEntered)
{
    // Dividing 16.492 by 1.3333 and writing it "####" gave "12"; 0.4 x 1.3333 came back empty.
    Criteria c;
    auto& f = c.form1;
    c.driver.click(f.Rep);
    c.driver.click(f.Ctr16);
    c.paste(f.UNIF, "12.4");
    c.paste(f.LUNIF, ".4");
    c.paste(f.PT(2), "1000");
    c.paste(f.LPAR(4), "7.25");
    c.selectMember();
    c.calculateAway(
        {{&f.UNIF, "16.53292"}, {&f.LUNIF, "0.53332"}, {&f.PT(2), "1333.3"}, {&f.LPAR(4), "9.666425"}});
    c.comeBack();

    EXPECT_EQ(f.UNIF.text(), "12.4");
    EXPECT_EQ(f.LUNIF.text(), ".4");
    EXPECT_EQ(f.PT(2).text(), "1000");
    EXPECT_EQ(f.LPAR(4).text(), "7.25");
    EXPECT_EQ(f.PT(0).text(), "");
    EXPECT_EQ(c.program.beam.flags.LoadsMultiplied, 0);
    // The program's own writes keep the member that was selected for these loads.
    EXPECT_EQ(c.program.state.SelectionStatus, "OK");
    EXPECT_EQ(f.SavePanel.caption(), " Selection:   (2) 2x10 DF-L #1   -  Status: OK   -  Date: 3/05/24");
    EXPECT_EQ(c.program.state.RefillGuard, 0);
}

TEST(Form1Activation, SlopeAdjustmentIsUndoneForUniformAndPartialLoads)
{
    Criteria c;
    auto& f = c.form1;
    c.driver.click(f.Roofbutton);
    c.driver.retype(f.Pitchtext, "6");
    c.driver.retype(f.UNIF, "120");
    c.driver.retype(f.LUNIF, "40");
    c.paste(f.PAR(0), "50.5");
    c.calculateAway({{&f.UNIF, "129.4427"}, {&f.PAR(0), "56.46"}});
    c.comeBack();
    EXPECT_EQ(f.UNIF.text(), "120");
    EXPECT_EQ(f.LUNIF.text(), "40");
    EXPECT_EQ(f.PAR(0).text(), "50.5");
}

TEST(Form1Activation, WithoutACalculationTheTypedLoadsStay)
{
    // The slope restore used to write the kept values back on every activation, so loads typed after
    // the last calculation, or before any, were overwritten or emptied.
    Criteria c;
    auto& f = c.form1;
    c.driver.click(f.Roofbutton);
    c.driver.retype(f.Pitchtext, "6");
    c.driver.retype(f.UNIF, "120");
    c.switchAwayAndBack();
    EXPECT_EQ(f.UNIF.text(), "120");

    // After a calculation and the return, the next edit is the user's and survives the next return.
    c.calculateAway({{&f.UNIF, "129.4427"}});
    c.comeBack();
    ASSERT_EQ(f.UNIF.text(), "120");
    c.driver.retype(f.UNIF, "150");
    c.driver.retype(f.PAR(1), "75");
    c.switchAwayAndBack();
    EXPECT_EQ(f.UNIF.text(), "150");
    EXPECT_EQ(f.PAR(1).text(), "75");
}

TEST(Form1Activation, EntriesKeptByAStoppedCalculationAreNotRestored)
{
    // "OK Calculate" keeps the entries and then stops at a check: nothing was adjusted, nothing is due.
    Criteria c;
    auto& f = c.form1;
    c.driver.retype(f.UNIF, "100");
    c.driver.runtime().dispatch([&] { f.KeepEnteredLoads(); });
    c.driver.retype(f.UNIF, "200");
    c.switchAwayAndBack();
    EXPECT_EQ(f.UNIF.text(), "200");
}

struct HipAndValley : Criteria
{
    HipAndValley()
    {
        driver.click(form1.IncButton);
        driver.click(form1.Roofbutton);
        driver.retype(form1.Pitchtext, "8");
    }

    // The hip and valley calculator keeps the entered loads and slopes their dead part in place; then
    // it stays off so that the adjustment cannot be applied twice.
    void slopeHipLoads()
    {
        driver.runtime().dispatch([&] {
            const app::GuardHold change{program.state.ChangeGuard};
            program.state.IncTLEntered = 30;
            program.state.IncUnifTLEntered = 12.5f;
            form1.IncTL.setText("34.07");
            form1.IncUnifTL.setText("14.2");
            form1.IncCalcButton.setEnabled(false);
            form1.CmdOK.setEnabled(true);
        });
    }
};

TEST(Form1Activation, HipLoadsComeBackWhileTheCalculatorsSlopeIsInTheBoxes)
{
    for (const bool calculated : {false, true}) {
        SCOPED_TRACE(calculated ? "after OK Calculate" : "after a tip window");
        HipAndValley c;
        auto& f = c.form1;
        c.driver.retype(f.IncTL, "30");
        c.driver.retype(f.IncUnifTL, "12.5");
        c.slopeHipLoads();
        if (calculated) {
            c.calculateAway({});
            c.comeBack();
        } else {
            c.switchAwayAndBack();
        }
        // Entered loads again, and the calculator must slope them again before "OK Calculate".
        EXPECT_EQ(f.IncTL.text(), "30");
        EXPECT_EQ(f.IncUnifTL.text(), "12.5");
        EXPECT_TRUE(f.IncCalcButton.enabled());
        EXPECT_FALSE(f.CmdOK.enabled());
    }
}

TEST(Form1Activation, HipLoadsTypedAfterTheCalculatorStay)
{
    // Before any hip calculation the kept loads are 0, which emptied the boxes on every activation.
    HipAndValley c;
    auto& f = c.form1;
    c.driver.retype(f.IncTL, "25");
    c.switchAwayAndBack();
    EXPECT_EQ(f.IncTL.text(), "25");

    c.slopeHipLoads();
    c.driver.retype(f.IncTL, "40");
    c.switchAwayAndBack();
    EXPECT_EQ(f.IncTL.text(), "40");
    EXPECT_EQ(f.IncUnifTL.text(), "14.2");
}

TEST(Form1Activation, LaysOutTheFramesOfTheLoadCase)
{
    {
        Criteria c;
        auto& f = c.form1;
        c.driver.click(f.IncButton);
        c.driver.runtime().dispatch([&] {
            f.FramePSF.setVisible(true);
            f.Frame3D3.setVisible(true);
            f.Rep.setEnabled(false);
        });
        c.switchAwayAndBack();
        EXPECT_TRUE(f.IncFrame.visible());
        EXPECT_FALSE(f.Frame3D3.visible());
        EXPECT_FALSE(f.Frame3D4.visible());
        EXPECT_FALSE(f.Frame3D5.enabled());
        EXPECT_FALSE(f.FramePSF.visible());
        EXPECT_TRUE(f.Rep.enabled());
    }
    {
        Criteria c;
        auto& f = c.form1;
        c.driver.click(f.OHbutton);
        c.driver.runtime().dispatch([&] { f.Frame3D4.setEnabled(false); });
        c.switchAwayAndBack();
        EXPECT_FALSE(f.IncFrame.visible());
        for (platform::Frame* frame : {&f.Frame3D3, &f.Frame3D4, &f.Frame3D5}) {
            EXPECT_TRUE(frame->visible() && frame->enabled()) << frame->name();
        }
    }
    {
        // The multi-span frame covers the point and partial loads; they stay off under it.
        Criteria c;
        auto& f = c.form1;
        c.driver.click(f.Multibutton);
        c.switchAwayAndBack();
        EXPECT_TRUE(f.MultiFrame.visible());
        EXPECT_FALSE(f.Frame3D3.enabled());
        EXPECT_FALSE(f.Frame3D4.enabled());
        EXPECT_TRUE(f.Frame3D5.enabled());
    }
}

TEST(Form1Activation, EndsLoadAndPrintAndReleasesItsGuard)
{
    Criteria c;
    c.program.state.AutoPrintMode = -1;
    c.switchAwayAndBack();
    EXPECT_EQ(c.program.state.AutoPrintMode, 0);
    EXPECT_EQ(c.program.state.RefillGuard, 0);
    // With the guard released, the next edit clears the selection again.
    c.selectMember();
    c.driver.retype(c.form1.PT(0), "500");
    EXPECT_EQ(c.program.state.SelectionStatus, "");
    EXPECT_EQ(c.form1.SavePanel.caption(), "   Selection:  None");
}

TEST(Form1Activation, CloseBoxAsksBeforeTheProgramEnds)
{
    Criteria c;
    auto& f = c.form1;
    c.driver.retype(f.Span, "14");
    c.driver.clock().advance(2 * 3600 + 5 * 60);
    c.driver.answerMessage(platform::MsgResult::Cancel);
    c.driver.closeBox(f);
    ASSERT_EQ(c.driver.messages().size(), 1u);
    EXPECT_EQ(c.driver.messages()[0].text,
              "  Do you wish to exit Korvanta?\r\rSession length was 02:05 minutes.");
    EXPECT_EQ(c.driver.messages()[0].buttons, platform::Buttons::OKCancel);
    EXPECT_FALSE(c.driver.ended());
    EXPECT_TRUE(f.visible());
    EXPECT_EQ(f.Span.text(), "14");

    c.driver.answerMessage(platform::MsgResult::OK);
    c.driver.closeBox(f);
    EXPECT_TRUE(c.driver.ended());
}

} // namespace
