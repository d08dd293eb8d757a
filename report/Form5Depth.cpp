// "Depth +" and "Depth -": the next deeper or shallower size of the member on the report, tested at
// once. Round custom members step their diameter by one inch; SCL members follow their product.
#include "app/Program.h"
#include "beam/BeamState.h"
#include "platform/core/Number.h"
#include "report/Form5.h"
#include "report/SizeStep.h"
#include "scl/Form2.h"
#include "wood/Form3.h"

namespace report
{

namespace num = platform::num;

namespace
{

// The breadth buttons a depth step switches off before it moves: a Southern Pine or custom "6x" has
// no narrower timber, a "(4) 2x" of those groups no wider built-up member.
void breadthPreCheck(SizeStep& step, app::Program& program)
{
    const std::string breadth = program.form3.Text1.text();
    const bool southernPineOrCustom = step.options.southernPine || step.options.customValues;
    if (step.next.when([&] { return breadth == "6x" && southernPineOrCustom; })) {
        step.off(BreadthDown);
    } else if (step.next.when([&] { return breadth == "(4) 2x" && southernPineOrCustom; })) {
        step.off(BreadthUp);
    }
}

// A round member's diameter, one inch up or down, in its plain shortest form (12.5 becomes 13.5). A box
// whose number cannot be read keeps its text.
void stepDiameter(SizeStep& step, app::Program& program, double inches)
{
    scl::Form2& f2 = program.form2;
    step.next([&] { f2.Diam.setText(num::numberText(num::leadingNumber(f2.Diam.text()) + inches)); });
    step.next([&] { f2.Text6.setText(f2.Diam.text() + " in."); });
}

// Whether the diameter in the box is beyond the limit; a number that cannot be read counts as beyond.
bool diameterBeyond(SizeStep& step, app::Program& program, bool above, double limit)
{
    return step.next.when([&] {
        const double diameter = num::leadingNumber(program.form2.Diam.text());
        return above ? diameter > limit : diameter < limit;
    });
}

void closingChecks(SizeStep& step, app::Program& program, std::span<const SizeRule> checks)
{
    step.next([&] {
        step.off(rulesOff(checks, program.form3.Text1.text(), program.form3.Text2.text(), step.options));
    });
}

} // namespace

void Form5::CmdNextSize_Click()
{
    SizeStep step(m_program, "Error at CmdNextSizeup");
    step.clearFlags();
    step.enableAll();
    breadthPreCheck(step, m_program);
    const beam::MemberUnderTest& r = m_program.beam.member;
    scl::Form2& f2 = m_program.form2;

    if (step.options.customValues && step.options.round) {
        stepDiameter(step, m_program, 1);
        if (!step.testAndRefill(false)) {
            return;
        }
        // 36 in. is the deepest diameter reached from below.
        step.setEnabled(DepthUp, !diameterBeyond(step, m_program, true, 35));
        step.off(BreadthDown | BreadthUp);
    } else if (step.options.customValues || !step.options.scl) {
        if (r.NextLargerLabel.empty()) {
            return;
        }
        platform::TextBox& depthBox = step.options.customValues ? f2.Text7 : m_program.form3.Text2;
        step.next([&] { depthBox.setText(r.NextLargerLabel); });
        if (!step.testAndRefill(false)) {
            return;
        }
        if (r.NextLargerLabel.empty()) {
            step.off(DepthUp);
        }
    } else {
        const int product = f2.Combo1.listIndex();
        const std::string breadth = f2.Text6.text();
        const std::string depth = f2.Text7.text();
        step.off(sclRulesOff(SclDeeperBreadthEnds, product, breadth, depth));
        if (r.NextLargerLabel.empty()) {
            step.off(DepthUp);
        } else if (firstSclRule(SclDeeperDepthEnds, product, breadth, depth) != nullptr) {
            step.off(DepthUp);
        } else {
            step.next([&] { f2.Text7.setText(r.NextLargerLabel); });
            if (!step.testAndRefill(true)) {
                return;
            }
            if (r.NextLargerLabel.empty()) {
                step.off(DepthUp);
            }
        }
    }
    closingChecks(step, m_program, DeeperClosingChecks);
}

void Form5::CmdNextSizeDn_Click()
{
    SizeStep step(m_program, "Error at CmdNextSizeDn");
    step.clearFlags();
    step.enableAll();
    breadthPreCheck(step, m_program);
    const beam::MemberUnderTest& r = m_program.beam.member;
    scl::Form2& f2 = m_program.form2;

    if (step.options.customValues && step.options.round) {
        stepDiameter(step, m_program, -1);
        if (!step.testAndRefill(false)) {
            return;
        }
        // 5 in. is the smallest diameter reached from above.
        step.setEnabled(DepthDown, !diameterBeyond(step, m_program, false, 6));
        step.off(BreadthDown | BreadthUp);
    } else if (step.options.customValues || !step.options.scl) {
        if (r.NextSmallerLabel.empty()) {
            return;
        }
        platform::TextBox& depthBox = step.options.customValues ? f2.Text7 : m_program.form3.Text2;
        step.next([&] { depthBox.setText(r.NextSmallerLabel); });
        if (!step.testAndRefill(false)) {
            return;
        }
        if (r.NextSmallerLabel.empty()) {
            step.off(DepthDown);
        }
    } else {
        // The SCL tables read the size before the step.
        const int product = f2.Combo1.listIndex();
        const std::string breadth = f2.Text6.text();
        const std::string depth = f2.Text7.text();
        if (const SclRule* end = firstSclRule(SclShallowerBreadthEnds, product, breadth, depth)) {
            step.off(end->off);
        }
        if (firstSclRule(SclShallowerNarrowerByDepth, product, breadth, depth) != nullptr) {
            step.off(BreadthDown);
        }
        if (r.NextSmallerLabel.empty()) {
            step.off(DepthDown);
            return;
        }
        if (const SclRule* shallowest = firstSclRule(SclShallowerShallowest, product, breadth, depth)) {
            step.off(shallowest->off);
        } else {
            step.next([&] { f2.Text7.setText(r.NextSmallerLabel); });
            if (!step.testAndRefill(true)) {
                return;
            }
        }
    }
    closingChecks(step, m_program, ShallowerClosingChecks);
}

} // namespace report
