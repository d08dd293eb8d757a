// Invalidating the selection shown on the criteria form.
#include "app/ClearSelection.h"

#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"

namespace app
{

void ClearSelection(Program& program)
{
    SharedState& s = program.state;
    if (s.CriteriaSaveGuard != 0) {
        return;
    }
    s.SelectionStatus.clear();
    program.form1.SavePanel.setCaption("   Selection:  None");
    program.form1.MnuDataRecord.setEnabled(false);
    s.SavedSelection = SavedSelectionTexts{};
}

} // namespace app
