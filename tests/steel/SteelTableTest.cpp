// The steel shape table: the W, S and C rows against the shape data file, the telling rows of the
// tube, plate and MC families, the invariants every family keeps, the section rules of tubes and
// plates, the loaders' bounds and the exact-designation look-up.
#include "steel/SteelTable.h"

#include "platform/core/RuntimeError.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace
{

using steel::SteelCell;
using steel::SteelTable;
namespace Col = steel::Col;

SteelTable loadedTable()
{
    SteelTable table;
    steel::LoadWShapeTable1(table);
    steel::LoadWShapeTable2(table);
    steel::LoadSShapeTable(table);
    steel::LoadChannelTable(table);
    steel::LoadTubeTable(table);
    steel::LoadPlateTable(table);
    steel::LoadMCTable(table);
    return table;
}

std::vector<std::string> splitCsv(const std::string& line)
{
    std::vector<std::string> fields;
    std::string field;
    bool quoted = false;
    for (char c : line) {
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.push_back(field);
            field.clear();
        } else {
            field += c;
        }
    }
    fields.push_back(field);
    return fields;
}

// Every W, S and C cell is the data file's value, in the file's row order; the file has no k for the
// two S 7 shapes, which hold 15/16 in. as 0.94 (the S 3 to S 8 rows grow by 1/16 in. per inch of depth).
TEST(SteelTable, WSAndCRowsEqualTheShapeDataFile)
{
    const std::filesystem::path root =
        std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
    std::ifstream file(root / "steel" / "data" / "steel-shapes-wsc.csv");
    ASSERT_TRUE(file) << "shape data file not found";
    const SteelTable table = loadedTable();
    std::string line;
    std::getline(file, line); // heading
    // File columns 1..14 are the table's columns 0..13 in the order of the heading, k in file column 12.
    const int fileColumn[14] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    int rows = 0;
    while (std::getline(file, line)) {
        const std::vector<std::string> f = splitCsv(line);
        const int row = std::stoi(f[0]);
        ASSERT_EQ(row, rows);
        for (int c = 0; c < steel::SteelColumnCount; ++c) {
            const std::string& value = f[fileColumn[c]];
            SCOPED_TRACE("row " + f[0] + " column " + std::to_string(c));
            if (c == Col::Designation || c == Col::DepthText || c == Col::BreadthText) {
                EXPECT_EQ(table.text(row, c), value);
            } else if (value.empty()) {
                EXPECT_EQ(c, Col::K);
                EXPECT_TRUE(f[1] == "S 7x 15.3" || f[1] == "S 7x 20");
                EXPECT_EQ(table.number(row, c), 0.94);
            } else {
                EXPECT_EQ(table.number(row, c), std::stod(value));
            }
        }
        ++rows;
    }
    EXPECT_EQ(rows, 214);
}

// Every MC cell is the MC data file's value; depth and weight are those of the designation, Lc is 0.
TEST(SteelTable, MCRowsEqualTheirDataFile)
{
    const std::filesystem::path root =
        std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
    std::ifstream file(root / "steel" / "data" / "steel-shapes-mc.csv");
    ASSERT_TRUE(file) << "MC data file not found";
    const SteelTable table = loadedTable();
    std::string line;
    std::getline(file, line); // row,designation,tw,flange_text,Ix,Sx,Lu36,tf,k,Lu50
    int rows = 0;
    while (std::getline(file, line)) {
        const std::vector<std::string> f = splitCsv(line);
        const int row = std::stoi(f[0]);
        SCOPED_TRACE(f[1]);
        EXPECT_EQ(row, 432 + rows);
        EXPECT_EQ(table.text(row, Col::Designation), f[1]);
        const std::string depth = f[1].substr(3, f[1].find('x') - 3);
        EXPECT_EQ(table.text(row, Col::DepthText), depth);
        EXPECT_EQ(table.number(row, Col::Depth), std::stod(depth));
        EXPECT_EQ(table.number(row, Col::Weight), std::stod(f[1].substr(f[1].find("x ") + 2)));
        EXPECT_EQ(table.text(row, Col::BreadthText), f[3]);
        const int columns[] = {Col::Web, Col::Ix, Col::Sx, Col::Lu36, Col::Flange, Col::K, Col::Lu50};
        const int fields[] = {2, 4, 5, 6, 7, 8, 9};
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(table.number(row, columns[i]), std::stod(f[fields[i]])) << "column " << columns[i];
        }
        EXPECT_EQ(table.number(row, Col::Lc36), 0);
        EXPECT_EQ(table.number(row, Col::Lc50), 0);
        ++rows;
    }
    EXPECT_EQ(rows, 36);
}

