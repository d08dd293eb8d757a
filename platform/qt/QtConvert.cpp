// Conversions between the form model's units and Qt's.
#include "platform/qt/QtConvert.h"

#include "platform/forms/Pictures.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QPalette>
#include <cmath>

namespace platform::qt
{

int toPixels(double twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string toUtf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

QString withLineBreaks(std::string_view utf8)
{
    QString text = toQString(utf8);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

bool isSystemColour(std::uint32_t colour)
{
    return (colour & 0x80000000U) != 0;
}

QColor toQColor(std::uint32_t colour)
{
    if (!isSystemColour(colour)) {
        return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                      static_cast<int>((colour >> 16) & 0xFF));
    }
    const QPalette palette = QApplication::palette();
    switch (colour & 0xFF) {
    case 0x05:
        return palette.color(QPalette::Base); // window background
    case 0x06:
        return palette.color(QPalette::Shadow); // window frame
    case 0x07:
        return palette.color(QPalette::WindowText); // menu text
    case 0x08:
        return palette.color(QPalette::Text); // window text
    case 0x0D:
        return palette.color(QPalette::Highlight); // highlight
    case 0x0E:
        return palette.color(QPalette::HighlightedText); // highlight text
    case 0x10:
        return palette.color(QPalette::Mid); // button shadow
    case 0x11:
        return palette.color(QPalette::Disabled, QPalette::Text);
    case 0x12:
        return palette.color(QPalette::ButtonText); // button text
    case 0x14:
        return palette.color(QPalette::Light); // 3-D highlight
    case 0x15:
        return palette.color(QPalette::Dark); // 3-D dark shadow
    case 0x17:
        return palette.color(QPalette::ToolTipText);
    case 0x18:
        return palette.color(QPalette::ToolTipBase);
    default:
        return palette.color(QPalette::Button); // button face and the rest
    }
}

QFont screenFont(const FontSpec& font)
{
    QFont result(toQString(font.name));
    result.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * 4.0 / 3.0))));
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    return result;
}

QFont printerFont(const FontSpec& font)
{
    QFont result(toQString(font.name));
    result.setPointSizeF(font.size > 0 ? font.size : 1.0);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    return result;
}

void installFontSubstitutions()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}

namespace
{
// A line drawing at three times the screen's resolution, so that it stays sharp when stretched onto paper.
QPixmap drawnPixmap(const DrawnPicture& drawn)
{
    constexpr double PixelsPerTwip = 3.0 / TwipsPerPixel;
    QPixmap pixmap(static_cast<int>(std::lround(drawn.width * PixelsPerTwip)),
                   static_cast<int>(std::lround(drawn.height * PixelsPerTwip)));
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 2));
    for (const DrawnLine& line : drawn.lines) {
        painter.drawLine(QPointF(line.x1, line.y1) * PixelsPerTwip,
                         QPointF(line.x2, line.y2) * PixelsPerTwip);
    }
    for (const DrawnText& text : drawn.texts) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(static_cast<int>(std::lround(text.points * 20 * PixelsPerTwip)));
        font.setBold(text.bold);
        painter.setFont(font);
        const QPointF centre = QPointF(text.x, text.y) * PixelsPerTwip;
        painter.drawText(QRectF(centre.x() - 1000, centre.y() - 200, 2000, 400), Qt::AlignCenter,
                         toQString(text.text));
    }
    return pixmap;
}
} // namespace

QPixmap builtInPicture(std::string_view id)
{
    if (id.empty()) {
        return {};
    }
    const QString path = QStringLiteral(":/pictures/") + toQString(id);
    if (QFile::exists(path)) {
        return QPixmap(path);
    }
    if (const DrawnPicture* drawn = findDrawnPicture(id)) {
        return drawnPixmap(*drawn);
    }
    if (id == "QuickTip") {
        // Drawn rather than stored: a navy question mark for the quick-tip buttons.
        QPixmap glyph(9, 9);
        glyph.fill(Qt::transparent);
        QPainter painter(&glyph);
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(10);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(QColor(0, 0, 128));
        painter.drawText(glyph.rect(), Qt::AlignCenter, QStringLiteral("?"));
        return glyph;
    }
    if (id == "ManualIcon") {
        // Drawn rather than stored: an open book in navy and white for the manual's title.
        QPixmap book(32, 32);
        book.fill(Qt::transparent);
        QPainter painter(&book);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0, 0, 128), 1.5));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(3, 7, 13, 19));
        painter.drawRect(QRectF(16, 7, 13, 19));
        painter.setPen(QPen(QColor(0, 128, 0), 1));
        for (int y = 11; y <= 22; y += 3) {
            painter.drawLine(QPointF(6, y), QPointF(13, y));
            painter.drawLine(QPointF(19, y), QPointF(26, y));
        }
        return book;
    }
    if (id == "Support" || id == "PointLoadArrow" || id == "PointLoadArrowNavy") {
        // Drawn 32 x 32 pictures of the load entry diagram: a support triangle, a point load arrow.
        QPixmap glyph(32, 32);
        glyph.fill(Qt::transparent);
        QPainter painter(&glyph);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 1.5));
        if (id == "Support") {
            const QPointF triangle[] = {{16, 2}, {4, 24}, {28, 24}};
            painter.setBrush(Qt::white);
            painter.drawPolygon(triangle, 3);
        } else {
            painter.setBrush(id == "PointLoadArrow" ? QColor(Qt::white) : QColor(0, 0, 128));
            const QPointF arrow[] = {{12, 2}, {20, 2}, {20, 18}, {27, 18}, {16, 30}, {5, 18}, {12, 18}};
            painter.drawPolygon(arrow, 7);
        }
        return glyph;
    }
    return {};
}

int toModelPosition(const QString& text, int position)
{
    position = std::clamp(position, 0, static_cast<int>(text.size()));
    int chars = 0;
    for (int i = 0; i < position; ++i) {
        if (!(text.at(i).isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate())) {
            ++chars;
        }
    }
    return chars;
}

int toQtPosition(const QString& text, int position)
{
    int chars = 0;
    int i = 0;
    while (i < text.size() && chars < position) {
        i += (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        ++chars;
    }
    return i;
}

Qt::Alignment horizontal(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Right:
        return Qt::AlignRight;
    case Alignment::Center:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

} // namespace platform::qt
