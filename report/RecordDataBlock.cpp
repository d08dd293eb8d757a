// The data box of the beam data record (span, weights, reactions, moment, shears, deflection limits
// and lengths) and the row above it with the bearing requirement, dead-load deflection and camber.
#include "app/Form1.h"
#include "app/Program.h"
#include "beam/BeamState.h"
#include "platform/core/Number.h"
#include "report/RecordCompose.h"
#include "steel/SteelState.h"

#include <cmath>

namespace report
{

namespace num = platform::num;

namespace
{

int spanCount(app::Form1& f)
{
    if (f.Multibutton.value() && f.TwoSpan.value()) {
        return 2;
    }
    if (f.Multibutton.value() && f.ThreeSpan.value()) {
        return 3;
    }
    return 1;
}

void spanAndLengths(RecordContext& c)
{
    const beam::MemberUnderTest& m = c.beam.member;
    const int spans = spanCount(c.form1);
    c.set("Label61", num::format(m.SpanLength, "####.0#"));
    c.set("Label12", spans == 2 ? "2 Spans, each at" : spans == 3 ? "3 Spans, each at" : "Beam Span");
    if (c.overhang()) {
        c.set("Label131", num::format(m.OHLength, "###0.0#") + " ft");
        c.set("Label141", num::format(m.SpanLength + m.OHLength, "####.0#") + " ft");
    } else {
        for (const char* name : {"Label130", "Label131", "Label140", "Label141"}) {
            c.set(name, "");
        }
        if (spans > 1) {
            c.set("Label140", "Total Beam Length");
            c.set("Label141", num::format(static_cast<float>(spans) * m.SpanLength, "####.0#") + " ft");
        }
    }
    c.set("Label143", m.SelfWeight == 0 ? std::string("0") : num::format(m.SelfWeight, "#0.0#"));
    // The steel checks keep the member's self weight with their own results.
    const float weight = c.steel() ? c.program.steel.results.BeamWeight : c.beam.member.BeamWeight;
    c.set("Label67", num::format(static_cast<float>(spans) * weight, "###0"));
}

void reactionsMomentShear(RecordContext& c)
{
    const beam::BeamState& b = c.beam;
    c.set("Label62", num::format(b.member.R1TL, "###0") + " #");
    c.set("Label63", num::format(b.member.R2TL, "####") + " #");
    c.set("Label65",
          num::format(b.member.MaxMoment >= b.member.OHMoment ? b.member.MaxMoment : b.member.OHMoment,
                      "####"));
    c.set("Label66", num::format(b.shear.ShearV, "####") + " #");
    c.set("Label168", !c.steel() && c.form1.Reducechk.checked()
                          ? num::format(b.shear.ShearVReduced, "####") + " #"
                          : std::string("N/A "));
    c.set("Label68", "L / " + c.form1.MaxDefl.text());
    c.set("Label69", ratioText(b.deflection.TLDeflRatio));
}

void bearing(RecordContext& c)
{
    const beam::BeamState& b = c.beam;
    app::Form1& f = c.form1;
    if (!c.steel()) {
        c.set("Label60", "Min Bearing Area");
        c.set("Label71", "R1= " + num::format(num::div(b.member.R1TL, b.member.FcPerpAdj), "##0.0") + " in²");
        c.set("Label133",
              "R2= " + num::format(num::div(b.member.R2TL, b.member.FcPerpAdj), "##0.0") + " in²");
    } else if (f.PLbutton.value() || f.DblPLbutton.value()) {
        c.set("Label60", "Wood Bearing Area");
        c.set("Label71", "R1= " + num::format(c.program.steel.bearing.BearingLengthR1, "##0.0") + " in²");
        c.set("Label133", "R2= " + num::format(c.program.steel.bearing.BearingLengthR2, "##0.0") + " in²");
    } else {
        c.set("Label60", "Min Bearing Length");
        c.set("Label71", "R1= " + num::format(c.program.steel.bearing.BearingLengthR1, "##0.0") + " in.");
        c.set("Label133", "R2= " + num::format(c.program.steel.bearing.BearingLengthR2, "##0.0") + " in.");
    }
}

void deadLoadDeflection(RecordContext& c)
{
    const beam::DeflectionResults& d = c.beam.deflection;
    if (d.CreepFactor == 1.0f) {
        c.set("Label134", "(1.0) DL Defl=");
    } else if (d.CreepFactor == 1.5f) {
        c.set("Label134", "(1.5) DL Defl=");
    } else if (d.CreepFactor == 2.0f) {
        c.set("Label134", "(2.0) DL Defl=");
    }
    if (c.overhang()) {
        const float v = std::fabs(d.DLDefl) >= std::fabs(d.OHDLDefl) ? d.DLDefl : d.OHDLDefl;
        c.set("Label135",
              v > -0.01f && v < 0.01f ? std::string("<0.01 in.") : num::format(v, "#0.00") + " in.");
    } else {
        c.set("Label135", d.DLDefl > 0 && d.DLDefl < 0.01f ? std::string("<0.01 in.")
                                                           : num::format(d.DLDefl, "#0.00") + " in");
    }
}

// Camber belongs to the member just calculated: a glu-lam wood member or a steel W shape.
void camber(RecordContext& c)
{
    app::Form1& f = c.form1;
    const bool cambered =
        (!c.steel() && c.beam.member.BreadthClass == "GLB") || (c.steel() && f.WFbutton.value());
    if (c.overhang() || f.Multibutton.value() || f.group(7).value() || !cambered) {
        c.set("Label136", "");
        c.set("Label137", "");
        return;
    }
    const double camber = 1.5 * static_cast<double>(c.beam.deflection.DLDefl);
    c.set("Label137",
          camber > 0 && camber < 0.01 ? std::string("<0.01 in.") : num::format(camber, "0.#0") + " in");
}

} // namespace

void ComposeDataBlock(RecordContext& c)
{
    spanAndLengths(c);
    reactionsMomentShear(c);
    c.set("Label187", "");
    bearing(c);
    deadLoadDeflection(c);
    camber(c);
}

} // namespace report
