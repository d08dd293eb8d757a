// The bending estimates of the quick-pick buttons: the factored bending values per family, each ladder
// on both sides of its gate, rungs and boundaries, and the caption texts. Expected values are worked by
// hand from d = sqrt(M x 72 / (b Fb') x f) (M x 12 = Fb' b d^2 / 6) and the ladders' stated bounds.
#include "wood/QuickPickEstimates.h"

#include <gtest/gtest.h>

namespace
{

using wood::ButtonValues;
using wood::GluLamSeries;

// HF / DF-L block: dimension and timber Fb of HF #2, HF #1, DF-L #2, DF-L #1, then 16F and 24F.
constexpr wood::GradeFbValues HemFirDouglasFir = {850, 675, 975, 1050, 900, 875, 1000, 1350, 1600, 2400};

wood::BendingInput dryHemFir()
{
    wood::BendingInput in;
    in.gradeFb = HemFirDouglasFir;
    return in;
}

TEST(ButtonBendingValues, EachFamilyTakesOnlyItsOwnFactors)
{
    wood::BendingInput in = dryHemFir();
    in.cr = 1.15f;
    in.cd = 1.15f;
    in.estimateWetFactor = 0.85f;
    const ButtonValues bfb = wood::ButtonBendingValues(in);
    // 2x: Cr x Fb x b x Cd x wet, HF #2 dimension 850 psi, b = 1.5 in.
    EXPECT_FLOAT_EQ(bfb[0], static_cast<float>(1.15f * 850.0 * 1.5 * 1.15f * 0.85f));
    // (4) 2x DF-L #1: b = 6.0 in., Fb 1000.
    EXPECT_FLOAT_EQ(bfb[15], static_cast<float>(1.15f * 1000.0 * 6.0 * 1.15f * 0.85f));
    // 4x: no Cd.
    EXPECT_FLOAT_EQ(bfb[16], static_cast<float>(1.15f * 850.0 * 3.5 * 0.85f));
    // 6x, 8x, 10x: timber Fb x b and nothing else (HF #2 timber 675, DF-L #1 timber 1350).
    EXPECT_FLOAT_EQ(bfb[20], 675.0f * 5.5f);
    EXPECT_FLOAT_EQ(bfb[37], 1350.0f * 7.5f);
    EXPECT_FLOAT_EQ(bfb[41], 1350.0f * 9.5f);
    // Glu-lam: Fb x b x wet, no Cr, no Cd.
    EXPECT_FLOAT_EQ(bfb[24], static_cast<float>(1600.0 * 3.125 * 0.85f));
    EXPECT_FLOAT_EQ(bfb[33], static_cast<float>(2400.0 * 10.75 * 0.85f));
}

TEST(ButtonBendingValues, SouthernPineTakesItsOwnGluLamWidths)
{
    wood::BendingInput in = dryHemFir();
    in.southernPine = true;
    const ButtonValues bfb = wood::ButtonBendingValues(in);
    EXPECT_FLOAT_EQ(bfb[27], 1600.0f * 8.5f);
    EXPECT_FLOAT_EQ(bfb[32], 2400.0f * 8.5f);
    EXPECT_FLOAT_EQ(bfb[28], 1600.0f * 10.5f);
    EXPECT_FLOAT_EQ(bfb[33], 2400.0f * 10.5f);
    in.southernPine = false;
    EXPECT_FLOAT_EQ(wood::ButtonBendingValues(in)[27], 1600.0f * 8.75f);
}

TEST(ButtonBendingValues, CustomValuesGiveEveryRowOfAColumnTheSameValue)
{
    wood::BendingInput in;
    in.gradeFb.fill(1200);
    const ButtonValues bfb = wood::ButtonBendingValues(in);
    EXPECT_EQ(bfb[1], bfb[13]);
    EXPECT_EQ(bfb[20], bfb[23]);
    EXPECT_EQ(bfb[24], bfb[29]);
}

// The worked cases at 10,000 ft-lb, HF / DF-L, dry, Cd 1.0.
TEST(SawnDepthEstimates, WorkedCases)
{
    const ButtonValues bfb = wood::ButtonBendingValues(dryHemFir());
    ButtonValues depth{};
    wood::EstimateSawnDepths(10000, bfb, depth);
    // (4) 2x HF #2: BFb 5100, q = 141.18; D(1.0) = 11.88 >= 11.25, D(0.9) = 11.27 < 13.5.
    EXPECT_EQ(depth[3], 14);
    // 2x: q = 564.71, D(0.9) = 22.5 beyond every rung.
    EXPECT_EQ(depth[0], 0);
    // 6x HF #2: BFb 3712.5, q = 193.94; D(0.987) = 13.84 >= 13.5, D(0.972) = 13.73 < 15.5.
    EXPECT_EQ(depth[20], 16);
    // 8x: BFb 5062.5, D = 11.93 -> 12 fails (< 11.5 no), 14: D(0.987) = 11.85 < 13.5.
    EXPECT_EQ(depth[34], 14);
    // 10x: BFb 6412.5, D = 10.60 < 11.5.
    EXPECT_EQ(depth[38], 12);
    // The glu-lam buttons are not this ladder's.
    EXPECT_EQ(depth[24], 0);
}

TEST(SawnDepthEstimates, ZeroMomentGivesNoEstimate)
{
    ButtonValues depth{};
    wood::EstimateSawnDepths(0, wood::ButtonBendingValues(dryHemFir()), depth);
    for (float d : depth) {
        EXPECT_EQ(d, 0);
    }
}

// With BFb = 72 the quotient is the moment itself, so D(f) = sqrt(M x f) lands exactly where wanted.
struct LadderCase
{
    int button;
    float quotient;
    float expected;
    const char* why;
};

class SawnLadderEdges : public testing::TestWithParam<LadderCase>
{};

TEST_P(SawnLadderEdges, StrictLessThanAtEveryBound)
{
    const LadderCase& c = GetParam();
    ButtonValues bfb{};
    bfb.fill(72);
    ButtonValues depth{};
    wood::EstimateSawnDepths(c.quotient, bfb, depth);
    EXPECT_EQ(depth[static_cast<std::size_t>(c.button)], c.expected) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Ladders, SawnLadderEdges,
    testing::Values(LadderCase{20, 30.25f, 8, "6x D = 5.5 equals the 6 bound: next rung"},
                    LadderCase{20, 12.25f, 6, "6x D = 3.5 equals the gate: passes it"},
                    LadderCase{20, 12.24f, 0, "6x D just under the gate: no estimate"},
                    LadderCase{34, 30.24f, 0, "8x D just under its gate 5.5"},
                    LadderCase{34, 30.25f, 8, "8x D = 5.5 passes the gate to the first rung"},
                    LadderCase{38, 90.25f, 12, "10x D = 9.5 equals the 10 bound"},
                    LadderCase{20, 256.0f, 0, "6x D(0.972) = 15.77 beyond the last rung"},
                    LadderCase{16, 196.0f, 16, "4x D(1.0) = 14 between 13.25 and 15.5"},
                    LadderCase{16, 175.5625f, 16, "4x D(1.0) = 13.25 equals the 14 bound"},
                    LadderCase{16, 241.0f, 0, "4x D(1.0) = 15.52 beyond the 16 rung"},
                    LadderCase{0, 126.5625f, 14, "2x D(1.0) = 11.25 equals the 12 bound"},
                    LadderCase{0, 203.0f, 0, "2x D(0.9) = 13.52: no 16 rung for 2x"},
                    LadderCase{0, 2.6f, 0, "2x D(1.5) = 1.97 below its gate 2"},
                    LadderCase{0, 2.7f, 4, "2x D(1.5) = 2.01 passes the gate; D(1.3) = 1.87 < 3.5"},
                    LadderCase{16, 4.1f, 0, "4x D(1.5) = 2.48 below its gate 2.5"}));

// The 6x case at 240.25 above: D(0.987) = 15.40 >= 13.5, D(0.972) = 15.28 < 15.5 -> 16.
TEST(SawnDepthEstimates, TheLastTimberRungUsesItsOwnFactor)
{
    ButtonValues bfb{};
    bfb.fill(72);
    ButtonValues depth{};
    wood::EstimateSawnDepths(245.0f, bfb, depth);
    // D(0.972) = 15.43 < 15.5 although D itself is 15.65.
    EXPECT_EQ(depth[20], 16);
}

struct BoundaryCase
{
    double requirement; // R = M x 72 / BFb, in^2
    GluLamSeries series;
    float expected;
    const char* why;
};

class GluLamBoundaries : public testing::TestWithParam<BoundaryCase>
{};

TEST_P(GluLamBoundaries, AtLeastReachesABoundary)
{
    const BoundaryCase& c = GetParam();
    EXPECT_EQ(wood::GluLamDepthFor(c.requirement, c.series), c.expected) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    Series, GluLamBoundaries,
    testing::Values(BoundaryCase{5.4 * 5.4, GluLamSeries::OneAndHalf, 0, "sqrt R 5.4 below 5.5"},
                    BoundaryCase{30.25, GluLamSeries::OneAndHalf, 9, "sqrt R = 5.5 reaches it"},
                    BoundaryCase{56.25, GluLamSeries::OneAndHalf, 10.5, "sqrt R = 7.5 reaches 7.5"},
                    BoundaryCase{12.2 * 12.2, GluLamSeries::OneAndHalf, 15, "12.2; sqrt(0.99 R) < 13.5"},
                    BoundaryCase{13.55 * 13.55, GluLamSeries::OneAndHalf, 15, "sqrt(0.99 R) = 13.48 < 13.5"},
                    BoundaryCase{3520, GluLamSeries::OneAndHalf, 54, "reaches 51 (0.74), not 52.5 (0.73)"},
                    BoundaryCase{4200, GluLamSeries::OneAndHalf, 54, "reaches 54 (0.72 R = 3024), not 55.5"},
                    BoundaryCase{4300, GluLamSeries::OneAndHalf, 0, "sqrt(0.72 R) = 55.64 >= 55.5"},
                    BoundaryCase{64, GluLamSeries::ThreeEighths, 11, "sqrt R = 8: 7.5 reached, 9.625 not"},
                    BoundaryCase{30.25, GluLamSeries::ThreeEighths, 9.625f, "5.5 gives 9-5/8"},
                    BoundaryCase{956, GluLamSeries::ThreeEighths, 30.25f, "sqrt(0.88 R) = 29.0"},
                    BoundaryCase{1040, GluLamSeries::ThreeEighths, 0, "sqrt(0.88 R) = 30.25: none"}));

TEST(HeaderEstimates, RungsAndTheEighteenInchEnd)
{
    EXPECT_EQ(wood::HeaderCaption(wood::HeaderDepthFor(30.25)), "9");
    EXPECT_EQ(wood::HeaderCaption(wood::HeaderDepthFor(56.25)), "10-1/2");
    EXPECT_EQ(wood::HeaderCaption(wood::HeaderDepthFor(30.24)), "");
    EXPECT_EQ(wood::HeaderCaption(wood::HeaderDepthFor(100)), "12"); // sqrt q = 10 in [9, 10.5)
    EXPECT_EQ(wood::HeaderCaption(wood::HeaderDepthFor(230)),
              "18"); // sqrt(0.98 q) = 15.01, sqrt(0.97 q) = 14.94
    EXPECT_EQ(wood::HeaderCaption(wood::HeaderDepthFor(281)), ""); // sqrt(0.97 q) = 16.51 >= 16.5
}

TEST(QuickPickCaptions, DecimalAndNominalTexts)
{
    EXPECT_EQ(wood::DecimalCaption(8), "8");
    EXPECT_EQ(wood::DecimalCaption(9.625f), "9.625");
    EXPECT_EQ(wood::DecimalCaption(10.5f), "10.5");
    EXPECT_EQ(wood::DecimalCaption(0), "");
    EXPECT_EQ(wood::GluLamNominalText("9.625", GluLamSeries::ThreeEighths), "9-5/8");
    EXPECT_EQ(wood::GluLamNominalText("11", GluLamSeries::ThreeEighths), "11");
    EXPECT_EQ(wood::GluLamNominalText("22", GluLamSeries::ThreeEighths), "22");
    EXPECT_EQ(wood::GluLamNominalText("30.25", GluLamSeries::ThreeEighths), "30-1/4");
    EXPECT_EQ(wood::GluLamNominalText("10.5", GluLamSeries::ThreeEighths), "10.5");
    EXPECT_EQ(wood::GluLamNominalText("10.5", GluLamSeries::OneAndHalf), "10-1/2");
    EXPECT_EQ(wood::GluLamNominalText("52.5", GluLamSeries::OneAndHalf), "52-1/2");
    EXPECT_EQ(wood::GluLamNominalText("54", GluLamSeries::OneAndHalf), "54");
    EXPECT_EQ(wood::GluLamNominalText("", GluLamSeries::OneAndHalf), "");
    EXPECT_EQ(wood::GluLamNominalCaption(12.375f, GluLamSeries::ThreeEighths), "12-3/8");
    EXPECT_EQ(wood::GluLamNominalCaption(17.875f, GluLamSeries::ThreeEighths), "17-7/8");
    EXPECT_EQ(wood::GluLamNominalCaption(13.5f, GluLamSeries::OneAndHalf), "13-1/2");
    EXPECT_EQ(wood::GluLamNominalCaption(0, GluLamSeries::OneAndHalf), "");
    EXPECT_EQ(wood::GluLamNominalCaption(8, GluLamSeries::OneAndHalf), "");
}

} // namespace
