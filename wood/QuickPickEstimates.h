// First depths of the quick-pick buttons, from bending alone: the breadth times the factored bending
// value of each button, the depth it needs for the governing moment, and that depth placed on the
// button's ladder of nominal depths. The searches that follow run the full size test from here.
#pragma once

#include <array>
#include <string>

namespace wood
{

constexpr int QuickPickCount = 42; // ht(0..41)

// Net breadths of the quick-pick columns, in.: 2x and its plies, 4x, 6x, the glu-lam widths of every
// group but Southern Pine, those of Southern Pine, 8x and 10x.
extern const std::array<float, 18> ButtonBreadth;

// Size factors of the estimate by depth class (nominal 4, 6, 8, 10, 12, 14) and member class (0 = 2x
// lumber, 1 = 4x lumber, 2 = timbers).
extern const std::array<std::array<float, 3>, 6> EstimateSizeFactor;

// Ten bending values of the chosen species block: the four grade rows' dimension and timber Fb, then
// the two glu-lam combinations.
using GradeFbValues = std::array<float, 10>;

// What the bending factors of one pre-sizing read of the criteria form.
struct BendingInput
{
    GradeFbValues gradeFb{};
    float estimateWetFactor = 1.0f; // 0.85 in wet service
    float cr = 1.0f;                // repetitive member factor
    float cd = 1.0f;                // load duration factor
    bool southernPine = false;      // the Southern Pine glu-lam widths
};

using ButtonValues = std::array<float, QuickPickCount>;

// ButtonBFb(0..41), lb/in.: breadth x Fb x the factors of the button's family.
ButtonValues ButtonBendingValues(const BendingInput& input);

// The sawn and timber estimates (buttons 0-23 and 34-41), nominal in.; 0 where the required depth lies
// below the first rung or beyond the last.
void EstimateSawnDepths(float momentLoads, const ButtonValues& buttonBFb, ButtonValues& depthEstimate);

// Glu-lam depth series: 1-1/2 in. laminations, or Southern Pine's 1-3/8 in.
enum class GluLamSeries
{
    OneAndHalf,
    ThreeEighths
};

// The glu-lam estimates (buttons 24-33), net in.
void EstimateGluLamDepths(float momentLoads, const ButtonValues& buttonBFb, GluLamSeries series,
                          ButtonValues& depthEstimate);

// The depth written when requirement r = MomentLoads x 72 / BFb (in^2) reaches a boundary of the series.
float GluLamDepthFor(double requirement, GluLamSeries series);

// The glu-lam header estimate of one breadth, in.; 0 where no header depth fits.
float HeaderDepthFor(double requirement);

// A header estimate as its button caption ("10-1/2"), "" for 0.
std::string HeaderCaption(float depth);

// The caption of an estimate: the number's shortest decimal text, "" for 0.
std::string DecimalCaption(float depth);

// The nominal text of a glu-lam estimate of the series ("9-5/8", "10-1/2", "12"), "" for any value that
// is not a depth of the series.
std::string GluLamNominalCaption(float depth, GluLamSeries series);

// The decimal caption of a glu-lam button rewritten in nominal form; any other text stays.
std::string GluLamNominalText(const std::string& caption, GluLamSeries series);

} // namespace wood
