// The headless host: scripted answers, fixed printers and metrics, and a record of everything shown.
#include "platform/headless/HeadlessHost.h"

#include "platform/core/RuntimeError.h"
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

#include <algorithm>
#include <array>

namespace platform::test
{

namespace
{

// Advance widths of printable ASCII (32..126) in an Arial-compatible face, in 1/1000 em. Fixed so that
// printed positions are the same on every machine.
constexpr std::array<int, 95> ArialWidths = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333,  278, 278, 556, 556, 556,
    556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, 1015, 667, 667, 722, 722, 667,
    611, 778, 722, 278, 500, 667, 556, 833, 722, 778, 667, 778, 722, 667,  611, 722, 667, 944, 667,
    667, 611, 278, 278, 278, 469, 556, 333, 556, 556, 500, 556, 556, 278,  556, 556, 222, 222, 500,
    222, 833, 556, 556, 556, 556, 333, 500, 278, 556, 500, 722, 500, 500,  500, 334, 260, 334, 584};
constexpr int DefaultWidth = 556;

} // namespace

void HeadlessClock::advance(int seconds)
{
    int total = m_now.secondsOfDay() + seconds;
    while (total >= 86400) {
        total -= 86400;
        ++m_now.day; // tests stay within a month
    }
    m_now.hour = total / 3600;
    m_now.minute = (total / 60) % 60;
    m_now.second = total % 60;
}

HeadlessHost::HeadlessHost(std::filesystem::path programFolder) : m_folder(std::move(programFolder)) {}

void HeadlessHost::whenModal(std::string formName, std::function<void()> actions)
{
    m_modalScripts.emplace_back(std::move(formName), std::move(actions));
}

bool HeadlessHost::takeFailure(HostFailure failure)
{
    auto it = std::find(m_failures.begin(), m_failures.end(), failure);
    if (it == m_failures.end()) {
        return false;
    }
    m_failures.erase(it);
    return true;
}

MsgResult HeadlessHost::messageBox(const MessageRequest& request)
{
    MsgResult answer = request.buttons == Buttons::YesNo || request.buttons == Buttons::YesNoCancel
                           ? MsgResult::Yes
                           : MsgResult::OK;
    if (!m_messageAnswers.empty()) {
        answer = m_messageAnswers.front();
        m_messageAnswers.pop_front();
    }
    m_messages.push_back({request.text, request.title, request.buttons, request.icon, answer});
    return answer;
}

std::optional<std::filesystem::path> HeadlessHost::fileDialog(const FileDialogRequest& request)
{
    std::optional<std::filesystem::path> answer;
    if (m_fileAnswers.empty()) {
        m_scriptFailures.push_back("unscripted file dialog: " + request.title);
    } else {
        answer = m_fileAnswers.front();
        m_fileAnswers.pop_front();
    }
    m_fileDialogs.push_back({request, answer});
    return answer;
}

std::optional<PrintChoice> HeadlessHost::printDialog(const PrintDialogRequest& request, bool setupOnly)
{
    if (m_printAnswers.empty()) {
        m_scriptFailures.push_back(std::string("unscripted ") + (setupOnly ? "print setup" : "print dialog") +
                                   ": " + request.title);
        return std::nullopt;
    }
    auto answer = m_printAnswers.front();
    m_printAnswers.pop_front();
    return answer;
}

std::vector<std::string> HeadlessHost::printerFonts(const std::string&)
{
    if (takeFailure(HostFailure::PrinterFonts)) {
        raise(err::PrinterError);
    }
    return m_fonts;
}

SizeTwips HeadlessHost::measureText(const FontSpec& font, std::string_view text)
{
    double units = 0;
    for (unsigned char c : text) {
        units += (c >= 32 && c <= 126) ? ArialWidths[c - 32] : DefaultWidth;
    }
    const double boldFactor = font.bold ? 1.06 : 1.0;
    // 20 twips to the point; the line height of an Arial-like face is 1.15 em.
    return {units / 1000.0 * font.size * 20.0 * boldFactor, font.size * 20.0 * 1.15};
}

SizeTwips HeadlessHost::pageSize(const std::string&, int orientation)
{
    return orientation == 2 ? SizeTwips{m_page.height, m_page.width} : m_page;
}

void HeadlessHost::printDocument(const PrintedDocument& document)
{
    if (takeFailure(HostFailure::PrintDocument)) {
        raise(err::PrinterError);
    }
    m_printed.push_back(document);
}

void HeadlessHost::clearClipboard()
{
    if (takeFailure(HostFailure::Clipboard)) {
        raise(err::ClipboardOpen);
    }
    m_clipboard.reset();
}

void HeadlessHost::setClipboardText(std::string_view utf8)
{
    if (takeFailure(HostFailure::Clipboard) || takeFailure(HostFailure::ClipboardSet)) {
        raise(err::ClipboardOpen);
    }
    m_clipboard = std::string(utf8);
}

bool HeadlessHost::openFolder(const std::filesystem::path& folder)
{
    if (takeFailure(HostFailure::OpenFolder)) {
        return false;
    }
    m_openedFolders.push_back(folder);
    return true;
}

bool HeadlessHost::openUrl(const std::string& url)
{
    if (takeFailure(HostFailure::OpenUrl)) {
        raise(48, "Error in loading DLL");
    }
    if (m_openUrlObserver) {
        m_openUrlObserver();
    }
    m_openedUrls.push_back(url);
    return true;
}

void HeadlessHost::formChanged(Form&, FormChange) {}

void HeadlessHost::repaintNow(Form& form)
{
    std::string line = form.name() + ": " + form.props().caption;
    for (Control* c : form.controls()) {
        if (c->kind() == ControlKind::Panel && c->props().floodPercent > 0) {
            line += " | " + c->name() + " " + std::to_string(c->props().floodPercent) + "%";
        }
    }
    m_repaints.push_back(line);
}

void HeadlessHost::runModal(Form& form)
{
    auto it = std::find_if(m_modalScripts.begin(), m_modalScripts.end(),
                           [&](const auto& script) { return script.first == form.name(); });
    if (it == m_modalScripts.end()) {
        m_scriptFailures.push_back("unscripted modal form: " + form.name());
        form.unload();
        return;
    }
    auto actions = std::move(it->second);
    m_modalScripts.erase(it);
    m_modal.push_back(&form);
    struct Modal
    {
        std::vector<const Form*>& stack;
        ~Modal() { stack.pop_back(); }
    } modal{m_modal};
    actions();
    if (m_quit) {
        return; // End closed every window without events
    }
    if (form.loaded() && form.visible()) {
        m_scriptFailures.push_back("modal form still open after its script: " + form.name());
        form.unload();
    }
}

} // namespace platform::test
