// The wood column check: size, wet service, incising and built-up factors, the Euler value and the
// column stability factor of both buckling planes, the allowable and actual compression stress. One
// evaluation of a size serves both the quick-pick search and the check of a picked size.
#pragma once

#include "columns/ColumnValueTables.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace columns
{

// The column type options of the criteria form.
enum class ColumnType
{
    Solid4x, // "Solid Sawn 2x or 4x"
    Nailed,  // "Nailed Built-up 2xs"
    Bolted,  // "Bolted Built-up 2xs"
    Solid6x, // "Solid Sawn 6x+"
};

constexpr bool isDimensionType(ColumnType type)
{
    return type != ColumnType::Solid6x;
}
constexpr bool isBuiltUp(ColumnType type)
{
    return type == ColumnType::Nailed || type == ColumnType::Bolted;
}

// What "OK Calculate" stores from the criteria boxes.
struct ColumnCriteria
{
    float ColP = 0;      // axial load, lb
    float ColHeight = 0; // ft
    float ColL1 = 0;     // unbraced length in the plane of D1, ft; 0 braced throughout
    float ColL2 = 0;     // unbraced length in the plane of D2, ft
    float ColFc = 0;     // reference Fc parallel to grain, psi
    float ColE = 0;      // reference E, millions of psi
    float ColCd = 0;     // load duration factor
    float ColKe = 0;     // buckling length coefficient
    std::string ColSpecies;
};

// The options of the criteria form that the check reads, taken once per run.
struct WoodColumnSetup
{
    ColumnType type = ColumnType::Solid6x;
    ColumnValueGroup group = ColumnValueGroup::PostAndTimber;
    bool wet = false;           // " Cm  Wet Use "
    bool incised = false;       // " Ci  Incised"
    bool d1FullyBraced = false; // "D1 Fully Braced": sheathing takes the built-up reduction away
    std::int16_t ColStudGrade = 0;
    std::int16_t NDS1997 = 0;
    bool eminRule = false; // the 2005 and later Euler value, from Emin
};

// The factors and stresses of the size last evaluated; 32-bit values as the record keeps them.
struct ColumnFactors
{
    float ColLe1 = 0; // in.
    float ColLe2 = 0;
    std::int16_t ColWet = 0;
    float ColCiFc = 1.0f;
    float ColCiE = 1.0f;
    float ColKcE = 0.3f;
    float ColCpc = 0.8f;
    float ColCF1 = 1.0f;
    float ColCF2 = 1.0f;
    float ColCmE = 1.0f;
    float ColCmFc = 1.0f;
    float ColEAdj = 0;   // psi
    float ColFcStar = 0; // psi
    float ColFcE1 = 0;   // psi; 0 for a plane braced throughout
    float ColFcE2 = 0;
    float ColKf = 1.0f; // of the plane shown in the report
    float ColKf1 = 1.0f;
    float ColCp1 = 1.0f;
    float ColCp2 = 1.0f;
    float ColArea = 0;     // in.^2
    float ColActualFc = 0; // psi
    float ColFcAdj = 0;    // psi
    float ColAreaReq = 0;  // in.^2
    float ColD1 = 0;       // in.
    float ColD2 = 0;
    float ColSlenderness1 = 0; // le1 / d1
    float ColSlenderness2 = 0; // le2 / d2
    int ColReportPlane = 2;    // the plane of the smaller Cp, D2 on a tie
};

constexpr float ColSlendernessLimit = 50.0f;

// Steps done once per run: effective lengths and the incising and wet flags.
void startWoodColumnRun(const ColumnCriteria& criteria, const WoodColumnSetup& setup, ColumnFactors& factors);

// The size factor by width (NDS Supplement Table 4A): the same in both planes.
float columnSizeFactor(const WoodColumnSetup& setup, double d2In);

// Evaluates one size of net thickness d1 and width d2 into the factors. Both planes are checked: each
// gets its Euler value and stability factor (with its own Kf), and Fc' takes the smaller Cp, so a
// slender built-up D1 plane is not hidden by a more slender D2 plane. Raises a run-time error on
// overflow or division by zero.
void evaluateWoodColumnSize(double d1In, double d2In, const ColumnCriteria& criteria,
                            const WoodColumnSetup& setup, ColumnFactors& factors);

// The thickness ladder and the rows the selection form shows for a type.
std::array<double, 5> columnThicknessLadder(ColumnType type);
std::array<double, 4> columnWidthLadder(ColumnType type, ColumnValueGroup group, double thicknessIn);
bool columnRowShown(ColumnType type, int row);

// The caption of a quick-pick button for a width: "4", "6", "8", "10" or empty.
std::string_view columnWidthLabel(double widthIn);

struct WoodColumnPicks
{
    std::array<std::string_view, 5> captions{}; // ColDep(0) to ColDep(4)
    bool noneWork = false;                      // no shown row found a width
    bool failed = false; // a run-time error ended the search; the captions found before it stand
};

// The narrowest passing width of each shown thickness row; at most 20 evaluations, no allocation. A
// run-time error (an overflow from absurd criteria) ends the search with what it had found.
WoodColumnPicks QuickPickWoodColumns(const ColumnCriteria& criteria, const WoodColumnSetup& setup,
                                     ColumnFactors& factors);

// A typed or picked size: its net dimensions, or the entry refused and why.
enum class PickedEntry
{
    None,
    D1,
    D2,
};
struct PickedWoodSize
{
    PickedEntry refused = PickedEntry::None;
    std::string_view message;
    float d1In = 0;
    float d2In = 0;
};
PickedWoodSize readPickedWoodSize(std::string_view d1Text, std::string_view d2Text,
                                  const WoodColumnSetup& setup);

// The check of a picked size: factors, Fc', fc and the required area.
void checkPickedWoodColumn(double d1In, double d2In, const ColumnCriteria& criteria,
                           const WoodColumnSetup& setup, ColumnFactors& factors);

} // namespace columns
