// The next smaller depth: its own self weight, reactions, moments, bending value and shear, with the
// tested size's deflections scaled by the ratio of the moments of inertia.
#include "beam/NextSmallerSize.h"

#include "beam/CalcStability.h"
#include "beam/OverhangSelfWeight.h"
#include "beam/ShearNearSupports.h"
#include "beam/TReac.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"

#include <algorithm>
#include <cmath>

namespace beam
{

namespace num = platform::num;

namespace
{

// A volume factor never exceeds 1, whatever the depth.
double volumeFactor(const MemberUnderTest& m)
{
    return std::min(double{m.CFSmaller}, 1.0);
}

} // namespace

double smallerFbStar(const MemberUnderTest& m, bool scl)
{
    const double base = double{m.Fb} * m.Cr * m.Cd;
    if (scl) {
        return base;
    }
    if (m.CVGoverns == -1) {
        return base * m.CmFb;
    }
    return base * m.CmFb * m.CiFb * m.CFSmaller;
}

double smallerFbAdj(const MemberUnderTest& m, bool scl, double CLmin)
{
    const double base = double{m.Fb} * m.Cr * m.Cd;
    if (!scl && m.CVGoverns == -1) {
        // Glu-lam: the lesser of the stability factor and the volume factor, never both.
        const double CV = volumeFactor(m);
        return CLmin <= CV ? base * m.CmFb * CLmin : base * m.CmFb * m.CiFb * CV;
    }
    if (!scl) {
        return double{num::toSingle(base * m.CmFb * m.CiFb * m.CFSmaller)} * CLmin;
    }
    if (m.CVGoverns == -1) {
        return base * std::min(CLmin, volumeFactor(m));
    }
    return m.CFSmaller >= 1.0f ? base * m.CFSmaller * CLmin : base * std::min(CLmin, double{m.CFSmaller});
}

namespace
{

double momentWithSelfWeight(const BeamCriteria& c, const AppliedLoads& loads, double w, double L, double a)
{
    if (c.OHbutton) {
        return overhangMomentWithSelfWeight(loads, w, L, a);
    }
    if (c.continuousTwoSpans()) {
        return loads.MomentLoads + 0.125 * w * L * L;
    }
    if (c.continuousThreeSpans()) {
        return loads.MomentLoads + 0.1 * w * L * L;
    }
    return loads.MomentLoads + w * L * L / 8;
}

// Zero design values stop the test with a message of their own; true when the test may go on.
bool bendingValuesPresent(const MemberUnderTest& m, bool scl, BeamUi& ui)
{
    const double base = double{m.Fb} * m.Cr * m.Cd;
    if (!scl && num::toSingle(base * m.CmFb * m.CiFb * m.CFSmaller) == 0) {
        ui.resetSelectionPointer();
        ui.msgBox("Error: Next Smaller Size, zero value", MsgStyle::Plain);
        return false;
    }
    if ((scl || m.CVGoverns == -1) && num::toSingle(base * m.CFSmaller) == 0) {
        ui.resetSelectionPointer();
        ui.msgBox(" Error @ Next Smaller Size LVL Fbadj", MsgStyle::Plain);
        return false;
    }
    return true;
}

void testSmallerSize(const BeamCriteria& c, BeamState& state, BeamUi& ui)
{
    const MemberUnderTest& m = state.member;
    const AppliedLoads& loads = state.loads;
    NextSmallerResults& out = state.smaller;

    const double b = m.BeamBreadth;
    const double d = m.NextSmallerDepth;
    const double S = b * d * d / 6;
    const double A = b * d;
    const double I = b * d * d * d / 12;
    // The smaller size always carries its self weight, even when the tested one is taken without.
    const double w = b * d * loads.SelfWeightFactor * loads.SlopeFactor;
    const double L = m.SpanLength;
    const double a = m.OHLength;

    const double R1 = r1WithSelfWeight(c, loads, w, L, a);
    const double R2 = r2WithSelfWeight(c, loads, w, L, a);
    const double M = momentWithSelfWeight(c, loads, w, L, a);
    const double Moh = loads.OHMomentLoads + w * a * a / 2;

    const bool scl = c.group[7];
    out.FbAdjSmaller = num::toSingle(smallerFbStar(m, scl));
    CalcStabilitySmaller(c, state, ui);
    const double CLmin = std::min(out.SmallerSpanCL, out.SmallerCantCL);
    if (!bendingValuesPresent(m, scl, ui)) {
        return;
    }
    out.FbAdjSmaller = num::toSingle(smallerFbAdj(m, scl, CLmin));

    const double governing = c.OHbutton && Moh > M ? Moh : M;
    const double Sreq = num::div(12 * governing, out.FbAdjSmaller);

    ShearMember member;
    member.R1 = R1;
    member.R2 = R2;
    member.selfWeight = w;
    member.depthFt = num::toSingle(d / 12);
    member.spanLength = L;
    member.overhangLoad = overhangLoadTotal(c, m, w, a);
    member.IncTLTotal = loads.IncTLTotal;
    DesignShear shear = designShear(c, member);
    if (shear.fault == ShearFault::NoGreatestShear) {
        ui.msgBox("Max Vu Error, (Next Smaller Size) LSMR OVERHANG MAX V", MsgStyle::Plain);
        ui.resetSelectionPointer();
        return;
    }
    if (shear.fault == ShearFault::NoGreatestReduced) {
        ui.msgBox("Error at (Next Smaller Size) LSMR, OH MAX Reduction", MsgStyle::Plain);
        shear.VReduced = 0;
    }
    const double fv = num::div(1.5 * (c.Reducechk ? shear.VReduced : shear.V), A);

    const DeflectionResults& tested = state.deflection;
    const double stiffening = num::div(m.MomentOfInertia, I);
    const double TL = tested.TLDefl * stiffening;
    const double LL = tested.LLDefl * stiffening;
    const double OHTL = c.OHbutton ? tested.OHTLDefl * stiffening : 0.0;
    const double OHLL = c.OHbutton ? tested.OHLLDefl * stiffening : 0.0;

    const bool passes = fv <= m.FvAdj && Sreq <= S && std::abs(TL) <= tested.TLDeflAllow &&
                        std::abs(LL) <= tested.LLDeflAllow && std::abs(OHTL) <= tested.OHTLDeflAllow &&
                        std::abs(OHLL) <= tested.OHLLDeflAllow;
    out.NextSmallerOK = passes ? -1 : 0;
}

} // namespace

void NextSmallerSize(const BeamCriteria& criteria, BeamState& state, BeamUi& ui)
{
    if (state.member.NextSmallerDepth == 0) {
        state.smaller.NextSmallerOK = 0;
        return;
    }
    platform::leaveOnError([&] { testSmallerSize(criteria, state, ui); },
                           [&ui](const platform::RuntimeError&) {
                               ui.msgBox("Error at next smaller size", MsgStyle::Exclamation);
                           });
}

} // namespace beam
