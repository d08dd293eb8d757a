// The widget for each kind of model control, and how a widget shows the control's properties.
#pragma once

#include <QWidget>
#include <utility>

namespace platform
{
class Control;
struct ControlProps;
} // namespace platform

namespace platform::qt
{

// The widget for a control, as a child of its container's widget. Lines, shapes and menus have none:
// they are painted by a layer or become actions.
QWidget* createControlWidget(Control& control, QWidget* parent);

// Shows every property of the control on its widget, with the widget's signals blocked, so code
// writes never come back as user input.
void applyControl(QWidget* widget, Control& control);

// The caret and selection of a text box's widget, in model characters: start and length.
std::pair<int, int> textSelection(QWidget* widget);
// Puts the model's caret and selection on a text box's widget. The selection shows only while the
// widget has the focus, as on the classic desktop; the model keeps it meanwhile.
void applyTextSelection(QWidget* widget, const ControlProps& props);

// The widget that takes the keyboard for a control (an editable combo's line edit, a list's viewport
// for the mouse are separate objects that route to the same control).
QWidget* keyboardWidget(QWidget* widget);

} // namespace platform::qt
