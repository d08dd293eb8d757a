// URLLink's properties, their storage in the hosting form, and the press that opens the address.
#include "app/URLLink.h"

#include "platform/core/Number.h"
#include "platform/core/RuntimeError.h"
#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"

namespace app
{

namespace
{
constexpr int DefaultPointer = 0;
constexpr int Hourglass = 11;

bool readFlag(const PropertyBag& bag, const char* key, bool fallback)
{
    const auto found = bag.find(key);
    if (found == bag.end()) {
        return fallback;
    }
    if (found->second == "-1") {
        return true;
    }
    if (found->second == "0") {
        return false;
    }
    throw platform::RuntimeError(13); // the stored value is no flag
}

std::string readText(const PropertyBag& bag, const char* key, const char* fallback)
{
    const auto found = bag.find(key);
    return found == bag.end() ? std::string(fallback) : found->second;
}
} // namespace

URLLink::URLLink(platform::Form& host, std::string name)
    : lblURL(host, std::move(name)), m_runtime(host.runtime())
{
    lblURL.mouseDown([this](platform::MouseButton button) { lblURL_MouseDown(button); });
}

void URLLink::place(double left, double top)
{
    m_left = left;
    m_top = top;
    lblURL.setLeft(left);
    lblURL.setTop(top);
}

std::string URLLink::Text()
{
    return lblURL.caption();
}

// The label sits at the control's top left corner and is exactly as large as its text.
void URLLink::setText(std::string_view text)
{
    lblURL.setCaption(text);
    const platform::SizeTwips size = m_runtime.measureText(lblURL.font(), text);
    lblURL.setBounds(m_left, m_top, size.width, size.height);
    PropertyChanged("Text");
}

void URLLink::setURL(std::string_view url)
{
    m_url = url;
    UpdateToolTip();
    PropertyChanged("URL");
}

void URLLink::setShowToolTip(bool show)
{
    m_showToolTip = show;
    UpdateToolTip();
    PropertyChanged("ShowToolTip");
}

void URLLink::UpdateToolTip()
{
    lblURL.setToolTipText(m_showToolTip ? m_url : std::string());
}

void URLLink::InitProperties()
{
    setText(DefaultLinkText);
    m_url = DefaultLinkURL;
    setShowToolTip(false);
}

void URLLink::ReadProperties(const PropertyBag& bag)
{
    try {
        const bool show = readFlag(bag, "ShowToolTip", false);
        setText(readText(bag, "Text", DefaultLinkText));
        m_url = readText(bag, "URL", DefaultLinkURL);
        setShowToolTip(show);
    } catch (const platform::RuntimeError&) {
        InitProperties();
    }
}

void URLLink::WriteProperties(PropertyBag& bag) const
{
    bag["Text"] = lblURL.props().caption;
    bag["URL"] = m_url;
    bag["ShowToolTip"] = m_showToolTip ? "-1" : "0";
}

// Only the left button opens the address. The shell's answer is not examined: an address nothing can
// open simply opens nothing; only a shell that cannot be called at all is reported.
void URLLink::lblURL_MouseDown(platform::MouseButton button)
{
    if (button != platform::MouseButton::Left) {
        m_runtime.setMousePointer(DefaultPointer);
        return;
    }
    std::string url = m_url;
    bool cancel = false;
    GoToURL.raise(url, cancel);
    if (cancel) {
        return;
    }
    m_runtime.setMousePointer(Hourglass);
    try {
        m_runtime.openUrl(url);
    } catch (const platform::RuntimeError& error) {
        m_runtime.msgBox("Unable to load '" + url + "' : " + error.description() + " (Error " +
                         platform::num::numberText(error.number()) + ")");
    }
    m_runtime.setMousePointer(DefaultPointer);
}

} // namespace app
