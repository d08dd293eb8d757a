// Control properties and the events that code writes raise.
#include "platform/forms/Control.h"

#include "platform/core/RuntimeError.h"
#include "platform/forms/Form.h"
#include "platform/forms/Host.h"
#include "platform/forms/Runtime.h"
#include "platform/forms/Utf8.h"

#include <algorithm>

namespace platform
{

namespace
{

template <class T, class U> bool assign(T& field, const U& value)
{
    if (field == value) {
        return false;
    }
    field = value;
    return true;
}

bool focusableKind(ControlKind kind)
{
    switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::CommandButton:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
        return true;
    default:
        return false;
    }
}

} // namespace

Control::Control(Form& form, ControlKind kind, std::string name, int index)
    : m_form(form), m_kind(kind), m_name(std::move(name)), m_index(index)
{
    m_props.tabStop = focusableKind(kind);
    // Controls whose tab position the design does not set follow, in design order, those it sets.
    m_props.tabIndex = 1000 + static_cast<int>(form.controls().size());
    if (kind == ControlKind::TextBox) {
        m_props.foreColor = SystemWindowText;
    } else if (kind == ControlKind::CommandButton) {
        m_props.foreColor = SystemButtonText;
    }
    form.registerControl(*this);
}

void Control::touch()
{
    m_form.touch();
}

bool Control::quiet() const
{
    return m_form.quiet();
}

void Control::notify()
{
    if (!quiet()) {
        m_form.runtime().host().controlChanged(*this);
    }
}

// Geometry ------------------------------------------------------------------------------------------

double Control::left()
{
    touch();
    return m_props.left;
}
double Control::top()
{
    touch();
    return m_props.top;
}
double Control::width()
{
    touch();
    return m_props.width;
}
double Control::height()
{
    touch();
    return m_props.height;
}
void Control::setLeft(double twips)
{
    touch();
    if (assign(m_props.left, twips)) {
        notify();
    }
}
void Control::setTop(double twips)
{
    touch();
    if (assign(m_props.top, twips)) {
        notify();
    }
}
void Control::setWidth(double twips)
{
    touch();
    if (assign(m_props.width, twips)) {
        notify();
    }
}
void Control::setHeight(double twips)
{
    touch();
    if (assign(m_props.height, twips)) {
        notify();
    }
}
void Control::setBounds(double left, double top, double width, double height)
{
    touch();
    bool changed = assign(m_props.left, left);
    changed = assign(m_props.top, top) || changed;
    changed = assign(m_props.width, width) || changed;
    changed = assign(m_props.height, height) || changed;
    if (changed) {
        notify();
    }
}

// Common state --------------------------------------------------------------------------------------

bool Control::visible()
{
    touch();
    return m_props.visible;
}
void Control::setVisible(bool visible)
{
    touch();
    if (assign(m_props.visible, visible)) {
        notify();
    }
}
bool Control::enabled()
{
    touch();
    return m_props.enabled;
}
void Control::setEnabled(bool enabled)
{
    touch();
    if (assign(m_props.enabled, enabled)) {
        notify();
    }
}
int Control::tabIndex()
{
    touch();
    return m_props.tabIndex;
}
void Control::setTabIndex(int index)
{
    touch();
    m_props.tabIndex = index;
}
bool Control::tabStop()
{
    touch();
    return m_props.tabStop;
}
void Control::setTabStop(bool stop)
{
    touch();
    m_props.tabStop = stop;
}
std::string Control::toolTipText()
{
    touch();
    return m_props.toolTipText;
}
void Control::setToolTipText(std::string_view tip)
{
    touch();
    if (assign(m_props.toolTipText, tip)) {
        notify();
    }
}
std::uint32_t Control::foreColor()
{
    touch();
    return m_props.foreColor;
}
void Control::setForeColor(std::uint32_t colour)
{
    touch();
    if (assign(m_props.foreColor, colour)) {
        notify();
    }
}
std::uint32_t Control::backColor()
{
    touch();
    return m_props.backColor;
}
void Control::setBackColor(std::uint32_t colour)
{
    touch();
    if (assign(m_props.backColor, colour)) {
        notify();
    }
}
FontSpec Control::font()
{
    touch();
    return m_props.font;
}
void Control::setFont(const FontSpec& font)
{
    touch();
    if (assign(m_props.font, font)) {
        notify();
    }
}
void Control::setFontBold(bool bold)
{
    touch();
    if (assign(m_props.font.bold, bold)) {
        notify();
    }
}
void Control::setFontSize(double points)
{
    touch();
    if (assign(m_props.font.size, points)) {
        notify();
    }
}

