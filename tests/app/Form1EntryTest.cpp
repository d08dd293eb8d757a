// The entry rules of the criteria form's boxes as the user types: refused texts named in the box's own
// message, zeros removed from the load boxes, the selection cleared except under the guards, the
// switches of "OK Calculate", Insert pasting the calculator's result, and the guards' release.
#include "app/Form1.h"
#include "app/Form25.h"
#include "app/GuardHold.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "platform/core/RuntimeError.h"
#include "platform/core/Traps.h"
#include "platform/headless/Driver.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <stdexcept>
#include <string>

namespace
{

using platform::test::Driver;

struct Criteria
{
    Driver driver;
    app::Program& program = driver.start<app::Program>();
    app::Form1& form1 = program.form1;

    void selectMember() { program.state.SelectionStatus = "OK"; }
    bool selectionCleared() const { return program.state.SelectionStatus.empty(); }
    void write(platform::TextBox& box, const std::string& text)
    {
        driver.runtime().dispatch([&] { box.setText(text); });
    }
    void insertCalculatorResult(platform::TextBox& box, const std::string& result)
    {
        write(program.form25.CalT, result);
        driver.key(box, platform::Key::Insert);
    }
};

TEST(Form1Entry, RefusedTextsAreNamedAndEmptied)
{
    struct Case
    {
        platform::TextBox& (*box)(app::Form1&);
        const char* typed;
        const char* message;
    };
    const Case cases[] = {
        {[](app::Form1& f) -> platform::TextBox& { return f.UNIF; }, "1a",
         "Please enter a valid numeric value for the Uniform Load in Lbs Per/Ft."},
        {[](app::Form1& f) -> platform::TextBox& { return f.LUNIF; }, ".",
         "Please enter a valid numeric value for the Live Uniform Load in Lbs Per/Ft."},
        {[](app::Form1& f) -> platform::TextBox& { return f.PT(3); }, "-",
         "Please enter a valid numeric value for the Point Load."},
        {[](app::Form1& f) -> platform::TextBox& { return f.LPT(0); }, "A",
         "Please enter a valid numeric value for the Live Point Load."},
        {[](app::Form1& f) -> platform::TextBox& { return f.PAR(1); }, "x",
         "Please enter a valid numeric value for the Partial Uniform Load."},
        {[](app::Form1& f) -> platform::TextBox& { return f.LPAR(4); }, "e",
         "Please enter a valid numeric value for the Live Partial Uniform Load."},
        {[](app::Form1& f) -> platform::TextBox& { return f.DIS(5); }, "0",
         "Please enter a numeric value for the DISTANCE to the point load."},
        {[](app::Form1& f) -> platform::TextBox& { return f.BEGP(2); }, "-",
         "Please enter a numeric value for the distance to the START of the Partial Uniform Load."},
        {[](app::Form1& f) -> platform::TextBox& { return f.ENDP(0); }, "0",
         "Please enter a numeric value for the END location of the Partial Uniform Load."},
        {[](app::Form1& f) -> platform::TextBox& { return f.Span; }, "0",
         "Please enter a valid numeric value for the beam Span in feet (and decimal fraction, if any)"},
        {[](app::Form1& f) -> platform::TextBox& { return f.Span; }, ",",
         "Please enter a valid numeric value for the beam Span in feet (and decimal fraction, if any)"},
        {[](app::Form1& f) -> platform::TextBox& { return f.UBLtext; }, "A",
         "Please enter a valid numeric value for the unbraced length in feet (and decimal fraction, if any)"},
        {[](app::Form1& f) -> platform::TextBox& { return f.Text1; }, "q",
         "Please enter a valid numeric value for the live load PSF."},
        {[](app::Form1& f) -> platform::TextBox& { return f.Text2; }, "-",
         "Please enter a valid numeric value for the LL+DL PSF."},
        {[](app::Form1& f) -> platform::TextBox& { return f.Tribute; }, "/",
         "Please enter a valid numeric value for tributary length."},
    };
    for (const Case& c : cases) {
        Criteria t;
        platform::TextBox& box = c.box(t.form1);
        SCOPED_TRACE(box.name() + " <- " + c.typed);
        t.driver.type(box, c.typed);
        EXPECT_EQ(box.text(), "");
        EXPECT_EQ(t.driver.beeps(), 1);
        ASSERT_EQ(t.driver.messages().size(), 1u);
        const auto& shown = t.driver.messages()[0];
        EXPECT_EQ(shown.text, c.message);
        EXPECT_EQ(shown.title, "Korvanta");
        EXPECT_EQ(shown.buttons, platform::Buttons::OK);
        EXPECT_EQ(shown.icon, platform::Icon::None);
    }
}

// A pasted number with thousands separators would pass as a number and then read as its first group
// (1,000 as 1), so it is refused like any other text that is not a plain number.
TEST(Form1Entry, PastedThousandsSeparatorsAreRefused)
{
    Criteria t;
    t.driver.paste(t.form1.UNIF, "1,000");
    EXPECT_EQ(t.form1.UNIF.text(), "");
    ASSERT_EQ(t.driver.messages().size(), 1u);
    EXPECT_EQ(t.driver.messages()[0].text,
              "Please enter a valid numeric value for the Uniform Load in Lbs Per/Ft.");
}

TEST(Form1Entry, BoxesOutOfSightAreJudgedWhenWritten)
{
    // The calculator rows and the overhang's unbraced length are hidden on a fresh form; a write by
    // code meets the same rules, and the focus stays where it was when the box cannot take it.
    struct Case
    {
        platform::TextBox& (*box)(app::Form1&);
        const char* message;
    };
    const Case cases[] = {
        {[](app::Form1& f) -> platform::TextBox& { return f.CantUBLtext; },
         "Please enter a valid numeric value for the unbraced length of Overhang in feet (enter in the blue "
         "box)."},
        {[](app::Form1& f) -> platform::TextBox& { return f.IncTL; },
         "Please enter a valid numeric value for the Total (LL + DL) Increasing Load in Lbs. per square ft."},
        {[](app::Form1& f) -> platform::TextBox& { return f.IncLL; },
         "Please enter a valid numeric value for the Live Increasing Load in Lbs. per square ft."},
        {[](app::Form1& f) -> platform::TextBox& { return f.IncUnifTL; },
         "Please enter a valid numeric value for the Total (LL + DL) Uniform Load in Lbs. per lin. ft."},
        {[](app::Form1& f) -> platform::TextBox& { return f.IncUnifLL; },
         "Please enter a valid numeric value for the Live Uniform Load in Lbs. per lin. ft."},
        {[](app::Form1& f) -> platform::TextBox& { return f.PSF(2); },
         "Please enter a valid numeric value for the Partial Uniform Sq Ft Load."},
        {[](app::Form1& f) -> platform::TextBox& { return f.LPSF(0); },
         "Please enter a valid numeric value for the Live Partial Uniform Sq Ft Load."},
        {[](app::Form1& f) -> platform::TextBox& { return f.TribPSF(4); },
         "Please enter a valid numeric value for the tributary partial load length."},
        {[](app::Form1& f) -> platform::TextBox& { return f.Trib2; },
         "Please enter a valid numeric value for the tributary length"},
    };
    for (const Case& c : cases) {
        Criteria t;
        platform::TextBox& box = c.box(t.form1);
        SCOPED_TRACE(box.name());
        t.write(box, "-3");
        EXPECT_EQ(box.text(), "");
        ASSERT_EQ(t.driver.messages().size(), 1u);
        EXPECT_EQ(t.driver.messages()[0].text, c.message);
        EXPECT_EQ(t.driver.runtime().focusedControl(), &t.form1.Span);
        EXPECT_TRUE(t.driver.untrappedErrors().empty());
    }
}

TEST(Form1Entry, ZeroLeavesLoadBoxesWithoutAWord)
{
    Criteria t;
    auto& f = t.form1;
    for (platform::TextBox* box :
         {&f.UNIF, &f.LUNIF, &f.PT(0), &f.LPT(5), &f.PAR(2), &f.LPAR(1), &f.Text1, &f.Text2, &f.Tribute}) {
        t.driver.retype(*box, "0");
        EXPECT_EQ(box->text(), "") << box->name();
    }
    // Written by code in any form, a zero goes too, even while the program holds the selection.
    t.selectMember();
    t.driver.runtime().dispatch([&] {
        const app::GuardHold change{t.program.state.ChangeGuard};
        f.UNIF.setText("0.00");
        f.PSF(1).setText("0");
    });
    EXPECT_EQ(f.UNIF.text(), "");
    EXPECT_EQ(f.PSF(1).text(), "");
    EXPECT_FALSE(t.selectionCleared());
    EXPECT_TRUE(t.driver.messages().empty());
    EXPECT_EQ(t.driver.beeps(), 0);

    // A start distance may be zero; the other distances and spans may not.
    t.driver.retype(f.BEGP(0), "0");
    EXPECT_EQ(f.BEGP(0).text(), "0");
    EXPECT_TRUE(t.driver.messages().empty());
}

TEST(Form1Entry, TextsAcceptedOnTheWayAndSpecialTexts)
{
    Criteria t;
    auto& f = t.form1;
    const std::pair<platform::TextBox*, const char*> kept[] = {
        {&f.DIS(0), ".5"},  {&f.BEGP(1), ".25"}, {&f.ENDP(4), "12.5"}, {&f.UBLtext, "0"},  {&f.Span, "14.5"},
        {&f.UNIF, "125.5"}, {&f.MaxDefl, "abc"}, {&f.LMaxDefl, "-0"},  {&f.PT(1), "3000"},
    };
    for (const auto& [box, text] : kept) {
        t.driver.retype(*box, text);
        EXPECT_EQ(box->text(), text) << box->name();
    }
    // "Any" is written by the program for steel tubes and stays; in any other box it is refused.
    t.write(f.UBLtext, "Any");
    t.write(f.CantUBLtext, "Any");
    EXPECT_EQ(f.UBLtext.text(), "Any");
    EXPECT_EQ(f.CantUBLtext.text(), "Any");
    EXPECT_TRUE(t.driver.messages().empty());
    EXPECT_EQ(t.driver.beeps(), 0);
    t.write(f.Span, "Any");
    EXPECT_EQ(f.Span.text(), "");

    // A pasted negative number is below the bound; a pasted number beyond a double is no number.
    for (const char* pasted : {"-5", "1e999"}) {
        t.driver.clearMessages();
        t.driver.retype(f.PT(0), "");
        t.driver.paste(f.PT(0), pasted);
        EXPECT_EQ(f.PT(0).text(), "") << pasted;
        EXPECT_EQ(t.driver.messages().size(), 1u) << pasted;
    }
}

TEST(Form1Entry, SelectionClearedOnChangeExceptUnderTheGuards)
{
    Criteria t;
    auto& f = t.form1;
    for (platform::TextBox* box : {&f.UNIF, &f.PT(2), &f.DIS(2), &f.Span, &f.MaxDefl, &f.Proj}) {
        t.selectMember();
        t.driver.retype(*box, "9");
        EXPECT_EQ(t.selectionCleared(), box != &f.Proj) << box->name();
    }
    // The tributary width never clears it.
    t.selectMember();
    t.driver.retype(f.Tribute, "16");
    EXPECT_FALSE(t.selectionCleared());

    // While the activation writes the loads back, the load boxes keep it; the others do not.
    t.driver.runtime().dispatch([&] {
        const app::GuardHold refill{t.program.state.RefillGuard};
        t.selectMember();
        f.UNIF.setText("45");
        f.PAR(0).setText("12");
        f.LPSF(3).setText("20");
    });
    EXPECT_FALSE(t.selectionCleared());
    t.driver.runtime().dispatch([&] {
        const app::GuardHold refill{t.program.state.RefillGuard};
        f.DIS(1).setText("3");
    });
    EXPECT_TRUE(t.selectionCleared());

    // The hip and valley calculator writes the uniform load: under that case it keeps the selection.
    t.driver.click(f.IncButton);
    t.selectMember();
    t.write(f.UNIF, "250");
    t.write(f.LUNIF, "100");
    EXPECT_FALSE(t.selectionCleared());
}

TEST(Form1Entry, CalculatorEntriesSwitchOkCalculate)
{
    Criteria t;
    auto& f = t.form1;
    t.driver.retype(f.Text1, "20");
    EXPECT_FALSE(f.CmdOK.enabled());
    EXPECT_EQ(f.Command3D25.foreColor(), platform::rgb(128, 0, 0));
    t.driver.retype(f.UNIF, "300");
    EXPECT_TRUE(f.CmdOK.enabled());
    EXPECT_EQ(f.Command3D25.foreColor(), platform::rgb(0, 0, 0));

    // The hip boxes switch "OK Calculate" off; the totals switch the hip calculator on.
    t.driver.click(f.IncButton);
    t.driver.runtime().dispatch([&] {
        f.IncCalcButton.setEnabled(false);
        f.CmdOK.setEnabled(true);
    });
    t.driver.retype(f.IncLL, "20");
    EXPECT_FALSE(f.CmdOK.enabled());
    EXPECT_FALSE(f.IncCalcButton.enabled());
    t.driver.retype(f.IncUnifTL, "15");
    EXPECT_TRUE(f.IncCalcButton.enabled());
    t.driver.retype(f.Trib1, "8");
    EXPECT_FALSE(f.CmdOK.enabled());
}

TEST(Form1Entry, InsertPastesTheCalculatorResult)
{
    Criteria t;
    auto& f = t.form1;
    // Before the calculator ever computed, its result is empty; reading it loads the form unseen.
    t.driver.retype(f.UNIF, "75");
    t.driver.key(f.UNIF, platform::Key::Insert);
    EXPECT_EQ(f.UNIF.text(), "");
    EXPECT_TRUE(t.program.form25.loaded());
    EXPECT_FALSE(t.program.form25.visible());
    EXPECT_EQ(t.program.state.CalTimesOn, -1);

    t.driver.retype(f.Text1, "20"); // "OK Calculate" off, transfer button red
    t.insertCalculatorResult(f.UNIF, "1250");
    EXPECT_EQ(f.UNIF.text(), "1250");
    EXPECT_TRUE(f.CmdOK.enabled());
    EXPECT_EQ(f.Command3D25.foreColor(), platform::rgb(0, 0, 0));

    struct Case
    {
        platform::TextBox* box;
        const char* result;
        bool taken;
    };
    const Case cases[] = {
        {&f.UNIF, "1000000", false}, {&f.LPAR(2), "999999", false}, {&f.PAR(0), "999998.5", true},
        {&f.PT(0), "1000000", true}, {&f.LPT(4), "9999999", false}, {&f.DIS(0), "1E+300", true},
        {&f.ENDP(1), "12.5", true},  {&f.PT(1), "1e999", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box->name() + " <- " + c.result);
        t.driver.clearMessages();
        t.driver.retype(*c.box, "5");
        t.insertCalculatorResult(*c.box, c.result);
        if (c.taken) {
            EXPECT_EQ(c.box->text(), c.result);
            EXPECT_TRUE(t.driver.messages().empty());
        } else {
            EXPECT_EQ(c.box->text(), "5");
            ASSERT_EQ(t.driver.messages().size(), 1u);
            EXPECT_EQ(t.driver.messages()[0].text, "Number is too large to insert");
            EXPECT_EQ(t.driver.messages()[0].icon, platform::Icon::Exclamation);
        }
    }
    // Shift, Ctrl or Alt held make no difference; other keys paste nothing.
    t.write(t.program.form25.CalT, "42");
    t.driver.key(f.LUNIF, platform::Key::Insert, platform::shift::Ctrl | platform::shift::Shift);
    EXPECT_EQ(f.LUNIF.text(), "42");
    t.driver.key(f.Span, platform::Key::Insert);
    t.driver.key(f.PT(2), platform::Key::Delete);
    EXPECT_EQ(f.Span.text(), "");
    EXPECT_EQ(f.PT(2).text(), "");
}

TEST(Form1Entry, FocusSelectsTheWholeText)
{
    Criteria t;
    auto& f = t.form1;
    t.write(f.Proj, "Barn");
    t.write(f.PT(0), "1500");
    for (platform::TextBox* box : {&f.Proj, &f.PT(0)}) {
        t.driver.focus(*box);
        EXPECT_EQ(box->selStart(), 0);
        EXPECT_EQ(box->selLength(), static_cast<int>(box->text().size()));
    }
    t.driver.type(f.PT(0), "9");
    EXPECT_EQ(f.PT(0).text(), "9");
}

TEST(GuardHold, GuardIsGivenBackOnEveryWayOut)
{
    std::int16_t guard = 0;
    const bool completed = platform::leaveOnError(
        [&] {
            const app::GuardHold hold{guard};
            EXPECT_EQ(guard, -1);
            platform::raise(13);
        },
        [](const platform::RuntimeError&) {});
    EXPECT_FALSE(completed);
    EXPECT_EQ(guard, 0);

    EXPECT_THROW(
        [&] {
            const app::GuardHold hold{guard};
            throw std::runtime_error("internal");
        }(),
        std::runtime_error);
    EXPECT_EQ(guard, 0);

    // A hold inside another hold of the same guard leaves the outer one in force.
    {
        const app::GuardHold outer{guard};
        {
            const app::GuardHold inner{guard};
        }
        EXPECT_EQ(guard, -1);
    }
    EXPECT_EQ(guard, 0);
}

} // namespace
