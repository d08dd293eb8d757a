// The notch form's entry boxes and factor controls as the user types and clicks: what each box accepts
// and refuses, the comma key, the Fv unit and wet-use captions, the species and edition choices, the
// pitch toggle, the rafter seat-cut tool and the status labels.
#include "notch/NotchValues.h"
#include "platform/forms/Runtime.h"
#include "tests/notch/NotchFixtures.h"

#include <functional>
#include <gtest/gtest.h>

namespace
{

using platform::test::Driver;
using namespace notch::test;

const char* const NumericMessage =
    "Please enter a valid numeric value. Fractions should be entered using their decimal equivalents.";
const char* const FractionMessage =
    "Please enter fractions (that are less than One) with a Zero, then the decimal "
    "point, then the decimal fraction.  Example: 0.75";

struct EntryCase
{
    const char* typed;
    const char* shown;   // the box afterwards
    const char* message; // nullptr: accepted silently
    int selStart;
};

// Typing key by key: each refused prefix is reported once, so the cases stay short.
const EntryCase EntryCases[] = {
    {"0", "0", nullptr, 0},        {"0.", "0.", nullptr, 0},          {"2.5", "2.5", nullptr, 0},
    {".", "", FractionMessage, 0}, {"0.0", "0.0", NumericMessage, 2}, {"12a", "12a", NumericMessage, 2},
};

TEST(NotchEntry, FocusedBoxesAcceptAndRefuse)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    driver.choose(f.NotchListBox, 2); // every row enabled
    for (platform::TextBox* box :
         {&f.MaxVtextbox, &f.Fvtextbox, &f.rdTextbox, &f.tTextbox, &f.rpTextbox, &f.eTextbox, &f.dnTextbox}) {
        for (const EntryCase& c : EntryCases) {
            SCOPED_TRACE(box->name() + " <- " + c.typed);
            driver.retype(*box, "");
            driver.clearMessages();
            const int beeps = driver.beeps();
            driver.type(*box, c.typed);
            EXPECT_EQ(box->text(), c.shown);
            if (c.message == nullptr) {
                EXPECT_TRUE(driver.messages().empty());
                EXPECT_EQ(driver.beeps(), beeps);
                continue;
            }
            ASSERT_EQ(driver.messages().size(), 1u);
            EXPECT_EQ(driver.messages()[0].text, c.message);
            EXPECT_EQ(driver.messages()[0].title, "Notchwise");
            EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Exclamation);
            EXPECT_EQ(driver.beeps(), beeps + 1);
            EXPECT_EQ(box->selStart(), c.selStart);
        }
        driver.retype(*box, "");
    }
    expectCleanRun(driver);
}

TEST(NotchEntry, SizeBoxesJudgeTheirOwnText)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    struct Case
    {
        platform::TextBox* box;
        const char* typed;
        const char* shown;
        const char* message;
    };
    const Case cases[] = {
        {&f.breadthtextbox, "d", "d", nullptr},
        {&f.depthtextbox, "d", "d", "Please enter a valid numeric value."},
        {&f.breadthtextbox, ".", "",
         "Please enter fractions less than One with Zero and then the decimal point.  Example: 0.75"},
        {&f.depthtextbox, "7.2x", "7.2x", "Please enter a valid numeric value."},
        {&f.depthtextbox, "0.", "0.", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.box->name() + " <- " + c.typed);
        driver.retype(*c.box, "");
        driver.clearMessages();
        driver.type(*c.box, c.typed);
        EXPECT_EQ(c.box->text(), c.shown);
        if (c.message == nullptr) {
            EXPECT_TRUE(driver.messages().empty());
        } else {
            ASSERT_EQ(driver.messages().size(), 1u);
            EXPECT_EQ(driver.messages()[0].text, c.message);
        }
    }
    expectCleanRun(driver);
}

