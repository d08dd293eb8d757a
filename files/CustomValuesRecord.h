// The custom values record (*.VAL, 66 bytes): the user's own design values with the member class of the
// custom values form.
#pragma once

#include "platform/core/DecodedRecord.h"
#include "platform/core/Record.h"

#include <cstdint>
#include <span>
#include <string>

namespace files
{

constexpr std::int16_t CustomValuesMarker = -1;

// Switches and class options are -1 (set) or 0; msr and mel are the program's MSR and MEL flags, kept
// as stored whatever they hold.
struct CustomValues
{
    std::int16_t marker = CustomValuesMarker;
    float fb = 0, fv = 0, fcPerp = 0; // psi
    float e = 0;                      // millions of psi
    std::string species;              // species and grade
    std::int16_t southernPine = 0, class2x = 0, class4x = 0, timber = 0, gluLam = 0, gluLamHeader = 0;
    std::int16_t round = 0, msr = 0, mel = 0;
    bool operator==(const CustomValues&) const = default;
};

// Writes every field over the record (at least 66 bytes), the marker included.
void encodeCustomValuesRecord(const CustomValues& values, platform::Record& record);

// The decision on a custom values file's bytes: the marker, a whole record, finite design values of 0 or
// more, and switches and class options of -1 or 0.
platform::DecodedRecord<CustomValues> decodeCustomValuesRecord(std::span<const std::uint8_t> bytes);

} // namespace files
