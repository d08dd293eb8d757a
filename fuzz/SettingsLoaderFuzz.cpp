// libFuzzer harness for the record files the program reads at start-up: the input becomes the file,
// a whole program starts on the headless host, and any run-time error that escapes a handler, or any
// sanitizer report, is a finding.
#include "app/Form13.h"
#include "app/Program.h"
#include "platform/forms/Runtime.h"
#include "platform/headless/HeadlessHost.h"

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

// The settings file "Korvanta2023.ini", read whole by the criteria form's load at every start.
void startWithSettingsFile(const std::uint8_t* data, std::size_t size)
{
    writeFile(programFolder() / "Korvanta2023.ini", data, size);
    platform::test::HeadlessHost host(programFolder());
    platform::Runtime runtime(host);
    app::Program program(runtime);
    runtime.dispatch([&] { program.start(); });
    if (!runtime.untrappedErrors().empty()) {
        std::abort();
    }
    // What the start-up applied must hold together when the user opens the settings form.
    runtime.dispatch([&] { program.form13.show(); });
    if (!runtime.untrappedErrors().empty()) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    startWithSettingsFile(data, size);
    return 0;
}
