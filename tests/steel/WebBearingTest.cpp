// Web yielding and crippling bearing lengths (AISC ASD, 9th edition, Chapter K, solved for N with
// 0.66 Fy folded into the constants), at ends and at interior points, with the k floor, for a rolled
// shape, a tube taken wall by wall, and the wood bearing areas of flitch plates.
#include "steel/WebBearing.h"

#include "platform/core/RuntimeError.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{

// W 12x 30 at 36 ksi: d 12.34, tw 0.26, tf 0.44, k 0.9375.
const steel::WebSection W12x30{12.34, 0.26, 0.44, 0.9375};

double endCrippling(double R, const steel::WebSection& s)
{
    // C1 = 204 tw^1.5 tf^0.5, D1 = 612 tw^3 / (tf d)
    return (R - 204 * std::pow(s.tw, 1.5) * std::sqrt(s.tf)) / (612 * std::pow(s.tw, 3) / (s.tf * s.d));
}

TEST(WebBearing, RolledShapeEndAndInterior)
{
    // End, 20 kips: yielding (20 - 59.4 x 0.9375 x 0.26) / (23.76 x 0.26) = 0.8937 in.; crippling
    // (20 - 17.940) / 1.9811 = 1.040 in. governs, above k.
    const double endN = steel::requiredBearingLength(20, W12x30, true, false, false);
    EXPECT_NEAR(endN, 1.040, 0.001);
    EXPECT_NEAR(endN, endCrippling(20, W12x30), 1e-9);
    // End, 40 kips: yielding (40 - 14.479) / 6.1776 = 4.131 in.; crippling (40 - 17.940) / 1.9811 = 11.135
    EXPECT_NEAR(steel::requiredBearingLength(40, W12x30, true, false, false), 11.135, 0.001);
    // Interior, 40 kips: yielding (40 - 118.8 x 0.9375 x 0.26) / 6.1776 = 1.787; crippling
    // (40 - 405 x 0.13258 x 0.66332) / (1215 x 0.017576 / 5.4296) = (40 - 35.617) / 3.9331 = 1.114.
    EXPECT_NEAR(steel::requiredBearingLength(40, W12x30, false, false, false), 1.787, 0.001);
    // A small reaction needs no more than k.
    EXPECT_EQ(steel::requiredBearingLength(2, W12x30, true, false, false), 0.9375);
    // 50 ksi: end crippling with 240 and 721: (40 - 240 x 0.13258 x 0.66332) / (721 x 0.017576 / 5.4296)
    // = (40 - 21.106) / 2.3339 = 8.095; yielding (40 - 82.5 x 0.24375) / 8.58 = 2.318.
    EXPECT_NEAR(steel::requiredBearingLength(40, W12x30, true, true, false), 8.095, 0.001);
}

// T 8x 6x 1/4: t 0.25, both walls 0.5, k 0.5. Each wall takes half the force with tw = tf = t:
// C1 = 204 x 0.25^1.5 x 0.25^0.5 = 12.75, D1 = 612 x 0.25^3 / (0.25 x 8) = 4.78125; at 100 kips
// NC = (50 - 12.75) / 4.78125 = 7.791 in. above yielding (100 - 59.4 x 0.5 x 0.5) / (23.76 x 0.5) = 7.167.
// Both walls taken as one web (tw 0.5, tf 0.25) would give crippling 1.67 in. and so 7.167 in.
TEST(WebBearing, TubeCripplesWallByWall)
{
    const steel::WebSection tube{8, 0.5, 0.25, 0.5};
    EXPECT_NEAR(steel::requiredBearingLength(100, tube, true, false, true), 7.7908, 0.0001);
    // Interior, 36 ksi: C2 = 405 x 0.0625 = 25.3125, D2 = 1215 x 0.015625 / 2 = 9.4922; at 200 kips
    // NC = (100 - 25.3125) / 9.4922 = 7.868; yielding (200 - 118.8 x 0.25) / 11.88 = 14.33 governs.
    EXPECT_NEAR(steel::requiredBearingLength(200, tube, false, false, true), (200 - 29.7) / 11.88, 1e-6);
}

