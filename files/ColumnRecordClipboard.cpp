// The column records' clipboard texts. Every cell is a caption as the form shows it, hidden or not;
// in the data grid a value and its unit make one cell. The two forms name their grid labels alike, so
// the first eighteen lines are read the same way from either.
#include "files/ColumnRecordClipboard.h"

#include "app/Program.h"
#include "columns/Form19.h"
#include "columns/Form23.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"

#include <initializer_list>
#include <string_view>

namespace files
{

namespace
{

using Line = std::initializer_list<std::string>;

void addLines(std::string& text, std::initializer_list<Line> lines)
{
    for (const Line& line : lines) {
        if (!text.empty() || &line != lines.begin()) {
            text += '\n';
        }
        bool first = true;
        for (const std::string& cell : line) {
            if (!first) {
                text += '\t';
            }
            text += cell;
            first = false;
        }
    }
}

// Lines 1 to 18, the same cells on both forms but for the heading area of line 4: headings, header
// lines, selection, conditions and the data grid.
template <typename FormT>
std::string commonLines(FormT& f, platform::Label& heading1, platform::Label& heading2)
{
    std::string text;
    addLines(text, {{f.Label1.caption()},
                    {f.Label2.caption()},
                    {},
                    {heading1.caption(), "", heading2.caption(), "", f.Label8.caption()},
                    {},
                    {f.Label3.caption()},
                    {f.Label4.caption()},
                    {f.Label5.caption()},
                    {f.Label6.caption(), "", f.Label7.caption()},
                    {},
                    {f.Label9.caption(), f.Label10.caption()},
                    {f.Label11.caption(), f.Label59.caption()},
                    {"", f.Label12.caption()},
                    {},
                    {f.Label13.caption(), f.Label14.caption(), f.Label15.caption() + f.Label21.caption(),
                     f.Label26.caption(), f.Label29.caption() + f.Label62.caption(), f.Label63.caption(),
                     f.Label71.caption()},
                    {"", f.Label16.caption(), f.Label17.caption() + f.Label22.caption(), f.Label28.caption(),
                     f.Label60.caption() + f.Label64.caption(), f.Label72.caption(), f.Label75.caption()},
                    {"", f.Label18.caption(), f.Label19.caption() + f.Label24.caption(), f.Label31.caption(),
                     f.Label61.caption() + f.Label65.caption(), f.Label73.caption(), f.Label76.caption()},
                    {"", f.Label20.caption(), f.Label23.caption() + f.Label25.caption(), f.Label27.caption(),
                     f.Label30.caption(), f.Label74.caption(), f.Label77.caption()}});
    return text;
}

void copy(app::Program& program, const std::string& text, std::string_view kind)
{
    platform::Runtime& runtime = program.runtime;
    runtime.clearClipboard();
    runtime.setClipboardText(text);
    runtime.msgBox(
        "Your " + std::string(kind) +
            " Column data record has been saved to the Windows Clipboard.\n\nBe sure to paste data "
            "into your word processing or spreadsheet application before saving another column "
            "to the clipboard.\nFor instructions see Help.",
        platform::Buttons::OK, platform::Icon::Information, "Korvanta");
}

// The first failure ends the copy with the error alone: no confirmation and never a part of the text.
template <typename Build>
void copyGuarded(app::Program& program, Build build, std::string_view kind, const char* error)
{
    platform::leaveOnError([&] { copy(program, build(program), kind); },
                           [&](const platform::RuntimeError&) {
                               program.runtime.msgBox(error, platform::Buttons::OK,
                                                      platform::Icon::Exclamation, "Korvanta");
                           });
}

} // namespace

std::string woodColumnClipboardText(app::Program& program)
{
    columns::Form19& f = program.form19;
    std::string text = commonLines(f, f.Label78, f.Label87);
    addLines(text, {{},
                    {f.Label32.caption(), "", f.Label85.caption(), f.Label86.caption()},
                    {"", "", "", "", "", "", f.Label46.caption(), f.Label47.caption()},
                    {"", "", "", "", "", f.Label45.caption(), f.Label48.caption(), f.Label49.caption()},
                    {"", "", f.Label35.caption(), f.Label37.caption(), f.Label44.caption(),
                     f.Label53.caption(), f.Label54.caption(), f.Label55.caption()},
                    {"", f.Label33.caption(), f.Label36.caption(), f.Label38.caption(), f.Label81.caption(),
                     f.Label56.caption(), f.Label67.caption()},
                    {"", f.Label34.caption(), f.Label39.caption(), f.Label50.caption(), f.Label82.caption(),
                     f.Label57.caption(), f.Label68.caption()},
                    {"", f.Label42.caption(), f.Label40.caption(), f.Label51.caption(), f.Label83.caption(),
                     f.Label58.caption(), f.Label69.caption(), f.Label70.caption()},
                    {"", f.Label43.caption(), f.Label41.caption(), f.Label52.caption(), f.Label84.caption(),
                     f.Label79.caption(), f.Label80.caption()},
                    {f.Label66.caption()}});
    return text;
}

std::string steelColumnClipboardText(app::Program& program)
{
    columns::Form23& f = program.form23;
    std::string text = commonLines(f, f.Label45, f.Label46);
    addLines(text,
             {{},
              {"", "", f.Label35.caption(), f.Label37.caption(), f.Label44.caption()},
              {f.Label32.caption(), f.Label33.caption(), f.Label36.caption(), f.Label50.caption(),
               f.Label81.caption()},
              {"", f.Label34.caption(), f.Label39.caption(), f.Label38.caption(), f.Label82.caption()},
              {"", f.Label42.caption(), f.Label40.caption(), f.Label51.caption(), f.Label83.caption()},
              {"", f.Label43.caption(), f.Label41.caption(), f.Label52.caption(), f.Label84.caption()}});
    return text;
}

void CopyWoodColumnRecordToClipboard(app::Program& program)
{
    copyGuarded(program, woodColumnClipboardText, "Wood", "Error copying to wood column clipboard.");
}

void CopySteelColumnRecordToClipboard(app::Program& program)
{
    copyGuarded(program, steelColumnClipboardText, "Steel", "Error copying to steel column clipboard.");
}

} // namespace files
