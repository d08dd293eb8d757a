// Form life cycle: design once, implicit load, show, hide, unload back to the design values.
#include "platform/forms/Form.h"

#include "platform/core/RuntimeError.h"
#include "platform/forms/Control.h"
#include "platform/forms/Host.h"
#include "platform/forms/Runtime.h"

#include <algorithm>

namespace platform
{

Form::Form(Runtime& runtime, std::string name) : m_runtime(runtime), m_name(std::move(name))
{
    runtime.registerForm(*this);
}

void Form::ensureDesigned()
{
    if (m_designed) {
        return;
    }
    for (Control* c : m_controls) {
        if (c->kind() == ControlKind::MenuItem) {
            m_props.hasMenu = true;
        }
    }
    ++m_quiet;
    design();
    --m_quiet;
    m_designed = true;
    m_design = m_props;
    for (Control* c : m_controls) {
        c->m_design = c->m_props;
    }
}

void Form::resetToDesign()
{
    m_props = m_design;
    for (Control* c : m_controls) {
        c->m_props = c->m_design;
    }
    m_focus = nullptr;
    resetVars();
}

void Form::touch()
{
    if (!m_loaded && !quiet()) {
        load();
    }
}

void Form::load()
{
    if (m_loaded) {
        return;
    }
    ensureDesigned();
    m_loaded = true;
    struct Loading
    {
        bool& flag;
        ~Loading() { flag = false; }
    } loading{m_loading};
    m_loading = true;
    onLoad();
}

void Form::notify(int change)
{
    if (!quiet() && m_loaded) {
        m_runtime.host().formChanged(*this, static_cast<FormChange>(change));
    }
}

void Form::show(ShowMode mode)
{
    if (m_runtime.ended()) {
        throw EndProgram{}; // after End no form comes back
    }
    touch();
    if (!m_visible) {
        placeAtOpening();
        m_visible = true;
        m_runtime.host().formChanged(*this, FormChange::Shown);
    }
    m_runtime.formShown(*this);
    if (mode == ShowMode::Modal && m_visible && m_loaded) {
        m_runtime.host().runModal(*this);
        if (m_runtime.ended()) {
            throw EndProgram{}; // End inside the modal form ends the handler that showed it
        }
    }
}

// Every opening, not only the first after a load: a window that is hidden and shown again from
// another form opens over that one. The host places the window as it shows it.
void Form::placeAtOpening()
{
    if (m_props.startUpPosition != StartUpPosition::CenterOwner) {
        return;
    }
    const SizeTwips screen = m_runtime.screenSize();
    double left = (screen.width - m_props.width) / 2;
    double top = (screen.height - m_props.height) / 2;
    const Form* owner = m_runtime.activeForm();
    if (owner != nullptr && owner != this && owner->m_loaded) {
        left = owner->m_props.left + (owner->m_props.width - m_props.width) / 2;
        top = owner->m_props.top + (owner->m_props.height - m_props.height) / 2;
    }
    // On the screen, its title bar first where the window is larger than the screen.
    m_props.left = std::max(0.0, std::min(left, screen.width - m_props.width));
    m_props.top = std::max(0.0, std::min(top, screen.height - m_props.height));
}

void Form::hide()
{
    touch();
    if (!m_visible) {
        return;
    }
    m_visible = false;
    m_runtime.host().formChanged(*this, FormChange::Hidden);
    m_runtime.formHidden(*this, false);
}

void Form::unload()
{
    if (!m_loaded) {
        return; // unloading an unloaded form does nothing and does not load it
    }
    bool cancel = false;
    onQueryUnload(cancel, UnloadReason::Code);
    if (!cancel) {
        unloadNow();
    }
}

void Form::unloadNow()
{
    if (!m_loaded) {
        return;
    }
    onUnload();
    const bool wasVisible = m_visible;
    m_visible = false;
    if (wasVisible) {
        m_runtime.host().formChanged(*this, FormChange::Hidden);
    }
    m_runtime.formHidden(*this, true);
    m_loaded = false;
    resetToDesign();
    m_runtime.host().formChanged(*this, FormChange::Unloaded);
}

void Form::refresh()
{
    touch();
    if (m_visible) {
        m_runtime.host().repaintNow(*this);
    }
}

std::string Form::caption()
{
    touch();
    return m_props.caption;
}
void Form::setCaption(std::string_view caption)
{
    touch();
    if (m_props.caption != caption) {
        m_props.caption = caption;
        notify(static_cast<int>(FormChange::Property));
    }
}

double Form::left()
{
    touch();
    return m_props.left;
}
double Form::top()
{
    touch();
    return m_props.top;
}
double Form::width()
{
    touch();
    return m_props.width;
}
double Form::height()
{
    touch();
    return m_props.height;
}
void Form::setLeft(double twips)
{
    touch();
    m_props.left = twips;
    notify(static_cast<int>(FormChange::Moved));
}
void Form::setTop(double twips)
{
    touch();
    m_props.top = twips;
    notify(static_cast<int>(FormChange::Moved));
}
void Form::setWidth(double twips)
{
    touch();
    m_props.width = twips;
    notify(static_cast<int>(FormChange::Moved));
}
void Form::setHeight(double twips)
{
    touch();
    m_props.height = twips;
    notify(static_cast<int>(FormChange::Moved));
}
void Form::move(double left, double top)
{
    touch();
    m_props.left = left;
    m_props.top = top;
    notify(static_cast<int>(FormChange::Moved));
}

double Form::scaleWidth()
{
    touch();
    return m_props.width - 2 * FrameBorderTwips;
}
double Form::scaleHeight()
{
    touch();
    return m_props.height - 2 * FrameBorderTwips - CaptionBarTwips - (m_props.hasMenu ? MenuBarTwips : 0);
}
void Form::setClientSize(double width, double height)
{
    touch();
    m_props.width = width + 2 * FrameBorderTwips;
    m_props.height = height + 2 * FrameBorderTwips + CaptionBarTwips + (m_props.hasMenu ? MenuBarTwips : 0);
    notify(static_cast<int>(FormChange::Moved));
}

bool Form::visible()
{
    touch();
    return m_visible;
}
void Form::setVisible(bool visible)
{
    if (visible) {
        show();
    } else {
        hide();
    }
}
int Form::mousePointer()
{
    touch();
    return m_props.mousePointer;
}
void Form::setMousePointer(int pointer)
{
    touch();
    m_props.mousePointer = pointer;
    notify(static_cast<int>(FormChange::Property));
}
WindowState Form::windowState()
{
    touch();
    return m_props.windowState;
}
void Form::setWindowState(WindowState state)
{
    touch();
    m_props.windowState = state;
    notify(static_cast<int>(FormChange::Property));
}
void Form::setBackColor(std::uint32_t colour)
{
    touch();
    m_props.backColor = colour;
    notify(static_cast<int>(FormChange::Property));
}
void Form::setFont(const FontSpec& font)
{
    touch();
    m_props.font = font;
    notify(static_cast<int>(FormChange::Property));
}
void Form::setBorderStyle(BorderStyle style)
{
    touch();
    m_props.borderStyle = style;
}
void Form::setControlBox(bool shown)
{
    touch();
    m_props.controlBox = shown;
}
void Form::setMinButton(bool shown)
{
    touch();
    m_props.minButton = shown;
}
void Form::setMaxButton(bool shown)
{
    touch();
    m_props.maxButton = shown;
}
void Form::setStartUpPosition(StartUpPosition position)
{
    touch();
    m_props.startUpPosition = position;
}

Control* Form::findControl(std::string_view name, int index) const
{
    for (Control* c : m_controls) {
        if (c->name() == name && c->index() == index) {
            return c;
        }
    }
    return nullptr;
}

Control* Form::firstTabStop()
{
    Control* best = nullptr;
    for (Control* c : m_controls) {
        if (c->props().tabStop && c->canFocus() &&
            (best == nullptr || c->props().tabIndex < best->props().tabIndex)) {
            best = c;
        }
    }
    return best;
}

} // namespace platform
