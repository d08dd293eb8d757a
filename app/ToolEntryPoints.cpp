// Opening the column design and the notch check from the criteria form.
#include "app/ToolEntryPoints.h"

#include "app/Program.h"
#include "columns/Form18.h"
#include "notch/FormNotchwise.h"

namespace app
{

void OpenColumnDesign(Program& program)
{
    program.form18.show();
    program.form1Window.hide();
}

void OpenNotchCheck(Program& program)
{
    program.formNotchwise.show();
    program.form1Window.hide();
}

} // namespace app
