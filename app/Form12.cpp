// The manual's way out: back to the form that opened it, or the exit question from the close box.
#include "app/Form12.h"

#include "app/FormHelpers.h"
#include "app/Program.h"

#include <array>

namespace app
{

namespace
{
// The forms whose Help menu opens the manual; nothing else is shown again.
constexpr std::array<const char*, 11> ReturnForms = {
    "Form1", "Form2", "Form3", "Form5", "Form6", "Form10", "Form18", "Form19", "Form20", "Form22", "Form23"};
} // namespace

Form12::Form12(Program& program) : Form(program.runtime, "Form12"), m_program(program) {}

void Form12::Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode)
{
    if (unloadMode == platform::UnloadReason::CloseBox) {
        ConfirmExit(m_program);
        cancel = true;
    }
}

// Leaves the manual: the form named in HelpReturnForm is shown again, and the manual is unloaded so
// that the next opening starts afresh.
void Form12::MnuExit_Click()
{
    const std::string& name = m_program.state.HelpReturnForm;
    for (const char* known : ReturnForms) {
        if (name == known) {
            if (platform::Form* form = m_program.runtime.findForm(name)) {
                form->show();
            }
            break;
        }
    }
    unload();
}

void Form12::About_Click()
{
    m_program.form15.show();
}

void Form12::mnuHelpexit_Click()
{
    MnuExit_Click();
}

} // namespace app
