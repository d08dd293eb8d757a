// Steel pipe and tube columns against the AISC allowable-stress column formulas (E2-1, E2-2) and the
// AISC Manual's column tables and pipe and tube properties.
#include "columns/SteelColumnDesign.h"

#include <cmath>
#include <gtest/gtest.h>

namespace
{

using namespace columns;

TEST(SteelColumnDesign, AllowableStressAgainstTheAiscTables)
{
    // AISC Table C-36 (Fy 36): Kl/r 0 gives 21.60, 100 gives 12.98, 200 gives 3.73 ksi; Fy 46 at 0 gives
    // 27.60. At Kl/r = Cc = 126.1 the inelastic formula gives 0.5 x 36 / 1.9167 = 9.391 ksi, and the
    // Euler formula 12 pi^2 E / 23 (Kl/r)^2 just above it the same within rounding.
    EXPECT_NEAR(SteelColumnFa(0, 36, 126.1f), 21.60, 0.005);
    EXPECT_NEAR(SteelColumnFa(0, 46, 111.5f), 27.60, 0.005);
    EXPECT_NEAR(SteelColumnFa(100, 36, 126.1f), 12.98, 0.01);
    EXPECT_NEAR(SteelColumnFa(200, 36, 126.1f), 3.73, 0.005);
    EXPECT_NEAR(SteelColumnFa(126.1f, 36, 126.1f), 9.391, 0.001);
    EXPECT_NEAR(SteelColumnFa(std::nextafter(126.1f, 200.0f), 36, 126.1f), 9.391, 0.001);
}

TEST(SteelColumnDesign, PipeAndTubePropertiesOfTheManual)
{
    // AISC Manual: 4 in. standard pipe A 3.17, r 1.51, 10.79 lb/ft; 4 x 4 x 1/4 tube A 3.59, r 1.51.
    const auto& pipe = SteelColumnTable[2];
    EXPECT_EQ(pipe.designation, "4 in. diam.");
    EXPECT_DOUBLE_EQ(pipe.areaSqIn, 3.17);
    EXPECT_DOUBLE_EQ(pipe.radiusOfGyrationIn, 1.51);
    EXPECT_DOUBLE_EQ(pipe.outsideDiameterIn, 4.5);
    const auto& tube = SteelColumnTable[15];
    EXPECT_EQ(tube.designation, "4 x 4 x 1/4");
    EXPECT_DOUBLE_EQ(tube.areaSqIn, 3.59);
    EXPECT_EQ(tube.tubeSize, "4 x 4");
    // A pipe's area is pi (D^2 - d^2) / 4 of its published wall: 4 in. standard, t 0.237 in.
    const double inner = 4.5 - 2 * 0.237;
    EXPECT_NEAR(3.14159265 * (4.5 * 4.5 - inner * inner) / 4, pipe.areaSqIn, 0.01);
}

TEST(SteelColumnDesign, WorkedExampleProposalsAndReport)
{
    // 50,000 lb, 12 ft, K 1.0. The 4 in. standard pipe: Kl/r 144 / 1.51 = 95.36, Fa 13.556, required
    // 3.688 > 3.17; the 3 x 3 x 1/4 tube: Kl/r 130.91 > Cc 111.5, Fa 8.714, required 5.738 > 2.59.
    const auto p = proposeSteelColumns(50000, 144, 1.0f);
    EXPECT_EQ(p.standard, "5 in. diam.");
    EXPECT_EQ(p.extraStrong, "4 in. diam.");
    EXPECT_EQ(p.doubleExtraStrong, "4 in. diam.");
    EXPECT_EQ(p.tubes[0], "4 x 4 x 1/4");
    EXPECT_EQ(p.tubes[1], "4 x 4 x 3/8");
    EXPECT_EQ(p.tubes[2], "4 x 4 x 1/2");
    EXPECT_FALSE(p.noneWork());

    const auto pipe = reportSteelColumn(2, 50000, 144, 1.0f);
    EXPECT_NEAR(pipe.StlColKLr, 95.364, 0.001);
    EXPECT_NEAR(pipe.StlColFa, 13.556, 0.001);
    EXPECT_NEAR(pipe.requiredAreaSqIn, 3.688, 0.001);
    EXPECT_FALSE(pipe.strengthOK);
    const auto small = reportSteelColumn(14, 50000, 144, 1.0f);
    EXPECT_NEAR(small.StlColKLr, 130.91, 0.01);
    EXPECT_NEAR(small.StlColFa, 8.714, 0.001);

    // The 4 x 4 x 1/4 tube: Fy 46, Cc 111.5, Fa 15.28 ksi, fc 50 / 3.59 = 13.93 ksi, required 3.27.
    const auto tube = reportSteelColumn(
        findSteelColumnRow("4 x 4 x 1/4", "Structural Tube ASTM A500 Grade B"), 50000, 144, 1.0f);
    EXPECT_FLOAT_EQ(tube.StlColFy, 46.0f);
    EXPECT_FLOAT_EQ(tube.StlColCc, 111.5f);
    EXPECT_NEAR(tube.StlColFa, 15.281, 0.001);
    EXPECT_NEAR(tube.actualStressKsi, 13.928, 0.001);
    EXPECT_NEAR(tube.requiredAreaSqIn, 3.272, 0.001);
    EXPECT_TRUE(tube.strengthOK);
    EXPECT_TRUE(tube.slendernessOK);
}

TEST(SteelColumnDesign, SearchEdges)
{
    // No load: each family offers its first row within Kl/r 200.
    const auto none = proposeSteelColumns(0, 144, 1.0f);
    EXPECT_EQ(none.standard, "3 in. diam.");
    EXPECT_EQ(none.tubes[0], "3 x 3 x 1/4");
    // 30 ft with K 2.1: Kl/r of the stoutest row 756 / 3.03 = 249.5 > 200, nothing is offered.
    EXPECT_TRUE(proposeSteelColumns(5000, 360, 2.1f).noneWork());
    // A typed size matches only within its grade.
    EXPECT_EQ(findSteelColumnRow("3-1/2 in. diam.", "Dbl Extra Strong Pipe A501 or A53 Grade B"), -1);
    EXPECT_EQ(findSteelColumnRow("3 in. diam.", "Extra Strong Pipe A501 or A53 Grade B"), 5);
    EXPECT_TRUE(steelColumnDesignationExists("8 x 8 x 1/2"));
    EXPECT_FALSE(steelColumnDesignationExists("8x8x1/2"));
    // Kl/r exactly 200 is still OK in the report.
    const auto atLimit = reportSteelColumn(0, 1000, 232, 1.0f); // 232 / 1.16 = 200
    EXPECT_FLOAT_EQ(atLimit.StlColKLr, 200.0f);
    EXPECT_TRUE(atLimit.slendernessOK);
}

TEST(SteelColumnDesign, ReportPassesEqualAreaThatTheSearchDoesNot)
{
    // Load that makes the required area of the 3 in. standard pipe (K L 0: Fa 21.6) its area 2.23:
    // P = 2.23 x 21.6 x 1000 = 48,168 lb. The report says OK, the search wants strictly more.
    const float load = static_cast<float>(2.23f * 21.6f * 1000.0);
    const auto report = reportSteelColumn(0, load, 0, 1.0f);
    if (report.requiredAreaSqIn == report.StlColArea) {
        EXPECT_TRUE(report.strengthOK);
        EXPECT_NE(proposeSteelColumns(load, 0, 1.0f).standard, "3 in. diam.");
    }
}

} // namespace