struct TellingRow
{
    int row;
    const char* designation;
    double d;
    const char* depthText;
    double tw;
    const char* breadthText;
    double weight, ix, sx, lc36, lu36, tf, k, lc50, lu50;
};

// Rows given in full for the rolled shapes, and the telling rows of the tube, plate and MC families
// (tube and plate weights, Ix and Sx from their section rules; plates have no tf and k: 0).
TEST(SteelTable, TellingRowsOfEveryFamily)
{
    const TellingRow cases[] = {
        {0, "W 6x 9", 5.9, "5-7/8", 0.17, "4", 9, 16.4, 5.56, 4.2, 6.7, 0.215, 0.5625, 3.5, 4.8},
        {153, "W 4x 13", 4.16, "4-1/8", 0.28, "4", 13, 11.3, 5.46, 4.3, 15.6, 0.345, 0.6875, 3.6, 11.2},
        {154, "S 3x 5.7", 3, "3", 0.17, "2-3/8", 5.7, 2.52, 1.68, 2.5, 9.4, 0.26, 0.69, 2.1, 6.7},
        {184, "S 24x 121", 24.5, "24-1/2", 0.8, "8", 121, 3160, 258, 8.5, 16.6, 1.09, 2, 7.2, 11.9},
        {185, "C 3x 3.5", 3, "3", 0.132, "1-3/8", 3.5, 1.57, 1.04, 0, 5.7, 0.273, 0.69, 0, 4.1},
        {189, "C 4x 4.5", 4, "4", 0.125, "1-5/8", 4.5, 3.65, 1.83, 0, 5.1, 0.296, 0.75, 0, 3.6},
        {213, "C 15x 33.9", 15, "15", 0.4, "3-3/8", 33.9, 315, 42, 0, 6.8, 0.65, 1.44, 0, 4.9},
        {214, "T 4x 2x 3/16", 4, "4", 0.375, "2", 6.87, 3.87, 1.93, 0, 0, 0.1875, 0.375, 0, 0},
        {255, "T 8x 6x 1/4", 8, "8", 0.5, "6", 22.42, 60.1, 15, 0, 0, 0.25, 0.5, 0, 0},
        {285, "T 12x 4x 5/8", 12, "12", 1.25, "4", 59.32, 257, 42.8, 0, 0, 0.625, 1.25, 0, 0},
        {305, "T 14x 10x 5/8", 14, "14", 1.25, "10", 93.34, 728, 104, 0, 0, 0.625, 1.25, 0, 0},
        {323, "T 20x 12x 1/2", 20, "20", 1, "12", 103.3, 1650, 165, 0, 0, 0.5, 1, 0, 0},
        {324, "PL 3x 1/4", 3, "3", 0.25, "1/4", 5.10, 0.56, 0.38, 0, 0, 0, 0, 0, 0},
        {347, "PL 9x 1", 9, "9", 1, "1", 37.34, 60.75, 13.50, 0, 0, 0, 0, 0, 0},
        {367, "PL 17-1/2x 3/8", 17.5, "17-1/2", 0.375, "3/8", 37.63, 167.48, 19.14, 0, 0, 0, 0, 0, 0},
        {378, "(2) PL 3x 1/4", 3, "3", 0.5, "1/4", 8.93, 1.13, 0.75, 0, 0, 0, 0, 0, 0},
        {398, "(2) PL 9x 1/2", 9, "9", 1, "1/2", 40.72, 60.75, 13.50, 0, 0, 0, 0, 0, 0},
        {412, "(2) PL 13-1/2x 1", 13.5, "13-1/2", 2, "1", 106.57, 410.06, 60.75, 0, 0, 0, 0, 0, 0},
        {431, "(2) PL 19-1/2x 1", 19.5, "19-1/2", 2, "1", 158.21, 1235.81, 126.75, 0, 0, 0, 0, 0, 0},
        {432, "MC 3x 7.1", 3, "3", 0.312, "2", 7.1, 2.72, 1.81, 0, 4.6, 0.351, 0.8125, 0, 3.8},
        {435, "MC 6x 7", 6, "6", 0.179, "1-7/8", 7, 11.4, 3.81, 0, 5.4, 0.291, 0.75, 0, 4.2},
        {439, "MC 6x 15.3", 6, "6", 0.34, "3-1/2", 15.3, 25.3, 8.44, 0, 10.4, 0.385, 0.875, 0, 7.5},
        {467, "MC 18x 58", 18, "18", 0.7, "4-1/4", 58, 675, 75, 0, 6.7, 0.625, 1.4375, 0, 4.9},
    };
    const SteelTable table = loadedTable();
    for (const TellingRow& r : cases) {
        SCOPED_TRACE(r.designation);
        EXPECT_EQ(table.text(r.row, Col::Designation), r.designation);
        EXPECT_EQ(table.text(r.row, Col::DepthText), r.depthText);
        EXPECT_EQ(table.text(r.row, Col::BreadthText), r.breadthText);
        const double numbers[] = {r.d, r.tw, r.weight, r.ix, r.sx, r.lc36, r.lu36, r.tf, r.k, r.lc50, r.lu50};
        const int columns[] = {Col::Depth, Col::Web,    Col::Weight, Col::Ix,   Col::Sx,  Col::Lc36,
                               Col::Lu36,  Col::Flange, Col::K,      Col::Lc50, Col::Lu50};
        for (int i = 0; i < 11; ++i) {
            EXPECT_EQ(table.number(r.row, columns[i]), numbers[i]) << "column " << columns[i];
        }
    }
}

