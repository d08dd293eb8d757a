// The reference values of wood columns: timbers (5 in. and thicker) and dimension lumber (2x to 4x),
// one row per species and grade, named as the species lists of the column criteria form show them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace columns
{

// The value group options of the criteria form.
enum class ColumnValueGroup
{
    PostAndTimber,
    BeamAndStringer,
    DimensionLumber,
};

struct TimberValueRow
{
    std::string_view speciesGrade;
    std::int16_t fcBeamsStringersPsi; // Fc of the Beam and Stringer group
    double eMpsi;                     // E, millions of psi
    std::int16_t fcPostsTimbersPsi;   // Fc of the Post and Timber group
};

struct DimensionValueRow
{
    std::string_view speciesGrade;
    std::int16_t fcPsi;
    double eMpsi;
    std::int16_t fcNds1997Psi; // Fc while the 1997 edition is in force
    std::int16_t fbPsi;        // read by the stud wall check only
};

constexpr int TimberRowCount = 39;
constexpr int DimensionRowCount = 48;
constexpr int StringerRowCount = 36; // the Beam and Stringer list stops before the Southern Pine rows

extern const std::array<TimberValueRow, TimberRowCount> TimberValueTable;

// Twelve species of four grades each, always Select, #1, #2, Stud.
extern const std::array<DimensionValueRow, DimensionRowCount> DimensionValueTable;

// Stud grades sit at every fourth row of the dimension lumber table, starting at 3.
constexpr bool isStudRow(int dimensionRow)
{
    return dimensionRow >= 0 && dimensionRow < DimensionRowCount && dimensionRow % 4 == 3;
}

struct ColumnReferenceValues
{
    std::int16_t fcPsi;
    double eMpsi;
};

// The values of the first row whose name equals the text (whole text, case-sensitive) in the group's
// table; both timber groups search all timber rows. Nothing for "Custom" or any other text.
std::optional<ColumnReferenceValues> lookupColumnValues(ColumnValueGroup group, std::string_view speciesGrade,
                                                        bool nds1997);

} // namespace columns
