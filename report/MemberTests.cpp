// The program's own member tests for the report form.
#include "report/MemberTests.h"

#include "scl/LVLCalc.h"
#include "wood/CalcWoodBeam.h"

namespace report
{

MemberTests programMemberTests()
{
    MemberTests tests;
    tests.CalcWoodBeam = wood::CalcWoodBeam;
    tests.LVLCalc = scl::LVLCalc;
    // FIXME: the steel beam checks are not in the program yet; until they are, a steel step reports
    // that no check completed (so nothing changes) and the fill computes no bearing lengths.
    tests.SteelCalc = [](app::Program&) { return false; };
    tests.CalcWebBearing = [](app::Program&) {};
    return tests;
}

} // namespace report
