// The Qt host's printer: devices, fonts, measurements and documents, with the virtual "PDF file"
// device for print-to-file and for machines without a printer.
#include "platform/core/RuntimeError.h"
#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"
#include "platform/qt/FormWindow.h"
#include "platform/qt/Printing.h"
#include "platform/qt/QtConvert.h"
#include "platform/qt/QtHost.h"

#include <QPrinterInfo>
#include <algorithm>
#include <iostream>

namespace platform::qt
{

PrinterList QtHost::printers()
{
    PrinterList list;
    list.devices = installedPrinters();
    list.defaultDevice = systemDefaultPrinter();
    if (list.defaultDevice.empty() ||
        std::find(list.devices.begin(), list.devices.end(), list.defaultDevice) == list.devices.end()) {
        list.defaultDevice = list.devices.empty() ? std::string(PdfDevice) : list.devices.front();
    }
    list.devices.emplace_back(PdfDevice);
    return list;
}

std::vector<std::string> QtHost::printerFonts(const std::string&)
{
    std::vector<std::string> fonts = printableFonts();
    if (fonts.empty()) {
        raise(err::PrinterError);
    }
    return fonts;
}

SizeTwips QtHost::measureText(const FontSpec& font, std::string_view text)
{
    return measureOnPrinter(font, text);
}

SizeTwips QtHost::pageSize(const std::string& device, int orientation)
{
    return sheetSize(device, orientation);
}

void QtHost::printDocument(const PrintedDocument& document)
{
    if (document.abandoned) {
        return; // an abandoned document never reaches the printer
    }
    const FormImages formImages = [this](const std::string& name) {
        Form* form = m_runtime == nullptr ? nullptr : m_runtime->findForm(name);
        FormWindow* w = form == nullptr ? nullptr : window(*form);
        return w == nullptr ? QPixmap() : w->client()->grab();
    };
    const std::vector<std::string> devices = installedPrinters();
    if (document.device == PdfDevice || devices.empty()) {
        if (m_pdf == nullptr) {
            if (!m_pdfPath) {
                m_pdfPath = askPdfFile(dialogParent());
            }
            if (!m_pdfPath) {
                raise(err::PrinterError);
            }
            m_pdf = std::make_unique<PdfOutput>(*m_pdfPath, document.orientation);
            if (!m_pdf->open()) {
                m_pdf.reset();
                m_pdfPath.reset();
                raise(err::PrinterError);
            }
        }
        m_pdf->add(document, formImages);
        if (m_runtime == nullptr || !m_runtime->inHandler()) {
            finishPdf();
        }
        return;
    }
    if (std::find(devices.begin(), devices.end(), document.device) == devices.end()) {
        raise(err::PrinterError);
    }
    QPrinter printer(QPrinterInfo::printerInfo(toQString(document.device)), QPrinter::HighResolution);
    printer.setFullPage(false);
    printer.setCopyCount(1); // the program prints each copy as a document of its own
    printer.setDocName(QStringLiteral("Korvanta"));
    setOrientation(printer, document.orientation);
    QPainter painter;
    if (!painter.begin(&printer)) {
        raise(err::PrinterError);
    }
    paintDocument(painter, printer, document, false, formImages);
    if (!painter.end()) {
        raise(err::PrinterError);
    }
}

void QtHost::finishPdf()
{
    if (m_pdf != nullptr && !m_pdf->finish()) {
        std::cerr << "Korvanta: the PDF file could not be written\n";
    }
    m_pdf.reset();
    m_pdfPath.reset();
}

} // namespace platform::qt
