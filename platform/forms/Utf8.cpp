// UTF-8 decoding and encoding for character positions in text boxes.
#include "platform/forms/Utf8.h"

namespace platform::utf8
{

std::vector<char32_t> decode(std::string_view text)
{
    std::vector<char32_t> out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t extra = b >= 0xF0 && b < 0xF8   ? 3
                            : b >= 0xE0 && b < 0xF0 ? 2
                            : b >= 0xC0 && b < 0xE0 ? 1
                                                    : 0;
        char32_t c = extra == 3 ? (b & 0x07) : extra == 2 ? (b & 0x0F) : extra == 1 ? (b & 0x1F) : b;
        bool ok = b < 0x80 || (extra > 0 && i + extra < text.size());
        for (std::size_t k = 1; ok && k <= extra; ++k) {
            const auto n = static_cast<unsigned char>(text[i + k]);
            ok = (n & 0xC0) == 0x80;
            c = (c << 6) | (n & 0x3F);
        }
        if (!ok) {
            out.push_back(b); // a stray byte stands for itself
            ++i;
            continue;
        }
        out.push_back(c);
        i += extra + 1;
    }
    return out;
}

std::string encode(char32_t c)
{
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

std::string encode(const std::vector<char32_t>& chars)
{
    std::string s;
    s.reserve(chars.size());
    for (char32_t c : chars) {
        s += encode(c);
    }
    return s;
}

} // namespace platform::utf8
