// The look of the program's windows.
#include "platform/qt/FormStyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <qdrawutil.h>

namespace platform::qt
{

FormStyle::FormStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int FormStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_ButtonMargin) {
        return 2;
    }
    if (metric == PM_IndicatorWidth || metric == PM_IndicatorHeight) {
        return 13; // the classic check box, which fits the 13-pixel boxes of the hip and valley plan
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QRect FormStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const
{
    if (element == SE_PushButtonContents) {
        return option->rect.adjusted(1, 1, -1, -1);
    }
    if (element == SE_PushButtonFocusRect) {
        return option->rect.adjusted(3, 3, -3, -3);
    }
    return QProxyStyle::subElementRect(element, option, widget);
}

// The classic dotted focus rectangle. The model moves the focus, so Qt never sees a keyboard focus
// change and would otherwise draw nothing at all.
void FormStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    if (element == PE_FrameFocusRect) {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        QPen pen(option->palette.color(QPalette::WindowText));
        pen.setCosmetic(true);
        pen.setWidth(1);
        pen.setDashPattern({1, 1});
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (element == PE_IndicatorCheckBox) {
        // A dark edge all round, so that an empty box reads as a check box on a white panel too.
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setPen(QColor(128, 128, 128));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
}

// A list-only combo box with the focus shows its choice selected, as the classic one does, and a
// command button its focus rectangle, which the base style leaves out.
void FormStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const
{
    if (element == CE_ComboBoxLabel) {
        const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
        if (combo != nullptr && !combo->editable && (combo->state & State_HasFocus) != 0 &&
            !combo->currentText.isEmpty()) {
            QStyleOptionComboBox selected = *combo;
            const QRect field = subControlRect(CC_ComboBox, combo, SC_ComboBoxEditField, widget);
            painter->fillRect(field.adjusted(1, 1, -1, -1), combo->palette.color(QPalette::Highlight));
            selected.palette.setColor(QPalette::ButtonText, combo->palette.color(QPalette::HighlightedText));
            selected.palette.setColor(QPalette::Text, combo->palette.color(QPalette::HighlightedText));
            QProxyStyle::drawControl(element, &selected, painter, widget);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
    if (element == CE_PushButton && (option->state & State_HasFocus) != 0) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(*option);
        focus.rect = subElementRect(SE_PushButtonFocusRect, option, widget);
        drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
    }
}

// A scroll bar as the classic desktop draws it: a raised thumb in the button colour over a lighter,
// dithered track. The base style draws its thumb lighter than its track, so that users take the track
// for the thumb and, dragging it, page the text the other way. The arrows stay the base style's; the
// parts keep its geometry, so that what is drawn is what a press hits.
void FormStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                   QPainter* painter, const QWidget* widget) const
{
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || bar == nullptr) {
        return;
    }
    const QRect groove = subControlRect(CC_ScrollBar, bar, SC_ScrollBarGroove, widget);
    const QColor face = bar->palette.color(QPalette::Button);
    painter->save();
    painter->fillRect(groove, bar->palette.color(QPalette::Light));
    painter->fillRect(groove, QBrush(face, Qt::Dense4Pattern));
    // Nothing to scroll: no thumb, as on the classic desktop.
    if (bar->maximum > bar->minimum && (bar->state & State_Enabled) != 0) {
        const QRect thumb = subControlRect(CC_ScrollBar, bar, SC_ScrollBarSlider, widget);
        // A shade below the button colour: the light colours of today's desktops would leave the
        // thumb barely apart from the track, whose dither mixes the button colour with white.
        const QBrush fill(face.darker(110));
        qDrawWinButton(painter, thumb, bar->palette, false, &fill);
    }
    painter->restore();
}

} // namespace platform::qt
