// What the form model needs of a host: modal boxes and dialogs, the printer, the clipboard, the screen,
// the program folder, the clock, the shell and the windows. HeadlessHost and QtHost implement it.
#pragma once

#include "platform/core/Clock.h"
#include "platform/forms/Types.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform
{

class Form;
class Control;

enum class FormChange
{
    Shown,
    Hidden,
    Unloaded,
    Moved,    // left, top, width or height
    Property, // caption, colour, font, mouse pointer, window state
    Activated // the model made this form the active one
};

class Host
{
  public:
    virtual ~Host() = default;

    // Modal user interface: a nested loop that never changes the active form.
    virtual MsgResult messageBox(const MessageRequest& request) = 0;
    virtual std::optional<std::filesystem::path>
    fileDialog(const FileDialogRequest& request) = 0; // nullopt: Cancel
    virtual std::optional<PrintChoice> printDialog(const PrintDialogRequest& request, bool setupOnly) = 0;
    virtual void beep() = 0;

    // Printer. printerFonts and printDocument raise error 482 on failure.
    virtual PrinterList printers() = 0;
    virtual std::vector<std::string> printerFonts(const std::string& device) = 0;
    virtual SizeTwips measureText(const FontSpec& font, std::string_view text) = 0; // on the printer
    virtual SizeTwips pageSize(const std::string& device, int orientation) = 0;     // whole sheet
    virtual void printDocument(const PrintedDocument& document) = 0;

    // System. Clipboard failures raise error 521.
    virtual void clearClipboard() = 0;
    virtual void setClipboardText(std::string_view utf8) = 0;
    virtual SizeTwips screenSize() = 0;
    virtual std::filesystem::path programFolder() = 0;
    virtual Clock& clock() = 0;
    virtual bool openFolder(const std::filesystem::path& folder) = 0;
    virtual bool openUrl(const std::string& url) = 0;

    // Windows.
    virtual void formChanged(Form& form, FormChange change) = 0;
    virtual void controlChanged(Control& control) = 0; // any property of the control, written by code
    virtual void focusChanged(Control* control) = 0;   // the model moved the focus (nullptr: none)
    virtual void repaintNow(Form& form) = 0;           // Refresh: paint now, take no input
    virtual void runModal(Form& form) = 0;             // returns when the form is hidden or unloaded
    virtual void quit() = 0;                           // End: close every window, raise no events
};

} // namespace platform
