// libFuzzer target of the custom post values decision: any bytes as a *.CPV file, decided without a file,
// a dialog or a form.
// Each checks what fuzz/DecisionFuzz.h says; built and run by scripts/fuzz.sh.
#include "files/CustomPostValuesRecord.h"
#include "fuzz/DecisionFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::decideAndWriteBack(std::span(data, size), files::decodeCustomPostValuesRecord,
                             fuzz::overBuffer(38, files::encodeCustomPostValuesRecord));
    return 0;
}
