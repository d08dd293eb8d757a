// FormNotchwise's entry boxes, species and edition choice, factor controls, pitch toggle and help buttons.
// A refused entry stays in its box for correction, so the captions, lists and factors a size selects read
// a number beyond the Double range as no number (leadingNumberOrZero) and the handler goes on.
#include "app/Program.h"
#include "notch/FormNotchwise.h"
#include "notch/NotchFormulas.h"
#include "notch/NotchRoutines.h"
#include "notch/NotchTables.h"
#include "notch/NotchValues.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"

#include <string>

namespace notch
{

namespace num = platform::num;

namespace
{
constexpr std::int16_t Comma = 44;
constexpr double TimbersMinBreadthIn = 5;
} // namespace

void FormNotchwise::selectEntryText()
{
    SelectNotchText(m_program);
}

void FormNotchwise::commaKey(std::int16_t& charCode)
{
    if (charCode != Comma) {
        return;
    }
    charCode = 0;
    m_program.runtime.msgBox("Please do not enter commas as thousand separators.", platform::Buttons::OK,
                             platform::Icon::Exclamation, "Notchwise");
}

// The breadth and depth boxes judge their own text: the program writes into them too.
bool FormNotchwise::checkSizeText(platform::TextBox& box, bool allowD)
{
    const std::string text = box.text();
    if (text.empty() || text == "0" || text == "0." || (allowD && text == "d") ||
        (num::isNumberText(text) && num::leadingNumber(text) > 0)) {
        return true;
    }
    m_program.runtime.beep();
    box.setSelStart(static_cast<int>(text.size()) - 1);
    box.setSelLength(box.maxLength());
    if (text == ".") {
        m_program.runtime.msgBox(
            "Please enter fractions less than One with Zero and then the decimal point.  Example: 0.75",
            platform::Buttons::OK, platform::Icon::Exclamation, "Notchwise");
        box.setText("");
    } else {
        m_program.runtime.msgBox("Please enter a valid numeric value.", platform::Buttons::OK,
                                 platform::Icon::Exclamation, "Notchwise");
    }
    return false;
}

void FormNotchwise::captionWetUse()
{
    if (WetUseCheckbox.value() != 1) {
        WetUseCheckbox.setCaption("Wet Use Factor = 1.0");
        return;
    }
    switch (MemberListBox.listIndex()) {
    case 0:
    case 1:
        WetUseCheckbox.setCaption(num::leadingNumberOrZero(breadthtextbox.text()) >= TimbersMinBreadthIn
                                      ? "Wet Use Factor = 1.0"
                                      : "Wet Use Factor = 0.97");
        break;
    case 2:
        WetUseCheckbox.setCaption("Wet Use Factor = 0.875");
        break;
    default:
        break;
    }
}

void FormNotchwise::captionFvUnit()
{
    if (m_program.notchValues.NotchGluLam == -1) {
        Label21.setCaption("psi");
        return;
    }
    platform::TextBox& size = MemberListBox.listIndex() == 1 ? depthtextbox : breadthtextbox;
    Label21.setCaption(num::leadingNumberOrZero(size.text()) >= TimbersMinBreadthIn ? "psi, TIMBER"
                                                                                    : "psi, DIMENSION");
}

void FormNotchwise::MaxVtextbox_Change()
{
    ValidateNumericEntry(m_program);
    ClearNotchResults(m_program);
}

void FormNotchwise::breadthtextbox_Change()
{
    NotchValues& v = m_program.notchValues;
    ClearNotchResults(m_program);
    checkSizeText(breadthtextbox, true);
    v.NotchSpeciesIndex = static_cast<std::int16_t>(SpecieCombo.listIndex());
    SpecieCombo.setText("");
    captionFvUnit();
    FillNotchSpeciesList(m_program);
    SpecieCombo.setListIndex(v.NotchSpeciesIndex);
    captionWetUse();
}

void FormNotchwise::depthtextbox_Change()
{
    ClearNotchResults(m_program);
    checkSizeText(depthtextbox, false);
    const bool round = MemberListBox.listIndex() == 1;
    if (round) {
        breadthtextbox.setText(depthtextbox.text());
        captionFvUnit();
        captionWetUse();
    }
    platform::leaveOnError(
        [&] {
            ApplyMinimumDn(m_program);
            CalcRafterDn(m_program);
            ShowDnStatus(m_program);
            // The tapered notch's length limit depends on d as much as on e.
            ShowNotchLengthStatus(m_program);
        },
        [&](const platform::RuntimeError&) {
            m_program.runtime.msgBox("Error recalculating allowable minimum depth.", platform::Buttons::OK,
                                     platform::Icon::Exclamation, "Korvanta");
        });
}

void FormNotchwise::Fvtextbox_Change()
{
    ClearNotchResults(m_program);
}

void FormNotchwise::Fvtextbox_KeyUp()
{
    ValidateNumericEntry(m_program);
}

void FormNotchwise::rdTextbox_Change()
{
    ClearNotchResults(m_program);
    ValidateNumericEntry(m_program);
    CalcRafterDn(m_program);
}

void FormNotchwise::tTextbox_Change()
{
    rdTextbox_Change();
}

void FormNotchwise::rpTextbox_Change()
{
    rdTextbox_Change();
}

void FormNotchwise::eTextbox_Change()
{
    ClearNotchResults(m_program);
    ValidateNumericEntry(m_program);
    ShowNotchLengthStatus(m_program);
}

void FormNotchwise::dnTextbox_Change()
{
    ClearNotchResults(m_program);
    ValidateNumericEntry(m_program);
    ShowDnStatus(m_program);
}

void FormNotchwise::SpecieCombo_Change()
{
    ClearNotchResults(m_program);
    Fvtextbox.setText("");
}

void FormNotchwise::SpecieCombo_Click()
{
    const int index = SpecieCombo.listIndex();
    if (index == -1 || m_program.notchValues.NotchNDSYear == 0) {
        return;
    }
    const auto fv = notchBaseFv(m_program.notchValues.NotchGluLam == -1, index,
                                num::leadingNumberOrZero(breadthtextbox.text()));
    if (fv.has_value()) {
        Fvtextbox.setText(num::numberText(*fv));
    }
}

void FormNotchwise::NDSyearList_Click()
{
    NotchValues& v = m_program.notchValues;
    platform::leaveOnError(
        [&] {
            v.NotchSpeciesIndex = static_cast<std::int16_t>(SpecieCombo.listIndex());
            ClearNotchResults(m_program);
            constexpr std::int16_t Years[] = {2018, 2015, 2012, 2005};
            const int chosen = NDSyearList.listIndex();
            if (chosen < 0) {
                m_program.runtime.msgBox("No NDS year selected.");
            } else {
                v.NotchNDSYear = Years[chosen];
                NoSplitCheckbox.setValue(0);
                NoSplitCheckbox.setEnabled(false);
                Chbutton.setEnabled(false);
            }
            SpecieCombo.setText("");
            Fvtextbox.setText("");
            SpecieCombo.setListIndex(v.NotchSpeciesIndex);
            ApplyMinimumDn(m_program);
        },
        [&](const platform::RuntimeError&) {
            m_program.runtime.msgBox("Error NDS year recalculating allowable Dn (Depth of Notch).",
                                     platform::Buttons::OK, platform::Icon::Exclamation, "Korvanta");
        });
}

void FormNotchwise::WetUseCheckbox_Click()
{
    NotchValues& v = m_program.notchValues;
    ClearNotchResults(m_program);
    if (WetUseCheckbox.value() != 1) {
        WetUseCheckbox.setCaption("Wet Use Factor = 1.0");
        v.NotchCm = 1.0;
        return;
    }
    switch (MemberListBox.listIndex()) {
    case 0:
    case 1:
        v.NotchCm = num::leadingNumberOrZero(breadthtextbox.text()) >= TimbersMinBreadthIn ? 1.0 : 0.97;
        break;
    case 2:
        v.NotchCm = 0.875;
        break;
    default:
        return;
    }
    captionWetUse();
}

void FormNotchwise::NoSplitCheckbox_Click()
{
    NotchValues& v = m_program.notchValues;
    ClearNotchResults(m_program);
    switch (NoSplitCheckbox.value()) {
    case 1:
        NoSplitCheckbox.setCaption("Shear Factor = 2.0");
        v.NotchCh = 2;
        break;
    case 2:
        NoSplitCheckbox.setCaption("Shear Factor = n/a");
        v.NotchCh = 1;
        break;
    default:
        NoSplitCheckbox.setCaption("Shear Factor = 1.0");
        v.NotchCh = 1;
        break;
    }
}

void FormNotchwise::DurListbox_Click()
{
    NotchValues& v = m_program.notchValues;
    ClearNotchResults(m_program);
    constexpr const char* Names[] = {"Normal", "Snow", "No Snow", "Permanent DL"};
    constexpr double Factors[] = {1.0, 1.15, 1.25, 0.9};
    const int index = DurListbox.listIndex();
    if (index < 0) {
        DurListbox.setListIndex(0);
        return;
    }
    DurLabel.setCaption(Names[index]);
    v.NotchCd = Factors[index];
}

void FormNotchwise::RPtoDegreeCmd_Click()
{
    NotchValues& v = m_program.notchValues;
    v.NotchPitchAngle = 0;
    rpTextbox.setFocus();
    rpTextbox.setText("");
    if (RPtoDegreeCmd.caption() == "to 12 Pitch <>") {
        RPtoDegreeCmd.setCaption("in Degrees <>");
        v.NotchPitchInDegrees = -1;
    } else if (RPtoDegreeCmd.caption() == "in Degrees <>") {
        RPtoDegreeCmd.setCaption("to 12 Pitch <>");
        v.NotchPitchInDegrees = 0;
    }
}

} // namespace notch
