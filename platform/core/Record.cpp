// A record buffer and a view of a file's bytes: little-endian integers and floats and space-padded CP-1252
// text at fixed offsets.
#include "platform/core/Record.h"

#include <bit>
#include <stdexcept>

namespace platform
{

Record::Record(std::size_t length) : m_bytes(length, 0) {}

namespace
{

// Offsets come from the program's own record layouts, never from a file: a miss is a fault in the
// layout, and writing past the record would corrupt it.
void checkField(std::size_t offset, std::size_t width, std::size_t length)
{
    if (offset > length || width > length - offset) {
        throw std::out_of_range("record field " + std::to_string(offset) + "+" + std::to_string(width) +
                                " beyond a record of " + std::to_string(length) + " bytes");
    }
}

} // namespace

void Record::check(std::size_t offset, std::size_t width) const
{
    checkField(offset, width, m_bytes.size());
}

std::int16_t Record::i16(std::size_t offset) const
{
    return RecordView(*this).i16(offset);
}

void Record::setI16(std::size_t offset, std::int16_t value)
{
    check(offset, 2);
    const auto bits = static_cast<std::uint16_t>(value);
    m_bytes[offset] = static_cast<std::uint8_t>(bits & 0xFF);
    m_bytes[offset + 1] = static_cast<std::uint8_t>(bits >> 8);
}

float Record::f32(std::size_t offset) const
{
    return RecordView(*this).f32(offset);
}

void Record::setF32(std::size_t offset, float value)
{
    check(offset, 4);
    const auto bits = std::bit_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) {
        m_bytes[offset + i] = static_cast<std::uint8_t>((bits >> (8 * i)) & 0xFF);
    }
}

std::string Record::text(std::size_t offset, std::size_t width) const
{
    return RecordView(*this).text(offset, width);
}

void Record::setText(std::size_t offset, std::size_t width, std::string_view utf8)
{
    check(offset, width);
    std::string bytes = utf8ToCp1252(utf8);
    bytes.resize(width, ' ');
    for (std::size_t i = 0; i < width; ++i) {
        m_bytes[offset + i] = static_cast<std::uint8_t>(bytes[i]);
    }
}

void RecordView::check(std::size_t offset, std::size_t width) const
{
    checkField(offset, width, m_length);
}

std::int16_t RecordView::i16(std::size_t offset) const
{
    check(offset, 2);
    const auto bits = static_cast<std::uint16_t>(byte(offset) | (byte(offset + 1) << 8));
    return static_cast<std::int16_t>(bits);
}

float RecordView::f32(std::size_t offset) const
{
    check(offset, 4);
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        bits |= static_cast<std::uint32_t>(byte(offset + i)) << (8 * i);
    }
    return std::bit_cast<float>(bits);
}

std::string RecordView::text(std::size_t offset, std::size_t width) const
{
    check(offset, width);
    // A field never written (a short file, a fresh record) holds NULs and reads empty; trailing blanks
    // go before anything is copied.
    std::size_t end = width;
    while (end > 0 && (byte(offset + end - 1) == ' ' || byte(offset + end - 1) == 0)) {
        --end;
    }
    std::string bytes(end, ' ');
    for (std::size_t i = 0; i < end; ++i) {
        if (const std::uint8_t b = byte(offset + i); b != 0) {
            bytes[i] = static_cast<char>(b);
        }
    }
    return cp1252ToUtf8(bytes);
}

std::string RecordView::bytes(std::size_t offset, std::size_t width) const
{
    check(offset, width);
    std::string out(width, '\0');
    for (std::size_t i = 0; i < width; ++i) {
        out[i] = static_cast<char>(byte(offset + i));
    }
    return out;
}

} // namespace platform
