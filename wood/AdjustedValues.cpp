// Adjusted design values. Factors multiply left to right in double precision and each result is stored
// as a Single, as the report shows them.
#include "wood/AdjustedValues.h"

#include "platform/core/Number.h"

#include <algorithm>
#include <cmath>

namespace wood
{

namespace num = platform::num;
using beam::boxValue;

namespace
{

// Strictly between the bounds low and high, each a multiple of L / 5 rounded to a Single.
bool strictlyBetween(float x, double fifth, double low, double high)
{
    return x > num::toSingle(fifth * low) && x < num::toSingle(fifth * high);
}

} // namespace

double loadingConditionFactor(const beam::BeamCriteria& c, const beam::BeamState& state)
{
    const beam::MemberUnderTest& m = state.member;
    const beam::AppliedLoads& loads = state.loads;
    if (c.OHbutton || state.flags.ContinuousGLB == -1) {
        return 1.0;
    }
    if (c.NDS1997 != -1 || loads.PTTotal == 0) {
        return 1.0;
    }
    const double fifth = double{m.SpanLength} / 5;
    const bool onlyPointLoads = m.UnifTL == 0 && loads.PARTotal == 0;
    bool midspan = onlyPointLoads;
    for (float x : m.PointLoadDist) {
        if (x != 0 && !strictlyBetween(x, fifth, 2.25, 2.75)) {
            midspan = false;
        }
    }
    if (midspan) {
        return 1.09;
    }
    const auto& at = m.PointLoadDist;
    const bool othersAbsent = at[2] == 0 && at[3] == 0 && at[4] == 0 && at[5] == 0;
    const bool nearThirds =
        (strictlyBetween(at[0], fifth, 1.5, 2) && strictlyBetween(at[1], fifth, 3, 3.5)) ||
        (strictlyBetween(at[1], fifth, 1.5, 2) && strictlyBetween(at[0], fifth, 3, 3.5));
    if (onlyPointLoads && boxValue(c.PT[0]) == boxValue(c.PT[1]) && othersAbsent && nearThirds) {
        return 0.96;
    }
    return 1.0;
}

float volumeFactor(double Leff, double d, double b, double x, double KL)
{
    const double e = 1 / x;
    return num::toSingle(std::pow(num::div(21, Leff), e) * std::pow(num::div(12, d), e) *
                         std::pow(num::div(5.125, b), e) * KL);
}

void adjustDesignValues(const beam::BeamCriteria& c, bool southernPineGluLam, beam::BeamState& state)
{
    beam::MemberUnderTest& m = state.member;
    m.FvAdj = num::toSingle(double{m.CmFv} * m.Fv * m.Cd * m.CiFv);
    m.EAdj = num::toSingle(double{m.CmE} * m.E * m.CiE);
    m.FcPerpAdj = num::toSingle(static_cast<double>(m.FcPerp) * m.CmFcPerp);

    if (m.BreadthClass != "GLB") {
        m.CV = 1.0f;
        m.CVGoverns = 0;
    } else {
        const double KL = loadingConditionFactor(c, state);
        const float NegMomentX = state.loads.NegMomentX;
        const double Leff = c.OHbutton && NegMomentX != 0 ? NegMomentX : m.SpanLength;
        const double x = southernPineGluLam ? 20 : 10;
        m.CV = volumeFactor(Leff, m.BeamDepth, m.BeamBreadth, x, KL);
        if (m.NextSmallerDepth > 0) {
            // The next-smaller check limits it to 1 itself.
            m.CFSmaller = volumeFactor(Leff, m.NextSmallerDepth, m.BeamBreadth, x, KL);
        }
        m.CVGoverns = -1;
    }
    m.CV = std::min(m.CV, 1.0f);

    double star = double{m.Fb} * m.Cr * m.Cd * m.CmFb;
    if (m.CVGoverns != -1) {
        star = star * m.CF * m.CiFb;
    }
    m.FbStar = num::toSingle(star);
}

bool stabilitySkipped(const beam::BeamCriteria& c, const beam::MemberUnderTest& m)
{
    return c.Multibutton || (boxValue(c.UBLtext) == 0 && boxValue(c.CantUBLtext) == 0) ||
           m.BeamBreadth == m.BeamDepth;
}

void setNeutralStability(beam::StabilityResults& s)
{
    s = beam::StabilityResults{};
    s.SpanCL = 1.0f;
    s.CantCL = 1.0f;
}

bool zeroFactorProduct(const beam::MemberUnderTest& m, const beam::StabilityResults& s)
{
    const double common = double{m.Fb} * m.Cr * m.Cd * m.CmFb * m.CiFb * m.CF * m.CV;
    const double span = m.FormFactor * m.Fb * m.Cr * m.Cd * m.CmFb * m.CiFb * m.CF * m.CV * s.SpanCL;
    return span == 0 || num::toSingle(common * s.CantCL) == 0;
}

float adjustedBendingValue(const beam::MemberUnderTest& m, const beam::StabilityResults& s)
{
    const double CLmin = s.SpanCL <= s.CantCL ? s.SpanCL : s.CantCL;
    const double base = double{m.Fb} * m.Cr * m.Cd * m.CmFb;
    if (m.CVGoverns == -1) {
        return num::toSingle(CLmin <= m.CV ? base * CLmin : base * m.CiFb * m.CV);
    }
    const float P = num::toSingle(base * m.CiFb * m.CF * CLmin);
    return num::toSingle(m.FormFactor * P);
}

} // namespace wood
