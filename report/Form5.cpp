// The report form's handlers.
#include "report/Form5.h"

#include "app/FormHelpers.h"
#include "app/Program.h"

namespace report
{

Form5::Form5(app::Program& program) : Form(program.runtime, "Form5"), m_program(program) {}

// The close box asks the exit question; when the program goes on, the form stays open.
void Form5::Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode)
{
    if (unloadMode == platform::UnloadReason::CloseBox) {
        app::ConfirmExit(m_program);
        cancel = true;
    }
}

} // namespace report
