// The steel shape table's cells, look-up and family loaders.
#include "steel/SteelTable.h"

#include "platform/core/Number.h"
#include "platform/core/RuntimeError.h"
#include "steel/SteelShapeRows.h"

#include <cstring>
#include <span>

namespace steel
{

namespace num = platform::num;

double SteelCell::number() const
{
    switch (kind) {
    case Kind::Empty:
        return 0;
    case Kind::Int16:
        return whole;
    case Kind::Double:
        return real;
    case Kind::Text:
        break;
    }
    return num::toDouble(str);
}

std::string SteelCell::text() const
{
    switch (kind) {
    case Kind::Empty:
        return {};
    case Kind::Int16:
        return num::numberText(int{whole});
    case Kind::Double:
        return num::numberText(real);
    case Kind::Text:
        break;
    }
    return str;
}

bool SteelCell::operator==(const SteelCell& other) const
{
    if (kind != other.kind) {
        return false;
    }
    switch (kind) {
    case Kind::Empty:
        return true;
    case Kind::Int16:
        return whole == other.whole;
    case Kind::Double:
        return real == other.real;
    case Kind::Text:
        break;
    }
    return std::strcmp(str, other.str) == 0;
}

namespace
{

void checkBounds(int row, int column)
{
    if (row < 0 || row >= SteelRowCount || column < 0 || column >= SteelColumnCount) {
        platform::raise(platform::err::SubscriptOutOfRange);
    }
}

// Writes the cells a loader sets; an empty constant is a cell the loader does not write.
void writeRows(SteelTable& table, int firstRow, std::span<const SteelRow> rows)
{
    int row = firstRow;
    for (const SteelRow& constants : rows) {
        for (int c = 0; c < SteelColumnCount; ++c) {
            if (!constants[c].empty()) {
                table.set(row, c, constants[c]);
            }
        }
        ++row;
    }
}

void writeZeros(SteelTable& table, int firstRow, int lastRow, std::initializer_list<int> columns)
{
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int c : columns) {
            table.set(row, c, SteelCell::intCell(0));
        }
    }
}

} // namespace

const SteelCell& SteelTable::cell(int row, int column) const
{
    checkBounds(row, column);
    return m_rows[row][column];
}

void SteelTable::set(int row, int column, const SteelCell& value)
{
    checkBounds(row, column);
    m_rows[row][column] = value;
}

bool SteelTable::designationIs(int row, std::string_view wanted) const
{
    const SteelCell& c = cell(row, Col::Designation);
    if (c.kind == SteelCell::Kind::Text) {
        return wanted == c.str;
    }
    return wanted == c.text();
}

void LoadWShapeTable1(SteelTable& table)
{
    writeRows(table, 0, std::span(rows::WShapeRows).first(90));
}

void LoadWShapeTable2(SteelTable& table)
{
    writeRows(table, 90, std::span(rows::WShapeRows).subspan(90));
}

void LoadSShapeTable(SteelTable& table)
{
    writeRows(table, 154, rows::SShapeRows);
}

void LoadChannelTable(SteelTable& table)
{
    writeRows(table, 185, rows::ChannelRows);
}

// The placeholder row 266 gets its "xx" alone; the closing pass gives every row its two 50 ksi zeros.
void LoadTubeTable(SteelTable& table)
{
    writeRows(table, 214, rows::TubeRows);
    writeZeros(table, 214, 323, {Col::Lc50, Col::Lu50});
}

// Both plate families at once; row 419 gets nothing but its four zeros.
void LoadPlateTable(SteelTable& table)
{
    writeRows(table, 324, rows::PlateRows);
    writeRows(table, 378, rows::DoublePlateRows);
    writeZeros(table, 324, 431, {Col::Lc36, Col::Lu36, Col::Lc50, Col::Lu50});
}

void LoadMCTable(SteelTable& table)
{
    writeRows(table, 432, rows::MCRows);
    writeZeros(table, 432, 467, {Col::Lc36, Col::Lc50});
}

int findDesignation(const SteelTable& table, int first, int last, std::string_view wanted)
{
    if (wanted.empty()) {
        return -1;
    }
    for (int row = first; row <= last; ++row) {
        if (table.designationIs(row, wanted)) {
            return row;
        }
    }
    return -1;
}

} // namespace steel
