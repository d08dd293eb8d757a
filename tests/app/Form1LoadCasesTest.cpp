// The load case options of the criteria form: which load frames and boxes each case shows and
// enables, the overhang boxes' colours, the cleared loads, the multi-span picture and its Cancel, and
// the load entry diagram on a double click.
#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "platform/headless/Driver.h"
#include "report/Form9.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

namespace
{

using platform::test::Driver;

constexpr std::uint32_t White = platform::rgb(255, 255, 255);
constexpr std::uint32_t LightYellow = platform::rgb(255, 255, 224);
constexpr std::uint32_t Black = platform::rgb(0, 0, 0);
constexpr std::uint32_t Navy = platform::rgb(0, 0, 128);
constexpr std::uint32_t Blue = platform::rgb(0, 0, 192);

// Loads on the backspan and the overhang, the span and the tributary calculator row, as a user types them.
void enterLoads(Driver& driver, app::Form1& form1)
{
    driver.retype(form1.Span, "16");
    driver.retype(form1.UNIF, "300");
    driver.retype(form1.LUNIF, "200");
    driver.retype(form1.PT(0), "1000");
    driver.retype(form1.DIS(0), "4");
    driver.retype(form1.PT(5), "500");
    driver.retype(form1.LPAR(4), "50");
    driver.retype(form1.ENDP(2), "8");
    driver.retype(form1.Text1, "40");
    driver.retype(form1.Tribute, "2");
}

std::vector<platform::TextBox*> loadBoxes(app::Form1& f)
{
    std::vector<platform::TextBox*> boxes = {&f.UNIF,      &f.LUNIF,     &f.IncTL, &f.IncLL,
                                             &f.IncUnifTL, &f.IncUnifLL, &f.Trib1, &f.Trib2};
    for (int i = 0; i <= 5; ++i) {
        boxes.insert(boxes.end(), {&f.PT(i), &f.LPT(i), &f.DIS(i)});
    }
    for (int i = 0; i <= 4; ++i) {
        boxes.insert(boxes.end(),
                     {&f.PAR(i), &f.LPAR(i), &f.BEGP(i), &f.ENDP(i), &f.PSF(i), &f.LPSF(i), &f.TribPSF(i)});
    }
    return boxes;
}

enum class Case
{
    SimpleSpan,
    Overhang,
    MultipleSpans,
    HipsAndValleys
};

struct Layout
{
    Case loadCase;
    const char* name;
    bool unbalanceButtons, overhangBox, pointFramesShown, pointFramesOn, uniformOn, hipFrame, multiFrame,
        calculateOn, unbracedOn;
    double unbracedLeft;
    const char* unbracedCaption;
    const char* presetCaption;
};

platform::OptionButton& optionOf(app::Form1& f, Case c)
{
    switch (c) {
    case Case::SimpleSpan:
        return f.SimpleSpanbutton;
    case Case::Overhang:
        return f.OHbutton;
    case Case::MultipleSpans:
        return f.Multibutton;
    case Case::HipsAndValleys:
        return f.IncButton;
    }
    return f.SimpleSpanbutton;
}

TEST(Form1LoadCases, EachCaseLaysOutTheLoadFrames)
{
    const Layout layouts[] = {
        {Case::SimpleSpan, "simple span", false, false, true, true, true, false, false, true, true, 5280,
         "Unbraced length in ft", "PLF"},
        {Case::Overhang, "overhang", true, true, true, true, true, false, false, true, true, 5040,
         "Unbraced length in ft", "PLF"},
        {Case::MultipleSpans, "multiple spans", false, false, true, false, true, false, true, true, false,
         5280, "Assumed fully braced", "PLF"},
        {Case::HipsAndValleys, "hips and valleys", false, false, false, false, false, true, false, false,
         true, 5280, "Unbraced length in ft", "ETL"},
    };
    // Each case is reached from another one, so that every item it sets really changes.
    for (const Case from : {Case::Overhang, Case::HipsAndValleys}) {
        for (const Layout& l : layouts) {
            if (l.loadCase == from) {
                continue;
            }
            SCOPED_TRACE(l.name);
            Driver driver;
            auto& form1 = driver.start<app::Program>().form1;
            driver.click(optionOf(form1, from));
            driver.click(optionOf(form1, l.loadCase));
            ASSERT_TRUE(optionOf(form1, l.loadCase).value());

            EXPECT_EQ(form1.UBSpan.visible(), l.unbalanceButtons);
            EXPECT_EQ(form1.UBOH.visible(), l.unbalanceButtons);
            EXPECT_EQ(form1.CantUBLtext.visible(), l.overhangBox);
            EXPECT_DOUBLE_EQ(form1.UBLtext.left(), l.unbracedLeft);
            EXPECT_EQ(form1.UBLtext.enabled(), l.unbracedOn);
            EXPECT_EQ(form1.UBLlabel.caption(), l.unbracedCaption);
            EXPECT_EQ(form1.Frame3D3.visible(), l.pointFramesShown);
            EXPECT_EQ(form1.Frame3D4.visible(), l.pointFramesShown);
            if (l.pointFramesShown) {
                EXPECT_EQ(form1.Frame3D3.enabled(), l.pointFramesOn);
                EXPECT_EQ(form1.Frame3D4.enabled(), l.pointFramesOn);
            }
            EXPECT_EQ(form1.Frame3D5.enabled(), l.uniformOn);
            EXPECT_EQ(form1.IncFrame.visible(), l.hipFrame);
            EXPECT_EQ(form1.MultiFrame.visible(), l.multiFrame);
            EXPECT_FALSE(form1.FramePSF.visible());
            EXPECT_EQ(form1.CmdOK.enabled(), l.calculateOn);
            EXPECT_EQ(form1.Command3D25.foreColor(), Black);
            EXPECT_EQ(form1.PLFspin.caption(), l.presetCaption);
            EXPECT_EQ(form1.Rep.enabled(), l.loadCase != Case::HipsAndValleys);
            EXPECT_TRUE(driver.untrappedErrors().empty());
        }
    }
}

TEST(Form1LoadCases, OnlyTheOverhangPaintsItsLoadBoxesBlue)
{
    Driver driver;
    auto& form1 = driver.start<app::Program>().form1;
    const auto expectColours = [&](std::uint32_t total, std::uint32_t live, std::uint32_t text) {
        for (platform::TextBox* box :
             {&form1.PT(4), &form1.PT(5), &form1.DIS(4), &form1.DIS(5), &form1.PAR(3), &form1.PAR(4),
              &form1.BEGP(3), &form1.BEGP(4), &form1.ENDP(3), &form1.ENDP(4)}) {
            EXPECT_EQ(box->backColor(), total) << box->name() << box->index();
            EXPECT_EQ(box->foreColor(), text) << box->name() << box->index();
        }
        for (platform::TextBox* box : {&form1.LPT(4), &form1.LPT(5), &form1.LPAR(3), &form1.LPAR(4)}) {
            EXPECT_EQ(box->backColor(), live) << box->name() << box->index();
            EXPECT_EQ(box->foreColor(), text) << box->name() << box->index();
        }
        // The backspan's boxes keep their colours in every case.
        EXPECT_EQ(form1.PT(3).backColor(), White);
        EXPECT_EQ(form1.LPAR(2).backColor(), LightYellow);
    };
    driver.click(form1.OHbutton);
    expectColours(Navy, Blue, White);
    for (platform::OptionButton* other :
         {&form1.SimpleSpanbutton, &form1.OHbutton, &form1.Multibutton, &form1.OHbutton, &form1.IncButton}) {
        driver.click(*other);
        SCOPED_TRACE(other->name());
        if (other == &form1.OHbutton) {
            expectColours(Navy, Blue, White);
        } else {
            expectColours(White, LightYellow, Black);
        }
    }
}

TEST(Form1LoadCases, ChangingTheCaseClearsTheLoadsAndKeepsTheRest)
{
    for (const Case to : {Case::Overhang, Case::MultipleSpans, Case::HipsAndValleys}) {
        SCOPED_TRACE(static_cast<int>(to));
        Driver driver;
        auto& form1 = driver.start<app::Program>().form1;
        enterLoads(driver, form1);
        driver.retype(form1.Dur, "1.15");
        driver.retype(form1.MaxDefl, "180");
        driver.click(form1.Rep);
        ASSERT_EQ(form1.UNIF.text(), "300");

        driver.click(optionOf(form1, to));
        for (platform::TextBox* box : loadBoxes(form1)) {
            EXPECT_EQ(box->text(), "") << box->name() << box->index();
        }
        EXPECT_EQ(form1.Dur.text(), "1.15");
        EXPECT_EQ(form1.MaxDefl.text(), "180");
        EXPECT_EQ(form1.LMaxDefl.text(), "360");
        const bool hip = to == Case::HipsAndValleys;
        // Only the hip and valley case starts over with the span and the tributary row, and it switches
        // repetitive use off.
        EXPECT_EQ(form1.Span.text(), hip ? "" : "16");
        EXPECT_EQ(form1.Text1.text(), hip ? "" : "40");
        EXPECT_EQ(form1.Tribute.text(), hip ? "" : "2");
        if (hip) {
            EXPECT_FALSE(form1.Rep.checked());
        }
    }
}

TEST(Form1LoadCases, ClearingTheTributaryRowLeavesCalculateOffOnlyForHips)
{
    // Emptying the calculator boxes switches "OK Calculate" off on its own; the layout decides last.
    Driver driver;
    auto& form1 = driver.start<app::Program>().form1;
    driver.retype(form1.Text1, "40");
    driver.click(form1.OHbutton);
    EXPECT_TRUE(form1.CmdOK.enabled());
    EXPECT_EQ(form1.Command3D25.foreColor(), Black);
    driver.click(form1.IncButton);
    EXPECT_FALSE(form1.CmdOK.enabled());
    EXPECT_EQ(form1.Command3D25.foreColor(), Black);
}

TEST(Form1LoadCases, HipsAndValleysPreparesItsCalculator)
{
    Driver driver;
    auto& form1 = driver.start<app::Program>().form1;
    driver.click(form1.IncButton);
    driver.click(form1.Areas(3));
    driver.click(form1.Areas(0));
    driver.click(form1.CalctheSpan);
    ASSERT_TRUE(form1.Areas(3).checked());
    driver.click(form1.SimpleSpanbutton);
    driver.click(form1.IncButton);
    EXPECT_TRUE(form1.CalctheSpan.checked());
    EXPECT_TRUE(form1.Areas(0).checked());
    EXPECT_TRUE(form1.Areas(1).checked());
    EXPECT_FALSE(form1.Areas(2).checked());
    EXPECT_FALSE(form1.Areas(3).checked());
    EXPECT_EQ(driver.runtime().focusedControl(), &form1.Trib1);
    EXPECT_FALSE(form1.CantUBLtext.visible());
    EXPECT_TRUE(form1.UBLtext.visible());
}

TEST(Form1LoadCases, MultipleSpansPicksTwoSpansAndThreeSpansRedrawsThePicture)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = program.form1;
    const auto expectPicture = [&](bool two) {
        for (platform::Control* c :
             std::initializer_list<platform::Control*>{&f.Line40, &f.Line41, &f.Line42, &f.Label59}) {
            EXPECT_EQ(c->visible(), two) << c->name();
        }
        for (platform::Control* c : std::initializer_list<platform::Control*>{
                 &f.Line34, &f.Line35, &f.Line36, &f.Line37, &f.Line38, &f.Line39, &f.Label55, &f.Label57}) {
            EXPECT_EQ(c->visible(), !two) << c->name();
        }
        EXPECT_EQ(f.Label54.caption(), two ? "R3" : "R4");
        EXPECT_EQ(f.Label58.caption(), two ? "Note: R1 = R3" : "Note: R1 = R4 and R2 = R3");
    };

