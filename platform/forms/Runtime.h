// One Runtime per program run: the form registry, the active form and the focus, the dispatcher that
// runs every user event to its end, and the facades program code uses (message boxes, dialogs,
// printer, clipboard, screen, clock, shell).
#pragma once

#include "platform/core/Clock.h"
#include "platform/forms/Printer.h"
#include "platform/forms/Types.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace platform
{

class Host;
class Form;
class Control;
class TextBox;
class ListControl;
class MenuItem;
enum class ShowMode;
enum class UnloadReason;
enum class MouseButton;

class Runtime
{
  public:
    explicit Runtime(Host& host);
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    Host& host() const { return m_host; }

    // --- Facades for program code ---
    MsgResult msgBox(std::string_view text, Buttons buttons = Buttons::OK, Icon icon = Icon::None,
                     std::string_view title = "");
    void beep();
    // Cancel with cancelError raises 32755; otherwise Cancel gives nullopt.
    std::optional<std::filesystem::path> fileDialog(const FileDialogRequest& request, bool cancelError);
    std::optional<PrintChoice> printDialog(const PrintDialogRequest& request, bool cancelError);
    std::optional<PrintChoice> printSetup();
    Printer& printer() { return *m_printer; }
    void clearClipboard();
    void setClipboardText(std::string_view text);
    SizeTwips screenSize();
    SizeTwips measureText(const FontSpec& font, std::string_view text); // a control's text extent
    Control* activeControl() const; // the focused control of the active form, or none
    int mousePointer() const { return m_mousePointer; }
    void setMousePointer(int pointer);
    std::filesystem::path programFolder();
    Clock& clock();
    void openFolder(const std::filesystem::path& folder); // failure raises 53
    void openUrl(const std::string& url);                 // result ignored
    [[noreturn]] void endProgram();                       // End: throws EndProgram
    bool ended() const { return m_ended; }

    // --- Forms ---
    void registerForm(Form& form) { m_forms.push_back(&form); }
    Form* findForm(std::string_view name) const;
    const std::vector<Form*>& forms() const { return m_forms; }
    Form* activeForm() const { return m_active; }
    Control* focusedControl() const { return m_focus; }

    // --- Dispatcher: one user event or deferred activation, run to its end ---
    // Catches everything: an untrapped run-time error is shown and the program goes on; End quits.
    void dispatch(const std::function<void()>& action);
    bool inHandler() const { return m_depth > 0; }
    const std::vector<std::string>& untrappedErrors() const { return m_untrapped; }

    // --- User input, as hosts and the test driver deliver it ---
    void userClick(Control& control);
    void userMouseDown(Control& control, MouseButton button); // hyperlink labels
    void userDoubleClick(Control& control);
    void userFocus(Control& control);
    void userType(TextBox& box, std::string_view utf8); // character by character
    void userKey(Control& control, Key key, int shiftState = 0);
    void userCtrlKey(Form& form, char letter); // Ctrl+letter menu shortcuts
    void userPaste(TextBox& box, std::string_view utf8);
    void userSelect(TextBox& box, int start, int length); // caret and selection moved; no events
    void userChoose(ListControl& list, int index);
    // Typing into the text part of an editable combo box: its whole text after a keystroke.
    void userEdit(ListControl& list, std::string_view utf8);
    void userMenu(MenuItem& item);
    void userCloseBox(Form& form);
    void userSwitch(Form& form);
    void userQueryUnload(Form& form, UnloadReason reason); // session end, termination

  private:
    friend class Form;
    friend class Control;

    // Activation and focus (used by Form and Control).
    void formShown(Form& form);
    void formHidden(Form& form, bool unloading);
    void moveFocus(Control* target);
    void makeActive(Form& form, bool owed);
    void runActivate(Form& form);
    void giveFocusAfterActivation(Form& form);
    void settleOwed();
    void typeOne(TextBox& box, char32_t ch);
    void insertText(TextBox& box, const std::string& text);
    void tabFrom(Control& control, bool backwards);
    void queryAndUnload(Form& form, UnloadReason reason);
    void reportInternalError(const std::string& text);

    Host& m_host;
    std::unique_ptr<Printer> m_printer;
    std::vector<Form*> m_forms;
    Form* m_active = nullptr;
    std::vector<Form*> m_history; // forms by time of last activation, latest last
    std::set<Form*> m_running;    // forms whose Activate is on the call stack
    int m_depth = 0;
    Form* m_startActive = nullptr;
    bool m_owed = false;
    Control* m_focus = nullptr;
    int m_mousePointer = 0;
    bool m_ended = false;
    std::vector<std::string> m_untrapped;
};

} // namespace platform
