// Opening the column design and the notch check from the criteria form.
#include "app/ToolEntryPoints.h"

#include "app/Program.h"

namespace app
{

// FIXME: show Form18 modeless and hide Form1 once the column subsystem builds Form18. Until then the
// menu leaves Form1 shown, so that the user is never left without a window.
void OpenColumnDesign(Program& /*program*/) {}

void OpenNotchCheck(Program& program)
{
    program.formNotchwise.show();
    program.form1.hide();
}

} // namespace app
