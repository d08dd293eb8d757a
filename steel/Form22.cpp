// The steel selection form's load, activation and close request.
#include "steel/Form22.h"

#include "app/FormHelpers.h"
#include "app/Program.h"
#include "platform/core/Number.h"

namespace steel
{

namespace num = platform::num;

Form22::Form22(app::Program& program) : Form(program.runtime, "Form22"), m_program(program) {}

void Form22::Form_Load()
{
    app::CenterForm(m_program, *this);
}

void Form22::Form_Activate()
{
    app::CenterForm(m_program, *this);
    const beam::AppliedLoads& loads = m_program.beam.loads;
    // The applied loads without self weight; a zero moment or right reaction shows no digits.
    StlMoment.setCaption("Max Moment = " + num::format(loads.MomentLoads, "#,###") + " ft-lbs");
    StlReac1.setCaption("Reaction 1 = " + num::format(loads.R1Loads, "#,##0"));
    StlReac2.setCaption("Reaction 2 = " + num::format(loads.R2Loads, "#,###"));
}

// The close box asks the exit question and keeps the form when the program goes on.
void Form22::Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode)
{
    if (unloadMode == platform::UnloadReason::CloseBox) {
        app::ConfirmExit(m_program);
        cancel = true;
    }
}

} // namespace steel
