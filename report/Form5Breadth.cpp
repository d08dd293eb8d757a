// "Breadth +" and "Breadth -": the next wider or narrower breadth of the member on the report, tested
// at once. An SCL member steps its own breadth by its product's ladder, and the wood selection form's
// breadth box is stepped for every member, SCL included.
#include "app/Program.h"
#include "report/Form5.h"
#include "report/SizeStep.h"
#include "scl/Form2.h"
#include "wood/Form3.h"

namespace report
{

namespace
{

void sclBreadthStep(SizeStep& step, app::Program& program, std::span<const SclBlock> blocks)
{
    scl::Form2& f2 = program.form2;
    const SclStepRow* row = firstSclStep(blocks, f2.Text6.text(), f2.Text7.text());
    if (row == nullptr) {
        return; // a breadth the ladder does not name is tested again unchanged
    }
    if (!row->newBreadth.empty()) {
        step.next([&] { f2.Text6.setText(row->newBreadth); });
    }
    step.off(row->off);
}

void woodBreadthStep(SizeStep& step, app::Program& program, std::span<const WoodStepRow> rows,
                     unsigned button)
{
    wood::Form3& f3 = program.form3;
    const std::string breadth = f3.Text1.text();
    for (const WoodStepRow& row : rows) {
        if (textIn(row.breadth, breadth) && holds(row.when, step.options)) {
            step.next([&] { f3.Text1.setText(row.newBreadth); });
            if (holds(row.offWhen, step.options) && textIn(row.offDepth, f3.Text2.text())) {
                step.off(button);
            }
            return;
        }
    }
}

// The test by member class; a custom member's breadth goes to the custom values form first, because
// the wood test copies that form's size into the selection form before it tests.
bool testNewBreadth(SizeStep& step, app::Program& program)
{
    if (step.options.customValues) {
        step.next([&] { program.form2.Text6.setText(program.form3.Text1.text()); });
        return step.testAndRefill(false);
    }
    return step.testAndRefill(step.options.scl);
}

void breadthClick(app::Program& program, const char* trapMessage, std::span<const SclBlock> (*sclBlocks)(int),
                  std::span<const WoodStepRow> woodRows, unsigned button, std::span<const SizeRule> endChecks)
{
    SizeStep step(program, trapMessage);
    step.clearFlags();
    step.enableAll();
    if (step.options.scl) {
        sclBreadthStep(step, program, sclBlocks(program.form2.Combo1.listIndex()));
    }
    woodBreadthStep(step, program, woodRows, button);
    if (!testNewBreadth(step, program)) {
        return;
    }
    if (!step.options.scl) {
        step.next([&] {
            step.off(
                rulesOff(endChecks, program.form3.Text1.text(), program.form3.Text2.text(), step.options));
        });
    }
}

} // namespace

void Form5::CmdNextWidth_Click()
{
    breadthClick(m_program, "Error at CmdNextWidth", sclWiderBlocks, WiderWoodStep, BreadthUp,
                 WiderEndChecks);
}

void Form5::CmdNextWidthDn_Click()
{
    breadthClick(m_program, "Error at CmdNextWidthDn", sclNarrowerBlocks, NarrowerWoodStep, BreadthDown,
                 NarrowerEndChecks);
}

} // namespace report