    driver.click(f.Multibutton);
    EXPECT_TRUE(f.TwoSpan.value());
    expectPicture(true);

    // The span count keeps the uniform load but invalidates the selection.
    driver.retype(f.UNIF, "250");
    program.state.SelectionStatus = "OK";
    f.SavePanel.setCaption(" Selection:   2x10");
    driver.click(f.ThreeSpan);
    expectPicture(false);
    EXPECT_EQ(f.UNIF.text(), "250");
    EXPECT_EQ(program.state.SelectionStatus, "");
    EXPECT_EQ(f.SavePanel.caption(), "   Selection:  None");

    driver.click(f.TwoSpan);
    expectPicture(true);
    driver.click(f.ThreeSpan);

    // Coming back to multiple spans starts again with two spans.
    driver.click(f.SimpleSpanbutton);
    driver.click(f.Multibutton);
    EXPECT_TRUE(f.TwoSpan.value());
    expectPicture(true);
}

TEST(Form1LoadCases, SpanCountKeepsTheSelectionWhileTheProgramFillsTheForm)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    driver.click(program.form1.Multibutton);
    program.state.SelectionStatus = "OK";
    program.state.ChangeGuard = -1;
    driver.runtime().dispatch([&] { program.form1.ThreeSpan.setValue(true); });
    EXPECT_EQ(program.state.SelectionStatus, "OK");
    EXPECT_EQ(program.form1.Label54.caption(), "R4");
}

