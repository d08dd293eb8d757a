// The bending values of the selection form's grade columns, from which its quick picks estimate their
// first depths.
#pragma once

#include "beam/BeamState.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace app
{
class Program;
}

namespace wood
{

// Blocks 0-3 serve species groups 0-3, block 4 custom values, blocks 5-7 groups 4-6. Slot 2k holds the
// dimension lumber Fb of grade column k + 1, slot 2k + 1 its timber Fb, slots 8 and 9 the 16F and 24F
// glu-lam combinations.
constexpr int SpeciesFbSlots = 10;
constexpr int SpeciesFbBlocks = 8;
constexpr int CustomValuesBlock = 4;

// The built-in blocks, as Fb[block][slot]; block 4 is the custom value and left 0 here.
extern const std::array<std::array<std::int16_t, SpeciesFbSlots>, SpeciesFbBlocks> SpeciesFbConstants;

// The whole table with the custom Fb text (Form2's Fb box) in every slot of block 4: its leading number
// rounded to a whole number, halves to the even neighbour.
beam::SpeciesFbTableArray speciesFbTable(std::string_view customFbText);

// Fills the shared SpeciesFbTable from the constants and Form2's Fb box.
void FillSpeciesFbTable(app::Program& program);

} // namespace wood
