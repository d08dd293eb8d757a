// Design shear by load case, with the loads near the supports taken off for the reduced shear.
#include "beam/ShearNearSupports.h"

#include "platform/core/Number.h"

#include <cmath>

namespace beam
{

namespace num = platform::num;

double overhangLoadTotal(const BeamCriteria& criteria, const MemberUnderTest& member, double w, double a)
{
    return boxValue(criteria.PT[4]) + boxValue(criteria.PT[5]) +
           boxValue(criteria.PAR[3]) * (double{member.PartialLoadEnd[3]} - member.PartialLoadBegin[3]) +
           boxValue(criteria.PAR[4]) * (double{member.PartialLoadEnd[4]} - member.PartialLoadBegin[4]) +
           a * w;
}

float pointLoadNearR1(double load, double x, float d, bool nds1997)
{
    if (x >= d) {
        return 0;
    }
    return num::toSingle(nds1997 ? load : num::div(load * (d - x), d));
}

float pointLoadNearR2(double load, double x, double span, float d, bool nds1997)
{
    const float nearR2 = num::toSingle(span - d);
    if (x <= nearR2) {
        return 0;
    }
    return num::toSingle(nds1997 ? load : num::div(load * (d - (span - x)), d));
}

float partialLengthNearR1(double b, double e, float d)
{
    if (b >= d) {
        return 0;
    }
    return num::toSingle(e > d ? d - b : e - b);
}

float partialLengthNearR2(double b, double e, double span, float d)
{
    const float nearR2 = num::toSingle(span - d);
    if (e <= nearR2) {
        return 0;
    }
    return num::toSingle(b < nearR2 ? e - nearR2 : e - b);
}

namespace
{

enum class Support
{
    R1,
    R2
};

// The loads taken off at one support: point loads first..first+points-1 and partial loads
// firstPartial..firstPartial+partials-1, with distances as the boxes hold them.
double removedLoads(const BeamCriteria& c, const ShearMember& m, Support support, int firstPoint, int points,
                    int firstPartial, int partials)
{
    const bool nds1997 = c.NDS1997 == -1;
    double removed = 0;
    for (int k = firstPoint; k < firstPoint + points; ++k) {
        const double load = boxValue(c.PT[k]);
        const double x = boxValue(c.DIS[k]);
        removed += support == Support::R1 ? pointLoadNearR1(load, x, m.depthFt, nds1997)
                                          : pointLoadNearR2(load, x, m.spanLength, m.depthFt, nds1997);
    }
    for (int k = firstPartial; k < firstPartial + partials; ++k) {
        const double b = boxValue(c.BEGP[k]);
        const double e = boxValue(c.ENDP[k]);
        const double length = support == Support::R1 ? partialLengthNearR1(b, e, m.depthFt)
                                                     : partialLengthNearR2(b, e, m.spanLength, m.depthFt);
        removed += num::toSingle(boxValue(c.PAR[k]) * length);
    }
    return removed;
}

DesignShear hipOrValley(const BeamCriteria& c, const ShearMember& m)
{
    DesignShear shear;
    shear.V = m.R1 >= m.R2 ? m.R1 : m.R2;
    // The increasing load that lies within d of R2, where it is greatest, with the uniform loads there.
    const double W = m.IncTLTotal;
    const double L = m.spanLength;
    const double d = m.depthFt;
    const double w = m.selfWeight + boxValue(c.IncUnifTL);
    const double nearSupport = 2 * W / 3 - std::abs(W / 3 - num::div(W * (L - d) * (L - d), L * L)) + w * d;
    shear.VReduced = shear.V - nearSupport;
    return shear;
}

DesignShear overhanging(const BeamCriteria& c, const ShearMember& m)
{
    DesignShear shear;
    const double r1 = m.R1;
    const double backspanR2 = m.R2 - m.overhangLoad; // R2 less what the overhang carries
    const double overhangR2 = m.overhangLoad;
    if (backspanR2 <= r1 && overhangR2 <= r1) {
        shear.V = r1;
    } else if (backspanR2 >= r1 && overhangR2 <= backspanR2) {
        shear.V = backspanR2;
    } else if (overhangR2 >= r1 && backspanR2 <= overhangR2) {
        shear.V = overhangR2;
    } else {
        shear.fault = ShearFault::NoGreatestShear;
        return shear;
    }
    const double d = m.depthFt;
    const double spanLoad = (m.selfWeight + boxValue(c.UNIF)) * d;
    const double v1 = r1 - (spanLoad + removedLoads(c, m, Support::R1, 0, 4, 0, 3));
    const double v2 = backspanR2 - (spanLoad + removedLoads(c, m, Support::R2, 0, 4, 0, 3));
    // On the overhang side the R1 rules apply, with the overhang distances measured from R2.
    const double v3 = overhangR2 - (m.selfWeight * d + removedLoads(c, m, Support::R1, 4, 2, 3, 2));
    if (v1 >= v2 && v1 >= v3) {
        shear.VReduced = v1;
    } else if (v2 >= v1 && v2 >= v3) {
        shear.VReduced = v2;
    } else if (v3 >= v1 && v3 >= v2) {
        shear.VReduced = v3;
    } else {
        shear.fault = ShearFault::NoGreatestReduced;
    }
    return shear;
}

DesignShear simpleSpan(const BeamCriteria& c, const ShearMember& m)
{
    DesignShear shear;
    shear.V = m.R1 >= m.R2 ? m.R1 : m.R2;
    const double spanLoad = (m.selfWeight + boxValue(c.UNIF)) * m.depthFt;
    const double v1 =
        m.R1 - (spanLoad + removedLoads(c, m, Support::R1, 0, PointLoadCount, 0, PartialLoadCount));
    const double v2 =
        m.R2 - (spanLoad + removedLoads(c, m, Support::R2, 0, PointLoadCount, 0, PartialLoadCount));
    shear.VReduced = v1 >= v2 ? v1 : v2;
    return shear;
}

} // namespace

DesignShear designShear(const BeamCriteria& c, const ShearMember& m)
{
    if (c.IncButton) {
        return hipOrValley(c, m);
    }
    const double spanLoad = (m.selfWeight + boxValue(c.UNIF)) * m.depthFt;
    if (c.continuousTwoSpans()) {
        // Half the interior reaction on each side of the middle support.
        const double V = m.R2 / 2;
        return {V, V - spanLoad, ShearFault::None};
    }
    if (c.continuousThreeSpans()) {
        // 0.6 wL at the first interior support; the span as entered.
        const double span = boxValue(c.Span);
        const double V = 0.6 * (span * boxValue(c.UNIF) + m.selfWeight * span);
        return {V, V - spanLoad, ShearFault::None};
    }
    if (c.OHbutton) {
        return overhanging(c, m);
    }
    return simpleSpan(c, m);
}

} // namespace beam
