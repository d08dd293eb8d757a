// One silent test of a custom size and what the walk reads of it.
#include "wood/CustomDepthTest.h"

#include "app/Program.h"
#include "beam/BeamState.h"
#include "scl/Form2.h"
#include "wood/CalcWoodBeam.h"

namespace wood
{

DepthOutcome TestCustomDepth(app::Program& program, const std::string& breadth, const std::string& depth)
{
    program.form2.Text6.setText(breadth);
    program.form2.Text7.setText(depth);
    program.beam.flags.PretestMode = -1;
    DepthOutcome outcome;
    outcome.completed = CalcWoodBeam(program);
    if (!outcome.completed) {
        return outcome;
    }
    const beam::BeamState& beam = program.beam;
    outcome.smallerPasses = beam.member.NextSmallerDepth > 0 && beam.smaller.NextSmallerOK == -1;
    outcome.passes = passesFullCheck(beam, false);
    outcome.passesDoubled = passesFullCheck(beam, true);
    outcome.NextSmallerLabel = beam.member.NextSmallerLabel;
    outcome.NextLargerLabel = beam.member.NextLargerLabel;
    return outcome;
}

} // namespace wood
