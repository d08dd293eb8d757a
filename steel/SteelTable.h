// The steel shape table: 468 rows of 14 cells, one row per shape, filled family by family by the
// loaders when the steel selection form is activated, and looked up by exact designation.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace steel
{

constexpr int SteelRowCount = 468;
constexpr int SteelColumnCount = 14;

// Columns of a row.
namespace Col
{
constexpr int Designation = 0;
constexpr int Depth = 1;
constexpr int DepthText = 2;
constexpr int Web = 3; // tw; tubes both walls, plates all plates
constexpr int BreadthText = 4;
constexpr int Weight = 5;
constexpr int Ix = 6;
constexpr int Sx = 7;
constexpr int Lc36 = 8;
constexpr int Lu36 = 9;
constexpr int Flange = 10; // tf
constexpr int K = 11;
constexpr int Lc50 = 12;
constexpr int Lu50 = 13;
} // namespace Col

// One cell: empty, a text, a 16-bit integer or a double. Texts point at the program's constants.
struct SteelCell
{
    enum class Kind : std::uint8_t
    {
        Empty,
        Text,
        Int16,
        Double
    };
    Kind kind = Kind::Empty;
    std::int16_t whole = 0;
    double real = 0;
    const char* str = nullptr;

    static constexpr SteelCell textCell(const char* s) { return {Kind::Text, 0, 0, s}; }
    static constexpr SteelCell intCell(std::int16_t v) { return {Kind::Int16, v, 0, nullptr}; }
    static constexpr SteelCell doubleCell(double v) { return {Kind::Double, 0, v, nullptr}; }

    bool empty() const { return kind == Kind::Empty; }
    // An empty cell reads 0; a text that is not a number is a type mismatch (error 13).
    double number() const;
    // An empty cell reads ""; a number reads as its plain number text.
    std::string text() const;
    bool operator==(const SteelCell& other) const;
};

using SteelRow = std::array<SteelCell, SteelColumnCount>;

class SteelTable
{
  public:
    // A row or column outside the table is error 9.
    const SteelCell& cell(int row, int column) const;
    void set(int row, int column, const SteelCell& value);
    double number(int row, int column) const { return cell(row, column).number(); }
    std::string text(int row, int column) const { return cell(row, column).text(); }
    // Column 0 compared whole with the wanted text, without building a string.
    bool designationIs(int row, std::string_view wanted) const;

  private:
    std::array<SteelRow, SteelRowCount> m_rows{};
};

// The family loaders. Each writes only its own rows, the same constants every time.
void LoadWShapeTable1(SteelTable& table); // rows 0..89
void LoadWShapeTable2(SteelTable& table); // rows 90..153
void LoadSShapeTable(SteelTable& table);  // rows 154..184
void LoadChannelTable(SteelTable& table); // rows 185..213
void LoadTubeTable(SteelTable& table);    // rows 214..323
void LoadPlateTable(SteelTable& table);   // rows 324..431, single and double plates
void LoadMCTable(SteelTable& table);      // rows 432..467

// The first row from first to last whose designation equals wanted exactly, or -1. An empty text never
// matches.
int findDesignation(const SteelTable& table, int first, int last, std::string_view wanted);

} // namespace steel
