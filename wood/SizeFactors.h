// The size factor CF of a sawn member and of its next smaller depth.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace wood
{

// One set of the "2x" and "4x" factors, by nominal depth "4" ... "14" ("16" for 4x).
struct DimensionFactorSet
{
    std::array<double, 6> twoBy;
    std::array<double, 7> fourBy;
};

// The factors of the dimension lumber and timber pairs, and of custom timbers by net depth.
struct SizeFactorSets
{
    DimensionFactorSet setA;       // custom MSR, MEL or Southern Pine values: 1.0
    DimensionFactorSet setB;       // every group but Southern Pine
    DimensionFactorSet pine2Newer; // "So. Pine #2", NDS 2012 and later
    DimensionFactorSet pine2Older; // "So. Pine #2", earlier editions
    DimensionFactorSet pine1Newer; // "So. Pine #1"
    DimensionFactorSet pine1Older;
    DimensionFactorSet mixedPine2Newer; // "Mixed So. Pine #2"
    DimensionFactorSet mixedPine2Older;
    DimensionFactorSet mixedPine1; // "Mixed So. Pine #1", every edition
    std::array<double, 6> timbers; // "6x" pair, depths "6" ... "16"
};
extern const SizeFactorSets SizeFactorTable;

struct CustomTimberFactor
{
    float netDepth; // in
    double factor;
};
extern const std::array<CustomTimberFactor, 32> CustomTimberFactors;

struct SizeFactorInput
{
    std::string_view BreadthClass;
    float BeamBreadth = 0;            // in
    float BeamDepth = 0;              // in
    std::string_view depth;           // Form3.Text2, the nominal depth text
    std::string_view species;         // Form3.Text3
    bool southernPine = false;        // Form1.group(5)
    bool customValues = false;        // Form1.group(8)
    bool machineOrPineValues = false; // MSRFlag, MELFlag or CustomSoPineFlag
    bool Roundoption = false;
    bool Wid6x = false;
    bool newerEdition = false; // NDS 2012, 2015 or 2018
};

// What the size factor step sets; an empty field keeps its value.
struct SizeFactorResult
{
    std::optional<float> CF;
    std::optional<float> CFSmaller;
    std::optional<float> E; // million psi: the newer Southern Pine values replace the table's
};

SizeFactorResult sizeFactors(const SizeFactorInput& input);

} // namespace wood