bool Control::focusable() const
{
    return focusableKind(m_kind);
}

bool Control::canFocus()
{
    touch();
    if (!focusable() || !m_form.loaded() || !m_form.m_visible) {
        return false;
    }
    for (Control* c = this; c != nullptr; c = c->m_container) {
        if (!c->m_props.visible || !c->m_props.enabled) {
            return false;
        }
    }
    return true;
}

void Control::setFocus()
{
    touch();
    if (!canFocus()) {
        raise(err::InvalidCall);
    }
    m_form.runtime().moveFocus(this);
}

void Control::refresh()
{
    touch();
    if (m_form.m_visible) {
        m_form.runtime().host().repaintNow(m_form);
    }
}

// Label ---------------------------------------------------------------------------------------------

std::string Label::caption()
{
    touch();
    return m_props.caption;
}
void Label::setCaption(std::string_view caption)
{
    touch();
    if (assign(m_props.caption, caption)) {
        notify();
        if (!quiet()) {
            change.raise();
        }
    }
}
std::string HyperLink::caption()
{
    touch();
    return m_props.caption;
}
void HyperLink::setCaption(std::string_view caption)
{
    touch();
    if (assign(m_props.caption, caption)) {
        notify();
    }
}
std::string HyperLink::url()
{
    touch();
    return m_props.url;
}
void HyperLink::setUrl(std::string_view url)
{
    touch();
    if (assign(m_props.url, url)) {
        notify();
    }
}

void Label::setAlignment(Alignment alignment)
{
    touch();
    if (assign(m_props.alignment, alignment)) {
        notify();
    }
}
void Label::setBorderStyle(int style)
{
    touch();
    if (assign(m_props.borderStyle, style)) {
        notify();
    }
}
void Label::setTransparent(bool transparent)
{
    touch();
    if (assign(m_props.transparent, transparent)) {
        notify();
    }
}
void Label::setWordWrap(bool wrap)
{
    touch();
    if (assign(m_props.wordWrap, wrap)) {
        notify();
    }
}

// Text box ------------------------------------------------------------------------------------------

std::string TextBox::text()
{
    touch();
    return m_props.text;
}
void TextBox::setText(std::string_view text)
{
    touch();
    if (m_props.text == text) {
        return;
    }
    m_props.text = text;
    m_props.selStart = 0;
    m_props.selLength = 0;
    notify();
    if (!quiet()) {
        change.raise();
    }
}
int TextBox::maxLength()
{
    touch();
    return m_props.maxLength;
}
void TextBox::setMaxLength(int length)
{
    touch();
    m_props.maxLength = std::max(0, length);
}
int TextBox::selStart()
{
    touch();
    return m_props.selStart;
}
void TextBox::setSelStart(int start)
{
    touch();
    const int length = utf8::length(m_props.text);
    m_props.selStart = std::clamp(start, 0, length);
    m_props.selLength = 0;
    notify();
}
int TextBox::selLength()
{
    touch();
    return m_props.selLength;
}
void TextBox::setSelLength(int length)
{
    touch();
    const int room = utf8::length(m_props.text) - m_props.selStart;
    m_props.selLength = std::clamp(length, 0, std::max(0, room));
    notify();
}
std::string TextBox::selText()
{
    touch();
    auto chars = utf8::decode(m_props.text);
    const auto begin = chars.begin() + m_props.selStart;
    return utf8::encode(std::vector<char32_t>(begin, begin + m_props.selLength));
}
void TextBox::setAlignment(Alignment alignment)
{
    touch();
    if (assign(m_props.alignment, alignment)) {
        notify();
    }
}
void TextBox::setMultiLine(bool multiLine)
{
    touch();
    m_props.multiLine = multiLine;
}

// Command button ------------------------------------------------------------------------------------

