// The report notes window: its boxes show the stored notes at every activation; "Done" stores the boxes,
// "Cancel" drops what was not stored.
#include "report/Form21.h"

#include "app/FormHelpers.h"
#include "app/Program.h"

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

void Form21::showStoredNotes()
{
    std::size_t line = 0;
    for (platform::TextBox* box : noteBoxes()) {
        box->setText(m_program.state.ReportNotes[line++]);
    }
}

} // namespace report
