// The top of the beam data record: project, ID and description lines, date and preparer, the selected
// member with its spacing, the conditions line, the lateral support and the report headings.
#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "platform/core/Number.h"
#include "report/Form5.h"
#include "report/Form7.h"
#include "report/RecordCompose.h"
#include "steel/SteelState.h"

namespace report
{

namespace
{

// An emptied box empties its line, so that a record never shows the previous job's header.
void headerLine(RecordContext& c, std::string_view label, std::string_view prefix, const std::string& text)
{
    c.set(label, text.empty() ? std::string() : std::string(prefix) + text);
}

std::string spacingText(app::Form1& f)
{
    if (!f.Rep.checked() || f.Ctr0.value()) {
        return {};
    }
    if (f.Ctr12.value()) {
        return " @ 12 in oc";
    }
    if (f.Ctr16.value()) {
        return " @ 16 in oc";
    }
    if (f.Ctr19.value()) {
        return " @ 19.2 in oc";
    }
    if (f.ctr24.value()) {
        return " @ 24 in oc";
    }
    return {};
}

std::string editionText(const app::SharedState& s)
{
    if (s.NDS1997 == -1) {
        return "NDS 1997";
    }
    if (s.NDS2012 == -1) {
        return "NDS 2012";
    }
    if (s.NDS2015 == -1) {
        return "NDS 2015";
    }
    if (s.NDS2018 == -1) {
        return "NDS 2018";
    }
    if (s.NDS2005 == -1) {
        return "NDS 2005";
    }
    // With no edition flag set the program designs to NDS 2001, and the record says so.
    return "NDS 2001";
}

std::string conditionsText(RecordContext& c)
{
    app::Form1& f = c.form1;
    const beam::BeamState& b = c.beam;
    std::string line;
    if (!c.steel()) {
        line = editionText(c.state);
    } else {
        line = c.program.form5.StlBreadthLabel.caption() + " " + c.program.form5.StlDepthLabel.caption();
        line +=
            f.PLbutton.value() || f.DblPLbutton.value() ? " in., plus 2x wood sistered each side" : " in.";
    }
    if (f.Multibutton.value()) {
        line += ", Equal Multi-Span";
    }
    if (f.OHbutton.value()) {
        line += ", Overhang";
    }
    if (f.IncButton.value()) {
        line += ", Increasing Load";
    }
    if (f.Rep.checked()) {
        line += ", Repetitive Use";
    }
    if (f.Wet.checked()) {
        line += ", Wet Use";
    }
    if (b.member.BreadthClass != "GLB" && b.flags.IncisedOption == -1) {
        line += ", Incised";
    }
    if (b.report.NoSplitsOK == -1) {
        line += ", No Splits";
    }
    if (b.member.R1TL < 0) {
        line += ", Uplift @ R1";
    }
    if (f.Roofbutton.checked()) {
        line += ", DL adj: " + f.Pitchtext.text() + ":12 pitch";
    }
    if (f.UBSpan.caption() == "Restore Span LL") {
        line += ", Unbalanced Backspan LL";
    } else if (f.UBOH.caption() == "Restore OH LL") {
        line += ", Unbalanced OH LL";
    }
    if (b.flags.MELFlag == -1) {
        line += ", MEL Lumber";
    }
    if (b.flags.MSRFlag == -1) {
        line += ", MSR Lumber";
    }
    return line;
}

} // namespace

void ComposeHeaderLines(RecordContext& c)
{
    app::Form1& f = c.form1;
    report::Form7& f7 = c.program.form7;
    headerLine(c, "Label1", "Project: ", f.Proj.text());
    headerLine(c, "Label2", "Beam ID: ", f.ID.text());
    headerLine(c, "Label3", "Description: ", f.Descrip.text());
    headerLine(c, "Label4", "Date: ", f7.Datebox.text());
    headerLine(c, "Label169", "Prepared by: ", f7.Initialbox.text());

    const std::string prefix = c.beam.flags.IncisedOption == -1 ? "PT " : "";
    c.set("Label5", prefix + c.state.SelectionDescription + spacingText(f));
    c.set("Label6", conditionsText(c));
}

void ComposeLateralSupport(RecordContext& c)
{
    namespace num = platform::num;
    app::Form1& f = c.form1;
    const beam::StabilityResults& st = c.beam.stability;
    if (!c.steel()) {
        c.set("Label173", "Lu = " + num::format(st.SpanLu / 12.0f, "####0.0#") + " Ft");
        c.set("Label174",
              f.OHbutton.value() ? "Lu @OH = " + num::format(st.CantLu / 12.0f, "####0.0#") + " Ft" : "");
    } else if (f.TUbutton.value()) {
        c.set("Label173", "Lateral Support:");
        c.set("Label174", "@ Bearing Points");
    } else if (f.PLbutton.value() || f.DblPLbutton.value()) {
        c.set("Label173", "Top Load Only +");
        c.set("Label174", "Full Lat. Bracing");
    } else {
        c.set("Label173", "Lateral Support:");
        c.set("Label174", c.program.steel.results.StlUnbracedText + " max.");
    }
}

void ComposeHeadingLabels(RecordContext& c)
{
    c.show("Label133Missing", false);
    c.set("Label133Missing", c.state.DefaultHeading2);
    c.set("Label132", c.state.DefaultHeading1);
}

} // namespace report
