// "OK Calc" of the custom values form: the values are checked against their ranges, the lumber flags
// set, and the size boxes and quick picks prepared: by the SCL depth search, the custom SCL estimate,
// the selection form's captioning pass, or at once a round timber's test.
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "scl/CustomValueTables.h"
#include "scl/Form2.h"
#include "scl/LVLCalc.h"
#include "scl/LVLEstimate.h"
#include "wood/CalcWoodBeam.h"
#include "wood/Form3.h"

#include <cmath>

namespace scl
{

namespace num = platform::num;

namespace
{

constexpr const char* ExponentMessage =
    "Please enter a numeric value that is less than one for the Cf value.\r\rIf the Cf (12/d) exponent is "
    "given in the manufacturer's literature as a fraction, divide the fraction and enter the decimal "
    "equivalent. ";

constexpr const char* NoDepthsMessage =
    "No beam depths in this breadth group meet the requirements (too large or too small).  You may enter a "
    "specific depth to test, select a different breadth group, or specify new values for Fb, Fv, Fc, and E "
    "above.";

constexpr const char* CustomSclDocumentMessage =
    "Please document the member manufacturer and description in the Species/Grade box below, and enter any "
    "typical SCL breadth and depth in the format show below each box.";

double boxValue(platform::TextBox& box)
{
    return num::leadingNumber(box.text());
}

bool positiveNumber(platform::TextBox& box)
{
    return num::isNumberText(box.text()) && boxValue(box) > 0;
}

bool outside(double value, double low, double high)
{
    return value < low || value > high;
}

// The SCL pass rule when stepping up: every check holds, equality passing, in single precision.
bool sclSizePasses(const beam::BeamState& s)
{
    const beam::DeflectionResults& d = s.deflection;
    return std::fabs(d.TLDefl) <= d.TLDeflAllow && s.member.SectionModulus >= s.shear.SectionModulusReq &&
           s.member.FvAdj >= s.shear.ShearStress && std::fabs(d.LLDefl) <= d.LLDeflAllow &&
           std::fabs(d.OHLLDefl) <= d.OHLLDeflAllow && std::fabs(d.OHTLDefl) <= d.OHTLDeflAllow;
}

} // namespace

bool Form2::CmdEnterValues_Click()
{
    bool passed = false;
    platform::leaveOnError(
        [&] {
            // Checks first: "OK Test" may only test values that were accepted.
            CmdTest.setEnabled(false);
            const std::pair<platform::TextBox*, const char*> numeric[] = {
                {&Text1, "Please enter a numeric value for the Fb value"},
                {&Text2, "Please enter a numeric value for the Fv value"},
                {&Text3, "Please enter a numeric value for the Fc perpendicular to grain value"},
                {&Text4, "Please enter a numeric value for the E value"}};
            for (const auto& [box, text] : numeric) {
                if (!positiveNumber(*box)) {
                    refuse(text, *box, true);
                    return;
                }
            }
            if (customSclChosen() && !(num::isNumberText(Text8.text()) && boxValue(Text8) < 1)) {
                refuse(ExponentMessage, Text8, true);
                return;
            }
            struct Range
            {
                platform::TextBox* box;
                double low, high;
                const char* text;
            };
            const Range ranges[] = {
                {&Text1, 400, 3600,
                 "Please check the Fb value, Korvanta does not accept Fb values < 400 or > 3600."},
                {&Text2, 50, 450,
                 "Please check the Fv value, Korvanta does not accept Fv values < 50 or > 450."},
                {&Text3, 150, 1100,
                 "Please check the Fc value, Korvanta does not accept Fc values < 150 or > 1100."},
                {&Text4, 0.6, 2.7,
                 "Please check the E value, Korvanta does not accept E values < 0.6 x mil or > 2.7 x mil."}};
            for (const Range& r : ranges) {
                if (outside(boxValue(*r.box), r.low, r.high)) {
                    refuse(r.text, *r.box, true);
                    return;
                }
            }

            beam::CalcFlags& flags = m_program.beam.flags;
            const std::pair<platform::CheckBox*, std::int16_t*> graded[] = {{&MSRCheckbox, &flags.MSRFlag},
                                                                            {&MELCheckbox, &flags.MELFlag}};
            for (const auto& [box, flag] : graded) {
                if (box->value() == 1) {
                    *flag = -1;
                    CustomIngradeSP.setValue(0);
                } else if (box->value() == 0) {
                    *flag = 0;
                }
            }
            flags.CustomSoPineFlag = CustomIngradeSP.checked() ? -1 : 0;

            if (customSclChosen()) {
                CmdTest.setEnabled(true);
                customSclBranch();
                passed = true;
                return;
            }
            Label20.setCaption("Click on a button below, or type in any valid Korvanta breadth and depth.  "
                               "Select 'OK' to test it.");
            Label33.setVisible(false);
            Label34.setVisible(false);
            Label35.setVisible(false);
            if (sclChosen()) {
                CmdTest.setEnabled(true);
                searchSclDepths();
                passed = true;
                return;
            }
            passed = customValuesBranch();
        },
        [this](const platform::RuntimeError&) {
            message("Error form 2, entering values", platform::Icon::Exclamation);
        });
    return passed;
}

void Form2::searchSclDepths()
{
    LVLtest(m_program);
    for (int i = 0; i < 5; ++i) {
        searchSclButton(i);
    }
    if (m_program.state.AutoPrintMode != 0) {
        CmdTest.setEnabled(true);
    } else {
        Text5.setText("");
        Text6.setText("");
        Text7.setText("");
    }
    const int product = Combo1.listIndex();
    bool anyCaption = false;
    for (int i = 0; i < 5; ++i) {
        if (DepthTakenOff(product, i, LVLbut[i].caption())) {
            LVLbut[i].setCaption("");
        }
        anyCaption = anyCaption || !LVLbut[i].caption().empty();
    }
    Moresizes.setCaption("");
    Label16.setCaption(anyCaption ? "" : NoDepthsMessage);
    CmdTest.setDefault(true);
}

// Steps the button's depth down while the next smaller one passes too (at most seven captions), or up
// while the size fails (at most four); the last change of either walk is a proposal left untested.
void Form2::searchSclButton(int i)
{
    platform::CommandButton& button = LVLbut[i];
    if (button.caption().empty()) {
        return;
    }
    const beam::BeamState& s = m_program.beam;
    const auto press = [&] {
        button.setValue(true);
        LVLCalc(m_program);
    };
    const auto smallerPasses = [&] { return s.member.NextSmallerDepth > 0 && s.smaller.NextSmallerOK == -1; };
    press();
    if (smallerPasses()) {
        for (int changes = 1;; ++changes) {
            button.setCaption(s.member.NextSmallerLabel);
            if (button.caption().empty() || changes == 7) {
                return;
            }
            press();
            if (!smallerPasses()) {
                return;
            }
        }
    }
    for (int changes = 1;; ++changes) {
        if (sclSizePasses(s)) {
            return;
        }
        button.setCaption(s.member.NextLargerLabel);
        if (button.caption().empty() || changes == 4) {
            return;
        }
        press();
    }
}

// Custom values: a round timber is checked and tested at once; any other member has the selection
// form caption the quick picks of its class.
bool Form2::customValuesBranch()
{
    const bool round = Wid6x.value() && Roundoption.value();
    if (round) {
        const double diameter = boxValue(Diam);
        if (diameter == 0) {
            refuse("Please enter an approximate round member diameter in the box below the 'Round' option "
                   "button.\r\rOn the next form you will be able to adjust the diameter in 1 inch increments "
                   "with the Depth+ and Depth- buttons.",
                   Diam, false, platform::Icon::Exclamation);
            return false;
        }
        if (diameter < 5) {
            refuse("Round member diameter must be at least 5 inches.", Diam, false);
            return false;
        }
        if (diameter > 36) {
            refuse("Round member diameter must be 36 inches or less.", Diam, false);
            return false;
        }
        Text6.setText(Diam.text() + " in.");
        Text7.setText("Round");
        if (Text5.text().empty()) {
            refuse("Please enter the Species Name and Grade of your custom member for your documentation.",
                   Text5, false, platform::Icon::Exclamation);
            return false;
        }
    }
    Moresizes.setCaption(
        Wid6x.value() && !Roundoption.value()
            ? "Non-std NOMINAL timber sizes may be entered in 1/2 in. increments between 5x - "
              "14x and 5 - 20, Example: 7-1/2x, 18-1/2."
            : "");
    CmdTest.setEnabled(true);
    if (round) {
        // A test the user asked for: shown, with its messages and the report.
        m_program.beam.flags.PretestMode = 0;
        wood::CalcWoodBeam(m_program);
        return true;
    }
    m_program.form3.show();
    m_program.form3.hide();
    CmdTest.setDefault(true);
    refresh();
    return true;
}

void Form2::customSclBranch()
{
    Text6.setText("(2) 1-3/4x");
    if (Text5.text().empty()) {
        message(CustomSclDocumentMessage);
    }
    Label33.setVisible(true);
    Label34.setVisible(true);
    Label35.setVisible(true);
    Label20.setCaption("Type in any valid Korvanta breadth and depth in the format shown.  Select 'OK' to "
                       "test it.");
    LVLtest(m_program);
}

} // namespace scl