TEST(SteelTable, FamilyRangesDesignationsAndEmptyRows)
{
    const SteelTable table = loadedTable();
    struct Family
    {
        int first, last;
        const char* prefix;
    };
    const Family families[] = {{0, 153, "W "},    {154, 184, "S "},      {185, 213, "C "}, {214, 323, "T "},
                               {324, 377, "PL "}, {378, 431, "(2) PL "}, {432, 467, "MC "}};
    std::set<std::string> seen;
    for (const Family& f : families) {
        for (int row = f.first; row <= f.last; ++row) {
            const std::string name = table.text(row, Col::Designation);
            if (row == 266) {
                EXPECT_EQ(name, "xx");
                continue;
            }
            if (row == 419) {
                EXPECT_EQ(name, "");
                continue;
            }
            EXPECT_EQ(name.rfind(f.prefix, 0), 0u) << row << " " << name;
            EXPECT_TRUE(seen.insert(name).second) << "duplicate " << name;
            EXPECT_EQ(name.find("  "), std::string::npos) << name;
            EXPECT_NE(name.back(), ' ');
        }
    }
    EXPECT_EQ(seen.size(), 466u);

    // The placeholder holds only its designation and the two 50 ksi zeros; row 419 only four zeros.
    for (int c = 1; c <= 11; ++c) {
        EXPECT_TRUE(table.cell(266, c).empty()) << c;
    }
    EXPECT_EQ(table.cell(266, Col::Lc50), SteelCell::intCell(0));
    EXPECT_EQ(table.cell(266, Col::Lu50), SteelCell::intCell(0));
    for (int c = 0; c < steel::SteelColumnCount; ++c) {
        const bool zero = c == Col::Lc36 || c == Col::Lu36 || c == Col::Lc50 || c == Col::Lu50;
        EXPECT_EQ(table.cell(419, c), zero ? SteelCell::intCell(0) : SteelCell{}) << c;
    }
    // No Lc for channels, MC channels, tubes and plates; plates carry no tf or k.
    for (int row = 185; row <= 467; ++row) {
        EXPECT_EQ(table.number(row, Col::Lc36), 0) << row;
        EXPECT_EQ(table.number(row, Col::Lc50), 0) << row;
    }
    for (int row = 324; row <= 431; ++row) {
        EXPECT_TRUE(table.cell(row, Col::Flange).empty());
        EXPECT_TRUE(table.cell(row, Col::K).empty());
    }
    EXPECT_EQ(table.text(0, Col::Designation), "W 6x 9");
    EXPECT_EQ(table.text(152, Col::Designation), "W 36x 230");
    EXPECT_EQ(table.text(412, Col::Designation), "(2) PL 13-1/2x 1");
    EXPECT_EQ(table.text(413, Col::Designation), "(2) PL 15-1/2x 1/4");
    EXPECT_EQ(table.text(420, Col::Designation), "(2) PL 17-1/2x 1/4");
}

