// Loading and saving beam criteria files.
#include "files/BeamCriteriaFile.h"

#include "app/Program.h"

namespace files
{

namespace
{
constexpr const char* LoadFailed = "The Beam Criteria could not be loaded.";
} // namespace

bool LoadBeamCriteria(app::Program& program)
{
    platform::Runtime& runtime = program.runtime;
    platform::FileDialogRequest request;
    request.kind = platform::FileDialogKind::Open;
    request.title = "Open Beam Criteria File";
    request.fileName = "*.CRI";
    request.filter = "All Files (*.*)|*.*|Korvanta Files (*.CRI)|*.CRI|";
    request.filterIndex = 2;
    // FIXME: the beam criteria record is read here once the record files are built; until then every
    // chosen file is refused like a cancelled dialog.
    runtime.fileDialog(request, false);
    runtime.msgBox(LoadFailed, platform::Buttons::OK, platform::Icon::Exclamation, "Korvanta");
    return false;
}

void SaveBeamCriteria(app::Program& /*program*/)
{
    // FIXME: writes the beam criteria record; comes with the record files. Until then nothing is saved.
}

} // namespace files
