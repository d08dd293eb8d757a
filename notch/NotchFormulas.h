// The notched-member shear formulas (NDS 3.4.3.2) and the geometry the notch check needs: adjusted Fv,
// the three notch capacities, the minimum remaining depth, a log's net area and the rafter seat cut.
// Plain numbers in and out; a division by zero or an overflow raises the runtime's error.
#pragma once

#include <string_view>

namespace notch
{

enum class MemberType
{
    SawnRectangular = 0,
    SawnRound = 1,
    GluLam = 2
};

enum class NotchType
{
    Tension = 0,
    Compression = 1,
    Tapered = 2
};

// The pi of the trigonometry, as a decimal constant, so that angles print the same everywhere.
constexpr double NotchPi = 3.14159265358979;
// The 2/3 of the notch equations, written as a decimal.
constexpr double TwoThirds = 0.666667;
// Glued laminated timber's shear value at notches is reduced by Cvr = 0.72 (NDS 2005 and later).
constexpr double GluLamNotchCvr = 0.72;

// Fv' = Fv x Cm x Ch x Cd, times Cvr for glu-lam.
double adjustedFv(double fvPsi, double cm, double ch, double cd, bool gluLam);

// Tension-side notch: Vr' = (dn / d)^2 x Fv' x 2/3 x An.
double tensionNotchVr(double fvAdjPsi, double dIn, double dnIn, double anSqIn);

// Compression-side notch with e <= dn: Vr' = [d - e (d - dn) / dn] x Fv' x 2/3 x b.
double compressionNotchVr(double fvAdjPsi, double bIn, double dIn, double dnIn, double eIn);

// A member checked at its net depth: fv = 3 V / (2 An).
double shearStress(double vLb, double anSqIn);

// Tapered end cut: Vr' = Fv' x 2/3 x An.
double taperedNotchVr(double fvAdjPsi, double anSqIn);

// The minimum remaining depth for a member and notch type, with its caption prefix.
struct MinimumDn
{
    double dnIn = 0;
    std::string_view prefix;
};
MinimumDn minimumDn(MemberType member, NotchType notch, double dIn, bool editionChosen);

// Net area of a round member of diameter d whose notch leaves dn: the circle less the cut segment.
// Needs dn > d / 2.
double logNetArea(double dIn, double dnIn);

// The rafter seat cut: pitch conversions, then dn at the wall line and the notch length e.
double pitchAngleFromRise(double risePer12);
double riseFromPitchAngle(double degrees);
double rafterSeatDn(double tIn, double rdIn, double risePer12);
double rafterSeatE(double dIn, double dnIn, double risePer12);

} // namespace notch
