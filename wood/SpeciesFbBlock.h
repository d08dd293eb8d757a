// The bending values the selection form's estimates read for the chosen species group.
#pragma once

#include "wood/QuickPickEstimates.h"

namespace app
{
class Program;
}

namespace wood
{

// Fills the species Fb table and returns the ten values of one block (0-3 the groups 0-3, 4 custom
// values, 5-7 the groups 4-6).
GradeFbValues SpeciesBlockFb(app::Program& program, int block);

} // namespace wood
