// The printer collects a document as page display lists and hands it to the host at its end.
#include "platform/forms/Printer.h"

#include "platform/core/RuntimeError.h"
#include "platform/forms/Form.h"
#include "platform/forms/Host.h"

namespace platform
{

Printer::Printer(Host& host) : m_host(host) {}

std::vector<std::string> Printer::printers()
{
    return m_host.printers().devices;
}

std::string Printer::deviceName()
{
    if (m_device.empty()) {
        m_device = m_host.printers().defaultDevice;
    }
    return m_device;
}

void Printer::setDevice(std::string_view device)
{
    m_device = device;
}

int Printer::fontCount()
{
    return static_cast<int>(m_host.printerFonts(deviceName()).size());
}

std::string Printer::font(int index)
{
    const auto fonts = m_host.printerFonts(deviceName());
    if (index < 0 || index >= static_cast<int>(fonts.size())) {
        raise(err::SubscriptOutOfRange);
    }
    return fonts[static_cast<std::size_t>(index)];
}

double Printer::pageWidth()
{
    return m_host.pageSize(deviceName(), m_orientation).width;
}

double Printer::pageHeight()
{
    return m_host.pageSize(deviceName(), m_orientation).height;
}

std::vector<PrintOp>& Printer::page()
{
    if (!m_open) {
        m_document = PrintedDocument{};
        m_document.device = deviceName();
        m_document.orientation = m_orientation;
        m_document.pages.emplace_back();
        m_open = true;
    }
    return m_document.pages.back();
}

void Printer::print(std::string_view text)
{
    PrintOp op;
    op.kind = PrintOp::Kind::Text;
    op.x1 = toPageX(m_x);
    op.y1 = toPageY(m_y);
    op.text = text;
    op.font = m_font;
    page().push_back(op);
    m_x = m_scaleLeft;
    m_y += textHeight(text);
}

double Printer::textWidth(std::string_view text)
{
    return m_host.measureText(m_font, text).width;
}

double Printer::textHeight(std::string_view text)
{
    return m_host.measureText(m_font, text).height;
}

void Printer::line(double x1, double y1, double x2, double y2)
{
    PrintOp op;
    op.kind = PrintOp::Kind::Line;
    op.x1 = toPageX(x1);
    op.y1 = toPageY(y1);
    op.x2 = toPageX(x2);
    op.y2 = toPageY(y2);
    op.drawWidth = m_drawWidth;
    page().push_back(op);
    m_x = x2;
    m_y = y2;
}

void Printer::box(double x, double y, double width, double height)
{
    PrintOp op;
    op.kind = PrintOp::Kind::Box;
    op.x1 = toPageX(x);
    op.y1 = toPageY(y);
    op.x2 = width;
    op.y2 = height;
    op.drawWidth = m_drawWidth;
    page().push_back(op);
}

void Printer::paintPicture(std::string_view picture, double x, double y, double width, double height)
{
    PrintOp op;
    op.kind = PrintOp::Kind::Picture;
    op.x1 = toPageX(x);
    op.y1 = toPageY(y);
    op.x2 = width;
    op.y2 = height;
    op.text = picture;
    page().push_back(op);
}

void Printer::printForm(Form& form)
{
    PrintOp op;
    op.kind = PrintOp::Kind::FormImage;
    op.x1 = 0;
    op.y1 = 0;
    op.x2 = form.width();
    op.y2 = form.height();
    op.text = form.name();
    page().push_back(op);
}

void Printer::newPage()
{
    page();
    m_document.pages.emplace_back();
    m_x = m_scaleLeft;
    m_y = m_scaleTop;
}

void Printer::endDoc()
{
    if (!m_open) {
        return;
    }
    m_open = false;
    PrintedDocument document = std::move(m_document);
    m_document = PrintedDocument{};
    m_x = m_y = 0;
    m_host.printDocument(document);
}

void Printer::killDoc()
{
    if (!m_open) {
        return;
    }
    m_open = false;
    m_document.abandoned = true;
    PrintedDocument document = std::move(m_document);
    m_document = PrintedDocument{};
    m_x = m_y = 0;
    m_host.printDocument(document);
}

} // namespace platform
