// What the user does, as the hosts and the test driver deliver it: each action is one dispatch.
#include "platform/core/RuntimeError.h"
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/Host.h"
#include "platform/forms/Runtime.h"
#include "platform/forms/Utf8.h"

#include <algorithm>
#include <cctype>

namespace platform
{

namespace
{

// The key code KeyDown sees for a typed character.
std::int16_t keyCodeOf(char32_t c)
{
    if (c >= 'a' && c <= 'z') {
        return static_cast<std::int16_t>(c - 'a' + 'A');
    }
    if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ') {
        return static_cast<std::int16_t>(c);
    }
    switch (c) {
    case ',':
        return 188;
    case '.':
        return 190;
    case '-':
        return 189;
    case '/':
        return 191;
    case 8:
        return 8;
    default:
        return 0;
    }
}

bool usable(Control& control)
{
    Form& form = control.form();
    if (!form.loaded() || !control.props().visible) {
        return false;
    }
    for (Control* c = &control; c != nullptr; c = c->container()) {
        if (!c->props().visible || !c->props().enabled) {
            return false;
        }
    }
    return true;
}

} // namespace

void Runtime::userSwitch(Form& form)
{
    dispatch([&] {
        if (m_active == &form || !form.m_visible) {
            return; // a report for the form that is already active is ignored
        }
        makeActive(form, false);
        runActivate(form);
        giveFocusAfterActivation(form);
    });
}

void Runtime::userFocus(Control& control)
{
    if (m_active != &control.form()) {
        userSwitch(control.form());
    }
    dispatch([&] {
        if (control.canFocus()) {
            moveFocus(&control);
        }
    });
}

void Runtime::userMouseDown(Control& control, MouseButton button)
{
    if (control.kind() != ControlKind::HyperLink || !control.form().m_visible || !usable(control)) {
        return;
    }
    if (m_active != &control.form()) {
        userSwitch(control.form());
    }
    dispatch([&] { static_cast<HyperLink&>(control).mouseDown.raise(button); });
}

void Runtime::userClick(Control& control)
{
    if (control.kind() == ControlKind::MenuItem) {
        userMenu(static_cast<MenuItem&>(control));
        return;
    }
    if (!control.form().m_visible || !usable(control)) {
        return;
    }
    if (m_active != &control.form()) {
        userSwitch(control.form());
    }
    dispatch([&] {
        // A click moves the focus first, then raises Click.
        if (control.canFocus()) {
            moveFocus(&control);
        }
        switch (control.kind()) {
        case ControlKind::CommandButton:
            static_cast<CommandButton&>(control).setValue(true);
            break;
        case ControlKind::CheckBox: {
            auto& box = static_cast<CheckBox&>(control);
            box.setValue(box.value() == 0 ? 1 : 0); // a greyed box goes to 0
            break;
        }
        case ControlKind::OptionButton:
            static_cast<OptionButton&>(control).setValue(true);
            break;
        case ControlKind::ComboBox:
        case ControlKind::ListBox:
            break;
        default:
            control.click.raise();
            break;
        }
    });
}

void Runtime::userDoubleClick(Control& control)
{
    userClick(control);
    if (!control.form().m_visible || !usable(control)) {
        return;
    }
    dispatch([&] { control.dblClick.raise(); });
}

void Runtime::userType(TextBox& box, std::string_view utf8Text)
{
    for (char32_t c : utf8::decode(utf8Text)) {
        if (!box.form().m_visible || !box.canFocus()) {
            m_untrapped.push_back("cannot type into " + box.name() + ": it cannot take the focus");
            return;
        }
        if (m_focus != &box) {
            userFocus(box);
        }
        dispatch([&] { typeOne(box, c); });
    }
}

