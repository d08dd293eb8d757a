// The data record form's handlers.
#include "report/Form6.h"

#include "app/FormHelpers.h"
#include "app/Program.h"

namespace report
{

Form6::Form6(app::Program& program) : Form(program.runtime, "Form6"), m_program(program) {}

// The close box asks the exit question; when the program goes on, the form stays open.
void Form6::Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode)
{
    if (unloadMode == platform::UnloadReason::CloseBox) {
        app::ConfirmExit(m_program);
        cancel = true;
    }
}

} // namespace report
