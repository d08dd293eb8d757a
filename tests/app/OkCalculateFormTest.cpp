// "OK Calculate" driven as a user would: loads typed into the criteria form, a click on the button,
// and what follows on screen: the selection form of the material with the loads of this calculation,
// the progress window's repaints, the refusals of the entry checks with the focus on the box to mend,
// the adjusted load boxes, and the guards released afterwards.
#include "app/BeamCriteriaSnapshot.h"
#include "app/Form1.h"
#include "app/Form25.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "beam/Form4.h"
#include "platform/core/Number.h"
#include "platform/headless/Driver.h"
#include "scl/Form2.h"
#include "steel/Form22.h"
#include "wood/Form3.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace
{

using platform::test::Driver;

struct Typed
{
    platform::TextBox* box;
    const char* text;
};

class OkCalculateForm : public testing::Test
{
  protected:
    void enter(std::initializer_list<Typed> entries)
    {
        for (const Typed& entry : entries) {
            driver.retype(*entry.box, entry.text);
        }
    }

    void calculate() { driver.click(form1.CmdOK); }

    // The progress window's repaints, each with the fill of its bar.
    std::vector<std::string> progressRepaints()
    {
        std::vector<std::string> result;
        for (const std::string& line : driver.host().repaints()) {
            if (line.rfind("Form4:", 0) == 0) {
                result.push_back(line);
            }
        }
        return result;
    }

    // Shows the criteria form again, as the selection forms' way back will.
    void backToCriteria()
    {
        driver.runtime().dispatch([&] { program.form1.show(); });
    }

    void expectGuardsReleased()
    {
        EXPECT_EQ(program.state.ChangeGuard, 0);
        EXPECT_EQ(program.state.RefillGuard, 0);
    }

    Driver driver;
    app::Program& program = driver.start<app::Program>();
    app::Form1& form1 = program.form1;
};

std::string bar(int percent)
{
    return percent == 0 ? "Form4: " : "Form4:  | Pan " + std::to_string(percent) + "%";
}

// Span 10 ft; 100 plf (40 live) and 600 lb (200 live) at 4 ft. By statics R1 = 500 + 600 x 6 / 10 = 860
// and R2 = 500 + 600 x 4 / 10 = 740 lb; the moment peaks under the point load at
// 860 x 4 - 100 x 4^2 / 2 = 2640 ft-lb.
TEST_F(OkCalculateForm, WoodBeamGoesToTheWoodSelectionFormWithItsLoads)
{
    enter({{&form1.Span, "10"},
           {&form1.UNIF, "100"},
           {&form1.LUNIF, "40"},
           {&form1.PT(0), "600"},
           {&form1.LPT(0), "200"},
           {&form1.DIS(0), "4"}});
    calculate();

    EXPECT_TRUE(driver.messages().empty());
    EXPECT_TRUE(driver.untrappedErrors().empty());
    EXPECT_TRUE(program.form3.visible());
    EXPECT_EQ(driver.activeForm(), &program.form3);
    EXPECT_FALSE(form1.visible());
    EXPECT_FALSE(program.form4.visible());
    EXPECT_FALSE(program.form22.visible());
    EXPECT_EQ(program.form3.MOMENT.caption(), "Max Moment = 2,640 ft-lbs");
    EXPECT_EQ(program.form3.Reac1.caption(), "Reaction 1 = 860");
    EXPECT_EQ(program.form3.Reac2.caption(), "Reaction 2 = 740");
    EXPECT_EQ(program.beam.flags.PresizingDone, -1);
    EXPECT_EQ(program.beam.loads.SelfWeightFactor, 0.243f);
    // Shown and painted at 0, then each step of the analysis: the reactions, the point loads' loops,
    // the moment and shear rows, and 100 before the hand-off. The 0 after it finds the window hidden.
    const std::vector<std::string> expected = {bar(0),  bar(10), bar(20), bar(25), bar(30), bar(35),
                                               bar(40), bar(45), bar(55), bar(95), bar(98), bar(100)};
    EXPECT_EQ(progressRepaints(), expected);
    EXPECT_EQ(program.form4.Pan.floodPercent(), 0);
    expectGuardsReleased();
}

TEST_F(OkCalculateForm, SteelBeamGoesToTheSteelSelectionForm)
{
    driver.choose(form1.Combo1, "Steel Beams");
    enter({{&form1.Span, "12"}, {&form1.UNIF, "150"}, {&form1.LUNIF, "50"}});
    calculate();

    EXPECT_TRUE(driver.messages().empty());
    EXPECT_TRUE(program.form22.visible());
    EXPECT_EQ(driver.activeForm(), &program.form22);
    EXPECT_FALSE(form1.visible());
    EXPECT_FALSE(program.form4.visible());
    EXPECT_FALSE(program.form3.visible());
    // 150 x 12^2 / 8 and 150 x 12 / 2.
    EXPECT_EQ(program.form22.StlMoment.caption(), "Max Moment = 2,700 ft-lbs");
    EXPECT_EQ(program.form22.StlReac1.caption(), "Reaction 1 = 900");
    EXPECT_EQ(program.form22.StlReac2.caption(), "Reaction 2 = 900");
    EXPECT_EQ(program.beam.loads.SelfWeightFactor, 1.0f);
    EXPECT_EQ(program.beam.flags.SteelBeamFlag, -1);
    // The progress window is painted once more after the steel form is shown, then hidden.
    const std::vector<std::string> expected = {bar(0), bar(10), bar(95), bar(98), bar(100), bar(100)};
    EXPECT_EQ(progressRepaints(), expected);
    // OK Calculate leaves a W shape's unbraced length alone; the steel check setup then writes 0 into
    // the empty box.
    EXPECT_EQ(form1.UBLtext.text(), "0");
    expectGuardsReleased();
}

TEST_F(OkCalculateForm, SteelTubeIsTakenAsBraced)
{
    driver.choose(form1.Combo1, "Steel Beams");
    ASSERT_TRUE(form1.TUbutton.canFocus()) << "the steel shape options are not offered";
    enter({{&form1.Span, "12"}, {&form1.UBLtext, "6"}, {&form1.UNIF, "150"}, {&form1.LUNIF, "50"}});
    driver.click(form1.TUbutton);
    // A tube is checked for any unbraced length: the length typed before is replaced and locked.
    EXPECT_EQ(form1.UBLtext.text(), "Any");
    driver.expectUnreachable(form1.UBLtext);
    calculate();

    EXPECT_TRUE(program.form22.visible());
    EXPECT_EQ(form1.UBLtext.text(), "0");
    expectGuardsReleased();
}

// The overhang load lifts R1 and the moment never rises along the backspan, so the support moment
// 500 x 2 = 1000 ft-lb governs.
TEST_F(OkCalculateForm, OverhangLoadsReachTheSelectionForm)
{
    driver.click(form1.OHbutton);
    enter({{&form1.Span, "10"}, {&form1.PT(4), "500"}, {&form1.LPT(4), "200"}, {&form1.DIS(4), "2"}});
    calculate();

    EXPECT_TRUE(driver.messages().empty());
    ASSERT_TRUE(program.form3.visible());
    // R1 = -500 x 2 / 10, R2 = 500 x 12 / 10.
    EXPECT_EQ(program.form3.MOMENT.caption(), "Max Moment = 1,000 ft-lbs");
    EXPECT_EQ(program.form3.Reac1.caption(), "Reaction 1 = -100");
    EXPECT_EQ(program.form3.Reac2.caption(), "Reaction 2 = 600");
}

// SCL and custom values go to the custom values form, which hides the progress window itself. A
// later calculation for any other species group unloads that form, so its entries start afresh.
TEST_F(OkCalculateForm, SclAndCustomValuesGoToTheCustomValuesForm)
{
    for (const char* species : {"SCL Beams (LVL, PSL, LSL)", "Custom Wood Values"}) {
        SCOPED_TRACE(species);
        backToCriteria();
        driver.choose(form1.Combo1, species);
        enter({{&form1.Span, "10"}, {&form1.UNIF, "100"}, {&form1.LUNIF, "40"}});
        calculate();

        if (std::string_view(species).starts_with("SCL")) {
            // A first run with SCL finds no SCL values file and says how to fill one.
            ASSERT_EQ(driver.messages().size(), 1u);
            EXPECT_TRUE(driver.messages()[0].text.starts_with("Default SCL values are all currently empty"));
            driver.clearMessages();
        }
        EXPECT_TRUE(driver.messages().empty());
        EXPECT_TRUE(program.form2.visible());
        EXPECT_EQ(driver.activeForm(), &program.form2);
        EXPECT_FALSE(form1.visible());
        EXPECT_FALSE(program.form4.visible());
        EXPECT_FALSE(program.form3.visible());
        expectGuardsReleased();
    }

    // Custom values keep the form and its round section between calculations. The timber shape frame
    // starts hidden and shows with the timber class; the round option is selected as that frame would.
    driver.runtime().dispatch([&] {
        program.form2.FormFrame.setVisible(true);
        program.form2.Roundoption.setValue(true);
    });
    backToCriteria();
    EXPECT_TRUE(app::readBeamCriteria(program).Roundoption);
    calculate();
    EXPECT_TRUE(program.form2.Roundoption.value());

    backToCriteria();
    driver.choose(form1.Combo1, "Hem Fir / DF-Larch");
    EXPECT_FALSE(app::readBeamCriteria(program).Roundoption);
    calculate();
    EXPECT_FALSE(program.form2.loaded());
    EXPECT_TRUE(program.form3.visible());
}

// With the uniform load left empty and an area load entered, Yes lets the tributary calculator fill
// the uniform boxes, and the calculation takes what it wrote: 50 psf (20 live) over 2 ft is 100 plf
// (40 live), in place of the 30 plf typed as live load.
TEST_F(OkCalculateForm, AreaLoadAnsweredYesIsCalculatedFromTheCalculator)
{
    enter({{&form1.Span, "10"}, {&form1.Text1, "20"}, {&form1.Text2, "50"}, {&form1.Tribute, "2"}});
    driver.retype(form1.LUNIF, "30"); // the live uniform load switches "OK Calculate" on again
    driver.answerMessage(platform::MsgResult::Yes);
    calculate();

    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text.substr(0, 31), "Did you intend to calculate the");
    EXPECT_EQ(driver.messages()[0].buttons, platform::Buttons::YesNo);
    EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Question);
    EXPECT_EQ(form1.UNIF.text(), "100");
    EXPECT_EQ(form1.LUNIF.text(), "40");
    ASSERT_TRUE(program.form3.visible());
    EXPECT_EQ(program.form3.MOMENT.caption(), "Max Moment = 1,250 ft-lbs");
}

