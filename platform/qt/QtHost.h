// The Qt host: each form a top-level window, modal boxes and dialogs, the printer, the clipboard and
// the screen. Everything the user does reaches the form model through the runtime's user input calls.
#pragma once

#include "platform/forms/Form.h"
#include "platform/forms/Host.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QEventLoop;
class QWidget;

namespace platform
{
class Runtime;
}

namespace platform::qt
{

class FormWindow;
class PdfOutput;

// The virtual device that prints into a PDF file; also used when no printer is installed.
inline constexpr const char* PdfDevice = "PDF file";

class QtHost final : public QObject, public Host
{
    Q_OBJECT

  public:
    // Needs a QApplication. The program folder holds the settings and record files.
    explicit QtHost(std::filesystem::path programFolder);
    ~QtHost() override;

    // The runtime is built on this host, so it is attached afterwards.
    void attach(Runtime& runtime) { m_runtime = &runtime; }
    Runtime* runtime() const { return m_runtime; }

    // The window of a form once it has been shown, and the widget of a control in it.
    FormWindow* window(const Form& form) const;
    QWidget* widget(const Control& control) const;

    // --- Entry points from Qt, used by the form windows ---
    // Runs one piece of user input against the model. Nothing escapes into Qt's event loop; afterwards
    // the control shows the model's state again, whatever the widget did on its own.
    void userInput(Control* control, const std::function<void()>& action);
    void windowActivated(Form& form);
    void closeRequested(Form& form);
    bool quitting() const { return m_quitting; }
    // The desktop session ends (reason 2) or a termination request arrives (reason 3): every loaded
    // form is asked to unload; the program ends once none is left.
    void endSession(UnloadReason reason);

    // --- Host ---
    MsgResult messageBox(const MessageRequest& request) override;
    std::optional<std::filesystem::path> fileDialog(const FileDialogRequest& request) override;
    std::optional<PrintChoice> printDialog(const PrintDialogRequest& request, bool setupOnly) override;
    void beep() override;

    PrinterList printers() override;
    std::vector<std::string> printerFonts(const std::string& device) override;
    SizeTwips measureText(const FontSpec& font, std::string_view text) override;
    SizeTwips pageSize(const std::string& device, int orientation) override;
    void printDocument(const PrintedDocument& document) override;

    void clearClipboard() override;
    void setClipboardText(std::string_view utf8) override;
    SizeTwips screenSize() override;
    std::filesystem::path programFolder() override { return m_folder; }
    Clock& clock() override { return *m_clock; }
    bool openFolder(const std::filesystem::path& folder) override;
    bool openUrl(const std::string& url) override;

    void formChanged(Form& form, FormChange change) override;
    void controlChanged(Control& control) override;
    void focusChanged(Control* control) override;
    void repaintNow(Form& form) override;
    void runModal(Form& form) override;
    void quit() override;

  private:
    FormWindow* ensureWindow(Form& form);
    void showWindow(Form& form);
    void hideWindow(Form& form);
    void giveQtFocus(Control& control);
    // Window activations that follow the host's own show, hide or raise are not the user's.
    void quietActivations();
    void activateModelWindow();
    QWidget* dialogParent() const;
    void applyScreenPointer();
    // Between user events: finish a PDF being written and end a program left without windows.
    void settle();
    void finishPdf();
    std::optional<std::filesystem::path> askPdfFile(QWidget* parent);
    template <class Dialog> int runDialog(Dialog& dialog);

    std::filesystem::path m_folder;
    std::unique_ptr<Clock> m_clock;
    Runtime* m_runtime = nullptr;
    std::map<const Form*, std::unique_ptr<FormWindow>> m_windows;
    std::vector<std::pair<const Form*, QEventLoop*>> m_modalLoops;
    int m_modalBoxes = 0; // message boxes and dialogs up
    int m_flushing = 0;   // inside a repaint that takes no input
    bool m_quitting = false;
    QElapsedTimer m_sinceOwnActivation;
    bool m_screenPointer = false;
    std::optional<std::filesystem::path> m_pdfPath; // chosen in the print dialog for the next output
    std::unique_ptr<PdfOutput> m_pdf;               // the PDF being written in this dispatch
};

} // namespace platform::qt
