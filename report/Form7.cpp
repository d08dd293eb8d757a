// Form7's handlers.
#include "report/Form7.h"

#include "app/Program.h"

namespace report
{

Form7::Form7(app::Program& program) : Form(program.runtime, "Form7"), m_program(program) {}

} // namespace report
