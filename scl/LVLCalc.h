// The SCL beam size test: one product size from the custom values form against the current beam.
#pragma once

namespace app
{
class Program;
}

namespace scl
{

// Tests the SCL size given by Form2's product, breadth and depth and leaves its results in the shared
// beam state; shows and hides no form. Returns true when the test ran to its end.
bool LVLCalc(app::Program& program);

} // namespace scl
