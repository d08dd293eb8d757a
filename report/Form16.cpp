// The hips and valleys diagram window: centred when it opens, closed by its button.
#include "report/Form16.h"

#include "app/FormHelpers.h"
#include "app/Program.h"

namespace report
{

Form16::Form16(app::Program& program) : Form(program.runtime, "Form16"), m_program(program) {}

void Form16::Form_Load()
{
    app::CenterForm(m_program, *this);
}

void Form16::Cmd_OK_Click()
{
    unload();
}

} // namespace report
