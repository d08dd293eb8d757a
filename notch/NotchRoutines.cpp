// The notch check's shared procedures over the notch form and NotchValues; the arithmetic itself is in
// NotchFormulas. A refused entry stays in its box for correction, so the status labels and the species
// list read a number beyond the Double range as no number (leadingNumberOrZero) and go on.
#include "notch/NotchRoutines.h"

#include "app/Program.h"
#include "notch/FormNotchwise.h"
#include "notch/NotchFormulas.h"
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
constexpr std::uint32_t Red = platform::rgb(192, 0, 0);
constexpr std::uint32_t Black = platform::rgb(0, 0, 0);

void exclamation(app::Program& program, const char* text)
{
    program.runtime.msgBox(text, platform::Buttons::OK, platform::Icon::Exclamation, "Korvanta");
}

bool factorsMissing(const NotchValues& v)
{
    return v.NotchCm == 0 || v.NotchCh == 0 || v.NotchCd == 0;
}

// First step of every routine: Fv'. A missing factor keeps the old Fv' and gives no fresh result.
bool adjustFv(app::Program& program)
{
    NotchValues& v = program.notchValues;
    if (factorsMissing(v)) {
        program.runtime.msgBox("Error multiplying adjustments factors with Base Fv value",
                               platform::Buttons::OK, platform::Icon::None, "Notchwise");
        return false;
    }
    v.NotchFvAdj = adjustedFv(v.NotchFv, v.NotchCm, v.NotchCh, v.NotchCd, v.NotchGluLam == -1);
    // With no edition chosen there is no rule set to apply.
    return v.NotchNDSYear != 0;
}
} // namespace

void ClearNotchResults(app::Program& program)
{
    FormNotchwise& f = program.formNotchwise;
    for (platform::Label* label : {&f.AnLabel, &f.MinSpanLabel, &f.AngleLabel, &f.AdjFvLabel,
                                   &f.CriticalfvLabel, &f.RatioFvLabel, &f.ShearStatusLabel}) {
        label->setCaption("");
    }
    program.notchValues.NotchResultsValid = 0;
}

void ShowDnStatus(app::Program& program)
{
    FormNotchwise& f = program.formNotchwise;
    const std::string dn = f.dnTextbox.text();
    if (dn.empty()) {
        f.DNadequateLabel.setCaption("");
        return;
    }
    const double dnIn = num::leadingNumberOrZero(dn);
    if (dnIn < program.notchValues.NotchMinDn) {
        f.DNadequateLabel.setCaption("< Min N.G.!");
        f.DNadequateLabel.setForeColor(Red);
    } else if (num::leadingNumberOrZero(f.depthtextbox.text()) == dnIn) {
        f.DNadequateLabel.setCaption("dn = d");
        f.DNadequateLabel.setForeColor(Black);
    } else {
        f.DNadequateLabel.setCaption("> Min  OK");
        f.DNadequateLabel.setForeColor(Black);
    }
}

void ApplyMinimumDn(app::Program& program)
{
    FormNotchwise& f = program.formNotchwise;
    NotchValues& v = program.notchValues;
    const double dIn = num::leadingNumberOrZero(f.depthtextbox.text());
    if (dIn > 0) {
        const int member = f.MemberListBox.listIndex();
        const int notch = f.NotchListBox.listIndex();
        if (member >= 0 && notch >= 0) {
            const MinimumDn minimum = minimumDn(static_cast<MemberType>(member),
                                                static_cast<NotchType>(notch), dIn, v.NotchNDSYear != 0);
            v.NotchMinDn = minimum.dnIn;
            f.DnMinimum.setCaption(std::string(minimum.prefix) + num::format(minimum.dnIn, "#0.0#") + " in.");
        }
    } else {
        f.DnMinimum.setCaption("");
    }
    ShowDnStatus(program);
}

void ShowNotchLengthStatus(app::Program& program)
{
    FormNotchwise& f = program.formNotchwise;
    const bool taperedGluLam = f.MemberListBox.listIndex() == static_cast<int>(MemberType::GluLam) &&
                               f.NotchListBox.listIndex() == static_cast<int>(NotchType::Tapered);
    if (!taperedGluLam) {
        f.eAdequateLabel.setCaption("");
        return;
    }
    // A tapered end cut may not reach into the middle third of the span: e at most 3 d.
    const double eIn = num::leadingNumberOrZero(f.eTextbox.text());
    const double dIn = num::leadingNumberOrZero(f.depthtextbox.text());
    if (eIn > 3 * dIn) {
        f.eAdequateLabel.setCaption("> 3d  N.G.!");
        f.eAdequateLabel.setForeColor(Red);
    } else {
        f.eAdequateLabel.setCaption("< 3d  OK");
        f.eAdequateLabel.setForeColor(Black);
    }
}

