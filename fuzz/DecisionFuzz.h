// What every decision target checks of one input: a refusal earns a message; an accepted record, written
// back as the program writes it, is accepted again and reads back as the same record in the current
// layout. A failed check aborts, which libFuzzer reports with the input.
#pragma once

#include "platform/core/DecodedRecord.h"
#include "platform/core/Record.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <utility>

namespace fuzz
{

inline void check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

inline std::span<const std::uint8_t> bytesOf(const platform::Record& record)
{
    return record.bytes();
}

inline std::span<const std::uint8_t> bytesOf(std::span<const std::uint8_t> bytes)
{
    return bytes;
}

// encode writes the values as the program saves them; current turns a record of an older layout into the
// one the program saves, which must read back unchanged.
template <class Values, class Encode, class Current>
void decideAndWriteBack(std::span<const std::uint8_t> bytes,
                        platform::DecodedRecord<Values> (*decode)(std::span<const std::uint8_t>),
                        Encode encode, Current current)
{
    platform::DecodedRecord<Values> decoded = decode(bytes);
    if (!decoded.accepted()) {
        check(!decoded.message.empty());
        return;
    }
    check(decoded.message.empty());
    const Values saved = current(std::move(decoded.values));
    const auto written = encode(saved);
    const platform::DecodedRecord<Values> again = decode(bytesOf(written));
    check(again.accepted());
    check(again.values == saved);
}

template <class Values, class Encode>
void decideAndWriteBack(std::span<const std::uint8_t> bytes,
                        platform::DecodedRecord<Values> (*decode)(std::span<const std::uint8_t>),
                        Encode encode)
{
    decideAndWriteBack(bytes, decode, encode, [](Values v) { return v; });
}

// For the kinds saved over a record buffer: one buffer serves every input, so that a record written
// back costs no allocation of its own. Every field is written each time; what no field covers stays 0.
template <class Values> auto overBuffer(std::size_t length, void (*encode)(const Values&, platform::Record&))
{
    return [length, encode](const Values& values) -> std::span<const std::uint8_t> {
        static platform::Record record(length);
        encode(values, record);
        return record.bytes();
    };
}

} // namespace fuzz
