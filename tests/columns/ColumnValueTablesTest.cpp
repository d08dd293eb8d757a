// The column reference tables against NDS Supplement Tables 4A and 4D, through the lookup the criteria
// form makes.
#include "columns/ColumnValueTables.h"

#include <gtest/gtest.h>

namespace
{

using columns::ColumnValueGroup;
using columns::lookupColumnValues;

struct LookupCase
{
    ColumnValueGroup group;
    const char* species;
    bool nds1997;
    int fcPsi;
    double eMpsi;
};

TEST(ColumnValueTables, LookupByGroupAndEdition)
{
    // Table 4D (posts and timbers, beams and stringers) and Table 4A (dimension lumber).
    const LookupCase cases[] = {
        {ColumnValueGroup::PostAndTimber, "DF-L #1", false, 1000, 1.6},
        {ColumnValueGroup::BeamAndStringer, "DF-L #1", false, 925, 1.6},
        {ColumnValueGroup::DimensionLumber, "DF-L #1", false, 1500, 1.7},
        {ColumnValueGroup::PostAndTimber, "Red Oak Select", false, 875, 1.2},
        // A Southern Pine text kept under Beam and Stringer still finds its timber row.
        {ColumnValueGroup::BeamAndStringer, "Southern Pine Select", false, 950, 1.5},
        // Table 4A: Hem-Fir No. 1 is 1350 psi in every edition; No. 2 is 1300.
        {ColumnValueGroup::DimensionLumber, "Hem-Fir #1", true, 1350, 1.5},
        {ColumnValueGroup::DimensionLumber, "Hem-Fir #1", false, 1350, 1.5},
        {ColumnValueGroup::DimensionLumber, "Hem-Fir #2", false, 1300, 1.3},
        // Table 4A: White Oak No. 1 E 1.0, No. 2 E 0.9.
        {ColumnValueGroup::DimensionLumber, "White Oak #1", false, 900, 1.0},
        {ColumnValueGroup::DimensionLumber, "White Oak #2", false, 700, 0.9},
        {ColumnValueGroup::DimensionLumber, "Western Woods Stud", false, 575, 0.9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.species);
        const auto values = lookupColumnValues(c.group, c.species, c.nds1997);
        ASSERT_TRUE(values.has_value());
        EXPECT_EQ(values->fcPsi, c.fcPsi);
        EXPECT_DOUBLE_EQ(values->eMpsi, c.eMpsi);
    }
}

TEST(ColumnValueTables, TextsWithoutARowFindNothing)
{
    EXPECT_FALSE(lookupColumnValues(ColumnValueGroup::PostAndTimber, "Custom", false));
    EXPECT_FALSE(lookupColumnValues(ColumnValueGroup::DimensionLumber, "Southern Pine #1", false));
    EXPECT_FALSE(lookupColumnValues(ColumnValueGroup::PostAndTimber, "DF-L Stud", false));
    EXPECT_FALSE(lookupColumnValues(ColumnValueGroup::PostAndTimber, "df-l #1", false));
}

TEST(ColumnValueTables, StudRowsAndFbColumn)
{
    for (int row = 0; row < columns::DimensionRowCount; ++row) {
        const auto name = columns::DimensionValueTable[static_cast<std::size_t>(row)].speciesGrade;
        EXPECT_EQ(columns::isStudRow(row), name.ends_with(" Stud")) << name;
    }
    // Fb of the stud wall check, Table 4A: DF-L Stud 700 psi.
    EXPECT_EQ(columns::DimensionValueTable[3].fbPsi, 700);
    // Every E lies within what the criteria form accepts.
    for (const auto& row : columns::DimensionValueTable) {
        EXPECT_GE(row.eMpsi, 0.5);
        EXPECT_LE(row.eMpsi, 2.5);
    }
}

} // namespace
