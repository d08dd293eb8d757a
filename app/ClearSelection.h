// Invalidates the selected member whenever a criteria entry changes, so that the status line and the
// data record never describe a member tested for other criteria.
#pragma once

namespace app
{

class Program;

// Empties the selection status and the saved selection texts, shows "no selection" on Form1's status
// panel and disables its data record menu. Does nothing while the criteria writer saves
// (CriteriaSaveGuard). Callers test ChangeGuard themselves; this never fails and shows nothing.
void ClearSelection(Program& program);

} // namespace app
