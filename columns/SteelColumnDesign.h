// Unfilled round pipe and square tube columns under a concentric axial load: the 27 sizes of the steel
// column selection form and the allowable-stress column formulas of AISC chapter E.
#pragma once

#include <array>
#include <string_view>

namespace columns
{

struct SteelColumnRow
{
    std::string_view designation;
    double outsideDiameterIn;  // pipes: actual outside diameter; 0 for tubes
    std::string_view tubeSize; // tubes: outside size text; empty for pipes
    double weightPlf;
    double areaSqIn;
    double radiusOfGyrationIn;
    std::string_view typeAndGrade;
};

constexpr int SteelColumnRowCount = 27;
constexpr int FirstTubeRow = 14;

extern const std::array<SteelColumnRow, SteelColumnRowCount> SteelColumnTable;

// The families and their rows, first and one past the last.
struct SteelColumnFamily
{
    int firstRow;
    int endRow;
};
constexpr SteelColumnFamily StandardPipeRows{0, 5};
constexpr SteelColumnFamily ExtraStrongPipeRows{5, 10};
constexpr SteelColumnFamily DoubleExtraStrongPipeRows{10, 14};
constexpr SteelColumnFamily TubeRows{14, 27};

constexpr float StlColE = 29000.0f; // ksi
constexpr float SteelColumnMaxKLr = 200.0f;

// Yield stress and Cc of a row: pipes A501 at 36 ksi, tubes A500 Grade B at 46 ksi. The Cc values are
// the published constants, not recomputed from Fy.
struct SteelColumnGrade
{
    float fyKsi;
    float cc;
};
SteelColumnGrade steelColumnGrade(int row);

// Allowable axial stress Fa, ksi (AISC E2-1 below Cc, E2-2 above), with pi taken as 3.1416.
float SteelColumnFa(float klr, float fyKsi, float cc);

// KL/r of a row: K x L and the quotient each rounded to a 32-bit float.
float steelColumnKLr(float ke, float lengthIn, int row);

// The six proposals: the lightest passing pipe of each pipe family and the first three passing tubes.
struct SteelColumnProposals
{
    std::string_view standard;
    std::string_view extraStrong;
    std::string_view doubleExtraStrong;
    std::array<std::string_view, 3> tubes{};
    bool noneWork() const;
};
SteelColumnProposals proposeSteelColumns(float loadLb, float lengthIn, float ke);

// The report of one size; the strength status passes equality of required and actual area.
struct SteelColumnReport
{
    int row = -1;
    float StlColKLr = 0;
    float StlColFy = 0;
    float StlColCc = 0;
    float StlColFa = 0;
    float StlColR = 0;
    float StlColWeight = 0;
    float StlColArea = 0;
    float actualStressKsi = 0;
    float requiredAreaSqIn = 0;
    bool slendernessOK = true;
    bool strengthOK = true;
};

// The first row whose designation and type and grade both match, or -1.
int findSteelColumnRow(std::string_view designation, std::string_view typeAndGrade);
bool steelColumnDesignationExists(std::string_view designation);
SteelColumnReport reportSteelColumn(int row, float loadLb, float lengthIn, float ke);

} // namespace columns
