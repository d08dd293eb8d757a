// The depth step of the wood size test: the net depth and neighbours of the size in the selection boxes.
#include "app/CriteriaChoices.h"
#include "app/Program.h"
#include "beam/BeamState.h"
#include "wood/CalcWoodBeam.h"
#include "wood/DepthLadder.h"
#include "wood/Form3.h"
#include "wood/SizeTestInputs.h"

namespace wood
{

void IngradeValues(app::Program& program)
{
    wood::Form3& f3 = program.form3;
    const std::string depth = f3.Text2.text();
    const std::string breadth = f3.Text1.text();
    beam::MemberUnderTest& m = program.beam.member;
    const CustomOptions options = readCustomOptions(program.form2);
    DepthQuery q;
    q.depth = depth;
    q.breadth = breadth;
    q.BreadthClass = m.BreadthClass;
    q.southernPine = app::SpeciesGroupChosen(program, 5);
    q.customValues = app::SpeciesGroupChosen(program, 8);
    q.Wid6x = options.Wid6x;
    q.WidGLB = options.WidGLB;
    q.WidGLBHDR = options.WidGLBHDR;
    q.SPG = options.SPG;
    if (const std::optional<DepthStep> s = depthStep(q)) {
        m.BeamDepth = s->BeamDepth;
        m.NextLargerLabel = s->NextLargerLabel;
        m.NextSmallerDepth = s->NextSmallerDepth;
        m.NextSmallerLabel = s->NextSmallerLabel;
    }
}

} // namespace wood
