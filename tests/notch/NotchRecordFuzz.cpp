// libFuzzer target for the record loaders: any bytes as a notch record file. A file is either refused
// whole or accepted with values the notch form can apply, and an accepted record saves and reads back
// to the same values. Built and run by scripts/fuzz.sh; the fixtures in tests/data/notch are its seeds.
#include "notch/NotchRecord.h"
#include "notch/NotchTables.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

namespace
{

void check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

void notchRecord(std::span<const std::uint8_t> bytes)
{
    const notch::DecodedNotchRecord decoded = notch::decodeNotchRecord(bytes);
    if (decoded.refusal != notch::NotchRecordRefusal::None) {
        return;
    }
    const notch::NotchRecordValues& v = decoded.values;
    check(bytes.size() >=
          (v.marker == notch::OldNotchMarker ? notch::OldNotchRecordLength : notch::NotchRecordLength));
    check(v.memberType >= 0 && v.memberType <= 2);
    check(v.species >= -1 && v.species < notch::notchSpeciesCount(v.memberType == 2));
    check(v.notchType >= 0 && v.notchType <= (v.memberType == 1 ? 0 : 2));

    const platform::Record saved = notch::encodeNotchRecord(v);
    check(saved.size() == notch::NotchRecordLength);
    const notch::DecodedNotchRecord again = notch::decodeNotchRecord(saved.bytes());
    check(again.refusal == notch::NotchRecordRefusal::None);
    notch::NotchRecordValues expected = v;
    expected.marker = notch::NotchMarker; // an older record is saved in the current layout
    check(again.values == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    notchRecord(std::span<const std::uint8_t>(data, size));
    return 0;
}
