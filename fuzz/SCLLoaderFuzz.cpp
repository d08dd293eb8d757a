// libFuzzer harness for the two SCL files: the input becomes both "Korvanta23.LVL" and
// "KorvantaCustom.LVL", the custom values form loads with SCL chosen, and every product is chosen once.
// Any run-time error that escapes a handler, or any sanitizer report, is a finding.
#include "app/Form1.h"
#include "app/Program.h"
#include "platform/forms/Runtime.h"
#include "platform/headless/HeadlessHost.h"
#include "scl/Form2.h"
#include "scl/SCLRecords.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace
{

const std::filesystem::path& programFolder()
{
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "korvanta-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        return std::filesystem::path(pattern);
    }();
    return folder;
}

void writeFile(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    writeFile(programFolder() / scl::SCLDefaultsFileName, data, size);
    writeFile(programFolder() / scl::CustomSCLFileName, data, size);
    platform::test::HeadlessHost host(programFolder());
    platform::Runtime runtime(host);
    app::Program program(runtime);
    runtime.dispatch([&] { program.start(); });
    runtime.dispatch([&] {
        program.form1.group[7].setValue(true);
        program.form2.show();
        for (int product = 0; product < program.form2.Combo1.listCount(); ++product) {
            program.form2.Combo1.setListIndex(product);
        }
    });
    if (!runtime.untrappedErrors().empty()) {
        std::abort();
    }
    return 0;
}
