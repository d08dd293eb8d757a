// A host without windows: deterministic screen, clock, printers and text metrics, and scripted answers
// to message boxes and dialogs. Everything shown is recorded for tests to read.
#pragma once

#include "platform/forms/Host.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform::test
{

class HeadlessClock : public Clock
{
  public:
    DateTime now() override { return m_now; }
    void set(const DateTime& now) { m_now = now; }
    void advance(int seconds);

  private:
    DateTime m_now{2024, 3, 5, 8, 0, 0};
};

struct ShownMessage
{
    std::string text;
    std::string title;
    Buttons buttons = Buttons::OK;
    Icon icon = Icon::None;
    MsgResult answer = MsgResult::OK;
};

struct ShownDialog
{
    FileDialogRequest request;
    std::optional<std::filesystem::path> answer;
};

// Failures a test can ask the host to produce once.
enum class HostFailure
{
    Clipboard,
    ClipboardSet, // the clipboard clears, then refuses the text
    PrinterFonts,
    PrintDocument,
    OpenFolder,
    OpenUrl // the shell cannot be called at all: a run-time error, not a refusal
};

class HeadlessHost : public Host
{
  public:
    explicit HeadlessHost(std::filesystem::path programFolder);

    // Scripted answers, taken in order. An unscripted box gets its default button; an unscripted dialog
    // is cancelled and recorded as a failure of the test.
    void answerMessage(MsgResult answer) { m_messageAnswers.push_back(answer); }
    void answerFile(std::optional<std::filesystem::path> path) { m_fileAnswers.push_back(std::move(path)); }
    void answerPrint(std::optional<PrintChoice> choice) { m_printAnswers.push_back(std::move(choice)); }
    void whenModal(std::string formName, std::function<void()> actions);
    void failNext(HostFailure failure) { m_failures.push_back(failure); }
    // Runs while the shell opens an address, so a test can see the program's state at that moment.
    void whenOpenUrl(std::function<void()> observer) { m_openUrlObserver = std::move(observer); }
    void setScreenSize(SizeTwips size) { m_screen = size; }
    void setPrinters(PrinterList printers) { m_printers = std::move(printers); }
    void setPrinterFonts(std::vector<std::string> fonts) { m_fonts = std::move(fonts); }
    // The sheet every printer reports, portrait; letter unless a test sets another.
    void setPageSize(SizeTwips portrait) { m_page = portrait; }

    const std::vector<ShownMessage>& messages() const { return m_messages; }
    void clearMessages() { m_messages.clear(); }
    const std::vector<ShownDialog>& fileDialogs() const { return m_fileDialogs; }
    void clearFileDialogs() { m_fileDialogs.clear(); }
    int beeps() const { return m_beeps; }
    std::optional<std::string> clipboardText() const { return m_clipboard; }
    const std::vector<PrintedDocument>& printed() const { return m_printed; }
    const std::vector<std::filesystem::path>& openedFolders() const { return m_openedFolders; }
    const std::vector<std::string>& openedUrls() const { return m_openedUrls; }
    const std::vector<std::string>& scriptFailures() const { return m_scriptFailures; }
    // Each repaint of a form, with the caption and progress fill of its panels at that moment.
    const std::vector<std::string>& repaints() const { return m_repaints; }
    bool quitCalled() const { return m_quit; }
    // The modal form whose loop runs now, or none: while it runs, no other form takes input.
    const Form* modalForm() const { return m_modal.empty() ? nullptr : m_modal.back(); }
    HeadlessClock& headlessClock() { return m_clock; }

    MsgResult messageBox(const MessageRequest& request) override;
    std::optional<std::filesystem::path> fileDialog(const FileDialogRequest& request) override;
    std::optional<PrintChoice> printDialog(const PrintDialogRequest& request, bool setupOnly) override;
    void beep() override { ++m_beeps; }
    PrinterList printers() override { return m_printers; }
    std::vector<std::string> printerFonts(const std::string& device) override;
    SizeTwips measureText(const FontSpec& font, std::string_view text) override;
    SizeTwips pageSize(const std::string& device, int orientation) override;
    void printDocument(const PrintedDocument& document) override;
    void clearClipboard() override;
    void setClipboardText(std::string_view utf8) override;
    SizeTwips screenSize() override { return m_screen; }
    std::filesystem::path programFolder() override { return m_folder; }
    Clock& clock() override { return m_clock; }
    bool openFolder(const std::filesystem::path& folder) override;
    bool openUrl(const std::string& url) override;
    void formChanged(Form& form, FormChange change) override;
    void controlChanged(Control&) override {}
    void focusChanged(Control*) override {}
    void repaintNow(Form& form) override;
    void runModal(Form& form) override;
    void quit() override { m_quit = true; }

  private:
    bool takeFailure(HostFailure failure);

    std::filesystem::path m_folder;
    HeadlessClock m_clock;
    SizeTwips m_screen{1024 * 15, 768 * 15};
    SizeTwips m_page{12240, 15840};
    PrinterList m_printers{{"Printer A", "Printer B"}, "Printer A"};
    std::vector<std::string> m_fonts{"Arial", "Courier New", "MS Sans Serif", "Times New Roman"};
    std::deque<MsgResult> m_messageAnswers;
    std::deque<std::optional<std::filesystem::path>> m_fileAnswers;
    std::deque<std::optional<PrintChoice>> m_printAnswers;
    std::vector<std::pair<std::string, std::function<void()>>> m_modalScripts;
    std::vector<HostFailure> m_failures;
    std::vector<ShownMessage> m_messages;
    std::vector<ShownDialog> m_fileDialogs;
    int m_beeps = 0;
    std::optional<std::string> m_clipboard;
    std::vector<PrintedDocument> m_printed;
    std::vector<std::filesystem::path> m_openedFolders;
    std::vector<std::string> m_openedUrls;
    std::function<void()> m_openUrlObserver;
    std::vector<std::string> m_scriptFailures;
    std::vector<std::string> m_repaints;
    std::vector<const Form*> m_modal;
    bool m_quit = false;
};

} // namespace platform::test