// A number beyond the Double range is no valid number: its box refuses it once, keeps it for correction
// like any refused text, and the rest of the change runs as for a text without a number (read as 0).
TEST(NotchEntry, NumberBeyondTheDoubleRangeIsRefusedAndTheChangeGoesOn)
{
    const char* const SizeMessage = "Please enter a valid numeric value.";
    struct Case
    {
        const char* name;
        int member, notch;
        platform::TextBox notch::FormNotchwise::*box;
        bool typed; // the last key typed turns "9e99" into "9e999"; otherwise "1e309" is pasted
        const char* message;
        std::function<void(notch::FormNotchwise&, app::Program&)> expectAfter;
    };
    const Case cases[] = {
        {"breadth pasted", 0, 0, &notch::FormNotchwise::breadthtextbox, false, SizeMessage,
         [](notch::FormNotchwise& f, app::Program&) {
             // Read as 0: dimension lumber again, with the species list and its Fv rebuilt for it.
             EXPECT_EQ(f.Label21.caption(), "psi, DIMENSION");
             EXPECT_EQ(f.WetUseCheckbox.caption(), "Wet Use Factor = 0.97");
             EXPECT_EQ(f.SpecieCombo.text(), "Douglas Fir-Larch");
             EXPECT_EQ(f.Fvtextbox.text(), "180");
         }},
        {"depth pasted", 0, 0, &notch::FormNotchwise::depthtextbox, false, SizeMessage,
         [](notch::FormNotchwise& f, app::Program&) {
             EXPECT_EQ(f.DnMinimum.caption(), ""); // no depth, no minimum
             EXPECT_EQ(f.DNadequateLabel.caption(), "> Min  OK");
         }},
        {"dn typed", 0, 0, &notch::FormNotchwise::dnTextbox, true, NumericMessage,
         [](notch::FormNotchwise& f, app::Program&) {
             EXPECT_EQ(f.DnMinimum.caption(), "3/4d = Minimum dn = 8.44 in.");
             EXPECT_EQ(f.DNadequateLabel.caption(), "< Min N.G.!");
         }},
        {"dn pasted, tapered glu-lam", 2, 2, &notch::FormNotchwise::dnTextbox, false, NumericMessage,
         [](notch::FormNotchwise& f, app::Program&) {
             EXPECT_EQ(f.DNadequateLabel.caption(), "< Min N.G.!");
         }},
        {"e pasted, tapered glu-lam", 2, 2, &notch::FormNotchwise::eTextbox, false, NumericMessage,
         [](notch::FormNotchwise& f, app::Program&) {
             EXPECT_EQ(f.eAdequateLabel.caption(), "< 3d  OK"); // as for an empty e
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Driver driver;
        auto& program = driver.start<app::Program>();
        auto& f = openNotch(driver, program);
        driver.choose(f.MemberListBox, c.member);
        driver.choose(f.NotchListBox, c.notch);
        enterMember(driver, f, "1500", "5.5", "11.25");
        driver.click(f.WetUseCheckbox);
        driver.retype(f.dnTextbox, "9");
        if (f.eTextbox.enabled()) {
            driver.retype(f.eTextbox, "40"); // > 3d for the glu-lam
        }
        driver.clearMessages();
        platform::TextBox& box = f.*c.box;
        const std::string text = c.typed ? "9e999" : "1e309";
        driver.focus(box);
        driver.runtime().userSelect(box, 0, static_cast<int>(box.text().size()));
        if (c.typed) {
            driver.paste(box, "9e99"); // a valid number, accepted silently
            driver.type(box, "9");
        } else {
            driver.paste(box, text);
        }
        EXPECT_EQ(box.text(), text);
        EXPECT_EQ(driver.messages().size(), 1u);
        if (!driver.messages().empty()) {
            EXPECT_EQ(driver.messages()[0].text, c.message);
        }
        c.expectAfter(f, program);
        // The lists and the factor buttons read the box as it stands.
        driver.choose(f.NotchListBox, c.notch == 2 ? 0 : 2);
        driver.choose(f.SpecieCombo, 0);
        driver.click(f.WetUseCheckbox);
        driver.click(f.WetUseCheckbox);
        EXPECT_EQ(driver.messages().size(), 1u);
        expectCleanRun(driver);
    }
}

TEST(NotchEntry, CommaKeyIsRefusedInTheSevenBoxes)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    driver.choose(f.NotchListBox, 2);
    for (platform::TextBox* box : {&f.MaxVtextbox, &f.breadthtextbox, &f.depthtextbox, &f.Fvtextbox,
                                   &f.tTextbox, &f.eTextbox, &f.dnTextbox}) {
        SCOPED_TRACE(box->name());
        driver.retype(*box, "");
        driver.clearMessages();
        driver.type(*box, "1,5");
        EXPECT_EQ(box->text(), "15");
        ASSERT_EQ(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text, "Please do not enter commas as thousand separators.");
        EXPECT_EQ(driver.messages()[0].title, "Notchwise");
    }
    // The rafter depth and pitch boxes do not filter the key; the text check refuses it instead.
    driver.clearMessages();
    driver.type(f.rdTextbox, "1,");
    EXPECT_EQ(f.rdTextbox.text(), "1,");
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, NumericMessage);
    expectCleanRun(driver);
}

TEST(NotchEntry, FocusSelectsTheWholeText)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    driver.type(f.MaxVtextbox, "1500");
    driver.focus(f.depthtextbox);
    driver.focus(f.MaxVtextbox);
    EXPECT_EQ(f.MaxVtextbox.selStart(), 0);
    EXPECT_EQ(f.MaxVtextbox.selLength(), 4);
}

