// Value types shared by the form model and the hosts: fonts, colours, message boxes, dialogs, printing.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace platform
{

// Colours are 0xBBGGRR; the high bit marks a system colour.
constexpr std::uint32_t rgb(int r, int g, int b)
{
    return static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
           (static_cast<std::uint32_t>(b) << 16);
}
constexpr std::uint32_t SystemButtonFace = 0x8000000F;
constexpr std::uint32_t SystemWindowBackground = 0x80000005;
constexpr std::uint32_t SystemWindowText = 0x80000008;
constexpr std::uint32_t SystemButtonText = 0x80000012;
constexpr std::uint32_t SystemHighlight = 0x8000000D;

struct FontSpec
{
    std::string name = "MS Sans Serif";
    double size = 8.25; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const FontSpec&) const = default;
};

struct SizeTwips
{
    double width = 0;
    double height = 0;
};

// Message boxes: the first button is the default; Esc and the close box give Cancel where there is one.
enum class Buttons
{
    OK,
    OKCancel,
    YesNo,
    YesNoCancel
};
enum class Icon
{
    None,
    Question,
    Exclamation,
    Information
};
enum class MsgResult
{
    OK = 1,
    Cancel = 2,
    Yes = 6,
    No = 7
};

struct MessageRequest
{
    std::string text;
    std::string title; // empty shows the program title "Korvanta"
    Buttons buttons = Buttons::OK;
    Icon icon = Icon::None;
};

enum class FileDialogKind
{
    Open,
    Save
};

struct FileDialogRequest
{
    FileDialogKind kind = FileDialogKind::Open;
    std::string title;
    std::string fileName;         // initial name, e.g. "*.CRI"
    std::string filter;           // "All Files (*.*)|*.*|Korvanta Files (*.CRI)|*.CRI|"
    int filterIndex = 1;          // 1-based
    std::string defaultExtension; // appended on save to a name typed without one
    bool overwritePrompt = false;
    std::filesystem::path initialFolder;
};

struct PrintChoice
{
    std::string device;
    std::int16_t copies = 1;
    int orientation = 1; // 1 portrait, 2 landscape
};

struct PrintDialogRequest
{
    std::string title = "Korvanta Print Dialog";
    std::int16_t copies = 1;
};

struct PrinterList
{
    std::vector<std::string> devices; // in system order
    std::string defaultDevice;
};

// One drawing operation of a printed page, in twips after the origin move.
struct PrintOp
{
    enum class Kind
    {
        Text,
        Line,
        Box,
        Picture,
        FormImage
    };
    Kind kind = Kind::Text;
    double x1 = 0, y1 = 0, x2 = 0,
           y2 = 0;    // Text: top-left in x1, y1; Box: corner in x1, y1 and size in x2, y2
    std::string text; // the text, picture id or form name
    FontSpec font;
    int drawWidth = 1;
};

struct PrintedDocument
{
    std::string device;
    bool abandoned = false;
    int orientation = 1;
    std::vector<std::vector<PrintOp>> pages;
};

enum class Key
{
    Tab,
    Enter,
    Escape,
    Insert,
    Delete,
    Backspace,
    Home,
    End,
    Left,
    Right,
    Up,
    Down,
    F1,
    F2,
    F3,
    F4
};

// Shift state bits as the KeyDown event passes them.
namespace shift
{
constexpr int None = 0;
constexpr int Shift = 1;
constexpr int Ctrl = 2;
constexpr int Alt = 4;
} // namespace shift

// Windows virtual key codes the program's KeyDown handlers compare against.
int keyCode(Key key);

} // namespace platform
