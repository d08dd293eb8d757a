// The beam data record file (*.Dat): a finished data record loaded back into the data record form.
#pragma once

namespace app
{
class Program;
}

namespace files
{

// Asks for a data record file and fills the data record form Form6 from it. Callers tell a loaded
// record by Form6.Label61, which keeps its design text until a record fills it.
void LoadDataRecord(app::Program& program);

} // namespace files
