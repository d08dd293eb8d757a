// The largest span moment of an overhanging beam once its own self weight is added.
#pragma once

#include "beam/BeamState.h"

namespace beam
{

// The largest span moment of an overhanging beam with its self weight w (plf) over backspan L and
// overhang a (ft), from the applied loads' station moments. Every test that adds a member's self weight
// to an overhanging beam uses this one rule.
double overhangMomentWithSelfWeight(const AppliedLoads& loads, double w, double L, double a);

} // namespace beam
