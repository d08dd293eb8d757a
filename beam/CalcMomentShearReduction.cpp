// Bending and shear of the member under test. The reduced shear V' leaves out the loads within one
// member depth of a support; the check box "Reduce shear loads at beam ends" decides which one counts.
#include "beam/CalcMomentShearReduction.h"

#include "beam/ShearNearSupports.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"

namespace beam
{

namespace num = platform::num;

void CalcMomentShearReduction(const BeamCriteria& criteria, BeamState& state, BeamUi& ui)
{
    const MemberUnderTest& m = state.member;
    ShearResults& out = state.shear;
    platform::leaveOnError(
        [&] {
            double moment = m.MaxMoment;
            if (criteria.OHbutton && m.MaxMoment < m.OHMoment) {
                moment = m.OHMoment;
            }
            out.SectionModulusReq = num::toSingle(num::div(moment * 12, m.FbAdj));
            out.ShearV = 0;
            out.ShearVReduced = 0;

            ShearMember member;
            member.R1 = m.R1TL;
            member.R2 = m.R2TL;
            member.selfWeight = m.SelfWeight;
            member.depthFt = num::toSingle(double{m.BeamDepth} / 12);
            member.spanLength = m.SpanLength;
            member.IncTLTotal = state.loads.IncTLTotal;
            if (criteria.OHbutton) {
                member.overhangLoad = overhangLoadTotal(criteria, m, m.SelfWeight, m.OHLength);
            }
            const DesignShear shear = designShear(criteria, member);
            if (shear.fault == ShearFault::NoGreatestShear) {
                ui.msgBox("Max V Error, LSMR OVERHANG MAX V", MsgStyle::Plain);
                ui.resetSelectionPointer();
                return;
            }
            out.ShearV = num::toSingle(shear.V);
            if (shear.fault == ShearFault::NoGreatestReduced) {
                ui.msgBox("Error at LSMR, OH MAX Reduction", MsgStyle::Plain);
            } else {
                out.ShearVReduced = num::toSingle(shear.VReduced);
            }

            const double V = criteria.Reducechk ? double{out.ShearVReduced} : double{out.ShearV};
            // The round-section factor as the program has always carried it, not 4/3.
            const double k = criteria.Roundoption ? 1.33333 : 1.5;
            out.ShearStress = num::toSingle(num::div(V * k, m.ShearArea));
            out.ShearAreaReq = num::toSingle(num::div(V * k, m.FvAdj));
        },
        [&ui](const platform::RuntimeError&) {
            ui.msgBox("Error at Large Moment Shear Reduction", MsgStyle::Plain);
        });
}

} // namespace beam
