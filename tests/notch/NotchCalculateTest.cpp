// "OK Calculate" as the user runs it: the report of each notch type against hand derivations of the NDS
// notched-member equations, the status texts, the entry checks, and the mended false successes.
#include "notch/NotchValues.h"
#include "platform/forms/Runtime.h"
#include "tests/notch/NotchFixtures.h"

#include <gtest/gtest.h>

namespace
{

using platform::test::Driver;
using namespace notch::test;

constexpr std::uint32_t DarkRed = platform::rgb(128, 0, 0);
constexpr std::uint32_t Black = platform::rgb(0, 0, 0);

struct Report
{
    std::string an, fvAdj, critical, critTitle, critUnit, ratio, ratioTitle, status;
};

Report report(const notch::FormNotchwise& fc)
{
    auto& f = const_cast<notch::FormNotchwise&>(fc);
    return {f.AnLabel.caption(),         f.AdjFvLabel.caption(),      f.CriticalfvLabel.caption(),
            f.CritLabel.caption(),       f.CritPsiLabel.caption(),    f.RatioFvLabel.caption(),
            f.RatioTitleLabel.caption(), f.ShearStatusLabel.caption()};
}

void expectReport(const notch::FormNotchwise& f, const Report& want)
{
    const Report got = report(f);
    EXPECT_EQ(got.an, want.an);
    EXPECT_EQ(got.fvAdj, want.fvAdj);
    EXPECT_EQ(got.critical, want.critical);
    EXPECT_EQ(got.critTitle, want.critTitle);
    EXPECT_EQ(got.critUnit, want.critUnit);
    EXPECT_EQ(got.ratio, want.ratio);
    EXPECT_EQ(got.ratioTitle, want.ratioTitle);
    EXPECT_EQ(got.status, want.status);
}

const char* const Ok = "OK  Fv ratio less than 100%";
const char* const VrTitle = "Allowable Vr' =";
const char* const FvTitle = "Allowable fv =";
const char* const VrRatio = "Ratio V / Vr' =";
const char* const FvRatio = "Ratio fv / Fv' =";

// Sawn 3.5 x 11.25 Douglas Fir-Larch (dimension lumber, Fv 180 psi from NDS Supplement Table 4A).
notch::FormNotchwise& sawnMember(Driver& driver, app::Program& program, const char* v = "1500")
{
    auto& f = openNotch(driver, program);
    enterMember(driver, f, v, "3.5", "11.25");
    return f;
}

TEST(NotchCalculate, SawnNotchesByHand)
{
    struct Case
    {
        int notch;
        const char* v;
        const char* e;
        const char* dn;
        Report want;
        std::uint32_t colour;
    };
    const Case cases[] = {
        // Tension: An 3.5 x 9.5 = 33.25; Vr' = (9.5 / 11.25)^2 x 180 x 0.666667 x 33.25 = 2845.2; 1500 /
        // 2845.2.
        {0, "1500", "", "9.5", {"33.25", "180.0", "2845", VrTitle, "lbs", "52.72", VrRatio, Ok}, Black},
        // 3000 / 2845.2 = 105.44 %.
        {0,
         "3000",
         "",
         "9.5",
         {"33.25", "180.0", "2845", VrTitle, "lbs", "105.44", VrRatio, "FAILS!  Fv ratio greater than 100%"},
         DarkRed},
        // dn 8 < 0.75 x 11.25: Vr' = (8 / 11.25)^2 x 180 x 0.666667 x 28 = 1699.1; 88.28 % passes the ratio.
        {0,
         "1500",
         "",
         "8",
         {"28.0", "180.0", "1699", VrTitle, "lbs", "88.28", VrRatio, "FAILS!  Actual dn < Minimum dn"},
         DarkRed},
        // Compression, e 4: [11.25 - 4 x 1.75 / 9.5] x 180 x 0.666667 x 3.5 = 4415.5; 1500 / 4415.5 = 33.97
        // %.
        {1, "1500", "4", "9.5", {"33.25", "180.0", "4416", VrTitle, "lbs", "33.97", VrRatio, Ok}, Black},
        // e = dn: the bracket is dn; 9.5 x 420.0002 = 3990.0; 37.59 %.
        {1, "1500", "9.5", "9.5", {"33.25", "180.0", "3990", VrTitle, "lbs", "37.59", VrRatio, Ok}, Black},
        // e > dn: fv = 3 x 1500 / (2 x 33.25) = 67.67 psi; 67.67 / 180 = 37.59 %.
        {1, "1500", "9.51", "9.5", {"33.25", "180.0", "67.67", FvTitle, "psi", "37.59", FvRatio, Ok}, Black},
        // fv = 3 x 4000 / 66.5 = 180.45 psi: 100.25 %, with one blank after "FAILS!".
        {1,
         "4000",
         "10",
         "9.5",
         {"33.25", "180.0", "180.45", FvTitle, "psi", "100.25", FvRatio, "FAILS! Fv ratio greater than 100%"},
         DarkRed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "notch " << c.notch << " V " << c.v << " e " << c.e << " dn " << c.dn);
        Driver driver;
        auto& program = driver.start<app::Program>();
        auto& f = sawnMember(driver, program, c.v);
        driver.choose(f.NotchListBox, c.notch);
        if (c.notch == 1) {
            driver.type(f.eTextbox, c.e);
        }
        driver.type(f.dnTextbox, c.dn);
        driver.click(f.OKcalcCmd);
        expectReport(f, c.want);
        EXPECT_EQ(f.ShearStatusLabel.foreColor(), c.colour);
        EXPECT_EQ(program.notchValues.NotchResultsValid, -1);
        EXPECT_EQ(f.MinSpanLabel.caption(), "n/a");
        EXPECT_EQ(f.AngleLabel.caption(), "n/a");
        EXPECT_TRUE(driver.messages().empty());
        expectCleanRun(driver);
    }
}

TEST(NotchCalculate, LogTakesTheCircularNetArea)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    driver.choose(f.MemberListBox, 1);
    driver.type(f.MaxVtextbox, "1500");
    driver.type(f.depthtextbox, "10"); // diameter; timbers column: Douglas Fir-Larch 170 psi (Table 4D)
    driver.choose(f.SpecieCombo, 0);
    driver.type(f.dnTextbox, "8");
    driver.click(f.OKcalcCmd);
    // An = 78.54 - segment 11.1824 = 67.3576; Vr' = 0.64 x 170 x 0.666667 x 67.3576 = 4885.7; 30.70 %.
    expectReport(f, {"67.36", "170.0", "4886", VrTitle, "lbs", "30.7", VrRatio, Ok});

