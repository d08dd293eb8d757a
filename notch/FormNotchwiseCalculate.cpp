// "OK Calculate": the entry checks, the values and factors, the net area, the notch routine and the report.
#include "app/Program.h"
#include "notch/FormNotchwise.h"
#include "notch/NotchFormulas.h"
#include "notch/NotchRoutines.h"
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
constexpr std::uint32_t DarkRed = platform::rgb(128, 0, 0);
constexpr std::uint32_t Black = platform::rgb(0, 0, 0);

bool positiveNumber(const std::string& text)
{
    return num::isNumberText(text) && num::leadingNumber(text) > 0;
}
} // namespace

// Each failed check names its box and moves the focus there; nothing is computed.
void FormNotchwise::OKcalcCmd_Click()
{
    platform::Runtime& runtime = m_program.runtime;
    auto refuse = [&](platform::Control& control, const char* text) {
        runtime.msgBox(text, platform::Buttons::OK, platform::Icon::Exclamation, "Notchwise");
        control.setFocus();
    };
    platform::leaveOnError(
        [&] {
            const int notch = NotchListBox.listIndex();
            if (!positiveNumber(MaxVtextbox.text())) {
                return refuse(MaxVtextbox, "Please enter a valid numeric value for V.");
            }
            if (!positiveNumber(breadthtextbox.text())) {
                return refuse(breadthtextbox, "Please enter a valid numeric value for the Breadth.");
            }
            if (!positiveNumber(depthtextbox.text())) {
                return refuse(depthtextbox, "Please enter a valid numeric value for the Depth.");
            }
            if (SpecieCombo.text().empty()) {
                return refuse(SpecieCombo, "Please select or enter a specie and grade");
            }
            if (!positiveNumber(Fvtextbox.text())) {
                return refuse(Fvtextbox, "Please select or enter the Base Fv Value.");
            }
            if (!positiveNumber(dnTextbox.text())) {
                return refuse(dnTextbox, "Please enter a valid numeric value for Dn.");
            }
            const std::string e = eTextbox.text();
            if (notch != static_cast<int>(NotchType::Compression) && !e.empty() && e != "0" &&
                !num::isNumberText(e)) {
                return refuse(
                    eTextbox,
                    "Please enter a valid numeric value, enter a zero or leave the box blank for e. ");
            }
            if (notch == static_cast<int>(NotchType::Tapered)) {
                if (!num::isNumberText(rdTextbox.text())) {
                    return refuse(rdTextbox, "Please enter a valid numeric value for rd. ");
                }
                if (!num::isNumberText(tTextbox.text())) {
                    return refuse(tTextbox, "Please enter a valid numeric value for t. ");
                }
                if (!num::isNumberText(rpTextbox.text())) {
                    return refuse(rpTextbox, "Please enter a valid numeric value for rp. ");
                }
            }
            // Without an edition there is no rule set, and a stale result must never be reported.
            if (NDSyearList.listIndex() < 0) {
                return refuse(NDSyearList, "No NDS year selected.");
            }
            const double dIn = num::leadingNumber(depthtextbox.text());
            double dnIn = num::leadingNumber(dnTextbox.text());
            if (!(dIn > dnIn)) {
                runtime.msgBox(
                    "The value for Dn (depth remaining at notch) is greater than the member depth. Beam "
                    "is full depth at the critical shear point.",
                    platform::Buttons::OK, platform::Icon::None, "Notchwise");
                // A remaining depth beyond the member is the full member.
                dnIn = dIn;
            }
            calculate(dIn, dnIn);
        },
        [&](const platform::RuntimeError&) {
            runtime.msgBox("Error: Notch requirements could not be calculated.", platform::Buttons::OK,
                           platform::Icon::Exclamation, "Korvanta");
        });
}

