// The quick-pick searches. FIXME: placeholders that leave the captions as estimated; the walks come
// with the wood size test.
#include "wood/QuickPickSearch.h"

namespace wood
{

void SearchQuickPickSizes(app::Program& /*program*/) {}

void SearchGluLamSizes(app::Program& /*program*/) {}

} // namespace wood
