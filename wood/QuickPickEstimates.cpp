// The bending estimates of the quick-pick buttons. Each estimate is a first guess for the search: it
// carries no size, volume, stability or incising factor beyond the rough size factors of its ladder.
#include "wood/QuickPickEstimates.h"

#include "platform/core/Number.h"

#include <cmath>
#include <span>

namespace wood
{

const std::array<float, 18> ButtonBreadth = {1.5f,   3.0f,   4.5f,  6.0f,  3.5f,   5.5f,
                                             3.125f, 5.125f, 6.75f, 8.75f, 10.75f, 3.125f,
                                             5.125f, 6.75f,  8.5f,  10.5f, 7.5f,   9.5f};

const std::array<std::array<float, 3>, 6> EstimateSizeFactor = {{
    {1.5f, 1.5f, 1.0f},
    {1.3f, 1.3f, 1.0f},
    {1.2f, 1.3f, 1.0f},
    {1.1f, 1.2f, 1.0f},
    {1.0f, 1.1f, 0.987f},
    {0.9f, 1.0f, 0.972f},
}};

namespace
{

// One rung of a sawn or timber ladder: the nominal depth it gives when D(factor) < bound.
struct Rung
{
    float nominal;
    float factor;
    double bound;
};

struct SawnLadder
{
    int firstButton;
    int buttonCount;
    float gateFactor;
    double gate;
    std::span<const Rung> rungs;
};

constexpr int Lumber2x = 0;
constexpr int Lumber4x = 1;
constexpr int Timber = 2;

float sizeFactor(int depthClass, int memberClass)
{
    return EstimateSizeFactor[static_cast<std::size_t>(depthClass)][static_cast<std::size_t>(memberClass)];
}

// D(f) = sqrt(M x 72 / BFb x f): the factor multiplies the quotient, it does not divide it.
double trialDepth(double quotient, float factor)
{
    return std::sqrt(quotient * static_cast<double>(factor));
}

float estimateOnLadder(double quotient, const SawnLadder& ladder)
{
    if (trialDepth(quotient, ladder.gateFactor) < ladder.gate) {
        return 0;
    }
    for (const Rung& rung : ladder.rungs) {
        if (trialDepth(quotient, rung.factor) < rung.bound) {
            return rung.nominal;
        }
    }
    return 0;
}

// A boundary of the glu-lam series: reached when sqrt(R x factor) >= boundary.
struct Boundary
{
    double boundary;
    double factor;
    float depth;
};

constexpr Boundary OneAndHalfBoundaries[] = {
    {5.5, 1, 9},        {7.5, 1, 10.5},     {9, 1, 12},         {10.5, 1, 13.5},    {12, 1, 15},
    {13.5, 0.99, 16.5}, {15, 0.98, 18},     {16.5, 0.97, 19.5}, {18, 0.96, 21},     {19.5, 0.95, 22.5},
    {21, 0.94, 24},     {22.5, 0.93, 25.5}, {24, 0.92, 27},     {25.5, 0.91, 28.5}, {27, 0.90, 30},
    {28.5, 0.89, 31.5}, {30, 0.88, 33},     {31.5, 0.87, 34.5}, {33, 0.86, 36},     {34.5, 0.85, 37.5},
    {36, 0.84, 39},     {37.5, 0.83, 40.5}, {39, 0.82, 42},     {40.5, 0.81, 43.5}, {42, 0.80, 45},
    {43.5, 0.79, 46.5}, {45, 0.78, 48},     {46.5, 0.77, 49.5}, {48, 0.76, 51},     {49.5, 0.75, 52.5},
    {51, 0.74, 54},     {52.5, 0.73, 54},   {54, 0.72, 54},     {55.5, 0.72, 0},
};

constexpr Boundary ThreeEighthsBoundaries[] = {
    {5.5, 1, 9.625},        {7.5, 1, 11},        {9.625, 1, 12.375},     {11, 1, 13.75},
    {12.375, 1, 15.125},    {13.75, 0.99, 16.5}, {15.125, 0.98, 17.875}, {16.5, 0.97, 19.25},
    {17.875, 0.96, 20.625}, {19.25, 0.95, 22},   {20.625, 0.94, 23.375}, {22, 0.93, 24.75},
    {23.375, 0.92, 26.125}, {24.75, 0.91, 27.5}, {26.125, 0.90, 28.875}, {27.5, 0.89, 30.25},
    {28.875, 0.88, 30.25},  {30.25, 0.88, 0},    {31.625, 0.88, 0},
};

// Glu-lam headers stop at 18 in.: a requirement from 16.5 in. up has no header.
constexpr Boundary HeaderBoundaries[] = {
    {5.5, 1, 9}, {7.5, 1, 10.5},     {9, 1, 12},     {10.5, 1, 13.5},
    {12, 1, 15}, {13.5, 0.99, 16.5}, {15, 0.98, 18}, {16.5, 0.97, 0},
};

bool reached(double requirement, const Boundary& boundary)
{
    return std::sqrt(requirement * boundary.factor) >= boundary.boundary;
}

// The depth of the highest boundary reached; b^2 / f rises along each table, so the first boundary
// missed ends the chain.
float depthOnBoundaries(double requirement, std::span<const Boundary> table)
{
    if (!reached(requirement, table[0])) {
        return 0;
    }
    for (std::size_t i = 0; i + 1 < table.size(); ++i) {
        if (!reached(requirement, table[i + 1])) {
            return table[i].depth;
        }
    }
    return table.back().depth;
}

// The depths of each glu-lam series, in order.
std::span<const float> seriesDepths(GluLamSeries series)
{
    static const std::array<float, 31> oneAndHalf = [] {
        std::array<float, 31> depths{};
        for (std::size_t i = 0; i < depths.size(); ++i) {
            depths[i] = 9.0f + 1.5f * static_cast<float>(i);
        }
        return depths;
    }();
    static constexpr std::array<float, 16> threeEighths = {9.625f,  11.0f,  12.375f, 13.75f, 15.125f, 16.5f,
                                                           17.875f, 19.25f, 20.625f, 22.0f,  23.375f, 24.75f,
                                                           26.125f, 27.5f,  28.875f, 30.25f};
    if (series == GluLamSeries::ThreeEighths) {
        return threeEighths;
    }
    return oneAndHalf;
}

// "9-5/8", "10-1/2", "12": whole inches and a reduced fraction of eighths.
std::string nominalText(float depth)
{
    const int eighths = static_cast<int>(std::lround(static_cast<double>(depth) * 8));
    const int whole = eighths / 8;
    int numerator = eighths % 8;
    if (numerator == 0) {
        return std::to_string(whole);
    }
    int denominator = 8;
    while (numerator % 2 == 0) {
        numerator /= 2;
        denominator /= 2;
    }
    return std::to_string(whole) + "-" + std::to_string(numerator) + "/" + std::to_string(denominator);
}

} // namespace

ButtonValues ButtonBendingValues(const BendingInput& in)
{
    ButtonValues bfb{};
    const double cr = in.cr;
    const double cd = in.cd;
    const double wet = in.estimateWetFactor;
    auto fb = [&](int slot) { return static_cast<double>(in.gradeFb[static_cast<std::size_t>(slot)]); };
    auto breadth = [](int column) {
        return static_cast<double>(ButtonBreadth[static_cast<std::size_t>(column)]);
    };
    for (int g = 0; g < 4; ++g) {
        for (int p = 0; p < 4; ++p) {
            bfb[static_cast<std::size_t>(4 * g + p)] =
                static_cast<float>(cr * fb(2 * g) * breadth(p) * cd * wet);
        }
        bfb[static_cast<std::size_t>(16 + g)] = static_cast<float>(cr * fb(2 * g) * breadth(4) * wet);
        bfb[static_cast<std::size_t>(20 + g)] = static_cast<float>(fb(2 * g + 1) * breadth(5));
        bfb[static_cast<std::size_t>(34 + g)] = static_cast<float>(fb(2 * g + 1) * breadth(16));
        bfb[static_cast<std::size_t>(38 + g)] = static_cast<float>(fb(2 * g + 1) * breadth(17));
    }
    const int firstWidth = in.southernPine ? 11 : 6;
    for (int j = 0; j < 5; ++j) {
        const double b = breadth(firstWidth + j);
        bfb[static_cast<std::size_t>(24 + j)] = static_cast<float>(fb(8) * b * wet);
        bfb[static_cast<std::size_t>(29 + j)] = static_cast<float>(fb(9) * b * wet);
    }
    return bfb;
}

void EstimateSawnDepths(float momentLoads, const ButtonValues& buttonBFb, ButtonValues& depthEstimate)
{
    const float t4 = sizeFactor(4, Timber);
    const float t5 = sizeFactor(5, Timber);
    const Rung timber6[] = {{6, 1, 5.5},   {8, 1, 7.5},    {10, 1, 9.5},
                            {12, 1, 11.5}, {14, t4, 13.5}, {16, t5, 15.5}};
    const Rung timber8[] = {{8, 1, 7.5}, {10, 1, 9.5}, {12, 1, 11.5}, {14, t4, 13.5}, {16, t5, 15.5}};
    const Rung timber10[] = {{10, 1, 9.5}, {12, 1, 11.5}, {14, t4, 13.5}, {16, t5, 15.5}};
    const Rung lumber4x[] = {{4, sizeFactor(1, Lumber4x), 3.5},    {6, sizeFactor(1, Lumber4x), 5.5},
                             {8, sizeFactor(2, Lumber4x), 7.25},   {10, sizeFactor(3, Lumber4x), 9.25},
                             {12, sizeFactor(4, Lumber4x), 11.25}, {14, sizeFactor(5, Lumber4x), 13.25},
                             {16, sizeFactor(5, Lumber4x), 15.5}};
    const Rung lumber2x[] = {{4, sizeFactor(1, Lumber2x), 3.5},    {6, sizeFactor(1, Lumber2x), 5.5},
                             {8, sizeFactor(2, Lumber2x), 7.25},   {10, sizeFactor(3, Lumber2x), 9.25},
                             {12, sizeFactor(4, Lumber2x), 11.25}, {14, sizeFactor(5, Lumber2x), 13.5}};
    const SawnLadder ladders[] = {
        {20, 4, 1, 3.5, timber6},
        {34, 4, 1, 5.5, timber8},
        {38, 4, 1, 7.5, timber10},
        {16, 4, sizeFactor(0, Lumber4x), 2.5, lumber4x},
        {0, 16, sizeFactor(0, Lumber2x), 2, lumber2x},
    };
    for (const SawnLadder& ladder : ladders) {
        for (int k = ladder.firstButton; k < ladder.firstButton + ladder.buttonCount; ++k) {
            const auto i = static_cast<std::size_t>(k);
            const double quotient = platform::num::div(static_cast<double>(momentLoads) * 72, buttonBFb[i]);
            depthEstimate[i] = estimateOnLadder(quotient, ladder);
        }
    }
}

float GluLamDepthFor(double requirement, GluLamSeries series)
{
    if (series == GluLamSeries::ThreeEighths) {
        return depthOnBoundaries(requirement, ThreeEighthsBoundaries);
    }
    return depthOnBoundaries(requirement, OneAndHalfBoundaries);
}

void EstimateGluLamDepths(float momentLoads, const ButtonValues& buttonBFb, GluLamSeries series,
                          ButtonValues& depthEstimate)
{
    for (std::size_t i = 24; i <= 33; ++i) {
        const double requirement = platform::num::div(static_cast<double>(momentLoads) * 72, buttonBFb[i]);
        depthEstimate[i] = GluLamDepthFor(requirement, series);
    }
}

float HeaderDepthFor(double requirement)
{
    return depthOnBoundaries(requirement, HeaderBoundaries);
}

std::string HeaderCaption(float depth)
{
    for (float known : {9.0f, 10.5f, 12.0f, 13.5f, 15.0f, 16.5f, 18.0f}) {
        if (depth == known) {
            return nominalText(depth);
        }
    }
    return "";
}

std::string DecimalCaption(float depth)
{
    return depth == 0 ? std::string() : platform::num::numberText(depth);
}

std::string GluLamNominalCaption(float depth, GluLamSeries series)
{
    for (float known : seriesDepths(series)) {
        if (depth == known) {
            return nominalText(depth);
        }
    }
    return "";
}

std::string GluLamNominalText(const std::string& caption, GluLamSeries series)
{
    for (float known : seriesDepths(series)) {
        if (caption == platform::num::numberText(known)) {
            return nominalText(known);
        }
    }
    return caption;
}

} // namespace wood
