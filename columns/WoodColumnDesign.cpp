#include "columns/WoodColumnDesign.h"

#include "platform/core/Number.h"
#include "platform/core/RuntimeError.h"

#include <cmath>

namespace columns
{

using platform::num::div;
using platform::num::finite;
using platform::num::toSingle;

void startWoodColumnRun(const ColumnCriteria& criteria, const WoodColumnSetup& setup, ColumnFactors& factors)
{
    factors.ColLe1 = toSingle(double{criteria.ColL1} * 12.0 * criteria.ColKe);
    factors.ColLe2 = toSingle(double{criteria.ColL2} * 12.0 * criteria.ColKe);
    factors.ColWet = setup.wet ? -1 : 0;
    // NDS Supplement: incised lumber takes 0.95 on E and 0.80 on Fc; the 1997 edition gave Fc 0.85.
    factors.ColCiE = setup.incised ? 0.95f : 1.0f;
    factors.ColCiFc = setup.incised ? (setup.NDS1997 == -1 ? 0.85f : 0.80f) : 1.0f;
    factors.ColKcE = 0.3f;
    factors.ColCpc = 0.8f; // c of sawn lumber
}

float columnSizeFactor(const WoodColumnSetup& setup, double d2In)
{
    if (!isDimensionType(setup.type)) {
        return 1.0f;
    }
    if (setup.ColStudGrade == -1) {
        return d2In == 3.5 ? 1.05f : 1.0f;
    }
    if (d2In == 3.5) {
        return 1.15f;
    }
    if (d2In == 5.5) {
        return 1.1f;
    }
    if (d2In == 7.25) {
        return 1.05f;
    }
    return 1.0f;
}

namespace
{

// Euler value of one plane: the Emin rule from 2005 (Emin = 0.3653 E for sawn lumber, FcE = 0.822
// Emin / (le/d)^2), KcE E' / (le/d)^2 before.
double eulerValue(double eAdjPsi, double slenderness, const WoodColumnSetup& setup, float kcE)
{
    const double square = slenderness * slenderness;
    return setup.eminRule ? div(eAdjPsi * 0.3653 * 0.822, square) : div(double{kcE} * eAdjPsi, square);
}

// Column stability factor with the built-up factor Kf; a^2 - q/c is (q^2 - 1.2 q + 1) / 2.56, never
// negative for c = 0.8.
double stabilityFactor(double fcE, double fcStar, double c, double kf)
{
    const double q = div(fcE, fcStar);
    const double a = (1.0 + q) / (c + c);
    return finite((a - std::sqrt(a * a - q / c)) * kf);
}

} // namespace

void evaluateWoodColumnSize(double d1In, double d2In, const ColumnCriteria& criteria,
                            const WoodColumnSetup& setup, ColumnFactors& factors)
{
    const bool dimension = isDimensionType(setup.type);
    const float cf = columnSizeFactor(setup, d2In);
    factors.ColCF1 = cf;
    factors.ColCF2 = cf;
    if (setup.wet) {
        factors.ColCmE = dimension ? 0.9f : 1.0f;
        factors.ColCmFc = dimension ? (toSingle(double{criteria.ColFc} * cf) > 750.0f ? 0.8f : 1.0f) : 0.91f;
    } else {
        factors.ColCmE = 1.0f;
        factors.ColCmFc = 1.0f;
    }
    factors.ColEAdj = toSingle(double{criteria.ColE} * 1000000.0 * factors.ColCmE * factors.ColCiE);
    factors.ColFcStar =
        toSingle(double{criteria.ColFc} * cf * criteria.ColCd * factors.ColCmFc * factors.ColCiFc);

    // NDS 15.3: nailed 0.6, bolted 0.75 about the ply direction; sheathing that braces the face makes it 1.
    factors.ColKf1 = 1.0f;
    if (isBuiltUp(setup.type) && !setup.d1FullyBraced) {
        factors.ColKf1 = setup.type == ColumnType::Nailed ? 0.6f : 0.75f;
    }

    factors.ColSlenderness1 = toSingle(div(factors.ColLe1, d1In));
    factors.ColSlenderness2 = toSingle(div(factors.ColLe2, d2In));
    factors.ColFcE1 = 0;
    factors.ColFcE2 = 0;
    factors.ColCp1 = 1.0f;
    factors.ColCp2 = 1.0f;
    const double c = factors.ColCpc;
    if (factors.ColLe1 != 0) {
        factors.ColFcE1 =
            toSingle(eulerValue(factors.ColEAdj, double{factors.ColLe1} / d1In, setup, factors.ColKcE));
        factors.ColCp1 = toSingle(stabilityFactor(factors.ColFcE1, factors.ColFcStar, c, factors.ColKf1));
    }
    if (factors.ColLe2 != 0) {
        factors.ColFcE2 =
            toSingle(eulerValue(factors.ColEAdj, double{factors.ColLe2} / d2In, setup, factors.ColKcE));
        factors.ColCp2 = toSingle(stabilityFactor(factors.ColFcE2, factors.ColFcStar, c, 1.0));
    }
    factors.ColReportPlane = factors.ColCp1 < factors.ColCp2 ? 1 : 2;
    factors.ColKf = factors.ColReportPlane == 1 ? factors.ColKf1 : 1.0f;

    factors.ColArea = toSingle(d2In * d1In);
    factors.ColActualFc = toSingle(div(criteria.ColP, factors.ColArea));
    const float cp = std::fmin(factors.ColCp1, factors.ColCp2);
    factors.ColFcAdj = cp <= 1.0f ? toSingle(double{factors.ColFcStar} * cp) : factors.ColFcStar;
}

std::array<double, 5> columnThicknessLadder(ColumnType type)
{
    if (isBuiltUp(type)) {
        return {1.5, 3.0, 4.5, 6.0, 7.5};
    }
    return {1.5, 3.5, 5.5, 7.5, 9.5};
}

std::array<double, 4> columnWidthLadder(ColumnType type, ColumnValueGroup group, double thicknessIn)
{
    constexpr double NoSize = 0.5;
    if (isDimensionType(type)) {
        return {3.5, 5.5, 7.25, 9.25};
    }
    // Beam and stringer values hold only where the sides differ by more than 2 in.; post and timber
    // values where they differ by 2 in. or less.
    const bool stringer = group == ColumnValueGroup::BeamAndStringer;
    if (thicknessIn == 5.5) {
        return stringer ? std::array{9.5, 9.5, 9.5, 9.5} : std::array{5.5, 5.5, 7.5, 7.5};
    }
    if (thicknessIn == 7.5) {
        return stringer ? std::array{NoSize, NoSize, NoSize, NoSize} : std::array{5.5, 5.5, 7.5, 9.5};
    }
    if (thicknessIn == 9.5) {
        return stringer ? std::array{5.5, 5.5, 5.5, 5.5} : std::array{7.5, 7.5, 7.5, 9.5};
    }
    return {NoSize, NoSize, NoSize, NoSize};
}

bool columnRowShown(ColumnType type, int row)
{
    switch (type) {
    case ColumnType::Solid4x:
        return row <= 1;
    case ColumnType::Nailed:
    case ColumnType::Bolted:
        return row >= 1;
    case ColumnType::Solid6x:
        return row >= 2;
    }
    return false;
}

std::string_view columnWidthLabel(double widthIn)
{
    if (widthIn == 3.5) {
        return "4";
    }
    if (widthIn == 5.5) {
        return "6";
    }
    if (widthIn == 7.25 || widthIn == 7.5) {
        return "8";
    }
    if (widthIn == 9.25 || widthIn == 9.5) {
        return "10";
    }
    return "";
}

WoodColumnPicks QuickPickWoodColumns(const ColumnCriteria& criteria, const WoodColumnSetup& setup,
                                     ColumnFactors& factors)
{
    WoodColumnPicks picks;
    factors.ColCF1 = 1.0f;
    factors.ColCF2 = 1.0f;
    try {
        startWoodColumnRun(criteria, setup, factors);
        const auto thicknesses = columnThicknessLadder(setup.type);
        // Stud values hold for depths of 4 and 6 in. only; deeper studs take No. 3 values.
        const bool stud = setup.ColStudGrade == -1 && isDimensionType(setup.type);
        bool found = false;
        for (int row = 0; row < 5; ++row) {
            if (!columnRowShown(setup.type, row)) {
                continue;
            }
            const double d1 = thicknesses[static_cast<std::size_t>(row)];
            for (const double d2 : columnWidthLadder(setup.type, setup.group, d1)) {
                if (stud && (d2 == 7.25 || d2 == 9.25)) {
                    break;
                }
                if (toSingle(div(factors.ColLe1, d1)) > ColSlendernessLimit ||
                    toSingle(div(factors.ColLe2, d2)) > ColSlendernessLimit) {
                    break;
                }
                evaluateWoodColumnSize(d1, d2, criteria, setup, factors);
                if (factors.ColFcAdj >= factors.ColActualFc) {
                    picks.captions[static_cast<std::size_t>(row)] = columnWidthLabel(d2);
                    found = found || !picks.captions[static_cast<std::size_t>(row)].empty();
                    break;
                }
            }
        }
        picks.noneWork = !found;
    } catch (const platform::RuntimeError&) {
        picks.failed = true;
    }
    return picks;
}

namespace
{

struct SizeText
{
    std::string_view text;
    float inches;
};

constexpr std::array<SizeText, 4> BuiltUpThickness{
    {{"(2) 2x", 3.0f}, {"(3) 2x", 4.5f}, {"(4) 2x", 6.0f}, {"(5) 2x", 7.5f}}};
constexpr std::array<SizeText, 3> TimberThickness{{{"6x", 5.5f}, {"8x", 7.5f}, {"10x", 9.5f}}};
constexpr std::array<SizeText, 2> DimensionThickness{{{"2x", 1.5f}, {"4x", 3.5f}}};
constexpr std::array<SizeText, 4> DimensionWidth{{{"4", 3.5f}, {"6", 5.5f}, {"8", 7.25f}, {"10", 9.25f}}};
constexpr std::array<SizeText, 3> TimberWidth{{{"6", 5.5f}, {"8", 7.5f}, {"10", 9.5f}}};

template <std::size_t N> float findSize(const std::array<SizeText, N>& sizes, std::string_view text)
{
    for (const auto& size : sizes) {
        if (size.text == text) {
            return size.inches;
        }
    }
    return 0;
}

constexpr std::string_view D1BuiltUpMessage = "D1 thickness is incorrect for a built-up column.  Please "
                                              "check your entry. It must be typed exactly like one of "
                                              "the following: (2) 2x, (3) 2x, (4) 2x, or (5) 2x.";
constexpr std::string_view D1TimberMessage = "D1 thickness is incorrect for a solid 6x+ column.  Please "
                                             "check your entry. It must be typed exactly like one "
                                             "of the following: 6x, 8x, or 10x.";
constexpr std::string_view D1DimensionMessage = "D1 thickness is incorrect for a solid, dimension lumber 2x "
                                                "or 4x column.  Please check your entry. It must be "
                                                "typed exactly like one of the following: 2x, or 4x.";
constexpr std::string_view D2BuiltUpMessage = "D2 thickness is incorrect for a built-up column.  Please "
                                              "check your entry. It must be typed exactly like one of "
                                              "the following: 4, 6, 8, or 10";
constexpr std::string_view D2DimensionMessage = "D2 thickness is incorrect for a 2x or 4x dimension lumber "
                                                "column.  Please check your entry. It must be typed "
                                                "exactly like one of the following: 4, 6, 8, or 10";
constexpr std::string_view D2StringerMessage = "D2 thickness is incorrect. Only 6x10s are greater than 2 "
                                               "inches in one dimension. 6x6s, 6x8s, etc. use the Post "
                                               "and Timber values.";
constexpr std::string_view D2TimberMessage =
    "D2 thickness is incorrect for a 6x column.  Please check your entry. It must be typed exactly like one "
    "of the "
    "following: 6, 8, or 10.  Note that when using Post and Timber Values, D1 and D2 must be the same or "
    "within 2 "
    "inches. Beam and Stringer values require D1 and D2 to be greater than 2 inches different.";
constexpr std::string_view D2StudMessage = "Stud grade members with an 8 inch depth will default to Grade "
                                           "No. 3 values. We recommend that you select a No.2 "
                                           "grade or select a shallower stud depth.";

} // namespace

PickedWoodSize readPickedWoodSize(std::string_view d1Text, std::string_view d2Text,
                                  const WoodColumnSetup& setup)
{
    PickedWoodSize size;
    const bool timber = setup.type == ColumnType::Solid6x;
    if (isBuiltUp(setup.type)) {
        size.d1In = findSize(BuiltUpThickness, d1Text);
        size.message = D1BuiltUpMessage;
    } else if (timber) {
        size.d1In = findSize(TimberThickness, d1Text);
        size.message = D1TimberMessage;
    } else {
        size.d1In = findSize(DimensionThickness, d1Text);
        size.message = D1DimensionMessage;
    }
    if (size.d1In == 0) {
        size.refused = PickedEntry::D1;
        return size;
    }
    size.message = {};
    size.d2In = timber ? findSize(TimberWidth, d2Text) : findSize(DimensionWidth, d2Text);
    if (size.d2In == 0) {
        size.message = timber                  ? D2TimberMessage
                       : isBuiltUp(setup.type) ? D2BuiltUpMessage
                                               : D2DimensionMessage;
    } else if (timber && setup.group == ColumnValueGroup::BeamAndStringer && size.d2In == 7.5f) {
        size.message = D2StringerMessage;
    } else if (timber && setup.group == ColumnValueGroup::PostAndTimber &&
               std::fabs(size.d1In - size.d2In) > 2.0f) {
        // Post and timber values need sides within 2 in. of each other; a 6x10 takes beam values.
        size.message = D2TimberMessage;
    } else if (!timber && setup.ColStudGrade == -1 && size.d2In > 5.5f) {
        size.message = D2StudMessage;
    }
    if (!size.message.empty()) {
        size.refused = PickedEntry::D2;
    }
    return size;
}

void checkPickedWoodColumn(double d1In, double d2In, const ColumnCriteria& criteria,
                           const WoodColumnSetup& setup, ColumnFactors& factors)
{
    startWoodColumnRun(criteria, setup, factors);
    factors.ColD1 = toSingle(d1In);
    factors.ColD2 = toSingle(d2In);
    evaluateWoodColumnSize(d1In, d2In, criteria, setup, factors);
    factors.ColAreaReq = toSingle(div(criteria.ColP, factors.ColFcAdj));
}

} // namespace columns
