// First depth estimate and quick picks of the SCL products.
#include "scl/LVLEstimate.h"

#include "app/BeamCriteriaSnapshot.h"
#include "app/Program.h"
#include "beam/BeamState.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "scl/Form2.h"
#include "scl/SCLCatalogue.h"

#include <array>

namespace scl
{

namespace num = platform::num;

double bendingEstimate(double MomentLoads, float P)
{
    return num::sqrtChecked(num::div(72 * MomentLoads, P));
}

std::string estimateCaption(int product, double d, bool customEstimate)
{
    return sclEstimateRung(product, d, customEstimate).value_or("");
}

void LVLtest(app::Program& program)
{
    Form2& f2 = program.form2;
    beam::MemberUnderTest& m = program.beam.member;
    const beam::BeamCriteria criteria = app::readBeamCriteria(program);
    const auto reportError = [&program](const platform::RuntimeError&) {
        program.runtime.msgBox("Error in LVLtest", platform::Buttons::OK, platform::Icon::None, "Korvanta");
    };

    std::array<float, SCLSlotCount> P{};
    platform::leaveOnError(
        [&] {
            m.Fb = num::toSingle(num::leadingNumber(f2.Text1.text()));
            m.Cd = num::toSingle(beam::boxValue(criteria.Dur));
            // The estimate only seeds the search of "OK Calc", so every product takes Cr 1.04 here.
            m.Cr = criteria.Rep ? 1.04f : 1.0f;
            for (int i = 0; i < SCLSlotCount; ++i) {
                const float b = sclEstimateBreadth(f2.LVLab[i].caption());
                P[static_cast<std::size_t>(i)] = num::toSingle(double{m.Fb} * m.Cd * b * m.Cr);
            }
        },
        reportError);

    const int product = f2.Combo1.listIndex();
    const float moment = program.beam.loads.MomentLoads;
    for (int i = 0; i < SCLSlotCount; ++i) {
        std::string caption;
        // A failing estimate counts as out of range; the other buttons are still estimated.
        platform::leaveOnError(
            [&] {
                caption = estimateCaption(product, bendingEstimate(moment, P[static_cast<std::size_t>(i)]));
            },
            reportError);
        f2.LVLbut[i].setCaption(caption);
    }

    if (isCustomSCL(product)) {
        std::string depth = "0";
        platform::leaveOnError(
            [&] {
                const float P35 = num::toSingle(double{m.Fb} * m.Cd * 3.5 * m.Cr);
                const std::string rung = estimateCaption(product, bendingEstimate(moment, P35), true);
                depth = rung.empty() ? "0" : rung;
            },
            reportError);
        f2.Text7.setText(depth);
    }
}

void ApplyLVLQuickPick(app::Program& program)
{
    Form2& f2 = program.form2;
    for (int i = 0; i < SCLSlotCount; ++i) {
        if (f2.LVLbut[i].value()) {
            f2.Text6.setText(f2.LVLab[i].caption());
            f2.Text7.setText(f2.LVLbut[i].caption());
            f2.Text5.setText(f2.Combo1.text());
        }
    }
}

} // namespace scl
