// The constant rows of the steel shape table, generated from steel/data by
// scripts/generate_steel_table.py.
#pragma once

#include "steel/SteelTable.h"

namespace steel::rows
{

extern const SteelRow WShapeRows[154];     // table rows 0..153
extern const SteelRow SShapeRows[31];      // 154..184
extern const SteelRow ChannelRows[29];     // 185..213
extern const SteelRow TubeRows[110];       // 214..323, columns 0..11
extern const SteelRow PlateRows[54];       // 324..377, columns 0..7
extern const SteelRow DoublePlateRows[54]; // 378..431, columns 0..7
extern const SteelRow MCRows[36];          // 432..467

} // namespace steel::rows
