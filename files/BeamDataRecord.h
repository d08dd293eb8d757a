// The beam data record (*.Dat, 4809 bytes): the data record form's captions, the three header lines,
// the notes and whether the record is a steel beam's, as text to show, print and copy again. Two
// layouts: 556 (written) and the older 555, which ends before the stability rows.
#pragma once

#include "files/BeamDataRecordSlots.h"
#include "platform/core/DecodedRecord.h"
#include "platform/core/Record.h"
#include "platform/core/RecordTexts.h"

#include <cstdint>
#include <span>

namespace files
{

constexpr std::int16_t DataRecordMarker = 556;
constexpr std::int16_t OlderDataRecordMarker = 555;

// The texts in the order of their slot tables.
struct BeamDataValues
{
    std::int16_t marker = DataRecordMarker;
    platform::RecordTexts<DataRecordLabelSlotCount> labels; // dataRecordLabelSlots()
    platform::RecordTexts<7> notes;
    platform::RecordTexts<DataRecordTailSlotCount> tail;           // dataRecordTailSlots()
    std::int16_t steel = 0;                                        // -1 for a steel beam's record
    platform::RecordTexts<DataRecordStabilitySlotCount> stability; // empty in the older layout
    bool operator==(const BeamDataValues&) const = default;
};

// Writes every field over the record (at least 4809 bytes), the marker included; the reserved slots keep
// what the record holds.
void encodeBeamDataRecord(const BeamDataValues& values, platform::Record& record);

// The decision on a data record file's bytes: either marker and the bytes up to the end of the layout's
// last field (4569 for 555, 4799 for 556). Any text is taken.
platform::DecodedRecord<BeamDataValues> decodeBeamDataRecord(std::span<const std::uint8_t> bytes);

} // namespace files
