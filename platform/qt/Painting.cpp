// The 3-D panel and the line and shape layer.
#include "platform/qt/Painting.h"

#include "platform/forms/Control.h"
#include "platform/qt/QtConvert.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

namespace platform::qt
{

namespace
{

// The face colour of a container: its own, or its container's for the button-face colour.
QColor faceColour(const QWidget& widget)
{
    return widget.palette().color(QPalette::Window);
}

Qt::PenStyle penStyle(LineStyle style)
{
    switch (style) {
    case LineStyle::Dash:
        return Qt::DashLine;
    case LineStyle::Dot:
        return Qt::DotLine;
    default:
        return Qt::SolidLine;
    }
}

} // namespace

PanelWidget::PanelWidget(Control& control, QWidget* parent) : QWidget(parent), m_control(control) {}

void PanelWidget::paintEvent(QPaintEvent*)
{
    const ControlProps& p = m_control.props();
    QPainter painter(this);
    QRect r = rect();
    painter.fillRect(r, faceColour(*this));

    // Bevel: raised puts the light edge top-left, inset bottom-right.
    if (p.bevelOuter == 1 || p.bevelOuter == 2) {
        const QColor light = palette().color(QPalette::Light);
        const QColor dark = palette().color(QPalette::Dark);
        const QColor topLeft = p.bevelOuter == 2 ? light : dark;
        const QColor bottomRight = p.bevelOuter == 2 ? dark : light;
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
        r.adjust(1, 1, -1, -1);
    }

    QString text = withLineBreaks(p.caption);
    const QColor textColour = toQColor(p.foreColor);
    QFont font = this->font(); // the control's font, condensed where its caption needs it
    if (p.emphasis) {
        font.setBold(true);
    }
    painter.setFont(font);
    const int flags = static_cast<int>(horizontal(p.alignment) | Qt::AlignVCenter) | Qt::TextWordWrap;
    const QRect textRect = r.adjusted(2, 0, -2, 0);

    if (p.floodPercent > 0) {
        // A progress panel shows its percentage, light on the filled part and dark on the rest.
        if (text.isEmpty()) {
            text = QString::number(p.floodPercent) + QLatin1Char('%');
        }
        const int percent = std::clamp(p.floodPercent, 0, 100);
        const QRect filled(r.left(), r.top(), r.width() * percent / 100, r.height());
        painter.fillRect(filled, QColor(0, 0, 255));
        painter.setPen(textColour);
        painter.save();
        painter.setClipRegion(QRegion(r).subtracted(QRegion(filled)));
        painter.drawText(r, static_cast<int>(Qt::AlignCenter), text);
        painter.restore();
        painter.setClipRect(filled);
        painter.setPen(Qt::white);
        painter.drawText(r, static_cast<int>(Qt::AlignCenter), text);
        return;
    }
    // 3-D lettering: a light shadow one pixel off, below right for raised letters, above left for inset.
    if (isEnabled() && (p.font3D == 1 || p.font3D == 3)) {
        const int offset = p.font3D == 1 ? 1 : -1;
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(textRect.translated(offset, offset), flags, text);
    }
    painter.setPen(isEnabled() ? textColour : palette().color(QPalette::Disabled, QPalette::WindowText));
    painter.drawText(textRect, flags, text);
}

FrameWidget::FrameWidget(Control& control, QWidget* parent) : QWidget(parent), m_control(control) {}

void FrameWidget::paintEvent(QPaintEvent*)
{
    const ControlProps& p = m_control.props();
    QPainter painter(this);
    const QRect r = rect();
    if (!p.transparent) {
        painter.fillRect(r, faceColour(*this));
    }
    const QFont font = this->font(); // the control's font, condensed where its caption needs it
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QString caption = toQString(p.caption).remove(QLatin1Char('&'));
    // The border runs through the middle of the caption line; an empty caption puts it at the top.
    const int top = caption.isEmpty() ? 0 : metrics.height() / 2;
    const QRect border(r.left(), r.top() + top, r.width() - 2, r.height() - top - 2);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(border);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.translated(1, 1));
    if (!caption.isEmpty()) {
        const QRect text(8, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
        painter.fillRect(text, faceColour(*this));
        painter.setPen(isEnabled() ? toQColor(p.foreColor)
                                   : palette().color(QPalette::Disabled, QPalette::WindowText));
        painter.drawText(text, static_cast<int>(Qt::AlignCenter), caption);
    }
}

GraphicsLayer::GraphicsLayer(QWidget* container) : QWidget(container)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(container->rect());
    container->installEventFilter(this);
    lower();
}

bool GraphicsLayer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
    }
    return false;
}

void GraphicsLayer::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (Control* control : m_items) {
        const ControlProps& p = control->props();
        if (!p.visible) {
            continue;
        }
        QPen pen(toQColor(p.borderColor));
        pen.setWidth(std::max(1, p.borderWidth));
        pen.setStyle(penStyle(p.lineStyle));
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        if (control->kind() == ControlKind::Line) {
            painter.drawLine(QPointF(p.x1 / TwipsPerPixel, p.y1 / TwipsPerPixel),
                             QPointF(p.x2 / TwipsPerPixel, p.y2 / TwipsPerPixel));
            continue;
        }
        // A shape's outline lies inside its rectangle, as its border width grows inward.
        const double inset = pen.widthF() / 2;
        const QRectF box = QRectF(toPixels(p.left), toPixels(p.top), toPixels(p.width), toPixels(p.height))
                               .adjusted(inset, inset, -inset, -inset);
        painter.setBrush(p.transparent || isSystemColour(p.backColor) ? QBrush(Qt::NoBrush)
                                                                      : QBrush(toQColor(p.backColor)));
        if (p.shape == ShapeKind::Oval) {
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.drawEllipse(box);
            painter.setRenderHint(QPainter::Antialiasing, false);
        } else {
            painter.drawRect(box);
        }
    }
}

} // namespace platform::qt
