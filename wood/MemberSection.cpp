// The member's share of the beam analysis: what depends on the tested size. Reactions and the
// overhanging beam's span moment use the same self weight rules as the next-smaller-size check, so that
// the tested size and its smaller neighbour are judged alike.
#include "wood/MemberSection.h"

#include "beam/OverhangSelfWeight.h"
#include "beam/TReac.h"
#include "platform/core/Number.h"

#include <algorithm>

namespace wood
{

namespace num = platform::num;
using beam::boxValue;

float overhangLength(const beam::BeamCriteria& c)
{
    if (!c.OHbutton) {
        return 0;
    }
    const float f = num::toSingle(boxValue(c.DIS[4]));
    const float g = num::toSingle(boxValue(c.DIS[5]));
    const float k = num::toSingle(boxValue(c.ENDP[3]));
    const float l = num::toSingle(boxValue(c.ENDP[4]));
    return std::max({f, g, k, l});
}

void memberSectionAndLoads(const beam::BeamCriteria& c, bool round, beam::BeamState& state)
{
    beam::MemberUnderTest& m = state.member;
    const beam::AppliedLoads& loads = state.loads;

    for (int i = 0; i < beam::PointLoadCount; ++i) {
        m.PointLoadDist[static_cast<std::size_t>(i)] =
            num::toSingle(boxValue(c.DIS[static_cast<std::size_t>(i)]));
    }
    // The overhang partial loads are measured from R2; the shear of the overhang needs both ends.
    for (std::size_t i = 3; i <= 4; ++i) {
        m.PartialLoadBegin[i] = num::toSingle(boxValue(c.BEGP[i]));
        m.PartialLoadEnd[i] = num::toSingle(boxValue(c.ENDP[i]));
    }
    m.OHLength = overhangLength(c);
    m.UnifLL = num::toSingle(boxValue(c.LUNIF));
    m.UnifTL = num::toSingle(boxValue(c.UNIF));
    m.SpanLength = num::toSingle(boxValue(c.Span));

    const double b = m.BeamBreadth;
    const double d = m.BeamDepth;
    if (round) {
        m.SectionModulus = num::toSingle(0.0981746 * b * b * b);
        m.ShearArea = num::toSingle(0.7854 * b * b);
        m.MomentOfInertia = num::toSingle(0.0490873 * b * b * b * b);
    } else {
        m.SectionModulus = num::toSingle(b * d * d / 6);
        m.ShearArea = num::toSingle(b * d);
        m.MomentOfInertia = num::toSingle(d * d * d * b / 12);
    }

    const double area = round ? b * d * 0.7854 : b * d;
    m.SelfWeight =
        state.flags.NoSelfWeight ? 0.0f : num::toSingle(area * loads.SelfWeightFactor * loads.SlopeFactor);
    const double w = m.SelfWeight;
    const double L = m.SpanLength;
    const double a = m.OHLength;
    m.BeamWeight = num::toSingle((L + a) * w);

    m.R1TL = num::toSingle(beam::r1WithSelfWeight(c, loads, w, L, a));
    m.R2TL = num::toSingle(beam::r2WithSelfWeight(c, loads, w, L, a));

    if (c.OHbutton) {
        m.MaxMoment = num::toSingle(beam::overhangMomentWithSelfWeight(loads, w, L, a));
    } else if (c.continuousTwoSpans()) {
        m.MaxMoment = num::toSingle(L * L * w * 0.125 + loads.MomentLoads);
    } else if (c.continuousThreeSpans()) {
        m.MaxMoment = num::toSingle(L * L * w * 0.1 + loads.MomentLoads);
    } else {
        m.MaxMoment = num::toSingle(w * L * L / 8 + loads.MomentLoads);
    }
    m.OHMoment = num::toSingle(w * a * (a / 2) + loads.OHMomentLoads);
    m.TotalBeamLoad = num::toSingle(double{loads.TotalAppliedLoad} + m.BeamWeight);
}

} // namespace wood
