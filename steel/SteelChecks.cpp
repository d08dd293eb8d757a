// The steel beam checks on the program's shared state.
#include "steel/SteelChecks.h"

#include "app/BeamCriteriaSnapshot.h"
#include "app/Form1.h"
#include "app/Program.h"
#include "beam/BeamState.h"
#include "beam/CalcDeflection.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "report/Form5.h"
#include "steel/Form22.h"
#include "steel/SteelSizeCheck.h"
#include "steel/SteelState.h"
#include "steel/SteelUi.h"
#include "steel/WebBearing.h"

#include <cmath>

namespace steel
{

namespace num = platform::num;
using beam::boxValue;

namespace
{

// clang-format off
constexpr const char* NotFoundMessage =
    "Your Steel selection does not match any sizes in the Korvanta database for this steel shape or the size "
    "you have entered is not in the correct format.\r\r"
    "Examples: (Note the location of the spaces and 'x')\r\r"
    "\tW 12x 30\r\tS 8x 18.4\r\tC 7x 9.8\r\tT 10x 5x 1/2\r\r"
    "Click the DATABASE button to see the steel sizes available in the database for this shape. You may "
    "enter any size listed in the database.";
// clang-format on
constexpr const char* StepNotFoundMessage =
    "Your Steel selection does not match any sizes in the Korvanta database for this steel shape.";
constexpr const char* TooLargeMessage =
    "Proposed Unbraced length for Lc or Lu is too large.  Please select another size or adjust the unbraced "
    "length.  Korvanta does not compute the special anaylsis required for members with an unbraced length "
    "greater than Lu.";
constexpr const char* SearchError = " Error in loadup22-bas3 procedure";

void message(app::Program& program, const char* text)
{
    program.runtime.msgBox(text, platform::Buttons::OK, platform::Icon::None, beam::MessageTitle);
}

// The shared check of one found size, step for step as the typed and the stepped check run it, into
// the beam state and steel results given. Returns false when the unbraced length is too large, after
// the message; the moments and reactions are then written, the bending results are not.
bool checkSize(app::Program& program, const beam::BeamCriteria& criteria, int row, beam::BeamState& beam,
               SteelResults& results)
{
    const SteelState& steel = program.steel;
    const SteelTable& table = steel.SteelTable;
    const SizeContext context = makeContext(criteria, beam, steel.setup);
    const SizeLoads loads = sizeLoads(context, num::toSingle(table.number(row, Col::Weight)));
    beam::MemberUnderTest& m = beam.member;
    m.SelfWeight = loads.SelfWeight;
    results.BeamWeight = loads.BeamWeight;
    m.MaxMoment = loads.MaxMoment;
    m.OHMoment = loads.OHMoment;
    results.TotalBeamLoad = loads.TotalBeamLoad;
    m.R1TL = loads.R1TL;
    m.R2TL = loads.R2TL;
    const Allowables allow = allowables(context.family, context.ksi50);
    m.Fb = allow.Fy;

    const float Lc = rowLc(table, row, context.ksi50);
    const float Lu = rowLu(table, row, context.ksi50);
    switch (bendingCaseOfCheck(context.family, steel.setup.StlUnbracedLength, Lc, Lu)) {
    case BendingCase::TooLarge:
        results.StlLcGoverns = 0;
        results.StlLuGoverns = 0;
        message(program, TooLargeMessage);
        return false;
    case BendingCase::Lc:
        results.StlLcGoverns = -1;
        results.StlLuGoverns = 0;
        beam.shear.SectionModulusReq = loads.S66;
        m.FbAdj = allow.FbLcCase;
        if (!isTube(context.family) && !isPlate(context.family)) {
            results.StlUnbracedText = "Lc = " + num::numberText(Lc) + " ft";
        }
        break;
    case BendingCase::Lu:
        results.StlLcGoverns = 0;
        results.StlLuGoverns = -1;
        beam.shear.SectionModulusReq = loads.S60;
        m.FbAdj = allow.FbLuCase;
        results.StlUnbracedText = "Lu = " + num::numberText(Lu) + " ft";
        break;
    }
    m.SectionModulus = num::toSingle(table.number(row, Col::Sx));

    const DesignShear shear = designShear(context, loads);
    if (criteria.OHbutton) {
        results.OHShear = shear.OHShear;
    }
    beam.shear.ShearV = shear.V;
    m.Fv = allow.Fy;
    m.FvAdj = allow.FvAdj;
    const double webArea = table.number(row, Col::Depth) * table.number(row, Col::Web);
    m.ShearArea = num::toSingle(webArea);
    beam.shear.ShearStress = num::toSingle(num::div(shear.V, webArea));
    beam.shear.ShearAreaReq = num::toSingle(num::div(shear.V, allow.FvAdj));
    m.MomentOfInertia = num::toSingle(table.number(row, Col::Ix));
    m.E = 29.0f;
    m.EAdj = 29.0f;
    return true;
}

} // namespace

void SteelCheckSetup(app::Program& program)
{
    platform::ResumeNext resume{[&program](const platform::RuntimeError&) { message(program, SearchError); }};
    app::Form1& form1 = program.form1;
    resume([&] {
        if (form1.UBLtext.text().empty()) {
            form1.UBLtext.setText("0");
        }
    });
    resume([&] {
        if (form1.CantUBLtext.text().empty()) {
            form1.CantUBLtext.setText("0");
        }
    });
    const beam::BeamCriteria criteria = app::readBeamCriteria(program);
    SteelSetup& setup = program.steel.setup;
    beam::MemberUnderTest& m = program.beam.member;
    resume([&] { setup.StlUnbracedLength = unbracedLength(criteria); });
    setupConstants(criteria.TUbutton, criteria.ksi50, setup);
    m.EAdj = 29.0f;
    resume([&] { setup.PointLoadDist[4] = num::toSingle(boxValue(criteria.DIS[4])); });
    resume([&] { setup.PointLoadDist[5] = num::toSingle(boxValue(criteria.DIS[5])); });
    resume([&] { m.PartialLoadEnd[3] = num::toSingle(boxValue(criteria.ENDP[3])); });
    resume([&] { m.PartialLoadEnd[4] = num::toSingle(boxValue(criteria.ENDP[4])); });
    if (criteria.OHbutton) {
        float a = setup.PointLoadDist[4];
        for (float end : {setup.PointLoadDist[5], m.PartialLoadEnd[3], m.PartialLoadEnd[4]}) {
            a = std::fmax(a, end);
        }
        m.OHLength = a;
    } else {
        m.OHLength = 0;
    }
    resume([&] { m.UnifLL = num::toSingle(boxValue(criteria.LUNIF)); });
    resume([&] { m.UnifTL = num::toSingle(boxValue(criteria.UNIF)); });
    resume([&] { m.SpanLength = num::toSingle(boxValue(criteria.Span)); });
}

bool FoundSteel(app::Program& program)
{
    // The setup runs first, so that a form kept from an earlier beam never checks with its span,
    // bracing and overhang.
    SteelCheckSetup(program);
    SteelUi ui{program.runtime};
    bool completed = false;
    platform::leaveOnError(
        [&] {
            SteelState& steel = program.steel;
            const beam::BeamCriteria criteria = app::readBeamCriteria(program);
            const int row = findDesignation(steel.SteelTable, steel.StlFirstRow, steel.StlLastRow,
                                            program.form22.StlChoice.text());
            if (row < 0) {
                ui.beep();
                message(program, NotFoundMessage);
                return;
            }
            steel.StlBreadthText = steel.SteelTable.text(row, Col::BreadthText);
            steel.StlDepthText = steel.SteelTable.text(row, Col::DepthText);
            if (!checkSize(program, criteria, row, program.beam, steel.results)) {
                return;
            }
            beam::CalcDeflection(criteria, program.beam, ui);
            program.form22.hide();
            program.form5.show();
            completed = true;
        },
        [&program](const platform::RuntimeError&) { message(program, "Error at FoundSteel procedure."); });
    return completed;
}

bool SteelCalc(app::Program& program, std::string_view designation)
{
    SteelCheckSetup(program);
    SteelUi ui{program.runtime};
    bool completed = false;
    platform::leaveOnError(
        [&] {
            SteelState& steel = program.steel;
            const beam::BeamCriteria criteria = app::readBeamCriteria(program);
            const int row =
                findDesignation(steel.SteelTable, steel.StlFirstRow, steel.StlLastRow, designation);
            if (row < 0) {
                ui.beep();
                message(program, StepNotFoundMessage);
                return;
            }
            beam::BeamState work = program.beam;
            SteelResults results = steel.results;
            if (!checkSize(program, criteria, row, work, results)) {
                return;
            }
            beam::CalcDeflection(criteria, work, ui);
            program.beam = work;
            steel.results = results;
            completed = true;
        },
        [&program](const platform::RuntimeError&) { message(program, "Error in Steel Calc procedure"); });
    return completed;
}

bool StepSteelSize(app::Program& program, bool forward)
{
    Form22& form = program.form22;
    const std::string current = form.StlChoice.text();
    int at = -1;
    for (int i = 0; i < QuickPickCount; ++i) {
        if (form.StlPick(i).caption() == current) {
            at = i;
            break;
        }
    }
    const int step = forward ? 1 : -1;
    for (int i = at + step; i >= 0 && i < QuickPickCount; i += step) {
        const std::string candidate = form.StlPick(i).caption();
        if (candidate.empty()) {
            continue;
        }
        if (!SteelCalc(program, candidate)) {
            return false;
        }
        SteelState& steel = program.steel;
        steel.StlStepChoice = candidate;
        steel.StlBreadthText = form.StlWidLab(i).caption();
        steel.StlDepthText = form.StlDepLab(i).caption();
        form.StlChoice.setText(candidate);
        return true;
    }
    return false;
}

void CalcWebBearing(app::Program& program)
{
    platform::leaveOnError(
        [&] {
            const beam::BeamCriteria criteria = app::readBeamCriteria(program);
            const beam::MemberUnderTest& m = program.beam.member;
            computeWebBearing(criteria, program.steel, program.form22.StlChoice.text(), m.R1TL, m.R2TL,
                              m.SpanLength, m.OHLength, program.steel.bearing);
        },
        [&program](const platform::RuntimeError&) {
            program.runtime.msgBox("Error at web calc", platform::Buttons::OK, platform::Icon::None,
                                   beam::MessageTitle);
        });
}

} // namespace steel
