// The values and adjustments block of the beam data record: reference and adjusted design values, the
// adjustment factors, the stability lines and the banner; for steel the yield point factors and the
// bearing lengths under the point loads.
#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "platform/core/Number.h"
#include "platform/forms/Runtime.h"
#include "report/RecordCompose.h"
#include "scl/Form2.h"
#include "steel/SteelState.h"

namespace report
{

namespace num = platform::num;

namespace
{

bool laterEdition(const app::SharedState& s)
{
    return s.NDS2005 == -1 || s.NDS2012 == -1 || s.NDS2015 == -1 || s.NDS2018 == -1;
}

void firstFactorRow(RecordContext& c)
{
    const beam::BeamState& b = c.beam;
    app::Form1& f = c.form1;
    if (!c.steel()) {
        c.set("Label23", "Reference Values");
        c.set("Label175", "");
        if (b.member.CVGoverns == -1) {
            c.set("Label31", "Cv Volume");
            c.set("Label35", num::format(b.member.CV, "0.000"));
        } else {
            c.set("Label35", num::format(b.member.CF, "0.000"));
            c.set("Label31", "CF Size Factor");
        }
        return;
    }
    c.set("Label23", "Ref. Value Fy");
    c.set("Label175", "0.40");
    if (f.TUbutton.value()) {
        c.set("Label35", "0.60");
        c.set("Label31", "YP Factor");
    } else if (c.program.steel.results.StlLcGoverns == -1) {
        c.set("Label35", "0.66");
        c.set("Label31", "YP Factor, Lc");
    } else {
        c.set("Label35", "0.60");
        c.set("Label31", "YP Factor, Lu");
    }
}

void stabilityRows(RecordContext& c)
{
    const beam::StabilityResults& st = c.beam.stability;
    c.set("Label190", num::format(st.SpanCL, "#0.0000"));
    std::string span = "  Rb = " + num::format(st.SpanRB, "#0.00") +
                       "     Le = " + num::format(num::div(st.SpanLe, 12), "#0.00") + " Ft";
    if (!laterEdition(c.state)) {
        span += "    Kbe = " + num::format(st.SpanKbE, "#0.0##");
    }
    c.set("Label192", span);
    if (c.overhang()) {
        c.set("Label191", num::format(st.CantCL, "#0.0000"));
        c.set("Label193", "  Rb = " + num::format(st.CantRB, "#0.00") +
                              "     Le = " + num::format(num::div(st.CantLe, 12), "#0.00") + " Ft");
        c.set("Label189", "Cl Stability @ OH");
    } else {
        c.set("Label191", "");
        c.set("Label193", "");
        c.set("Label189", "");
    }
}

void banner(RecordContext& c)
{
    const beam::CalcFlags& fl = c.beam.flags;
    if (c.form1.group(8).value()) {
        const bool soPine = fl.CustomSoPineFlag == -1;
        const bool mel = fl.MELFlag == -1;
        const bool msr = fl.MSRFlag == -1;
        if (soPine && (mel || msr)) {
            c.program.runtime.msgBox(
                "Error: Both So. Pine AND MEL/MSR machine grades have been selected. Return "
                "to the Custom Values form and check either MSR/MEL 'OR' So. Pine Custom "
                "Values",
                platform::Buttons::OK, platform::Icon::None, "Korvanta");
        } else if (!mel && !msr) {
            c.set("Label194", soPine ? "USER'S SO. PINE REF VALUES" : "USER'S CUSTOM REF VALUES");
        } else if (mel && !msr) {
            c.set("Label194", "USER'S M.E.L. REF VALUES");
        } else if (msr && !mel) {
            c.set("Label194", "USER'S M.S.R. REF VALUES");
        }
    } else {
        c.set("Label194", "");
    }
    if (c.beam.stability.SpanRBOver50 == -1 || c.beam.stability.CantRBOver50 == -1) {
        c.set("Label194", "FAILURE: Rb > 50!");
    }
}

void repetitiveRow(RecordContext& c)
{
    const bool scl = c.form1.group(7).value();
    if (c.form1.Rep.checked()) {
        c.set("Label37", num::format(c.beam.member.Cr, "0.00"));
        c.set("Label33", "Cr Repetitive");
    } else if (!scl && c.program.form2.Roundoption.value()) {
        c.set("Label37", num::format(c.beam.member.FormFactor, "0.00"));
        c.set("Label33", "Cf Form Factor");
    } else {
        c.set("Label37", "1.00");
        c.set("Label33", "Cr Repetitive");
    }
}

// An SCL test sets no wet service or incising factor, so its row states none rather than what an
// earlier wood test left.
void wetServiceRow(RecordContext& c)
{
    const beam::BeamState& b = c.beam;
    const beam::MemberUnderTest& w = b.member;
    const bool wet = c.form1.Wet.checked() && !c.form1.group(7).value();
    const bool incised = b.flags.IncisedOption == -1 && !c.form1.group(7).value();
    const bool glb = b.member.BreadthClass == "GLB";
    const char* f = "#0.00#";
    if (wet && !incised) {
        c.set("Label38", num::format(b.member.CmFb, f));
        c.set("Label42", num::format(w.CmFv, f));
        c.set("Label46", num::format(w.CmE, f));
        c.set("Label49", num::format(w.CmFcPerp, f));
        c.set("Label34", "Cm Wet Use");
    } else if (!wet && incised) {
        c.set("Label38", num::format(b.member.CiFb, f));
        c.set("Label42", c.state.NDS1997 == -1 ? std::string("1.00") : num::format(w.CiFv, f));
        c.set("Label46", num::format(w.CiE, f));
        c.set("Label49", "1.00");
        c.set("Label34", glb ? "Cm Wet Use" : "Ci Incised");
    } else if (wet && incised) {
        c.set("Label38", num::format(b.member.CmFb * b.member.CiFb, f));
        c.set("Label42", num::format(w.CmFv * w.CiFv, f));
        c.set("Label46", num::format(w.CmE * w.CiE, f));
        c.set("Label49", num::format(w.CmFcPerp, f));
        c.set("Label34", glb ? "Cm Wet Use" : "Cm Wet+Ci Incised");
    } else {
        for (const char* name : {"Label38", "Label42", "Label46", "Label49"}) {
            c.set(name, "1.00");
        }
        c.set("Label34", "Cm Wet Use");
    }
}

void woodValues(RecordContext& c)
{
    const beam::BeamState& b = c.beam;
    c.show("Label176", false);
    c.set("Label176", "");
    for (const char* name : {"Label34", "Label33", "Label32", "Label47", "Label59", "Label172", "Label186",
                             "Label188", "Label190", "Label191", "Label192", "Label193"}) {
        c.show(name, true);
    }
    c.set("Label188", "Cl Stability");
    c.set("Label189", "Cl Stability @ OH");
    stabilityRows(c);
    banner(c);
    c.set("Label36", num::format(b.member.Cd, "#0.00"));
    c.set("Label40", num::format(b.member.Cd, "#0.00"));
    repetitiveRow(c);
    if (b.report.NoSplitsOK == -1) {
        c.set("Label41", "2.00");
        c.set("Label48", "(No Splits)");
    } else {
        c.set("Label48", "");
        c.set("Label41", c.state.NDS1997 != 0 ? "1.00" : "N/A");
    }
    wetServiceRow(c);
    c.set("Label70", num::format(b.member.FcPerpAdj, "####"));
    c.set("Label167", num::format(static_cast<int>(b.member.FcPerp), "###"));
    c.set("Label177", "");
}

void steelValues(RecordContext& c)
{
    app::Form1& f = c.form1;
    const bool plate = f.PLbutton.value() || f.DblPLbutton.value();
    if (plate) {
        c.set("Label70", "Wood Default");
        c.set("Label167", "405");
    } else {
        c.set("Label70", "");
        c.set("Label167", "");
    }
    for (const char* name : {"Label59", "Label172", "Label186"}) {
        c.show(name, plate);
    }
    for (const char* name : {"Label38", "Label42", "Label46", "Label49", "Label36", "Label40", "Label37",
                             "Label41", "Label48", "Label177", "Label34"}) {
        c.set(name, "");
    }
    for (const char* name : {"Label33", "Label32", "Label47"}) {
        c.show(name, false);
    }
    for (const char* name : {"Label188", "Label189", "Label190", "Label191", "Label192", "Label193"}) {
        c.set(name, "");
    }
    c.show("Label176", false);
    c.set("Label176", "");
    // A steel record names no custom wood values.
    c.set("Label194", "");

    const bool rolled = f.WFbutton.value() || f.SFbutton.value() || f.CFbutton.value() || f.MCbutton.value();
    static constexpr const char* labels[] = {"Label34", "Label38", "Label42",
                                             "Label46", "Label49", "Label177"};
    static constexpr const char* prefixes[] = {"      B = ", "C = ", "D = ", "E = ", "F = ", "G = "};
    for (std::size_t i = 0; i < 6; ++i) {
        const float length = c.program.steel.bearing.BearingLengthPT[i];
        if (length > 0 && rolled) {
            c.set(labels[i], prefixes[i] + num::format(length, "##0.0"));
            c.show(labels[i], true);
            c.show("Label176", true);
            c.set("Label176",
                  "At Point Loads: Provide these minimum bearing lengths in inches or provide web "
                  "stiffeners.");
        }
    }
}

} // namespace

void ComposeBendingValues(RecordContext& c)
{
    c.set("Label24", num::format(c.beam.member.FbAdj, "####"));
    c.set("Label25", num::format(c.beam.member.Fb, "####"));
}

void ComposeValues(RecordContext& c)
{
    const beam::BeamState& b = c.beam;
    c.set("Label27", num::format(b.member.Fv, "####"));
    c.set("Label28", num::format(b.member.EAdj, "0.0"));
    c.set("Label29", num::format(b.member.E, "0.0"));
    firstFactorRow(c);
    if (c.steel()) {
        steelValues(c);
    } else {
        woodValues(c);
    }
}

} // namespace report
