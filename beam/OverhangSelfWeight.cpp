// The span moment of an overhanging beam with its self weight.
#include "beam/OverhangSelfWeight.h"

#include "platform/core/Number.h"

#include <algorithm>

namespace beam
{

namespace num = platform::num;

// The largest span moment of an overhanging beam with its self weight w over backspan L and overhang a.
// The self weight's own moment w x (L^2 - a^2) / (2 L) - w x^2 / 2 is added station by station to the
// moments of the applied loads: adding w x^2 / 2 at the applied loads' peak, as the test once did, has
// the wrong sign of curvature and drops the backspan's self weight whenever the overhang loads leave no
// positive moment, so a smaller member could pass on a fraction of its real moment.
double overhangMomentWithSelfWeight(const AppliedLoads& loads, double w, double L, double a)
{
    double largest = loads.MaxMomentLoads;
    // R1's self-weight share per foot of x, worked out once for the 201 stations.
    const double r1Share = num::div(w * (L * L - a * a), 2 * L);
    for (int i = 0; i < StationCount; ++i) {
        const double x = L / 200 * i;
        const double selfWeight = r1Share * x - w * x * x / 2;
        largest = std::max(largest, double{loads.StationTable[i][StationRow::Moment]} + selfWeight);
    }
    return largest;
}

} // namespace beam
