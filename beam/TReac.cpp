// Reactions with self weight. The overhang shares are those of a uniform load over backspan and
// overhang; the continuous shares are the end and first interior reactions of equal spans.
#include "beam/TReac.h"

#include "platform/core/Number.h"
#include "platform/core/Traps.h"

namespace beam
{

namespace num = platform::num;

double r1WithSelfWeight(const BeamCriteria& criteria, const AppliedLoads& loads, double w, double L, double a)
{
    if (criteria.IncButton) {
        return boxValue(criteria.IncUnifTL) * L / 2 + double{loads.IncTLTotal} / 3 + w * L / 2;
    }
    if (criteria.OHbutton) {
        return loads.R1Loads + num::div(w * (L * L - a * a), 2 * L);
    }
    if (criteria.continuousTwoSpans()) {
        return loads.R1Loads + 0.375 * w * L;
    }
    if (criteria.continuousThreeSpans()) {
        return loads.R1Loads + 0.4 * w * L;
    }
    return loads.R1Loads + w * L / 2;
}

double r2WithSelfWeight(const BeamCriteria& criteria, const AppliedLoads& loads, double w, double L, double a)
{
    if (criteria.IncButton) {
        return boxValue(criteria.IncUnifTL) * L / 2 + 2 * double{loads.IncTLTotal} / 3 + w * L / 2;
    }
    if (criteria.OHbutton) {
        return loads.R2Loads + num::div(w * (L + a) * (L + a), 2 * L);
    }
    if (criteria.continuousTwoSpans()) {
        return loads.R2Loads + 1.25 * w * L;
    }
    if (criteria.continuousThreeSpans()) {
        return loads.R2Loads + 1.1 * w * L;
    }
    return loads.R2Loads + w * L / 2 + w * a;
}

void TReac(const BeamCriteria& criteria, BeamState& state, BeamUi& ui)
{
    platform::ResumeNext resume{
        [&ui](const platform::RuntimeError&) { ui.msgBox("Error at TReac sub procedure", MsgStyle::Plain); }};
    MemberUnderTest& m = state.member;
    const double w = m.SelfWeight;
    const double L = m.SpanLength;
    const double a = m.OHLength;
    resume([&] { m.R1TL = num::toSingle(r1WithSelfWeight(criteria, state.loads, w, L, a)); });
    resume([&] { m.R2TL = num::toSingle(r2WithSelfWeight(criteria, state.loads, w, L, a)); });
}

} // namespace beam
