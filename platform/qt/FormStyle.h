// The look of the program's windows: Qt's Fusion style everywhere, with the tight button margins the
// forms were laid out for (their small buttons would otherwise clip short captions such as "PLF"), and
// the focus shown as the classic desktop shows it, whichever way it got there, and classic scroll bars.
#pragma once

#include <QProxyStyle>

namespace platform::qt
{

class FormStyle final : public QProxyStyle
{
  public:
    FormStyle();
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    QRect subElementRect(SubElement element, const QStyleOption* option,
                         const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
};

} // namespace platform::qt
