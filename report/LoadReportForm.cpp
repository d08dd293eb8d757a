// The report fill: the member line, the results grid with its statuses and ratios, and the NDS 1997
// no-splits shear case, which is decided here and nowhere else.
#include "report/LoadReportForm.h"

#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "report/Form5.h"
#include "report/MemberTests.h"
#include "report/ReportLines.h"
#include "scl/Form2.h"
#include "steel/Form22.h"
#include "steel/SteelState.h"
#include "wood/Form3.h"

#include <cmath>

namespace report
{

namespace num = platform::num;

namespace
{

constexpr std::uint32_t Black = 0;
constexpr std::uint32_t DarkRed = 128;  // a failing status
constexpr std::uint32_t Grey = 8421504; // the heading of a check that does not apply

constexpr const char* NoSplitsNote =
    "Note:  This beam fails in shear unless specified to have NO SPLITS.  If this option is acceptable to "
    "you, Korvanta will automatically adjust the Shear Stress factor, Ch, from 1.0 to 2.0 and the Data "
    "Record will show this beam as acceptable with NO SPLITS. Otherwise, you will need to select a "
    "different beam.";

void writeStatus(platform::Panel& status, bool ok)
{
    if (ok) {
        status.setCaption("OK");
        status.setEmphasis(false);
    } else {
        status.setCaption("Fail");
        status.setEmphasis(true);
        status.setForeColor(DarkRed);
    }
}

// Demand over capacity in whole per cent; a zero capacity is a run-time error that ends the fill.
std::string percent(float demand, float capacity)
{
    return num::format(num::toSingle(num::div(demand, capacity) * 100.0), "#0") + "%";
}

void emptyCheck(platform::Label& heading, std::initializer_list<platform::Panel*> panels)
{
    for (platform::Panel* panel : panels) {
        panel->setCaption("");
    }
    heading.setForeColor(Grey);
}

// The steel grade and shape family after the designation; the first selected shape option wins.
std::string steelGradeText(app::Form1& f1)
{
    const bool ksi50 = f1.ksi50.checked();
    if (f1.WFbutton.value()) {
        return ksi50 ? "   50 ksi Wide Flange Steel" : "   36 ksi Wide Flange Steel";
    }
    if (f1.SFbutton.value()) {
        return ksi50 ? "   50 ksi Std. Flange Steel" : "   36 ksi Std. Flange Steel";
    }
    if (f1.CFbutton.value()) {
        return ksi50 ? "   50 ksi Steel Channel" : "   36 ksi Steel Channel";
    }
    if (f1.MCbutton.value()) {
        return ksi50 ? "   50 ksi Steel Misc Channel" : "   36 ksi Steel Misc Channel";
    }
    if (f1.TUbutton.value()) {
        return ksi50 ? "   50 ksi Steel Tube" : "   46 ksi Steel Tube";
    }
    if (f1.PLbutton.value() || f1.DblPLbutton.value()) {
        return ksi50 ? "   50 ksi steel flitch plate(s) " : "   36 ksi steel flitch plate(s) ";
    }
    return "";
}

std::string editionCaption(const app::SharedState& s)
{
    if (s.NDS1997 == -1) {
        return "NDS 1997 Values";
    }
    if (s.NDS2012 == -1) {
        return "NDS 2012 Values";
    }
    if (s.NDS2015 == -1) {
        return "NDS 2015 Values";
    }
    if (s.NDS2018 == -1) {
        return "NDS 2018 Values";
    }
    if (s.NDS2005 == -1) {
        return "NDS 2005 Values";
    }
    return "NDS 2001 Values";
}

void writeMemberLine(app::Program& program)
{
    Form5& f = program.form5;
    app::Form1& f1 = program.form1;
    if (f1.group(7).value()) {
        scl::Form2& f2 = program.form2;
        f.DisplayChoice.setCaption(f2.Text6.text() + " " + f2.Text7.text() + "  " + f2.Text5.text());
        f.StlBreadthLabel.setVisible(false);
        f.StlDepthLabel.setVisible(false);
        f.GradeLabel.setVisible(true);
        // An SCL member's values are its product's, not an NDS edition's: the line shows nothing rather
        // than the edition of an earlier wood member.
        f.GradeLabel.setCaption("");
    } else if (f1.group(9).value()) {
        const steel::SteelState& r = program.steel;
        f.DisplayChoice.setCaption(program.form22.StlChoice.text() + steelGradeText(f1));
        f.StlBreadthLabel.setVisible(true);
        f.StlBreadthLabel.setCaption("Actual Size is  " + r.StlBreadthText + "  x ");
        f.StlDepthLabel.setVisible(true);
        f.StlDepthLabel.setCaption(r.StlDepthText);
        f.GradeLabel.setVisible(false);
    } else {
        wood::Form3& f3 = program.form3;
        f.DisplayChoice.setCaption(f3.Text1.text() + " " + f3.Text2.text() + "  " + f3.Text3.text());
        f.StlBreadthLabel.setVisible(false);
        f.StlDepthLabel.setVisible(false);
        f.GradeLabel.setVisible(true);
        app::SavedSelectionTexts& saved = program.state.SavedSelection;
        saved.SelectionBreadth = f3.Text1.text();
        saved.SelectionDepth = f3.Text2.text();
        saved.SelectionSpecies = f3.Text3.text();
        f.GradeLabel.setCaption(editionCaption(program.state));
    }
}

bool withinLimit(float actual, float allowed)
{
    return std::fabs(actual) <= allowed;
}

// NDS 1997 lets a member specified to have no splits use twice the allowed shear stress.
void noSplitsCase(app::Program& program)
{
    Form5& f = program.form5;
    app::Form1& f1 = program.form1;
    beam::BeamState& b = program.beam;
    const bool applies = withinLimit(b.deflection.TLDefl, b.deflection.TLDeflAllow) &&
                         f.ShearStatus.caption() == "Fail" && !f1.group(9).value() && !f1.group(7).value() &&
                         b.member.BreadthClass != "GLB" && program.state.NDS1997 == -1 &&
                         b.member.SectionModulus >= b.shear.SectionModulusReq;
    if (!applies) {
        return;
    }
    if (f1.group(5).value()) {
        b.member.Fv = 90;
        b.member.FvAdj = num::toSingle(static_cast<double>(b.member.CmFv) * 90 * b.member.Cd);
    }
    b.report.FvNoSplits = num::toSingle(2.0 * b.member.FvAdj);
    if (b.report.FvNoSplits >= b.shear.ShearStress) {
        f.ShearStatus.setCaption("OK");
        f.ShearStatus.setForeColor(DarkRed);
        f.ShearStatus.setEmphasis(false);
        f.NoSplitLabel.setCaption(NoSplitsNote);
        f.NoSplitLabel.setForeColor(DarkRed);
        b.report.NoSplitsOK = -1;
    } else {
        f.ShearStatus.setCaption("Fail");
        f.ShearStatus.setEmphasis(true);
        f.ShearStatus.setForeColor(DarkRed);
        f.NoSplitLabel.setCaption("");
        b.report.NoSplitsOK = 0;
    }
}

void fill(app::Program& program)
{
    Form5& f = program.form5;
    app::Form1& f1 = program.form1;
    beam::BeamState& b = program.beam;
    const beam::DeflectionResults& d = b.deflection;

    f.setMousePointer(0);
    writeMemberLine(program);
    program.state.SelectionDescription = f.DisplayChoice.caption();

    for (platform::Panel* status :
         {&f.SecStatus, &f.ShearStatus, &f.DeflStatus, &f.LDeflStatus, &f.OHDeflStatus, &f.OHLDeflStatus}) {
        status->setForeColor(Black);
    }
    for (platform::Label* heading : {&f.Label5, &f.Label7, &f.Label8}) {
        heading->setForeColor(Black);
    }

    f.SectionReq.setCaption(num::format(b.shear.SectionModulusReq, "#,##0.00"));
    f.SectionProp.setCaption(num::format(b.member.SectionModulus, "#,##0.00"));
    f.ShearReq.setCaption(b.shear.ShearStress >= 0 ? num::format(b.shear.ShearAreaReq, "#,##0.00") : "0");
    f.ShearProp.setCaption(num::format(b.member.ShearArea, "#,##0.00"));
    f.DeflReq.setCaption(num::format(d.TLDeflAllow, "0.#0"));
    f.DeflProp.setCaption(num::format(d.TLDefl, "0.#0"));

    if (d.LLDeflCheck == -1) {
        f.LDeflReq.setCaption(num::format(d.LLDeflAllow, "0.#0"));
        f.LDeflProp.setCaption(num::format(d.LLDefl, "0.#0"));
        f.LDeflPercent.setCaption(percent(std::fabs(d.LLDefl), d.LLDeflAllow));
        f.Label5.setForeColor(Black);
        writeStatus(f.LDeflStatus, withinLimit(d.LLDefl, d.LLDeflAllow));
    } else {
        emptyCheck(f.Label5, {&f.LDeflReq, &f.LDeflProp, &f.LDeflPercent, &f.LDeflStatus});
    }

    const bool overhang = f1.OHbutton.value();
    if (overhang) {
        f.OHDeflReq.setCaption(num::format(d.OHTLDeflAllow, "0.00"));
        f.OHDeflProp.setCaption(num::format(d.OHTLDefl, "0.00"));
        f.OHDeflPercent.setCaption(percent(std::fabs(d.OHTLDefl), d.OHTLDeflAllow));
        writeStatus(f.OHDeflStatus, withinLimit(d.OHTLDefl, d.OHTLDeflAllow));
    } else {
        emptyCheck(f.Label7, {&f.OHDeflReq, &f.OHDeflProp, &f.OHDeflPercent, &f.OHDeflStatus});
    }
    if (overhang && d.OHLLDeflCheck == -1) {
        f.OHLDeflReq.setCaption(num::format(d.OHLLDeflAllow, "0.00"));
        f.OHLDeflProp.setCaption(num::format(d.OHLLDefl, "0.00"));
        f.OHLDeflPercent.setCaption(percent(std::fabs(d.OHLLDefl), d.OHLLDeflAllow));
        // Without a limit or a deflection there is nothing to judge; the status keeps what it showed.
        if (d.OHLLDeflAllow > 0 && d.OHLLDefl != 0) {
            writeStatus(f.OHLDeflStatus, withinLimit(d.OHLLDefl, d.OHLLDeflAllow));
        }
    } else {
        emptyCheck(f.Label8, {&f.OHLDeflReq, &f.OHLDeflProp, &f.OHLDeflPercent, &f.OHLDeflStatus});
    }

    writeStatus(f.SecStatus, b.member.SectionModulus >= b.shear.SectionModulusReq);
    writeStatus(f.ShearStatus, b.member.FvAdj >= b.shear.ShearStress);
    writeStatus(f.DeflStatus, withinLimit(d.TLDefl, d.TLDeflAllow));

    writeModifierLine(program);
    if (b.flags.SteelBeamFlag == -1) {
        program.memberTests.CalcWebBearing(program);
    }

    b.report.NoSplitsOK = 0;
    f.NoSplitLabel.setCaption("");
    // The shear ratio is the one before the no-splits case, so a passed no-splits member shows its
    // ratio above 100 % beside a dark-red "OK".
    f.HorPercent.setCaption(percent(b.shear.ShearStress, b.member.FvAdj));
    noSplitsCase(program);

    writeDeflectionLimitLines(program);
    writeNextSmallerNote(program);
    writeDeadLoadLine(program);
    writeDeflectionAlerts(program);

    f.SecPercent.setCaption(percent(b.shear.SectionModulusReq, b.member.SectionModulus));
    f.DeflPercent.setCaption(percent(std::fabs(d.TLDefl), d.TLDeflAllow));

    writeReactionLines(program);
}

} // namespace

bool LoadReportForm(app::Program& program)
{
    return platform::leaveOnError([&] { fill(program); },
                                  [&](const platform::RuntimeError&) {
                                      program.runtime.msgBox("Korvanta Error trap Load form 5",
                                                             platform::Buttons::OK,
                                                             platform::Icon::Exclamation, "Korvanta");
                                  });
}

} // namespace report
