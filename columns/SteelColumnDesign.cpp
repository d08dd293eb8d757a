#include "columns/SteelColumnDesign.h"

#include "platform/core/Number.h"

namespace columns
{

using platform::num::div;
using platform::num::toSingle;

namespace
{
constexpr std::string_view StandardPipe = "Standard Wt. Pipe A501 or A53 Grade B";
constexpr std::string_view ExtraStrongPipe = "Extra Strong Pipe A501 or A53 Grade B";
constexpr std::string_view DoubleExtraStrongPipe = "Dbl Extra Strong Pipe A501 or A53 Grade B";
constexpr std::string_view Tube = "Structural Tube ASTM A500 Grade B";
} // namespace

// AISC Manual (ASD) dimensions and properties of pipe and square structural tubing.
const std::array<SteelColumnRow, SteelColumnRowCount> SteelColumnTable{{
    {"3 in. diam.", 3.5, "", 7.58, 2.23, 1.16, StandardPipe},
    {"3-1/2 in. diam.", 4.0, "", 9.11, 2.68, 1.34, StandardPipe},
    {"4 in. diam.", 4.5, "", 10.79, 3.17, 1.51, StandardPipe},
    {"5 in. diam.", 5.563, "", 14.62, 4.3, 1.88, StandardPipe},
    {"6 in. diam.", 6.625, "", 18.97, 5.58, 2.25, StandardPipe},
    {"3 in. diam.", 3.5, "", 10.25, 3.02, 1.14, ExtraStrongPipe},
    {"3-1/2 in. diam.", 4.0, "", 12.5, 3.68, 1.31, ExtraStrongPipe},
    {"4 in. diam.", 4.5, "", 14.98, 4.41, 1.48, ExtraStrongPipe},
    {"5 in. diam.", 5.563, "", 20.78, 6.11, 1.84, ExtraStrongPipe},
    {"6 in. diam.", 6.625, "", 28.57, 8.4, 2.19, ExtraStrongPipe},
    {"3 in. diam.", 3.5, "", 18.58, 5.47, 1.05, DoubleExtraStrongPipe},
    {"4 in. diam.", 4.5, "", 27.54, 8.1, 1.37, DoubleExtraStrongPipe},
    {"5 in. diam.", 5.563, "", 38.55, 11.3, 1.72, DoubleExtraStrongPipe},
    {"6 in. diam.", 6.625, "", 53.16, 15.6, 2.06, DoubleExtraStrongPipe},
    {"3 x 3 x 1/4", 0, "3 x 3", 8.81, 2.59, 1.1, Tube},
    {"4 x 4 x 1/4", 0, "4 x 4", 12.21, 3.59, 1.51, Tube},
    {"4 x 4 x 3/8", 0, "4 x 4", 17.27, 5.08, 1.45, Tube},
    {"4 x 4 x 1/2", 0, "4 x 4", 21.63, 6.36, 1.39, Tube},
    {"5 x 5 x 1/4", 0, "5 x 5", 15.62, 4.59, 1.92, Tube},
    {"5 x 5 x 3/8", 0, "5 x 5", 22.37, 6.58, 1.86, Tube},
    {"5 x 5 x 1/2", 0, "5 x 5", 28.43, 8.36, 1.8, Tube},
    {"6 x 6 x 1/4", 0, "6 x 6", 19.02, 5.59, 2.33, Tube},
    {"6 x 6 x 3/8", 0, "6 x 6", 27.48, 8.08, 2.27, Tube},
    {"6 x 6 x 1/2", 0, "6 x 6", 35.24, 10.4, 2.21, Tube},
    {"8 x 8 x 1/4", 0, "8 x 8", 25.82, 7.59, 3.15, Tube},
    {"8 x 8 x 3/8", 0, "8 x 8", 37.69, 11.1, 3.09, Tube},
    {"8 x 8 x 1/2", 0, "8 x 8", 48.85, 14.4, 3.03, Tube},
}};

SteelColumnGrade steelColumnGrade(int row)
{
    return row < FirstTubeRow ? SteelColumnGrade{36.0f, 126.1f} : SteelColumnGrade{46.0f, 111.5f};
}

float SteelColumnFa(float klr, float fyKsi, float cc)
{
    constexpr double Pi = 3.1416;
    const double k = klr;
    const double c = cc;
    if (klr > cc) {
        return toSingle(div(12.0 * Pi * Pi * double{StlColE}, 23.0 * k * k));
    }
    const double factorOfSafety = 5.0 / 3.0 + 3.0 * k / (8.0 * c) - k * k * k / (8.0 * c * c * c);
    return toSingle((1.0 - k * k / (2.0 * c * c)) * fyKsi / factorOfSafety);
}

float steelColumnKLr(float ke, float lengthIn, int row)
{
    const float kl = toSingle(double{ke} * lengthIn);
    return toSingle(div(kl, SteelColumnTable[static_cast<std::size_t>(row)].radiusOfGyrationIn));
}

namespace
{

// A row passes the search when its area is strictly above the required area.
bool rowPasses(int row, float loadLb, float lengthIn, float ke)
{
    const float klr = steelColumnKLr(ke, lengthIn, row);
    if (klr > SteelColumnMaxKLr) {
        return false;
    }
    const auto grade = steelColumnGrade(row);
    const float fa = SteelColumnFa(klr, grade.fyKsi, grade.cc);
    const float required = toSingle(div(double{loadLb} / 1000.0, fa));
    return static_cast<float>(SteelColumnTable[static_cast<std::size_t>(row)].areaSqIn) > required;
}

std::string_view lightestPassing(SteelColumnFamily family, float loadLb, float lengthIn, float ke)
{
    for (int row = family.firstRow; row < family.endRow; ++row) {
        if (rowPasses(row, loadLb, lengthIn, ke)) {
            return SteelColumnTable[static_cast<std::size_t>(row)].designation;
        }
    }
    return "";
}

} // namespace

bool SteelColumnProposals::noneWork() const
{
    return standard.empty() && extraStrong.empty() && doubleExtraStrong.empty() && tubes[0].empty() &&
           tubes[1].empty() && tubes[2].empty();
}

SteelColumnProposals proposeSteelColumns(float loadLb, float lengthIn, float ke)
{
    SteelColumnProposals proposals;
    proposals.standard = lightestPassing(StandardPipeRows, loadLb, lengthIn, ke);
    proposals.extraStrong = lightestPassing(ExtraStrongPipeRows, loadLb, lengthIn, ke);
    proposals.doubleExtraStrong = lightestPassing(DoubleExtraStrongPipeRows, loadLb, lengthIn, ke);
    // Tube designations are unique, so the three passes come down to the first three passing rows.
    std::size_t next = 0;
    for (int row = TubeRows.firstRow; row < TubeRows.endRow && next < proposals.tubes.size(); ++row) {
        if (rowPasses(row, loadLb, lengthIn, ke)) {
            proposals.tubes[next++] = SteelColumnTable[static_cast<std::size_t>(row)].designation;
        }
    }
    return proposals;
}

int findSteelColumnRow(std::string_view designation, std::string_view typeAndGrade)
{
    for (int row = 0; row < SteelColumnRowCount; ++row) {
        const auto& entry = SteelColumnTable[static_cast<std::size_t>(row)];
        if (entry.designation == designation && entry.typeAndGrade == typeAndGrade) {
            return row;
        }
    }
    return -1;
}

bool steelColumnDesignationExists(std::string_view designation)
{
    for (const auto& entry : SteelColumnTable) {
        if (entry.designation == designation) {
            return true;
        }
    }
    return false;
}

SteelColumnReport reportSteelColumn(int row, float loadLb, float lengthIn, float ke)
{
    const auto& entry = SteelColumnTable[static_cast<std::size_t>(row)];
    SteelColumnReport report;
    report.row = row;
    report.StlColR = static_cast<float>(entry.radiusOfGyrationIn);
    report.StlColKLr = toSingle(div(double{lengthIn} * ke, report.StlColR));
    report.StlColWeight = static_cast<float>(entry.weightPlf);
    report.StlColArea = static_cast<float>(entry.areaSqIn);
    const auto grade = steelColumnGrade(row);
    report.StlColFy = grade.fyKsi;
    report.StlColCc = grade.cc;
    report.StlColFa = SteelColumnFa(report.StlColKLr, grade.fyKsi, grade.cc);
    report.actualStressKsi = toSingle(div(double{loadLb} / 1000.0, report.StlColArea));
    report.requiredAreaSqIn = toSingle(div(double{loadLb} / 1000.0, report.StlColFa));
    report.slendernessOK = report.StlColKLr <= SteelColumnMaxKLr;
    report.strengthOK = report.requiredAreaSqIn <= report.StlColArea;
    return report;
}

} // namespace columns
