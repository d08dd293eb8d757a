// The custom values form's activation and close request.
#include "scl/Form2.h"

#include "app/FormHelpers.h"
#include "app/Program.h"
#include "platform/core/Number.h"
#include "scl/SCLProductForm.h"

namespace scl
{

namespace num = platform::num;

Form2::Form2(app::Program& program) : Form(program.runtime, "Form2"), m_program(program) {}

void Form2::Form_Load()
{
    Form2Load(m_program);
}

void Form2::Form_Activate()
{
    app::CenterForm(m_program, *this);
    // The form takes over from the progress window of "OK Calculate".
    m_program.form4.hide();
    const beam::AppliedLoads& loads = m_program.beam.loads;
    // A zero moment or right reaction shows no digits; the left reaction shows "0".
    MOMENT.setCaption("Max Moment = " + num::format(loads.MomentLoads, "#,###") + " ft-lbs");
    Reac1.setCaption("Reaction 1 = " + num::format(loads.R1Loads, "#,##0"));
    Reac2.setCaption("Reaction 2 = " + num::format(loads.R2Loads, "#,###"));
}

// Only the close box asks the exit question; the program's own unloads (a new calculation for another
// species group) pass without one.
void Form2::Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode)
{
    if (unloadMode == platform::UnloadReason::CloseBox) {
        app::ConfirmExit(m_program);
        cancel = true;
    }
}

} // namespace scl