// KeyPress carries a 16-bit character code. A character beyond that range reaches it as the
// replacement character, and is inserted itself unless the handler swallows or replaces it.
void Runtime::typeOne(TextBox& box, char32_t ch)
{
    constexpr char32_t Replacement = 0xFFFD;
    std::int16_t code = keyCodeOf(ch);
    box.keyDown.raise(code, 0);
    const auto offered = static_cast<std::uint16_t>(ch > 0xFFFF ? Replacement : ch);
    std::int16_t typed = static_cast<std::int16_t>(offered);
    box.keyPress.raise(typed);
    const auto answered = static_cast<std::uint16_t>(typed);
    const char32_t inserted = answered == offered ? ch : answered;
    if (answered != 0) {
        auto chars = utf8::decode(box.m_props.text);
        int start = std::clamp(box.m_props.selStart, 0, static_cast<int>(chars.size()));
        int length = std::clamp(box.m_props.selLength, 0, static_cast<int>(chars.size()) - start);
        bool changed = false;
        if (inserted == 8) {
            if (length == 0 && start > 0) {
                --start;
                length = 1;
            }
            if (length > 0) {
                chars.erase(chars.begin() + start, chars.begin() + start + length);
                changed = true;
            }
        } else if (inserted >= 32) {
            const int max = box.m_props.maxLength;
            if (max == 0 || static_cast<int>(chars.size()) - length + 1 <= max) {
                chars.erase(chars.begin() + start, chars.begin() + start + length);
                chars.insert(chars.begin() + start, inserted);
                ++start;
                changed = true;
            }
        }
        if (changed) {
            box.m_props.text = utf8::encode(chars);
            box.m_props.selStart = start;
            box.m_props.selLength = 0;
            box.notify();
            box.change.raise();
        }
    }
    box.keyUp.raise(code, 0);
}

void Runtime::userPaste(TextBox& box, std::string_view utf8Text)
{
    if (!box.form().m_visible || !box.canFocus()) {
        m_untrapped.push_back("cannot paste into " + box.name() + ": it cannot take the focus");
        return;
    }
    if (m_focus != &box) {
        userFocus(box);
    }
    dispatch([&] { insertText(box, std::string(utf8Text)); });
}

void Runtime::insertText(TextBox& box, const std::string& text)
{
    auto chars = utf8::decode(box.m_props.text);
    const int start = std::clamp(box.m_props.selStart, 0, static_cast<int>(chars.size()));
    const int length = std::clamp(box.m_props.selLength, 0, static_cast<int>(chars.size()) - start);
    auto pasted = utf8::decode(text);
    std::erase_if(pasted, [](char32_t c) { return c == '\r' || c == '\n'; });
    const int max = box.m_props.maxLength;
    if (max > 0) {
        const int room = std::max(0, max - (static_cast<int>(chars.size()) - length));
        if (static_cast<int>(pasted.size()) > room) {
            pasted.resize(static_cast<std::size_t>(room)); // a paste inserts only what fits
        }
    }
    chars.erase(chars.begin() + start, chars.begin() + start + length);
    chars.insert(chars.begin() + start, pasted.begin(), pasted.end());
    const std::string after = utf8::encode(chars);
    box.m_props.selStart = start + static_cast<int>(pasted.size());
    box.m_props.selLength = 0;
    if (after != box.m_props.text) {
        box.m_props.text = after;
        box.notify();
        box.change.raise();
    } else {
        box.notify();
    }
}

void Runtime::userSelect(TextBox& box, int start, int length)
{
    const int size = utf8::length(box.m_props.text);
    box.m_props.selStart = std::clamp(start, 0, size);
    box.m_props.selLength = std::clamp(length, 0, size - box.m_props.selStart);
}

void Runtime::userChoose(ListControl& list, int index)
{
    if (!list.form().m_visible || !usable(list)) {
        return;
    }
    if (m_active != &list.form()) {
        userSwitch(list.form());
    }
    dispatch([&] {
        if (list.canFocus()) {
            moveFocus(&list);
        }
        list.setListIndex(index);
    });
}

// The list takes the text as a code write does: Change, and the list position moves to an equal entry
// (or to none) without Click, so a typed name fills nothing that a pick would fill.
void Runtime::userEdit(ListControl& list, std::string_view utf8Text)
{
    const bool editable =
        list.kind() == ControlKind::ComboBox && list.props().comboStyle == ComboStyle::DropDownCombo;
    if (!editable || !list.form().m_visible || !usable(list)) {
        return;
    }
    if (m_focus != &list) {
        userFocus(list);
    }
    dispatch([&] { list.setText(utf8Text); });
}

void Runtime::userMenu(MenuItem& item)
{
    dispatch([&] {
        if (item.form().m_visible && item.reachable()) {
            item.click.raise();
        }
    });
}

void Runtime::userCtrlKey(Form& form, char letter)
{
    const std::string shortcut = std::string("Ctrl+") + static_cast<char>(std::toupper(letter));
    for (Control* c : form.controls()) {
        if (c->kind() == ControlKind::MenuItem && c->props().shortcut == shortcut) {
            userMenu(static_cast<MenuItem&>(*c));
            return;
        }
    }
}