void FormNotchwise::calculate(double dIn, double dnIn)
{
    NotchValues& v = m_program.notchValues;
    const int member = MemberListBox.listIndex();
    const int notch = NotchListBox.listIndex();
    v.NotchD = dIn;
    v.NotchDn = dnIn;
    v.NotchB = num::leadingNumber(breadthtextbox.text());
    v.NotchLengthE = num::leadingNumber(eTextbox.text());
    v.NotchV = num::leadingNumber(MaxVtextbox.text());
    v.NotchFv = num::leadingNumber(Fvtextbox.text());

    if (v.NotchCm == 0) {
        v.NotchCm = 1.0;
    }
    if (v.NotchCh == 0) {
        v.NotchCh = 1;
    }
    if (v.NotchCd == 0) {
        v.NotchCd = 1.0;
    }
    if (WetUseCheckbox.value() != 1) {
        v.NotchCm = 1.0;
    } else if (member == 0 || member == 1) {
        v.NotchCm = v.NotchB < 5 ? 0.97 : 1.0;
    } else if (member == 2) {
        v.NotchCm = 0.875;
    }
    const int noSplit = NoSplitCheckbox.value();
    if (noSplit == 1) {
        v.NotchCh = 2;
    } else if (noSplit == 0 || noSplit == 2) {
        v.NotchCh = 1;
    }
    constexpr double Durations[] = {1.0, 1.15, 1.25, 0.9};
    if (DurListbox.listIndex() < 0) {
        DurListbox.setListIndex(0);
    }
    v.NotchCd = Durations[DurListbox.listIndex()];

    if (member == 0 || member == 2) {
        v.NotchAn = v.NotchB * v.NotchDn;
    } else if (member == 1) {
        v.NotchAn = logNetArea(v.NotchD, v.NotchDn);
    }
    if (member >= 0) {
        AnLabel.setCaption(num::format(v.NotchAn, "##0.0#"));
    }
    const bool tapered = notch == static_cast<int>(NotchType::Tapered);
    MinSpanLabel.setCaption(member == 2 && tapered
                                ? num::format(num::leadingNumber(eTextbox.text()) * 3 / 12, "#0.0#")
                                : std::string("n/a"));
    AngleLabel.setCaption(tapered ? num::format(v.NotchPitchAngle, "#0.0#") : std::string("n/a"));

    bool fresh = false;
    switch (notch) {
    case 0:
        fresh = CalcTensionNotch(m_program);
        break;
    case 1:
        fresh = CalcCompressionNotch(m_program);
        break;
    case 2:
        fresh = CalcTaperedNotch(m_program);
        break;
    default:
        m_program.runtime.msgBox("Error at Calc selection, OK Cmd", platform::Buttons::OK,
                                 platform::Icon::None, "Notchwise");
        CriticalfvLabel.setCaption("Error!");
        break;
    }
    // Only a fresh fv or Vr' of this run may be reported.
    if (!fresh) {
        return;
    }
    showReport();
    v.NotchResultsValid = -1;
}

void FormNotchwise::showReport()
{
    NotchValues& v = m_program.notchValues;
    AdjFvLabel.setCaption(num::format(v.NotchFvAdj, "#0.0#"));
    double ratio = 0;
    const char* ratioFailure = "";
    const char* dnFailure = "";
    if (v.NotchVrMode == 0) {
        CriticalfvLabel.setCaption(num::format(v.NotchShearStress, "#0.0#"));
        CritLabel.setCaption("Allowable fv =");
        CritPsiLabel.setCaption("psi");
        ratio = num::div(v.NotchShearStress, v.NotchFvAdj) * 100;
        RatioTitleLabel.setCaption("Ratio fv / Fv' =");
        ratioFailure = "FAILS! Fv ratio greater than 100%";
        dnFailure = "FAILS!  Actual dn < Minimum dn ";
    } else {
        CriticalfvLabel.setCaption(num::format(v.NotchVrAdj, "###0"));
        CritLabel.setCaption("Allowable Vr' =");
        CritPsiLabel.setCaption("lbs");
        ratio = num::div(v.NotchV, v.NotchVrAdj) * 100;
        RatioTitleLabel.setCaption("Ratio V / Vr' =");
        ratioFailure = "FAILS!  Fv ratio greater than 100%";
        dnFailure = "FAILS!  Actual dn < Minimum dn";
    }
    ratio = num::finite(ratio);
    RatioFvLabel.setCaption(num::format(ratio, "##0.0#"));
    if (ratio > 100) {
        ShearStatusLabel.setCaption(ratioFailure);
        ShearStatusLabel.setForeColor(DarkRed);
    } else if (num::leadingNumber(dnTextbox.text()) < v.NotchMinDn) {
        ShearStatusLabel.setCaption(dnFailure);
        ShearStatusLabel.setForeColor(DarkRed);
    } else if (eAdequateLabel.caption() == "> 3d  N.G.!") {
        ShearStatusLabel.setCaption("FAILS!  e > 3d");
        ShearStatusLabel.setForeColor(DarkRed);
    } else {
        ShearStatusLabel.setCaption("OK  Fv ratio less than 100%");
        ShearStatusLabel.setForeColor(Black);
    }
}

} // namespace notch
