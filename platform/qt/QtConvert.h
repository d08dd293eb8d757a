// Conversions between the form model's units and Qt's: twips to pixels, UTF-8 to QString, model
// colours and fonts to QColor and QFont, and the model's line breaks to Qt's.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Types.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>
#include <cstdint>
#include <string>
#include <string_view>

class QWidget;

namespace platform::qt
{

// The model lays out forms at 15 twips per logical pixel.
constexpr double TwipsPerPixel = 15;

int toPixels(double twips);
QString toQString(std::string_view utf8);
std::string toUtf8(const QString& text);

// CR LF, a lone CR and a lone LF each become one line break.
QString withLineBreaks(std::string_view utf8);

bool isSystemColour(std::uint32_t colour);
// A 0xBBGGRR colour, or the desktop's colour for a system colour.
QColor toQColor(std::uint32_t colour);
// The horizontal Qt alignment of a label, box or panel caption.
Qt::Alignment horizontal(Alignment alignment);

// Screen fonts are sized in pixels (points x 4/3) so that text fits the twips layout at any DPI.
QFont screenFont(const FontSpec& font);
// Printer fonts keep their point size; the paint device scales them.
QFont printerFont(const FontSpec& font);
// The original font names map to metric-compatible fonts installed here.
void installFontSubstitutions();

// A built-in picture by its id; a null pixmap when the program has none by that name.
QPixmap builtInPicture(std::string_view id);

// Positions in the model count characters; QString counts UTF-16 units.
int toModelPosition(const QString& text, int position);
int toQtPosition(const QString& text, int position);

} // namespace platform::qt
