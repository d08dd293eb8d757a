// The steel column record's print and save commands: they mark the record kind for the report header
// form before they show it, so that its activation serves this record.
#include "columns/Form23.h"

#include "app/Program.h"

namespace columns
{

Form23::Form23(app::Program& program) : Form(program.runtime, "Form23"), m_program(program) {}

void Form23::Print_Click()
{
    report::RecordTypeFlags& f = m_program.record.flags;
    f.SteelColRequest = -1;
    f.WoodColRequest = 0;
    f.StudRequest = false;
    m_program.form7.openForRecord();
}

// Only the current flag is set: the report header form's activation turns it into the request.
void Form23::MnuSave_Click()
{
    report::RecordTypeFlags& f = m_program.record.flags;
    f.WoodColRequest = 0;
    f.SteelColRequest = 0;
    f.StudRequest = false;
    f.SteelColCurrent = -1;
    m_program.form7.openForRecord();
}

} // namespace columns
