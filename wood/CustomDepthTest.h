// One silent size test of a custom values size, for the walks of the custom quick picks.
#pragma once

#include "wood/DepthWalk.h"

#include <string>

namespace app
{
class Program;
}

namespace wood
{

// Puts the depth into Form2.Text7, sets pretest mode, runs the size test on Form2's size and reads
// what the test left. The breadth is already in Form2.Text6.
DepthTestResult TestCustomDepth(app::Program& program, const std::string& depth, ShearRule shear);

} // namespace wood
