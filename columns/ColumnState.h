// The shared values of the column path: the criteria "OK Calculate" stored, the factors of the last
// wood column evaluation and the steel column results.
#pragma once

#include "columns/SteelColumnDesign.h"
#include "columns/WoodColumnDesign.h"

#include <cstdint>

namespace columns
{

struct ColumnState
{
    ColumnCriteria criteria;
    std::int16_t ColStudGrade = 0;
    ColumnFactors factors;
    WoodColumnPicks picks; // the quick-pick widths of the last search
    std::int16_t ColPickError = 0;

    // Steel: the inputs of the last activation of the selection form and the last report.
    float StlColL = 0; // in.
    SteelColumnReport steel;
};

} // namespace columns
