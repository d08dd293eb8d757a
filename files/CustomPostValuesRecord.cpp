// The custom post values record's one field list and the decision on a custom post values file.
#include "files/CustomPostValuesRecord.h"

#include "files/RecordKinds.h"
#include "platform/core/RecordFields.h"

#include <cmath>

namespace files
{

namespace
{

constexpr std::size_t RecordLength = 38;

template <class Io, class Values> void walkCustomPostValuesRecord(Io& io, Values& v)
{
    io.i16(0, v.marker);
    io.i16(2, v.PostFc);
    io.f32(4, v.PostE);
    io.text(8, 30, v.PostSpecies);
}

} // namespace

void encodeCustomPostValuesRecord(const CustomPostValues& values, platform::Record& record)
{
    platform::RecordFieldWriter writer{record};
    walkCustomPostValuesRecord(writer, values);
}

platform::DecodedRecord<CustomPostValues> decodeCustomPostValuesRecord(std::span<const std::uint8_t> bytes)
{
    using Decoded = platform::DecodedRecord<CustomPostValues>;
    const RecordKindInfo& kind = recordKind(RecordKind::CustomPost);
    if (const platform::RecordDecision first = judgeMarkerAndLength(kind, bytes, RecordLength);
        !first.accepted()) {
        return Decoded::refused(first);
    }
    const platform::RecordView view(bytes, RecordLength);
    Decoded result;
    platform::RecordNumberReader numbers{view};
    walkCustomPostValuesRecord(numbers, result.values);
    // Below 0.05 the E shows as ".0", which its box empties.
    const CustomPostValues& v = result.values;
    if (v.PostFc <= 0 || !std::isfinite(v.PostE) || v.PostE < 0.05f) {
        return Decoded::refused(platform::RecordRefusal::NotLoaded, kind.loadFailed);
    }
    platform::RecordFieldReader reader{view};
    walkCustomPostValuesRecord(reader, result.values);
    return result;
}

} // namespace files
