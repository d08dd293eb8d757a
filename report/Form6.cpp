// The data record form's activation: the readiness test, the Back menus, the composition of the
// record section by section, the criteria form's data record entry, the selection status and the
// automatic steps.
#include "report/Form6.h"

#include "app/Form1.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "report/Form5.h"
#include "report/RecordCompose.h"
#include "report/RecordState.h"

namespace report
{

RecordLabelSet::RecordLabelSet(platform::Form& form, const RecordLabelLayout* layout, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        platform::Label& l = m_labels.emplace_back(form, std::string(layout[i].name));
        m_byName.emplace(layout[i].name, &l);
    }
}

platform::Label& RecordLabelSet::label(std::string_view name)
{
    const auto it = m_byName.find(name);
    if (it == m_byName.end()) {
        platform::raise(platform::err::ControlArrayElement);
    }
    return *it->second;
}

Form6::Form6(app::Program& program)
    : Form(program.runtime, "Form6"), RecordLabelSet(*this, Form6Labels.data(), Form6Labels.size()),
      Label61(label("Label61")), Label5(label("Label5")), m_program(program)
{}

RecordContext::RecordContext(app::Program& p)
    : program(p), form(p.form6), form1(p.form1), beam(p.beam), state(p.state), record(p.record)
{}

void RecordContext::set(std::string_view name, std::string_view text)
{
    form.label(name).setCaption(text);
}

void RecordContext::show(std::string_view name, bool visible)
{
    form.label(name).setVisible(visible);
}

std::string RecordContext::caption(std::string_view name)
{
    return form.label(name).caption();
}

bool RecordContext::steel() const
{
    return beam.flags.SteelBeamFlag == -1;
}

bool RecordContext::overhang()
{
    return form1.OHbutton.value();
}

double boxNumber(const std::string& text)
{
    return platform::num::leadingNumber(text);
}

std::string SelectionStatusFromReport(app::Program& program)
{
    report::Form5& f = program.form5;
    for (platform::Panel* panel :
         {&f.SecStatus, &f.ShearStatus, &f.DeflStatus, &f.LDeflStatus, &f.OHDeflStatus, &f.OHLDeflStatus}) {
        if (panel->caption() == "Fail") {
            return "Fail";
        }
    }
    return f.SecStatus.caption().empty() ? "" : "OK";
}

void Form6::Form_Load()
{
    app::CenterForm(m_program, *this);
}

// A failing statement ends the composition: one message, then the criteria form in place of a
// record that cannot be trusted.
bool Form6::composeRecord()
{
    RecordContext c(m_program);
    return platform::leaveOnError(
        [&] {
            ComposeHeaderLines(c);
            ComposeAttributes(c);
            ComposeBendingValues(c);
            ComposeLateralSupport(c);
            ComposeValues(c);
            ComposeDataBlock(c);
            ComposeLoads(c);
            m_program.state.SelectionStatus = SelectionStatusFromReport(m_program);
            ComposeHeadingLabels(c);
        },
        [&](const platform::RuntimeError&) {
            m_program.runtime.msgBox(
                "An Error was detected when loading the Data Record.  Please return to "
                "Criteria Form1 and proceed through a beam calculation to ensure all the "
                "data is correct on the Data Record.",
                platform::Buttons::OK, platform::Icon::Exclamation, "Korvanta");
            m_program.record.CriteriaReturnPending = 0;
            unload();
            m_program.form1.show();
        });
}

void Form6::Form_Activate()
{
    app::SharedState& s = m_program.state;
    app::CenterForm(m_program, *this);
    if (s.RestoreSavedSelection || s.ReportShown == 0) {
        MnuBack.setEnabled(false);
        backmnu.setEnabled(false);
        automaticSteps();
        return;
    }
    MnuBack.setEnabled(true);
    backmnu.setEnabled(true);
    if (composeRecord()) {
        // The criteria form's entry shows this record again until a change of the criteria clears
        // the selection; a record loaded from a file is never composed and does not enable it.
        m_program.form1.MnuDataRecord.setEnabled(true);
        automaticSteps();
    }
}

void Form6::automaticSteps()
{
    if (m_program.state.AutoPrintMode == -1) {
        Command1_Click();
    }
    if (m_program.record.CriteriaReturnPending == -1) {
        m_program.record.CriteriaReturnPending = 0;
        MnuCriteria_Click();
    }
}

// The close box asks the exit question; when the program goes on, the form stays open.
void Form6::Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode)
{
    if (unloadMode == platform::UnloadReason::CloseBox) {
        app::ConfirmExit(m_program);
        cancel = true;
    }
}

} // namespace report
