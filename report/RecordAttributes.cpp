// The attributes grid of the beam data record: actual, critical, status and ratio of each pass test,
// with the data box rows that belong to the live-load and overhang checks.
#include "app/Form1.h"
#include "app/Program.h"
#include "beam/BeamState.h"
#include "platform/core/Number.h"
#include "report/Form5.h"
#include "report/RecordCompose.h"
#include "scl/Form2.h"

#include <cmath>

namespace report
{

namespace num = platform::num;

namespace
{

void sectionColumn(RecordContext& c)
{
    const float s = c.beam.member.SectionModulus;
    const float req = c.beam.shear.SectionModulusReq;
    c.set("Label13", num::format(req, "####0.00"));
    c.set("Label14", num::format(s, "####0.00"));
    c.set("Label111", s < req ? "Fails" : "OK");
    c.set("Label152", percentText(req, s));
}

// The no-splits case needs the area at the doubled allowable, from the shear the check used: the
// reduced shear only when the reduction was asked for, with the round section's 4/3 in place of 3/2.
void shearColumn(RecordContext& c)
{
    const beam::BeamState& b = c.beam;
    const float fv = b.shear.ShearStress;
    const float fvAdj = b.member.FvAdj;
    const float fvNoSplits = b.report.FvNoSplits;
    const bool noSplits = b.report.NoSplitsOK == -1;
    if (fvAdj >= fv && !noSplits) {
        c.set("Label112", "OK");
        c.set("Label15", num::format(b.shear.ShearAreaReq, "#,##0.00"));
        c.set("Label26", num::format(fvAdj, "####"));
    } else if (noSplits && fv <= fvNoSplits) {
        c.set("Label112", "OK");
        const double v = c.form1.Reducechk.checked() ? b.shear.ShearVReduced : b.shear.ShearV;
        const double k = c.program.form2.Roundoption.value() ? 1.33333 : 1.5;
        c.set("Label15", num::format(num::div(k * v, fvNoSplits), "#,##0.00"));
        c.set("Label26", num::format(fvNoSplits, "####"));
    } else {
        c.set("Label112", "Fails");
        c.set("Label15", num::format(b.shear.ShearAreaReq, "#,##0.00"));
        c.set("Label26", num::format(fvAdj, "####"));
    }
    c.set("Label16", num::format(b.member.ShearArea, "#,##0.00"));
    c.set("Label153", percentText(fv, noSplits ? fvNoSplits : fvAdj));
}

void totalLoadColumn(RecordContext& c)
{
    const beam::DeflectionResults& d = c.beam.deflection;
    c.set("Label17", num::format(d.TLDeflAllow, "0.00"));
    c.set("Label18", num::format(d.TLDefl, "0.00"));
    c.set("Label113", std::fabs(d.TLDefl) > d.TLDeflAllow ? "Fails" : "OK");
    c.set("Label154", percentText(std::fabs(d.TLDefl), d.TLDeflAllow));
}

void liveLoadColumn(RecordContext& c)
{
    const beam::DeflectionResults& d = c.beam.deflection;
    if (d.LLDeflCheck == -1) {
        c.set("Label110", "LL Defl");
        c.set("Label109", num::format(d.LLDeflAllow, "0.00"));
        c.set("Label155", percentText(std::fabs(d.LLDefl), d.LLDeflAllow));
    } else {
        c.set("Label110", "");
        c.set("Label109", "");
        c.set("Label155", "");
    }
    if (std::fabs(d.LLDefl) > d.LLDeflAllow) {
        c.set("Label106", num::format(d.LLDefl, "0.00"));
        c.set("Label114", "Fails");
    } else {
        c.set("Label106", d.LLDefl > 0 && d.LLDefl < 0.01f ? "<0.01" : num::format(d.LLDefl, "0.00"));
        c.set("Label114", "OK");
    }
    if (d.LLDefl == 0) {
        c.set("Label106", "");
        c.set("Label114", "");
    }
}

// Data box: live-load reactions and the live-load deflection limit and actual deflection.
void liveLoadData(RecordContext& c)
{
    const beam::BeamState& b = c.beam;
    const beam::DeflectionResults& d = b.deflection;
    if (d.LLDeflCheck == -1) {
        c.set("Label64", num::format(b.loads.R1LL, "###0") + " #");
        c.set("Label145", num::format(b.loads.R2LL, "####") + " #");
        c.set("Label51", "Reaction 1 LL");
        c.set("Label53", "Reaction 2 LL");
    } else {
        for (const char* name : {"Label64", "Label145", "Label51", "Label53"}) {
            c.set(name, "");
        }
    }
    c.set("Label45", "L / " + c.form1.LMaxDefl.text());
    c.set("Label107", ratioText(d.LLDeflRatio, std::fabs(d.LLDefl) > d.LLDeflAllow));
    if (d.LLDefl == 0) {
        for (const char* name : {"Label43", "Label44", "Label45", "Label107"}) {
            c.set(name, "");
        }
    }
}

void overhangColumns(RecordContext& c)
{
    const beam::DeflectionResults& d = c.beam.deflection;
    if (!c.overhang()) {
        for (const char* name : {"Label156", "Label157", "Label158", "Label159", "Label160", "Label161",
                                 "Label162", "Label163", "Label164", "Label165"}) {
            c.set(name, "");
        }
        return;
    }
    c.set("Label158", num::format(d.OHTLDeflAllow, "0.#0"));
    c.set("Label157", d.OHTLDefl > 0 && d.OHTLDefl < 0.01f ? "<0.01" : num::format(d.OHTLDefl, "0.#0"));
    c.set("Label159", c.program.form5.OHDeflStatus.caption());
    c.set("Label160", percentText(std::fabs(d.OHTLDefl), d.OHTLDeflAllow));
    if (d.OHLLDeflCheck == -1) {
        c.set("Label162", num::format(d.OHLLDefl, "0.#0"));
        c.set("Label163", num::format(d.OHLLDeflAllow, "0.#0"));
        c.set("Label164", c.program.form5.OHLDeflStatus.caption());
        c.set("Label165", percentText(std::fabs(d.OHLLDefl), d.OHLLDeflAllow));
    } else {
        for (const char* name : {"Label161", "Label162", "Label163", "Label164", "Label165"}) {
            c.set(name, "");
        }
    }
}

// Data box: the actual deflections at the overhang tip.
void overhangData(RecordContext& c)
{
    const beam::DeflectionResults& d = c.beam.deflection;
    if (!c.overhang()) {
        for (const char* name : {"Label146", "Label147", "Label148", "Label149"}) {
            c.set(name, "");
        }
        return;
    }
    c.set("Label147", ratioText(d.OHTLDeflRatio));
    if (d.OHLLDeflCheck == -1) {
        c.set("Label149", ratioText(d.OHLLDeflRatio));
    } else {
        c.set("Label148", "");
        c.set("Label149", "");
    }
}

} // namespace

std::string ratioText(float ratio, bool failingLiveLoad)
{
    if (ratio >= -1000 && ratio <= 1000) {
        return "L / " + num::format(std::fabs(ratio), "#,##0");
    }
    if (ratio > 1000) {
        return "L / >1000";
    }
    return failingLiveLoad ? "L / < 1000" : "L / < -1000";
}

std::string percentText(double numerator, double denominator)
{
    return num::format(num::div(numerator, denominator) * 100, "#0") + "%";
}

void ComposeAttributes(RecordContext& c)
{
    sectionColumn(c);
    shearColumn(c);
    totalLoadColumn(c);
    liveLoadColumn(c);
    liveLoadData(c);
    overhangColumns(c);
    overhangData(c);
}

} // namespace report