    // Half the diameter or less leaves no segment to subtract: the calculation stops in its trap.
    driver.retype(f.dnTextbox, "5");
    driver.click(f.OKcalcCmd);
    ASSERT_FALSE(driver.messages().empty());
    EXPECT_EQ(driver.messages().back().text, "Error: Notch requirements could not be calculated.");
    EXPECT_EQ(driver.messages().back().title, "Korvanta");
    EXPECT_EQ(program.notchValues.NotchResultsValid, 0);
    expectCleanRun(driver);
}

TEST(NotchCalculate, TaperedGluLamWithCvrSpanAndAngle)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    driver.choose(f.MemberListBox, 2);
    driver.choose(f.NotchListBox, 2);
    enterMember(driver, f, "1500", "5.125", "12");
    driver.choose(f.SpecieCombo, 3);
    driver.type(f.rdTextbox, "10");
    driver.type(f.tTextbox, "3.5");
    driver.type(f.rpTextbox, "3");
    // The seat cut at 3 in 12 gave dn and e; the user then enters his own.
    driver.retype(f.dnTextbox, "10");
    driver.retype(f.eTextbox, "4");
    driver.click(f.OKcalcCmd);
    // Fv' = 240 x 0.72 (Cvr) = 172.8; An = 51.25; Vr' = 172.8 x 0.666667 x 51.25 = 5904.0; 1500 / 5904
    // = 25.41 %.
    expectReport(f, {"51.25", "172.8", "5904", VrTitle, "lbs", "25.41", VrRatio, Ok});
    EXPECT_EQ(f.MinSpanLabel.caption(), "1.0"); // 4 x 3 / 12 ft
    EXPECT_EQ(f.AngleLabel.caption(), "14.04"); // atan(3 / 12) = 14.036 degrees
    EXPECT_EQ(f.AdjFvLabel.toolTipText(), "Fv adjusted by Cm, Ch, Cd and, for glu-lam, Cvr.");
    expectCleanRun(driver);
}

TEST(NotchCalculate, FactorsFromTheControls)
{
    struct Case
    {
        int member;
        const char* breadth;
        bool wet;
        int duration;
        const char* fvAdj;
    };
    const Case cases[] = {
        {0, "4", true, 0, "174.6"},      // 180 x 0.97
        {0, "6", true, 0, "170.0"},      // timbers 170 x 1.0
        {0, "3.5", false, 1, "207.0"},   // 180 x 1.15
        {0, "3.5", false, 3, "162.0"},   // 180 x 0.9
        {2, "5.125", true, 0, "151.2"},  // 240 x 0.875 x 0.72
        {2, "5.125", false, 2, "216.0"}, // 240 x 1.25 x 0.72
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.member << " b " << c.breadth << " wet " << c.wet << " Cd " << c.duration);
        Driver driver;
        auto& program = driver.start<app::Program>();
        auto& f = openNotch(driver, program);
        driver.choose(f.MemberListBox, c.member);
        enterMember(driver, f, "1000", c.breadth, "11.25");
        driver.choose(f.SpecieCombo, 0);
        if (c.wet) {
            driver.click(f.WetUseCheckbox);
        }
        driver.choose(f.DurListbox, c.duration);
        driver.type(f.dnTextbox, "11");
        driver.click(f.OKcalcCmd);
        EXPECT_EQ(f.AdjFvLabel.caption(), c.fvAdj);
        expectCleanRun(driver);
    }
}