std::string CommandButton::caption()
{
    touch();
    return m_props.caption;
}
void CommandButton::setCaption(std::string_view caption)
{
    touch();
    if (assign(m_props.caption, caption)) {
        notify();
    }
}
bool CommandButton::value()
{
    touch();
    return m_pressed;
}
void CommandButton::setValue(bool value)
{
    touch();
    if (!value || quiet()) {
        return;
    }
    // The button reads as pressed only while its Click runs.
    struct Pressed
    {
        bool& flag;
        bool before;
        ~Pressed() { flag = before; }
    } pressed{m_pressed, m_pressed};
    m_pressed = true;
    click.raise();
}
bool CommandButton::isDefault()
{
    touch();
    return m_props.isDefault;
}
void CommandButton::setDefault(bool isDefault)
{
    touch();
    if (isDefault) {
        for (Control* c : form().controls()) {
            if (c != this && c->kind() == ControlKind::CommandButton && c->m_props.isDefault) {
                c->m_props.isDefault = false;
                c->notify();
            }
        }
    }
    if (assign(m_props.isDefault, isDefault)) {
        notify();
    }
}
void CommandButton::setCancel(bool isCancel)
{
    touch();
    if (isCancel) {
        for (Control* c : form().controls()) {
            if (c != this && c->kind() == ControlKind::CommandButton) {
                c->m_props.isCancel = false;
            }
        }
    }
    m_props.isCancel = isCancel;
}
void CommandButton::setThreeD(bool threeD)
{
    touch();
    m_props.threeD = threeD;
}
void CommandButton::setPicture(std::string_view id)
{
    touch();
    if (assign(m_props.picture, id)) {
        notify();
    }
}

// Check box -----------------------------------------------------------------------------------------

std::string CheckBox::caption()
{
    touch();
    return m_props.caption;
}
void CheckBox::setCaption(std::string_view caption)
{
    touch();
    if (assign(m_props.caption, caption)) {
        notify();
    }
}
int CheckBox::value()
{
    touch();
    return m_props.value;
}
void CheckBox::setValue(int value)
{
    touch();
    if (m_props.threeD) {
        value = value != 0 ? -1 : 0;
    } else if (value < 0 || value > 2) {
        raise(err::InvalidPropertyValue);
    }
    if (assign(m_props.value, value)) {
        notify();
        if (!quiet()) {
            click.raise();
        }
    }
}
bool CheckBox::checked()
{
    return value() != 0;
}
void CheckBox::setThreeD(bool threeD)
{
    touch();
    m_props.threeD = threeD;
    if (threeD && m_props.value != 0) {
        m_props.value = -1;
    }
}
void CheckBox::setAlignment(Alignment alignment)
{
    touch();
    m_props.alignment = alignment;
}

// Option button -------------------------------------------------------------------------------------

std::string OptionButton::caption()
{
    touch();
    return m_props.caption;
}
void OptionButton::setCaption(std::string_view caption)
{
    touch();
    if (assign(m_props.caption, caption)) {
        notify();
    }
}
bool OptionButton::value()
{
    touch();
    return m_props.value != 0;
}
void OptionButton::setValue(bool selected)
{
    touch();
    if (!selected) {
        if (assign(m_props.value, 0)) {
            notify();
        }
        return;
    }
    if (m_props.value != 0) {
        return; // already selected: nothing happens
    }
    // Options are exclusive within their direct container; the others go off without events.
    for (Control* c : form().controls()) {
        if (c != this && c->kind() == ControlKind::OptionButton && c->container() == container() &&
            c->m_props.value != 0) {
            c->m_props.value = 0;
            c->notify();
        }
    }
    m_props.value = -1;
    notify();
    if (!quiet()) {
        click.raise();
    }
}
void OptionButton::setThreeD(bool threeD)
{
    touch();
    m_props.threeD = threeD;
}

// Lists ---------------------------------------------------------------------------------------------

void ListControl::addItem(std::string_view item)
{
    touch();
    m_props.items.emplace_back(item);
    notify();
}
void ListControl::clear()
{
    touch();
    m_props.items.clear();
    m_props.listIndex = -1;
    m_props.text.clear();
    notify();
}
int ListControl::listCount()
{
    touch();
    return static_cast<int>(m_props.items.size());
}
std::string ListControl::list(int index)
{
    touch();
    if (index < 0 || index >= static_cast<int>(m_props.items.size())) {
        return {};
    }
    return m_props.items[static_cast<std::size_t>(index)];
}
int ListControl::listIndex()
{
    touch();
    return m_props.listIndex;
}
void ListControl::setListIndex(int index)
{
    touch();
    if (index < -1 || index >= static_cast<int>(m_props.items.size())) {
        raise(err::InvalidPropertyValue);
    }
    if (index == m_props.listIndex) {
        return;
    }
    m_props.listIndex = index;
    m_props.text = index >= 0 ? m_props.items[static_cast<std::size_t>(index)] : std::string();
    notify();
    if (!quiet()) {
        click.raise();
    }
}
std::string ListControl::text()
{
    touch();
    return m_props.text;
}
void ListControl::setText(std::string_view text)
{
    touch();
    const auto found = std::find(m_props.items.begin(), m_props.items.end(), text);
    const int foundIndex =
        found == m_props.items.end() ? -1 : static_cast<int>(found - m_props.items.begin());
    const bool editable = kind() == ControlKind::ComboBox && m_props.comboStyle == ComboStyle::DropDownCombo;
    if (!editable) {
        if (foundIndex < 0) {
            raise(err::TextReadOnly);
        }
        setListIndex(foundIndex);
        return;
    }
    m_props.listIndex = foundIndex;
    if (assign(m_props.text, text)) {
        notify();
        if (!quiet()) {
            change.raise();
        }
    }
}
void ComboBox::setStyle(ComboStyle style)
{
    touch();
    m_props.comboStyle = style;
}

