// The look of the program's windows.
#include "platform/qt/FormStyle.h"

#include <QStyleFactory>
#include <QStyleOption>

namespace platform::qt
{

FormStyle::FormStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

int FormStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_ButtonMargin) {
        return 2;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QRect FormStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const
{
    if (element == SE_PushButtonContents) {
        return option->rect.adjusted(1, 1, -1, -1);
    }
    return QProxyStyle::subElementRect(element, option, widget);
}

} // namespace platform::qt
