// The lines under the report's results grid, each a step of the report fill.
#pragma once

#include <string>

namespace app
{
class Program;
}

namespace report
{

// The member class key the lines read: the last wood test's, or none for an SCL member, whose values
// are its product's and carry no sawn or glu-lam modifiers.
std::string reportBreadthClass(app::Program& program);

void writeModifierLine(app::Program& program);
void writeDeflectionLimitLines(app::Program& program);
void writeNextSmallerNote(app::Program& program);
void writeDeadLoadLine(app::Program& program);
void writeDeflectionAlerts(app::Program& program);
void writeReactionLines(app::Program& program);

} // namespace report
