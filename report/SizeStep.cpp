// The frame of the report's size-step buttons.
#include "report/SizeStep.h"

#include "app/CriteriaChoices.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "platform/forms/Runtime.h"
#include "report/Form5.h"
#include "report/LoadReportForm.h"
#include "report/MemberTests.h"
#include "scl/Form2.h"
#include "wood/Form3.h"

namespace report
{

namespace
{

std::array<platform::CommandButton*, 4> stepButtons(Form5& f)
{
    return {&f.CmdNextSizeDn, &f.CmdNextSize, &f.CmdNextWidthDn, &f.CmdNextWidth};
}

std::array<platform::TextBox*, 6> sizeBoxes(app::Program& program)
{
    return {&program.form3.Text1, &program.form3.Text2, &program.form3.Text3,
            &program.form2.Text6, &program.form2.Text7, &program.form2.Diam};
}

} // namespace

MemberOptions readMemberOptions(app::Program& program)
{
    scl::Form2& f2 = program.form2;
    MemberOptions o;
    o.southernPine = app::SpeciesGroupChosen(program, 5);
    o.scl = app::SpeciesGroupChosen(program, 7);
    o.customValues = app::SpeciesGroupChosen(program, 8);
    o.steel = app::SpeciesGroupChosen(program, 9);
    o.round = f2.Roundoption.value();
    o.gluLamHeaders = f2.WidGLBHDR.value();
    o.custom2x = f2.Wid2x.value();
    o.custom4x = f2.Wid4x.value();
    o.spg = f2.SPG.checked();
    return o;
}

SizeStep::SizeStep(app::Program& program, const char* trapMessage)
    : next([&program, trapMessage](const platform::RuntimeError&) {
          program.runtime.msgBox(trapMessage, platform::Buttons::OK, platform::Icon::Exclamation, "Korvanta");
      }),
      options(readMemberOptions(program)), m_program(program)
{
    const auto boxes = sizeBoxes(program);
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        m_sizes[i] = boxes[i]->text();
    }
    const auto buttons = stepButtons(program.form5);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        m_enabled[i] = buttons[i]->enabled();
    }
}

void SizeStep::clearFlags()
{
    m_program.beam.flags.DataRecordLoaded = 0;
    m_program.state.RestoreSavedSelection = false;
}

void SizeStep::enableAll()
{
    for (platform::CommandButton* button : stepButtons(m_program.form5)) {
        button->setEnabled(true);
    }
}

void SizeStep::setEnabled(unsigned button, bool enabled)
{
    Form5& f = m_program.form5;
    const std::array<unsigned, 4> bits{DepthDown, DepthUp, BreadthDown, BreadthUp};
    const auto buttons = stepButtons(f);
    for (std::size_t i = 0; i < bits.size(); ++i) {
        if ((button & bits[i]) != 0) {
            buttons[i]->setEnabled(enabled);
        }
    }
}

void SizeStep::off(unsigned buttons)
{
    setEnabled(buttons, false);
}

bool SizeStep::testAndRefill(bool scl)
{
    bool completed = false;
    next([&] {
        completed =
            scl ? m_program.memberTests.LVLCalc(m_program) : m_program.memberTests.CalcWoodBeam(m_program);
    });
    if (!completed) {
        const auto boxes = sizeBoxes(m_program);
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            boxes[i]->setText(m_sizes[i]);
        }
        const auto buttons = stepButtons(m_program.form5);
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            buttons[i]->setEnabled(m_enabled[i]);
        }
        return false;
    }
    next([&] { LoadReportForm(m_program); });
    return true;
}

} // namespace report
