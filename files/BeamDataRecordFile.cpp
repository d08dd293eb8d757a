// Loading beam data record files.
#include "files/BeamDataRecordFile.h"

#include "app/Program.h"

namespace files
{

void LoadDataRecord(app::Program& program)
{
    platform::Runtime& runtime = program.runtime;
    platform::FileDialogRequest request;
    request.kind = platform::FileDialogKind::Open;
    request.title = "Open Data Record";
    request.fileName = "*.Dat";
    request.filter = "All Files (*.*)|*.*|Korvanta Files (*.Dat)|*.Dat|";
    request.filterIndex = 2;
    // FIXME: the beam data record is read into Form6 here once the record files are built; until then
    // every chosen file is refused like a cancelled dialog, and Form6 keeps its design texts.
    runtime.fileDialog(request, false);
    runtime.msgBox("A Data Record could not be loaded.", platform::Buttons::OK, platform::Icon::None,
                   "Korvanta");
}

} // namespace files
