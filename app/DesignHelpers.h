// Shorthands for the design() of the forms: named colours and one call per control for its place,
// kind and look. Design values only; nothing here raises an event.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Types.h"

#include <cstdint>
#include <string_view>

namespace app::design
{

constexpr std::uint32_t White = platform::rgb(255, 255, 255);
constexpr std::uint32_t Black = platform::rgb(0, 0, 0);
constexpr std::uint32_t LightYellow = platform::rgb(255, 255, 224); // live load ("LL only") boxes
constexpr std::uint32_t Navy = platform::rgb(0, 0, 128);
constexpr std::uint32_t DarkRed = platform::rgb(128, 0, 0); // load letters
constexpr std::uint32_t Green = platform::rgb(0, 128, 0);
constexpr std::uint32_t Teal = platform::rgb(0, 128, 128);
constexpr std::uint32_t LightGrey = platform::rgb(192, 192, 192); // form background
constexpr std::uint32_t WindowColour = platform::SystemWindowBackground;

constexpr double BoxHeight = 285;
constexpr double TipButtonSize = 195;

// Numbers are entered in bold, centred.
inline platform::FontSpec boldSans()
{
    return platform::FontSpec{"MS Sans Serif", 8.25, true};
}

// Puts a control into its container (nullptr: the form itself) at left, top, width, height in twips,
// relative to the container.
inline void place(platform::Control& control, platform::Control* container, double left, double top,
                  double width, double height)
{
    if (container != nullptr) {
        control.setContainer(*container);
    }
    control.setBounds(left, top, width, height);
}

inline void label(platform::Label& label, platform::Control* container, double left, double top, double width,
                  double height, std::string_view caption)
{
    place(label, container, left, top, width, height);
    label.setCaption(caption);
    label.setTransparent(true);
}

// An entry box for a number: bold, centred, with its maximum length and back colour.
inline void numberBox(platform::TextBox& box, platform::Control* container, double left, double top,
                      double width, int maxLength, std::uint32_t backColour)
{
    place(box, container, left, top, width, BoxHeight);
    box.setMaxLength(maxLength);
    box.setBackColor(backColour);
    box.setFont(boldSans());
    box.setAlignment(platform::Alignment::Center);
}

// An entry box for text in the form's font, left aligned.
inline void textBox(platform::TextBox& box, platform::Control* container, double left, double top,
                    double width, int maxLength, std::uint32_t backColour)
{
    place(box, container, left, top, width, BoxHeight);
    box.setMaxLength(maxLength);
    box.setBackColor(backColour);
}

inline void button3D(platform::CommandButton& button, platform::Control* container, double left, double top,
                     double width, double height, std::string_view caption)
{
    place(button, container, left, top, width, height);
    button.setThreeD(true);
    button.setCaption(caption);
}

// The small caption-less 3-D button beside a field that shows its quick tip; never a tab stop.
inline void tipButton(platform::CommandButton& button, platform::Control* container, double left, double top,
                      std::string_view toolTip, double size = TipButtonSize)
{
    button3D(button, container, left, top, size, size, "");
    button.setPicture("QuickTip"); // a question mark, so the button reads as help, not as a check box
    button.setTabStop(false);
    button.setToolTipText(toolTip);
}

inline void option3D(platform::OptionButton& option, platform::Control* container, double left, double top,
                     double width, double height, std::string_view caption)
{
    place(option, container, left, top, width, height);
    option.setThreeD(true);
    option.setCaption(caption);
}

inline void check3D(platform::CheckBox& check, platform::Control* container, double left, double top,
                    double width, double height, std::string_view caption)
{
    place(check, container, left, top, width, height);
    check.setThreeD(true);
    check.setCaption(caption);
}

inline void frame3D(platform::Frame& frame, platform::Control* container, double left, double top,
                    double width, double height, std::string_view caption)
{
    place(frame, container, left, top, width, height);
    frame.setThreeD(true);
    frame.setCaption(caption);
}

inline void menu(platform::MenuItem& item, platform::MenuItem* parent, std::string_view caption,
                 std::string_view shortcut = "")
{
    if (parent != nullptr) {
        item.setContainer(*parent);
    }
    item.setCaption(caption);
    item.setShortcut(shortcut);
}

inline void menuSeparator(platform::MenuItem& item, platform::MenuItem& parent)
{
    item.setContainer(parent);
    item.setCaption("-");
    item.setSeparator(true);
}

} // namespace app::design
