// What other forms ask of the criteria form's choices and entries without working its controls:
// answered here, so that a change to Form1's header rebuilds the sources that work its controls, not
// every source that only asks which species group is chosen or what span was typed.
#pragma once

#include <string>

namespace app
{

class Program;

// Whether Form1's species group option `group` (its group(group), 0-9 as app/SpeciesList.h numbers
// them) is chosen.
bool SpeciesGroupChosen(Program& program, int group);

// Whether "Wet" (wet service) is checked.
bool WetServiceChosen(Program& program);

// Whether the beam is a hip or valley member (the load type option IncButton).
bool HipOrValleyChosen(Program& program);

// The span and the load duration factor as typed in their boxes.
std::string SpanText(Program& program);
std::string DurationText(Program& program);

} // namespace app