// Each refusal beeps, names what to mend and puts the focus on that box; nothing is calculated, the
// criteria form stays, and the guards are released for the user's corrections.
TEST(OkCalculateFormChecks, RefusalMovesTheFocusToTheBoxToMend)
{
    struct Case
    {
        const char* name;
        std::function<void(app::Form1&, Driver&)> enter;
        std::string message; // its first line
        platform::Icon icon;
        std::string focus;
        int index;
    };
    const Case cases[] = {
        {"no span", [](app::Form1&, Driver&) {}, "Please enter a beam Span", platform::Icon::None, "Span",
         -1},
        {"point load without distance",
         [](app::Form1& f, Driver& d) {
             d.retype(f.Span, "10");
             d.retype(f.PT(1), "500");
         },
         "Please enter a Distance from the starting reaction for the Point Load", platform::Icon::None, "DIS",
         1},
        {"partial load without beginning",
         [](app::Form1& f, Driver& d) {
             d.retype(f.Span, "10");
             d.retype(f.PAR(2), "50");
             d.retype(f.ENDP(2), "5");
         },
         "Please enter a ZERO for Partial Uniform loads beginning exactly on the starting Reaction",
         platform::Icon::None, "BEGP", 2},
        {"no total load deflection limit",
         [](app::Form1& f, Driver& d) {
             d.retype(f.Span, "10");
             d.retype(f.UNIF, "100");
             d.retype(f.LUNIF, "40");
             d.retype(f.MaxDefl, "0");
         },
         "Please enter a Maximum Allowable TOTAL Load (DL + LL) Deflection value.", platform::Icon::None,
         "MaxDefl", -1},
        {"point live load above its total load",
         [](app::Form1& f, Driver& d) {
             d.retype(f.Span, "10");
             d.retype(f.UNIF, "100");
             d.retype(f.PT(0), "100");
             d.retype(f.LPT(0), "200");
             d.retype(f.DIS(0), "5");
         },
         "Attention:", platform::Icon::Exclamation, "PT", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Driver driver;
        auto& program = driver.start<app::Program>();
        c.enter(program.form1, driver);
        const int beepsBefore = driver.beeps();
        driver.click(program.form1.CmdOK);

        ASSERT_EQ(driver.messages().size(), 1u);
        const auto& shown = driver.messages()[0];
        EXPECT_EQ(shown.text.substr(0, shown.text.find('\r')), c.message);
        EXPECT_EQ(shown.title, "Korvanta");
        EXPECT_EQ(shown.buttons, platform::Buttons::OK);
        EXPECT_EQ(shown.icon, c.icon);
        EXPECT_EQ(driver.beeps(), beepsBefore + 1);
        const platform::Control* focused = driver.runtime().activeControl();
        ASSERT_NE(focused, nullptr);
        EXPECT_EQ(focused->name(), c.focus);
        EXPECT_EQ(focused->index(), c.index);
        EXPECT_TRUE(program.form1.visible());
        EXPECT_EQ(driver.activeForm(), &program.form1);
        EXPECT_FALSE(program.form4.loaded());
        EXPECT_FALSE(program.form3.visible());
        EXPECT_EQ(program.state.ChangeGuard, 0);
        EXPECT_EQ(program.state.RefillGuard, 0);
        EXPECT_TRUE(driver.untrappedErrors().empty());
    }
}

// A hip or valley without loads is refused like any beam without loads; its uniform load box sits in a
// disabled frame, so the focus stays put instead of a second, technical message following the refusal.
TEST(OkCalculateFormChecks, HipWithoutLoadsIsRefusedWithOneMessage)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& form1 = program.form1;
    driver.click(form1.IncButton);
    driver.retype(form1.Span, "10");
    driver.runtime().dispatch([&] { form1.CmdOK.setEnabled(true); }); // as the hip calculator leaves it
    driver.clearMessages();
    driver.click(form1.CmdOK);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_NE(driver.messages()[0].title, "Korvanta Error: Form 1");
    EXPECT_TRUE(driver.untrappedErrors().empty());
    EXPECT_TRUE(form1.visible());
}

