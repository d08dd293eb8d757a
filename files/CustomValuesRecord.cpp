// The custom values record's one field list and the decision on a custom values file.
#include "files/CustomValuesRecord.h"

#include "files/RecordKinds.h"
#include "platform/core/RecordFields.h"

#include <algorithm>
#include <cmath>

namespace files
{

namespace
{

constexpr std::size_t RecordLength = 66;

template <class Io, class Values> void walkCustomValuesRecord(Io& io, Values& v)
{
    io.i16(0, v.marker);
    io.f32(2, v.fb);
    io.f32(6, v.fv);
    io.f32(10, v.fcPerp);
    io.f32(14, v.e);
    io.text(18, 30, v.species);
    io.i16(48, v.southernPine);
    io.i16(50, v.class2x);
    io.i16(52, v.class4x);
    io.i16(54, v.timber);
    io.i16(56, v.gluLam);
    io.i16(58, v.gluLamHeader);
    io.i16(60, v.round);
    io.i16(62, v.msr);
    io.i16(64, v.mel);
}

bool applicable(const CustomValues& v)
{
    const float values[] = {v.fb, v.fv, v.fcPerp, v.e};
    const std::int16_t flags[] = {v.southernPine, v.class2x,      v.class4x, v.timber,
                                  v.gluLam,       v.gluLamHeader, v.round};
    return std::all_of(std::begin(values), std::end(values),
                       [](float value) { return std::isfinite(value) && value >= 0.0f; }) &&
           std::all_of(std::begin(flags), std::end(flags),
                       [](std::int16_t flag) { return flag == -1 || flag == 0; });
}

} // namespace

void encodeCustomValuesRecord(const CustomValues& values, platform::Record& record)
{
    platform::RecordFieldWriter writer{record};
    walkCustomValuesRecord(writer, values);
}

platform::DecodedRecord<CustomValues> decodeCustomValuesRecord(std::span<const std::uint8_t> bytes)
{
    using Decoded = platform::DecodedRecord<CustomValues>;
    const RecordKindInfo& kind = recordKind(RecordKind::CustomValues);
    if (const platform::RecordDecision first = judgeMarkerAndLength(kind, bytes, RecordLength);
        !first.accepted()) {
        return Decoded::refused(first);
    }
    const platform::RecordView view(bytes, RecordLength);
    Decoded result;
    platform::RecordNumberReader numbers{view};
    walkCustomValuesRecord(numbers, result.values);
    if (!applicable(result.values)) {
        return Decoded::refused(platform::RecordRefusal::NotLoaded, kind.loadFailed);
    }
    platform::RecordFieldReader reader{view};
    walkCustomValuesRecord(reader, result.values);
    return result;
}

} // namespace files
