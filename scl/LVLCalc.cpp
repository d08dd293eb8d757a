// The SCL beam test. Its steps keep a fixed order: the size is read and checked first, so that a
// refused size leaves the shared results of the test before untouched; then the values, size or
// volume factor, section, self weight, reactions, moments, stability and Fb', and the shared checks.
#include "scl/LVLCalc.h"

#include "app/BeamCriteriaSnapshot.h"
#include "app/OkCalculateForms.h"
#include "app/Program.h"
#include "beam/BeamState.h"
#include "beam/CalcDeflection.h"
#include "beam/CalcMomentShearReduction.h"
#include "beam/CalcStability.h"
#include "beam/NextSmallerSize.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "scl/Form2.h"
#include "scl/SCLCatalogue.h"
#include "wood/AdjustedValues.h"
#include "wood/MemberSection.h"

#include <algorithm>
#include <cmath>

namespace scl
{

namespace num = platform::num;
using beam::boxValue;

namespace
{

bool strictlyBetween(double x, double fifth, double low, double high)
{
    return x > num::toSingle(fifth * low) && x < num::toSingle(fifth * high);
}

// (12 / d)^0.1 (21 / L)^0.1 (5.125 / b)^0.1 KL, not limited to 1.
float sclVolumeFactor(double d, double L, double b, double KL)
{
    return num::toSingle(num::powChecked(num::div(12, d), 0.1) * num::powChecked(num::div(21, L), 0.1) *
                         num::powChecked(num::div(5.125, b), 0.1) * KL);
}

float sclSizeFactor(double d, double x)
{
    return num::toSingle(num::powChecked(num::div(12, d), x));
}

struct SizeSpec
{
    float b = 0;
    SCLDepthRow row;
};

} // namespace

double sclLoadingConditionFactor(const beam::BeamCriteria& c, const beam::AppliedLoads& loads)
{
    if (c.OHbutton || c.Multibutton || c.NDS1997 != -1 || loads.PTTotal == 0) {
        return 1.0;
    }
    const double fifth = boxValue(c.Span) / 5;
    const bool onlyPointLoads = boxValue(c.UNIF) == 0 && loads.PARTotal == 0;
    std::array<double, beam::PointLoadCount> at{};
    bool midspan = onlyPointLoads;
    for (std::size_t i = 0; i < at.size(); ++i) {
        at[i] = boxValue(c.DIS[i]);
        if (at[i] != 0 && !strictlyBetween(at[i], fifth, 2.25, 2.75)) {
            midspan = false;
        }
    }
    if (midspan) {
        return 1.09;
    }
    const bool othersAbsent = at[2] == 0 && at[3] == 0 && at[4] == 0 && at[5] == 0;
    const bool nearThirds =
        (strictlyBetween(at[0], fifth, 1.5, 2) && strictlyBetween(at[1], fifth, 3, 3.5)) ||
        (strictlyBetween(at[0], fifth, 3, 3.5) && strictlyBetween(at[1], fifth, 1.5, 2));
    if (onlyPointLoads && boxValue(c.PT[1]) == boxValue(c.PT[0]) && othersAbsent && nearThirds) {
        return 0.96;
    }
    return 1.0;
}

float sclAdjustedBendingValue(const beam::MemberUnderTest& m, const beam::StabilityResults& s)
{
    const double CL = std::min(s.SpanCL, s.CantCL);
    const double base = double{m.Cr} * m.Fb * m.Cd;
    double F = 0;
    if (m.CVGoverns == -1) {
        F = std::min(CL, double{m.CV});
    } else if (m.CF >= 1.0f) {
        F = m.CF * CL;
    } else {
        F = std::min(CL, double{m.CF});
    }
    return num::toSingle(base * F);
}

SCLTestOutcome sclBeamTest(const SCLTestEntry& entry, const beam::BeamCriteria& c, beam::BeamState& state,
                           beam::BeamUi& ui)
{
    // The size first: a size that cannot be read is refused before anything is written.
    const std::optional<float> b = sclNetBreadth(entry.breadth);
    if (!b) {
        ui.msgBox(SCLBreadthMessage, beam::MsgStyle::Plain);
        return SCLTestOutcome::BreadthRefused;
    }
    std::optional<SCLDepthRow> row = sclDepthRow(entry.product, entry.breadth, entry.depth);
    if (!row) {
        // SCL depths are actual sizes: a depth no row lists is tested as typed, with no neighbours.
        const std::optional<double> value = sclDepthTextValue(entry.depth);
        if (!value || *value <= 0) {
            ui.msgBox(SCLDepthMessage, beam::MsgStyle::Plain);
            return SCLTestOutcome::DepthRefused;
        }
        row = SCLDepthRow{entry.depth, static_cast<float>(*value), "", 0, ""};
    }
    if (isCustomSCL(entry.product)) {
        // An exponent of 1 or more makes the size factor grow without bound on shallow members.
        const double x = num::leadingNumber(entry.exponent);
        if (!(x >= 0 && x < 1)) {
            ui.msgBox(SCLExponentMessage, beam::MsgStyle::Plain);
            return SCLTestOutcome::ExponentRefused;
        }
    }

    SCLTestOutcome outcome = SCLTestOutcome::Error;
    platform::leaveOnError(
        [&] {
            beam::MemberUnderTest& m = state.member;
            m.BeamBreadth = *b;
            m.BeamDepth = row->BeamDepth;
            m.NextLargerLabel = row->NextLargerLabel;
            m.NextSmallerDepth = row->NextSmallerDepth;
            m.NextSmallerLabel = row->NextSmallerLabel;
            m.BreadthClass = SCLBreadthClass;

            m.Fb = num::toSingle(num::leadingNumber(entry.Fb));
            m.Fv = num::toSingle(num::leadingNumber(entry.Fv));
            m.E = num::toSingle(num::leadingNumber(entry.E));
            m.FcPerp = num::toInt16(num::leadingNumber(entry.FcPerp));
            m.SCLSizeExponent = num::toSingle(num::leadingNumber(entry.exponent));

            const double d = m.BeamDepth;
            const std::optional<SCLSizeColumns> columns = sclSizeColumns(entry.product);
            if (columns && !columns->volumeFactor) {
                const double user = m.SCLSizeExponent;
                m.CF = sclSizeFactor(d, *sclSizeExponent(entry.product, d, user));
                if (m.NextSmallerDepth > 0) {
                    const double ds = m.NextSmallerDepth;
                    m.CFSmaller = sclSizeFactor(ds, *sclSizeExponent(entry.product, ds, user));
                }
                state.loads.SelfWeightFactor = columns->selfWeightFactor;
            }
            if (columns && columns->volumeFactor) {
                const double KL = sclLoadingConditionFactor(c, state.loads);
                const double L = boxValue(c.Span);
                m.CV = sclVolumeFactor(d, L, *b, KL);
                if (m.NextSmallerDepth > 0) {
                    m.CFSmaller = sclVolumeFactor(m.NextSmallerDepth, L, *b, KL);
                }
                state.loads.SelfWeightFactor = columns->selfWeightFactor;
                m.CV = std::min(m.CV, 1.0f);
                m.CVGoverns = -1;
                m.CF = 1.0f;
            } else {
                m.CVGoverns = 0;
            }

            wood::memberSectionAndLoads(c, false, state);
            m.FvAdj = num::toSingle(double{m.Cd} * m.Fv);
            m.EAdj = m.E;
            m.FcPerpAdj = m.FcPerp;
            m.Cr = c.Rep && !(columns && columns->withholdsRepetitive) ? 1.04f : 1.0f;
            m.FbStar = num::toSingle(double{m.Cr} * m.Fb * m.Cd);

            if (wood::stabilitySkipped(c, m)) {
                wood::setNeutralStability(state.stability);
            } else {
                beam::CalcStability(c, state, ui);
            }

            if (m.CV == 0) {
                m.CV = 1.0f;
            }
            const double common = double{m.Cr} * m.Fb * m.Cd * m.CF * m.CV;
            if (num::toSingle(common * state.stability.SpanCL) == 0 ||
                num::toSingle(common * state.stability.CantCL) == 0) {
                ui.resetSelectionPointer();
                ui.msgBox(SCLZeroValueMessage, beam::MsgStyle::Exclamation);
                outcome = SCLTestOutcome::ZeroValue;
                return;
            }
            m.FbAdj = sclAdjustedBendingValue(m, state.stability);

            beam::CalcMomentShearReduction(c, state, ui);
            beam::CalcDeflection(c, state, ui);
            beam::NextSmallerSize(c, state, ui);
            outcome = SCLTestOutcome::Completed;
        },
        [&ui](const platform::RuntimeError&) { ui.msgBox(SCLErrorMessage, beam::MsgStyle::Plain); });
    return outcome;
}

namespace
{

void focusIfPossible(platform::Control& control)
{
    if (control.canFocus()) {
        control.setFocus();
    }
}

} // namespace

bool LVLCalc(app::Program& program)
{
    Form2& f2 = program.form2;
    SCLTestEntry entry;
    entry.product = f2.Combo1.listIndex();
    entry.breadth = f2.Text6.text();
    entry.depth = f2.Text7.text();
    entry.Fb = f2.Text1.text();
    entry.Fv = f2.Text2.text();
    entry.FcPerp = f2.Text3.text();
    entry.E = f2.Text4.text();
    entry.exponent = f2.Text8.text();
    app::OkCalculateForms ui(program);
    const SCLTestOutcome outcome = sclBeamTest(entry, app::readBeamCriteria(program), program.beam, ui);
    switch (outcome) {
    case SCLTestOutcome::BreadthRefused:
        focusIfPossible(f2.Text6);
        break;
    case SCLTestOutcome::DepthRefused:
        focusIfPossible(f2.Text7);
        break;
    case SCLTestOutcome::ExponentRefused:
        focusIfPossible(f2.Text8);
        break;
    default:
        break;
    }
    return outcome == SCLTestOutcome::Completed;
}

} // namespace scl