// Rafter spacing 24 in. doubles every load box above 0; the box writes of the program leave the
// selection standing, and once the calculation is over an edit clears it again.
TEST_F(OkCalculateForm, SpacingAdjustsTheLoadBoxesUnderTheGuard)
{
    driver.click(form1.Rep);
    driver.click(form1.ctr24);
    ASSERT_TRUE(form1.ctr24.value());
    enter({{&form1.Span, "10"},
           {&form1.UNIF, "100"},
           {&form1.LUNIF, "40"},
           {&form1.PT(0), "300"},
           {&form1.LPT(0), "100"},
           {&form1.DIS(0), "5"}});
    program.state.SelectionStatus = "OK";
    calculate();

    ASSERT_TRUE(program.form3.visible());
    const std::pair<platform::TextBox*, const char*> adjusted[] = {
        {&form1.UNIF, "200"}, {&form1.LUNIF, "80"}, {&form1.PT(0), "600"}, {&form1.LPT(0), "200"}};
    for (const auto& [box, text] : adjusted) {
        EXPECT_EQ(box->text(), text) << box->name();
    }
    EXPECT_EQ(form1.PT(1).text(), ""); // empty boxes are left alone
    EXPECT_EQ(form1.DIS(0).text(), "5");
    // The analysis takes the adjusted loads: 2000 lb of uniform load and 600 lb at mid-span.
    EXPECT_EQ(program.form3.Reac1.caption(), "Reaction 1 = 1,300");
    EXPECT_EQ(program.state.SelectionStatus, "OK");
    expectGuardsReleased();

    backToCriteria();
    driver.retype(form1.Span, "12");
    EXPECT_EQ(program.state.SelectionStatus, "");
}

