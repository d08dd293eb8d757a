// The beam data record file (*.Dat) and the clipboard copy of the record: a finished data record
// stored, loaded back into the data record form, or copied as text.
#pragma once

#include "files/BeamDataRecord.h"

namespace app
{
class Program;
}

namespace files
{

// Asks for a data record file and fills the data record form Form6 from it; true when a record was
// loaded.
bool LoadDataRecord(app::Program& program);
// Asks where to save and writes Form6's captions, the report header form's boxes and the notes.
void SaveDataRecord(app::Program& program);
// Puts an accepted record back into the data record form and the notes, in the wood or the steel layout
// its flag names, and marks the form as showing a loaded record.
void applyBeamDataRecord(app::Program& program, const BeamDataValues& values);

} // namespace files
