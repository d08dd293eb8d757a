// Beam stability: effective length by slenderness and load class, slenderness ratio RB, critical
// buckling value FbE, and CL. The tested size keeps its lengths and FbE in single precision as they
// are reported; the next smaller depth works in double and keeps only its two CLs.
#include "beam/CalcStability.h"

#include "platform/core/Number.h"
#include "platform/core/Traps.h"

namespace beam
{

namespace num = platform::num;

SlendernessClass slendernessClass(double ratio)
{
    if (ratio <= 7) {
        return SlendernessClass::I;
    }
    if (ratio <= 14.3f) {
        return SlendernessClass::II;
    }
    return SlendernessClass::III;
}

SpanLoadClass spanLoadClass(const BeamCriteria& criteria)
{
    bool others = false;
    for (const std::string& load : criteria.PT) {
        others = others || boxValue(load) != 0;
    }
    for (const std::string& load : criteria.PAR) {
        others = others || boxValue(load) != 0;
    }
    return boxValue(criteria.UNIF) > 0 && !others ? SpanLoadClass::UniformOnly : SpanLoadClass::Other;
}

OverhangLoadClass overhangLoadClass(const BeamCriteria& criteria, float OHLength)
{
    const bool f = boxValue(criteria.PT[4]) > 0;
    const bool g = boxValue(criteria.PT[5]) > 0;
    const bool k = boxValue(criteria.PAR[3]) > 0;
    const bool l = boxValue(criteria.PAR[4]) > 0;
    if (!f && !g) {
        // K and L together count as one uniform load only when both run out to the tip.
        if (k != l) {
            return OverhangLoadClass::Uniform;
        }
        if (k && l && criteria.ENDP[3] == criteria.ENDP[4] && num::toSingle(criteria.ENDP[4]) == OHLength) {
            return OverhangLoadClass::Uniform;
        }
    }
    if (!k && !l) {
        if (f != g || (f && g && criteria.DIS[4] == criteria.DIS[5])) {
            return OverhangLoadClass::EndLoad;
        }
    }
    return OverhangLoadClass::Other;
}

double spanEffectiveLength(SpanLoadClass load, SlendernessClass slenderness, double lu, double d)
{
    switch (slenderness) {
    case SlendernessClass::I:
        return 2.06 * lu;
    case SlendernessClass::II:
        return 1.63 * lu + 3 * d;
    case SlendernessClass::III:
        break;
    }
    return load == SpanLoadClass::UniformOnly ? 1.63 * lu + 3 * d : 1.84 * lu;
}

double overhangEffectiveLength(OverhangLoadClass load, SlendernessClass slenderness, double lu, double d)
{
    const bool compact = slenderness == SlendernessClass::I;
    switch (load) {
    case OverhangLoadClass::Uniform:
        return compact ? 1.33 * lu : 0.90 * lu + 3 * d;
    case OverhangLoadClass::EndLoad:
        return compact ? 1.87 * lu : 1.44 * lu + 3 * d;
    case OverhangLoadClass::Other:
        break;
    }
    return spanEffectiveLength(SpanLoadClass::Other, slenderness, lu, d);
}

double eminFactor(const std::string& BreadthClass, const CalcFlags& flags)
{
    // Emin = E (1 - 1.645 COV) 1.03 / 1.66 (1.05 for glu-lam): COV 0.10 glu-lam, 0.15 MEL,
    // 0.11 MSR, 0.25 visually graded lumber. Structural composite lumber (class "SCL") is as uniform
    // as glu-lam, COV 0.10, but takes the 1.03 of sawn lumber: 0.8355 x 1.03 / 1.66 = 0.518.
    if (BreadthClass == "GLB") {
        return 0.5285;
    }
    if (BreadthClass == "SCL") {
        return 0.518;
    }
    if (flags.MELFlag == -1) {
        return 0.4674;
    }
    if (flags.MSRFlag == -1) {
        return 0.5082;
    }
    return 0.3653;
}

double stabilityFactor(double FbE, double FbStar)
{
    const double F = num::div(FbE, FbStar);
    const double A = (1 + F) / 1.9;
    const double CL = A - num::sqrtChecked(A * A - F / 0.95);
    return CL > 1 ? 1.0 : CL;
}

namespace
{

enum class Precision
{
    Single, // the tested size: every reported quantity is kept as a Single
    Double  // the next smaller depth: locals only
};

struct PartInput
{
    double lu = 0; // in
    double d = 0;
    double b = 0;
    double EPsi = 0;
    double FbStar = 0;
    float KbE = 0;
    double emin = 0; // Emin / E'
    bool eminRule = false;
};

double keep(Precision precision, double value)
{
    return precision == Precision::Single ? double{num::toSingle(value)} : value;
}

double slendernessRatio(Precision precision, double lu, double d)
{
    return keep(precision, num::div(lu, d));
}

double buckling(Precision precision, const PartInput& in, double RB)
{
    const double numerator = in.eminRule ? in.EPsi * in.emin * 1.2 : in.EPsi * in.KbE;
    return keep(precision, num::div(numerator, RB * RB));
}

double slenderness(const PartInput& in, double Le)
{
    return num::sqrtChecked(num::div(in.d, in.b * in.b) * Le);
}

float kbe(const std::string& BreadthClass)
{
    // Glu-lam and structural composite lumber (COV of E 0.10) 0.61, visually graded lumber 0.439.
    return BreadthClass == "GLB" || BreadthClass == "SCL" ? 0.61f : 0.439f;
}

} // namespace

void CalcStability(const BeamCriteria& criteria, BeamState& state, BeamUi& ui)
{
    StabilityResults& out = state.stability;
    out = StabilityResults{};
    const MemberUnderTest& m = state.member;
    platform::leaveOnError(
        [&] {
            const double U = boxValue(criteria.UBLtext);
            const double C = boxValue(criteria.CantUBLtext);
            if (U == 0 && C == 0) {
                return;
            }
            PartInput in;
            in.d = m.BeamDepth;
            in.b = m.BeamBreadth;
            in.EPsi = double{m.EAdj} * 1000000;
            in.FbStar = m.FbStar;
            in.KbE = kbe(m.BreadthClass);
            in.emin = eminFactor(m.BreadthClass, state.flags);
            in.eminRule = criteria.usesEminRule();

            if (U != 0) {
                out.SpanLu = num::toSingle(U * 12);
                const auto cls = slendernessClass(slendernessRatio(Precision::Single, out.SpanLu, in.d));
                out.SpanLe =
                    num::toSingle(spanEffectiveLength(spanLoadClass(criteria), cls, out.SpanLu, in.d));
                out.SpanRB = slenderness(in, out.SpanLe);
                out.SpanRBOver50 = out.SpanRB > 50 ? -1 : 0;
                out.SpanKbE = in.KbE;
                const double FbE = buckling(Precision::Single, in, out.SpanRB);
                out.SpanCL = num::toSingle(stabilityFactor(FbE, in.FbStar));
            }

            if (C > 0) {
                out.CantLu = num::toSingle(C * 12);
                const auto cls = slendernessClass(slendernessRatio(Precision::Single, out.CantLu, in.d));
                const auto load = overhangLoadClass(criteria, m.OHLength);
                out.CantLe = num::toSingle(overhangEffectiveLength(load, cls, out.CantLu, in.d));
                out.CantRB = slenderness(in, out.CantLe);
                out.CantRBOver50 = out.CantRB > 50 ? -1 : 0;
            } else {
                out.CantRBOver50 = 0;
                out.CantCL = 1;
            }
            out.CantKbE = in.KbE;
            // An overhang unbraced length on a beam that does not overhang is reported but not applied.
            if (!(C > 0 && criteria.OHbutton)) {
                out.CantCL = 1;
                return;
            }
            const double FbE = buckling(Precision::Single, in, out.CantRB);
            out.CantCL = num::toSingle(stabilityFactor(FbE, in.FbStar));
        },
        [&ui](const platform::RuntimeError&) {
            ui.msgBox("Error at Stability check module Bas 9", MsgStyle::Exclamation);
        });
}

void CalcStabilitySmaller(const BeamCriteria& criteria, BeamState& state, BeamUi& ui)
{
    NextSmallerResults& out = state.smaller;
    out.SmallerSpanCL = 1;
    out.SmallerCantCL = 1;
    const MemberUnderTest& m = state.member;
    platform::leaveOnError(
        [&] {
            const double U = boxValue(criteria.UBLtext);
            const double C = boxValue(criteria.CantUBLtext);
            if (U == 0 && C == 0) {
                return;
            }
            PartInput in;
            in.d = m.NextSmallerDepth;
            in.b = m.BeamBreadth;
            in.EPsi = double{m.EAdj} * 1000000;
            in.FbStar = out.FbAdjSmaller;
            in.KbE = kbe(m.BreadthClass);
            in.emin = eminFactor(m.BreadthClass, state.flags);
            in.eminRule = criteria.usesEminRule();

            if (U != 0) {
                const double lu = U * 12;
                const auto cls = slendernessClass(slendernessRatio(Precision::Double, lu, in.d));
                const double RB =
                    slenderness(in, spanEffectiveLength(spanLoadClass(criteria), cls, lu, in.d));
                out.SmallerSpanCL =
                    num::toSingle(stabilityFactor(buckling(Precision::Double, in, RB), in.FbStar));
            }
            if (!(C > 0 && criteria.OHbutton)) {
                out.SmallerCantCL = 1;
                return;
            }
            const double lu = C * 12;
            const auto cls = slendernessClass(slendernessRatio(Precision::Double, lu, in.d));
            const auto load = overhangLoadClass(criteria, m.OHLength);
            const double RB = slenderness(in, overhangEffectiveLength(load, cls, lu, in.d));
            out.SmallerCantCL =
                num::toSingle(stabilityFactor(buckling(Precision::Double, in, RB), in.FbStar));
        },
        [&ui](const platform::RuntimeError&) {
            ui.msgBox("Error at Stability smaller check module Bas 9", MsgStyle::Exclamation);
        });
}

} // namespace beam