TEST(NotchCalculate, EntryChecksStopBeforeAnything)
{
    struct Case
    {
        const char* box;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"MaxVtextbox", "", "Please enter a valid numeric value for V."},
        {"MaxVtextbox", "0", "Please enter a valid numeric value for V."},
        {"breadthtextbox", "d", "Please enter a valid numeric value for the Breadth."},
        {"depthtextbox", "", "Please enter a valid numeric value for the Depth."},
        {"SpecieCombo", "", "Please select or enter a specie and grade"},
        {"Fvtextbox", "0.", "Please select or enter the Base Fv Value."},
        {"dnTextbox", "", "Please enter a valid numeric value for Dn."},
        {"eTextbox", "4a", "Please enter a valid numeric value, enter a zero or leave the box blank for e. "},
        {"rdTextbox", "", "Please enter a valid numeric value for rd. "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.box << " <- '" << c.text << "'");
        Driver driver;
        auto& program = driver.start<app::Program>();
        auto& f = sawnMember(driver, program);
        driver.choose(f.NotchListBox, 2);
        driver.type(f.rdTextbox, "7.25");
        driver.type(f.tTextbox, "3.5");
        driver.type(f.rpTextbox, "4");
        driver.retype(f.dnTextbox, "9.5");
        driver.retype(f.eTextbox, "2");
        platform::Control& box = *f.findControl(c.box);
        if (box.kind() == platform::ControlKind::ComboBox) {
            driver.retype(static_cast<platform::ComboBox&>(box), c.text); // the species box's text part
        } else {
            driver.retype(static_cast<platform::TextBox&>(box), c.text);
        }
        driver.clearMessages();
        driver.click(f.OKcalcCmd);
        ASSERT_EQ(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text, c.message);
        EXPECT_EQ(driver.messages()[0].title, "Notchwise");
        EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Exclamation);
        EXPECT_EQ(program.runtime.activeControl(), &box);
        EXPECT_EQ(f.AdjFvLabel.caption(), "");
        EXPECT_EQ(program.notchValues.NotchResultsValid, 0);
        expectCleanRun(driver);
    }
}

TEST(NotchCalculate, CompressionNotchTakesAnyE)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = sawnMember(driver, program);
    driver.choose(f.NotchListBox, 1);
    driver.type(f.dnTextbox, "9.5");
    driver.click(f.OKcalcCmd);
    // e empty reads 0: Vr' = 11.25 x 180 x 0.666667 x 3.5 = 4725.0.
    EXPECT_EQ(f.CriticalfvLabel.caption(), "4725");
    EXPECT_TRUE(driver.messages().empty());
}

TEST(NotchCalculate, FullDepthMessageThenAResult)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = sawnMember(driver, program);
    driver.type(f.dnTextbox, "11.25");
    driver.click(f.OKcalcCmd);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text,
              "The value for Dn (depth remaining at notch) is greater than the member depth. "
              "Beam is full depth at the critical shear point.");
    EXPECT_EQ(driver.messages()[0].title, "Notchwise");
    EXPECT_EQ(driver.messages()[0].icon, platform::Icon::None);
    // Vr' = 1 x 180 x 0.666667 x 39.375 = 4725.0.
    EXPECT_EQ(f.CriticalfvLabel.caption(), "4725");
    EXPECT_EQ(program.notchValues.NotchResultsValid, -1);
}

// A remaining depth larger than the member is the full member, never more.
TEST(NotchCalculateFault, DnBeyondDepthCountsAsTheFullDepth)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    enterMember(driver, f, "1500", "3.5", "10");
    driver.type(f.dnTextbox, "12");
    driver.click(f.OKcalcCmd);
    // Vr' = (10 / 10)^2 x 180 x 0.666667 x 35 = 4200.0 (as typed, dn 12 would give 1.2^3 x 4200 = 7257.6).
    expectReport(f, {"35.0", "180.0", "4200", VrTitle, "lbs", "35.71", VrRatio, Ok});
    EXPECT_EQ(f.dnTextbox.text(), "12");
    EXPECT_EQ(program.notchValues.NotchDn, 10);

    // A log: the whole circle, 0.7854 x 10^2 = 78.54; Vr' = 170 x 0.666667 x 78.54 = 8901 (timbers Fv 170).
    // Taken as typed, the cut depth d - dn would be negative and the net area could not be formed.
    driver.choose(f.MemberListBox, 1);
    driver.type(f.MaxVtextbox, "1500");
    driver.type(f.depthtextbox, "10");
    driver.choose(f.SpecieCombo, 0);
    driver.type(f.dnTextbox, "12");
    driver.click(f.OKcalcCmd);
    expectReport(f, {"78.54", "170.0", "8901", VrTitle, "lbs", "16.85", VrRatio, Ok});
    expectCleanRun(driver);
}

