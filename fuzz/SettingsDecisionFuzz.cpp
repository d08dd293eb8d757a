// libFuzzer target of the settings file decision: any bytes as "Korvanta2023.ini", decided without a
// file, a program or a form.
// Each checks what fuzz/DecisionFuzz.h says; built and run by scripts/fuzz.sh.
#include "app/DefaultSettingsRecord.h"
#include "fuzz/DecisionFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::decideAndWriteBack(std::span(data, size), app::decodeDefaultSettingsRecord,
                             app::writeDefaultSettings);
    return 0;
}