TEST(Form1LoadCases, CancelOfMultipleSpansGivesTheSimpleSpanLayout)
{
    Driver driver;
    auto& form1 = driver.start<app::Program>().form1;
    driver.click(form1.Multibutton);
    driver.retype(form1.UNIF, "250");
    driver.click(form1.CancelMultiSpan);

    EXPECT_TRUE(form1.SimpleSpanbutton.value());
    EXPECT_FALSE(form1.Multibutton.value());
    EXPECT_FALSE(form1.MultiFrame.visible());
    EXPECT_TRUE(form1.Frame3D3.enabled());
    EXPECT_TRUE(form1.Frame3D4.enabled());
    EXPECT_TRUE(form1.UBLtext.enabled());
    EXPECT_EQ(form1.UBLtext.text(), "");
    EXPECT_EQ(form1.UBLlabel.caption(), "Unbraced length in ft");
    EXPECT_EQ(form1.UNIF.text(), "");
    EXPECT_TRUE(form1.CmdOK.enabled());
}

TEST(Form1LoadCases, DoubleClickOnALoadTypeShowsTheLoadEntryDiagram)
{
    for (const Case c : {Case::SimpleSpan, Case::Overhang}) {
        SCOPED_TRACE(static_cast<int>(c));
        Driver driver;
        auto& program = driver.start<app::Program>();
        auto& form1 = program.form1;
        driver.click(optionOf(form1, c));
        driver.retype(form1.UNIF, "300");
        driver.retype(form1.PT(4), "500");

        driver.doubleClick(optionOf(form1, c));
        EXPECT_TRUE(program.form9.visible());
        EXPECT_EQ(driver.activeForm(), &program.form9);
        EXPECT_EQ(program.form9.caption(), " Korvanta       Load Entry Diagram");
        // The diagram changes nothing on the criteria form.
        EXPECT_EQ(form1.UNIF.text(), "300");
        EXPECT_EQ(form1.PT(4).text(), "500");
        EXPECT_TRUE(optionOf(form1, c).value());

        driver.click(program.form9.Command1);
        EXPECT_FALSE(program.form9.loaded());
    }
}

} // namespace
