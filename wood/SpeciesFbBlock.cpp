// FIXME: stands in for the species Fb table of the wood design values until that table lands; the
// values are its published ones, and this file goes when the table is in.
#include "wood/SpeciesFbBlock.h"

#include "app/Program.h"
#include "platform/core/Number.h"

namespace wood
{

GradeFbValues SpeciesBlockFb(app::Program& program, int block)
{
    static constexpr std::array<std::array<float, 10>, 8> blocks = {{
        {850, 675, 975, 1050, 900, 875, 1000, 1350, 1600, 2400},
        {850, 825, 925, 1300, 850, 875, 850, 1300, 1600, 2400},
        {775, 575, 875, 900, 875, 600, 875, 900, 1600, 2400},
        {675, 575, 675, 900, 700, 625, 725, 975, 1600, 2400},
        {},
        {575, 750, 775, 1150, 575, 575, 775, 900, 1600, 2400},
        {875, 850, 975, 1350, 975, 850, 1250, 1350, 1600, 2400},
        {800, 725, 825, 1150, 850, 750, 875, 1200, 1600, 2400},
    }};
    if (block == 4) {
        GradeFbValues custom{};
        custom.fill(static_cast<float>(
            platform::num::toInt16(platform::num::leadingNumber(program.form2.Text1.text()))));
        return custom;
    }
    return blocks[static_cast<std::size_t>(block)];
}

} // namespace wood
