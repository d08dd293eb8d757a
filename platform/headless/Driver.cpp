// The test driver: a fresh program folder per test, a headless host and a runtime.
#include "platform/headless/Driver.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace platform::test
{

namespace
{

std::filesystem::path makeTempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "korvanta-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary program folder");
    }
    return pattern;
}

} // namespace

Driver::Driver(DriverOptions options) : m_folder(makeTempFolder()), m_host(m_folder)
{
    m_host.headlessClock().set(options.clock);
    m_host.setScreenSize(options.screen);
    m_runtime = std::make_unique<Runtime>(m_host);
}

Driver::~Driver()
{
    m_program.reset();
    m_runtime.reset();
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
}

void Driver::putFile(std::string_view name, std::span<const std::uint8_t> bytes)
{
    std::ofstream out(m_folder / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::uint8_t> Driver::readFile(std::string_view name) const
{
    std::ifstream in(m_folder / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Driver::retype(TextBox& box, std::string_view text)
{
    focus(box);
    m_runtime->userSelect(box, 0, static_cast<int>(box.props().text.size()) + 1);
    if (text.empty()) {
        key(box, Key::Delete);
        return;
    }
    type(box, text);
}

void Driver::choose(ListControl& list, std::string_view item)
{
    const auto& items = list.props().items;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == item) {
            choose(list, static_cast<int>(i));
            return;
        }
    }
    throw std::invalid_argument("no list entry \"" + std::string(item) + "\" in " + list.name());
}

void Driver::clearMessages()
{
    m_host.clearMessages();
}

} // namespace platform::test
