// The species groups and materials as the species lists show them, and the mapping between a list
// position (SpeciesListIndex) and the species group (SpeciesGroup, the index of Form1's group()).
#pragma once

#include <array>

namespace app
{

constexpr int SpeciesCount = 10;

// In list order; the files store this position, not the group.
constexpr std::array<const char*, SpeciesCount> SpeciesListTexts = {
    "Hem Fir / DF-Larch",  "Cedar / Western Woods",     "Eastern Species",
    "DF South / DF North", "SPF / SPF South",           "Southern Pine",
    "Red Oak / White Oak", "SCL Beams (LVL, PSL, LSL)", "Custom Wood Values",
    "Steel Beams"};

// The list shows groups 0, 3, 4, 1, 2, 5 .. 9: positions 1..4 swap in pairs, so the mapping is its own
// inverse.
constexpr std::array<int, SpeciesCount> SpeciesGroupByListIndex = {0, 3, 4, 1, 2, 5, 6, 7, 8, 9};

constexpr int SpeciesGroupOfListIndex(int listIndex)
{
    return SpeciesGroupByListIndex[static_cast<std::size_t>(listIndex)];
}

constexpr int SpeciesListIndexOfGroup(int group)
{
    return SpeciesGroupByListIndex[static_cast<std::size_t>(group)];
}

constexpr int SteelListIndex = 9;

} // namespace app
