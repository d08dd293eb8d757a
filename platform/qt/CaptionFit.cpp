// Fitting captions into their controls by condensing the font, never by moving the control.
#include "platform/qt/CaptionFit.h"

#include "platform/forms/Control.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

namespace platform::qt
{

namespace
{

// The narrowest the font is drawn: below this a caption would be harder to read than clipped.
constexpr int NarrowestStretch = 60;

// The text a button draws: "&&" is one "&", a single "&" marks the access key and is not drawn.
QString withoutMnemonic(const QString& text)
{
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size()) {
            ++i;
        }
        shown += text.at(i);
    }
    return shown;
}

std::optional<CaptionRoom> buttonRoom(const QWidget* widget, QStyle::SubElement contents)
{
    const auto* button = static_cast<const QAbstractButton*>(widget);
    if (button->text().isEmpty()) {
        return std::nullopt;
    }
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QRect room = widget->style()->subElementRect(contents, &option, widget);
    if (contents == QStyle::SE_PushButtonContents && !option.icon.isNull()) {
        room.setWidth(room.width() - option.iconSize.width() - 4);
    }
    return CaptionRoom{withoutMnemonic(button->text()), room.size(), false};
}

// A left-aligned label's caption ends where a control laid over the label begins (the steel depth
// list over "Maximum Nominal Depth"): that control hides the rest, whether it is shown now or later.
QSize uncoveredSize(const QLabel* label, const ControlProps& p)
{
    QSize size = label->contentsRect().size();
    const QWidget* parent = label->parentWidget();
    if (parent == nullptr || p.alignment != Alignment::Left) {
        return size;
    }
    const QRect own = label->geometry();
    bool above = false;
    for (const QObject* child : parent->children()) {
        if (child == label) {
            above = true;
            continue;
        }
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (!above || sibling == nullptr || sibling->testAttribute(Qt::WA_TransparentForMouseEvents)) {
            continue;
        }
        const QRect other = sibling->geometry();
        // A control that only touches the label's edge hides nothing of its line.
        if (other.left() > own.left() && 2 * other.intersected(own).height() >= own.height()) {
            size.setWidth(std::min(size.width(), other.left() - own.left() - 1));
        }
    }
    return size;
}

} // namespace

std::optional<CaptionRoom> captionRoom(const QWidget* widget, const Control& control)
{
    const ControlProps& p = control.props();
    switch (control.kind()) {
    case ControlKind::CommandButton:
        return buttonRoom(widget, QStyle::SE_PushButtonContents);
    case ControlKind::CheckBox:
        return buttonRoom(widget, QStyle::SE_CheckBoxContents);
    case ControlKind::OptionButton:
        return buttonRoom(widget, QStyle::SE_RadioButtonContents);
    case ControlKind::Label:
    case ControlKind::HyperLink: {
        const auto* label = static_cast<const QLabel*>(widget);
        if (label->text().isEmpty() || p.autoSize) {
            return std::nullopt;
        }
        return CaptionRoom{label->text(), uncoveredSize(label, p), true};
    }
    case ControlKind::Frame: {
        // The caption sits on the top edge, 8 px in, with 2 px of face colour either side.
        const QString caption = QString::fromUtf8(p.caption.c_str()).remove(QLatin1Char('&'));
        if (caption.isEmpty()) {
            return std::nullopt;
        }
        return CaptionRoom{caption, QSize(widget->width() - 8 - 4 - 2, widget->height()), false};
    }
    case ControlKind::Panel: {
        // Inside the one-pixel bevel, 2 px from either side.
        if (p.caption.empty() || p.floodPercent > 0) {
            return std::nullopt;
        }
        QString text = QString::fromUtf8(p.caption.c_str());
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
            .replace(QLatin1Char('\r'), QLatin1Char('\n'));
        return CaptionRoom{text, QSize(widget->width() - 6, widget->height() - 2), true};
    }
    default:
        return std::nullopt;
    }
}

bool captionFits(const QFont& font, const CaptionRoom& room)
{
    const QFontMetrics metrics(font);
    if (!room.wrap) {
        return metrics.horizontalAdvance(room.text) <= room.size.width();
    }
    // One line is shown whole however tall the font: a centred line is clipped by nothing, and a label
    // set a line high shows its line. Only further lines need the height.
    if (!room.text.contains(QLatin1Char('\n')) && metrics.horizontalAdvance(room.text) <= room.size.width()) {
        return true;
    }
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, room.size.width(), 1 << 20), Qt::TextWordWrap, room.text);
    return needed.width() <= room.size.width() && needed.height() <= room.size.height();
}

QFont fitCaption(const QFont& font, const CaptionRoom& room)
{
    if (captionFits(font, room)) {
        return font;
    }
    QFont condensed = font;
    for (int stretch = 99; stretch >= NarrowestStretch; --stretch) {
        condensed.setStretch(stretch);
        if (captionFits(condensed, room)) {
            return condensed;
        }
    }
    return font; // condensing cannot help (too many lines for the height): drawn as designed
}

} // namespace platform::qt
