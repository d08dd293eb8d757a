// Drives a whole program headless, as a user would: type, click, choose, answer the boxes, and read
// what the forms show and what reached the boxes, the clipboard, the printer and the files.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"
#include "platform/headless/HeadlessHost.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform::test
{

struct DriverOptions
{
    DateTime clock{2024, 3, 5, 8, 0, 0};
    SizeTwips screen{1024 * 15, 768 * 15};
};

class Driver
{
  public:
    explicit Driver(DriverOptions options = {}); // a fresh temporary program folder
    ~Driver();
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    const std::filesystem::path& folder() const { return m_folder; }
    void putFile(std::string_view name, std::span<const std::uint8_t> bytes);
    std::vector<std::uint8_t> readFile(std::string_view name) const;

    // Builds the program on this driver's runtime and runs its start-up as one dispatch.
    // Program needs a constructor from Runtime& and a start() member.
    template <class Program> Program& start()
    {
        auto program = std::make_shared<Program>(*m_runtime);
        m_program = program;
        m_runtime->dispatch([&] { program->start(); });
        return *program;
    }

    void type(TextBox& box, std::string_view text) { m_runtime->userType(box, text); }
    void paste(TextBox& box, std::string_view text) { m_runtime->userPaste(box, text); }
    // Focus, select the whole text, and type: what a user does to replace a box's content.
    void retype(TextBox& box, std::string_view text);
    void key(Control& control, Key key, int shiftState = 0) { m_runtime->userKey(control, key, shiftState); }
    void ctrlKey(Form& form, char letter) { m_runtime->userCtrlKey(form, letter); }
    void focus(Control& control) { m_runtime->userFocus(control); }
    void click(Control& control) { m_runtime->userClick(control); }
    void mouseDown(Control& control, MouseButton button = MouseButton::Left)
    {
        m_runtime->userMouseDown(control, button);
    }
    void doubleClick(Control& control) { m_runtime->userDoubleClick(control); }
    void menu(MenuItem& item) { m_runtime->userMenu(item); }
    void choose(ListControl& list, std::string_view item);
    void choose(ListControl& list, int index) { m_runtime->userChoose(list, index); }
    void closeBox(Form& form) { m_runtime->userCloseBox(form); }
    void switchTo(Form& form) { m_runtime->userSwitch(form); }

    void answerMessage(MsgResult answer) { m_host.answerMessage(answer); }
    void answerFile(std::filesystem::path path) { m_host.answerFile(std::move(path)); }
    void cancelFile() { m_host.answerFile(std::nullopt); }
    void answerPrint(PrintChoice choice) { m_host.answerPrint(std::move(choice)); }
    void cancelPrint() { m_host.answerPrint(std::nullopt); }
    void failNext(HostFailure failure) { m_host.failNext(failure); }

    const std::vector<ShownMessage>& messages() const { return m_host.messages(); }
    void clearMessages();
    int beeps() const { return m_host.beeps(); }
    std::optional<std::string> clipboardText() const { return m_host.clipboardText(); }
    const std::vector<PrintedDocument>& printed() const { return m_host.printed(); }
    const std::vector<std::string>& untrappedErrors() const { return m_runtime->untrappedErrors(); }
    Form* activeForm() const { return m_runtime->activeForm(); }
    bool ended() const { return m_runtime->ended(); }
    HeadlessClock& clock() { return m_host.headlessClock(); }
    HeadlessHost& host() { return m_host; }
    Runtime& runtime() { return *m_runtime; }

  private:
    std::filesystem::path m_folder;
    HeadlessHost m_host;
    std::unique_ptr<Runtime> m_runtime;
    std::shared_ptr<void> m_program;
};

} // namespace platform::test
