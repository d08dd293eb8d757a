// The Qt host's modal user interface: message boxes, file dialogs, print and page setup dialogs. None
// of them changes the model's active form or raises an event in it.
#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"
#include "platform/qt/FormWindow.h"
#include "platform/qt/MessageDialog.h"
#include "platform/qt/Printing.h"
#include "platform/qt/QtConvert.h"
#include "platform/qt/QtHost.h"

#include <QApplication>
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace platform::qt
{

namespace
{

// "desc|pattern|desc|pattern|" into Qt's name filters. Extensions match in either case, and "*.*"
// means every file, with or without an extension.
QStringList nameFilters(const std::string& filter)
{
    QStringList parts = toQString(filter).split(QLatin1Char('|'));
    if (!parts.isEmpty() && parts.last().isEmpty()) {
        parts.removeLast();
    }
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (QString pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            pattern = pattern.trimmed();
            if (pattern == QStringLiteral("*.*")) {
                pattern = QStringLiteral("*");
            }
            for (const QString& variant : {pattern, pattern.toLower(), pattern.toUpper()}) {
                if (!patterns.contains(variant)) {
                    patterns.append(variant);
                }
            }
        }
        filters.append(parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return filters;
}

} // namespace

QWidget* QtHost::dialogParent() const
{
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    Form* active = m_runtime == nullptr ? nullptr : m_runtime->activeForm();
    FormWindow* w = active == nullptr ? nullptr : window(*active);
    if (w != nullptr && w->isVisible()) {
        return w;
    }
    for (const auto& [form, candidate] : m_windows) {
        if (candidate->isVisible()) {
            return candidate.get();
        }
    }
    return nullptr;
}

template <class Dialog> int QtHost::runDialog(Dialog& dialog)
{
    ++m_modalBoxes;
    const int result = dialog.exec();
    --m_modalBoxes;
    quietActivations();
    return result;
}

MsgResult QtHost::messageBox(const MessageRequest& request)
{
    MessageDialog dialog(request, dialogParent());
    if (m_quitting) {
        return request.buttons == Buttons::OK ? MsgResult::OK : MsgResult::Cancel;
    }
    return static_cast<MsgResult>(runDialog(dialog));
}

std::optional<std::filesystem::path> QtHost::fileDialog(const FileDialogRequest& request)
{
    QFileDialog dialog(dialogParent(), toQString(request.title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    const std::filesystem::path folder = request.initialFolder.empty() ? m_folder : request.initialFolder;
    dialog.setDirectory(toQString(folder.string()));
    const QStringList filters = nameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = std::clamp(request.filterIndex, 1, static_cast<int>(filters.size())) - 1;
        dialog.selectNameFilter(filters[index]);
    }
    if (request.kind == FileDialogKind::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile); // a load never creates a file
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        QString suffix = toQString(request.defaultExtension);
        while (suffix.startsWith(QLatin1Char('.'))) {
            suffix.remove(0, 1);
        }
        dialog.setDefaultSuffix(suffix);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    }
    const QString name = toQString(request.fileName);
    if (!name.isEmpty() && !name.contains(QLatin1Char('*')) && !name.contains(QLatin1Char('?'))) {
        dialog.selectFile(name);
    }
    if (m_quitting || runDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(toUtf8(dialog.selectedFiles().first()));
}

std::optional<std::filesystem::path> QtHost::askPdfFile(QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("Print to PDF File"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("PDF Files (*.pdf *.PDF)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setDirectory(toQString(m_folder.string()));
    if (m_quitting || runDialog(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(toUtf8(dialog.selectedFiles().first()));
}

std::optional<PrintChoice> QtHost::printDialog(const PrintDialogRequest& request, bool setupOnly)
{
    const bool noPrinters = installedPrinters().empty();
    QPrinter printer(QPrinter::HighResolution);
    if (noPrinters) {
        printer.setOutputFormat(QPrinter::PdfFormat);
    }
    if (setupOnly) {
        QPageSetupDialog dialog(&printer, dialogParent());
        if (m_quitting || runDialog(dialog) != QDialog::Accepted) {
            return std::nullopt;
        }
        return PrintChoice{noPrinters ? std::string(PdfDevice) : toUtf8(printer.printerName()), 1,
                           printer.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1};
    }
    if (noPrinters) {
        // Without a printer the virtual device is the only one: it asks where the file goes.
        auto file = askPdfFile(dialogParent());
        if (!file) {
            return std::nullopt;
        }
        m_pdfPath = file;
        return PrintChoice{PdfDevice, request.copies, 1};
    }
    printer.setCopyCount(std::max<int>(1, request.copies));
    QPrintDialog dialog(&printer, dialogParent());
    dialog.setWindowTitle(toQString(request.title));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
    if (m_quitting || runDialog(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    PrintChoice choice;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        choice.device = PdfDevice;
        m_pdfPath = std::filesystem::path(toUtf8(printer.outputFileName()));
    } else {
        choice.device = toUtf8(printer.printerName());
    }
    choice.copies = static_cast<std::int16_t>(std::clamp(printer.copyCount(), 1, 32767));
    choice.orientation = printer.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
    return choice;
}

} // namespace platform::qt
