// Captions are laid out in the metrics of the classic 8 pt sans-serif; the metric-compatible fonts
// drawn here run a little wider. A caption that would not fit its control is drawn condensed just
// enough to fit, so that no control ever moves or grows for it.
#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <optional>

class QWidget;

namespace platform
{
class Control;
}

namespace platform::qt
{

// Where a control's caption is drawn: the text as shown, the room the style gives it, and whether it
// wraps within that room (labels and panels) or stays on one line.
struct CaptionRoom
{
    QString text;
    QSize size;
    bool wrap = false;
};

// The caption of the control's widget and its room; nullopt for controls without a caption to fit
// (no caption, or a label that grows with its text).
std::optional<CaptionRoom> captionRoom(const QWidget* widget, const Control& control);
bool captionFits(const QFont& font, const CaptionRoom& room);
// The font itself when the caption fits; otherwise the font condensed just enough.
QFont fitCaption(const QFont& font, const CaptionRoom& room);

} // namespace platform::qt
