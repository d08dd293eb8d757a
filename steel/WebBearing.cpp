// Web yielding and web crippling at the supports and under the point loads, solved for the bearing
// length N, with 0.66 Fy folded into the constants of each grade.
#include "steel/WebBearing.h"

#include "platform/core/Number.h"
#include "steel/SteelSizeCheck.h"

namespace steel
{

namespace num = platform::num;

namespace
{

struct Terms
{
    double A = 0; // yielding
    double B = 0; // yielding, per inch of N
    double C = 0; // crippling
    double D = 0; // crippling, per inch of N
};

// End: yielding over 2.5 k + N, crippling with 34 tw^2 ...; interior: 5 k + N and 67.5 tw^2 ...
Terms yieldingTerms(const WebSection& s, bool end, bool ksi50)
{
    const double fb = ksi50 ? 33 : 23.76; // 0.66 Fy, ksi
    return {(end ? 2.5 : 5.0) * fb * s.k * s.tw, fb * s.tw, 0, 0};
}

Terms cripplingTerms(double tw, double tf, double d, bool end, bool ksi50)
{
    const double c = end ? (ksi50 ? 240 : 204) : (ksi50 ? 476 : 405);
    const double dd = end ? (ksi50 ? 721 : 612) : (ksi50 ? 1431 : 1215);
    const double root = num::powChecked(tw, 1.5) * num::sqrtChecked(tf);
    return {0, 0, c * root, num::div(dd * tw * tw * tw, tf * d)};
}

} // namespace

double requiredBearingLength(double R, const WebSection& s, bool end, bool ksi50, bool tube)
{
    const Terms y = yieldingTerms(s, end, ksi50);
    const double NY = num::div(R - y.A, y.B);
    double NC = 0;
    if (tube) {
        const double wall = s.tf;
        const Terms c = cripplingTerms(wall, wall, s.d, end, ksi50);
        NC = num::div(R / 2 - c.C, c.D);
    } else {
        const Terms c = cripplingTerms(s.tw, s.tf, s.d, end, ksi50);
        NC = num::div(R - c.C, c.D);
    }
    if (NY >= s.k && NY >= NC) {
        return NY;
    }
    if (NC >= s.k && NC > NY) {
        return NC;
    }
    return s.k;
}

void computeWebBearing(const beam::BeamCriteria& criteria, const SteelState& steel,
                       std::string_view designation, float R1TL, float R2TL, float SpanLength, float OHLength,
                       WebBearingResults& out)
{
    if (criteria.PLbutton || criteria.DblPLbutton) {
        // Flitch plates bear on the wood plies: square inches of wood at 405 psi.
        out.BearingLengthR1 = num::toSingle(R1TL / 405.0);
        out.BearingLengthR2 = num::toSingle(R2TL / 405.0);
        return;
    }
    std::array<double, 6> P{};
    std::array<double, 6> x{};
    for (int j = 0; j < 6; ++j) {
        const double load = beam::boxValue(criteria.PT[j]);
        if (load > 0) {
            P[j] = load / 1000;
            x[j] = beam::boxValue(criteria.DIS[j]);
        }
    }
    WebSection s;
    const SteelTable& table = steel.SteelTable;
    for (int row = steel.StlFirstRow; row <= steel.StlLastRow; ++row) {
        if (table.designationIs(row, designation)) {
            s = {table.number(row, Col::Depth), table.number(row, Col::Web), table.number(row, Col::Flange),
                 table.number(row, Col::K)};
        }
    }
    const bool ksi50 = criteria.ksi50;
    const bool tube = criteria.TUbutton;
    out.BearingLengthR1 = num::toSingle(requiredBearingLength(R1TL / 1000.0, s, true, ksi50, tube));
    out.BearingLengthR2 =
        num::toSingle(requiredBearingLength(R2TL / 1000.0, s, !criteria.OHbutton, ksi50, tube));
    const double L = double{SpanLength} * 12;
    const double halfDepth = s.d / 2;
    const int spanLoads = criteria.OHbutton ? 4 : 6;
    for (int j = 0; j < spanLoads; ++j) {
        if (P[j] > 0) {
            const double at = x[j] * 12;
            const bool interior = halfDepth < at && at < L - halfDepth;
            out.BearingLengthPT[j] = num::toSingle(requiredBearingLength(P[j], s, !interior, ksi50, tube));
        } else {
            out.BearingLengthPT[j] = 0;
        }
    }
    if (!criteria.OHbutton) {
        return;
    }
    // Overhang loads are measured from R2; only the free end is an end.
    const double a = double{OHLength} * 12;
    for (int j = 4; j < 6; ++j) {
        if (P[j] > 0) {
            const bool interior = x[j] * 12 < a - halfDepth;
            out.BearingLengthPT[j] = num::toSingle(requiredBearingLength(P[j], s, !interior, ksi50, tube));
        } else {
            out.BearingLengthPT[j] = 0;
        }
    }
}

} // namespace steel
