// The wood selection form's activation and close request.
#include "wood/Form3.h"

#include "app/FormHelpers.h"
#include "app/Program.h"
#include "platform/core/Number.h"

namespace wood
{

namespace num = platform::num;

Form3::Form3(app::Program& program) : Form(program.runtime, "Form3"), m_program(program) {}

// After a new calculation the form shows its loads once; coming back to it later keeps what it shows.
void Form3::Form_Activate()
{
    app::CenterForm(m_program, *this);
    beam::CalcFlags& flags = m_program.beam.flags;
    if (flags.PresizingDone == -1) {
        return;
    }
    const beam::AppliedLoads& loads = m_program.beam.loads;
    // A zero moment or right reaction shows no digits; the left reaction shows "0".
    MOMENT.setCaption("Max Moment = " + num::format(loads.MomentLoads, "#,###") + " ft-lbs");
    Reac1.setCaption("Reaction 1 = " + num::format(loads.R1Loads, "#,##0"));
    Reac2.setCaption("Reaction 2 = " + num::format(loads.R2Loads, "#,###"));
    flags.PresizingDone = -1;
}

// The close box asks the exit question and keeps the form when the program goes on; the program's own
// unloads pass.
void Form3::Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode)
{
    if (unloadMode == platform::UnloadReason::CloseBox) {
        app::ConfirmExit(m_program);
        cancel = true;
    }
}

} // namespace wood