// Frames, panels, pictures, lines, shapes -----------------------------------------------------------

std::string Frame::caption()
{
    touch();
    return m_props.caption;
}
void Frame::setCaption(std::string_view caption)
{
    touch();
    if (assign(m_props.caption, caption)) {
        notify();
    }
}
void Frame::setThreeD(bool threeD)
{
    touch();
    m_props.threeD = threeD;
}

std::string Panel::caption()
{
    touch();
    return m_props.caption;
}
void Panel::setCaption(std::string_view caption)
{
    touch();
    if (assign(m_props.caption, caption)) {
        notify();
    }
}
void Panel::setAlignment(Alignment alignment)
{
    touch();
    if (assign(m_props.alignment, alignment)) {
        notify();
    }
}
void Panel::setBevelOuter(int bevel)
{
    touch();
    if (assign(m_props.bevelOuter, bevel)) {
        notify();
    }
}
void Panel::setFont3D(int style)
{
    touch();
    if (assign(m_props.font3D, style)) {
        notify();
    }
}
int Panel::floodPercent()
{
    touch();
    return m_props.floodPercent;
}
void Panel::setFloodPercent(int percent)
{
    touch();
    if (assign(m_props.floodPercent, std::clamp(percent, 0, 100))) {
        notify();
    }
}
bool Panel::emphasis()
{
    touch();
    return m_props.emphasis;
}
void Panel::setEmphasis(bool on)
{
    touch();
    if (assign(m_props.emphasis, on)) {
        notify();
    }
}

void Image::setPicture(std::string_view id)
{
    touch();
    if (assign(m_props.picture, id)) {
        notify();
    }
}

void Line::setPoints(double x1, double y1, double x2, double y2)
{
    touch();
    m_props.x1 = x1;
    m_props.y1 = y1;
    m_props.x2 = x2;
    m_props.y2 = y2;
    notify();
}
void Line::setBorderWidth(int width)
{
    touch();
    if (assign(m_props.borderWidth, width)) {
        notify();
    }
}
void Line::setBorderColor(std::uint32_t colour)
{
    touch();
    if (assign(m_props.borderColor, colour)) {
        notify();
    }
}
void Line::setLineStyle(LineStyle style)
{
    touch();
    if (assign(m_props.lineStyle, style)) {
        notify();
    }
}

void Shape::setShape(ShapeKind shape)
{
    touch();
    if (assign(m_props.shape, shape)) {
        notify();
    }
}
void Shape::setBorderWidth(int width)
{
    touch();
    if (assign(m_props.borderWidth, width)) {
        notify();
    }
}
void Shape::setBorderColor(std::uint32_t colour)
{
    touch();
    if (assign(m_props.borderColor, colour)) {
        notify();
    }
}

// Menus ---------------------------------------------------------------------------------------------

std::string MenuItem::caption()
{
    touch();
    return m_props.caption;
}
void MenuItem::setCaption(std::string_view caption)
{
    touch();
    if (assign(m_props.caption, caption)) {
        notify();
    }
}
void MenuItem::setShortcut(std::string_view shortcut)
{
    touch();
    m_props.shortcut = shortcut;
}
void MenuItem::setSeparator(bool separator)
{
    touch();
    m_props.separator = separator;
}
bool MenuItem::reachable()
{
    touch();
    for (Control* c = this; c != nullptr; c = c->container()) {
        if (!c->props().visible || !c->props().enabled) {
            return false;
        }
    }
    return !m_props.separator;
}

} // namespace platform
