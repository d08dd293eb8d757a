// CP-1252, the one-byte encoding of the record files, to and from the program's UTF-8.
#include "platform/core/Record.h"

#include <array>
#include <cstdint>

namespace platform
{
namespace
{

// 0x80..0x9F; the five bytes the code page leaves undefined keep their C1 control code points, so they
// survive a read and a write unchanged.
constexpr std::array<char32_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t decodeByte(std::uint8_t byte)
{
    if (byte >= 0x80 && byte <= 0x9F) {
        return HighControls[byte - 0x80];
    }
    return byte;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char encodeCodePoint(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (std::size_t i = 0; i < HighControls.size(); ++i) {
        if (HighControls[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

// Reads one UTF-8 sequence at `pos`, advancing past it. A malformed sequence yields U+FFFD and
// consumes one byte, so the text that follows it is kept.
char32_t nextCodePoint(std::string_view utf8, std::size_t& pos)
{
    const auto byteAt = [&](std::size_t i) { return static_cast<std::uint8_t>(utf8[i]); };
    const std::uint8_t lead = byteAt(pos);
    int length = 0;
    char32_t c = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        c = lead & 0x1F;
        least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        c = lead & 0x0F;
        least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        c = lead & 0x07;
        least = 0x10000;
    } else {
        ++pos;
        return 0xFFFD;
    }
    if (pos + static_cast<std::size_t>(length) > utf8.size()) {
        ++pos;
        return 0xFFFD;
    }
    for (int i = 1; i < length; ++i) {
        const std::uint8_t next = byteAt(pos + static_cast<std::size_t>(i));
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return 0xFFFD;
        }
        c = (c << 6) | (next & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++pos;
        return 0xFFFD;
    }
    pos += static_cast<std::size_t>(length);
    return c;
}

std::size_t cp1252Utf8Length(std::span<const std::uint8_t> bytes)
{
    std::size_t length = 0;
    for (const std::uint8_t byte : bytes) {
        const char32_t c = decodeByte(byte);
        length += c < 0x80 ? 1 : (c < 0x800 ? 2 : 3);
    }
    return length;
}

} // namespace

void appendCp1252(std::string& utf8, std::span<const std::uint8_t> bytes)
{
    // Sized once: a record's texts are read by the hundred.
    utf8.reserve(utf8.size() + cp1252Utf8Length(bytes));
    for (const std::uint8_t byte : bytes) {
        appendUtf8(utf8, decodeByte(byte));
    }
}

std::string cp1252ToUtf8(std::string_view bytes)
{
    std::string out;
    appendCp1252(out, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    return out;
}

std::string utf8ToCp1252(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        out += encodeCodePoint(nextCodePoint(utf8, pos));
    }
    return out;
}

std::size_t utf8ToCp1252(std::string_view utf8, std::span<std::uint8_t> out)
{
    std::size_t pos = 0;
    std::size_t written = 0;
    while (pos < utf8.size() && written < out.size()) {
        out[written++] = static_cast<std::uint8_t>(encodeCodePoint(nextCodePoint(utf8, pos)));
    }
    return written;
}

} // namespace platform
