// The member tests the report form runs after a size step, reached through one place so that the
// report can be driven before every test exists. Each returns true when the test ran to its end.
#pragma once

#include <functional>

namespace app
{
class Program;
}

namespace report
{

struct MemberTests
{
    std::function<bool(app::Program&)> CalcWoodBeam; // wood, glu-lam, round and custom-values sizes
    std::function<bool(app::Program&)> LVLCalc;      // SCL sizes
    // Checks the steel shape named in StlStepChoice and, when it completes, refills the report.
    std::function<bool(app::Program&)> SteelCalc;
    // Required bearing lengths of the steel section, for the data record.
    std::function<void(app::Program&)> CalcWebBearing;
};

// The program's own tests.
MemberTests programMemberTests();

} // namespace report
