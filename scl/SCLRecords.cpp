// Layout of the two SCL records, their reading and writing, and the decisions on the two files.
#include "scl/SCLRecords.h"

#include "scl/SCLCatalogue.h"

#include <algorithm>
#include <cmath>

namespace scl
{

int sclEntryIndex(int product)
{
    if (product >= 0 && product <= 22) {
        return product;
    }
    return product == GluLamProduct ? 23 : -1;
}

namespace
{

template <class Io, class Entry> void walkEntry(Io& io, std::size_t offset, Entry& e)
{
    io.i16(offset, e.Fb);
    io.i16(offset + 2, e.Fv);
    io.f32(offset + 4, e.E);
    io.i16(offset + 8, e.FcPerp);
}

template <class Io, class Values> void walkSCLDefaultsRecord(Io& io, Values& v)
{
    io.i16(0, v.Marker);
    io.i16(2, v.selectedProduct);
    for (std::size_t k = 0; k < SCLEntryCount; ++k) {
        walkEntry(io, 4 + 10 * k, v.entries[k]);
    }
}

template <class Io, class Values> void walkCustomSCLRecord(Io& io, Values& v)
{
    io.i16(0, v.Marker);
    io.i16(2, v.selectedProduct);
    for (std::size_t k = 0; k < 2; ++k) {
        const std::size_t at = 4 + 44 * k;
        walkEntry(io, at, v.custom[k].values);
        io.f32(at + 10, v.custom[k].exponent);
        io.bytes(at + 14, SCLNameWidth, v.custom[k].name);
    }
}

struct Reader
{
    platform::RecordView record;
    bool texts = true; // false: the numbers alone, which decide whether the record can be applied
    void i16(std::size_t offset, std::int16_t& value) { value = record.i16(offset); }
    void f32(std::size_t offset, float& value) { value = record.f32(offset); }
    // The name's bytes as they lie, so that an entry never saved is written back as zeros.
    void bytes(std::size_t offset, std::size_t width, std::string& value)
    {
        if (!texts) {
            return;
        }
        value = record.bytes(offset, width);
    }
};

struct Writer
{
    platform::Record& record;
    void i16(std::size_t offset, std::int16_t value) { record.setI16(offset, value); }
    void f32(std::size_t offset, float value) { record.setF32(offset, value); }
    void bytes(std::size_t offset, std::size_t width, const std::string& value)
    {
        auto& b = record.bytes();
        // A name never given is stored as NULs, a short one padded with blanks.
        const std::uint8_t pad = value.empty() ? std::uint8_t{0} : std::uint8_t{' '};
        for (std::size_t i = 0; i < width; ++i) {
            b[offset + i] = i < value.size() ? static_cast<std::uint8_t>(value[i]) : pad;
        }
    }
};

struct LayoutNotes
{
    std::vector<SCLRecordField> fields;
    void i16(std::size_t offset, std::int16_t) { fields.push_back({offset, 2}); }
    void f32(std::size_t offset, float) { fields.push_back({offset, 4}); }
    void bytes(std::size_t offset, std::size_t width, const std::string&)
    {
        fields.push_back({offset, width});
    }
};

bool finiteEntry(const SCLValueEntry& e)
{
    return std::isfinite(e.E);
}

// A stored product the list has: up to 25 (an index below 0 selects the first product).
bool listIndex(std::int16_t index)
{
    return index <= GluLamProduct;
}

// Both files: a foreign, short or damaged file earns its file's one message.
template <class Values, class Walk>
platform::DecodedRecord<Values> decode(std::span<const std::uint8_t> bytes, std::size_t length,
                                       std::int16_t marker, const char* message, Walk walk)
{
    using Decoded = platform::DecodedRecord<Values>;
    const platform::RecordView view(bytes, length);
    if (bytes.size() < 2 || view.i16(0) != marker) {
        return Decoded::refused(platform::RecordRefusal::WrongKind, message);
    }
    if (bytes.size() < length) {
        return Decoded::refused(platform::RecordRefusal::NotLoaded, message);
    }
    // The numbers are judged before any name is read, so that a refusal reads no text.
    Decoded result;
    Reader numbers{view, false};
    walk(numbers, result.values);
    if (!isApplicable(result.values, bytes.size())) {
        return Decoded::refused(platform::RecordRefusal::NotLoaded, message);
    }
    Reader io{view};
    walk(io, result.values);
    return result;
}

} // namespace

SCLDefaultsRecord readSCLDefaults(const platform::Record& record)
{
    SCLDefaultsRecord v;
    Reader io{record};
    walkSCLDefaultsRecord(io, v);
    return v;
}

platform::Record writeSCLDefaults(const SCLDefaultsRecord& values)
{
    platform::Record record(SCLDefaultsRecordLength);
    Writer io{record};
    walkSCLDefaultsRecord(io, values);
    return record;
}

CustomSCLRecord readCustomSCL(const platform::Record& record)
{
    CustomSCLRecord v;
    Reader io{record};
    walkCustomSCLRecord(io, v);
    return v;
}

platform::Record writeCustomSCL(const CustomSCLRecord& values)
{
    platform::Record record(CustomSCLRecordLength);
    Writer io{record};
    walkCustomSCLRecord(io, values);
    return record;
}

std::vector<SCLRecordField> sclDefaultsLayout()
{
    LayoutNotes notes;
    const SCLDefaultsRecord v;
    walkSCLDefaultsRecord(notes, v);
    return notes.fields;
}

std::vector<SCLRecordField> customSCLLayout()
{
    LayoutNotes notes;
    const CustomSCLRecord v;
    walkCustomSCLRecord(notes, v);
    return notes.fields;
}

bool isApplicable(const SCLDefaultsRecord& record, std::uint64_t fileLength)
{
    return record.Marker == SCLDefaultsMarker && fileLength >= SCLDefaultsRecordLength &&
           listIndex(record.selectedProduct) &&
           std::all_of(record.entries.begin(), record.entries.end(), finiteEntry);
}

bool isApplicable(const CustomSCLRecord& record, std::uint64_t fileLength)
{
    return record.Marker == CustomSCLMarker && fileLength >= CustomSCLRecordLength &&
           listIndex(record.selectedProduct) &&
           std::all_of(record.custom.begin(), record.custom.end(), [](const CustomSCLEntry& e) {
               return finiteEntry(e.values) && std::isfinite(e.exponent);
           });
}

platform::DecodedRecord<SCLDefaultsRecord> decodeSCLDefaultsRecord(std::span<const std::uint8_t> bytes)
{
    return decode<SCLDefaultsRecord>(bytes, SCLDefaultsRecordLength, SCLDefaultsMarker,
                                     "Default SCL files could not be loaded.",
                                     [](Reader& io, SCLDefaultsRecord& v) { walkSCLDefaultsRecord(io, v); });
}

platform::DecodedRecord<CustomSCLRecord> decodeCustomSCLRecord(std::span<const std::uint8_t> bytes)
{
    return decode<CustomSCLRecord>(bytes, CustomSCLRecordLength, CustomSCLMarker,
                                   "No custom SCL values loaded.",
                                   [](Reader& io, CustomSCLRecord& v) { walkCustomSCLRecord(io, v); });
}

} // namespace scl
