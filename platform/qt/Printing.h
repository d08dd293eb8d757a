// Printed documents on a QPrinter: pages of drawing operations in twips, drawn in device units.
#pragma once

#include "platform/forms/Types.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::qt
{

// The form windows' images for printed forms, by form name.
using FormImages = std::function<QPixmap(const std::string& formName)>;

std::vector<std::string> installedPrinters();
std::string systemDefaultPrinter();
// The fonts available for printing, in a fixed order, with the original names whose substitute is
// installed.
std::vector<std::string> printableFonts();
// The extent of a text in the printer font, in twips.
SizeTwips measureOnPrinter(const FontSpec& font, std::string_view text);
// The whole sheet of a device in twips; Letter when the device's paper is unknown.
SizeTwips sheetSize(const std::string& device, int orientation);

void setOrientation(QPrinter& printer, int orientation);
// Draws the document's pages; a new page first when the painter already holds pages.
void paintDocument(QPainter& painter, QPrinter& printer, const PrintedDocument& document, bool newPageFirst,
                   const FormImages& formImages);

// A PDF file that takes every document ended in one dispatch, each after the last.
class PdfOutput
{
  public:
    PdfOutput(const std::filesystem::path& file, int orientation);
    bool open() const { return m_painter.isActive(); }
    void add(const PrintedDocument& document, const FormImages& formImages);
    bool finish();

  private:
    QPrinter m_printer;
    QPainter m_painter;
    bool m_hasPages = false;
};

} // namespace platform::qt
