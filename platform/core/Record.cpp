// A record buffer: little-endian integers and floats and space-padded CP-1252 text at fixed offsets.
#include "platform/core/Record.h"

#include <bit>
#include <stdexcept>

namespace platform
{

Record::Record(std::size_t length) : m_bytes(length, 0) {}

void Record::check(std::size_t offset, std::size_t width) const
{
    // Offsets come from the program's own record layouts, never from a file: a miss is a fault in the
    // layout, and writing past the record would corrupt it.
    if (offset > m_bytes.size() || width > m_bytes.size() - offset) {
        throw std::out_of_range("record field " + std::to_string(offset) + "+" + std::to_string(width) +
                                " beyond a record of " + std::to_string(m_bytes.size()) + " bytes");
    }
}

std::int16_t Record::i16(std::size_t offset) const
{
    check(offset, 2);
    const auto bits = static_cast<std::uint16_t>(m_bytes[offset] | (m_bytes[offset + 1] << 8));
    return static_cast<std::int16_t>(bits);
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
    check(offset, 4);
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        bits |= static_cast<std::uint32_t>(m_bytes[offset + i]) << (8 * i);
    }
    return std::bit_cast<float>(bits);
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
    check(offset, width);
    std::string bytes(m_bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                      m_bytes.begin() + static_cast<std::ptrdiff_t>(offset + width));
    // A field never written (a short file, a fresh record) holds NULs and reads empty.
    for (char& c : bytes) {
        if (c == '\0') {
            c = ' ';
        }
    }
    bytes.erase(bytes.find_last_not_of(' ') + 1);
    return cp1252ToUtf8(bytes);
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

} // namespace platform
