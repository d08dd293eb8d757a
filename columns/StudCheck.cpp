// The stud check's design steps, from the loads per stud to the combined stress ratio.
#include "columns/StudCheck.h"

#include "platform/core/Number.h"

#include <algorithm>
#include <cmath>

namespace columns
{

namespace num = platform::num;

namespace
{

// Repetitive member factor for walls that comply with IBC 2306.2.1, by depth. The wall-stud table of
// the code gives 1.5, 1.35 and 1.25; the lower values hold whichever reading of it applies.
double ibcRepetitiveFactor(double depth, double current)
{
    if (depth == 3.5) {
        return 1.5;
    }
    if (depth == 5.5) {
        return 1.35;
    }
    if (depth == 7.25) {
        return 1.25;
    }
    return current;
}

bool isPlyOf2x(double breadth)
{
    return breadth == 1.5 || breadth == 3.0 || breadth == 4.5 || breadth == 6.0;
}

// CF for Fb and Fc from NDS Supplement Table 4A; a depth outside the list leaves the previous factors.
void sizeFactors(bool studGrade, double b, double d, StudResults& r)
{
    if (!studGrade) {
        if (d == 3.5) {
            r.StudCFb = 1.5f;
            r.StudCFc = 1.15f;
        } else if (d == 5.5) {
            r.StudCFb = 1.3f;
            r.StudCFc = 1.1f;
        } else if (d == 7.25) {
            r.StudCFb = b == 3.5 ? 1.3f : 1.2f;
            r.StudCFc = 1.05f;
        }
    } else if (d == 3.5) {
        r.StudCFb = 1.1f;
        r.StudCFc = 1.05f;
    } else if (d == 5.5) {
        r.StudCFb = 1.0f;
        r.StudCFc = 1.0f;
    }
}

double listValue(int index, const auto& values)
{
    return index >= 0 && index < static_cast<int>(values.size()) ? values[static_cast<std::size_t>(index)]
                                                                 : 0.0;
}

} // namespace

double studCp(double ratio)
{
    const double half = (1 + ratio) / 1.6;
    return half - num::sqrtChecked(half * half - ratio / 0.8);
}

float buildStudMoments(double heightFt, const std::array<StudWindLoad, 3>& wind, double spacingFt,
                       StudStationTable& table)
{
    for (auto& row : table) {
        row.fill(0.0f);
    }
    std::array<double, 3> w{};
    double momentAboutTop = 0;
    for (std::size_t j = 0; j < 3; ++j) {
        w[j] = wind[j].psf * spacingFt;
        const double length = wind[j].end - wind[j].beg;
        momentAboutTop += (length / 2 + (heightFt - wind[j].end)) * (length * w[j]);
    }
    const double reaction = num::div(momentAboutTop, heightFt);
    float largest = 0;
    for (int i = 0; i < StudStationCount; ++i) {
        auto& row = table[static_cast<std::size_t>(i)];
        const double x = heightFt / 200 * i;
        row[0] = num::toSingle(x);
        double loadMoment = 0;
        for (std::size_t j = 0; j < 3; ++j) {
            const double b = wind[j].beg;
            const double e = wind[j].end;
            double m = 0;
            if (x > e) {
                m = (x - (b + (e - b) / 2)) * ((e - b) * w[j]);
            } else if (x > b) {
                m = (x - b) / 2 * (x - b) * w[j];
            }
            row[j + 1] = num::toSingle(m);
            loadMoment += m;
        }
        row[4] = num::toSingle(reaction * x - loadMoment);
        largest = i == 0 ? row[4] : std::max(largest, row[4]);
    }
    return largest;
}

StudStop runStudDesign(const StudDesignInput& in, StudResults& r, StudStationTable& table,
                       const std::function<void()>& onIbcRefused)
{
    const double H = in.heightFt;
    const double spacingFt = r.StudSpacingFt;

    r.StudPLFLoad = num::toSingle(in.plf * spacingFt);
    r.StudPointP = num::toSingle(in.pointP);
    r.StudTotalP = num::toSingle(static_cast<double>(r.StudPointP) + r.StudPLFLoad);

    for (const StudWindLoad& load : in.wind) {
        if (load.beg > load.end) {
            return StudStop::BegAfterEnd;
        }
        if (load.beg > H) {
            return StudStop::BegAboveHeight;
        }
        if (load.end > H) {
            return StudStop::EndAboveHeight;
        }
    }

    r.StudMmax = buildStudMoments(H, in.wind, spacingFt, table);

    const double b = listValue(in.breadthIndex, StudBreadths);
    const double d = listValue(in.depthIndex, StudDepths);
    if (in.studGrade && d == 7.25) {
        return StudStop::StudGradeDeep;
    }
    sizeFactors(in.studGrade, b, d, r);
    r.StudFcCF = num::toSingle(in.Fc * r.StudCFc);
    r.StudCdWind = num::toSingle(in.cdWind);
    r.StudCdAxial = num::toSingle(in.cdAxial);

    const double FbBase = static_cast<double>(r.StudCFb) * in.Fb * r.StudCdWind;
    if (r.StudCrOn != -1) {
        r.StudFbAdj = num::toSingle(FbBase);
    } else if (!in.ibc) {
        r.StudFbAdj = num::toSingle(FbBase * 1.15);
    } else {
        if (isPlyOf2x(b)) {
            r.StudCr = num::toSingle(ibcRepetitiveFactor(d, r.StudCr));
        } else {
            r.StudCr = 1.15f;
            onIbcRefused();
            r.StudIBCCr = 0;
        }
        r.StudFbAdj = num::toSingle(FbBase * r.StudCr);
    }

    bool fails = false;
    const double E = in.E * 1000000;
    r.StudArea = num::toSingle(b * d);
    r.StudLeD = num::toSingle(num::div(H * 12, d));
    fails = fails || r.StudLeD > 50;
    const double leD2 = static_cast<double>(r.StudLeD) * r.StudLeD;
    r.StudFcE =
        num::toSingle(in.eminEditions ? num::div(0.822 * (0.3653 * E), leD2) : num::div(0.3 * E, leD2));
    const double FcStar = in.Fc * r.StudCdAxial * r.StudCFc;
    r.StudCp = num::toSingle(studCp(num::div(r.StudFcE, FcStar)));
    // The axial capacity carries the load duration factor like Fc' does.
    r.StudAllowP = num::toSingle(static_cast<double>(r.StudFcCF) * r.StudCp * r.StudArea * r.StudCdAxial);
    fails = fails || r.StudTotalP > r.StudAllowP;
    r.StudActualFc = num::toSingle(num::div(r.StudTotalP, r.StudArea));
    r.StudFcAdj = num::toSingle(static_cast<double>(r.StudFcCF) * r.StudCp * r.StudCdAxial);

    r.StudS = num::toSingle(b * d * d / 6);
    r.StudActualFb = num::toSingle(num::div(static_cast<double>(r.StudMmax) * 12, r.StudS));
    // At fc >= FcE the amplification 1 / (1 - fc/FcE) has no meaning: the stud buckles under the axial
    // load alone, so it fails and the ratio is not formed.
    r.StudFcReachesFcE = r.StudActualFc >= r.StudFcE;
    if (r.StudFcReachesFcE) {
        fails = true;
    } else {
        const double fcRatio = num::div(r.StudActualFc, r.StudFcAdj);
        const double amplified = static_cast<double>(r.StudFbAdj) * (1 - r.StudActualFc / r.StudFcE);
        r.StudInteraction = num::toSingle(fcRatio * fcRatio + num::div(r.StudActualFb, amplified));
        fails = fails || r.StudInteraction > 1.0f;
    }
    r.StudRB = num::toSingle(num::sqrtChecked(num::div(H * 12 * d, b * b)));
    const double RB2 = static_cast<double>(r.StudRB) * r.StudRB;
    r.StudFbE =
        num::toSingle(in.eminEditions ? num::div(1.20 * (0.3653 * E), RB2) : num::div(0.439 * E, RB2));
    fails = fails || r.StudActualFb >= r.StudFbE;

    r.StudFails = fails;
    r.StudCompleted = true;
    return StudStop::None;
}

} // namespace columns
