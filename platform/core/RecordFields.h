// Field-by-field access for the walk functions of the record files. Each record kind walks its field
// list once with one of these, to read, to write or to list its layout, so the three never disagree.
#pragma once

#include "platform/core/Record.h"
#include "platform/core/RecordTexts.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform
{

// Fields at the offsets the walk names, from a record buffer or straight from a file's bytes.
struct RecordFieldReader
{
    RecordView record;
    void i16(std::size_t offset, std::int16_t& value) const { value = record.i16(offset); }
    void f32(std::size_t offset, float& value) const { value = record.f32(offset); }
    void text(std::size_t offset, std::size_t width, std::string& value) const
    {
        value = record.text(offset, width);
    }
    // The next text of a run; the walk names the runs' texts in order.
    template <std::size_t Count>
    void text(std::size_t offset, std::size_t width, RecordTexts<Count>& texts, std::size_t) const
    {
        texts.append([&](std::string& utf8) { record.appendText(offset, width, utf8); });
    }
};

// The numbers alone, texts left as they are: a decision on the numbers reads no text, so a record refused
// for a number allocates nothing.
struct RecordNumberReader
{
    RecordView record;
    void i16(std::size_t offset, std::int16_t& value) const { value = record.i16(offset); }
    void f32(std::size_t offset, float& value) const { value = record.f32(offset); }
    void text(std::size_t, std::size_t, const std::string&) const {}
};

struct RecordFieldWriter
{
    Record& record;
    void i16(std::size_t offset, std::int16_t value) const { record.setI16(offset, value); }
    void f32(std::size_t offset, float value) const { record.setF32(offset, value); }
    void text(std::size_t offset, std::size_t width, const std::string& value) const
    {
        record.setText(offset, width, value);
    }
    template <std::size_t Count>
    void text(std::size_t offset, std::size_t width, const RecordTexts<Count>& texts, std::size_t index) const
    {
        record.setText(offset, width, texts[index]);
    }
};

// Fields one after the other from the start of the record, for layouts written as a plain sequence.
struct RecordSequenceReader
{
    RecordView record;
    std::size_t offset = 0;
    void i16(std::int16_t& value)
    {
        value = record.i16(offset);
        offset += 2;
    }
    void text(std::size_t width, std::string& value)
    {
        value = record.text(offset, width);
        offset += width;
    }
};

struct RecordSequenceNumberReader
{
    RecordView record;
    std::size_t offset = 0;
    void i16(std::int16_t& value)
    {
        value = record.i16(offset);
        offset += 2;
    }
    void text(std::size_t width, const std::string&) { offset += width; }
};

struct RecordSequenceWriter
{
    Record& record;
    std::size_t offset = 0;
    void i16(std::int16_t value)
    {
        record.setI16(offset, value);
        offset += 2;
    }
    void text(std::size_t width, const std::string& value)
    {
        record.setText(offset, width, value);
        offset += width;
    }
};

} // namespace platform