TEST(NotchEntry, BreadthSetsFvClassSpeciesAndWetUseCaption)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    driver.click(f.WetUseCheckbox);
    driver.retype(f.breadthtextbox, "3.5");
    EXPECT_EQ(f.WetUseCheckbox.caption(), "Wet Use Factor = 0.97");
    EXPECT_EQ(program.notchValues.NotchCm, 0.97);
    EXPECT_EQ(f.Label21.caption(), "psi, DIMENSION");
    EXPECT_EQ(f.Fvtextbox.text(), "180");
    driver.retype(f.breadthtextbox, "5.5");
    EXPECT_EQ(f.WetUseCheckbox.caption(), "Wet Use Factor = 1.0");
    EXPECT_EQ(f.Label21.caption(), "psi, TIMBER");
    EXPECT_EQ(f.SpecieCombo.text(), "Douglas Fir-Larch");
    EXPECT_EQ(f.Fvtextbox.text(), "170"); // NDS Supplement Table 4D
    driver.choose(f.SpecieCombo, 12);
    EXPECT_EQ(f.SpecieCombo.text(), "Eastern Spruce");
    driver.click(f.WetUseCheckbox);
    EXPECT_EQ(f.WetUseCheckbox.caption(), "Wet Use Factor = 1.0");
    EXPECT_EQ(program.notchValues.NotchCm, 1.0);

    driver.choose(f.MemberListBox, 2);
    driver.click(f.WetUseCheckbox);
    EXPECT_EQ(f.WetUseCheckbox.caption(), "Wet Use Factor = 0.875");
    EXPECT_EQ(program.notchValues.NotchCm, 0.875);
    expectCleanRun(driver);
}

TEST(NotchEntry, RoundMemberCopiesTheDiameter)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    driver.choose(f.MemberListBox, 1);
    driver.choose(f.SpecieCombo, 12);
    driver.type(f.depthtextbox, "8");
    EXPECT_EQ(f.breadthtextbox.text(), "8");
    EXPECT_EQ(f.Label21.caption(), "psi, TIMBER");
    EXPECT_EQ(f.SpecieCombo.text(), "Eastern Spruce");
    EXPECT_EQ(f.Fvtextbox.text(), "135");
    EXPECT_EQ(f.DnMinimum.caption(), "3/4d = Minimum dn = 6.0 in.");
    expectCleanRun(driver);
}

TEST(NotchEntry, DurationAndShearFactor)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    const char* names[] = {"Normal", "Snow", "No Snow", "Permanent DL"};
    const double factors[] = {1.0, 1.15, 1.25, 0.9};
    for (int i : {1, 2, 3, 0}) {
        driver.choose(f.DurListbox, i);
        EXPECT_EQ(f.DurLabel.caption(), names[i]);
        EXPECT_EQ(program.notchValues.NotchCd, factors[i]);
    }
    for (int member : {0, 1, 2}) {
        driver.choose(f.MemberListBox, member);
        EXPECT_FALSE(f.NoSplitCheckbox.enabled());
        EXPECT_EQ(f.NoSplitCheckbox.caption(), "Shear Factor = 1.0");
    }
}

TEST(NotchEntry, SpeciesTypedAndEditionChanges)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    driver.choose(f.SpecieCombo, 9);
    EXPECT_EQ(f.Fvtextbox.text(), "175");
    driver.choose(f.NDSyearList, "2005");
    EXPECT_EQ(program.notchValues.NotchNDSYear, 2005);
    EXPECT_EQ(f.SpecieCombo.text(), "Southern Pine"); // chosen again, same value under every edition
    EXPECT_EQ(f.Fvtextbox.text(), "175");
    driver.retype(f.SpecieCombo, "Larch, select"); // the user's own species: its Fv is the user's too
    EXPECT_EQ(f.Fvtextbox.text(), "");
    driver.retype(f.Fvtextbox, "160");
    driver.choose(f.NDSyearList, "2012");
    EXPECT_EQ(f.SpecieCombo.text(), ""); // a typed species is lost with the edition change
    EXPECT_EQ(f.Fvtextbox.text(), "");
    driver.type(f.SpecieCombo, "Larch, select");
    driver.retype(f.Fvtextbox, "160");
    driver.retype(f.breadthtextbox, "4"); // and with a change of breadth
    EXPECT_EQ(f.SpecieCombo.text(), "");
    EXPECT_EQ(f.SpecieCombo.listIndex(), -1);
    EXPECT_EQ(f.Fvtextbox.text(), "");
    expectCleanRun(driver);
}

