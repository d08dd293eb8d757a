// The wood and steel column data records as tab-separated text on the clipboard, for a word processor
// or spreadsheet.
#pragma once

#include <string>

namespace app
{
class Program;
}

namespace files
{

// Form19's captions: 28 lines joined by LF, cells by TAB, no final LF.
std::string woodColumnClipboardText(app::Program& program);
// Form23's captions: 24 lines, the same way.
std::string steelColumnClipboardText(app::Program& program);
// Put the text on the clipboard and confirm; the first failure shows the error alone.
void CopyWoodColumnRecordToClipboard(app::Program& program);
void CopySteelColumnRecordToClipboard(app::Program& program);

} // namespace files
