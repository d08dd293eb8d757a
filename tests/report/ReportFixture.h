// A started program with a report on screen, and stand-ins for the member tests that leave the
// results a real test leaves: the report is driven as the user meets it after a size test.
#pragma once

#include "app/Form1.h"
#include "app/Program.h"
#include "beam/BeamState.h"
#include "beam/Form4.h"
#include "platform/headless/Driver.h"
#include "report/Form5.h"
#include "report/LoadReportForm.h"
#include "report/MemberTests.h"
#include "scl/Form2.h"
#include "wood/Form3.h"

#include <algorithm>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace reporttest
{

using platform::MsgResult;
using platform::test::Driver;

constexpr std::uint32_t Black = 0;
constexpr std::uint32_t DarkRed = 128;
constexpr std::uint32_t Grey = 8421504;

// The nominal depths the stand-in wood test steps through, and an SCL product's depth series.
inline const std::vector<std::string> SawnDepths{"4", "6", "8", "10", "12", "14", "16"};
inline const std::vector<std::string> SclDepths{"3-1/2", "4-3/8",  "5-1/2",  "7-1/4", "9-1/4",
                                                "9-1/2", "11-1/4", "11-7/8", "14",    "16",
                                                "18",    "20",     "24",     "30"};

class ReportTest : public ::testing::Test
{
  protected:
    Driver driver;
    app::Program& program = driver.start<app::Program>();
    app::Form1& f1 = program.form1;
    report::Form5& f5 = program.form5;
    int woodTests = 0;
    int sclTests = 0;
    int steelChecks = 0;
    bool testsComplete = true; // what the stand-in tests report
    bool steelCompletes = true;

    ReportTest()
    {
        program.memberTests.CalcWoodBeam = [this](app::Program& p) { return standInWoodTest(p); };
        program.memberTests.LVLCalc = [this](app::Program& p) { return standInSclTest(p); };
        program.memberTests.SteelCalc = [this](app::Program& p) { return standInSteelCheck(p); };
        // The bearing lengths are the data record's; these reports set up no steel shape for them.
        program.memberTests.CalcWebBearing = [](app::Program&) {};
        passingResults();
    }

    // What the program itself does (a test, a fill of another form), as one dispatch.
    void programDoes(const std::function<void()>& action) { driver.runtime().dispatch(action); }

    // A simple-span member that passes every check with round numbers.
    void passingResults()
    {
        beam::BeamState& b = program.beam;
        b.shear.SectionModulusReq = 50;
        b.member.SectionModulus = 100;
        b.member.FcPerpAdj = 625; // the bearing area of the data record divides by it
        b.shear.ShearAreaReq = 10;
        b.member.ShearArea = 20;
        b.shear.ShearStress = 90;
        b.member.FvAdj = 180;
        b.deflection.TLDefl = 0.2f;
        b.deflection.TLDeflAllow = 0.8f;
        b.deflection.LLDefl = 0.1f;
        b.deflection.LLDeflAllow = 0.4f;
        b.deflection.LLDeflCheck = -1;
        b.deflection.TLDeflRatio = 720;
        b.deflection.LLDeflRatio = 1440;
        b.deflection.DLDefl = 0.1f;
        b.member.R1TL = 1800;
        b.member.R2TL = 1800;
        b.loads.R1LL = 1200;
        b.loads.R2LL = 1200;
    }

    void woodMember(const char* breadth, const char* depth, const char* species = "DF-L #1")
    {
        programDoes([&] {
            program.form3.Text1.setText(breadth);
            program.form3.Text2.setText(depth);
            program.form3.Text3.setText(species);
            labelsFor(depth, SawnDepths);
        });
    }

    void sclMember(int product, const char* breadth, const char* depth)
    {
        programDoes([&] {
            f1.group(7).setValue(true);
            scl::Form2& f2 = program.form2;
            f2.Combo1.clear();
            for (int i = 0; i < 26; ++i) {
                f2.Combo1.addItem("Product " + std::to_string(i));
            }
            f2.Combo1.setListIndex(product);
            f2.Text5.setText("Product " + std::to_string(product));
            f2.Text6.setText(breadth);
            f2.Text7.setText(depth);
            labelsFor(depth, SclDepths);
        });
    }

    // The report as a completed test leaves it: another form was active (here the progress window),
    // the criteria form is hidden and Form5 is shown, so its activation runs.
    void showReport()
    {
        programDoes([&] {
            f5.hide();
            program.form4.show();
            f1.hide();
            program.form4.hide();
            f5.show();
        });
    }

    // The next deeper and shallower depth labels of the ladder, as the tests leave them.
    void labelsFor(const std::string& depth, const std::vector<std::string>& ladder)
    {
        beam::MemberUnderTest& r = program.beam.member;
        const auto at = std::find(ladder.begin(), ladder.end(), depth);
        r.NextLargerLabel = at != ladder.end() && at + 1 != ladder.end() ? *(at + 1) : "";
        r.NextSmallerLabel = at != ladder.end() && at != ladder.begin() ? *(at - 1) : "";
    }

    bool standInWoodTest(app::Program& p)
    {
        ++woodTests;
        if (!testsComplete) {
            return false;
        }
        // Like the wood test, a custom member's size is copied into the selection form first.
        if (p.form1.group(8).value()) {
            p.form3.Text1.setText(p.form2.Text6.text());
            p.form3.Text2.setText(p.form2.Text7.text());
            p.form3.Text3.setText(p.form2.Text5.text());
        }
        labelsFor(p.form3.Text2.text(), SawnDepths);
        return true;
    }

    bool standInSclTest(app::Program& p)
    {
        ++sclTests;
        if (testsComplete) {
            labelsFor(p.form2.Text7.text(), SclDepths);
        }
        return testsComplete;
    }

    // Like the steel check: a completed check refills the report.
    bool standInSteelCheck(app::Program& p)
    {
        ++steelChecks;
        if (steelCompletes) {
            report::LoadReportForm(p);
        }
        return steelCompletes;
    }

    std::array<bool, 4> stepsEnabled()
    {
        return {f5.CmdNextSizeDn.enabled(), f5.CmdNextSize.enabled(), f5.CmdNextWidthDn.enabled(),
                f5.CmdNextWidth.enabled()};
    }

    void expectCleanRun()
    {
        EXPECT_TRUE(driver.untrappedErrors().empty());
        EXPECT_TRUE(driver.host().scriptFailures().empty());
    }
};

// Buttons as the tables name them: Depth -, Depth +, Breadth -, Breadth +.
inline std::array<bool, 4> steps(bool depthDown, bool depthUp, bool breadthDown, bool breadthUp)
{
    return {depthDown, depthUp, breadthDown, breadthUp};
}

} // namespace reporttest
