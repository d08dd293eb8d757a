// Load and print through the custom values form: the form fills itself from the criteria record just
// loaded and presses "OK Calc" and "OK Test". Whatever stops the path hands the form to the user.
#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "files/RecordFile.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "scl/Form2.h"

namespace scl
{

namespace num = platform::num;

namespace
{

constexpr const char* PineValuesUnknownMessage =
    "This criteria file does not record whether Southern Pine values (size factor included in Fb) were "
    "used. Check 'Using So. Pine values' if they were, then click OK Test.";

} // namespace

void Form2::refillFromCriteria()
{
    platform::ResumeNext next([this](const platform::RuntimeError&) {
        message("Error Form2 activate", platform::Icon::Exclamation);
    });
    const platform::Record& r = m_program.recordFiles.BeamCriteriaRecord;
    app::SharedState& s = m_program.state;
    const int position = r.i16(104);
    if (position != 7 && position != 8) {
        return;
    }
    const bool scl = position == 7;
    next([&] { m_program.form1.group[scl ? 7 : 8].setValue(true); });
    if (scl) {
        next([&] { Combo1.setText(r.text(1423, 60)); });
    }
    next([&] { Text1.setText(r.text(1483, 4)); });
    next([&] { Text2.setText(r.text(1487, 4)); });
    next([&] { Text4.setText(r.text(1491, 4)); });
    next([&] { Text3.setText(r.text(1495, 4)); });
    bool calculated = false;
    next([&] { calculated = CmdEnterValues_Click(); });
    next([&] { Text6.setText(r.text(1499, 10)); });
    next([&] { Text7.setText(r.text(1509, 10)); });
    next([&] { Text5.setText(r.text(1519, 60)); });
    if (!scl) {
        next([&] { WidGLBHDR.setValue(r.i16(1579) != 0); });
        next([&] { WidGLB.setValue(r.i16(1581) != 0); });
        next([&] { SPG.setValue(r.i16(1583) != 0 ? -1 : 0); });
        next([&] { Wid2x.setValue(r.i16(1585) != 0); });
        next([&] { Wid4x.setValue(r.i16(1587) != 0); });
        next([&] { MSRCheckbox.setValue(r.i16(1589)); });
        next([&] { MELCheckbox.setValue(r.i16(1591)); });
        next([&] { Wid6x.setValue(r.i16(1593) != 0); });
        next([&] { Rectoption.setValue(r.i16(1595) != 0); });
        next([&] { Roundoption.setValue(r.i16(1597) != 0); });
        next([&] { Diam.setText(r.text(1599, 6)); });
        beam::MemberUnderTest& m = m_program.beam.member;
        next([&] {
            if (m.Cd == 0) {
                m.Cd = num::toSingle(m_program.form1.Dur.text());
            }
        });
        next([&] { m.Cr = m_program.form1.Rep.checked() ? 1.15f : 1.0f; });
    }
    // A refused "OK Calc" leaves values that must not be tested; the user takes over.
    if (!calculated) {
        s.AutoPrintMode = 0;
        return;
    }
    // The record cannot say whether the Southern Pine values option was on, and a wrong guess changes
    // Fb by the size factor: the user decides before the test.
    if (!scl && (Wid2x.value() || Wid4x.value()) && !MSRCheckbox.checked() && !MELCheckbox.checked()) {
        s.AutoPrintMode = 0;
        CmdTest.setEnabled(true);
        CmdTest.setDefault(true);
        message(PineValuesUnknownMessage, platform::Icon::Information);
        return;
    }
    next([&] {
        CmdTest.setEnabled(true);
        CmdTest_Click();
    });
    // A refusal, or the wood test showing this form again, ends the unattended path here.
    if (visible()) {
        s.AutoPrintMode = 0;
    }
}

} // namespace scl
