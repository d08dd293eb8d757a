// The notched-member shear formulas.
#include "notch/NotchFormulas.h"

#include "platform/core/Number.h"
#include "platform/core/RuntimeError.h"

#include <cmath>

namespace notch
{

namespace num = platform::num;

double adjustedFv(double fvPsi, double cm, double ch, double cd, bool gluLam)
{
    const double fv = fvPsi * cm * ch * cd;
    return num::finite(gluLam ? fv * GluLamNotchCvr : fv);
}

double tensionNotchVr(double fvAdjPsi, double dIn, double dnIn, double anSqIn)
{
    const double ratio = num::div(dnIn, dIn);
    return num::finite(ratio * ratio * (fvAdjPsi * TwoThirds * anSqIn));
}

double compressionNotchVr(double fvAdjPsi, double bIn, double dIn, double dnIn, double eIn)
{
    const double effectiveDepth = dIn - num::div(eIn * (dIn - dnIn), dnIn);
    return num::finite(effectiveDepth * (fvAdjPsi * TwoThirds * bIn));
}

double shearStress(double vLb, double anSqIn)
{
    return num::finite(num::div(3 * vLb, 2 * anSqIn));
}

double taperedNotchVr(double fvAdjPsi, double anSqIn)
{
    return num::finite(fvAdjPsi * TwoThirds * anSqIn);
}

MinimumDn minimumDn(MemberType member, NotchType notch, double dIn, bool editionChosen)
{
    constexpr std::string_view ThreeQuarters = "3/4d = Minimum dn = ";
    if (member != MemberType::GluLam) {
        return {0.75 * dIn, ThreeQuarters};
    }
    switch (notch) {
    case NotchType::Tension:
        // Deep glu-lam members may lose at most 3 in. (d over 30 in.).
        if (editionChosen && 0.9 * dIn < dIn - 3) {
            return {dIn - 3, "d-3in. = Minimum dn = "};
        }
        return {0.9 * dIn, "9/10d = Minimum dn = "};
    case NotchType::Compression:
        return {0.6 * dIn, "3/5d = Minimum dn = "};
    case NotchType::Tapered:
        // A third of the depth, rounded up so that a remaining third just passes.
        return {0.334 * dIn, "1/3d = Minimum dn = "};
    }
    return {0.75 * dIn, ThreeQuarters};
}

double logNetArea(double dIn, double dnIn)
{
    // At or below half the diameter the segment is no longer the smaller part of the circle.
    if (!(dnIn > dIn / 2)) {
        platform::raise(platform::err::InvalidCall);
    }
    const double r = dIn / 2;
    const double h = dIn - dnIn; // depth of the cut
    const double halfChord = num::sqrtChecked(h * (2 * r - h));
    const double thetaDeg = 2 * std::atan(num::div(halfChord, r - h)) * 180 / NotchPi;
    const double sector = thetaDeg / 360 * NotchPi * r * r;
    const double triangle = halfChord * (r - h);
    const double segment = sector - triangle;
    const double circle = 0.7854 * dIn * dIn; // pi / 4 as the four-place constant of the hand method
    return num::finite(circle - segment);
}

double pitchAngleFromRise(double risePer12)
{
    return std::atan(risePer12 / 12) * (180 / NotchPi);
}

double riseFromPitchAngle(double degrees)
{
    return num::finite(std::tan((NotchPi / 180) * degrees) * 12);
}

double rafterSeatDn(double tIn, double rdIn, double risePer12)
{
    const double theta = std::atan(risePer12 / 12);
    return num::finite(tIn * std::tan(theta) + num::div(rdIn, std::cos(theta)));
}

double rafterSeatE(double dIn, double dnIn, double risePer12)
{
    const double theta = std::atan(risePer12 / 12);
    return num::finite(num::div(dIn - dnIn, std::tan(theta)));
}

} // namespace notch
