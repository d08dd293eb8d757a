// The size tables of the custom values form, as the products are made and as the member classes are
// sized. Each table is one constant; the functions only look texts up in them.
#include "scl/CustomValueTables.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <vector>

namespace scl
{

namespace
{

using Texts = std::vector<std::string_view>;

bool contains(const Texts& texts, std::string_view text)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

bool contains(const std::vector<int>& values, int value)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

// Depth series shared by several rows.
const Texts ShortSeries{"5-1/2", "7-1/4", "9-1/4", "9-1/2", "11-1/4", "11-7/8", "14"};
const Texts MidSeries{"5-1/2", "7-1/4", "9-1/4", "9-1/2", "11-1/4", "11-7/8", "14", "16", "18"};
const Texts LongSeries{"5-1/2", "7-1/4", "9-1/4", "9-1/2", "11-1/4", "11-7/8",
                       "14",    "16",    "18",    "20",    "22",     "24"};
const Texts ParallamSeries{"9-1/4", "9-1/2", "11-1/4", "11-7/8", "14", "16", "18"};
const Texts LamSeries{"9-1/2", "11-7/8", "14"};
const Texts LamDeepSeries{"9-1/2", "11-7/8", "14", "16", "18"};
const Texts BuiltUp134{"(2) 1-3/4x", "(3) 1-3/4x", "(4) 1-3/4x"};
const Texts BuiltUp112And134{"(2) 1-1/2x", "(3) 1-1/2x", "(4) 1-1/2x",
                             "(2) 1-3/4x", "(3) 1-3/4x", "(4) 1-3/4x"};

Texts withFirst(std::string_view first, const Texts& rest)
{
    Texts t{first};
    t.insert(t.end(), rest.begin(), rest.end());
    return t;
}

struct SizeRow
{
    std::vector<int> products;
    Texts breadths;
    Texts depths;
};

// SCLDepthTable: products by list position; a product and breadth without a row take no depth.
const std::vector<SizeRow>& sclDepthRows()
{
    static const std::vector<SizeRow> rows{
        {{0}, {"1-3/4x", "2-5/8x"}, MidSeries},
        {{0}, BuiltUp134, LongSeries},
        {{1}, {"3-1/2x"}, LongSeries},
        {{1}, {"5-1/4x"}, withFirst("5-1/4", LongSeries)},
        {{1}, {"7x"}, {"9-1/4", "9-1/2", "11-1/4", "11-7/8", "14", "16", "18", "20", "22", "24"}},
        {{2}, {"1-3/4x"}, ShortSeries},
        {{2}, BuiltUp134, LongSeries},
        {{3, 4}, {"2-11/16x", "3-1/2x", "5-1/4x", "7x"}, ParallamSeries},
        {{5}, {"1-3/4x"}, ShortSeries},
        {{5}, {"3-1/2x"}, LongSeries},
        {{6}, {"1-3/4x"}, {"7-1/4", "9-1/4", "9-1/2", "11-1/4", "11-7/8", "14"}},
        {{6}, BuiltUp134, {"7-1/4", "9-1/4", "9-1/2", "11-1/4", "11-7/8", "14", "16", "18", "24"}},
        {{7, 8, 9, 20, 21}, {"1-1/2x", "1-3/4x"}, withFirst("3-1/2", ShortSeries)},
        {{7, 8, 9, 20, 21}, BuiltUp112And134, withFirst("3-1/2", LongSeries)},
        {{10}, {"3-1/2x"}, {"4-3/8", "5-1/2", "7-1/4", "8-5/8", "9-1/4", "11-1/4"}},
        {{11, 12}, {"1-3/4x", "3-1/2x", "5-1/4x"}, {"9-1/4", "9-1/2", "11-1/4", "11-7/8", "14", "16"}},
        {{13, 14}, {"1-3/4x", "2-1/2x"}, LamSeries},
        {{13}, {"3-1/2x", "5-1/2x"}, LamDeepSeries},
        {{14, 15}, {"3-1/2x", "5-1/2x", "7x"}, LamDeepSeries},
        {{16, 17}, {"1-3/4x"}, ShortSeries},
        {{16, 17},
         BuiltUp134,
         {"5-1/2", "7-1/4", "9-1/4", "9-1/2", "11-1/4", "11-7/8", "14", "16", "18", "24"}},
        {{18},
         {"1-3/4x", "3-1/2x"},
         {"3-1/2", "4-3/8", "5-1/2", "7-1/4", "9-1/4", "9-1/2", "11-1/4", "11-7/8", "14", "16", "18"}},
        {{19}, {"1-1/4x"}, {"9-1/2"}},
        {{19}, {"(2) 1-1/4x", "(3) 1-1/4x", "(4) 1-1/4x"}, {"9-1/2", "11-7/8", "14", "16"}},
        {{22}, {"3-1/2x"}, LamDeepSeries},
        {{22}, {"5-1/2x", "7x"}, {"9-1/2", "11-7/8", "14", "16", "18", "20", "22", "24", "26", "28", "30"}},
        {{25},
         {"3-1/2x", "5-1/2x", "6-3/4x", "8-3/4x"},
         {"6", "7-1/2", "9", "9-1/4", "9-1/2", "10-1/2", "11-1/4", "11-7/8", "12", "13-1/2", "14", "15", "16",
          "16-1/2", "18", "19-1/2", "21", "22-1/2", "24"}},
    };
    return rows;
}

const std::vector<int> OneAndAHalfProducts{5, 6, 7, 8, 9, 20, 21};
const Texts OneAndAHalfBreadths{"1-1/2x", "(2) 1-1/2x", "(3) 1-1/2x", "(4) 1-1/2x"};

constexpr std::array<std::string_view, 19> CustomSCLBreadthTexts{
    "1-1/4x",     "(2) 1-1/4x", "(3) 1-1/4x", "(4) 1-1/4x", "1-1/2x",     "(2) 1-1/2x", "(3) 1-1/2x",
    "(4) 1-1/2x", "1-3/4x",     "(2) 1-3/4x", "(3) 1-3/4x", "(4) 1-3/4x", "2-1/2x",     "2-5/8x",
    "2-11/16x",   "3-1/2x",     "5-1/4x",     "5-1/2x",     "7x"};
constexpr std::array<std::string_view, 16> CustomSCLDepthTexts{
    "3-1/2",  "4-3/8",  "5-1/4", "5-1/2", "7-1/4", "9-1/4", "9-1/2", "11-1/4",
    "11-1/2", "11-7/8", "14",    "16",    "18",    "20",    "22",    "24"};

// MemberClassBreadths.
constexpr std::array<std::string_view, 4> TwoXBreadths{"2x", "(2) 2x", "(3) 2x", "(4) 2x"};
constexpr std::array<std::string_view, 1> FourXBreadths{"4x"};
constexpr std::array<std::string_view, 19> TimberBreadths{
    "5x",  "5-1/2x",  "6x",  "6-1/2x",  "7x",  "7-1/2x",  "8x",  "8-1/2x",  "9x", "9-1/2x",
    "10x", "10-1/2x", "11x", "11-1/2x", "12x", "12-1/2x", "13x", "13-1/2x", "14x"};
constexpr std::array<std::string_view, 8> GluLamBreadths{"3-1/8x", "3-1/2x", "5-1/8x", "5-1/2x",
                                                         "6-3/4x", "7x",     "8-3/4x", "10-3/4x"};
constexpr std::array<std::string_view, 8> PineGluLamBreadths{"3-1/8x", "3-1/2x", "5-1/8x", "5-1/2x",
                                                             "6-3/4x", "7x",     "8-1/2x", "10-1/2x"};
constexpr std::array<std::string_view, 3> HeaderBreadths{"3-1/2x", "5-1/2x", "7-1/4x"};

// Post and timber pairs: the breadth with its two depths.
struct PostPair
{
    std::string_view breadth;
    std::string_view depth1;
    std::string_view depth2;
};
constexpr std::array<PostPair, 5> PostAndTimberPairs{{
    {"6x", "6", "8"},
    {"8x", "8", "10"},
    {"10x", "10", "12"},
    {"12x", "12", "14"},
    {"14x", "14", "16"},
}};

// The fix-up table: depths a product does not offer on some of its buttons.
struct TakeOffRow
{
    std::vector<int> products;
    std::vector<int> buttons;
    Texts captions;
};
const std::vector<int> AllButtons{0, 1, 2, 3, 4};

const std::vector<TakeOffRow>& takeOffRows()
{
    static const std::vector<TakeOffRow> rows{
        {{0}, {0, 4}, {"5-1/4", "20", "22", "24"}},
        {{1}, {1, 2}, {"5-1/4"}},
        {{1}, {3}, {"5-1/4", "5-1/2", "7-1/4"}},
        {{2}, {0}, {"16", "18", "20", "22", "24"}},
        {{3, 4}, {4}, {"16", "18", "20", "22", "24"}},
        {{3, 4}, AllButtons, {"5-1/2", "7-1/4", "20", "22", "24"}},
        {{5, 6, 7, 8, 9, 16}, {0}, {"16", "18", "20", "22", "24"}},
        {{6}, AllButtons, {"5-1/2"}},
        {{13}, {0, 1}, {"16", "18"}},
        {{14}, {0, 4}, {"16", "18"}},
        {{17}, {0}, {"20", "22"}},
        {{19}, {0}, {"11-7/8", "14", "16", "18", "20", "22", "24"}},
        {{20, 21}, AllButtons, {"20", "22", "24"}},
        {{20, 21}, {0}, {"16", "18"}},
        {{22}, {1}, {"5-1/2", "7-1/4", "9-1/4", "11-1/4", "20", "22", "24", "26", "28", "30"}},
        {{22}, {2, 3}, {"5-1/2", "7-1/4", "9-1/4", "11-1/4"}},
        {{25}, {0, 1, 2, 3}, {"5-1/2", "7-1/4", "20", "22", "26", "28", "30"}},
    };
    return rows;
}

// The maker line of each list position 0..25.
constexpr std::array<std::string_view, 26> MakerLines{"Boise Cascade LVL",
                                                      "Boise Cascade LVL",
                                                      "Trus Joist LVL",
                                                      "Trus Joist PSL",
                                                      "Trus Joist PSL",
                                                      "Pacific Woodtech LVL",
                                                      "Blue Linx LVL",
                                                      "Lousiana Pacific LVL",
                                                      "Lousiana Pacific LVL",
                                                      "Lousiana Pacific LVL",
                                                      "Trus Joist LSL",
                                                      "Trus Joist LSL",
                                                      "Trus Joist LSL",
                                                      "Chantiers Chibougamau LSL",
                                                      "Chantiers Chibougamau LSL",
                                                      "Chantiers Chibougamau LSL",
                                                      "West Fraser LVL",
                                                      "West Fraser LVL",
                                                      "West Fraser LVL",
                                                      "West Fraser LVL",
                                                      "Roseburg Forest Products LVL",
                                                      "Roseburg Forest Products LVL",
                                                      "Rosboro Hybrid LSL",
                                                      "Custom SCL #1",
                                                      "Custom SCL #2",
                                                      "Rosboro X-Beam GLB"};

} // namespace

bool SCLDepthTable(int product, std::string_view breadth, std::string_view depth)
{
    for (const SizeRow& row : sclDepthRows()) {
        if (contains(row.products, product) && contains(row.breadths, breadth)) {
            return contains(row.depths, depth);
        }
    }
    return false;
}

bool OneAndAHalfOnRequest(int product, std::string_view breadth)
{
    return contains(OneAndAHalfProducts, product) && contains(OneAndAHalfBreadths, breadth);
}

std::span<const std::string_view> CustomSCLBreadths()
{
    return CustomSCLBreadthTexts;
}

std::span<const std::string_view> CustomSCLDepths()
{
    return CustomSCLDepthTexts;
}

std::span<const std::string_view> MemberClassBreadths(MemberClass memberClass, bool pineLaminations)
{
    switch (memberClass) {
    case MemberClass::TwoX:
        return TwoXBreadths;
    case MemberClass::FourX:
        return FourXBreadths;
    case MemberClass::Timber:
        return TimberBreadths;
    case MemberClass::GluLamBeam:
        return pineLaminations ? std::span<const std::string_view>(PineGluLamBreadths)
                               : std::span<const std::string_view>(GluLamBreadths);
    case MemberClass::GluLamHeader:
        return HeaderBreadths;
    }
    return {};
}

int TimberDepthFloor(std::string_view breadth)
{
    // The breadths step by 1/2 in. from 5x, so the floor of the i-th is 5 + i / 2.
    for (std::size_t i = 0; i < TimberBreadths.size(); ++i) {
        if (TimberBreadths[i] == breadth) {
            return 5 + static_cast<int>(i / 2);
        }
    }
    return 0;
}

bool PostAndTimberPair(std::string_view breadth, std::string_view depth)
{
    return std::any_of(PostAndTimberPairs.begin(), PostAndTimberPairs.end(), [&](const PostPair& p) {
        return p.breadth == breadth && (p.depth1 == depth || p.depth2 == depth);
    });
}

bool DepthTakenOff(int product, int button, std::string_view caption)
{
    return std::any_of(takeOffRows().begin(), takeOffRows().end(), [&](const TakeOffRow& row) {
        return contains(row.products, product) && contains(row.buttons, button) &&
               contains(row.captions, caption);
    });
}

std::string_view MakerLine(int product)
{
    if (product < 0 || product >= static_cast<int>(MakerLines.size())) {
        return {};
    }
    return MakerLines[static_cast<std::size_t>(product)];
}

} // namespace scl