void CalcRafterDn(app::Program& program)
{
    FormNotchwise& f = program.formNotchwise;
    NotchValues& v = program.notchValues;
    platform::leaveOnError(
        [&] {
            if (f.rdTextbox.text().empty() || f.rpTextbox.text().empty() || f.tTextbox.text().empty()) {
                return;
            }
            v.NotchRd = num::leadingNumber(f.rdTextbox.text());
            v.NotchT = num::leadingNumber(f.tTextbox.text());
            // The seat cut does not depend on the breadth: a refused breadth must not stop it.
            v.NotchB = num::leadingNumberOrZero(f.breadthtextbox.text());
            v.NotchD = num::leadingNumber(f.depthtextbox.text());
            if (v.NotchPitchInDegrees == 0) {
                v.NotchRp = num::leadingNumber(f.rpTextbox.text());
                v.NotchPitchAngle = pitchAngleFromRise(v.NotchRp);
            } else {
                v.NotchPitchAngle = num::leadingNumber(f.rpTextbox.text());
                v.NotchRp = riseFromPitchAngle(v.NotchPitchAngle);
            }
            v.NotchDn = rafterSeatDn(v.NotchT, v.NotchRd, v.NotchRp);
            // The box shows at most the member depth; NotchDn keeps the uncapped value.
            f.dnTextbox.setText(num::format(v.NotchDn < v.NotchD ? v.NotchDn : v.NotchD, "##0.0#"));
            v.NotchLengthE = rafterSeatE(v.NotchD, v.NotchDn, v.NotchRp);
            f.eTextbox.setText(v.NotchLengthE > 0 ? num::format(v.NotchLengthE, "##0.0#") : std::string("0"));
        },
        [&](const platform::RuntimeError&) {
            exclamation(program, "Error at Dn (depth of notch) calculation.");
        });
}

void FillNotchSpeciesList(app::Program& program)
{
    FormNotchwise& f = program.formNotchwise;
    const bool gluLam = program.notchValues.NotchGluLam == -1;
    const double breadthIn = num::leadingNumberOrZero(f.breadthtextbox.text());
    f.SpecieCombo.clear();
    for (int i = 0; i < notchSpeciesCount(gluLam); ++i) {
        f.SpecieCombo.addItem(notchSpeciesText(gluLam, i, breadthIn));
    }
}

void ValidateNumericEntry(app::Program& program)
{
    FormNotchwise& f = program.formNotchwise;
    platform::leaveOnError(
        [&] {
            // Only the notch entry boxes are judged: a box filled by a list choice or a record load is
            // not the user's typing, and the general boxes hold free text.
            platform::Control* focused = program.runtime.activeControl();
            platform::TextBox* box = nullptr;
            for (platform::TextBox* entry : {&f.MaxVtextbox, &f.Fvtextbox, &f.rdTextbox, &f.tTextbox,
                                             &f.rpTextbox, &f.eTextbox, &f.dnTextbox}) {
                if (focused == entry) {
                    box = entry;
                }
            }
            if (box == nullptr) {
                return;
            }
            const std::string text = box->text();
            if (text.empty() || text == "0" || text == "0." ||
                (num::isNumberText(text) && num::leadingNumber(text) > 0)) {
                return;
            }
            program.runtime.beep();
            box->setSelStart(static_cast<int>(text.size()) - 1);
            box->setSelLength(box->maxLength());
            if (text == ".") {
                program.runtime.msgBox(
                    "Please enter fractions (that are less than One) with a Zero, then the decimal "
                    "point, then the decimal fraction.  Example: 0.75",
                    platform::Buttons::OK, platform::Icon::Exclamation, "Notchwise");
                box->setText("");
            } else {
                program.runtime.msgBox("Please enter a valid numeric value. Fractions should be entered "
                                       "using their decimal equivalents.",
                                       platform::Buttons::OK, platform::Icon::Exclamation, "Notchwise");
            }
        },
        [](const platform::RuntimeError&) {});
}

void SelectNotchText(app::Program& program)
{
    platform::Control* control = program.runtime.activeControl();
    if (control == nullptr || control->kind() != platform::ControlKind::TextBox) {
        return;
    }
    auto& box = static_cast<platform::TextBox&>(*control);
    box.setSelStart(0);
    box.setSelLength(box.maxLength());
}

bool CalcTensionNotch(app::Program& program)
{
    NotchValues& v = program.notchValues;
    bool fresh = false;
    platform::leaveOnError(
        [&] {
            if (!adjustFv(program)) {
                return;
            }
            v.NotchVrAdj = tensionNotchVr(v.NotchFvAdj, v.NotchD, v.NotchDn, v.NotchAn);
            v.NotchVrMode = -1;
            fresh = true;
        },
        [&](const platform::RuntimeError&) {
            exclamation(program, "Tension notch requirements could not be calculated.");
        });
    return fresh;
}

bool CalcCompressionNotch(app::Program& program)
{
    NotchValues& v = program.notchValues;
    bool fresh = false;
    platform::leaveOnError(
        [&] {
            if (!adjustFv(program)) {
                return;
            }
            if (v.NotchLengthE <= v.NotchDn) {
                v.NotchVrAdj =
                    compressionNotchVr(v.NotchFvAdj, v.NotchB, v.NotchD, v.NotchDn, v.NotchLengthE);
                v.NotchVrMode = -1;
            } else {
                // A notch longer than dn: the member is checked as one of depth dn.
                v.NotchShearStress = shearStress(v.NotchV, v.NotchAn);
                v.NotchVrMode = 0;
            }
            fresh = true;
        },
        [&](const platform::RuntimeError&) {
            exclamation(program, "Compression notch requirements could not be calculated.");
        });
    return fresh;
}

// No trap of its own: its errors end OK Calculate in that event's trap.
bool CalcTaperedNotch(app::Program& program)
{
    NotchValues& v = program.notchValues;
    if (!adjustFv(program)) {
        return false;
    }
    v.NotchVrAdj = taperedNotchVr(v.NotchFvAdj, v.NotchAn);
    v.NotchVrMode = -1;
    return true;
}

} // namespace notch