// A round-cornered hollow rectangle: outside corners of radius 2t, inside corners of radius t.
double cutArea(double b, double h, double r)
{
    return b * h - (4 - M_PI) * r * r;
}
double cutInertia(double b, double h, double r)
{
    return b * h * h * h / 12 -
           4 * ((1.0 / 3 - M_PI / 16) * std::pow(r, 4) + (h / 2 - r) * std::pow(r, 3) / 3 +
                (1 - M_PI / 4) * r * r * (h / 2 - r) * (h / 2 - r));
}
double threeFigures(double x)
{
    const double scale = std::pow(10.0, 2 - std::floor(std::log10(x)));
    return std::round(x * scale) / scale;
}

TEST(SteelTable, TubeRowsFollowTheSectionRule)
{
    const SteelTable table = loadedTable();
    for (int row = 214; row <= 323; ++row) {
        if (row == 266) {
            continue;
        }
        const std::string name = table.text(row, Col::Designation);
        SCOPED_TRACE(name);
        const double D = table.number(row, Col::Depth);
        const double t = table.number(row, Col::Flange);
        const double B = std::stod(table.text(row, Col::BreadthText));
        EXPECT_EQ(table.text(row, Col::DepthText), name.substr(2, name.find('x') - 2));
        EXPECT_EQ(table.number(row, Col::Web), 2 * t);
        EXPECT_EQ(table.number(row, Col::K), 2 * t);
        const double A = cutArea(B, D, 2 * t) - cutArea(B - 2 * t, D - 2 * t, t);
        const double I = cutInertia(B, D, 2 * t) - cutInertia(B - 2 * t, D - 2 * t, t);
        EXPECT_NEAR(table.number(row, Col::Weight), A * 490 / 144, 0.005 + 1e-9);
        EXPECT_DOUBLE_EQ(table.number(row, Col::Ix), threeFigures(I));
        EXPECT_DOUBLE_EQ(table.number(row, Col::Sx), threeFigures(I / (D / 2)));
        if (row > 214 && row != 267) {
            EXPECT_LE(table.number(row - 1, Col::Depth), D);
        }
    }
}

// Ix = tw d^3 / 12 and Sx = tw d^2 / 6, to two decimals with halves up; three Ix stand 0.01 above.
TEST(SteelTable, PlateRowsFollowTheRectangleRule)
{
    const SteelTable table = loadedTable();
    for (int row = 324; row <= 431; ++row) {
        if (row == 419) {
            continue;
        }
        const std::string name = table.text(row, Col::Designation);
        SCOPED_TRACE(name);
        const double d = table.number(row, Col::Depth);
        const double tw = table.number(row, Col::Web);
        const double ix = std::floor(tw * d * d * d / 12 * 100 + 0.5 + 1e-9) / 100;
        const double sx = std::floor(tw * d * d / 6 * 100 + 0.5 + 1e-9) / 100;
        const bool above = name == "PL 17-1/2x 1" || name == "(2) PL 17-1/2x 1/2" || name == "PL 19-1/2x 3/8";
        EXPECT_NEAR(table.number(row, Col::Ix), ix + (above ? 0.01 : 0), 1e-9);
        EXPECT_NEAR(table.number(row, Col::Sx), sx, 1e-9);
        const bool twoPlates = row >= 378;
        EXPECT_EQ(name.rfind(twoPlates ? "(2) PL " : "PL ", 0), 0u);
    }
    EXPECT_EQ(table.number(326, Col::Ix), 1.13); // PL 3x 1/2: 1.125 exactly, halves up
    EXPECT_EQ(table.number(328, Col::Sx), 1.13); // PL 3x 3/4
    EXPECT_EQ(table.number(325, Col::Weight), 6.38);
    EXPECT_EQ(table.number(409, Col::Ix), 153.77); // (2) PL 13-1/2x 3/8, rounded once
}

