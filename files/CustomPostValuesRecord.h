// The custom post values record (*.CPV, 38 bytes): a user's own Fc, E and species text for a wood post.
#pragma once

#include "platform/core/DecodedRecord.h"
#include "platform/core/Record.h"

#include <cstdint>
#include <span>
#include <string>

namespace files
{

constexpr std::int16_t CustomPostValuesMarker = 100;

struct CustomPostValues
{
    std::int16_t marker = CustomPostValuesMarker;
    std::int16_t PostFc = 0; // psi
    float PostE = 0.0f;      // millions of psi
    std::string PostSpecies;
    bool operator==(const CustomPostValues&) const = default;
};

// Writes every field over the record (at least 38 bytes), the marker included.
void encodeCustomPostValuesRecord(const CustomPostValues& values, platform::Record& record);

// The decision on a custom post values file's bytes: the marker, a whole record, and values the column
// criteria form's entry checks would keep once written: an Fc above 0 and a finite E that shows as at
// least ".1".
platform::DecodedRecord<CustomPostValues> decodeCustomPostValuesRecord(std::span<const std::uint8_t> bytes);

} // namespace files
