// libFuzzer target of the custom values decision: any bytes as a *.VAL file, decided without a file, a
// dialog or a form.
// Each checks what fuzz/DecisionFuzz.h says; built and run by scripts/fuzz.sh.
#include "files/CustomValuesRecord.h"
#include "fuzz/DecisionFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::decideAndWriteBack(std::span(data, size), files::decodeCustomValuesRecord,
                             fuzz::overBuffer(66, files::encodeCustomValuesRecord));
    return 0;
}
