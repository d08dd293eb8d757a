// Form1's unbalanced live loads on overhanging beams.
#include "app/Form1.h"

namespace app
{

void Form1::UBOH_Click() {}
void Form1::UBSpan_Click() {}

} // namespace app
