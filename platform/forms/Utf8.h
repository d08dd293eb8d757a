// Text positions in the model count characters, not bytes: a few helpers over UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform::utf8
{

// Code points of a UTF-8 text; malformed bytes are taken one by one as Latin-1.
std::vector<char32_t> decode(std::string_view text);
std::string encode(const std::vector<char32_t>& chars);
std::string encode(char32_t c);
inline int length(std::string_view text)
{
    return static_cast<int>(decode(text).size());
}

} // namespace platform::utf8
