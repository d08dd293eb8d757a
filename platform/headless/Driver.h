// Drives a whole program headless, as a user would: type, click, choose, answer the boxes, and read
// what the forms show and what reached the boxes, the clipboard, the printer and the files.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"
#include "platform/headless/HeadlessHost.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
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

    // User actions. Each acts only where a user could: on a control of a shown form that no modal form
    // covers, with the control and its containers visible and enabled (a menu entry and its parents
    // visible and enabled). Anything else fails the calling test, naming form, control and reason, and
    // does nothing.
    void type(TextBox& box, std::string_view text);
    void paste(TextBox& box, std::string_view text);
    // Focus, select the whole text, and type: what a user does to replace a box's content.
    void retype(TextBox& box, std::string_view text);
    // The text part of an editable combo box: each character goes in at the end of its text, and the
    // list hears the whole text after each one, as a host reports a keystroke.
    void type(ComboBox& list, std::string_view text);
    // Select the whole text part and type; an empty text deletes it.
    void retype(ComboBox& list, std::string_view text);
    void key(Control& control, Key key, int shiftState = 0);
    void ctrlKey(Form& form, char letter);
    void focus(Control& control);
    void click(Control& control);
    void mouseDown(Control& control, MouseButton button = MouseButton::Left);
    void doubleClick(Control& control);
    void menu(MenuItem& item);
    void choose(ListControl& list, std::string_view item);
    void choose(ListControl& list, int index);
    void closeBox(Form& form);
    void switchTo(Form& form);

    // Why a user could not reach the control now, or nullopt when they could.
    std::optional<std::string> unreachable(Control& control);
    std::optional<std::string> unreachable(Form& form);
    // For tests that show a control ignores input: fails the test when a user could reach the control,
    // then delivers a click (a menu entry's command) as a host might still report one, so the test can
    // check that nothing happened.
    void expectUnreachable(Control& control);

    void answerMessage(MsgResult answer) { m_host.answerMessage(answer); }
    void answerFile(std::filesystem::path path) { m_host.answerFile(std::move(path)); }
    void cancelFile() { m_host.answerFile(std::nullopt); }
    void answerPrint(PrintChoice choice) { m_host.answerPrint(std::move(choice)); }
    void cancelPrint() { m_host.answerPrint(std::nullopt); }
    void failNext(HostFailure failure) { m_host.failNext(failure); }
    // What the user does in the form's modal loop when it is next shown modal; while it runs, every
    // other form is out of reach.
    void whenModal(Form& form, std::function<void()> actions)
    {
        m_host.whenModal(form.name(), std::move(actions));
    }

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
    // Reports an action a user could not take as a failure of the running test; false then.
    bool reachable(Control& control, std::string_view action);
    // Reports a list without a text part as a failure of the running test; false then.
    bool editable(ComboBox& list, std::string_view action);
    bool reachable(Form& form, std::string_view action);

    std::filesystem::path m_folder;
    HeadlessHost m_host;
    std::unique_ptr<Runtime> m_runtime;
    std::shared_ptr<void> m_program;
};

} // namespace platform::test
