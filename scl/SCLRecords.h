// The two SCL files of the program folder: the makers' products' values ("Korvanta23.LVL", 244 bytes)
// and the two custom products ("KorvantaCustom.LVL", 92 bytes). One field list per record serves
// reading, writing and the layout check.
#pragma once

#include "platform/core/DecodedRecord.h"
#include "platform/core/Record.h"
#include "scl/SCLValueTable.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace scl
{

constexpr const char* SCLDefaultsFileName = "Korvanta23.LVL";
constexpr const char* CustomSCLFileName = "KorvantaCustom.LVL";
constexpr std::size_t SCLDefaultsRecordLength = 244;
constexpr std::size_t CustomSCLRecordLength = 92;
constexpr std::int16_t SCLDefaultsMarker = 113;
constexpr std::int16_t CustomSCLMarker = 2000;

struct SCLDefaultsRecord
{
    std::int16_t Marker = 0;
    std::int16_t selectedProduct = 0;
    std::array<SCLValueEntry, SCLEntryCount> entries{};
    bool operator==(const SCLDefaultsRecord&) const = default;
};

struct CustomSCLRecord
{
    std::int16_t Marker = 0;
    std::int16_t selectedProduct = 0;
    std::array<CustomSCLEntry, 2> custom{};
    bool operator==(const CustomSCLRecord&) const = default;
};

SCLDefaultsRecord readSCLDefaults(const platform::Record& record);
platform::Record writeSCLDefaults(const SCLDefaultsRecord& values);
CustomSCLRecord readCustomSCL(const platform::Record& record);
platform::Record writeCustomSCL(const CustomSCLRecord& values);

struct SCLRecordField
{
    std::size_t offset;
    std::size_t width;
};
std::vector<SCLRecordField> sclDefaultsLayout();
std::vector<SCLRecordField> customSCLLayout();

// Whether a record read from a file of the given length may be applied: a whole record, a stored
// product the list has and finite numbers. A file that fails counts as one without the marker.
bool isApplicable(const SCLDefaultsRecord& record, std::uint64_t fileLength);
bool isApplicable(const CustomSCLRecord& record, std::uint64_t fileLength);

// The decisions on the two files' bytes: the record when isApplicable takes it, otherwise the refusal
// with the file's message ("Default SCL files could not be loaded.", "No custom SCL values loaded.").
platform::DecodedRecord<SCLDefaultsRecord> decodeSCLDefaultsRecord(std::span<const std::uint8_t> bytes);
platform::DecodedRecord<CustomSCLRecord> decodeCustomSCLRecord(std::span<const std::uint8_t> bytes);

} // namespace scl
