// The wood and steel column record files (*.Col, *.SCo): a finished column data record's captions and
// the report notes, stored as text and loaded back for printing only.
#pragma once

#include "platform/core/DecodedRecord.h"
#include "platform/core/Record.h"
#include "platform/core/RecordTexts.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace app
{
class Program;
}

namespace columns
{
class Form19;
class Form23;
} // namespace columns

namespace platform
{
class Label;
}

namespace files
{

template <typename FormT> struct ColumnSlot
{
    platform::Label FormT::*label;
    std::size_t offset;
    std::size_t width;
};

// The stored labels in record order; the notes follow the last one.
std::span<const ColumnSlot<columns::Form19>> woodColumnSlots();
std::span<const ColumnSlot<columns::Form23>> steelColumnSlots();
constexpr std::size_t WoodColumnNotesOffset = 919;
constexpr std::size_t SteelColumnNotesOffset = 561;

// A column record: the stored captions in the order of the kind's slot table, and the notes.
template <std::size_t CaptionCount> struct ColumnRecordValues
{
    std::int16_t marker = 0;
    platform::RecordTexts<CaptionCount> captions;
    platform::RecordTexts<7> notes;
    bool operator==(const ColumnRecordValues&) const = default;
};
using WoodColumnValues = ColumnRecordValues<45>;
using SteelColumnValues = ColumnRecordValues<32>;

// Write every field over the record (at least the kind's length), the kind's marker included.
void encodeWoodColumnRecord(const WoodColumnValues& values, platform::Record& record);
void encodeSteelColumnRecord(const SteelColumnValues& values, platform::Record& record);
// The decisions on a column record file's bytes: the kind's marker and a whole record; any text is taken.
platform::DecodedRecord<WoodColumnValues> decodeWoodColumnRecord(std::span<const std::uint8_t> bytes);
platform::DecodedRecord<SteelColumnValues> decodeSteelColumnRecord(std::span<const std::uint8_t> bytes);

// Put an accepted record's captions back on the data record form and its notes into the report notes,
// mark the record as loaded and say that its values are text.
void applyWoodColumnRecord(app::Program& program, const WoodColumnValues& values);
void applySteelColumnRecord(app::Program& program, const SteelColumnValues& values);

// Ask for the notes, then where to save, and write the form's captions.
void SaveWoodColumnRecord(app::Program& program);
void SaveSteelColumnRecord(app::Program& program);
// Ask for a file and put its captions back on the form; the outcome is left in the load-failed flags.
void LoadWoodColumnRecord(app::Program& program);
void LoadSteelColumnRecord(app::Program& program);

} // namespace files
