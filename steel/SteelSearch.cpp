// The quick-pick search of the steel selection form: the first sixteen rows of the chosen family, in
// table order, that pass bending, shear and deflection.
#include "app/BeamCriteriaSnapshot.h"
#include "app/Program.h"
#include "beam/BeamState.h"
#include "beam/CalcDeflection.h"
#include "platform/core/Number.h"
#include "platform/forms/Runtime.h"
#include "steel/Form22.h"
#include "steel/SteelChecks.h"
#include "steel/SteelSizeCheck.h"
#include "steel/SteelState.h"
#include "steel/SteelUi.h"

#include <cmath>

namespace steel
{

namespace num = platform::num;

namespace
{

constexpr const char* SearchError = " Error in loadup22-bas3 procedure";

// The bending filter of the search: a row that fails is dropped without a message. Tubes and plates
// pass on the section alone.
BendingCase searchBendingCase(Family family, float Lb, float Lc, float Lu, float Sx, const SizeLoads& loads)
{
    if ((Sx >= loads.S66 && Lc >= Lb && Lc > 0) || ((isTube(family) || isPlate(family)) && Sx >= loads.S66)) {
        return BendingCase::Lc;
    }
    if (Sx >= loads.S60 && Lu >= Lb) {
        return BendingCase::Lu;
    }
    return BendingCase::TooLarge;
}

bool deflectionPasses(const beam::DeflectionResults& d)
{
    return std::fabs(d.TLDefl) <= d.TLDeflAllow && std::fabs(d.LLDefl) <= d.LLDeflAllow &&
           std::fabs(d.OHTLDefl) <= d.OHTLDeflAllow && std::fabs(d.OHLLDefl) <= d.OHLLDeflAllow;
}

std::string unbracedCaption(Family family, BendingCase bending, float Lc, float Lu)
{
    if (isTube(family)) {
        return "any OK";
    }
    if (isPlate(family)) {
        return "0";
    }
    if (bending == BendingCase::Lc) {
        return "Lc = " + num::format(Lc, "#.0#");
    }
    return "Lu = " + num::format(Lu, "#.0#");
}

int firstEmptyPick(Form22& form)
{
    for (int j = 0; j < QuickPickCount; ++j) {
        if (form.StlPick(j).caption().empty()) {
            return j;
        }
    }
    return -1;
}

} // namespace

void LoadUp22(app::Program& program)
{
    SteelCheckSetup(program);
    SteelUi ui{program.runtime};
    SteelState& steel = program.steel;
    beam::BeamState& beam = program.beam;
    Form22& form = program.form22;
    const SteelTable& table = steel.SteelTable;
    const beam::BeamCriteria criteria = app::readBeamCriteria(program);
    const SizeContext context = makeContext(criteria, beam, steel.setup);
    const float Lb = steel.setup.StlUnbracedLength;

    for (int row = steel.StlFirstRow; row <= steel.StlLastRow; ++row) {
        // A failing step shows the message once and the search goes on with the next row, rather than
        // judging this row on values left from the one before.
        try {
            if (steel.StlMaxDepth != 0.75f && table.number(row, Col::Depth) > steel.StlMaxDepth) {
                continue;
            }
            const SizeLoads loads = sizeLoads(context, num::toSingle(table.number(row, Col::Weight)));
            beam::MemberUnderTest& m = beam.member;
            m.SelfWeight = loads.SelfWeight;
            steel.results.BeamWeight = loads.BeamWeight;
            m.MaxMoment = loads.MaxMoment;
            m.OHMoment = loads.OHMoment;
            steel.results.TotalBeamLoad = loads.TotalBeamLoad;
            m.R1TL = loads.R1TL;
            m.R2TL = loads.R2TL;

            const float Sx = num::toSingle(table.number(row, Col::Sx));
            const float Lc = rowLc(table, row, context.ksi50);
            const float Lu = rowLu(table, row, context.ksi50);
            const BendingCase bending = searchBendingCase(context.family, Lb, Lc, Lu, Sx, loads);
            steel.results.StlLcGoverns = bending == BendingCase::Lc ? -1 : 0;
            steel.results.StlLuGoverns = bending == BendingCase::Lu ? -1 : 0;
            if (bending == BendingCase::TooLarge) {
                continue;
            }

            const DesignShear shear = designShear(context, loads);
            if (criteria.OHbutton) {
                steel.results.OHShear = shear.OHShear;
            }
            beam.shear.ShearV = shear.V;
            const float fv =
                num::toSingle(num::div(shear.V, table.number(row, Col::Depth) * table.number(row, Col::Web)));
            if (!(fv < steel.setup.StlFvAllow)) {
                continue;
            }

            m.MomentOfInertia = num::toSingle(table.number(row, Col::Ix));
            beam::CalcDeflection(criteria, beam, ui);
            if (!deflectionPasses(beam.deflection)) {
                continue;
            }

            const int j = firstEmptyPick(form);
            if (j < 0) {
                break;
            }
            m.SectionModulus = Sx;
            beam.shear.SectionModulusReq = bending == BendingCase::Lc ? loads.S66 : loads.S60;
            beam.shear.ShearStress = fv;
            form.StlPick(j).setCaption(table.text(row, Col::Designation));
            form.StlDepLab(j).setCaption(table.text(row, Col::DepthText));
            form.StlWidLab(j).setCaption(table.text(row, Col::BreadthText));
            form.StlSecPerct(j).setCaption(
                num::format(num::div(beam.shear.SectionModulusReq, m.SectionModulus) * 100, "#0") + "%");
            form.StlShearPerct(j).setCaption(num::format(num::div(fv, steel.setup.StlFvAllow) * 100, "#0") +
                                             "%");
            form.UBLlab(j).setCaption(unbracedCaption(context.family, bending, Lc, Lu));
        } catch (const platform::RuntimeError&) {
            program.runtime.msgBox(SearchError, platform::Buttons::OK, platform::Icon::None,
                                   beam::MessageTitle);
        }
    }
    form.StlChoice.setText("");
}

} // namespace steel