TEST(SteelTable, LoadersWriteOnlyTheirOwnRowsTheSameEveryTime)
{
    SteelTable table;
    steel::LoadSShapeTable(table);
    EXPECT_TRUE(table.cell(153, Col::Designation).empty());
    EXPECT_TRUE(table.cell(185, Col::Designation).empty());
    steel::LoadTubeTable(table);
    EXPECT_TRUE(table.cell(213, Col::Designation).empty());
    EXPECT_TRUE(table.cell(324, Col::Designation).empty());
    steel::LoadMCTable(table);
    EXPECT_TRUE(table.cell(431, Col::Designation).empty());
    const SteelTable once = table;
    steel::LoadSShapeTable(table);
    steel::LoadTubeTable(table);
    steel::LoadMCTable(table);
    for (int row = 0; row < steel::SteelRowCount; ++row) {
        for (int c = 0; c < steel::SteelColumnCount; ++c) {
            EXPECT_EQ(table.cell(row, c), once.cell(row, c)) << row << "," << c;
        }
    }
    EXPECT_THROW(table.cell(468, 0), platform::RuntimeError);
    EXPECT_THROW(table.cell(0, 14), platform::RuntimeError);
}

TEST(SteelTable, LookUpIsExactAndBoundedByTheFamily)
{
    const SteelTable table = loadedTable();
    struct Case
    {
        const char* text;
        int first, last, row;
    };
    const Case cases[] = {
        {"W 12x 30", 0, 153, 32},
        {"W12x 30", 0, 153, -1},
        {"W 12 x 30", 0, 153, -1},
        {"w 12x 30", 0, 153, -1},
        {"W 12x 30 ", 0, 153, -1},
        {"W 12x 30", 154, 184, -1},
        {"", 0, 467, -1},
        {"C 6x 13", 185, 213, 196},
        {"C 6x 13", 0, 153, -1},
        {"T 4x 2x 3/16", 214, 323, 214},
        {"T 4x 2x 0.1875", 214, 323, -1},
        {"T4x2x3/16", 214, 323, -1},
        {"MC 6x 7", 432, 467, 435},
        {"MC 6x 7.0", 432, 467, -1},
        {"MC 3x7.1", 432, 467, -1},
        {"PL 9x 1/2", 324, 377, 344},
        {"PL 9 x 1/2", 324, 377, -1},
        {"xx", 214, 323, 266},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(steel::findDesignation(table, c.first, c.last, c.text), c.row) << "'" << c.text << "'";
    }
}

// The depth text of every W, S and C row is d to the nearest 1/8 in. ("W 21x 83": 21.43, "21-3/8").
TEST(SteelTable, RolledDepthTextIsTheDepthToTheNearestEighth)
{
    const SteelTable table = loadedTable();
    for (int row = 0; row <= 213; ++row) {
        const int eighths = static_cast<int>(std::floor(table.number(row, Col::Depth) * 8 + 0.5));
        const int whole = eighths / 8;
        int part = eighths % 8;
        int over = 8;
        while (part != 0 && part % 2 == 0) {
            part /= 2;
            over /= 2;
        }
        const std::string expected =
            std::to_string(whole) +
            (part == 0 ? "" : "-" + std::to_string(part) + "/" + std::to_string(over));
        EXPECT_EQ(table.text(row, Col::DepthText), expected) << table.text(row, Col::Designation);
    }
}

} // namespace