// Going back to the criteria form after a calculation gives back the loads exactly as typed, whatever
// the spacing and slope adjustments wrote into the boxes (16 in. spacing multiplies by 1.3333, which a
// division and rounding would not undo for 12.4 or 0.4).
TEST_F(OkCalculateForm, ReturningToTheCriteriaFormGivesBackTheLoadsAsTyped)
{
    driver.click(form1.Rep);
    driver.click(form1.Ctr16);
    enter({{&form1.Span, "10"}, {&form1.UNIF, "12.4"}, {&form1.PT(0), "300"}, {&form1.DIS(0), "5"}});
    driver.paste(form1.LUNIF, ".4"); // typed, the lone "." would be refused first
    calculate();
    ASSERT_TRUE(program.form3.visible());
    EXPECT_NE(form1.UNIF.text(), "12.4");

    backToCriteria();
    EXPECT_EQ(form1.UNIF.text(), "12.4");
    EXPECT_EQ(form1.LUNIF.text(), ".4");
    EXPECT_EQ(form1.PT(0).text(), "300");
    expectGuardsReleased();

    // A second return without a calculation in between touches no box.
    driver.retype(form1.UNIF, "20");
    driver.runtime().dispatch([&] { program.form25.show(); });
    driver.switchTo(form1);
    EXPECT_EQ(form1.UNIF.text(), "20");
}

