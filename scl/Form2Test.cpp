// "OK Test" of the custom values form: the values must be positive numbers and the size one that
// the product or the member class offers; then the SCL test or the wood beam test runs.
#include "scl/Form2.h"

#include "app/Program.h"
#include "beam/BeamState.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "report/Form5.h"
#include "scl/CustomValueTables.h"
#include "scl/LVLCalc.h"
#include "wood/CalcWoodBeam.h"

#include <algorithm>

namespace scl
{

namespace num = platform::num;

namespace
{

bool among(std::span<const std::string_view> texts, const std::string& text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

constexpr const char* ExponentMessage =
    "Please enter a numeric value that is less than one for the Cf value.\r\rIf the Cf (12/d) exponent is "
    "given in the manufacturer's literature as a fraction, divide the fraction and enter the decimal "
    "equivalent. ";

} // namespace

void Form2::CmdTest_Click()
{
    platform::leaveOnError(
        [&] {
            struct ValueCheck
            {
                platform::TextBox* box;
                double below; // the value must stay under this
                const char* text;
            };
            const ValueCheck checks[] = {
                {&Text1, 1e300, "Please enter a valid Fb value"},
                {&Text2, 1e300, "Please enter a valid Fv value"},
                {&Text3, 1e300, "Please enter a valid Fc Perpendicular to grain Value"},
                {&Text4, 3,
                 "Please enter a valid E(mil) value,\rExample: 1,300,000 would be entered as 1.3"}};
            for (const ValueCheck& c : checks) {
                const double value = num::leadingNumber(c.box->text());
                if (!(value > 0 && value < c.below && num::isNumberText(c.box->text()))) {
                    refuse(c.text, *c.box, true);
                    return;
                }
            }
            if (!sclChosen()) {
                testCustomValuesSize();
                return;
            }
            const bool sized = customSclChosen() ? testCustomSclSize() : testSclSize(Combo1.listIndex());
            // Only a test that ran through its checks goes to the report; a trapped error or a refused
            // breadth leaves the form with its message.
            if (sized && LVLCalc(m_program)) {
                hide();
                m_program.form5.show();
            }
        },
        [this](const platform::RuntimeError&) {
            message("Error Form 2, Cmdtest Customcalc", platform::Icon::Exclamation);
        });
}

bool Form2::testSclSize(int product)
{
    const std::string breadth = Text6.text();
    bool labelled = OneAndAHalfOnRequest(product, breadth);
    for (int i = 0; i < 5; ++i) {
        labelled = labelled || LVLab[i].caption() == breadth;
    }
    if (!labelled) {
        refuse(
            "Please enter an SCL beam breadth that matches a button label below. This product is only "
            "available in those breadths, but a few other manufacturers (LP and Roseburg) will provide a "
            "1-1/2x width upon request and this breadth (or multiple 1-1/2x) may be manually entered here.",
            Text6, true);
        return false;
    }
    if (!SCLDepthTable(product, breadth, Text7.text())) {
        refuse("Please enter an SCL (LVL, PSL or LSL) beam depth that matches a button caption below or is a "
               "valid depth available from the manufacturer and in the Korvanta database. For available "
               "database sizes, consult the literature which accompanied your manual or visit the "
               "manufacturer's web site, Publications Page.",
               Text7, true);
        return false;
    }
    return true;
}

bool Form2::testCustomSclSize()
{
    // The exponent "OK Calc" accepted may have been changed since; a size factor (12/d)^x with x of 1
    // or more would be unconservative.
    const double exponent = num::leadingNumber(Text8.text());
    if (!(num::isNumberText(Text8.text()) && exponent >= 0 && exponent < 1)) {
        refuse(ExponentMessage, Text8, true);
        return false;
    }
    const std::string breadth = Text6.text();
    if (!among(CustomSCLBreadths(), breadth)) {
        const bool missingX =
            std::any_of(CustomSCLBreadths().begin(), CustomSCLBreadths().end(),
                        [&](std::string_view b) { return b.substr(0, b.size() - 1) == breadth; });
        refuse(
            missingX
                ? "Please enter a small 'x' next to the breadth without a space between."
                : "Please enter a valid breadth in the proper format as shown in the example below the "
                  "entry box. There is no space between the breadth number and the 'x'.\r\r"
                  "Acceptable breadths are:     Do not enter the comma.\r"
                  "1-1/4x, (2) 1-1/4x, (3) 1-1/4x, (4) 1-1/4x,   1-1/2x, (2) 1-1/2x, (3) 1-1/2x, (4) "
                  "1-1/2x,\r"
                  "1-3/4x, (2) 1-3/4x, (3) 1-3/4x, (4) 1-3/4x,   2-1/2x, 2-5/8x, 2-11/16x, 3-1/2x, 5-1/4x, "
                  "5-1/2x, 7x",
            Text6, false, platform::Icon::None, "Korvanta SCL Custom Breadths");
        return false;
    }
    if (!among(CustomSCLDepths(), Text7.text())) {
        refuse(
            "Please enter a valid depth in the proper format as shown in the example below the entry box."
            "\r\rAcceptable depths are:    Do not enter the comma.\r"
            "3-1/2, 4-3/8, 5-1/4, 5-1/2, 7-1/4, 9-1/4, 9-1/2, 11-1/4, 11-1/2, 11-7/8, 14, 16, 18, 20, 22, 24"
            "\r\rVerify the manufacturer's requirement: Depths greater than 14 inches must be multiple "
            "built-up members.",
            Text7, false, platform::Icon::None, "  Korvanta SCL Custom Depths");
        return false;
    }
    return true;
}

bool Form2::testCustomValuesSize()
{
    const std::string breadth = Text6.text();
    const std::string depth = Text7.text();
    if (Wid6x.value() && PostAndTimberPair(breadth, depth)) {
        message("Your selected beam's depth is within 1-1/2 inches of its width and probably qualifies for "
                "Post & Timber values.  If you have not already done so, you may wish to return to this form "
                "and enter the appropriate values and retest this beam.");
    }
    if (Roundoption.value()) {
        message("Please first click the OK Calculate button above.", platform::Icon::Information);
        return false;
    }
    MemberClass memberClass = MemberClass::TwoX;
    if (Wid4x.value()) {
        memberClass = MemberClass::FourX;
    } else if (Wid6x.value()) {
        memberClass = MemberClass::Timber;
    } else if (WidGLB.value()) {
        memberClass = MemberClass::GluLamBeam;
    } else if (WidGLBHDR.value()) {
        memberClass = MemberClass::GluLamHeader;
    } else if (!Wid2x.value()) {
        memberClass = MemberClass::TwoX;
    }
    const bool anyBreadth = Wid6x.value() && depth == "Round";
    if (!anyBreadth && !among(MemberClassBreadths(memberClass, SPG.checked()), breadth)) {
        refuse(
            "Please check Breadth entry for proper format and correct beam breadth for this type of members. "
            "Add a hyphen before fractions with no spaces and add a small 'x' to the breadth without a "
            "space.",
            Text6, false);
        return false;
    }
    if (Text5.text().empty()) {
        refuse("Please enter the Name and Grade of your custom species selection for your documentation and "
               "printout.",
               Text5, false, platform::Icon::Exclamation);
        return false;
    }
    const int floor = Wid6x.value() ? TimberDepthFloor(breadth) : 0;
    if (floor > 0 && num::leadingNumber(depth) < floor) {
        refuse("Please enter a depth greater than the breadth.", Text7, false);
        return false;
    }
    // The Southern Pine values box may have changed since "OK Calc"; the test must use what it shows.
    beam::CalcFlags& flags = m_program.beam.flags;
    flags.CustomSoPineFlag =
        CustomIngradeSP.checked() && !MSRCheckbox.checked() && !MELCheckbox.checked() ? -1 : 0;
    hide();
    flags.PretestMode = 0;
    wood::CalcWoodBeam(m_program);
    return true;
}

} // namespace scl
