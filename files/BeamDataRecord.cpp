// The beam data record's one field list, over the slot tables, and the decision on a data record file.
#include "files/BeamDataRecord.h"

#include "files/RecordKinds.h"
#include "platform/core/RecordFields.h"

namespace files
{

namespace
{

constexpr std::size_t NoteWidth = 85;

template <class Io, class Texts> void walkSlots(Io& io, const std::vector<RecordSlot>& slots, Texts& texts)
{
    for (std::size_t i = 0; i < slots.size(); ++i) {
        io.text(slots[i].offset, slots[i].width, texts, i);
    }
}

template <class Io, class Values> void walkBeamDataRecord(Io& io, Values& v)
{
    io.i16(0, v.marker);
    walkSlots(io, dataRecordLabelSlots(), v.labels);
    for (std::size_t i = 0; i < v.notes.size(); ++i) {
        io.text(DataNotesOffset + NoteWidth * i, NoteWidth, v.notes, i);
    }
    walkSlots(io, dataRecordTailSlots(), v.tail);
    io.i16(DataSteelFlagOffset, v.steel);
    walkSlots(io, dataRecordStabilitySlots(), v.stability);
}

// The room a run's texts take when every character is one byte: reserved once, so that a record reads
// with one allocation per run.
std::size_t runWidth(const std::vector<RecordSlot>& slots)
{
    std::size_t width = 0;
    for (const RecordSlot& slot : slots) {
        width += slot.width;
    }
    return width;
}

} // namespace

void encodeBeamDataRecord(const BeamDataValues& values, platform::Record& record)
{
    platform::RecordFieldWriter writer{record};
    walkBeamDataRecord(writer, values);
}

platform::DecodedRecord<BeamDataValues> decodeBeamDataRecord(std::span<const std::uint8_t> bytes)
{
    using Decoded = platform::DecodedRecord<BeamDataValues>;
    const RecordKindInfo& kind = recordKind(RecordKind::BeamData);
    if (!startsWithMarker(kind, bytes)) {
        return Decoded::refused(platform::RecordRefusal::WrongKind, kind.wrongKindMessage);
    }
    // The older layout ends before the stability rows; the reserved tail is never read.
    const std::size_t held =
        platform::RecordView(bytes, DataRecordLength).i16(0) == OlderDataRecordMarker ? 4569 : 4799;
    if (bytes.size() < held) {
        return Decoded::refused(platform::RecordRefusal::NotLoaded, kind.loadFailed);
    }
    // Beyond its layout an older file reads as zeros: its stability rows come back empty.
    const platform::RecordView view(bytes.first(held), DataRecordLength);
    Decoded result;
    result.values.labels.reserve(runWidth(dataRecordLabelSlots()));
    result.values.notes.reserve(result.values.notes.size() * NoteWidth);
    result.values.tail.reserve(runWidth(dataRecordTailSlots()));
    result.values.stability.reserve(runWidth(dataRecordStabilitySlots()));
    platform::RecordFieldReader reader{view};
    walkBeamDataRecord(reader, result.values);
    return result;
}

} // namespace files
