// The SCL design values of the run (the program keeps one, SCLValueTable): what the two SCL files
// hold, what "Load" and "Save" move between the value boxes and the files, and what a product choice
// copies into the boxes. All zero at start.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace scl
{

constexpr std::size_t SCLEntryCount = 24; // products 0..22, then product 25
constexpr std::size_t SCLNameWidth = 30;  // a custom product's name, blank-padded on disk

struct SCLValueEntry
{
    std::int16_t Fb = 0;     // psi
    std::int16_t Fv = 0;     // psi
    float E = 0;             // million psi
    std::int16_t FcPerp = 0; // psi

    bool operator==(const SCLValueEntry&) const = default;
};

struct CustomSCLEntry
{
    SCLValueEntry values;
    float exponent = 0; // x of the size factor (12 / d)^x
    // The name as stored: 30 single-byte characters once loaded or saved; empty before, which is stored
    // as 30 NULs (so that an empty entry costs no allocation).
    std::string name;

    bool operator==(const CustomSCLEntry&) const = default;
};

struct SCLValues
{
    std::int16_t selectedProduct = 0; // the product saved last
    std::array<SCLValueEntry, SCLEntryCount> entries{};
    std::array<CustomSCLEntry, 2> custom{};

    bool operator==(const SCLValues&) const = default;
};

// The table entry of a manufacturer's product (entry 23 holds product 25); -1 for the others.
int sclEntryIndex(int product);

} // namespace scl
