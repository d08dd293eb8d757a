// The beam data record as tab-separated text on the clipboard, for a word processor or spreadsheet.
#pragma once

#include <string>

namespace app
{
class Program;
}

namespace files
{

// The text of Form6's captions: 43 lines joined by LF, cells by TAB.
std::string beamRecordClipboardText(app::Program& program);
// Puts that text on the clipboard and confirms; a failure shows one error message and nothing else.
void CopyBeamRecordToClipboard(app::Program& program);

} // namespace files