TEST(NotchEntry, MinimumDepthAndStatusLabels)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    driver.choose(f.MemberListBox, 2);
    driver.choose(f.NotchListBox, 2);
    driver.type(f.depthtextbox, "12");
    EXPECT_EQ(f.DnMinimum.caption(), "1/3d = Minimum dn = 4.01 in."); // 0.334 x 12 = 4.008
    driver.choose(f.NotchListBox, 0);
    EXPECT_EQ(f.DnMinimum.caption(), "9/10d = Minimum dn = 10.8 in.");
    driver.retype(f.depthtextbox, "36");
    EXPECT_EQ(f.DnMinimum.caption(), "d-3in. = Minimum dn = 33.0 in.");
    driver.retype(f.dnTextbox, "33");
    EXPECT_EQ(f.DNadequateLabel.caption(), "> Min  OK");
    driver.retype(f.dnTextbox, "32.99");
    EXPECT_EQ(f.DNadequateLabel.caption(), "< Min N.G.!");
    EXPECT_EQ(f.DNadequateLabel.foreColor(), platform::rgb(192, 0, 0));
    driver.retype(f.dnTextbox, "36");
    EXPECT_EQ(f.DNadequateLabel.caption(), "dn = d");
    EXPECT_EQ(f.DNadequateLabel.foreColor(), platform::rgb(0, 0, 0));
    driver.retype(f.dnTextbox, "");
    EXPECT_EQ(f.DNadequateLabel.caption(), "");
    expectCleanRun(driver);
}

TEST(NotchEntry, TaperedGluLamLengthStatusFollowsEAndD)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    driver.choose(f.MemberListBox, 2);
    driver.choose(f.NotchListBox, 2);
    driver.type(f.depthtextbox, "10");
    driver.type(f.eTextbox, "30");
    EXPECT_EQ(f.eAdequateLabel.caption(), "< 3d  OK");
    driver.retype(f.eTextbox, "30.5");
    EXPECT_EQ(f.eAdequateLabel.caption(), "> 3d  N.G.!");
    EXPECT_EQ(f.eAdequateLabel.foreColor(), platform::rgb(192, 0, 0));
    // A deeper member makes the same notch acceptable.
    driver.retype(f.depthtextbox, "12");
    EXPECT_EQ(f.eAdequateLabel.caption(), "< 3d  OK");
    driver.retype(f.depthtextbox, "10");
    EXPECT_EQ(f.eAdequateLabel.caption(), "> 3d  N.G.!");
    driver.retype(f.eTextbox, "");
    EXPECT_EQ(f.eAdequateLabel.caption(), "< 3d  OK");
    driver.choose(f.NotchListBox, 1);
    EXPECT_EQ(f.eAdequateLabel.caption(), "");
    expectCleanRun(driver);
}

TEST(NotchEntry, RafterToolAndPitchToggle)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    driver.choose(f.NotchListBox, 2);
    enterMember(driver, f, "1500", "1.5", "11.25");
    driver.type(f.rdTextbox, "7.25");
    driver.type(f.tTextbox, "3.5");
    driver.type(f.rpTextbox, "6");
    // theta = atan(6 / 12); dn = 3.5 x 0.5 + 7.25 / cos(theta) = 9.8557; e = (11.25 - 9.8557) / 0.5 = 2.7885.
    EXPECT_EQ(f.dnTextbox.text(), "9.86");
    EXPECT_EQ(f.eTextbox.text(), "2.79");
    EXPECT_NEAR(program.notchValues.NotchPitchAngle, 26.565, 1e-3);

    driver.click(f.RPtoDegreeCmd);
    EXPECT_EQ(f.RPtoDegreeCmd.caption(), "in Degrees <>");
    EXPECT_EQ(f.rpTextbox.text(), "");
    EXPECT_EQ(program.runtime.activeControl(), &f.rpTextbox);
    EXPECT_EQ(program.notchValues.NotchPitchInDegrees, -1);
    driver.type(f.rpTextbox, "45");
    // 45 degrees: rise 12; dn = 3.5 x 1 + 7.25 x sqrt(2) = 13.753 > d, so the box shows d; e stays 0.
    EXPECT_EQ(f.dnTextbox.text(), "11.25");
    EXPECT_EQ(f.eTextbox.text(), "0");
    driver.click(f.RPtoDegreeCmd);
    EXPECT_EQ(f.RPtoDegreeCmd.caption(), "to 12 Pitch <>");
    EXPECT_EQ(program.notchValues.NotchPitchInDegrees, 0);

    // A flat rafter has no seat-cut length: dn is written, then e fails.
    driver.clearMessages();
    driver.type(f.rpTextbox, "0");
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, "Error at Dn (depth of notch) calculation.");
    EXPECT_EQ(driver.messages()[0].title, "Korvanta");
    EXPECT_EQ(f.dnTextbox.text(), "7.25"); // 3.5 x tan 0 + 7.25 / cos 0
    expectCleanRun(driver);
}

} // namespace
