// Beam and column data record files and the clipboard copy of the beam record.
#include "files/BeamDataRecordFile.h"

#include "app/Program.h"

namespace files
{

namespace
{

void notSaved(app::Program& program, const char* filter, const char* name)
{
    platform::FileDialogRequest request;
    request.kind = platform::FileDialogKind::Save;
    request.title = "Save Data Record";
    request.fileName = name;
    request.filter = filter;
    request.filterIndex = 2;
    // FIXME: the record is written here once the record files are built; until then every save ends
    // as a cancelled one.
    program.runtime.fileDialog(request, false);
    program.runtime.msgBox("The Data Record was not saved.", platform::Buttons::OK, platform::Icon::None,
                           "Korvanta");
}

} // namespace

bool LoadDataRecord(app::Program& program)
{
    platform::Runtime& runtime = program.runtime;
    platform::FileDialogRequest request;
    request.kind = platform::FileDialogKind::Open;
    request.title = "Open Data Record";
    request.fileName = "*.Dat";
    request.filter = "All Files (*.*)|*.*|Korvanta Files (*.Dat)|*.Dat|";
    request.filterIndex = 2;
    // FIXME: the beam data record is read into Form6 here once the record files are built; until then
    // every chosen file is refused like a cancelled dialog, and Form6 keeps its texts.
    runtime.fileDialog(request, false);
    runtime.msgBox("A Data Record could not be loaded.", platform::Buttons::OK, platform::Icon::None,
                   "Korvanta");
    return false;
}

void SaveDataRecord(app::Program& program)
{
    notSaved(program, "All Files (*.*)|*.*|Korvanta Files (*.Dat)|*.Dat|", "*.Dat");
}

void CopyBeamRecordToClipboard(app::Program& program)
{
    // FIXME: the record's captions go to the clipboard here once the clipboard export is built.
    program.runtime.msgBox("The Data Record was not copied to the clipboard.", platform::Buttons::OK,
                           platform::Icon::None, "Korvanta");
}

void SaveWoodColumnRecord(app::Program& program)
{
    notSaved(program, "All Files (*.*)|*.*|Wood Column Files (*.WCR)|*.WCR|", "*.WCR");
}

void SaveSteelColumnRecord(app::Program& program)
{
    notSaved(program, "All Files (*.*)|*.*|Steel Column Files (*.SCR)|*.SCR|", "*.SCR");
}

} // namespace files
