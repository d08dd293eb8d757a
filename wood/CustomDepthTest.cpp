// One silent test of a custom size and what the walk reads of it.
#include "wood/CustomDepthTest.h"

#include "app/Program.h"
#include "wood/CalcWoodBeam.h"

namespace wood
{

DepthTestResult TestCustomDepth(app::Program& program, const std::string& depth, ShearRule shear)
{
    program.form2.Text7.setText(depth);
    program.beam.flags.PretestMode = -1;
    DepthTestResult result;
    result.ranToEnd = CalcWoodBeam(program);
    const beam::BeamState& beam = program.beam;
    result.nextSmallerDepth = beam.member.NextSmallerDepth;
    result.nextSmallerOK = beam.smaller.NextSmallerOK == -1;
    // FIXME: the depth steps' labels join the shared beam state with the size test.
    result.passes = PassesFullCheck(beam, shear);
    return result;
}

} // namespace wood
