// Keyboard and mouse input of a form window, turned into the model's user input: the model runs
// KeyDown, KeyPress, the edit, Change and KeyUp, and the widget then shows the model's text.
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"
#include "platform/qt/ControlWidgets.h"
#include "platform/qt/FormWindow.h"
#include "platform/qt/QtConvert.h"
#include "platform/qt/QtHost.h"

#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <optional>

namespace platform::qt
{

namespace
{

// Keys whose meaning the model decides: focus moves, default and cancel buttons, the load boxes'
// Insert, edits, and the function keys that reach the menus.
std::optional<Key> modelKey(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return Key::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Key::Enter;
    case Qt::Key_Escape:
        return Key::Escape;
    case Qt::Key_Insert:
        return Key::Insert;
    case Qt::Key_Delete:
        return Key::Delete;
    case Qt::Key_Backspace:
        return Key::Backspace;
    case Qt::Key_F1:
        return Key::F1;
    case Qt::Key_F2:
        return Key::F2;
    case Qt::Key_F3:
        return Key::F3;
    case Qt::Key_F4:
        return Key::F4;
    default:
        return std::nullopt;
    }
}

int shiftState(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers m = event.modifiers();
    int state = shift::None;
    if ((m & Qt::ShiftModifier) != 0 || event.key() == Qt::Key_Backtab) {
        state |= shift::Shift;
    }
    if ((m & Qt::ControlModifier) != 0) {
        state |= shift::Ctrl;
    }
    if ((m & Qt::AltModifier) != 0) {
        state |= shift::Alt;
    }
    return state;
}

std::optional<char> ctrlLetterOf(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers m = event.modifiers();
    if ((m & Qt::ControlModifier) == 0 || (m & Qt::AltModifier) != 0) {
        return std::nullopt;
    }
    if (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) {
        return static_cast<char>('A' + (event.key() - Qt::Key_A));
    }
    return std::nullopt;
}

bool isNavigation(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

bool isPrintable(const QString& text)
{
    if (text.isEmpty()) {
        return false;
    }
    for (QChar c : text) {
        if (c.unicode() < 32 || c.unicode() == 127) {
            return false;
        }
    }
    return true;
}

} // namespace

Control* FormWindow::keyTarget(Control* control) const
{
    if (control != nullptr) {
        return control;
    }
    Runtime* runtime = m_host.runtime();
    Control* focus = runtime == nullptr ? nullptr : runtime->focusedControl();
    return focus != nullptr && &focus->form() == &m_form ? focus : nullptr;
}

bool FormWindow::hasShortcut(const std::string& shortcut) const
{
    for (const Control* c : m_form.controls()) {
        if (c->kind() == ControlKind::MenuItem && c->props().shortcut == shortcut) {
            return true;
        }
    }
    return false;
}

void FormWindow::reportSelection(Control& control)
{
    if (control.kind() != ControlKind::TextBox) {
        return;
    }
    if (QWidget* w = widget(control)) {
        const auto [start, length] = textSelection(w);
        m_host.runtime()->userSelect(static_cast<TextBox&>(control), start, length);
    }
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event)
{
    Control* c = control(watched);
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // Claim the keys the model handles, so that no Qt shortcut takes them first.
        auto* key = static_cast<QKeyEvent*>(event);
        if (modelKey(*key) || ctrlLetterOf(*key)) {
            event->accept();
            return true;
        }
        return false;
    }
    case QEvent::KeyPress:
        return keyPress(c, static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
        return c != nullptr && c->kind() == ControlKind::TextBox;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return c != nullptr && mouse(*c, watched, static_cast<QMouseEvent*>(event));
    case QEvent::InputMethod: {
        auto* input = static_cast<QInputMethodEvent*>(event);
        if (c == nullptr || c->kind() != ControlKind::TextBox || input->commitString().isEmpty()) {
            return false;
        }
        const std::string text = toUtf8(input->commitString());
        m_host.userInput(c, [&] {
            reportSelection(*c);
            m_host.runtime()->userType(static_cast<TextBox&>(*c), text);
        });
        return true;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        // A box's selection shows only while it has the focus: it goes when the focus leaves, for
        // another control or another window, and comes back with the focus. A menu opening takes
        // the focus only for a moment and leaves the selection showing.
        if (c != nullptr && c->kind() == ControlKind::TextBox &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
            if (QWidget* w = widget(*c)) {
                applyTextSelection(w, c->props());
            }
        }
        return false;
    case QEvent::Wheel:
        // A wheel would change a list's choice behind the model's back.
        return c != nullptr && c->kind() == ControlKind::ComboBox;
    case QEvent::ContextMenu:
        return c != nullptr && c->kind() == ControlKind::TextBox;
    default:
        return false;
    }
}

bool FormWindow::keyPress(Control* control, QKeyEvent* event)
{
    Control* target = keyTarget(control);
    Runtime* runtime = m_host.runtime();
    if (const auto key = modelKey(*event)) {
        const int state = shiftState(*event);
        if (target != nullptr) {
            m_host.userInput(target, [&] {
                reportSelection(*target);
                runtime->userKey(*target, *key, state);
            });
        } else if (*key >= Key::F1 && *key <= Key::F4) {
            // No control has the focus: the function keys still reach the form's menus.
            const std::string name =
                "F" + std::to_string(static_cast<int>(*key) - static_cast<int>(Key::F1) + 1);
            for (Control* c : m_form.controls()) {
                if (c->kind() == ControlKind::MenuItem && c->props().shortcut == name) {
                    m_host.userInput(nullptr, [&] { runtime->userMenu(static_cast<MenuItem&>(*c)); });
                    break;
                }
            }
        }
        return true;
    }
    if (const auto letter = ctrlLetterOf(*event)) {
        return ctrlLetter(target, event, *letter);
    }
    if (target == nullptr) {
        return false;
    }
    const ControlKind kind = target->kind();
    const bool editable = kind == ControlKind::TextBox;
    if (isNavigation(event->key())) {
        // Caret moves and list choices are the widget's own; the caret is reported before the next edit.
        return !(editable || kind == ControlKind::ComboBox || kind == ControlKind::ListBox ||
                 kind == ControlKind::TextBox);
    }
    const bool alt = (event->modifiers() & Qt::AltModifier) != 0;
    if (isPrintable(event->text()) && !alt) {
        if (editable) {
            const std::string text = toUtf8(event->text());
            m_host.userInput(target, [&] {
                reportSelection(*target);
                runtime->userType(static_cast<TextBox&>(*target), text);
            });
            return true;
        }
        // Lists search by the typed letter, buttons take Space as a click; the rest have no use for it.
        return !(kind == ControlKind::ComboBox || kind == ControlKind::ListBox ||
                 (event->key() == Qt::Key_Space &&
                  (kind == ControlKind::CommandButton || kind == ControlKind::CheckBox ||
                   kind == ControlKind::OptionButton)));
    }
    // Menu mnemonics and the like pass; nothing else edits a box behind the model's back.
    return kind == ControlKind::TextBox && !alt;
}

bool FormWindow::ctrlLetter(Control* control, QKeyEvent* event, char letter)
{
    Runtime* runtime = m_host.runtime();
    if (hasShortcut(std::string("Ctrl+") + letter)) {
        m_host.userInput(nullptr, [&] { runtime->userCtrlKey(m_form, letter); });
        return true;
    }
    if (control == nullptr || control->kind() != ControlKind::TextBox) {
        return control != nullptr;
    }
    auto& box = static_cast<TextBox&>(*control);
    switch (letter) {
    case 'A':
    case 'C':
        return false; // select all and copy change nothing the model holds
    case 'V': {
        const std::string text = toUtf8(QGuiApplication::clipboard()->text());
        m_host.userInput(&box, [&] {
            reportSelection(box);
            runtime->userPaste(box, text);
        });
        return true;
    }
    case 'X': {
        if (auto* edit = qobject_cast<QLineEdit*>(widget(box)); edit != nullptr && edit->hasSelectedText()) {
            QGuiApplication::clipboard()->setText(edit->selectedText());
            m_host.userInput(&box, [&] {
                reportSelection(box);
                runtime->userKey(box, Key::Delete, shiftState(*event));
            });
        }
        return true;
    }
    default:
        return true; // undo, redo and the rest would edit behind the model's back
    }
}

bool FormWindow::mouse(Control& control, QObject* watched, QMouseEvent* event)
{
    // A hyperlink label hears every button: what a right or middle press does is its own.
    if (event->button() != Qt::LeftButton && control.kind() != ControlKind::HyperLink) {
        return control.kind() == ControlKind::TextBox && event->button() == Qt::MiddleButton;
    }
    Runtime* runtime = m_host.runtime();
    const ControlKind kind = control.kind();
    const QEvent::Type type = event->type();
    switch (kind) {
    case ControlKind::TextBox:
        // The widget places the caret; on release the model hears of it and of the click.
        if (type == QEvent::MouseButtonRelease) {
            m_host.userInput(&control, [&] {
                reportSelection(control);
                runtime->userClick(control);
            });
        }
        return false;
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
        if (type == QEvent::MouseButtonPress) {
            m_host.userInput(&control, [&] { runtime->userFocus(control); });
        } else if (type == QEvent::MouseButtonDblClick && kind == ControlKind::ListBox) {
            m_host.userInput(&control, [&] { runtime->dispatch([&] { control.dblClick.raise(); }); });
        }
        return false;
    case ControlKind::CommandButton:
    case ControlKind::CheckBox:
        return false; // Qt's click, a double click being a second click
    case ControlKind::OptionButton:
        if (type == QEvent::MouseButtonDblClick) {
            m_host.userInput(&control, [&] { runtime->dispatch([&] { control.dblClick.raise(); }); });
            return true;
        }
        return false;
    case ControlKind::HyperLink:
        if (type == QEvent::MouseButtonPress) {
            const Qt::MouseButton pressed = event->button();
            const MouseButton button = pressed == Qt::LeftButton    ? MouseButton::Left
                                       : pressed == Qt::RightButton ? MouseButton::Right
                                                                    : MouseButton::Middle;
            m_host.userInput(&control, [&] { runtime->userMouseDown(control, button); });
        }
        return true;
    default: {
        // Labels, frames, panels and images: Click on release inside, DblClick on the second press.
        auto* w = qobject_cast<QWidget*>(watched);
        if (type == QEvent::MouseButtonRelease && w != nullptr &&
            w->rect().contains(event->position().toPoint())) {
            m_host.userInput(&control, [&] { runtime->userClick(control); });
        } else if (type == QEvent::MouseButtonDblClick) {
            m_host.userInput(&control, [&] { runtime->dispatch([&] { control.dblClick.raise(); }); });
        }
        return true;
    }
    }
}

} // namespace platform::qt
