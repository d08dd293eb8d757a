#include "columns/ColumnValueTables.h"

namespace columns
{

// NDS Supplement Table 4D: compression parallel to grain and E of beams and stringers and of posts and
// timbers.
const std::array<TimberValueRow, TimberRowCount> TimberValueTable{{
    {"DF-L Select", 1100, 1.6, 1150},
    {"DF-L #1", 925, 1.6, 1000},
    {"DF-L #2", 600, 1.3, 700},
    {"DF-L North Select", 1100, 1.6, 1150},
    {"DF-L North #1", 925, 1.6, 1000},
    {"DF-L North #2", 600, 1.3, 700},
    {"DF-L South Select", 1000, 1.2, 1050},
    {"DF-L South #1", 850, 1.2, 925},
    {"DF-L South #2", 550, 1.0, 650},
    {"Hem-Fir Select", 925, 1.3, 975},
    {"Hem-Fir #1", 750, 1.3, 850},
    {"Hem-Fir #2", 500, 1.1, 575},
    {"Hem-Fir North Select", 900, 1.3, 950},
    {"Hem-Fir North #1", 750, 1.3, 850},
    {"Hem-Fir North #2", 475, 1.1, 575},
    {"Eastern Hem-Tam Select", 950, 1.2, 1000},
    {"Eastern Hem-Tam #1", 800, 1.2, 875},
    {"Eastern Hem-Tam #2", 500, 0.9, 400},
    {"Red Oak Select", 825, 1.2, 875},
    {"Red Oak #1", 700, 1.2, 775},
    {"Red Oak #2", 450, 1.0, 350},
    {"White Oak Select", 900, 1.0, 950},
    {"White Oak #1", 775, 1.0, 825},
    {"White Oak #2", 475, 0.8, 400},
    {"SPF Select", 775, 1.3, 800},
    {"SPF #1", 625, 1.3, 700},
    {"SPF #2", 425, 1.0, 500},
    {"SPF South Select", 675, 1.2, 700},
    {"SPF South #1", 575, 1.2, 625},
    {"SPF South #2", 375, 1.0, 425},
    {"Western Cedar Select", 875, 1.0, 925},
    {"Western Cedar #1", 725, 1.0, 800},
    {"Western Cedar #2", 475, 0.8, 550},
    {"Western Woods Select", 750, 1.1, 800},
    {"Western Woods #1", 625, 1.1, 700},
    {"Western Woods #2", 425, 0.9, 475},
    {"Southern Pine Select", 950, 1.5, 950},
    {"Southern Pine #1", 825, 1.5, 825},
    {"Southern Pine #2", 525, 1.2, 525},
}};

// NDS Supplement Table 4A. Hem-Fir No. 1 has Fc 1350 in every edition (1300 is No. 2's), White Oak
// No. 1 has E 1.0, and White Oak No. 2 has E 0.9, as the published table gives them.
const std::array<DimensionValueRow, DimensionRowCount> DimensionValueTable{{
    {"DF-L Select", 1700, 1.9, 1700, 1500},
    {"DF-L #1", 1500, 1.7, 1500, 1000},
    {"DF-L #2", 1350, 1.6, 1350, 900},
    {"DF-L Stud", 850, 1.4, 850, 700},
    {"DF-L North Select", 1900, 1.9, 1900, 1350},
    {"DF-L North #1", 1400, 1.6, 1400, 850},
    {"DF-L North #2", 1400, 1.6, 1400, 850},
    {"DF-L North Stud", 900, 1.4, 900, 650},
    {"DF-L South Select", 1600, 1.4, 1600, 1350},
    {"DF-L South #1", 1450, 1.3, 1450, 925},
    {"DF-L South #2", 1350, 1.2, 1350, 850},
    {"DF-L South Stud", 850, 1.1, 850, 675},
    {"Hem-Fir Select", 1500, 1.6, 1500, 1400},
    {"Hem-Fir #1", 1350, 1.5, 1350, 975},
    {"Hem-Fir #2", 1300, 1.3, 1300, 850},
    {"Hem-Fir Stud", 800, 1.2, 800, 675},
    {"Hem-Fir North Select", 1700, 1.7, 1700, 1300},
    {"Hem-Fir North #1", 1450, 1.6, 1450, 1000},
    {"Hem-Fir North #2", 1450, 1.6, 1450, 1000},
    {"Hem-Fir North Stud", 925, 1.4, 925, 775},
    {"Eastern Hem-Tam Select", 1200, 1.2, 1200, 1250},
    {"Eastern Hem-Tam #1", 1000, 1.1, 1000, 775},
    {"Eastern Hem-Tam #2", 825, 1.1, 825, 575},
    {"Eastern Hem-Tam Stud", 525, 0.9, 525, 450},
    {"Red Oak Select", 1000, 1.4, 1000, 1150},
    {"Red Oak #1", 825, 1.3, 825, 825},
    {"Red Oak #2", 625, 1.2, 625, 800},
    {"Red Oak Stud", 400, 1.1, 400, 625},
    {"White Oak Select", 1100, 1.1, 1100, 1200},
    {"White Oak #1", 900, 1.0, 900, 875},
    {"White Oak #2", 700, 0.9, 700, 850},
    {"White Oak Stud", 450, 0.8, 450, 650},
    {"SPF Select", 1400, 1.5, 1400, 1250},
    {"SPF #1", 1150, 1.4, 1150, 875},
    {"SPF #2", 1150, 1.4, 1150, 875},
    {"SPF Stud", 725, 1.2, 725, 675},
    {"SPF South Select", 1200, 1.3, 1200, 1300},
    {"SPF South #1", 1050, 1.2, 1050, 875},
    {"SPF South #2", 1000, 1.1, 1000, 775},
    {"SPF South Stud", 625, 1.0, 625, 600},
    {"Western Cedar Select", 1000, 1.1, 1000, 1000},
    {"Western Cedar #1", 825, 1.0, 825, 725},
    {"Western Cedar #2", 650, 1.0, 650, 700},
    {"Western Cedar Stud", 400, 0.9, 400, 550},
    {"Western Woods Select", 1050, 1.2, 1050, 900},
    {"Western Woods #1", 950, 1.1, 950, 675},
    {"Western Woods #2", 900, 1.0, 900, 675},
    {"Western Woods Stud", 575, 0.9, 575, 525},
}};

std::optional<ColumnReferenceValues> lookupColumnValues(ColumnValueGroup group, std::string_view speciesGrade,
                                                        bool nds1997)
{
    if (group == ColumnValueGroup::DimensionLumber) {
        for (const auto& row : DimensionValueTable) {
            if (row.speciesGrade == speciesGrade) {
                return ColumnReferenceValues{nds1997 ? row.fcNds1997Psi : row.fcPsi, row.eMpsi};
            }
        }
        return std::nullopt;
    }
    for (const auto& row : TimberValueTable) {
        if (row.speciesGrade == speciesGrade) {
            const bool posts = group == ColumnValueGroup::PostAndTimber;
            return ColumnReferenceValues{posts ? row.fcPostsTimbersPsi : row.fcBeamsStringersPsi, row.eMpsi};
        }
    }
    return std::nullopt;
}

} // namespace columns
