// A record buffer and a view of a file's bytes: little-endian integers and floats and space-padded CP-1252
// text at fixed offsets.
#include "platform/core/Record.h"

#include <algorithm>
#include <bit>
#include <cstring>
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

// Eight bytes at a time: a record's texts are read and written by the hundred.
constexpr std::uint64_t HighBits = 0x8080808080808080;
constexpr std::uint64_t Blanks = 0x2020202020202020;

std::uint64_t word(const std::uint8_t* at)
{
    std::uint64_t value = 0;
    std::memcpy(&value, at, sizeof value);
    return value;
}

bool plainAscii(std::span<const std::uint8_t> bytes)
{
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        if ((word(bytes.data() + i) & HighBits) != 0) {
            return false;
        }
    }
    for (; i < bytes.size(); ++i) {
        if ((bytes[i] & 0x80) != 0) {
            return false;
        }
    }
    return true;
}

// The length without trailing blanks and NULs.
std::size_t trimmedLength(std::span<const std::uint8_t> field)
{
    std::size_t end = field.size();
    while (end >= 8) {
        const std::uint64_t last = word(field.data() + end - 8);
        if (last != Blanks && last != 0) {
            break;
        }
        end -= 8;
    }
    while (end > 0 && (field[end - 1] == ' ' || field[end - 1] == 0)) {
        --end;
    }
    return end;
}

std::span<const std::uint8_t> bytesOf(std::string_view text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
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
    const std::span<std::uint8_t> field = std::span(m_bytes).subspan(offset, width);
    // Plain ASCII is its own code page text.
    std::size_t written = 0;
    if (plainAscii(bytesOf(utf8))) {
        written = std::min(width, utf8.size());
        std::copy_n(bytesOf(utf8).begin(), written, field.begin());
    } else {
        written = utf8ToCp1252(utf8, field);
    }
    std::fill(field.begin() + static_cast<std::ptrdiff_t>(written), field.end(), std::uint8_t{' '});
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
    std::string utf8;
    appendText(offset, width, utf8);
    return utf8;
}

// A field never written (a short file, a fresh record) holds NULs and reads empty; trailing blanks go
// before anything is copied, and so do the zeros beyond the end of a short file.
std::span<const std::uint8_t> RecordView::textBytes(std::size_t offset, std::size_t width) const
{
    check(offset, width);
    const std::size_t held = offset < m_bytes.size() ? std::min(width, m_bytes.size() - offset) : 0;
    const std::span<const std::uint8_t> field =
        held == 0 ? std::span<const std::uint8_t>() : m_bytes.subspan(offset, held);
    return field.first(trimmedLength(field));
}

void RecordView::appendText(std::size_t offset, std::size_t width, std::string& utf8) const
{
    const std::span<const std::uint8_t> kept = textBytes(offset, width);
    if (kept.empty()) {
        return;
    }
    const std::size_t start = utf8.size();
    if (plainAscii(kept)) {
        utf8.append(reinterpret_cast<const char*>(kept.data()), kept.size());
    } else {
        appendCp1252(utf8, kept);
    }
    // Inside the text a NUL reads as a blank; it is one byte in either encoding.
    if (std::memchr(kept.data(), 0, kept.size()) != nullptr) {
        std::replace(utf8.begin() + static_cast<std::ptrdiff_t>(start), utf8.end(), '\0', ' ');
    }
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
