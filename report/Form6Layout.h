// The beam data record's labels as layout data: name, place, alignment, box, style, visibility and
// caption at load, in the form's control order (the order in which a printout walks them).
#pragma once

#include "platform/forms/Control.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace report
{

// Style bits of a record label.
enum LabelStyle : std::uint8_t
{
    Bold = 1,
    Italic = 2,
    Underline = 4,
    Hidden = 8, // not visible at load
    Wraps = 16  // word wrap; matters on screen only
};

struct RecordLabelLayout
{
    std::string_view name;
    double left, top, width, height;
    platform::Alignment alignment;
    bool box;
    std::uint8_t style;
    std::string_view caption; // caption at load
};

constexpr std::size_t Form6LabelCount = 197;
extern const std::array<RecordLabelLayout, Form6LabelCount> Form6Labels;

} // namespace report
