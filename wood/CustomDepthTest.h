// One silent size test of a custom values size, for the walks of the custom quick picks.
#pragma once

#include "wood/QuickPickSearch.h"

#include <string>

namespace app
{
class Program;
}

namespace wood
{

// Puts the breadth and depth into Form2's size boxes, sets pretest mode, runs the size test on Form2's
// size and reads what the test left for the walk.
DepthOutcome TestCustomDepth(app::Program& program, const std::string& breadth, const std::string& depth);

} // namespace wood
