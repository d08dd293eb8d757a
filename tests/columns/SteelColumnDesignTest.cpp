// Steel pipe and tube columns against the AISC allowable-stress column formulas (E2-1, E2-2) and the
// AISC Manual's column tables and pipe and tube properties.
#include "columns/SteelColumnDesign.h"

#include <cmath>
#include <numbers>
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

// Every row against the section from its published outside size and wall: pipe A = pi (D^2 - d^2) / 4,
// r = sqrt(D^2 + d^2) / 4; square tube (outside corner radius 2t, inside t) A = 4t(b - t) - 3(4 - pi)t^2,
// r from I of the two rounded squares; weight 490 lb/ft^3 x A / 144. The Manual rounds areas to 0.01
// (three figures from 10 in^2 up) and gives pipe weights from the plain-end formula, a few hundredths
// off the density figure.
TEST(SteelColumnDesign, EveryRowMatchesItsSection)
{
    struct Section
    {
        const char* designation;
        double outside; // pipe: OD; tube: side
        double wall;
        const char* grade;
    };
    const char* std = "Standard Wt. Pipe A501 or A53 Grade B";
    const char* xs = "Extra Strong Pipe A501 or A53 Grade B";
    const char* xxs = "Dbl Extra Strong Pipe A501 or A53 Grade B";
    const char* tube = "Structural Tube ASTM A500 Grade B";
    const Section sections[SteelColumnRowCount] = {
        {"3 in. diam.", 3.5, 0.216, std},    {"3-1/2 in. diam.", 4.0, 0.226, std},
        {"4 in. diam.", 4.5, 0.237, std},    {"5 in. diam.", 5.563, 0.258, std},
        {"6 in. diam.", 6.625, 0.280, std},  {"3 in. diam.", 3.5, 0.300, xs},
        {"3-1/2 in. diam.", 4.0, 0.318, xs}, {"4 in. diam.", 4.5, 0.337, xs},
        {"5 in. diam.", 5.563, 0.375, xs},   {"6 in. diam.", 6.625, 0.432, xs},
        {"3 in. diam.", 3.5, 0.600, xxs},    {"4 in. diam.", 4.5, 0.674, xxs},
        {"5 in. diam.", 5.563, 0.750, xxs},  {"6 in. diam.", 6.625, 0.864, xxs},
        {"3 x 3 x 1/4", 3, 0.25, tube},      {"4 x 4 x 1/4", 4, 0.25, tube},
        {"4 x 4 x 3/8", 4, 0.375, tube},     {"4 x 4 x 1/2", 4, 0.5, tube},
        {"5 x 5 x 1/4", 5, 0.25, tube},      {"5 x 5 x 3/8", 5, 0.375, tube},
        {"5 x 5 x 1/2", 5, 0.5, tube},       {"6 x 6 x 1/4", 6, 0.25, tube},
        {"6 x 6 x 3/8", 6, 0.375, tube},     {"6 x 6 x 1/2", 6, 0.5, tube},
        {"8 x 8 x 1/4", 8, 0.25, tube},      {"8 x 8 x 3/8", 8, 0.375, tube},
        {"8 x 8 x 1/2", 8, 0.5, tube},
    };
    constexpr double Pi = std::numbers::pi;
    for (int row = 0; row < SteelColumnRowCount; ++row) {
        const Section& s = sections[row];
        const SteelColumnRow& r = SteelColumnTable[static_cast<std::size_t>(row)];
        SCOPED_TRACE(row);
        EXPECT_EQ(r.designation, s.designation);
        EXPECT_EQ(r.typeAndGrade, s.grade);
        const double b = s.outside;
        const double t = s.wall;
        double area = 0;
        double gyration = 0;
        if (row < FirstTubeRow) {
            const double d = b - 2 * t;
            area = Pi * (b * b - d * d) / 4;
            gyration = std::sqrt(b * b + d * d) / 4;
            EXPECT_DOUBLE_EQ(r.outsideDiameterIn, b);
            EXPECT_TRUE(r.tubeSize.empty());
            EXPECT_NEAR(r.weightPlf, area * 490 / 144, 0.06);
        } else {
            area = 4 * t * (b - t) - 3 * (4 - Pi) * t * t;
            // A rounded square of half-width h and corner radius R: the sharp square's I less the four
            // corner spandrels, each (1 - pi/4) R^2 at R (10 - 3 pi) / (12 - 3 pi) in from the corner.
            auto inertia = [](double h, double radius) {
                const double spandrel = (1 - Pi / 4) * radius * radius;
                const double arm = h - radius * (10 - 3 * Pi) / (12 - 3 * Pi);
                return std::pow(2 * h, 4) / 12 - 4 * spandrel * arm * arm;
            };
            gyration = std::sqrt((inertia(b / 2, 2 * t) - inertia(b / 2 - t, t)) / area);
            EXPECT_EQ(r.tubeSize,
                      std::to_string(static_cast<int>(b)) + " x " + std::to_string(static_cast<int>(b)));
            EXPECT_NEAR(r.weightPlf, area * 490 / 144, 0.01);
        }
        EXPECT_NEAR(r.areaSqIn, area, r.areaSqIn < 10 ? 0.006 : 0.05);
        EXPECT_NEAR(r.radiusOfGyrationIn, gyration, 0.006);
        // Pipes are A501 at 36 ksi with Cc 126.1, tubes A500 Grade B at 46 ksi with Cc 111.5 (sqrt(2 pi^2 E
        // / Fy) = 126.10 and 111.55; the tube constant is kept at 111.5).
        const auto grade = steelColumnGrade(row);
        EXPECT_FLOAT_EQ(grade.fyKsi, row < FirstTubeRow ? 36.0f : 46.0f);
        EXPECT_FLOAT_EQ(grade.cc, row < FirstTubeRow ? 126.1f : 111.5f);
    }
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
