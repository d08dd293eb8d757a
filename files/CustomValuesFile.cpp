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

#include <string>

namespace files
{

namespace
{

namespace num = platform::num;

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

} // namespace

void applyCustomValues(app::Program& p, const CustomValues& v)
{
    scl::Form2& f = p.form2;
    beam::CalcFlags& flags = p.beam.flags;
    // The timber stop is decided before anything is set: with neither framing class stored the member
    // would be a timber or glu-lam, which repetitive use excludes.
    if (v.class2x == 0 && v.class4x == 0 && !f.Wid6x.enabled()) {
        p.runtime.beep();
        p.runtime.msgBox(
            "Criteria chosen in Form 1 is inappropriate for 6x members. Repetitive use does not apply "
            "to 6x beams.  Please select a different breadth group or change the repetitive use "
            "modifier on the Criteria Form 1.",
            platform::Buttons::OK, platform::Icon::Exclamation, "Korvanta");
        return;
    }
    f.Wid2x.setValue(v.class2x != 0);
    f.Wid4x.setValue(v.class4x != 0);
    f.Wid6x.setValue(v.timber != 0);
    f.Roundoption.setValue(v.round != 0);
    f.WidGLB.setValue(v.gluLam != 0);
    f.WidGLBHDR.setValue(v.gluLamHeader != 0);
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
    f.Text1.setText(valueText(v.fb));
    f.Text2.setText(valueText(v.fv));
    f.Text3.setText(valueText(v.fcPerp));
    f.Text4.setText(num::numberText(v.e));
    f.Text5.setText(v.species);
    f.CustomIngradeSP.setValue(v.southernPine != 0 ? 1 : 0);
    flags.MELFlag = v.mel;
    setMechanicalGrade(f.MELCheckbox, flags.MELFlag);
    flags.MSRFlag = v.msr;
    setMechanicalGrade(f.MSRCheckbox, flags.MSRFlag);
    showEditionAlert(p);
}

void LoadCustomValues(app::Program& program)
{
    runLoader(program, RecordKind::CustomValues, program.recordFiles.CustomValuesRecord,
              decodeCustomValuesRecord,
              [&](const CustomValues& values) { applyCustomValues(program, values); });
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
        CustomValues v;
        v.fb = num::toSingle(f.Text1.text());
        v.fv = num::toSingle(f.Text2.text());
        v.fcPerp = num::toSingle(f.Text3.text());
        v.e = num::toSingle(f.Text4.text());
        v.species = f.Text5.text();
        v.southernPine = flag(f.CustomIngradeSP.checked());
        v.class2x = flag(f.Wid2x.value());
        v.class4x = flag(f.Wid4x.value());
        v.timber = flag(f.Wid6x.value());
        v.gluLam = flag(f.WidGLB.value());
        v.gluLamHeader = flag(f.WidGLBHDR.value());
        v.round = flag(f.Roundoption.value());
        v.msr = flags.MSRFlag;
        v.mel = flags.MELFlag;
        encodeCustomValuesRecord(v, r);
    };
    runWriter(program, RecordKind::CustomValues, program.recordFiles.CustomValuesRecord, steps);
}

} // namespace files
