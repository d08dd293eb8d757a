// The text of the built-in manual, as data: 65 entries that the manual's topics join.
#pragma once

#include <array>
#include <cstddef>

namespace app
{

constexpr std::size_t ManualEntryCount = 65;

// Entries 0 to 64; 0 to 3 belong to no topic and are empty.
const std::array<const char*, ManualEntryCount>& manualEntryTexts();

} // namespace app
