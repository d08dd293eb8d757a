// Printed documents on a QPrinter.
#include "platform/qt/Printing.h"

#include "platform/qt/QtConvert.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPrinterInfo>
#include <algorithm>

namespace platform::qt
{

namespace
{

constexpr double TwipsPerPoint = 20;
// Text is measured at a printer's resolution, so that widths agree with what reaches the page.
constexpr int MeasuringDpi = 1200;
// The program's drawWidth counts printer pixels at a nominal 600 dpi.
constexpr double TwipsPerDrawWidth = 1440.0 / 600.0;

const QPaintDevice& measuringDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dotsPerMeter = static_cast<int>(MeasuringDpi / 0.0254 + 0.5);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

} // namespace

std::vector<std::string> installedPrinters()
{
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames()) {
        names.push_back(toUtf8(name));
    }
    return names;
}

std::string systemDefaultPrinter()
{
    return toUtf8(QPrinterInfo::defaultPrinterName());
}

std::vector<std::string> printableFonts()
{
    const QStringList families = QFontDatabase::families();
    std::vector<std::string> fonts;
    for (const QString& family : families) {
        fonts.push_back(toUtf8(family));
    }
    const std::pair<const char*, const char*> originals[] = {{"Arial", "Liberation Sans"},
                                                             {"MS Sans Serif", "Liberation Sans"},
                                                             {"Times New Roman", "Liberation Serif"},
                                                             {"Courier New", "Liberation Mono"}};
    for (const auto& [original, substitute] : originals) {
        if (families.contains(QString::fromLatin1(substitute)) &&
            std::find(fonts.begin(), fonts.end(), original) == fonts.end()) {
            fonts.emplace_back(original);
        }
    }
    std::sort(fonts.begin(), fonts.end());
    return fonts;
}

SizeTwips measureOnPrinter(const FontSpec& font, std::string_view text)
{
    const QFontMetricsF metrics(printerFont(font), &measuringDevice());
    const double twipsPerDot = 1440.0 / MeasuringDpi;
    return {metrics.horizontalAdvance(toQString(text)) * twipsPerDot, metrics.height() * twipsPerDot};
}

SizeTwips sheetSize(const std::string& device, int orientation)
{
    QPageSize page(QPageSize::Letter);
    const QPrinterInfo info = QPrinterInfo::printerInfo(toQString(device));
    if (!info.isNull() && info.defaultPageSize().isValid()) {
        page = info.defaultPageSize();
    }
    const QSizeF points = page.size(QPageSize::Point);
    SizeTwips size{std::round(points.width() * TwipsPerPoint), std::round(points.height() * TwipsPerPoint)};
    if (orientation == 2) {
        std::swap(size.width, size.height);
    }
    return size;
}

void setOrientation(QPrinter& printer, int orientation)
{
    printer.setPageOrientation(orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void paintDocument(QPainter& painter, QPrinter& printer, const PrintedDocument& document, bool newPageFirst,
                   const FormImages& formImages)
{
    const double scale = printer.resolution() / 1440.0; // device units per twip
    auto at = [scale](double x, double y) { return QPointF(x * scale, y * scale); };
    bool needPage = newPageFirst;
    for (const std::vector<PrintOp>& page : document.pages) {
        if (needPage) {
            printer.newPage();
        }
        needPage = true;
        for (const PrintOp& op : page) {
            QPen pen(Qt::black);
            pen.setWidthF(std::max(1, op.drawWidth) * TwipsPerDrawWidth * scale);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            switch (op.kind) {
            case PrintOp::Kind::Text: {
                const QFont font = printerFont(op.font);
                painter.setFont(font);
                const QFontMetricsF metrics(font, &printer);
                painter.drawText(at(op.x1, op.y1) + QPointF(0, metrics.ascent()), toQString(op.text));
                break;
            }
            case PrintOp::Kind::Line:
                painter.drawLine(at(op.x1, op.y1), at(op.x2, op.y2));
                break;
            case PrintOp::Kind::Box:
                painter.drawRect(QRectF(at(op.x1, op.y1), at(op.x1 + op.x2, op.y1 + op.y2)));
                break;
            case PrintOp::Kind::Picture: {
                const QPixmap picture = builtInPicture(op.text);
                if (!picture.isNull()) {
                    painter.drawPixmap(QRectF(at(op.x1, op.y1), at(op.x1 + op.x2, op.y1 + op.y2)), picture,
                                       QRectF(picture.rect()));
                }
                break;
            }
            case PrintOp::Kind::FormImage: {
                // The window's image at its screen size: 15 twips to the pixel.
                const QPixmap image = formImages ? formImages(op.text) : QPixmap();
                if (!image.isNull()) {
                    const double w = image.width() * TwipsPerPixel;
                    const double h = image.height() * TwipsPerPixel;
                    painter.drawPixmap(QRectF(at(op.x1, op.y1), at(op.x1 + w, op.y1 + h)), image,
                                       QRectF(image.rect()));
                }
                break;
            }
            }
        }
    }
}

PdfOutput::PdfOutput(const std::filesystem::path& file, int orientation) : m_printer(QPrinter::HighResolution)
{
    m_printer.setOutputFormat(QPrinter::PdfFormat);
    m_printer.setOutputFileName(toQString(file.string()));
    m_printer.setPageSize(QPageSize(QPageSize::Letter));
    m_printer.setFullPage(false);
    m_printer.setDocName(QStringLiteral("Korvanta"));
    setOrientation(m_printer, orientation);
    m_painter.begin(&m_printer);
}

void PdfOutput::add(const PrintedDocument& document, const FormImages& formImages)
{
    if (m_hasPages) {
        setOrientation(m_printer, document.orientation);
    }
    paintDocument(m_painter, m_printer, document, m_hasPages, formImages);
    m_hasPages = m_hasPages || !document.pages.empty();
}

bool PdfOutput::finish()
{
    return !m_painter.isActive() || m_painter.end();
}

} // namespace platform::qt
