// Loading and saving custom values files.
#include "files/CustomValuesFile.h"

#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "files/RecordFile.h"
#include "platform/core/Number.h"
#include "platform/forms/Runtime.h"
#include "scl/Form2.h"

#include <cmath>
#include <string>

namespace files
{

namespace
{

namespace num = platform::num;

constexpr std::uint64_t RecordLength = 66;
constexpr int CustomValuesListIndex = 8;

std::int16_t flag(bool on)
{
    return on ? std::int16_t{-1} : std::int16_t{0};
}

// A stored value as its plain number text, so that a reloaded value is the saved one and not a
// rounded copy; a zero Fb, Fv or Fc-perp shows as an empty box.
std::string valueText(float value)
{
    return value == 0.0f ? std::string() : num::numberText(value);
}

std::string editionYear(const app::SharedState& s)
{
    if (s.NDS1997 == -1) {
        return "1997";
    }
    if (s.NDS2012 == -1) {
        return "2012";
    }
    if (s.NDS2015 == -1) {
        return "2015";
    }
    if (s.NDS2018 == -1) {
        return "2018";
    }
    if (s.NDS2005 == -1) {
        return "2005";
    }
    return "2001";
}

void showEditionAlert(app::Program& p)
{
    const std::string year = editionYear(p.state);
    const std::string question = year == "1997"
                                     ? "Courtesy Alert:      Are you loading NDS 1997 VALUES?"
                                     : "Courtesy Alert:   Are you loading NDS " + year + " VALUES?";
    p.runtime.msgBox(
        question + "\r\rKorvanta is currently set to calculate using NDS " + year +
            " procedures.\r\rIF these are NOT NDS " + year +
            " values, either revise these values or change the correct NDS Version.\r\rTo change the "
            "NDS version:\rReturn to form 1, on the menu bar select Options, select Set defaults, "
            "change the NDS version, select Save Defaults, and return to this form and re-load the "
            "values.",
        platform::Buttons::OK, platform::Icon::Question, "Korvanta Courtesy Alert");
}

void setMechanicalGrade(platform::CheckBox& box, std::int16_t stored)
{
    if (stored == -1) {
        box.setValue(1);
    } else if (stored == 0) {
        box.setValue(0);
    }
}

void restoreCustomValues(app::Program& p, const platform::Record& r)
{
    scl::Form2& f = p.form2;
    beam::CalcFlags& flags = p.beam.flags;
    // The timber stop is decided before anything is set: with neither framing class stored the member
    // would be a timber or glu-lam, which repetitive use excludes.
    if (r.i16(50) == 0 && r.i16(52) == 0 && !f.Wid6x.enabled()) {
        p.runtime.beep();
        p.runtime.msgBox(
            "Criteria chosen in Form 1 is inappropriate for 6x members. Repetitive use does not apply "
            "to 6x beams.  Please select a different breadth group or change the repetitive use "
            "modifier on the Criteria Form 1.",
            platform::Buttons::OK, platform::Icon::Exclamation, "Korvanta");
        return;
    }
    f.Wid2x.setValue(r.i16(50) != 0);
    f.Wid4x.setValue(r.i16(52) != 0);
    f.Wid6x.setValue(r.i16(54) != 0);
    f.Roundoption.setValue(r.i16(60) != 0);
    f.WidGLB.setValue(r.i16(56) != 0);
    f.WidGLBHDR.setValue(r.i16(58) != 0);
    if (f.Wid2x.value() || f.Wid4x.value() || f.Wid6x.value() || f.WidGLB.value() || f.WidGLBHDR.value()) {
        f.Frame3D4.setVisible(false);
        f.Frame3D2.setVisible(true);
        p.form1.group[CustomValuesListIndex].setValue(true);
        // Raises the list's handling only when the position really changes.
        p.form1.Combo1.setListIndex(CustomValuesListIndex);
        for (int i = 0; i < 5; ++i) {
            f.LVLab[i].setCaption("");
            f.LVLbut[i].setVisible(false);
        }
    }
    f.Text1.setText(valueText(r.f32(2)));
    f.Text2.setText(valueText(r.f32(6)));
    f.Text3.setText(valueText(r.f32(10)));
    f.Text4.setText(num::numberText(r.f32(14)));
    f.Text5.setText(r.text(18, 30));
    f.CustomIngradeSP.setValue(r.i16(48) != 0 ? 1 : 0);
    flags.MELFlag = r.i16(64);
    setMechanicalGrade(f.MELCheckbox, flags.MELFlag);
    flags.MSRFlag = r.i16(62);
    setMechanicalGrade(f.MSRCheckbox, flags.MSRFlag);
    showEditionAlert(p);
}

} // namespace

bool customValuesApplicable(const platform::Record& r, std::uint64_t fileLength)
{
    if (fileLength < RecordLength) {
        return false;
    }
    for (std::size_t at : {2, 6, 10, 14}) {
        const float value = r.f32(at);
        if (!std::isfinite(value) || value < 0.0f) {
            return false;
        }
    }
    // The MSR and MEL flags are kept as stored, whatever they hold.
    for (std::size_t at = 48; at <= 60; at += 2) {
        const std::int16_t value = r.i16(at);
        if (value != 0 && value != -1) {
            return false;
        }
    }
    return true;
}

void LoadCustomValues(app::Program& program)
{
    LoaderSteps steps;
    steps.applicable = customValuesApplicable;
    steps.restore = [&](const platform::Record& record) { restoreCustomValues(program, record); };
    runLoader(program, RecordKind::CustomValues, program.recordFiles.CustomValuesRecord, steps);
}

void SaveCustomValues(app::Program& program)
{
    if (program.form1.group[7].value()) {
        program.runtime.msgBox(
            "Please use the Save Default button to save SCL values. Use 'File, Save Values' for "
            "solid lumber and glu-lams only.",
            platform::Buttons::OK, platform::Icon::None, "Korvanta");
        return;
    }
    WriterSteps steps;
    steps.fill = [&](platform::Record& r) {
        scl::Form2& f = program.form2;
        const beam::CalcFlags& flags = program.beam.flags;
        r.setF32(2, num::toSingle(f.Text1.text()));
        r.setF32(6, num::toSingle(f.Text2.text()));
        r.setF32(10, num::toSingle(f.Text3.text()));
        r.setF32(14, num::toSingle(f.Text4.text()));
        r.setText(18, 30, f.Text5.text());
        r.setI16(48, flag(f.CustomIngradeSP.checked()));
        r.setI16(50, flag(f.Wid2x.value()));
        r.setI16(52, flag(f.Wid4x.value()));
        r.setI16(54, flag(f.Wid6x.value()));
        r.setI16(56, flag(f.WidGLB.value()));
        r.setI16(58, flag(f.WidGLBHDR.value()));
        r.setI16(60, flag(f.Roundoption.value()));
        r.setI16(62, flags.MSRFlag);
        r.setI16(64, flags.MELFlag);
    };
    runWriter(program, RecordKind::CustomValues, program.recordFiles.CustomValuesRecord, steps);
}

} // namespace files
