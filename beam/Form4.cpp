// The progress window: placed when it is first loaded; "OK Calculate" shows it and sets its fill.
#include "beam/Form4.h"

#include "app/FormHelpers.h"
#include "app/Program.h"

namespace beam
{

Form4::Form4(app::Program& program) : Form(program.runtime, "Form4"), m_program(program) {}

void Form4::Form_Load()
{
    app::CenterForm(m_program, *this);
}

} // namespace beam
