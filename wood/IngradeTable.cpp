// The in-grade reference values: NDS Supplement Tables 4A (dimension lumber), 4B (Southern Pine), 4D
// (timbers), 4E (hardwoods) and 5A (glu-lam), as the beam test has always carried them. Three cells
// are mended against the Supplement: rows 14 and 15 ("DF South #2" dimension lumber, Fb 850 in Table 4A,
// where the old table had 825) and row 38 ("Western Woods #2" 2x, E 1.0 as in Table 4A and row 39).
#include "wood/IngradeTable.h"

namespace wood
{

// Key, species/grade, Fv (2001 and later), Fv (1997), Fc-perp, E, Fb.
const std::array<IngradeRow, IngradeRowCount> IngradeTable{{
    {"2x", "HF #2", 150, 75, 405, 1.3, 850},               // 0
    {"4x", "HF #2", 150, 75, 405, 1.3, 850},               // 1
    {"6x", "HF #2", 140, 70, 405, 1.1, 675},               // 2
    {"2x", "HF #1", 150, 75, 405, 1.5, 975},               // 3
    {"4x", "HF #1", 150, 75, 405, 1.5, 975},               // 4
    {"6x", "HF #1", 140, 70, 405, 1.3, 1050},              // 5
    {"2x", "DF-L #2", 180, 95, 625, 1.6, 900},             // 6
    {"4x", "DF-L #2", 180, 95, 625, 1.6, 900},             // 7
    {"6x", "DF-L #2", 170, 85, 625, 1.3, 875},             // 8
    {"2x", "DF-L #1", 180, 95, 625, 1.7, 1000},            // 9
    {"4x", "DF-L #1", 180, 95, 625, 1.7, 1000},            // 10
    {"6x", "DF-L #1", 170, 85, 625, 1.6, 1350},            // 11
    {"GLB", "GLB 16F-V2 HF/HF", 195, 155, 500, 1.4, 1600}, // 12
    {"GLB", "GLB 24F-V4 DF/DF", 240, 190, 650, 1.8, 2400}, // 13
    {"2x", "DF South #2", 180, 90, 520, 1.2, 850},         // 14
    {"4x", "DF South #2", 180, 90, 520, 1.2, 850},         // 15
    {"6x", "DF South #2", 165, 85, 520, 1.0, 825},         // 16
    {"2x", "DF South #1", 180, 90, 520, 1.3, 925},         // 17
    {"4x", "DF South #1", 180, 90, 520, 1.3, 925},         // 18
    {"6x", "DF South #1", 165, 85, 520, 1.2, 1300},        // 19
    {"2x", "DF North #2", 180, 95, 625, 1.6, 850},         // 20
    {"4x", "DF North #2", 180, 95, 625, 1.6, 850},         // 21
    {"6x", "DF North #2", 170, 85, 625, 1.3, 875},         // 22
    {"2x", "DF North #1", 180, 95, 625, 1.6, 850},         // 23
    {"4x", "DF North #1", 180, 95, 625, 1.6, 850},         // 24
    {"6x", "DF North #1", 170, 85, 625, 1.6, 1300},        // 25
    {"2x", "SPF South #2", 135, 70, 335, 1.1, 775},        // 26
    {"4x", "SPF South #2", 135, 70, 335, 1.1, 775},        // 27
    {"6x", "SPF South #2", 125, 65, 335, 1.0, 575},        // 28
    {"2x", "SPF South #1", 135, 70, 335, 1.2, 875},        // 29
    {"4x", "SPF South #1", 135, 70, 335, 1.2, 875},        // 30
    {"6x", "SPF South #1", 125, 65, 335, 1.2, 900},        // 31
    {"2x", "SPF #2", 135, 70, 425, 1.4, 875},              // 32
    {"4x", "SPF #2", 135, 70, 425, 1.4, 875},              // 33
    {"6x", "SPF #2", 125, 65, 425, 1.0, 600},              // 34
    {"2x", "SPF #1", 135, 70, 425, 1.4, 875},              // 35
    {"4x", "SPF #1", 135, 70, 425, 1.4, 875},              // 36
    {"6x", "SPF #1", 125, 65, 425, 1.3, 900},              // 37
    {"2x", "Western Woods #2", 135, 70, 335, 1.0, 675},    // 38
    {"4x", "Western Woods #2", 135, 70, 335, 1.0, 675},    // 39
    {"6x", "Western Woods #2", 125, 65, 335, 0.9, 575},    // 40
    {"2x", "Western Woods #1", 135, 70, 335, 1.1, 675},    // 41
    {"4x", "Western Woods #1", 135, 70, 335, 1.1, 675},    // 42
    {"6x", "Western Woods #1", 125, 65, 335, 1.1, 900},    // 43
    {"2x", "Western Cedar #2", 155, 75, 425, 1.0, 700},    // 44
    {"4x", "Western Cedar #2", 155, 75, 425, 1.0, 700},    // 45
    {"6x", "Western Cedar #2", 140, 70, 425, 0.8, 625},    // 46
    {"2x", "Western Cedar #1", 155, 75, 425, 1.0, 725},    // 47
    {"4x", "Western Cedar #1", 155, 75, 425, 1.0, 725},    // 48
    {"6x", "Western Cedar #1", 140, 70, 425, 1.0, 975},    // 49
    {"2x", "Eastern Hem/Tam #2", 170, 85, 555, 1.1, 575},  // 50
    {"4x", "Eastern Hem/Tam #2", 170, 85, 555, 1.1, 575},  // 51
    {"6x", "Eastern Hem/Tam #2", 155, 80, 555, 0.9, 750},  // 52
    {"2x", "Eastern Hem/Tam #1", 170, 85, 555, 1.1, 775},  // 53
    {"4x", "Eastern Hem/Tam #1", 170, 85, 555, 1.1, 775},  // 54
    {"6x", "Eastern Hem/Tam #1", 155, 80, 555, 1.2, 1150}, // 55
    {"2x", "Eastern Spruce #2", 140, 70, 335, 1.1, 575},   // 56
    {"4x", "Eastern Spruce #2", 140, 70, 335, 1.1, 575},   // 57
    {"6x", "Eastern Spruce #2", 135, 65, 390, 1.0, 575},   // 58
    {"2x", "Eastern Spruce #1", 140, 70, 335, 1.1, 775},   // 59
    {"4x", "Eastern Spruce #1", 140, 70, 335, 1.1, 775},   // 60
    {"6x", "Eastern Spruce #1", 135, 65, 390, 1.4, 900},   // 61
    {"2x", "Mixed So. Pine #2", 175, 90, 565, 1.4, 875},   // 62
    {"4x", "Mixed So. Pine #2", 175, 90, 565, 1.4, 875},   // 63
    {"6x", "Mixed So. Pine #2", 165, 95, 375, 1.0, 850},   // 64
    {"2x", "Mixed So. Pine #1", 175, 90, 565, 1.5, 975},   // 65
    {"4x", "Mixed So. Pine #1", 175, 90, 565, 1.5, 975},   // 66
    {"6x", "Mixed So. Pine #1", 165, 110, 375, 1.3, 1350}, // 67
    {"2x", "So. Pine #2", 175, 90, 565, 1.6, 975},         // 68
    {"4x", "So. Pine #2", 175, 90, 565, 1.6, 975},         // 69
    {"6x", "So. Pine #2 SR", 165, 100, 375, 1.2, 850},     // 70
    {"2x", "So. Pine #1", 175, 90, 565, 1.7, 1250},        // 71
    {"4x", "So. Pine #1", 175, 90, 565, 1.7, 1250},        // 72
    {"6x", "So. Pine #1 SR", 165, 110, 375, 1.5, 1350},    // 73
    {"GLB", "GLB 16F-V3 SP/SP", 270, 240, 740, 1.4, 1600}, // 74
    {"GLB", "GLB 24F-V3 SP/SP", 270, 240, 740, 1.8, 2400}, // 75
    {"GLB", "GLB 16F-V6 DF/DF", 240, 190, 560, 1.5, 1600}, // 76
    {"GLB", "GLB 24F-V8 DF/DF", 240, 190, 650, 1.8, 2400}, // 77
    {"GLB", "GLB 16F-V5 SP/SP", 270, 240, 650, 1.4, 1600}, // 78
    {"GLB", "GLB 24F-V5 SP/SP", 270, 240, 740, 1.7, 2400}, // 79
    {"2x", "So. Pine #2 KD 15%", 175, 95, 565, 1.6, 1300}, // 80
    {"4x", "So. Pine #2 KD 15%", 175, 95, 565, 1.6, 1300}, // 81
    {"2x", "So. Pine #1 KD 15%", 175, 95, 565, 1.8, 1600}, // 82
    {"4x", "So. Pine #1 KD 15%", 175, 95, 565, 1.8, 1600}, // 83
    {"2x", "So. Pine #2 19% MC", 175, 90, 565, 1.6, 1200}, // 84
    {"4x", "So. Pine #2 19% MC", 175, 90, 565, 1.6, 1200}, // 85
    {"2x", "So. Pine #1 19% MC", 175, 90, 565, 1.7, 1450}, // 86
    {"4x", "So. Pine #1 19% MC", 175, 90, 565, 1.7, 1450}, // 87
    {"2x", "Red Oak #2", 170, 85, 820, 1.2, 800},          // 88
    {"4x", "Red Oak #2", 170, 85, 820, 1.2, 800},          // 89
    {"6x", "Red Oak #2", 155, 80, 820, 1.0, 725},          // 90
    {"2x", "Red Oak #1", 170, 85, 820, 1.3, 825},          // 91
    {"4x", "Red Oak #1", 170, 85, 820, 1.3, 825},          // 92
    {"6x", "Red Oak #1", 155, 80, 820, 1.2, 1150},         // 93
    {"2x", "White Oak #2", 220, 110, 800, 0.9, 850},       // 94
    {"4x", "White Oak #2", 220, 110, 800, 0.9, 850},       // 95
    {"6x", "White Oak #2", 205, 105, 800, 0.8, 750},       // 96
    {"2x", "White Oak #1", 220, 110, 800, 1.0, 875},       // 97
    {"4x", "White Oak #1", 220, 110, 800, 1.0, 875},       // 98
    {"6x", "White Oak #1", 205, 105, 800, 1.0, 1200},      // 99
}};

std::optional<IngradeRow> findIngradeRow(std::string_view BreadthClass, std::string_view species)
{
    std::optional<IngradeRow> found;
    for (const IngradeRow& row : IngradeTable) {
        if (row.key == BreadthClass && row.species == species) {
            found = row;
        }
    }
    return found;
}

// Posts and timbers (6x6, 6x8 ... 14x16) of the common sawn species: Table 4D, posts and timbers.
const std::array<PostTimberFb, 24> PostTimberFbTable{{
    {"DF-L #1", 1200},
    {"DF-L #2", 750},
    {"HF #1", 975},
    {"HF #2", 575},
    {"DF North #1", 1200},
    {"DF North #2", 725},
    {"DF South #1", 1150},
    {"DF South #2", 675},
    {"SPF #1", 850},
    {"SPF #2", 500},
    {"SPF South #1", 800},
    {"SPF South #2", 475},
    {"Western Cedar #1", 875},
    {"Western Cedar #2", 550},
    {"Western Woods #1", 800},
    {"Western Woods #2", 475},
    {"Eastern Hem/Tam #1", 1050},
    {"Eastern Hem/Tam #2", 600},
    {"Eastern Spruce #1", 800},
    {"Eastern Spruce #2", 450},
    {"Red Oak #1", 1000},
    {"Red Oak #2", 575},
    {"White Oak #1", 1050},
    {"White Oak #2", 600},
}};

std::optional<std::int16_t> postTimberFb(std::string_view species)
{
    for (const PostTimberFb& row : PostTimberFbTable) {
        if (row.species == species) {
            return row.Fb;
        }
    }
    return std::nullopt;
}

} // namespace wood
