// The printer the program draws on: a current font and position, lines, boxes and text in twips,
// collected page by page and handed to the host when the document ends.
#pragma once

#include "platform/forms/Types.h"

#include <string>
#include <string_view>
#include <vector>

namespace platform
{

class Host;
class Form;

class Printer
{
  public:
    explicit Printer(Host& host);

    std::vector<std::string> printers();
    std::string deviceName();
    // The program's default printer; the system-wide default is never changed.
    void setDevice(std::string_view device);
    int fontCount(); // error 482 when the device's font list cannot be read
    std::string font(int index);

    std::string fontName() const { return m_font.name; }
    void setFontName(std::string_view name) { m_font.name = name; }
    double fontSize() const { return m_font.size; }
    void setFontSize(double points) { m_font.size = points; }
    bool fontBold() const { return m_font.bold; }
    void setFontBold(bool bold) { m_font.bold = bold; }
    bool fontItalic() const { return m_font.italic; }
    void setFontItalic(bool italic) { m_font.italic = italic; }
    bool fontUnderline() const { return m_font.underline; }
    void setFontUnderline(bool underline) { m_font.underline = underline; }
    int orientation() const { return m_orientation; }
    void setOrientation(int orientation) { m_orientation = orientation; }
    double pageWidth();
    double pageHeight();
    double scaleLeft() const { return m_scaleLeft; }
    void setScaleLeft(double twips) { m_scaleLeft = twips; }
    double scaleTop() const { return m_scaleTop; }
    void setScaleTop(double twips) { m_scaleTop = twips; }
    double currentX() const { return m_x; }
    void setCurrentX(double twips) { m_x = twips; }
    double currentY() const { return m_y; }
    void setCurrentY(double twips) { m_y = twips; }
    int drawWidth() const { return m_drawWidth; }
    void setDrawWidth(int pixels) { m_drawWidth = pixels; }

    // One line of text with its top at currentY; then currentX = scaleLeft and currentY moves down a line.
    void print(std::string_view text);
    double textWidth(std::string_view text);
    double textHeight(std::string_view text);
    void line(double x1, double y1, double x2, double y2);
    void box(double x, double y, double width, double height);
    void paintPicture(std::string_view picture, double x, double y, double width, double height);
    void printForm(Form& form);
    void newPage();
    void endDoc();  // hands the document to the host (error 482 on failure)
    void killDoc(); // abandons it

  private:
    std::vector<PrintOp>& page();
    double toPageX(double x) const { return x - m_scaleLeft; }
    double toPageY(double y) const { return y - m_scaleTop; }

    Host& m_host;
    std::string m_device;
    FontSpec m_font{"Arial", 9};
    int m_orientation = 1;
    double m_scaleLeft = 0, m_scaleTop = 0, m_x = 0, m_y = 0;
    int m_drawWidth = 1;
    PrintedDocument m_document;
    bool m_open = false;
};

} // namespace platform
