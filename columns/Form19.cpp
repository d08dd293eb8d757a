// The wood column record's print and save commands: they mark the record kind for the report header
// form before they show it, so that its activation serves this record.
#include "columns/Form19.h"

#include "app/Program.h"

namespace columns
{

Form19::Form19(app::Program& program) : Form(program.runtime, "Form19"), m_program(program) {}

void Form19::Print_Click()
{
    report::RecordTypeFlags& f = m_program.record.flags;
    f.WoodColRequest = -1;
    f.SteelColRequest = 0;
    f.StudRequest = false;
    m_program.form7.openForRecord();
}

// Only the current flag is set: the report header form's activation turns it into the request.
void Form19::MnuSave_Click()
{
    report::RecordTypeFlags& f = m_program.record.flags;
    f.WoodColRequest = 0;
    f.SteelColRequest = 0;
    f.StudRequest = false;
    f.WoodColCurrent = -1;
    m_program.form7.openForRecord();
}

} // namespace columns
