// The size tables of the custom values form: which SCL sizes "OK Test" accepts per product, the sizes
// of the two custom SCL products, the breadths of each custom member class, the depths "OK Calc" takes
// off a product's buttons, and the maker line of each product. Size texts are compared exactly.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace scl
{

// SCLDepthTable: whether the product (its list position) is made in this breadth by this depth.
bool SCLDepthTable(int product, std::string_view breadth, std::string_view depth);

// The products that are also made in 1-1/2x plies on request, whatever their breadth labels show.
bool OneAndAHalfOnRequest(int product, std::string_view breadth);

// CustomSCLSizes: the breadths and depths accepted for the two custom SCL products.
std::span<const std::string_view> CustomSCLBreadths();
std::span<const std::string_view> CustomSCLDepths();

enum class MemberClass
{
    TwoX,
    FourX,
    Timber,
    GluLamBeam,
    GluLamHeader,
};

// MemberClassBreadths: the breadth texts of a custom values member class; the Southern Pine
// 1-3/8 in. laminations change the two widest glu-lam beams.
std::span<const std::string_view> MemberClassBreadths(MemberClass memberClass, bool pineLaminations);

// The whole-inch part of a timber breadth ("6-1/2x" gives 6), or 0 when it is not one of the 19.
int TimberDepthFloor(std::string_view breadth);

// Whether a timber breadth and depth form a post and timber pair ("6x" by "6" or "8", ...).
bool PostAndTimberPair(std::string_view breadth, std::string_view depth);

// The fix-up table: whether "OK Calc" takes this caption off this button of the product.
bool DepthTakenOff(int product, int button, std::string_view caption);

// The maker line of a product's list position; empty for none.
std::string_view MakerLine(int product);

} // namespace scl
