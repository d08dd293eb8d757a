// libFuzzer target for the stud column file loader: any bytes as a *.WSC file. A file is either refused
// whole or accepted with values the stud boxes take, and an accepted record saves and reads back to the
// same values. Built and run by scripts/fuzz.sh; the fixtures in tests/data/columns are its seeds.
#include "columns/StudCheck.h"
#include "columns/StudColumnRecord.h"

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

void studColumnRecord(std::span<const std::uint8_t> bytes)
{
    const columns::DecodedStudColumnRecord decoded = columns::decodeStudColumnRecord(bytes);
    if (decoded.refusal != columns::StudColumnRefusal::None) {
        return;
    }
    const columns::StudColumnValues& v = decoded.values;
    check(bytes.size() >= columns::StudColumnRecordLength);
    check(v.breadth >= -1 && v.breadth < static_cast<int>(columns::StudBreadths.size()));
    check(v.depth >= -1 && v.depth < static_cast<int>(columns::StudDepths.size()));
    check(columns::studEntryAccepts(v.windA) && columns::studSpacingAccepts(v.spacing));

    const platform::Record saved = columns::encodeStudColumnRecord(v);
    check(saved.size() == columns::StudColumnRecordLength);
    const columns::DecodedStudColumnRecord again = columns::decodeStudColumnRecord(saved.bytes());
    check(again.refusal == columns::StudColumnRefusal::None);
    check(again.values == v);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    studColumnRecord(std::span<const std::uint8_t>(data, size));
    return 0;
}
