// Size factors. Dimension lumber takes NDS Table 4A's factors; the Southern Pine grades, whose Table 4B
// gives a bending value per width, take the ratio of that value to the grade's base Fb, so that Fb x CF
// is the tabulated value of the tested depth. In the newer sets the widths over 12 in. carry Table 4B's
// 0.9 of the 12 in. value (0.69231, 0.72 and 0.77143), which the old sets of 2012 and later lacked.
#include "wood/SizeFactors.h"

#include "platform/core/Number.h"

#include <cmath>

namespace wood
{

namespace num = platform::num;

const SizeFactorSets SizeFactorTable{
    {{1.0, 1.0, 1.0, 1.0, 1.0, 1.0}, {1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0}},
    {{1.5, 1.3, 1.2, 1.1, 1.0, 0.9}, {1.5, 1.3, 1.3, 1.2, 1.1, 1.0, 1.0}},
    {{1.1282, 1.0256, 0.9487, 0.8205, 0.7692, 0.69231},
     {1.1282, 1.0256, 1.04357, 0.9025, 0.84612, 0.69231, 0.69231}},
    {{1.53846, 1.282, 1.230769, 1.07692, 1.0, 0.9}, {1.53846, 1.282, 1.3538459, 1.184612, 1.1, 0.9, 0.9}},
    {{1.2, 1.08, 1.0, 0.84, 0.8, 0.72}, {1.2, 1.08, 1.1, 0.924, 0.88, 0.72, 0.72}},
    {{1.48, 1.32, 1.2, 1.04, 1.0, 0.9}, {1.48, 1.32, 1.32, 1.144, 1.1, 0.9, 0.9}},
    {{1.257, 1.1428, 1.057, 0.91428, 0.85714, 0.77143},
     {1.257, 1.1428, 1.1627, 1.0057, 0.94285, 0.77143, 0.77143}},
    {{1.48571, 1.31428, 1.2, 1.05714, 1.0, 0.9}, {1.48571, 1.31428, 1.32, 1.162854, 1.1, 0.9, 0.9}},
    {{1.487179, 1.33333, 1.23076, 1.07692, 1.0, 0.9}, {1.487179, 1.33333, 1.353836, 1.184612, 1.1, 0.9, 0.9}},
    // Timbers: 1.0 up to 12 in.; "14" and "16" by their nominal depth, (12/d)^(1/9) rounded down.
    {1.0, 1.0, 1.0, 1.0, 0.983, 0.968},
};

// (12 / d)^(1/9) of the net depth of a custom timber, as constants.
const std::array<CustomTimberFactor, 32> CustomTimberFactors{{
    {4.5f, 1.0},       {5.0f, 1.0},      {5.5f, 1.0},       {6.0f, 1.0},      {6.5f, 1.0},
    {7.0f, 1.0},       {7.5f, 1.0},      {8.0f, 1.0},       {8.5f, 1.0},      {9.0f, 1.0},
    {9.5f, 1.0},       {10.0f, 1.0},     {10.5f, 1.0},      {11.0f, 1.0},     {11.5f, 1.0},
    {12.0f, 1.0},      {12.5f, 0.99547}, {13.0f, 0.99114},  {13.5f, 0.98699}, {14.0f, 0.98301},
    {14.5f, 0.97919},  {15.0f, 0.97551}, {15.5f, 0.97196},  {16.0f, 0.96854}, {16.5f, 0.96523},
    {17.0f, 0.962038}, {17.5f, 0.95894}, {18.0f, 0.955948}, {18.5f, 0.95304}, {19.0f, 0.95022},
    {19.5f, 0.94748},  {20.0f, 0.94482},
}};

namespace
{

constexpr std::array<std::string_view, 7> DimensionDepths{"4", "6", "8", "10", "12", "14", "16"};
constexpr std::array<std::string_view, 6> TimberDepths{"6", "8", "10", "12", "14", "16"};

// The "2x" and "4x" set of the member, or none (a Southern Pine grade the sets do not name).
const DimensionFactorSet* dimensionSet(const SizeFactorInput& in)
{
    const SizeFactorSets& t = SizeFactorTable;
    if (in.customValues && in.machineOrPineValues) {
        return &t.setA;
    }
    if (!in.southernPine) {
        return &t.setB;
    }
    if (in.species == "So. Pine #2") {
        return in.newerEdition ? &t.pine2Newer : &t.pine2Older;
    }
    if (in.species == "So. Pine #1") {
        return in.newerEdition ? &t.pine1Newer : &t.pine1Older;
    }
    if (in.species == "Mixed So. Pine #2") {
        return in.newerEdition ? &t.mixedPine2Newer : &t.mixedPine2Older;
    }
    if (in.species == "Mixed So. Pine #1") {
        return &t.mixedPine1;
    }
    return nullptr;
}

// Looks the depth text up in one pair; the smaller depth's factor is the previous row's when
// stepsDown holds.
template <std::size_t N>
void lookUp(const std::array<std::string_view, N>& depths, const double* factors, std::size_t rows,
            std::string_view depth, bool stepsDown, SizeFactorResult& out)
{
    for (std::size_t i = 0; i < rows; ++i) {
        if (depths[i] != depth) {
            continue;
        }
        out.CF = num::toSingle(factors[i]);
        out.CFSmaller = num::toSingle(stepsDown && i > 0 ? factors[i - 1] : factors[i]);
    }
}

} // namespace

SizeFactorResult sizeFactors(const SizeFactorInput& in)
{
    SizeFactorResult out;
    if (in.Roundoption) {
        // A round timber's factor is that of the square of equal area, never above 1.
        const double b = in.BeamBreadth;
        if (b <= 13.5) {
            out.CF = 1.0f;
        } else {
            const double side = std::sqrt(0.7854 * b * b);
            out.CF = num::toSingle(std::min(std::pow(12 / side, 1.0 / 9), 1.0));
        }
        return out;
    }

    const DimensionFactorSet* set = dimensionSet(in);
    if (in.southernPine && !(in.customValues && in.machineOrPineValues) && in.newerEdition) {
        if (in.species == "So. Pine #2") {
            out.E = 1.4f;
        } else if (in.species == "So. Pine #1") {
            out.E = 1.6f;
        }
    }

    const double depthValue = num::leadingNumber(in.depth);
    if (in.BreadthClass == "2x" && set != nullptr) {
        lookUp(DimensionDepths, set->twoBy.data(), 6, in.depth, in.depth != "4", out);
    } else if (in.BreadthClass == "4x" && set != nullptr) {
        lookUp(DimensionDepths, set->fourBy.data(), 7, in.depth, in.depth != "4", out);
    } else if (in.BreadthClass == "6x") {
        // A timber is never stepped below its nominal breadth.
        const double* timbers = SizeFactorTable.timbers.data();
        const float b = in.BeamBreadth;
        if (b == 5.5f) {
            lookUp(TimberDepths, timbers, 6, in.depth, in.depth != "6", out);
        } else if (b == 7.5f) {
            lookUp(TimberDepths, timbers, 6, in.depth, depthValue > 8, out);
        } else if (b == 9.5f) {
            lookUp(TimberDepths, timbers, 6, in.depth, depthValue > 10, out);
        } else if (b == 11.5f) {
            lookUp(TimberDepths, timbers, 6, in.depth, depthValue > 12, out);
        } else if (b == 13.5f) {
            lookUp(TimberDepths, timbers, 6, in.depth, depthValue > 14, out);
        }
    }

    if (in.Wid6x) {
        for (const CustomTimberFactor& f : CustomTimberFactors) {
            if (f.netDepth == in.BeamDepth) {
                out.CF = num::toSingle(f.factor);
                out.CFSmaller = num::toSingle(f.factor);
            }
        }
    }
    if (in.BreadthClass == "GLB") {
        out.CF = 1.0f;
    }
    return out;
}

} // namespace wood
