// libFuzzer target of the beam data record decision: any bytes as a *.Dat file, decided without a file, a
// dialog or a form. A record of the older layout is saved in the current one and must read back so.
// Each checks what fuzz/DecisionFuzz.h says; built and run by scripts/fuzz.sh.
#include "files/BeamDataRecord.h"
#include "fuzz/DecisionFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::decideAndWriteBack(std::span(data, size), files::decodeBeamDataRecord,
                             fuzz::overBuffer(files::DataRecordLength, files::encodeBeamDataRecord),
                             [](files::BeamDataValues v) {
                                 v.marker = files::DataRecordMarker;
                                 return v;
                             });
    return 0;
}