void Runtime::userKey(Control& control, Key key, int shiftState)
{
    Form& form = control.form();
    if (!form.m_visible) {
        return;
    }
    // Function keys reach the form's menu shortcuts before the control.
    if (key >= Key::F1 && key <= Key::F4) {
        const std::string shortcut =
            "F" + std::to_string(static_cast<int>(key) - static_cast<int>(Key::F1) + 1);
        for (Control* c : form.controls()) {
            if (c->kind() == ControlKind::MenuItem && c->props().shortcut == shortcut) {
                userMenu(static_cast<MenuItem&>(*c));
                return;
            }
        }
    }
    if (control.canFocus() && m_focus != &control) {
        userFocus(control);
    }
    dispatch([&] {
        auto* box = control.kind() == ControlKind::TextBox ? &static_cast<TextBox&>(control) : nullptr;
        if (key == Key::Tab) {
            tabFrom(control, (shiftState & shift::Shift) != 0);
            return;
        }
        if (key == Key::Enter && control.kind() == ControlKind::CommandButton) {
            static_cast<CommandButton&>(control).setValue(true); // Enter presses the focused button
            return;
        }
        if (key == Key::Enter || key == Key::Escape) {
            const bool multiLine = box != nullptr && box->m_props.multiLine;
            for (Control* c : form.controls()) {
                const bool wanted = key == Key::Enter ? c->props().isDefault : c->props().isCancel;
                if (c->kind() == ControlKind::CommandButton && wanted && !multiLine &&
                    (key == Key::Escape || control.kind() != ControlKind::CommandButton) && usable(*c)) {
                    static_cast<CommandButton&>(*c).setValue(true);
                    return;
                }
            }
        }
        if (key == Key::Backspace && box != nullptr) {
            typeOne(*box, 8);
            return;
        }
        std::int16_t code = static_cast<std::int16_t>(keyCode(key));
        control.keyDown.raise(code, shiftState);
        if (code != 0 && (key == Key::Enter || key == Key::Escape)) {
            std::int16_t ch = static_cast<std::int16_t>(key == Key::Enter ? 13 : 27);
            control.keyPress.raise(ch);
        }
        if (code != 0 && box != nullptr) {
            const int size = utf8::length(box->m_props.text);
            auto& p = box->m_props;
            switch (key) {
            case Key::Delete:
                if (p.selLength == 0 && p.selStart < size) {
                    p.selLength = 1;
                }
                if (p.selLength > 0) {
                    insertText(*box, "");
                }
                break;
            case Key::Home:
                p.selStart = 0;
                p.selLength = 0;
                break;
            case Key::End:
                p.selStart = size;
                p.selLength = 0;
                break;
            case Key::Left:
                p.selStart = std::max(0, p.selStart - 1);
                p.selLength = 0;
                break;
            case Key::Right:
                p.selStart = std::min(size, p.selStart + p.selLength + 1);
                p.selLength = 0;
                break;
            default:
                break;
            }
        }
        control.keyUp.raise(code, shiftState);
    });
}

void Runtime::tabFrom(Control& control, bool backwards)
{
    std::vector<Control*> stops;
    for (Control* c : control.form().controls()) {
        if (c->props().tabStop && c->canFocus()) {
            stops.push_back(c);
        }
    }
    if (stops.empty()) {
        return;
    }
    std::stable_sort(stops.begin(), stops.end(),
                     [](Control* a, Control* b) { return a->props().tabIndex < b->props().tabIndex; });
    auto it = std::find(stops.begin(), stops.end(), &control);
    Control* next = nullptr;
    if (it == stops.end()) {
        next = backwards ? stops.back() : stops.front();
    } else if (backwards) {
        next = it == stops.begin() ? stops.back() : *(it - 1);
    } else {
        next = (it + 1) == stops.end() ? stops.front() : *(it + 1);
    }
    moveFocus(next);
}

void Runtime::userCloseBox(Form& form)
{
    userQueryUnload(form, UnloadReason::CloseBox);
}

void Runtime::userQueryUnload(Form& form, UnloadReason reason)
{
    dispatch([&] { queryAndUnload(form, reason); });
}

void Runtime::queryAndUnload(Form& form, UnloadReason reason)
{
    if (!form.loaded()) {
        return;
    }
    bool cancel = false;
    form.onQueryUnload(cancel, reason);
    if (!cancel) {
        form.unloadNow();
    }
}

} // namespace platform
