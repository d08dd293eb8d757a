// The runtime's facades and its dispatcher: every user event and deferred activation runs here to its
// end, and nothing thrown by program code escapes into a host's event loop.
#include "platform/forms/Runtime.h"

#include "platform/core/RuntimeError.h"
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/Host.h"

#include <iostream>

namespace platform
{

Runtime::Runtime(Host& host) : m_host(host), m_printer(std::make_unique<Printer>(host)) {}

Runtime::~Runtime() = default;

MsgResult Runtime::msgBox(std::string_view text, Buttons buttons, Icon icon, std::string_view title)
{
    if (m_ended) {
        throw EndProgram{};
    }
    MessageRequest request;
    request.text = text;
    request.title = title.empty() ? "Korvanta" : std::string(title);
    request.buttons = buttons;
    request.icon = icon;
    return m_host.messageBox(request);
}

void Runtime::beep()
{
    m_host.beep();
}

std::optional<std::filesystem::path> Runtime::fileDialog(const FileDialogRequest& request, bool cancelError)
{
    auto path = m_host.fileDialog(request);
    if (!path && cancelError) {
        raise(err::CancelSelected);
    }
    return path;
}

std::optional<PrintChoice> Runtime::printDialog(const PrintDialogRequest& request, bool cancelError)
{
    auto choice = m_host.printDialog(request, false);
    if (!choice) {
        if (cancelError) {
            raise(err::CancelSelected);
        }
        return choice;
    }
    m_printer->setDevice(choice->device);
    m_printer->setOrientation(choice->orientation);
    return choice;
}

std::optional<PrintChoice> Runtime::printSetup()
{
    auto choice = m_host.printDialog(PrintDialogRequest{}, true);
    if (choice) {
        m_printer->setDevice(choice->device);
        m_printer->setOrientation(choice->orientation);
    }
    return choice;
}

void Runtime::clearClipboard()
{
    m_host.clearClipboard();
}

void Runtime::setClipboardText(std::string_view text)
{
    m_host.setClipboardText(text);
}

SizeTwips Runtime::screenSize()
{
    return m_host.screenSize();
}

SizeTwips Runtime::measureText(const FontSpec& font, std::string_view text)
{
    return m_host.measureText(font, text);
}

Control* Runtime::activeControl() const
{
    if (m_active != nullptr && m_focus != nullptr && &m_focus->form() == m_active) {
        return m_focus;
    }
    return nullptr;
}

void Runtime::setMousePointer(int pointer)
{
    m_mousePointer = pointer;
}

std::filesystem::path Runtime::programFolder()
{
    return m_host.programFolder();
}

Clock& Runtime::clock()
{
    return m_host.clock();
}

void Runtime::openFolder(const std::filesystem::path& folder)
{
    if (!m_host.openFolder(folder)) {
        raise(err::FileNotFound);
    }
}

void Runtime::openUrl(const std::string& url)
{
    m_host.openUrl(url);
}

void Runtime::endProgram()
{
    m_ended = true;
    throw EndProgram{};
}

Form* Runtime::findForm(std::string_view name) const
{
    for (Form* f : m_forms) {
        if (f->name() == name) {
            return f;
        }
    }
    return nullptr;
}

// Dispatcher ----------------------------------------------------------------------------------------

void Runtime::dispatch(const std::function<void()>& action)
{
    if (m_ended) {
        return;
    }
    if (m_depth == 0) {
        m_startActive = m_active;
    }
    ++m_depth;
    try {
        action();
    } catch (const RuntimeError& e) {
        // An untrapped error abandons the handler; the program goes on.
        m_untrapped.push_back(e.description());
        if (!m_ended) {
            try {
                msgBox(e.description(), Buttons::OK, Icon::Exclamation, "Korvanta");
            } catch (...) {
                std::cerr << "Korvanta: " << e.description() << '\n';
            }
        }
    } catch (const EndProgram&) {
        m_ended = true;
    } catch (const std::exception& e) {
        reportInternalError(std::string("Internal error: ") + e.what());
    } catch (...) {
        reportInternalError("Internal error: unknown exception");
    }
    --m_depth;
    if (m_ended) {
        // End closes every window at once, also from inside a modal form's loop; the statement that
        // showed the modal form then ends its handler too (Form::show).
        m_host.quit();
        return;
    }
    if (m_depth == 0) {
        settleOwed();
    }
}

void Runtime::reportInternalError(const std::string& text)
{
    std::cerr << text << '\n';
    m_untrapped.push_back(text);
    try {
        msgBox(text, Buttons::OK, Icon::Exclamation, "Korvanta");
    } catch (const EndProgram&) {
        m_ended = true;
    } catch (const std::exception& e) {
        std::cerr << "Korvanta: " << e.what() << '\n';
    }
}

// A form that became active by a hide, an unload or a focus move gets its Activate once the outermost
// handler has returned, unless it was the active form when that handler began.
void Runtime::settleOwed()
{
    if (!m_owed) {
        return;
    }
    m_owed = false;
    Form* form = m_active;
    if (form == nullptr || !form->m_visible || form == m_startActive) {
        return;
    }
    dispatch([this, form] {
        runActivate(*form);
        giveFocusAfterActivation(*form);
    });
}

// Activation and focus ------------------------------------------------------------------------------

void Runtime::runActivate(Form& form)
{
    if (m_running.count(&form) != 0) {
        return; // never re-entered: a nested activation of the same form is dropped
    }
    m_running.insert(&form);
    struct Running
    {
        std::set<Form*>& running;
        Form* form;
        ~Running() { running.erase(form); }
    } running{m_running, &form};
    form.onActivate();
}

void Runtime::makeActive(Form& form, bool owed)
{
    if (m_focus != nullptr && &m_focus->form() != &form) {
        Control* old = m_focus;
        m_focus = nullptr;
        m_host.focusChanged(nullptr);
        old->lostFocus.raise();
    }
    m_active = &form;
    m_owed = owed;
    std::erase(m_history, &form);
    m_history.push_back(&form);
    m_host.formChanged(form, FormChange::Activated);
}

void Runtime::giveFocusAfterActivation(Form& form)
{
    if (m_active != &form || !form.m_visible || !form.m_loaded) {
        return;
    }
    Control* target = form.m_focus;
    if (target == nullptr || !target->canFocus()) {
        target = form.firstTabStop();
    }
    if (target != nullptr && target != m_focus) {
        moveFocus(target);
    }
}

void Runtime::formShown(Form& form)
{
    if (m_active == &form) {
        // Already active: brought forward, no Activate. A form hidden while active and shown again
        // gets its focus back.
        if (m_focus == nullptr) {
            giveFocusAfterActivation(form);
        }
        return;
    }
    makeActive(form, false);
    runActivate(form);
    giveFocusAfterActivation(form);
}

void Runtime::formHidden(Form& form, bool unloading)
{
    if (m_focus != nullptr && &m_focus->form() == &form) {
        Control* old = m_focus;
        m_focus = nullptr;
        m_host.focusChanged(nullptr);
        old->lostFocus.raise();
    }
    if (unloading) {
        std::erase(m_history, &form);
    }
    if (m_active != &form) {
        return;
    }
    Form* next = nullptr;
    for (auto it = m_history.rbegin(); it != m_history.rend(); ++it) {
        if (*it != &form && (*it)->m_visible) {
            next = *it;
            break;
        }
    }
    if (next != nullptr) {
        makeActive(*next, true);
        giveFocusAfterActivation(*next);
        return;
    }
    m_owed = false;
    if (unloading) {
        m_active = nullptr;
    }
}

void Runtime::moveFocus(Control* target)
{
    Form& form = target->form();
    if (m_active != &form) {
        makeActive(form, true); // focus into another form makes it active; its Activate is owed
    }
    if (m_focus == target) {
        return;
    }
    Control* old = m_focus;
    m_focus = target;
    form.m_focus = target;
    m_host.focusChanged(target);
    if (old != nullptr) {
        old->lostFocus.raise();
    }
    if (m_focus == target) {
        target->gotFocus.raise();
    }
}

} // namespace platform
