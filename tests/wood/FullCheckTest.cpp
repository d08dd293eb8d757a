// The full check by which the quick-pick walks judge a tested depth, comparison by comparison: each
// deflection by its absolute value, equality passing, and shear at Fv' or twice Fv'.
#include "beam/BeamState.h"
#include "wood/DepthWalk.h"

#include <gtest/gtest.h>

namespace
{

TEST(FullCheck, EachComparisonWithEqualityPassing)
{
    beam::BeamState beam;
    beam.member.SectionModulus = 20;
    beam.shear.SectionModulusReq = 20;
    beam.member.FvAdj = 100;
    beam.shear.ShearStress = 100;
    beam.deflection.TLDefl = 0.8f;
    beam.deflection.TLDeflAllow = 0.8f;
    EXPECT_TRUE(wood::PassesFullCheck(beam, wood::ShearRule::AtFvAdj));

    beam::BeamState sagging = beam;
    sagging.deflection.TLDefl = -0.9f; // compared by its absolute value
    EXPECT_FALSE(wood::PassesFullCheck(sagging, wood::ShearRule::AtFvAdj));
    beam::BeamState overhang = beam;
    overhang.deflection.OHLLDefl = 0.3f;
    overhang.deflection.OHLLDeflAllow = 0.2f;
    EXPECT_FALSE(wood::PassesFullCheck(overhang, wood::ShearRule::AtFvAdj));
    beam::BeamState weak = beam;
    weak.shear.SectionModulusReq = 20.5f;
    EXPECT_FALSE(wood::PassesFullCheck(weak, wood::ShearRule::AtFvAdj));
}

TEST(FullCheck, TwiceFvAdjOnlyUnderItsRule)
{
    beam::BeamState beam;
    beam.member.FvAdj = 100;
    beam.shear.ShearStress = 150;
    EXPECT_FALSE(wood::PassesFullCheck(beam, wood::ShearRule::AtFvAdj));
    EXPECT_TRUE(wood::PassesFullCheck(beam, wood::ShearRule::AtTwiceFvAdj));
    beam.shear.ShearStress = 210;
    EXPECT_FALSE(wood::PassesFullCheck(beam, wood::ShearRule::AtTwiceFvAdj));
}

} // namespace
