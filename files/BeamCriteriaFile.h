// The beam criteria file (*.CRI): saving and loading the criteria form with the report header, notes,
// selection and edition flags.
#pragma once

namespace app
{
class Program;
}

namespace files
{

// Asks for a criteria file and restores the criteria form from it. True only when a file was actually
// loaded: a cancelled dialog or a refused file shows the failure message and gives false, so the caller
// sets no flag and runs nothing on criteria that never arrived.
bool LoadBeamCriteria(app::Program& program);

// Asks for a file name and writes the criteria form as a beam criteria record.
void SaveBeamCriteria(app::Program& program);

} // namespace files
