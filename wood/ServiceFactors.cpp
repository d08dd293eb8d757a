// Wet service factors by member class (NDS Supplement Tables 4A, 4D and 5A) and incising factors by
// edition; the NDS 1997 incising factors are kept as that edition gave them.
#include "wood/ServiceFactors.h"

#include "platform/core/Number.h"

namespace wood
{

namespace num = platform::num;

const std::array<WetServiceRow, 4> WetServiceTable{{
    {"2x", 0.85, 0.97, 0.67, 0.9},
    {"4x", 0.85, 0.97, 0.67, 0.9},
    {"6x", 1.0, 1.0, 0.67, 1.0},
    {"GLB", 0.8, 0.875, 0.53, 0.833},
}};

const IncisingFactorSets IncisingFactors{{0.85, 0.95, 1.0}, {0.8, 0.95, 0.8}};

ServiceFactors serviceFactors(const ServiceFactorInput& in)
{
    ServiceFactors f;
    if (in.wet) {
        for (const WetServiceRow& row : WetServiceTable) {
            if (row.BreadthClass == in.BreadthClass) {
                f.CmFb = num::toSingle(row.Fb);
                f.CmFv = num::toSingle(row.Fv);
                f.CmFcPerp = num::toSingle(row.FcPerp);
                f.CmE = num::toSingle(row.E);
            }
        }
    }
    // Dimension lumber keeps its full bending value wet while Fb x CF is at most 1150 psi.
    const bool dimension = in.BreadthClass == "2x" || in.BreadthClass == "4x";
    if (f.CmFb == 0.85f && num::toSingle(double{in.Fb} * in.CF) <= 1150 && dimension) {
        f.CmFb = 1.0f;
    }
    // Wet Southern Pine timbers keep every value.
    if (in.wet && in.southernPine && in.BreadthClass == "6x") {
        f.CmFcPerp = 1.0f;
    }
    if ((dimension || in.BreadthClass == "6x") && in.incised) {
        const IncisingRow& row = in.nds1997 ? IncisingFactors.nds1997 : IncisingFactors.later;
        f.CiFb = num::toSingle(row.Fb);
        f.CiE = num::toSingle(row.E);
        f.CiFv = num::toSingle(row.Fv);
    }
    return f;
}

} // namespace wood
