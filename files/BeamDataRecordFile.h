// The beam data record file (*.Dat) and the clipboard copy of the record: a finished data record
// stored, loaded back into the data record form, or copied as text.
#pragma once

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
// Copies Form6's captions to the clipboard as text.
void CopyBeamRecordToClipboard(app::Program& program);
// The column data records, Form19 and Form23.
void SaveWoodColumnRecord(app::Program& program);
void SaveSteelColumnRecord(app::Program& program);

} // namespace files
