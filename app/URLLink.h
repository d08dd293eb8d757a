// URLLink, the program's own hyperlink control: a line of text that opens its address through the
// desktop when it is clicked with the left button. Its properties live in the hosting form's saved
// property set, read back whenever that form loads.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Event.h"

#include <map>
#include <set>
#include <string>
#include <string_view>

namespace platform
{
class Form;
class Runtime;
} // namespace platform

namespace app
{

// A hosting form's stored properties of one control, key to value.
using PropertyBag = std::map<std::string, std::string>;

constexpr const char* DefaultLinkText = "Visit example.org";
constexpr const char* DefaultLinkURL = "https://example.org/";

class URLLink
{
  public:
    // The control's own label carries the given name on the hosting form.
    URLLink(platform::Form& host, std::string name);
    URLLink(const URLLink&) = delete;
    URLLink& operator=(const URLLink&) = delete;

    // Where the control sits on its form; its label fills it from the top left corner.
    void place(double left, double top);

    std::string Text();
    void setText(std::string_view text);
    const std::string& URL() const { return m_url; }
    void setURL(std::string_view url);
    bool ShowToolTip() const { return m_showToolTip; }
    void setShowToolTip(bool show);
    void UpdateToolTip();

    // Raised before the address is opened: the host may replace the address or cancel.
    platform::Event<std::string&, bool&> GoToURL;

    void InitProperties();
    // Missing keys take their defaults; a value that cannot be read gives the new-instance values.
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;
    // The properties changed since the host last saved them.
    const std::set<std::string>& changedProperties() const { return m_changed; }
    void clearChangedProperties() { m_changed.clear(); }

    platform::HyperLink lblURL;

  private:
    void lblURL_MouseDown(platform::MouseButton button);
    void PropertyChanged(const std::string& name) { m_changed.insert(name); }

    platform::Runtime& m_runtime;
    double m_left = 0;
    double m_top = 0;
    std::string m_url;
    bool m_showToolTip = false;
    std::set<std::string> m_changed;
};

} // namespace app
