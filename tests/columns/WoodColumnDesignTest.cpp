// The wood column check against hand derivations by NDS 3.7-1 (Cp), 15.3 (Kf) and the Supplement's
// Tables 4A and 4D (CF, CM, Ci). Emin of sawn lumber is 0.3653 E (1 - 1.645 x 0.25) x 1.03 / 1.66, and
// FcE = 0.822 Emin' / (le/d)^2 from 2005; before, FcE = KcE E' / (le/d)^2 with KcE 0.3. Cp =
// (1 + q) / 2c - sqrt(((1 + q) / 2c)^2 - q / c) with q = FcE / Fc* and c 0.8.
#include "columns/WoodColumnDesign.h"

#include <gtest/gtest.h>

namespace
{

using namespace columns;

ColumnCriteria criteria(float loadLb, float l1Ft, float l2Ft, float fcPsi, float eMpsi, float cd = 1.0f,
                        float ke = 1.0f)
{
    ColumnCriteria c;
    c.ColP = loadLb;
    c.ColL1 = l1Ft;
    c.ColL2 = l2Ft;
    c.ColFc = fcPsi;
    c.ColE = eMpsi;
    c.ColCd = cd;
    c.ColKe = ke;
    return c;
}

WoodColumnSetup setup(ColumnType type, ColumnValueGroup group, bool emin = true)
{
    WoodColumnSetup s;
    s.type = type;
    s.group = group;
    s.eminRule = emin;
    return s;
}

void expectClose(float actual, double expected, const char* what)
{
    EXPECT_NEAR(actual, expected, std::abs(expected) * 2e-5 + 1e-6) << what;
}

TEST(WoodColumnDesign, PostOfEqualSlendernessUnderNds2018)
{
    // DF-L #1 post and timber 6x6, Fc 1000, E 1.6, 10 ft both ways: le/d = 120 / 5.5 = 21.818,
    // FcE = 0.822 x 584,480 / 476.03 = 1009.26 psi, Cp = 0.694159, Fc' = 694.16 psi; fc = 20,000 / 30.25.
    ColumnFactors f;
    checkPickedWoodColumn(5.5, 5.5, criteria(20000, 10, 10, 1000, 1.6),
                          setup(ColumnType::Solid6x, ColumnValueGroup::PostAndTimber), f);
    expectClose(f.ColFcE2, 1009.263, "FcE");
    expectClose(f.ColCp2, 0.6941594, "Cp");
    expectClose(f.ColFcAdj, 694.1594, "Fc'");
    expectClose(f.ColActualFc, 661.1570, "fc");
    expectClose(f.ColAreaReq, 20000 / 694.1594, "area required");
    EXPECT_EQ(f.ColReportPlane, 2); // a tie of Cp shows the D2 plane
    EXPECT_FLOAT_EQ(f.ColCF2, 1.0f);
}

TEST(WoodColumnDesign, NailedBuiltUpTakesKfInTheD1Plane)
{
    // (3) 2x8 nailed, DF-L #2 Fc 1350 E 1.6, 8 ft: CF of a 7.25 in. width is 1.05 (Table 4A), Fc* 1417.5;
    // D1: le/d 21.333, FcE 1055.66, Cp = 0.6 x 0.582342 = 0.349405; D2: FcE 2740.15, Cp 0.861486.
    ColumnFactors f;
    checkPickedWoodColumn(4.5, 7.25, criteria(10000, 8, 8, 1350, 1.6),
                          setup(ColumnType::Nailed, ColumnValueGroup::DimensionLumber), f);
    expectClose(f.ColFcStar, 1417.5, "Fc*");
    expectClose(f.ColFcE1, 1055.660, "FcE1");
    expectClose(f.ColCp1, 0.3494050, "Cp1");
    expectClose(f.ColFcE2, 2740.154, "FcE2");
    expectClose(f.ColCp2, 0.8614863, "Cp2");
    expectClose(f.ColFcAdj, 495.2816, "Fc'");
    EXPECT_EQ(f.ColReportPlane, 1);
    EXPECT_FLOAT_EQ(f.ColKf, 0.6f);
}

TEST(WoodColumnDesign, BuiltUpFactorByFastenerAndSheathing)
{
    // Same (3) 2x8 with only the D1 plane unbraced (L2 0): Cp1 = Kf x 0.582342.
    struct Case
    {
        ColumnType type;
        bool sheathed;
        double kf;
    };
    const Case cases[] = {{ColumnType::Nailed, false, 0.6},
                          {ColumnType::Bolted, false, 0.75},
                          {ColumnType::Nailed, true, 1.0},
                          {ColumnType::Solid4x, false, 1.0}};
    for (const auto& c : cases) {
        auto s = setup(c.type, ColumnValueGroup::DimensionLumber);
        s.d1FullyBraced = c.sheathed;
        ColumnFactors f;
        checkPickedWoodColumn(4.5, 7.25, criteria(10000, 8, 0, 1350, 1.6), s, f);
        expectClose(f.ColCp1, 0.5823417 * c.kf, "Cp1");
        EXPECT_FLOAT_EQ(f.ColCp2, 1.0f); // braced throughout
    }
}

TEST(WoodColumnDesign, SlenderD1PlaneOfABuiltUpColumnIsNotHidden)
{
    // (2) 2x6 nailed, DF-L #2, L1 6 ft, L2 12 ft: le1/d1 = 24 is below le2/d2 = 26.18, yet with Kf 0.6
    // the D1 plane is the weaker: Fc* 1350 x 1.1 = 1485, Cp1 = 0.6 x cp(FcE 834.10) = 0.285288,
    // Cp2 = cp(FcE 700.88) = 0.413620. Fc' = 1485 x 0.285288 = 423.65 psi, not 614.23.
    ColumnFactors f;
    checkPickedWoodColumn(3.0, 5.5, criteria(5000, 6, 12, 1350, 1.6),
                          setup(ColumnType::Nailed, ColumnValueGroup::DimensionLumber), f);
    expectClose(f.ColCp1, 0.2852879, "Cp1");
    expectClose(f.ColCp2, 0.4136195, "Cp2");
    expectClose(f.ColFcAdj, 423.6525, "Fc'");
    EXPECT_EQ(f.ColReportPlane, 1);
}

TEST(WoodColumnDesign, SizeFactorFollowsTheWidthInBothPlanes)
{
    // A 2x10 with the D1 plane governing: Table 4A gives CF 1.0 at 9.25 in., not 1.15.
    // le1/d1 = 48 / 1.5 = 32: FcE 429.18 psi region; Fc* = 1350, Fc' = 429.18.
    ColumnFactors f;
    checkPickedWoodColumn(1.5, 9.25, criteria(1000, 4, 10, 1350, 1.6),
                          setup(ColumnType::Solid4x, ColumnValueGroup::DimensionLumber), f);
    EXPECT_FLOAT_EQ(f.ColCF1, 1.0f);
    expectClose(f.ColFcStar, 1350, "Fc*");
    expectClose(f.ColFcAdj, 429.1762, "Fc'");

    struct Case
    {
        double width;
        std::int16_t stud;
        float cf;
    };
    const Case cases[] = {{3.5, 0, 1.15f}, {5.5, 0, 1.1f},   {7.25, 0, 1.05f},
                          {9.25, 0, 1.0f}, {3.5, -1, 1.05f}, {5.5, -1, 1.0f}};
    for (const auto& c : cases) {
        auto s = setup(ColumnType::Solid4x, ColumnValueGroup::DimensionLumber);
        s.ColStudGrade = c.stud;
        EXPECT_FLOAT_EQ(columnSizeFactor(s, c.width), c.cf) << c.width;
    }
    EXPECT_FLOAT_EQ(columnSizeFactor(setup(ColumnType::Solid6x, ColumnValueGroup::PostAndTimber), 5.5), 1.0f);
}

TEST(WoodColumnDesign, WetIncisedUnderNds2001)
{
    // 4x6 DF-L #1 Fc 1500 E 1.7, Cd 1.15, 8 ft both ways, wet and incised, NDS 2001: Fc x CF = 1650 > 750
    // so CM(Fc) 0.8, CM(E) 0.9; Ci 0.80 and 0.95. E' = 1,453,500; Fc* = 1500 x 1.1 x 1.15 x 0.8 x 0.8 =
    // 1214.4; D1: FcE = 0.3 x 1,453,500 / (96/3.5)^2 = 579.60, Cp 0.417447; Fc' = 506.95 psi.
    auto s = setup(ColumnType::Solid4x, ColumnValueGroup::DimensionLumber, false);
    s.wet = true;
    s.incised = true;
    ColumnFactors f;
    checkPickedWoodColumn(3.5, 5.5, criteria(5000, 8, 8, 1500, 1.7, 1.15f), s, f);
    EXPECT_FLOAT_EQ(f.ColCmFc, 0.8f);
    EXPECT_FLOAT_EQ(f.ColCmE, 0.9f);
    EXPECT_FLOAT_EQ(f.ColCiFc, 0.8f);
    EXPECT_FLOAT_EQ(f.ColCiE, 0.95f);
    expectClose(f.ColEAdj, 1453500, "E'");
    expectClose(f.ColFcStar, 1214.4, "Fc*");
    expectClose(f.ColFcE1, 579.6021, "FcE1");
    expectClose(f.ColFcAdj, 506.9480, "Fc'");

    s.NDS1997 = -1; // the 1997 edition gave incised Fc 0.85
    checkPickedWoodColumn(3.5, 5.5, criteria(5000, 8, 8, 1500, 1.7, 1.15f), s, f);
    EXPECT_FLOAT_EQ(f.ColCiFc, 0.85f);
}

TEST(WoodColumnDesign, WetServiceEdges)
{
    // Dimension lumber: CM(Fc) 0.8 only above Fc x CF 750 (Table 4A); timbers: 0.91 and CM(E) 1.0.
    auto s = setup(ColumnType::Solid4x, ColumnValueGroup::DimensionLumber);
    s.wet = true;
    ColumnFactors f;
    checkPickedWoodColumn(3.5, 9.25, criteria(1000, 4, 4, 750, 1.2), s, f); // CF 1.0: 750 exactly
    EXPECT_FLOAT_EQ(f.ColCmFc, 1.0f);
    EXPECT_FLOAT_EQ(f.ColCmE, 0.9f);
    checkPickedWoodColumn(3.5, 9.25, criteria(1000, 4, 4, 751, 1.2), s, f);
    EXPECT_FLOAT_EQ(f.ColCmFc, 0.8f);

    // 8x8 Hem-Fir #1 posts, Fc 850 E 1.3, 12 ft with Ke 0.8, NDS 2005: Fc* = 850 x 0.91 = 773.5;
    // le/d = 115.2 / 7.5 = 15.36, FcE = 1654.56, Cp 0.877811, Fc' = 678.99 psi.
    auto t = setup(ColumnType::Solid6x, ColumnValueGroup::PostAndTimber);
    t.wet = true;
    checkPickedWoodColumn(7.5, 7.5, criteria(20000, 12, 12, 850, 1.3, 1.0f, 0.8f), t, f);
    EXPECT_FLOAT_EQ(f.ColCmFc, 0.91f);
    EXPECT_FLOAT_EQ(f.ColCmE, 1.0f);
    expectClose(f.ColLe1, 115.2, "le1");
    expectClose(f.ColFcE2, 1654.560, "FcE");
    expectClose(f.ColFcAdj, 678.9867, "Fc'");
}

TEST(WoodColumnDesign, PickedSizeTexts)
{
    struct Case
    {
        ColumnType type;
        ColumnValueGroup group;
        std::int16_t stud;
        const char* d1;
        const char* d2;
        PickedEntry refused;
        const char* messageStart;
        float d1In;
        float d2In;
    };
    const auto P = ColumnValueGroup::PostAndTimber;
    const auto B = ColumnValueGroup::BeamAndStringer;
    const auto D = ColumnValueGroup::DimensionLumber;
    const Case cases[] = {
        {ColumnType::Nailed, D, 0, "(3) 2x", "8", PickedEntry::None, "", 4.5f, 7.25f},
        {ColumnType::Nailed, D, 0, "(3) 2X", "8", PickedEntry::D1, "D1 thickness is incorrect for a built-up",
         0, 0},
        {ColumnType::Solid6x, P, 0, "6x ", "6", PickedEntry::D1, "D1 thickness is incorrect for a solid 6x+",
         0, 0},
        {ColumnType::Solid4x, D, 0, "6x", "6", PickedEntry::D1, "D1 thickness is incorrect for a solid, dim",
         0, 0},
        {ColumnType::Solid4x, D, 0, "4x", "12", PickedEntry::D2, "D2 thickness is incorrect for a 2x or 4x",
         3.5f, 0},
        {ColumnType::Bolted, D, 0, "(2) 2x", "12", PickedEntry::D2,
         "D2 thickness is incorrect for a built-up", 3.0f, 0},
        {ColumnType::Solid6x, P, 0, "8x", "8", PickedEntry::None, "", 7.5f, 7.5f},
        {ColumnType::Solid6x, B, 0, "8x", "8", PickedEntry::D2, "D2 thickness is incorrect. Only 6x10s", 7.5f,
         7.5f},
        {ColumnType::Solid6x, B, 0, "6x", "10", PickedEntry::None, "", 5.5f, 9.5f},
        // Post and timber values need sides within 2 in.: a 6x10 or 10x6 is refused under them.
        {ColumnType::Solid6x, P, 0, "6x", "10", PickedEntry::D2, "D2 thickness is incorrect for a 6x column",
         5.5f, 9.5f},
        {ColumnType::Solid6x, P, 0, "10x", "6", PickedEntry::D2, "D2 thickness is incorrect for a 6x column",
         9.5f, 5.5f},
        {ColumnType::Solid6x, P, 0, "6x", "7", PickedEntry::D2, "D2 thickness is incorrect for a 6x column",
         5.5f, 0},
        // Stud values hold to 6 in. depths; deeper studs would take No. 3 values.
        {ColumnType::Solid4x, D, -1, "2x", "6", PickedEntry::None, "", 1.5f, 5.5f},
        {ColumnType::Solid4x, D, -1, "2x", "8", PickedEntry::D2, "Stud grade members with an 8 inch", 1.5f,
         7.25f},
        {ColumnType::Nailed, D, -1, "(2) 2x", "10", PickedEntry::D2, "Stud grade members with an 8 inch",
         3.0f, 9.25f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.d1) + " by " + c.d2);
        auto s = setup(c.type, c.group);
        s.ColStudGrade = c.stud;
        const auto size = readPickedWoodSize(c.d1, c.d2, s);
        EXPECT_EQ(size.refused, c.refused);
        EXPECT_TRUE(size.message.starts_with(c.messageStart)) << size.message;
        if (c.refused == PickedEntry::None) {
            EXPECT_EQ(size.d1In, c.d1In);
            EXPECT_EQ(size.d2In, c.d2In);
        }
    }
}

} // namespace
