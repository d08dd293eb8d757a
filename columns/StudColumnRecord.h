// The stud column file (*.WSC): the inputs of one wind-loaded stud check as one fixed record of 859
// bytes (marker 889): the project boxes and stud boxes of the column criteria form, the list positions
// of breadth and depth, the two repetitive-use check boxes as one digit each, and the report notes.
#pragma once

#include "platform/core/DecodedRecord.h"
#include "platform/core/Record.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace columns
{

constexpr std::int16_t StudColumnMarker = 889;
constexpr std::size_t StudColumnRecordLength = 859;
constexpr int StudNoteCount = 7;

struct StudColumnValues
{
    std::int16_t marker = StudColumnMarker;
    std::string columnProj, columnDescription, columnID;
    std::string axialPlf, windA, windB, windC, begA, begB, begC, endA, endB, endC, height;
    std::int16_t breadth = -1, depth = -1; // list positions, -1: nothing chosen
    std::string spacing, species, fb, fc, e, axialPoint, axialDuration, windDuration;
    std::string repWindStud = "0", repIbc = "0"; // "0" clear, "1" set, "2" greyed
    std::array<std::string, StudNoteCount> notes;
    bool operator==(const StudColumnValues&) const = default;
};

platform::Record encodeStudColumnRecord(const StudColumnValues& values);

using StudColumnRefusal = platform::RecordRefusal;
using DecodedStudColumnRecord = platform::DecodedRecord<StudColumnValues>;

// Reads the record and checks every value the restore applies before anything is changed: no whole
// marker or another kind's is WrongKind, a short record or a value the stud boxes would not take is
// NotLoaded, each with the stud column loader's message.
DecodedStudColumnRecord decodeStudColumnRecord(std::span<const std::uint8_t> bytes);

// The entry check of the stud boxes: empty, or a whole number text of 0 or more. The spacing box takes
// "0" but never the empty text.
bool studEntryAccepts(const std::string& text);
bool studSpacingAccepts(const std::string& text);

} // namespace columns
