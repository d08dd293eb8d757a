// The notch check's reference data: the species and glu-lam lists with their base shear values Fv, and
// the nominal-to-net size lists of the standard size picker. Built in; nothing is read from files.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace notch
{

// One entry of the sawn species list: Fv in psi for timbers (breadth 5 in. or more) and dimension lumber.
struct SawnSpecies
{
    std::string_view text;
    int fvTimbersPsi;
    int fvDimensionPsi;
};

// One glu-lam combination and its Fv in psi.
struct GluLamCombination
{
    std::string_view text;
    int fvPsi;
};

// The values of the NDS 2001 and later editions; every edition offered by the notch form uses them.
struct NotchBaseFvTable
{
    // Index 12 reads "Eastern Spruce" when the list is filled with a breadth of 5 in. or more.
    static constexpr std::string_view EasternSpruce = "Eastern Spruce";
    static constexpr std::array<SawnSpecies, 16> Sawn{{
        {"Douglas Fir-Larch", 170, 180},
        {"Douglas Fir-Larch (North)", 170, 180},
        {"Douglas Fir-South", 165, 180},
        {"Hem-Fir", 140, 150},
        {"Hem-Fir (North)", 135, 145},
        {"Red Oak", 155, 170},
        {"White Oak", 205, 220},
        {"Spruce-Pine-Fir", 125, 135},
        {"Spruce-Pine-Fir (South)", 125, 135},
        {"Southern Pine", 165, 175},
        {"Mixed Southern Pine", 165, 175},
        {"Eastern Hem-Tamarack", 155, 170},
        {"Eastern Softwoods", 135, 140},
        {"Eastern White Pine", 125, 135},
        {"Western Cedars", 140, 155},
        {"Western Woods", 125, 135}, // timbers: NDS Supplement Table 4D lists 125 psi
    }};
    // Every DF/DF combination 240 psi, every SP/SP combination 270 psi (NDS Supplement Table 5A).
    // Entries 5 and 6 are equal; the record file stores positions, so both stay.
    static constexpr std::array<GluLamCombination, 17> GluLam{{
        {"GLB 16F-v3 DF/DF", 240},
        {"GLB 16F-v6 DF/DF", 240},
        {"GLB 16F-v8 DF/DF", 240},
        {"GLB 20F-v3 DF/DF", 240},
        {"GLB 20F-v7 DF/DF", 240},
        {"GLB 22F-v3 DF/DF", 240},
        {"GLB 22F-v3 DF/DF", 240},
        {"GLB 22F-v8 DF/DF", 240},
        {"GLB 24F-v4 DF/DF", 240},
        {"GLB 24F-v8 DF/DF", 240},
        {"GLB 16F-v3 SP/SP", 270},
        {"GLB 16F-v5 SP/SP", 270},
        {"GLB 20F-v3 SP/SP", 270},
        {"GLB 22F-v3 SP/SP", 270},
        {"GLB 24F-v3 SP/SP", 270},
        {"GLB 24F-v5 SP/SP", 270},
        {"GLB 24F-v6 SP/SP", 270},
    }};
};

// The base Fv of a list entry: glu-lam by combination, sawn by the breadth class. Empty outside the list.
std::optional<int> notchBaseFv(bool gluLam, int index, double breadthIn);

// The species box's entry text at an index; sawn index 12 depends on the breadth at filling time.
std::string_view notchSpeciesText(bool gluLam, int index, double breadthIn);
int notchSpeciesCount(bool gluLam);

// A nominal size entry and the text of its net (or decimal) equivalent.
struct SizeEntry
{
    std::string_view entry;
    std::string_view net;
};

struct SawnDepthEntry
{
    std::string_view entry;
    std::string_view netNarrow; // with the breadths 2x, 3x and 4x
    std::string_view netWide;   // with the other breadths, or none chosen
};

struct StandardSizeLists
{
    // Net sawn sizes: breadths lose 1/2 in.; depths 8 to 16 lose 3/4 in. on 2x to 4x, else 1/2 in.
    static constexpr std::array<SizeEntry, 9> SawnBreadths{{
        {"    2x", "1.5"},
        {"    3x", "2.5"},
        {"    4x", "3.5"},
        {"    6x", "5.5"},
        {"    8x", "7.5"},
        {"   10x", "9.5"},
        {"   12x", "11.5"},
        {"   14x", "13.5"},
        {"   16x", "15.5"},
    }};
    static constexpr std::array<SawnDepthEntry, 11> SawnDepths{{
        {"    4", "3.5", "3.5"},
        {"    6", "5.5", "5.5"},
        {"    8", "7.25", "7.5"},
        {"   10", "9.25", "9.5"},
        {"   12", "11.25", "11.5"},
        {"   14", "13.25", "13.5"},
        {"   16", "15.25", "15.5"},
        {"   18", "17.5", "17.5"},
        {"   20", "19.5", "19.5"},
        {"   22", "21.5", "21.5"},
        {"   24", "23.5", "23.5"},
    }};
    // Glu-lam sizes are actual sizes; 1-1/2 in. laminations (western species) and 1-3/8 in. (southern pine).
    static constexpr std::array<SizeEntry, 9> WesternBreadths{{
        {"   2-1/2x", "2.5"},
        {"   3-1/8x", "3.125"},
        {"   3-1/2x", "3.5"},
        {"   5-1/8x", "5.125"},
        {"   5-1/2x", "5.5"},
        {"   6-3/4x", "6.75"},
        {"   8-3/4x", "8.75"},
        {"   10-3/4x", "10.75"},
        {"   12-3/4x", "12.75"},
    }};
    static constexpr std::array<SizeEntry, 10> SouthernBreadths{{
        {"   2-1/2x", "2.5"},
        {"   3x", "3"},
        {"   3-1/8x", "3.125"},
        {"   3-1/2x", "3.5"},
        {"   5x", "5"},
        {"   5-1/8x", "5.125"},
        {"   5-1/2x", "5.5"},
        {"   6-3/4x", "6.75"},
        {"   8-1/2x", "8.5"},
        {"   10-1/2x", "10.5"},
    }};
    static constexpr std::array<SizeEntry, 28> WesternDepths{{
        {"   6", "6"},   {"   7-1/2", "7.5"},   {"   9", "9"},   {"   10-1/2", "10.5"},
        {"   12", "12"}, {"   13-1/2", "13.5"}, {"   15", "15"}, {"   16-1/2", "16.5"},
        {"   18", "18"}, {"   19-1/2", "19.5"}, {"   21", "21"}, {"   22-1/2", "22.5"},
        {"   24", "24"}, {"   25-1/2", "25.5"}, {"   27", "27"}, {"   28-1/2", "28.5"},
        {"   30", "30"}, {"   31-1/2", "31.5"}, {"   33", "33"}, {"   34-1/2", "34.5"},
        {"   36", "36"}, {"   37-1/2", "37.5"}, {"   39", "39"}, {"   40-1/2", "40.5"},
        {"   42", "42"}, {"   43-1/2", "43.5"}, {"   45", "45"}, {"   46-1/2", "46.5"},
    }};
    static constexpr std::array<SizeEntry, 28> SouthernDepths{{
        {"   5-1/2", "5.5"},   {"   6-7/8", "6.875"},   {"   8-1/4", "8.25"},   {"   9-5/8", "9.625"},
        {"   11", "11"},       {"   12-3/8", "12.375"}, {"   13-3/4", "13.75"}, {"   15-1/8", "15.125"},
        {"   16-1/2", "16.5"}, {"   17-7/8", "17.875"}, {"   19-1/4", "19.25"}, {"   20-5/8", "20.625"},
        {"   22", "22"},       {"   23-3/8", "23.375"}, {"   24-3/4", "24.75"}, {"   26-1/8", "26.125"},
        {"   27-1/2", "27.5"}, {"   28-7/8", "28.875"}, {"   30-1/4", "30.25"}, {"   31-5/8", "31.625"},
        {"   33", "33"},       {"   34-3/8", "34.375"}, {"   35-3/4", "35.75"}, {"   37-1/8", "37.125"},
        {"   38-1/2", "38.5"}, {"   39-7/8", "39.875"}, {"   41-1/4", "41.25"}, {"   42-5/8", "42.625"},
    }};
};

} // namespace notch
