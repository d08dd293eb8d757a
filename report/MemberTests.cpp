// The program's own member tests for the report form.
#include "report/MemberTests.h"

#include "app/Program.h"
#include "report/LoadReportForm.h"
#include "scl/LVLCalc.h"
#include "steel/SteelChecks.h"
#include "steel/SteelState.h"
#include "steel/WebBearing.h"
#include "wood/CalcWoodBeam.h"

namespace report
{

MemberTests programMemberTests()
{
    MemberTests tests;
    tests.CalcWoodBeam = wood::CalcWoodBeam;
    tests.LVLCalc = scl::LVLCalc;
    // The steel check commits its results only when it completes; the report is then refilled.
    tests.SteelCalc = [](app::Program& program) {
        if (!steel::SteelCalc(program, program.steel.StlStepChoice)) {
            return false;
        }
        LoadReportForm(program);
        return true;
    };
    tests.CalcWebBearing = steel::CalcWebBearing;
    return tests;
}

} // namespace report
