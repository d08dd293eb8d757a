// The quick-tip notes of the column criteria form: the button that shows each and its lines.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace columns
{

struct Form18Note
{
    std::string_view button;
    std::vector<std::string_view> lines;
};

// Notes 1 to 14, in the order of their buttons.
extern const std::array<Form18Note, 14> Form18Notes;

// The lines joined by a carriage return alone.
std::string noteText(const Form18Note& note);

} // namespace columns
