// libFuzzer target of the beam criteria decision: any bytes as a *.CRI file, decided without a file, a
// dialog or a form. A record of an older layout is saved in the current one and must read back so.
// Each checks what fuzz/DecisionFuzz.h says; built and run by scripts/fuzz.sh.
#include "files/BeamCriteriaRecord.h"
#include "fuzz/DecisionFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::decideAndWriteBack(std::span(data, size), files::decodeBeamCriteriaRecord,
                             fuzz::overBuffer(files::CriteriaRecordLength, files::encodeBeamCriteriaRecord),
                             [](files::BeamCriteriaValues v) {
                                 v.marker = files::CriteriaMarker;
                                 return v;
                             });
    return 0;
}
