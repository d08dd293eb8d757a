// libFuzzer target of the two SCL files' decisions: any bytes as "Korvanta23.LVL" and as
// "KorvantaCustom.LVL", decided without a file, a program or a form.
// Each checks what fuzz/DecisionFuzz.h says; built and run by scripts/fuzz.sh.
#include "fuzz/DecisionFuzz.h"
#include "scl/SCLRecords.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    fuzz::decideAndWriteBack(bytes, scl::decodeSCLDefaultsRecord, scl::writeSCLDefaults);
    fuzz::decideAndWriteBack(bytes, scl::decodeCustomSCLRecord, scl::writeCustomSCL);
    return 0;
}
