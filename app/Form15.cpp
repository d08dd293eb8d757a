// The about box's handlers.
#include "app/Form15.h"

#include "app/FormHelpers.h"
#include "app/Program.h"

namespace app
{

Form15::Form15(Program& program) : Form(program.runtime, "Form15"), m_program(program) {}

void Form15::Form_Load()
{
    CenterForm(m_program, *this);
}

// "Done"
void Form15::Command1_Click()
{
    unload();
}

} // namespace app