beam::BeamCriteria pointLoads(std::initializer_list<std::pair<const char*, const char*>> loads)
{
    beam::BeamCriteria c;
    int j = 0;
    for (const auto& [p, x] : loads) {
        c.PT[j] = p;
        c.DIS[j] = x;
        ++j;
    }
    return c;
}

steel::SteelState stateWithW12x30()
{
    steel::SteelState s;
    steel::LoadWShapeTable1(s.SteelTable);
    s.StlFirstRow = 0;
    s.StlLastRow = 153;
    return s;
}

// Span 20 ft, d / 2 = 6.17 in.: a load at 0.5 ft (6 in.) is within half the depth of R1 and takes the
// end terms; at 0.52 ft (6.24 in.) the interior terms; an empty box gives 0.
TEST(WebBearing, PointLoadsOnTheSpan)
{
    beam::BeamCriteria c = pointLoads({{"40000", "0.5"}, {"40000", "0.52"}, {"", "3"}, {"40000", "19.5"}});
    const steel::SteelState s = stateWithW12x30();
    steel::WebBearingResults out;
    out.BearingLengthPT[2] = 9;
    steel::computeWebBearing(c, s, "W 12x 30", 20000, 20000, 20, 0, out);
    EXPECT_NEAR(out.BearingLengthR1, 1.040, 0.001);
    EXPECT_NEAR(out.BearingLengthR2, 1.040, 0.001); // a simple span's R2 is an end
    EXPECT_NEAR(out.BearingLengthPT[0], 11.135, 0.001);
    EXPECT_NEAR(out.BearingLengthPT[1], 1.787, 0.001);
    EXPECT_EQ(out.BearingLengthPT[2], 0);
    EXPECT_NEAR(out.BearingLengthPT[3], 11.135, 0.001);
}

// Overhanging beam: R2 is interior; overhang loads measured from R2 are ends only within d / 2 of the
// free end (overhang 4 ft = 48 in., so beyond 41.83 in.).
TEST(WebBearing, OverhangLoadsAndInteriorSupport)
{
    beam::BeamCriteria c =
        pointLoads({{"", ""}, {"", ""}, {"", ""}, {"", ""}, {"40000", "1"}, {"40000", "3.6"}});
    c.OHbutton = true;
    const steel::SteelState s = stateWithW12x30();
    steel::WebBearingResults out;
    steel::computeWebBearing(c, s, "W 12x 30", 2000, 40000, 16, 4, out);
    EXPECT_EQ(out.BearingLengthR1, 0.9375f);
    EXPECT_NEAR(out.BearingLengthR2, 1.787, 0.001);
    EXPECT_NEAR(out.BearingLengthPT[4], 1.787, 0.001);
    EXPECT_NEAR(out.BearingLengthPT[5], 11.135, 0.001);
}

// Flitch plates: wood bearing area at 405 psi; the point-load lengths keep their values.
TEST(WebBearing, FlitchPlatesGetWoodBearingAreas)
{
    beam::BeamCriteria c = pointLoads({{"5000", "4"}});
    c.PLbutton = true;
    steel::SteelState s;
    steel::WebBearingResults out;
    out.BearingLengthPT[0] = 3.5f;
    steel::computeWebBearing(c, s, "PL 9x 1/2", 8100, 4050, 10, 0, out);
    EXPECT_EQ(out.BearingLengthR1, 20);
    EXPECT_EQ(out.BearingLengthR2, 10);
    EXPECT_EQ(out.BearingLengthPT[0], 3.5f);
}

// No row named: the section values are 0 and the crippling term divides 0 by 0.
TEST(WebBearing, UnknownSizeIsARunTimeError)
{
    const steel::SteelState s = stateWithW12x30();
    steel::WebBearingResults out;
    EXPECT_THROW(steel::computeWebBearing(beam::BeamCriteria{}, s, "W 12x 31", 1000, 1000, 10, 0, out),
                 platform::RuntimeError);
}

} // namespace
