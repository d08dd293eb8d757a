// The load entry diagram window: it only shows its picture until the user closes it.
#include "report/Form9.h"

#include "app/Program.h"

namespace report
{

Form9::Form9(app::Program& program) : Form(program.runtime, "Form9") {}

void Form9::Command1_Click()
{
    unload();
}

} // namespace report
