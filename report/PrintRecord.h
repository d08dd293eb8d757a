// Printing a record form label by label on the current printer page: the beam data record, the column
// records and the stud wall record, and the load location diagram below a beam record.
#pragma once

namespace app
{
class Program;
}

namespace platform
{
class Form;
class Label;
} // namespace platform

namespace report
{

// One label: caption in the printout font with the label's own bold, italic and underline, aligned
// as on the form, its border as a box. An invisible label prints nothing.
void DrawLabel(app::Program& program, platform::Label& label);
// A record form with the rules and boxes of its record kind and the report notes layout.
// withDiagram: the load location diagram follows on the same page and carries the notes itself.
void PrintDataRecord(app::Program& program, platform::Form& form, bool withDiagram = false);
// The load location diagram window, with its supports, on the page of the beam record.
void PrintLoadDiagram(app::Program& program, platform::Form& form);

} // namespace report
