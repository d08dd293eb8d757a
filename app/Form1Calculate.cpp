// Form1's "OK Calculate": entry checks, load totals, station table and hand-off.
#include "app/Form1.h"

namespace app
{

void Form1::CmdOK_Click() {}

} // namespace app
