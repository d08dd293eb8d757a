// The SCL product list and its size tables.
#include "scl/SCLCatalogue.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>
#include <vector>

namespace scl
{

// Slots 0..3 left to right after slot 4, which the form shows leftmost.
const std::array<SCLProduct, SCLProductCount> SCLCatalogue{{
    {"2.0E BC Versa-Lam 2800",
     "Boise LVL 2800",
     {"2-5/8x", "(2) 1-3/4x", "(3) 1-3/4x", "(4) 1-3/4x", "1-3/4x"}},
    {"2.0E BC Versa-Lam 3100", "Boise LVL 3100", {"", "3-1/2x", "5-1/4x", "7x", ""}},
    {"1.9E TJ Microllam LVL", "Trus Joist LVL", {"1-3/4x", "(2) 1-3/4x", "(3) 1-3/4x", "(4) 1-3/4x", ""}},
    {"2.0E TJ Parallam W.S. PSL", "Trus Joist PSL", {"2-11/16x", "3-1/2x", "5-1/4x", "7x", ""}},
    {"2.0E TJ Parallam E.S. PSL", "Trus Joist PSL", {"2-11/16x", "3-1/2x", "5-1/4x", "7x", ""}},
    {"2.1E PW LVL", "Pacific Woodtech LVL", {"1-3/4x", "3-1/2x", "", "", ""}},
    {"2.1E BL onCenter LVL", "Blue Linx LVL", {"1-3/4x", "(2) 1-3/4x", "", "", ""}},
    {"1.9E LP SolidStart LVL",
     "Lousiana Pacific LVL",
     {"1-3/4x", "(2) 1-3/4x", "(3) 1-3/4x", "(4) 1-3/4x", ""}},
    {"2.0E LP SolidStart LVL",
     "Lousiana Pacific LVL",
     {"1-3/4x", "(2) 1-3/4x", "(3) 1-3/4x", "(4) 1-3/4x", ""}},
    {"1.5E LP SolidStart LVL",
     "Lousiana Pacific LVL",
     {"1-3/4x", "(2) 1-3/4x", "(3) 1-3/4x", "(4) 1-3/4x", ""}},
    {"1.3E TJ TimberStrand LSL", "Trus Joist LSL", {"", "3-1/2x", "", "", ""}},
    {"Disc. 1.5E TJ TimberStrand LSL", "Trus Joist LSL", {"1-3/4x", "3-1/2x", "5-1/4x", "", ""}},
    {"1.55E TJ TimberStrand LSL", "Trus Joist LSL", {"1-3/4x", "3-1/2x", "5-1/4x", "", ""}},
    {"20F-1.6E CC NordicLam LSL", "Chantiers Chibougamau LSL", {"1-3/4x", "2-1/2x", "3-1/2x", "5-1/2x", ""}},
    {"24F-1.9E CC NordicLam LSL",
     "Chantiers Chibougamau LSL",
     {"2-1/2x", "3-1/2x", "5-1/2x", "7x", "1-3/4x"}},
    {"30F-2.2E CC NordicLam LSL", "Chantiers Chibougamau LSL", {"", "3-1/2x", "5-1/2x", "7x", ""}},
    {"2.0E WF West Fraser LVL", "West Fraser LVL", {"1-3/4x", "(2) 1-3/4x", "(3) 1-3/4x", "(4) 1-3/4x", ""}},
    {"1.8E WF West Fraser LVL", "West Fraser LVL", {"1-3/4x", "(2) 1-3/4x", "(3) 1-3/4x", "(4) 1-3/4x", ""}},
    {"1.7E WF West Fraser LVL", "West Fraser LVL", {"1-3/4x", "3-1/2x", "", "", ""}},
    {"1.3E WF West Fraser LVL", "West Fraser LVL", {"1-1/4x", "(2) 1-1/4x", "(3) 1-1/4x", "(4) 1-1/4x", ""}},
    {"1.5E RFP RigidLam LVL",
     "Roseburg Forest Products LVL",
     {"1-3/4x", "(2) 1-3/4x", "(3) 1-3/4x", "(4) 1-3/4x", ""}},
    {"2.0E RFP RigidLam LVL",
     "Roseburg Forest Products LVL",
     {"1-3/4x", "(2) 1-3/4x", "(3) 1-3/4x", "(4) 1-3/4x", ""}},
    {"2.1E RB Rosboro BigBeam LSL", "Rosboro BigBeam Hybrid LSL", {"", "3-1/2x", "5-1/2x", "7x", ""}},
    {"Custom SCL #1", "For SCL's Only, not for Glu-lam products.", {"", "", "", "", ""}},
    {"Custom SCL #2", "For SCL's Only, not for Glu-lam products.", {"", "", "", "", ""}},
    {"1.8E RB Rosboro X-Beam GLB", "Rosboro X-Beam Glu-Lam", {"3-1/2x", "5-1/2x", "6-3/4x", "8-3/4x", ""}},
}};

const std::array<SCLBuiltInValues, SCLProductCount> SCLBuiltIn{{
    {"2800", "285", "2.0", "750"},
    {"3100", "285", "2.0", "750"},
    {"2600", "285", "1.9", "750"},
    {"2900", "290", "2.0", "625"},
    {"2900", "290", "2.0", "625"},
    {"3100", "285", "2.1", "850"},
    {"3100", "285", "2.1", "750"},
    {"2650", "285", "1.9", "750"},
    {"2900", "285", "2.0", "750"},
    {"2250", "285", "1.5", "750"},
    {"1700", "425", "1.3", "710"},
    {"", "", "", ""},
    {"2325", "310", "1.55", "900"},
    {"2000", "250", "1.6", "450"},
    {"2400", "250", "1.9", "560"},
    {"3000", "250", "2.2", "650"},
    {"3100", "300", "2.0", "750"},
    {"3000", "300", "1.8", "750"},
    {"2750", "290", "1.7", "700"},
    {"1700", "220", "1.3", "600"},
    {"2250", "220", "1.5", "575"},
    {"3100", "290", "2.0", "750"},
    {"3000", "265", "2.1", "650"},
    {"", "", "", ""},
    {"", "", "", ""},
    {"2400", "265", "1.8", "650"},
}};

bool isSCLProduct(int index)
{
    return index >= 0 && index < SCLProductCount;
}

bool isCustomSCL(int index)
{
    return index == CustomSCL1 || index == CustomSCL2;
}

namespace
{

struct BreadthEntry
{
    std::string_view text;
    float b;
};

// The breadths of the beam test, in the order they are tried.
constexpr std::array<BreadthEntry, 21> SCLBreadths{{
    {"1-3/4x", 1.75f},    {"1-1/4x", 1.25f},     {"(2) 1-1/4x", 2.5f}, {"(3) 1-1/4x", 3.75f},
    {"(4) 1-1/4x", 5.0f}, {"1-1/2x", 1.5f},      {"(2) 1-1/2x", 3.0f}, {"(3) 1-1/2x", 4.5f},
    {"(4) 1-1/2x", 6.0f}, {"2-1/2x", 2.5f},      {"(2) 1-3/4x", 3.5f}, {"(3) 1-3/4x", 5.25f},
    {"(4) 1-3/4x", 7.0f}, {"3-1/2x", 3.5f},      {"5-1/2x", 5.5f},     {"7x", 7.0f},
    {"2-5/8x", 2.625f},   {"2-11/16x", 2.6875f}, {"5-1/4x", 5.25f},    {"6-3/4x", 6.75f},
    {"8-3/4x", 8.75f},
}};

// The breadths of the first depth estimate (the slot labels and the custom products' 3-1/2 in.).
constexpr std::array<BreadthEntry, 17> SCLBreadthTable{{
    {"1-1/4x", 1.25f},
    {"(2) 1-1/4x", 2.5f},
    {"(3) 1-1/4x", 3.75f},
    {"(4) 1-1/4x", 5.0f},
    {"1-3/4x", 1.75f},
    {"(2) 1-3/4x", 3.5f},
    {"(3) 1-3/4x", 5.25f},
    {"(4) 1-3/4x", 7.0f},
    {"2-1/2x", 2.5f},
    {"2-5/8x", 2.625f},
    {"2-11/16x", 2.6875f},
    {"3-1/2x", 3.5f},
    {"5-1/4x", 5.25f},
    {"5-1/2x", 5.5f},
    {"6-3/4x", 6.75f},
    {"7x", 7.0f},
    {"8-3/4x", 8.75f},
}};

std::optional<float> findBreadth(std::string_view text, const auto& table)
{
    for (const BreadthEntry& entry : table) {
        if (entry.text == text) {
            return entry.b;
        }
    }
    return std::nullopt;
}

bool among(int product, std::initializer_list<int> products)
{
    return std::find(products.begin(), products.end(), product) != products.end();
}

using Series = std::vector<std::string>;

const Series DefaultDepths{"5-1/2", "7-1/4", "9-1/4", "9-1/2", "11-1/4", "11-7/8",
                           "14",    "16",    "18",    "20",    "22",     "24"};

// The product's own depth series in the breadth; empty when it has none.
Series ownDepths(int product, std::string_view breadth)
{
    if (among(product, {13, 14, 15})) {
        return {"9-1/2", "11-7/8", "14", "16", "18"};
    }
    if (product == 10) {
        return {"4-3/8", "5-1/2", "7-1/4", "8-5/8", "9-1/4", "11-1/4"};
    }
    if (among(product, {11, 12})) {
        return {"9-1/4", "9-1/2", "11-1/4", "11-7/8", "14", "16"};
    }
    if (among(product, {16, 17})) {
        return {"5-1/2", "7-1/4", "9-1/4", "9-1/2", "11-1/4", "11-7/8", "14", "16", "18", "24"};
    }
    if (product == 18) {
        return {"3-1/2", "4-3/8", "5-1/2", "7-1/4", "9-1/4", "9-1/2", "11-1/4", "11-7/8", "14", "16", "18"};
    }
    if (product == 19) {
        return {"9-1/2", "11-7/8", "14", "16"};
    }
    if (among(product, {7, 8, 9, 20, 21})) {
        return {"3-1/2", "5-1/2"};
    }
    if (product == 22 && breadth == "3-1/2x") {
        return {"9-1/2", "11-7/8", "14", "16", "18"};
    }
    if (product == 22 && (breadth == "5-1/2x" || breadth == "7x")) {
        return {"9-1/2", "11-7/8", "14", "16", "18", "20", "22", "24", "26", "28", "30"};
    }
    if (product == GluLamProduct) {
        return {"6",      "7-1/2", "9",  "9-1/4",  "9-1/2", "10-1/2", "11-1/4", "11-7/8", "12",
                "13-1/2", "14",    "15", "16-1/2", "18",    "19-1/2", "21",     "22-1/2", "24"};
    }
    if (isCustomSCL(product)) {
        return {"4-3/8",  "5-1/2", "7-1/4", "8-5/8", "9-1/4", "9-1/2", "11-1/4",
                "11-7/8", "14",    "16",    "18",    "20",    "22",    "24"};
    }
    return {};
}

std::optional<SCLDepthRow> rowIn(const Series& series, std::string_view depth)
{
    for (std::size_t i = 0; i < series.size(); ++i) {
        if (series[i] != depth) {
            continue;
        }
        SCLDepthRow row;
        row.depth = series[i];
        row.BeamDepth = static_cast<float>(*sclDepthTextValue(series[i]));
        if (i + 1 < series.size()) {
            row.NextLargerLabel = series[i + 1];
        }
        if (i > 0) {
            row.NextSmallerLabel = series[i - 1];
            row.NextSmallerDepth = static_cast<float>(*sclDepthTextValue(series[i - 1]));
        }
        return row;
    }
    return std::nullopt;
}

struct Rung
{
    std::string_view depth;
    double upper; // the first rung whose bound lies above the estimate is taken
};

using EstimateSeries = std::vector<Rung>;

// Rungs whose bound is their own depth, with an optional wider bound for the deepest one(s).
EstimateSeries rungs(std::initializer_list<Rung> list)
{
    EstimateSeries series;
    for (const Rung& rung : list) {
        const double u = rung.upper > 0 ? rung.upper : *sclDepthTextValue(rung.depth);
        series.push_back({rung.depth, u});
    }
    return series;
}

// The depth series of the first estimate, one for each group of products.
const EstimateSeries& estimateSeries(int product, bool customEstimate)
{
    static const std::array<EstimateSeries, 9> SCLEstimateSeries{
        rungs({{"11-7/8", 0}, {"14", 0}, {"16", 0}, {"18", 20}}),
        rungs({{"3-1/2", 0},
               {"4-3/8", 0},
               {"5-1/2", 0},
               {"7-1/4", 0},
               {"9-1/4", 0},
               {"9-1/2", 0},
               {"11-1/4", 0},
               {"11-7/8", 0},
               {"14", 0},
               {"16", 0},
               {"18", 22}}),
        rungs({{"7-1/4", 0},
               {"9-1/4", 0},
               {"9-1/2", 0},
               {"11-1/4", 0},
               {"11-7/8", 0},
               {"14", 0},
               {"16", 0},
               {"18", 22},
               {"24", 26}}),
        rungs({{"4-3/8", 0}, {"5-1/2", 0}, {"7-1/4", 0}, {"8-5/8", 0}, {"9-1/4", 0}, {"11-1/4", 14}}),
        rungs({{"9-1/2", 0},
               {"11-7/8", 0},
               {"14", 0},
               {"16", 0},
               {"18", 0},
               {"20", 0},
               {"22", 0},
               {"24", 0},
               {"26", 0},
               {"28", 0},
               {"30", 34}}),
        rungs({{"6", 0},
               {"7-1/2", 0},
               {"9", 0},
               {"9-1/4", 0},
               {"9-1/2", 0},
               {"10-1/2", 0},
               {"11-1/4", 0},
               {"11-7/8", 0},
               {"12", 0},
               {"13-1/2", 0},
               {"14", 0},
               {"15", 0},
               {"16", 0},
               {"16-1/2", 0},
               {"18", 0},
               {"19-1/2", 0},
               {"21", 0},
               {"22-1/2", 0},
               {"24", 0}}),
        rungs({{"9-1/4", 0}, {"9-1/2", 0}, {"11-1/4", 0}, {"11-7/8", 0}, {"14", 0}, {"16", 20}}),
        rungs({{"5-1/2", 0},
               {"7-1/4", 0},
               {"9-1/4", 0},
               {"9-1/2", 0},
               {"11-7/8", 0},
               {"14", 0},
               {"16", 0},
               {"18", 0},
               {"20", 0},
               {"22", 0},
               {"24", 26}}),
        rungs({{"4-3/8", 0},
               {"5-1/2", 0},
               {"7-1/4", 0},
               {"9-1/4", 0},
               {"9-1/2", 0},
               {"11-1/4", 0},
               {"11-7/8", 0},
               {"14", 0},
               {"16", 0},
               {"18", 0},
               {"20", 0},
               {"22", 0},
               {"24", 26}}),
    };
    if (customEstimate) {
        return SCLEstimateSeries[8];
    }
    if (among(product, {13, 14, 15, 19})) {
        return SCLEstimateSeries[0];
    }
    if (product == 18) {
        return SCLEstimateSeries[1];
    }
    if (among(product, {16, 17})) {
        return SCLEstimateSeries[2];
    }
    if (product == 10) {
        return SCLEstimateSeries[3];
    }
    if (product == 22) {
        return SCLEstimateSeries[4];
    }
    if (product == GluLamProduct) {
        return SCLEstimateSeries[5];
    }
    if (among(product, {11, 12})) {
        return SCLEstimateSeries[6];
    }
    return SCLEstimateSeries[7];
}

} // namespace

std::optional<float> sclNetBreadth(std::string_view breadth)
{
    return findBreadth(breadth, SCLBreadths);
}

float sclEstimateBreadth(std::string_view label)
{
    return findBreadth(label, SCLBreadthTable).value_or(0.00001f);
}

std::optional<SCLDepthRow> sclDepthRow(int product, std::string_view breadth, std::string_view depth)
{
    std::optional<SCLDepthRow> row = rowIn(ownDepths(product, breadth), depth);
    if (row) {
        // The short series of these LVLs runs on into the default depths.
        if (among(product, {7, 8, 9, 20, 21}) && row->depth == "5-1/2") {
            row->NextLargerLabel = "7-1/4";
        }
        return row;
    }
    return rowIn(DefaultDepths, depth);
}

std::optional<std::string> sclEstimateRung(int product, double d, bool customEstimate)
{
    if (!(d >= 1.5)) {
        return std::nullopt;
    }
    for (const Rung& rung : estimateSeries(product, customEstimate)) {
        if (rung.upper > d) {
            return std::string(rung.depth);
        }
    }
    return std::nullopt;
}

std::optional<SCLSizeColumns> sclSizeColumns(int product)
{
    if (!isSCLProduct(product)) {
        return std::nullopt;
    }
    SCLSizeColumns c;
    c.volumeFactor = among(product, {13, 14, 15, 22, GluLamProduct});
    // Glued-laminated timber takes no repetitive member factor, any more than the LSLs sized by
    // volume do.
    c.withholdsRepetitive = among(product, {13, 14, 15, 22, GluLamProduct});
    if (among(product, {3, 4})) {
        c.selfWeightFactor = 0.3125f;
    } else if (among(product, {5, 6, 10, 11, 12})) {
        c.selfWeightFactor = 0.2638884f;
    } else if (among(product, {7, 8, 9})) {
        c.selfWeightFactor = 0.25f;
    } else if (among(product, {13, 14, GluLamProduct})) {
        c.selfWeightFactor = 0.2430555f;
    } else if (isCustomSCL(product)) {
        c.selfWeightFactor = 0.2604f;
    } else {
        c.selfWeightFactor = 0.25694f;
    }
    return c;
}

std::optional<double> sclSizeExponent(int product, double d, double userExponent)
{
    if (!isSCLProduct(product) || among(product, {13, 14, 15, 22, GluLamProduct})) {
        return std::nullopt;
    }
    if (among(product, {0, 1, 3, 4})) {
        return 1.0 / 9;
    }
    if (among(product, {2, 17})) {
        return 0.136;
    }
    if (product == 5) {
        return 1.0 / 5;
    }
    if (product == 6) {
        return d >= 12 ? 0.2 : 0.125;
    }
    if (among(product, {7, 8, 9})) {
        return d >= 12 ? 1.0 / 7 : 1.0 / 9;
    }
    if (among(product, {10, 11, 12})) {
        return 0.092;
    }
    if (among(product, {16, 18, 19})) {
        return 0.111111;
    }
    if (among(product, {20, 21})) {
        return 0.125;
    }
    return userExponent; // 23, 24
}

std::optional<double> sclDepthTextValue(std::string_view text)
{
    auto wholeNumber = [](std::string_view digits) -> std::optional<int> {
        if (digits.empty() || digits.size() > 4 ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            return std::nullopt;
        }
        int value = 0;
        std::from_chars(digits.data(), digits.data() + digits.size(), value);
        return value;
    };
    const std::size_t hyphen = text.find('-');
    const std::optional<int> whole = wholeNumber(text.substr(0, hyphen));
    if (!whole) {
        return std::nullopt;
    }
    if (hyphen == std::string_view::npos) {
        return double(*whole);
    }
    const std::string_view fraction = text.substr(hyphen + 1);
    const std::size_t slash = fraction.find('/');
    if (slash == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<int> num = wholeNumber(fraction.substr(0, slash));
    const std::optional<int> den = wholeNumber(fraction.substr(slash + 1));
    if (!num || !den || *den == 0 || *num >= *den) {
        return std::nullopt;
    }
    return *whole + double(*num) / *den;
}

} // namespace scl
