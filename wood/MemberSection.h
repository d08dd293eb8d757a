// Load positions, section, self weight, reactions and moments of the tested wood member.
#pragma once

#include "beam/BeamCriteria.h"
#include "beam/BeamState.h"

namespace wood
{

// The overhang length: the farthest of the overhang loads F, G (point) and K, L (partial ends), 0
// without the overhang option.
float overhangLength(const beam::BeamCriteria& criteria);

// Writes PointLoadDist, PartialLoadBegin/End(3..4), OHLength, UnifLL, UnifTL, SpanLength, the section
// (SectionModulus, ShearArea, MomentOfInertia), SelfWeight, BeamWeight, R1TL, R2TL, MaxMoment, OHMoment
// and TotalBeamLoad from BeamBreadth and BeamDepth and the loads of the latest "OK Calculate".
void memberSectionAndLoads(const beam::BeamCriteria& criteria, bool round, beam::BeamState& state);

} // namespace wood
