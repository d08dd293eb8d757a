// The report fill: writes the result of the member just tested onto the report form.
#pragma once

namespace app
{
class Program;
}

namespace report
{

// Formats the results the last beam test left into Form5's grid, decides each check's status and the
// NDS 1997 no-splits shear case, and writes the lines under the grid. Shows and hides no form. A
// run-time failure ends the fill with its message; what was written before it stays. Returns true
// when the fill ran to its end.
bool LoadReportForm(app::Program& program);

} // namespace report
