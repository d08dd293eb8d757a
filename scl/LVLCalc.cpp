// The SCL beam size test. FIXME: a placeholder that reports an early end, so that a step of an SCL
// member on the report changes nothing; the test itself comes with the SCL products and sizing.
#include "scl/LVLCalc.h"

namespace scl
{

bool LVLCalc(app::Program& /*program*/)
{
    return false;
}

} // namespace scl
