// The design shear of a beam size at its supports, and the shear reduced by the loads that lie within
// one member depth of a support, which reach the support directly.
#pragma once

#include "beam/BeamCriteria.h"
#include "beam/BeamState.h"

namespace beam
{

// What the shear of one size depends on besides the criteria boxes.
struct ShearMember
{
    double R1 = 0;           // reactions with self weight, lb
    double R2 = 0;           // (the interior support of two spans)
    double selfWeight = 0;   // plf
    float depthFt = 0;       // member depth in feet
    double spanLength = 0;   // ft; backspan of an overhanging beam
    double overhangLoad = 0; // everything on the overhang, self weight included, lb
    double IncTLTotal = 0;   // increasing load of a hip or valley, lb
};

enum class ShearFault
{
    None,
    NoGreatestShear,   // the three overhanging-beam shears do not compare
    NoGreatestReduced, // the three reduced overhanging-beam shears do not compare
};

struct DesignShear
{
    double V = 0;
    double VReduced = 0; // no lower limit: loads beyond the reaction give a negative value
    ShearFault fault = ShearFault::None;
};

// The loads on the overhang (F, G and K, L over their loaded lengths) plus the self weight w over the
// overhang a; the uniform load A stops at R2.
double overhangLoadTotal(const BeamCriteria& criteria, const MemberUnderTest& member, double w, double a);

// Load removed near a support (lb). Under NDS 1997 a point load within d comes off whole; the later
// editions take off the part P (d - x) / d that goes straight into the support.
float pointLoadNearR1(double load, double x, float d, bool nds1997);
float pointLoadNearR2(double load, double x, double span, float d, bool nds1997);
// The loaded length of a partial load from b to e that lies within d of R1 (or of R2, measured from R1).
float partialLengthNearR1(double b, double e, float d);
float partialLengthNearR2(double b, double e, double span, float d);

// V and V' of the load case.
DesignShear designShear(const BeamCriteria& criteria, const ShearMember& member);

} // namespace beam
