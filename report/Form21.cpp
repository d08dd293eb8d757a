// The report notes window: its boxes show the stored notes at every activation; "Done" stores the boxes,
// "Cancel" drops what was not stored.
#include "report/Form21.h"

#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "platform/forms/Runtime.h"

namespace report
{

Form21::Form21(app::Program& program) : Form(program.runtime, "Form21"), m_program(program) {}

void Form21::Form_Activate()
{
    showStoredNotes();
    if (Text1.canFocus()) {
        Text1.setFocus();
    }
}

void Form21::Text_GotFocus()
{
    app::SelectFieldText(m_program);
}

// "Done"
void Form21::Command1_Click()
{
    std::size_t line = 0;
    for (platform::TextBox* box : noteBoxes()) {
        m_program.state.ReportNotes[line++] = box->text();
    }
    hide();
}

// "Cancel"
void Form21::Command2_Click()
{
    showStoredNotes();
    hide();
}

// "Clear All Notes": the stored notes stay until "Done".
void Form21::Command3_Click()
{
    for (platform::TextBox* box : noteBoxes()) {
        box->setText("");
    }
    if (Text1.canFocus()) {
        Text1.setFocus();
    }
}

void Form21::Command3D1_Click()
{
    m_program.runtime.msgBox(
        "Your notes may be up to seven lines with a maximum of 85 characters per line.  Notes are for adding "
        "descriptions of special loading conditions or specifying special requirements such as nailing or "
        "bolting "
        "for built-up columns, etc.\r\rNotes may be saved to disk with a data record or printed at the "
        "bottom of a "
        "data record printout.",
        platform::Buttons::OK, platform::Icon::None, "Korvanta");
}

void Form21::showStoredNotes()
{
    std::size_t line = 0;
    for (platform::TextBox* box : noteBoxes()) {
        box->setText(m_program.state.ReportNotes[line++]);
    }
}

} // namespace report