// Roof pitch 6 in 12 on a 10 ft span: the sloped length is 10 x sqrt(1.25) ft, so the dead part of the
// uniform and partial total loads grows by sqrt(1.25); the live loads stay. A partial box written 0 by
// the adjustment is emptied by its own rule.
TEST_F(OkCalculateForm, RoofSlopeAdjustsTheDeadPartOfTheTotalLoads)
{
    driver.click(form1.Roofbutton);
    ASSERT_TRUE(form1.Pitchtext.canFocus()) << "the pitch box is not enabled by the slope adjustment";
    enter({{&form1.Pitchtext, "6"},
           {&form1.Span, "10"},
           {&form1.UNIF, "100"},
           {&form1.LUNIF, "40"},
           {&form1.PAR(0), "50"},
           {&form1.LPAR(0), "20"},
           {&form1.BEGP(0), "0"},
           {&form1.ENDP(0), "4"}});
    calculate();

    ASSERT_TRUE(program.form3.visible());
    const double slope = std::sqrt(1.25);
    // The slope factor is kept in single precision: 7 significant digits.
    EXPECT_NEAR(platform::num::leadingNumber(form1.UNIF.text()), 40 + 60 * slope, 1e-4);
    EXPECT_NEAR(platform::num::leadingNumber(form1.PAR(0).text()), 20 + 30 * slope, 1e-4);
    EXPECT_EQ(form1.LUNIF.text(), "40");
    EXPECT_EQ(form1.LPAR(0).text(), "20");
    EXPECT_EQ(form1.PAR(1).text(), "");
    EXPECT_EQ(program.beam.loads.UNIFEntered, 100.0f);
    expectGuardsReleased();
}

// A fault during the analysis ends the click with the runtime's description under the form's error
// title: the progress window stays where it was, the criteria form stays shown, and no selection form
// appears. Here 1.5E+37 plf, doubled by the spacing, gives a moment beyond the single-precision range.
TEST_F(OkCalculateForm, RunTimeErrorIsTrappedWithTheFormTitle)
{
    driver.click(form1.Rep);
    driver.click(form1.ctr24);
    enter({{&form1.Span, "10"}});
    driver.focus(form1.UNIF);
    driver.paste(form1.UNIF, "1.5e37");
    calculate();

    ASSERT_FALSE(driver.messages().empty());
    const auto& trapped = driver.messages().back();
    EXPECT_EQ(trapped.text, "Overflow");
    EXPECT_EQ(trapped.title, "Korvanta Error: Form 1");
    EXPECT_EQ(trapped.icon, platform::Icon::Exclamation);
    EXPECT_TRUE(program.form4.visible());
    EXPECT_EQ(program.form4.Pan.floodPercent(), 95);
    EXPECT_TRUE(form1.visible());
    EXPECT_FALSE(program.form3.visible());
    EXPECT_TRUE(driver.untrappedErrors().empty());
    expectGuardsReleased();
}

} // namespace
