// The lines under the report's results grid: modifiers or bracing, deflection limits, the next
// smaller size, dead-load deflection with creep and camber, the deflection alerts and the reactions.
#include "report/ReportLines.h"

#include "app/Form1.h"
#include "app/Program.h"
#include "beam/BeamState.h"
#include "platform/core/Number.h"
#include "report/Form5.h"
#include "report/StepTables.h"
#include "scl/Form2.h"
#include "steel/SteelState.h"
#include "wood/Form3.h"

#include <cmath>

namespace report
{

namespace num = platform::num;

namespace
{

constexpr std::uint32_t Black = 0;
constexpr std::uint32_t DarkRed = 128;

// Product 10 of the SCL list, "1.3E TJ TimberStrand LSL", is limited to 5/16 in. of deflection up to
// 7-1/4 in. deep.
constexpr int ShallowLslProduct = 10;
constexpr float ShallowLslDepthIn = 7.25f;
constexpr float ShallowLslDeflectionIn = 0.3125f;
// Beyond a third of an inch a passing member gets a courtesy alert.
constexpr float CourtesyDeflectionIn = 0.33f;

std::string spacingText(app::Form1& f1)
{
    if (f1.Ctr12.value()) {
        return "Spacing @ 12 in. o.c.  ";
    }
    if (f1.Ctr16.value()) {
        return "Spacing @ 16 in. o.c.  ";
    }
    if (f1.Ctr19.value()) {
        return "Spacing @ 19.2 in. o.c.  ";
    }
    if (f1.ctr24.value()) {
        return "Spacing @ 24 in. o.c.  ";
    }
    return "";
}

std::string woodModifierLine(app::Program& program)
{
    app::Form1& f1 = program.form1;
    const std::string breadthClass = reportBreadthClass(program);
    const bool small = breadthClass == "2x" || breadthClass == "4x" || breadthClass == "6x";
    const bool incisedSmall = small && program.beam.flags.IncisedOption == -1;
    const bool rep = f1.Rep.checked();
    const bool wet = f1.Wet.checked();
    std::string line;
    if (rep && wet) {
        line = (incisedSmall ? "Values modified for: Wet, Incised and Repetitive use    "
                             : "Values modified for: Wet and Repetitive use    ") +
               spacingText(f1);
    } else if (rep && small) {
        line = (incisedSmall ? "Values modified for: Incised, Repetitive use    "
                             : "Values modified for: Repetitive use    ") +
               spacingText(f1);
    } else if (!rep && wet && small) {
        line = incisedSmall ? "Values modified for: Wet use, Incised  " : "Values modified for: Wet use  ";
    } else {
        line = incisedSmall ? "Values modified for: Incised  " : "";
    }
    // A glu-lam member is never repetitive or incised.
    if (breadthClass == "GLB") {
        line = wet ? "Values modified for: Wet use  " : "";
    }
    return line;
}

std::string actualRatioText(float ratio)
{
    return ratio > 1000 ? "   Actual: L / >1000" : "   Actual: L / " + num::format(ratio, "###0");
}

void writeFail(platform::Panel& status)
{
    status.setCaption("Fail");
    status.setEmphasis(true);
    status.setForeColor(DarkRed);
}

} // namespace

std::string reportBreadthClass(app::Program& program)
{
    app::Form1& f1 = program.form1;
    return f1.group(7).value() || f1.group(9).value() ? std::string() : program.beam.member.BreadthClass;
}

void writeModifierLine(app::Program& program)
{
    app::Form1& f1 = program.form1;
    platform::Label& line = program.form5.Modifiers;
    if (program.beam.flags.SteelBeamFlag == 0) {
        line.setCaption(woodModifierLine(program));
    } else if (f1.TUbutton.value()) {
        line.setCaption("No maximum unbraced length.");
    } else if (f1.PLbutton.value() || f1.DblPLbutton.value()) {
        line.setCaption("Full lateral bracing required.");
    } else {
        line.setCaption("Maximum Unbraced Length: " + program.steel.results.StlUnbracedText);
    }
}

void writeDeflectionLimitLines(app::Program& program)
{
    app::Form1& f1 = program.form1;
    const beam::DeflectionResults& d = program.beam.deflection;
    Form5& f = program.form5;
    // Four and five blanks put "Max" in the same column on both lines.
    f.Label11.setCaption("Total Load Deflection    Max: L / " + f1.MaxDefl.text() +
                         actualRatioText(d.TLDeflRatio));
    if (d.LLDeflRatio == 0) {
        f.Label6.setCaption("");
    } else {
        f.Label6.setCaption("Live Load Deflection     Max: L / " + f1.LMaxDefl.text() +
                            actualRatioText(d.LLDeflRatio));
    }
}

void writeNextSmallerNote(app::Program& program)
{
    Form5& f = program.form5;
    const beam::BeamState& b = program.beam;
    if (b.smaller.NextSmallerOK != -1 || b.flags.SteelBeamFlag != 0 || program.form1.group(7).value()) {
        f.SmallChoice.setCaption("");
        return;
    }
    const std::string breadth = program.form3.Text1.text();
    const std::string& next = b.member.NextSmallerLabel;
    // A timber's next depth below its own breadth is no size of the ladder.
    for (const SmallChoiceSkip& skip : SmallChoiceSkipped) {
        if (breadth == skip.breadth && textIn(skip.nextSmaller, next)) {
            f.SmallChoice.setCaption("");
            return;
        }
    }
    f.SmallChoice.setCaption("Note: " + breadth + " " + next + " " + program.form3.Text3.text() + " " +
                             "may also be acceptable.");
}

void writeDeadLoadLine(app::Program& program)
{
    app::Form1& f1 = program.form1;
    const beam::DeflectionResults& d = program.beam.deflection;
    const bool gluLam = reportBreadthClass(program) == "GLB";
    const std::string highNote = d.DLDefl > 0.26f && !gluLam ? " ...seems a bit high." : "";
    const std::string pitchNote =
        f1.Roofbutton.checked() ? "  DL adjusted for " + f1.Pitchtext.text() + ":12 pitch" : "";
    const std::string creep = "Dead Load Deflection (x " + num::numberText(d.CreepFactor) + " for creep)= ";
    const bool tiny = d.DLDefl > 0 && d.DLDefl < 0.01f;
    const std::string deflection = num::format(d.DLDefl, "0.#0");

    std::string line;
    if (d.LLDefl <= 0) {
        line = pitchNote;
    } else if (!gluLam) {
        line = creep + (tiny ? "<0.01" : deflection + "  " + highNote) + pitchNote;
    } else if (tiny) {
        line = creep + "is <0.01" + "   Recommended Camber is < .015" + pitchNote;
    } else {
        // The camber of a glu-lam member is one and a half times its dead-load deflection with creep.
        const float camber = num::toSingle(1.5 * d.DLDefl);
        line = creep + "is " + deflection + "   Recommended Camber is " + num::format(camber, "0.#0") +
               pitchNote;
    }
    program.form5.DeadDefl.setCaption(line);
}

void writeDeflectionAlerts(app::Program& program)
{
    Form5& f = program.form5;
    const beam::DeflectionResults& d = program.beam.deflection;
    const bool shallowLsl = program.form1.group(7).value() &&
                            program.form2.Combo1.listIndex() == ShallowLslProduct &&
                            program.beam.member.BeamDepth <= ShallowLslDepthIn;
    const std::array<std::pair<float, platform::Panel*>, 4> deflections{{
        {d.TLDefl, &f.DeflStatus},
        {d.LLDefl, &f.LDeflStatus},
        {d.OHTLDefl, &f.OHDeflStatus},
        {d.OHLLDefl, &f.OHLDeflStatus},
    }};
    if (shallowLsl) {
        for (const auto& [deflection, status] : deflections) {
            if (std::fabs(deflection) > ShallowLslDeflectionIn) {
                writeFail(*status);
                f.DeflTooHigh.setCaption(
                    "ALERT! Timberstrand members 7-1/4 in. and smaller are limited to 5/16 "
                    "in. deflection.  Please increase depth.");
                return;
            }
        }
    }
    bool anyFail = false;
    for (platform::Panel* status :
         {&f.DeflStatus, &f.LDeflStatus, &f.OHDeflStatus, &f.SecStatus, &f.OHLDeflStatus, &f.ShearStatus}) {
        anyFail = anyFail || status->caption() == "Fail";
    }
    bool large = false;
    for (const auto& entry : deflections) {
        large = large || std::fabs(entry.first) > CourtesyDeflectionIn;
    }
    f.DeflTooHigh.setCaption(!anyFail && large
                                 ? "A Courtesy Alert:  Deflection is greater than 1/3 inch.  It's "
                                   "your judgement call if this is acceptable..."
                                 : "");
}

void writeReactionLines(app::Program& program)
{
    Form5& f = program.form5;
    const beam::MemberUnderTest& m = program.beam.member;
    const float r1LiveLoad = program.beam.loads.R1LL;
    const float r2LiveLoad = program.beam.loads.R2LL;
    // An R2 of 0 shows no digits; R1 always shows a number.
    const std::string totalLoads = num::format(m.R1TL, "###0") + "   R2 TL = " + num::format(m.R2TL, "####");
    f.Label10.setCaption("Reactions: R1 TL = " + totalLoads);
    if (m.R1TL > 0) {
        f.Label15.setForeColor(Black);
        f.Label15.setCaption("Reactions: R1 TL = " + totalLoads);
    } else {
        f.Label15.setCaption("Uplift @ R1 TL = " + totalLoads);
        f.Label15.setForeColor(DarkRed);
    }
    const std::string liveLoads =
        num::format(r1LiveLoad, "###0") + "   R2 LL = " + num::format(r2LiveLoad, "####");
    if (r1LiveLoad == 0) {
        // Only the total-load reactions, on the upper line: an uplift shows as one, in dark red.
        f.Label15.setCaption("");
        if (m.R1TL <= 0) {
            f.Label10.setCaption("Uplift @ R1 TL = " + totalLoads);
            f.Label10.setForeColor(DarkRed);
        } else {
            f.Label10.setForeColor(Black);
        }
    } else if (r1LiveLoad > 0) {
        f.Label10.setForeColor(Black);
        f.Label10.setCaption("Reactions: R1 LL = " + liveLoads);
    } else {
        f.Label10.setCaption("Uplift @ R1 LL = " + liveLoads);
        f.Label10.setForeColor(DarkRed);
    }
}

} // namespace report
