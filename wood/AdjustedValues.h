// The adjusted design values of the tested wood member: Fv', E', Fc-perp', the glu-lam volume factor,
// Fb* for the stability factor, the zero-value check and Fb'.
#pragma once

#include "beam/BeamCriteria.h"
#include "beam/BeamState.h"

namespace wood
{

// The loading condition factor KL of a glu-lam: 1.09 for point loads at midspan and 0.96 for two equal
// loads near the third points under NDS 1997 alone, else 1.0.
double loadingConditionFactor(const beam::BeamCriteria& criteria, const beam::BeamState& state);

// (21 / Leff)^(1/x) (12 / d)^(1/x) (5.125 / b)^(1/x) KL, not limited to 1.
float volumeFactor(double Leff, double d, double b, double x, double KL);

// Writes FvAdj, EAdj, FcPerpAdj, CV, CVGoverns, FbStar and, for a glu-lam with a next smaller depth,
// CFSmaller.
void adjustDesignValues(const beam::BeamCriteria& criteria, bool southernPineGluLam, beam::BeamState& state);

// Stability is not computed on continuous beams, fully braced beams and square members.
bool stabilitySkipped(const beam::BeamCriteria& criteria, const beam::MemberUnderTest& member);
void setNeutralStability(beam::StabilityResults& stability);

// A factor product of zero: the test cannot go on.
bool zeroFactorProduct(const beam::MemberUnderTest& member, const beam::StabilityResults& stability);

// Fb': glu-lam takes the lesser of CL and CV, every other member CF and CL (and its form factor).
float adjustedBendingValue(const beam::MemberUnderTest& member, const beam::StabilityResults& stability);

} // namespace wood
