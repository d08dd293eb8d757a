// The SCL products of the custom values form: list texts, maker lines, the breadths each product is
// made in, the makers' published design values, and the size tables the SCL beam test and the first
// depth estimate read. All of it is constant data keyed on the product's position in the list.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace scl
{

constexpr int SCLProductCount = 26;
constexpr int CustomSCL1 = 23;
constexpr int CustomSCL2 = 24;
constexpr int GluLamProduct = 25;
constexpr int SCLSlotCount = 5;

// One product of the list. Slot texts are breadths, "" where the product leaves the slot empty.
struct SCLProduct
{
    const char* listText;
    const char* makerLine;
    std::array<const char*, SCLSlotCount> slots;
};

// The makers' values as the "Load" button writes them into the value boxes ("" for none).
struct SCLBuiltInValues
{
    const char* Fb;
    const char* Fv;
    const char* E;
    const char* FcPerp;
};

extern const std::array<SCLProduct, SCLProductCount> SCLCatalogue;
extern const std::array<SCLBuiltInValues, SCLProductCount> SCLBuiltIn;

bool isSCLProduct(int index);
bool isCustomSCL(int index);

// Net breadth b (in) of an SCL breadth text, as the beam test reads it; nothing when not an SCL breadth.
std::optional<float> sclNetBreadth(std::string_view breadth);

// Breadth b (in) of a slot label for the first depth estimate; 0.00001 for any text it does not list.
float sclEstimateBreadth(std::string_view label);

// One depth of a product in a breadth: its net depth and its neighbours for size stepping.
struct SCLDepthRow
{
    std::string depth;
    float BeamDepth = 0;
    std::string NextLargerLabel;
    float NextSmallerDepth = 0;
    std::string NextSmallerLabel;
};

// The product's own depths first, then the depths every product is made in; nothing when neither has
// the text.
std::optional<SCLDepthRow> sclDepthRow(int product, std::string_view breadth, std::string_view depth);

// The first depth estimate: the depth text of the product's series for an estimated depth d (in), or
// nothing when d lies outside the series. Products 23 and 24 have a series of their own for the
// estimate written into the depth box (customEstimate).
std::optional<std::string> sclEstimateRung(int product, double d, bool customEstimate = false);

// How a product adjusts bending for its size.
struct SCLSizeColumns
{
    bool volumeFactor = false;        // CV in place of CF
    bool withholdsRepetitive = false; // Cr stays 1.0 with repetitive use
    float selfWeightFactor = 0;       // lb per ft per in^2 of section
};
std::optional<SCLSizeColumns> sclSizeColumns(int product);

// The exponent x of CF = (12 / d)^x of a size-factor product at depth d; the custom products take
// the user's exponent. Nothing for the volume-factor products and an index outside the list.
std::optional<double> sclSizeExponent(int product, double d, double userExponent);

// Value of a depth text of whole inches, optionally a hyphen and a fraction ("11-7/8" is 11.875);
// nothing for any other text.
std::optional<double> sclDepthTextValue(std::string_view text);

} // namespace scl
