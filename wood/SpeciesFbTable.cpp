// The grade columns' bending values: the "2x" and "6x" Fb of each grade of IngradeTable, by species
// group. Block 1 slot 0 ("DF South #2" dimension lumber) is 850, as Table 4A and IngradeTable give it.
#include "wood/SpeciesFbTable.h"

#include "app/Program.h"
#include "beam/BeamState.h"
#include "platform/core/Number.h"
#include "scl/Form2.h"

namespace wood
{

namespace num = platform::num;

const std::array<std::array<std::int16_t, SpeciesFbSlots>, SpeciesFbBlocks> SpeciesFbConstants{{
    {850, 675, 975, 1050, 900, 875, 1000, 1350, 1600, 2400}, // HF, DF-L
    {850, 825, 925, 1300, 850, 875, 850, 1300, 1600, 2400},  // DF South, DF North
    {775, 575, 875, 900, 875, 600, 875, 900, 1600, 2400},    // SPF South, SPF
    {675, 575, 675, 900, 700, 625, 725, 975, 1600, 2400},    // Western Woods, Western Cedar
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0},                          // custom values, from Form2
    {575, 750, 775, 1150, 575, 575, 775, 900, 1600, 2400},   // Eastern Hem/Tam, Eastern Spruce
    {875, 850, 975, 1350, 975, 850, 1250, 1350, 1600, 2400}, // Mixed So. Pine, So. Pine
    {800, 725, 825, 1150, 850, 750, 875, 1200, 1600, 2400},  // Red Oak, White Oak
}};

beam::SpeciesFbTableArray speciesFbTable(std::string_view customFbText)
{
    beam::SpeciesFbTableArray table{};
    for (int block = 0; block < SpeciesFbBlocks; ++block) {
        for (int slot = 0; slot < SpeciesFbSlots; ++slot) {
            const auto b = static_cast<std::size_t>(block);
            const auto s = static_cast<std::size_t>(slot);
            // A custom Fb beyond a 16-bit integer is an overflow error, as the fill always raised.
            table[s][b] = block == CustomValuesBlock ? num::toInt16(num::leadingNumber(customFbText))
                                                     : SpeciesFbConstants[b][s];
        }
    }
    return table;
}

void FillSpeciesFbTable(app::Program& program)
{
    // A custom values form that was never opened has an empty Fb box; asking must not load it.
    const std::string customFb = program.form2.loaded() ? program.form2.Text1.text() : std::string{};
    program.beam.SpeciesFbTable = speciesFbTable(customFb);
}

} // namespace wood