// Under NDS 1997 or 2001 nothing is chosen in the edition list: no stale or zero result may be reported.
TEST(NotchCalculateFault, NoEditionNoResult)
{
    Driver driver;
    putOlderEditionSettings(driver, true);
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    enterMember(driver, f, "1500", "3.5", "11.25");
    driver.type(f.Fvtextbox, "180");
    driver.type(f.dnTextbox, "9.5");
    driver.click(f.OKcalcCmd);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, "No NDS year selected.");
    EXPECT_EQ(driver.messages()[0].title, "Notchwise");
    EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Exclamation);
    EXPECT_EQ(program.runtime.activeControl(), &f.NDSyearList);
    EXPECT_EQ(f.RatioFvLabel.caption(), "");
    EXPECT_EQ(f.ShearStatusLabel.caption(), "");
    EXPECT_EQ(program.notchValues.NotchResultsValid, 0);

    driver.choose(f.NDSyearList, "2015");
    driver.retype(f.Fvtextbox, "180");
    driver.click(f.OKcalcCmd);
    EXPECT_EQ(f.CriticalfvLabel.caption(), "2845");
    EXPECT_EQ(program.notchValues.NotchResultsValid, -1);
    expectCleanRun(driver);
}

// Glu-lam shear at a notch carries Cvr = 0.72.
TEST(NotchCalculateFault, GluLamTensionNotchCarriesCvr)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    driver.choose(f.MemberListBox, 2);
    enterMember(driver, f, "5000", "5.125", "12");
    driver.choose(f.SpecieCombo, 0);
    EXPECT_EQ(f.Fvtextbox.text(), "240"); // DF/DF, NDS Supplement Table 5A
    driver.type(f.dnTextbox, "11");
    driver.click(f.OKcalcCmd);
    // Fv' = 240 x 0.72 = 172.8; Vr' = (11 / 12)^2 x 172.8 x 0.666667 x 56.375 = 5457.1; 5000 / 5457.1 = 91.62
    // %.
    expectReport(f, {"56.38", "172.8", "5457", VrTitle, "lbs", "91.62", VrRatio, Ok});
    expectCleanRun(driver);
}

// A tapered glu-lam notch longer than three depths fails even when its shear passes.
TEST(NotchCalculateFault, TaperedGluLamLongerThanThreeDepthsFails)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    driver.choose(f.MemberListBox, 2);
    driver.choose(f.NotchListBox, 2);
    enterMember(driver, f, "1500", "5.125", "12");
    driver.choose(f.SpecieCombo, 3);
    driver.type(f.rdTextbox, "10");
    driver.type(f.tTextbox, "3.5");
    driver.type(f.rpTextbox, "3");
    driver.retype(f.dnTextbox, "10");
    driver.retype(f.eTextbox, "40");
    EXPECT_EQ(f.eAdequateLabel.caption(), "> 3d  N.G.!");
    driver.click(f.OKcalcCmd);
    EXPECT_EQ(f.RatioFvLabel.caption(), "25.41");
    EXPECT_EQ(f.ShearStatusLabel.caption(), "FAILS!  e > 3d");
    EXPECT_EQ(f.ShearStatusLabel.foreColor(), DarkRed);

    // The same notch on a deeper member is within 3 d again (d 14: 42 in.).
    driver.retype(f.depthtextbox, "14");
    driver.retype(f.dnTextbox, "10");
    driver.retype(f.eTextbox, "40");
    driver.click(f.OKcalcCmd);
    EXPECT_EQ(f.ShearStatusLabel.caption(), Ok);
    EXPECT_EQ(f.ShearStatusLabel.foreColor(), Black);
    expectCleanRun(driver);
}

TEST(NotchCalculate, AnyChangeBlanksTheResults)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = sawnMember(driver, program);
    driver.type(f.dnTextbox, "9.5");
    driver.click(f.OKcalcCmd);
    ASSERT_EQ(program.notchValues.NotchResultsValid, -1);
    driver.choose(f.DurListbox, 1);
    expectReport(f, {"", "", "", VrTitle, "lbs", "", VrRatio, ""});
    EXPECT_EQ(program.notchValues.NotchResultsValid, 0);
}

} // namespace
