// The steel beam checks: the setup taken from the criteria form, the check of a typed size, the check
// of a size stepped to on the report form, and the quick-pick search.
#pragma once

#include <string_view>

namespace app
{
class Program;
}

namespace steel
{

// Unbraced length, allowable stresses, span, uniform loads and overhang length from Form1. Writes "0"
// into an empty unbraced length box first, which runs that box's change handling.
void SteelCheckSetup(app::Program& program);

// "OK Test": checks the size in Form22's entry box and, when it completes, hides Form22 and shows the
// report. Returns true when it completed.
bool FoundSteel(app::Program& program);

// The check of a size stepped to on the report form. Works into results of its own and commits them
// to the shared state only when the check completes, so that a failed step leaves the previous size's
// figures whole. Returns true when it completed.
bool SteelCalc(app::Program& program, std::string_view designation);

// The report form's Previous (forward false) and Next buttons: the neighbouring quick pick of the size
// in Form22's entry box, skipping empty captions, is checked; only when the check completes do the
// entry box, StlStepChoice and the breadth and depth texts name it. Returns true when the report is
// to be refilled.
bool StepSteelSize(app::Program& program, bool forward);

// The report's web bearing lengths for the size in Form22's entry box. A failure shows "Error at web
// calc" and keeps the values written so far.
void CalcWebBearing(app::Program& program);

// The quick-pick search: the setup, then the first sixteen passing rows of the family on the buttons.
void LoadUp22(app::Program& program);

} // namespace steel
