// The wood beam size test: one sawn, timber, round, glu-lam or header size against the current beam.
#pragma once

namespace app
{
class Program;
}

namespace wood
{

// Tests the size in Form3's boxes (Form2's for custom values) and leaves every result in the shared
// beam state; outside pretest mode it then hides the selection form and shows the report. Returns
// true when the test ran to its end, false when a refusal, a stop or a trapped error ended it early
// (the results of the later steps then keep their previous values).
bool CalcWoodBeam(app::Program& program);

// The depth step of the size in Form3's boxes: net depth and the next larger and smaller depths of its
// ladder. The in-grade values are constant data (IngradeTable), so there is nothing to rebuild.
void IngradeValues(app::Program& program);

} // namespace wood
