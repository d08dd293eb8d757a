// libFuzzer target of the wood column record decision: any bytes as a *.Col file, decided without a file,
// a dialog or a form.
// Each checks what fuzz/DecisionFuzz.h says; built and run by scripts/fuzz.sh.
#include "files/ColumnRecordFile.h"
#include "files/RecordKinds.h"
#include "fuzz/DecisionFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::decideAndWriteBack(std::span(data, size), files::decodeWoodColumnRecord,
                             fuzz::overBuffer(files::recordKind(files::RecordKind::WoodColumn).length,
                                              files::encodeWoodColumnRecord));
    return 0;
}
