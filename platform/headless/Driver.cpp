// The test driver: a fresh program folder per test, a headless host and a runtime.
#include "platform/headless/Driver.h"

#include "platform/forms/Utf8.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
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

namespace
{

std::string nameOf(const Control& control)
{
    std::string name = control.form().name() + "." + control.name();
    if (control.index() >= 0) {
        name += "(" + std::to_string(control.index()) + ")";
    }
    return name;
}

} // namespace

std::optional<std::string> Driver::unreachable(Form& form)
{
    if (m_runtime->ended()) {
        return "the program has ended";
    }
    if (!form.loaded() || !form.visible()) {
        return "form " + form.name() + " is not shown";
    }
    if (const Form* modal = m_host.modalForm(); modal != nullptr && modal != &form) {
        return "form " + form.name() + " is disabled while " + modal->name() + " is shown modal";
    }
    return std::nullopt;
}

std::optional<std::string> Driver::unreachable(Control& control)
{
    if (auto why = unreachable(control.form())) {
        return why;
    }
    if (control.props().separator) {
        return std::string("it is a menu separator");
    }
    for (const Control* c = &control; c != nullptr; c = c->container()) {
        const std::string who = c == &control ? "it" : "its container " + c->name();
        if (!c->props().visible) {
            return who + " is hidden";
        }
        if (!c->props().enabled) {
            return who + " is disabled";
        }
    }
    return std::nullopt;
}

bool Driver::reachable(Form& form, std::string_view action)
{
    if (auto why = unreachable(form)) {
        ADD_FAILURE() << "cannot " << action << " form " << form.name() << ": " << *why;
        return false;
    }
    return true;
}

bool Driver::reachable(Control& control, std::string_view action)
{
    if (auto why = unreachable(control)) {
        ADD_FAILURE() << "cannot " << action << " " << nameOf(control) << ": " << *why;
        return false;
    }
    return true;
}

void Driver::expectUnreachable(Control& control)
{
    if (!unreachable(control)) {
        ADD_FAILURE() << nameOf(control) << " is within the user's reach";
        return;
    }
    if (control.kind() == ControlKind::MenuItem) {
        m_runtime->userMenu(static_cast<MenuItem&>(control));
    } else {
        m_runtime->userClick(control);
    }
}

void Driver::type(TextBox& box, std::string_view text)
{
    if (reachable(box, "type into")) {
        m_runtime->userType(box, text);
    }
}

void Driver::paste(TextBox& box, std::string_view text)
{
    if (reachable(box, "paste into")) {
        m_runtime->userPaste(box, text);
    }
}

void Driver::retype(TextBox& box, std::string_view text)
{
    if (!reachable(box, "retype")) {
        return;
    }
    focus(box);
    m_runtime->userSelect(box, 0, static_cast<int>(box.props().text.size()) + 1);
    if (text.empty()) {
        key(box, Key::Delete);
        return;
    }
    type(box, text);
}

bool Driver::editable(ComboBox& list, std::string_view action)
{
    if (list.props().comboStyle != ComboStyle::DropDownCombo) {
        ADD_FAILURE() << "cannot " << action << " " << nameOf(list) << ": it is a list without a text part";
        return false;
    }
    return reachable(list, action);
}

void Driver::type(ComboBox& list, std::string_view text)
{
    if (!editable(list, "type into")) {
        return;
    }
    std::string typed = list.props().text;
    for (char32_t c : utf8::decode(text)) {
        typed += utf8::encode(c);
        m_runtime->userEdit(list, typed);
    }
}

void Driver::retype(ComboBox& list, std::string_view text)
{
    if (!editable(list, "retype")) {
        return;
    }
    // The first character replaces the selected text; an empty text is the selection deleted.
    const auto chars = utf8::decode(text);
    m_runtime->userEdit(list, chars.empty() ? std::string() : utf8::encode(chars.front()));
    if (chars.size() > 1) {
        type(list, utf8::encode(std::vector<char32_t>(chars.begin() + 1, chars.end())));
    }
}

void Driver::key(Control& control, Key key, int shiftState)
{
    if (reachable(control, "press a key in")) {
        m_runtime->userKey(control, key, shiftState);
    }
}

void Driver::ctrlKey(Form& form, char letter)
{
    if (!reachable(form, "press Ctrl+" + std::string(1, letter) + " on")) {
        return;
    }
    const std::string shortcut = std::string("Ctrl+") + static_cast<char>(std::toupper(letter));
    for (Control* c : form.controls()) {
        if (c->kind() == ControlKind::MenuItem && c->props().shortcut == shortcut) {
            if (reachable(*c, "press " + shortcut + " for")) {
                m_runtime->userCtrlKey(form, letter);
            }
            return;
        }
    }
    ADD_FAILURE() << "cannot press " << shortcut << " on form " << form.name() << ": no menu entry has it";
}

void Driver::focus(Control& control)
{
    if (!reachable(control, "focus")) {
        return;
    }
    if (!control.focusable()) {
        ADD_FAILURE() << "cannot focus " << nameOf(control) << ": it takes no focus";
        return;
    }
    m_runtime->userFocus(control);
}

void Driver::click(Control& control)
{
    if (reachable(control, "click")) {
        m_runtime->userClick(control);
    }
}

void Driver::mouseDown(Control& control, MouseButton button)
{
    if (reachable(control, "press the mouse on")) {
        m_runtime->userMouseDown(control, button);
    }
}

void Driver::doubleClick(Control& control)
{
    if (reachable(control, "double-click")) {
        m_runtime->userDoubleClick(control);
    }
}

void Driver::menu(MenuItem& item)
{
    if (reachable(item, "choose the menu entry")) {
        m_runtime->userMenu(item);
    }
}

void Driver::choose(ListControl& list, int index)
{
    if (!reachable(list, "choose in")) {
        return;
    }
    if (index < 0 || index >= static_cast<int>(list.props().items.size())) {
        ADD_FAILURE() << "cannot choose in " << nameOf(list) << ": it has no entry " << index;
        return;
    }
    m_runtime->userChoose(list, index);
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
    ADD_FAILURE() << "cannot choose in " << nameOf(list) << ": it has no entry \"" << item << "\"";
}

void Driver::closeBox(Form& form)
{
    if (reachable(form, "use the close box of")) {
        m_runtime->userCloseBox(form);
    }
}

void Driver::switchTo(Form& form)
{
    if (reachable(form, "switch to")) {
        m_runtime->userSwitch(form);
    }
}

void Driver::clearMessages()
{
    m_host.clearMessages();
}

} // namespace platform::test
