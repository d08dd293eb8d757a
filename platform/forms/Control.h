// Controls of the form model. Every property access of a control on an unloaded form loads that form
// (design values, then its Load event). Writes by code raise Change or Click at once, and only on a
// real change.
#pragma once

#include "platform/forms/Event.h"
#include "platform/forms/Types.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform
{

class Form;
class Runtime;

enum class ControlKind
{
    Label,
    TextBox,
    CommandButton,
    CheckBox,
    OptionButton,
    ComboBox,
    ListBox,
    Frame,
    Panel,
    Image,
    Line,
    Shape,
    MenuItem,
    HyperLink
};

enum class Alignment
{
    Left,
    Right,
    Center
};

enum class ComboStyle
{
    DropDownList, // no typing
    DropDownCombo // editable
};

enum class LineStyle
{
    Solid,
    Dash,
    Dot
};

enum class ShapeKind
{
    Rectangle,
    Oval
};

// Every property any kind uses. One plain struct, so the design values are one copy and a host can
// render any control from it.
struct ControlProps
{
    double left = 0, top = 0, width = 0, height = 0;
    bool visible = true;
    bool enabled = true;
    bool tabStop = true;
    int tabIndex = 0;
    std::string caption;
    std::string text;
    std::string toolTipText;
    std::string picture;  // built-in picture id
    std::string shortcut; // menus: "Ctrl+N", "F4"
    std::string url;      // hyperlink label
    int maxLength = 0;    // 0: no limit
    int selStart = 0;
    int selLength = 0;
    int value = 0; // check box 0, 1, 2; 3-D check box and option 0 or -1
    std::vector<std::string> items;
    int listIndex = -1;
    std::uint32_t foreColor = SystemWindowText;
    std::uint32_t backColor = SystemButtonFace;
    FontSpec font;
    Alignment alignment = Alignment::Left;
    int borderStyle = 0; // labels: 1 draws a box; lines: see lineStyle
    bool transparent = false;
    bool wordWrap = false;
    bool autoSize = false;
    bool multiLine = false;
    bool isDefault = false;
    bool isCancel = false;
    bool threeD = false;
    bool separator = false; // menus
    bool checked = false;   // menus
    bool emphasis = false;  // 3-D panels drawn bold
    int bevelOuter = 2;     // 3-D panels: 1 inset, 2 raised
    int font3D = 0;         // 3-D panels: 1 raised, 3 inset lettering (light shading); 0 flat
    int floodPercent = 0;   // 3-D panels: progress fill, 0 none
    ComboStyle comboStyle = ComboStyle::DropDownList;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // lines
    int borderWidth = 1;
    std::uint32_t borderColor = 0;
    LineStyle lineStyle = LineStyle::Solid;
    ShapeKind shape = ShapeKind::Rectangle;
};

class Control
{
  public:
    Control(Form& form, ControlKind kind, std::string name, int index = -1);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string& name() const { return m_name; }
    int index() const { return m_index; } // -1 outside a control array
    ControlKind kind() const { return m_kind; }
    Form& form() const { return m_form; }
    Control* container() const { return m_container; }
    // Design only: the frame or panel that holds this control (positions are relative to it).
    void setContainer(Control& container) { m_container = &container; }

    double left();
    double top();
    double width();
    double height();
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    void setBounds(double left, double top, double width, double height);

    bool visible();
    void setVisible(bool visible);
    bool enabled();
    void setEnabled(bool enabled);
    int tabIndex();
    void setTabIndex(int index);
    bool tabStop();
    void setTabStop(bool stop);
    std::string toolTipText();
    void setToolTipText(std::string_view tip);
    std::uint32_t foreColor();
    void setForeColor(std::uint32_t colour);
    std::uint32_t backColor();
    void setBackColor(std::uint32_t colour);
    FontSpec font();
    void setFont(const FontSpec& font);
    void setFontBold(bool bold);
    void setFontSize(double points);

    // Whether the user can give this control the focus now: focusable kind, visible and enabled up the
    // container chain, on a visible form.
    bool canFocus();
    // Moves the focus here; error 5 when canFocus() is false.
    void setFocus();
    bool focusable() const; // by kind: text boxes, buttons, options, check boxes, lists

    void refresh();

    // What a host reads to render the control; reading it does not load the form.
    const ControlProps& props() const { return m_props; }

    Event<> click;
    Event<> dblClick;
    Event<> change;
    Event<> gotFocus;
    Event<> lostFocus;
    Event<std::int16_t&, int> keyDown; // key code (0 swallows), shift
    Event<std::int16_t&> keyPress;     // character code (0 swallows)
    Event<std::int16_t&, int> keyUp;

  protected:
    friend class Form;
    friend class Runtime;
    friend class CommandButton; // default and cancel are exclusive on a form
    friend class OptionButton;  // options are exclusive in their container

    // Loads the form when it is not loaded (implicit load), except while it is being designed.
    void touch();
    // Events and host notices are suppressed while the form is designed or reset.
    bool quiet() const;
    void notify();

    ControlProps m_props;
    ControlProps m_design;

  private:
    Form& m_form;
    ControlKind m_kind;
    std::string m_name;
    int m_index;
    Control* m_container = nullptr;
};

class Label : public Control
{
  public:
    Label(Form& form, std::string name, int index = -1)
        : Control(form, ControlKind::Label, std::move(name), index)
    {}
    std::string caption();
    void setCaption(std::string_view caption); // Change on a real change
    void setAlignment(Alignment alignment);
    void setBorderStyle(int style);
    void setTransparent(bool transparent);
    void setWordWrap(bool wrap);
};

enum class MouseButton
{
    Left,
    Right,
    Middle
};

// A line of text drawn as a link: underlined, with a hand pointer and an address. It raises MouseDown
// with the button pressed; what the press does is the hosting program's.
class HyperLink : public Control
{
  public:
    HyperLink(Form& form, std::string name, int index = -1)
        : Control(form, ControlKind::HyperLink, std::move(name), index)
    {
        m_props.foreColor = SystemHighlight;
        m_props.font.underline = true;
    }
    std::string caption();
    void setCaption(std::string_view caption);
    std::string url();
    void setUrl(std::string_view url);

    Event<MouseButton> mouseDown;
};

class TextBox : public Control
{
  public:
    TextBox(Form& form, std::string name, int index = -1)
        : Control(form, ControlKind::TextBox, std::move(name), index)
    {
        m_props.backColor = SystemWindowBackground;
    }
    std::string text();
    void setText(std::string_view text); // Change on a real change; never cut to maxLength
    int maxLength();
    void setMaxLength(int length);
    int selStart();
    void setSelStart(int start); // clamped to the text
    int selLength();
    void setSelLength(int length); // clamped to the text
    std::string selText();
    void setAlignment(Alignment alignment);
    void setMultiLine(bool multiLine);
};

class CommandButton : public Control
{
  public:
    CommandButton(Form& form, std::string name, int index = -1)
        : Control(form, ControlKind::CommandButton, std::move(name), index)
    {}
    std::string caption();
    void setCaption(std::string_view caption);
    // value = true always raises Click, even when disabled or hidden; value reads true only during it.
    bool value();
    void setValue(bool value);
    bool isDefault();
    void setDefault(bool isDefault); // clears it on the form's other buttons
    void setCancel(bool isCancel);
    void setThreeD(bool threeD);
    void setPicture(std::string_view id);

  private:
    bool m_pressed = false;
};

class CheckBox : public Control
{
  public:
    CheckBox(Form& form, std::string name, int index = -1)
        : Control(form, ControlKind::CheckBox, std::move(name), index)
    {}
    std::string caption();
    void setCaption(std::string_view caption);
    // Intrinsic: 0, 1, 2 (greyed), anything else error 380. 3-D: 0 or -1. Click on every real change.
    int value();
    void setValue(int value);
    bool checked(); // value != 0
    void setThreeD(bool threeD);
    void setAlignment(Alignment alignment);
};

class OptionButton : public Control
{
  public:
    OptionButton(Form& form, std::string name, int index = -1)
        : Control(form, ControlKind::OptionButton, std::move(name), index)
    {}
    std::string caption();
    void setCaption(std::string_view caption);
    bool value();
    // True on an unselected option deselects its siblings silently and raises Click; on a selected one
    // nothing. False deselects silently.
    void setValue(bool selected);
    void setThreeD(bool threeD);
};

class ListControl : public Control
{
  public:
    ListControl(Form& form, ControlKind kind, std::string name, int index)
        : Control(form, kind, std::move(name), index)
    {
        m_props.backColor = SystemWindowBackground;
    }
    void addItem(std::string_view item);
    void clear(); // empties items and text, index -1, no Click
    int listCount();
    std::string list(int index);
    int listIndex();
    void setListIndex(int index); // Click on a real change, also to -1; outside -1..count-1 error 380
    std::string text();
    // List-only: selects the first equal item (error 383 when none). Editable: sets the text (Change) and
    // moves listIndex to the first equal item or -1 without Click.
    void setText(std::string_view text);
};

class ComboBox : public ListControl
{
  public:
    ComboBox(Form& form, std::string name, int index = -1)
        : ListControl(form, ControlKind::ComboBox, std::move(name), index)
    {}
    void setStyle(ComboStyle style);
};

class ListBox : public ListControl
{
  public:
    ListBox(Form& form, std::string name, int index = -1)
        : ListControl(form, ControlKind::ListBox, std::move(name), index)
    {}
};

class Frame : public Control
{
  public:
    Frame(Form& form, std::string name, int index = -1)
        : Control(form, ControlKind::Frame, std::move(name), index)
    {}
    std::string caption();
    void setCaption(std::string_view caption);
    void setThreeD(bool threeD);
};

class Panel : public Control
{
  public:
    Panel(Form& form, std::string name, int index = -1)
        : Control(form, ControlKind::Panel, std::move(name), index)
    {
        m_props.threeD = true;
    }
    std::string caption();
    void setCaption(std::string_view caption);
    void setAlignment(Alignment alignment);
    void setBevelOuter(int bevel);
    void setFont3D(int style);
    int floodPercent();
    void setFloodPercent(int percent);
    bool emphasis();
    void setEmphasis(bool on);
};

class Image : public Control
{
  public:
    Image(Form& form, std::string name, int index = -1)
        : Control(form, ControlKind::Image, std::move(name), index)
    {}
    void setPicture(std::string_view id);
};

class Line : public Control
{
  public:
    Line(Form& form, std::string name, int index = -1)
        : Control(form, ControlKind::Line, std::move(name), index)
    {}
    void setPoints(double x1, double y1, double x2, double y2);
    void setBorderWidth(int width);
    void setBorderColor(std::uint32_t colour);
    void setLineStyle(LineStyle style);
};

class Shape : public Control
{
  public:
    Shape(Form& form, std::string name, int index = -1)
        : Control(form, ControlKind::Shape, std::move(name), index)
    {}
    void setShape(ShapeKind shape);
    void setBorderWidth(int width);
    void setBorderColor(std::uint32_t colour);
};

class MenuItem : public Control
{
  public:
    MenuItem(Form& form, std::string name, int index = -1)
        : Control(form, ControlKind::MenuItem, std::move(name), index)
    {}
    std::string caption();
    void setCaption(std::string_view caption);
    void setShortcut(std::string_view shortcut); // "Ctrl+N", "F4"
    void setSeparator(bool separator);
    // A menu and all its parents enabled and visible.
    bool reachable();
};

} // namespace platform
