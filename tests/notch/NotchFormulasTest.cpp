// The notched-member formulas and reference tables against hand derivations from NDS 3.4.3.2 and the NDS
// Supplement tables.
#include "notch/NotchFormulas.h"

#include "notch/NotchTables.h"
#include "platform/core/RuntimeError.h"

#include <gtest/gtest.h>

namespace
{

using namespace notch;

TEST(NotchFormulas, NotchCapacitiesMatchTheNdsEquations)
{
    // Sawn 3.5 x 11.25 Douglas Fir-Larch (Fv 180), dn 9.5: An = 3.5 x 9.5 = 33.25.
    // Tension: (9.5 / 11.25)^2 x 180 x 0.666667 x 33.25 = 0.7130864 x 3990.0020 = 2845.216.
    EXPECT_NEAR(tensionNotchVr(180, 11.25, 9.5, 33.25), 2845.216, 1e-3);
    // Compression, e = 4 <= dn: [11.25 - 4 x 1.75 / 9.5] x 180 x 0.666667 x 3.5 = 10.513158 x 420.0002 =
    // 4415.529.
    EXPECT_NEAR(compressionNotchVr(180, 3.5, 11.25, 9.5, 4), 4415.529, 1e-3);
    // e = dn: the bracket is d - (d - dn) = dn, so Vr' = 9.5 x 420.0002.
    EXPECT_NEAR(compressionNotchVr(180, 3.5, 11.25, 9.5, 9.5), 9.5 * 180 * 0.666667 * 3.5, 1e-9);
    // e > dn: fv = 3 V / (2 An) = 4500 / 66.5 = 67.669.
    EXPECT_NEAR(shearStress(1500, 33.25), 67.66917, 1e-5);
    // Tapered: Fv' x 0.666667 x An, glu-lam 240 x 0.72 = 172.8 psi on 5.125 x 10: 172.8 x 0.666667 x 51.25.
    EXPECT_NEAR(taperedNotchVr(adjustedFv(240, 1, 1, 1, true), 51.25), 5904.003, 1e-3);
}

TEST(NotchFormulas, AdjustedFvAppliesCvrToGluLamOnly)
{
    // Fv' = Fv Cm Ch Cd (x 0.72 for glu-lam): 240 x 0.875 x 1 x 1.15 = 241.5; x 0.72 = 173.88.
    EXPECT_NEAR(adjustedFv(240, 0.875, 1, 1.15, false), 241.5, 1e-9);
    EXPECT_NEAR(adjustedFv(240, 0.875, 1, 1.15, true), 173.88, 1e-9);
}

TEST(NotchFormulas, ZeroDepthRaisesInsteadOfAResult)
{
    EXPECT_THROW(tensionNotchVr(180, 0, 9.5, 33.25), platform::RuntimeError);
    EXPECT_THROW(compressionNotchVr(180, 3.5, 11.25, 0, 4), platform::RuntimeError);
    EXPECT_THROW(shearStress(1500, 0), platform::RuntimeError);
}

TEST(NotchFormulas, MinimumRemainingDepthTable)
{
    struct Case
    {
        MemberType member;
        NotchType notch;
        double d;
        bool edition;
        double minDn;
        std::string_view prefix;
    };
    const Case cases[] = {
        {MemberType::SawnRectangular, NotchType::Tension, 11.25, true, 8.4375, "3/4d = Minimum dn = "},
        {MemberType::SawnRound, NotchType::Tension, 10, true, 7.5, "3/4d = Minimum dn = "},
        {MemberType::SawnRectangular, NotchType::Tapered, 10, true, 7.5, "3/4d = Minimum dn = "},
        // 0.9 x 30 = 27 equals 30 - 3: the 9/10d rule stands.
        {MemberType::GluLam, NotchType::Tension, 30, true, 27, "9/10d = Minimum dn = "},
        // 0.9 x 36 = 32.4 < 33: at most 3 in. may be cut.
        {MemberType::GluLam, NotchType::Tension, 36, true, 33, "d-3in. = Minimum dn = "},
        {MemberType::GluLam, NotchType::Tension, 36, false, 32.4, "9/10d = Minimum dn = "},
        {MemberType::GluLam, NotchType::Compression, 10, true, 6, "3/5d = Minimum dn = "},
        {MemberType::GluLam, NotchType::Tapered, 12, true, 4.008, "1/3d = Minimum dn = "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << static_cast<int>(c.member) << "/" << static_cast<int>(c.notch) << " d " << c.d);
        const MinimumDn m = minimumDn(c.member, c.notch, c.d, c.edition);
        EXPECT_NEAR(m.dnIn, c.minDn, 1e-12);
        EXPECT_EQ(m.prefix, c.prefix);
    }
}

TEST(NotchFormulas, LogNetAreaIsTheCircleLessTheSegment)
{
    // d 10, dn 8: R 5, h 2, half chord sqrt(2 x 8) = 4, theta = 2 atan(4 / 3) = 106.26 deg,
    // sector 106.26 / 360 x pi x 25 = 23.1824, triangle 4 x 3 = 12, segment 11.1824, An = 78.54 - 11.1824.
    EXPECT_NEAR(logNetArea(10, 8), 67.3576, 1e-4);
    // No cut: the whole circle by the four-place constant.
    EXPECT_NEAR(logNetArea(10, 10), 78.54, 1e-9);
    EXPECT_THROW(logNetArea(10, 5), platform::RuntimeError);
}

TEST(NotchFormulas, RafterSeatCutTrigonometry)
{
    // Pitch 6 in 12: theta = atan(0.5) = 26.565 deg; dn = 3.5 x 0.5 + 7.25 / 0.894427 = 9.8557;
    // e = (11.25 - 9.855746) / tan(theta) = 1.394254 / 0.5 = 2.788508.
    EXPECT_NEAR(pitchAngleFromRise(6), 26.56505, 1e-5);
    EXPECT_NEAR(riseFromPitchAngle(45), 12, 1e-12);
    EXPECT_NEAR(rafterSeatDn(3.5, 7.25, 6), 9.855746, 1e-6);
    EXPECT_NEAR(rafterSeatE(11.25, 9.855746, 6), 2.788508, 1e-9);
    // A flat rafter has no seat-cut length.
    EXPECT_THROW(rafterSeatE(11.25, 9, 0), platform::RuntimeError);
}

TEST(NotchTables, SawnFvByBreadthClass)
{
    // NDS Supplement Table 4A (dimension lumber) and Table 4D (timbers, 5 in. and thicker).
    struct Case
    {
        int index;
        double breadth;
        int fv;
    };
    const Case cases[] = {{0, 5, 170},    {0, 4.99, 180}, {0, 0, 180},  {3, 3.5, 150}, {6, 5.5, 205},
                          {15, 5.5, 125}, {15, 3.5, 135}, {12, 6, 135}, {9, 1.5, 175}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.index << " at " << c.breadth);
        EXPECT_EQ(notchBaseFv(false, c.index, c.breadth), c.fv);
    }
    EXPECT_EQ(notchSpeciesText(false, 12, 6), "Eastern Spruce");
    EXPECT_EQ(notchSpeciesText(false, 12, 4), "Eastern Softwoods");
    EXPECT_FALSE(notchBaseFv(false, 16, 4).has_value());
}

TEST(NotchTables, GluLamFvBySpeciesGroup)
{
    // NDS Supplement Table 5A: DF/DF combinations 240 psi, SP/SP combinations 270 psi.
    for (int i = 0; i < notchSpeciesCount(true); ++i) {
        const std::string_view text = notchSpeciesText(true, i, 0);
        SCOPED_TRACE(std::string(text));
        EXPECT_EQ(notchBaseFv(true, i, 0), text.ends_with("DF/DF") ? 240 : 270);
    }
    EXPECT_EQ(notchSpeciesText(true, 5, 0), notchSpeciesText(true, 6, 0));
    EXPECT_EQ(notchSpeciesCount(true), 17);
    EXPECT_EQ(notchSpeciesCount(false), 16);
}

} // namespace
