// What "OK Calculate" does to the forms while the load analysis runs.
#include "app/OkCalculateForms.h"

#include "app/Form1.h"
#include "app/Program.h"
#include "beam/Form4.h"
#include "platform/core/RuntimeError.h"
#include "platform/forms/Runtime.h"
#include "report/Form11.h"
#include "report/RecordState.h"
#include "scl/Form2.h"
#include "steel/Form22.h"
#include "wood/Form3.h"

namespace app
{

beam::Answer OkCalculateForms::msgBox(const std::string& text, beam::MsgStyle style, const std::string& title)
{
    platform::Buttons buttons = platform::Buttons::OK;
    platform::Icon icon = platform::Icon::None;
    switch (style) {
    case beam::MsgStyle::Plain:
        break;
    case beam::MsgStyle::Exclamation:
        icon = platform::Icon::Exclamation;
        break;
    case beam::MsgStyle::YesNoQuestion:
        buttons = platform::Buttons::YesNo;
        icon = platform::Icon::Question;
        break;
    }
    switch (m_program.runtime.msgBox(text, buttons, icon, title)) {
    case platform::MsgResult::Yes:
        return beam::Answer::Yes;
    case platform::MsgResult::No:
        return beam::Answer::No;
    default:
        return beam::Answer::Ok;
    }
}

void OkCalculateForms::beep()
{
    m_program.runtime.beep();
}

void OkCalculateForms::resetSelectionPointer()
{
    m_program.form3.setMousePointer(0);
}

// The next showing or print draws the diagram afresh from the boxes.
void OkCalculateForms::unloadLoadDiagram()
{
    m_program.form11.unload();
}

// The data record lists the loads as analysed, whatever the criteria form shows when it is composed.
void OkCalculateForms::keepAnalysedLoads()
{
    report::AnalysedLoads& loads = m_program.record.loads;
    loads = report::loadBoxTexts(m_program.form1);
    loads.captured = true;
}

void OkCalculateForms::unloadCustomValuesForm()
{
    m_program.form2.unload();
}

void OkCalculateForms::pressAreaLoadButton(beam::BeamCriteria& criteria)
{
    Form1& form1 = m_program.form1;
    form1.Command3D25.setValue(true);
    criteria.UNIF = form1.UNIF.text();
    criteria.LUNIF = form1.LUNIF.text();
}

// A refusal has already told the user what to mend; a box that cannot take the focus now (the uniform
// load of a hip or valley, whose frame is disabled) is left unfocused rather than adding an error
// message to the refusal. A name Form1 does not have is a programming error, reported as a missing
// control array element.
void OkCalculateForms::setFocus(const beam::FocusTarget& target)
{
    platform::Control* control = m_program.form1.findControl(target.control, target.index);
    if (control == nullptr) {
        platform::raise(340);
    }
    if (control->canFocus()) {
        control->setFocus();
    }
}

void OkCalculateForms::resetCriteriaPointer()
{
    m_program.form1.setMousePointer(0);
}

void OkCalculateForms::keepEnteredLoads()
{
    m_program.form1.KeepEnteredLoads();
}

void OkCalculateForms::writeBox(const beam::BoxWrite& write)
{
    platform::Control* control = m_program.form1.findControl(write.control, write.index);
    if (control == nullptr || control->kind() != platform::ControlKind::TextBox) {
        platform::raise(340);
    }
    static_cast<platform::TextBox&>(*control).setText(write.text);
}

// Painted at once, since no paint event is taken while the calculation runs.
void OkCalculateForms::showProgressWindow()
{
    m_program.form4.show();
    m_program.form4.refresh();
}

void OkCalculateForms::setProgress(int percent)
{
    m_program.form4.Pan.setFloodPercent(percent);
    m_program.form4.Pan.refresh();
}

// The selection form's activation runs inside its show, while Form1 and Form4 are still shown.
void OkCalculateForms::handOff(beam::HandOff target)
{
    switch (target) {
    case beam::HandOff::CustomValues:
        m_program.form2.show();
        m_program.form4.hide();
        m_program.form1.hide();
        break;
    case beam::HandOff::Steel:
        // A form kept from an earlier beam must search again for this one.
        if (m_program.form22.loaded()) {
            m_program.form22.ClearQuickPicks();
        }
        m_program.form22.show();
        m_program.form4.refresh();
        m_program.form1.hide();
        m_program.form4.hide();
        break;
    case beam::HandOff::Wood:
        m_program.form3.show();
        m_program.form1.hide();
        m_program.form4.hide();
        break;
    }
}

} // namespace app
