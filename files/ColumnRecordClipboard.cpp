// The column records' clipboard texts. Every cell is a caption as the form shows it, hidden or not;
// in the data grid a value and its unit make one cell. Both forms lay out their fixed captions in the
// same order: the grid row by row (caption, value unit, caption, value unit, caption), the attribute
// table's three headings and four row captions, then the wood form's value table captions.
#include "files/ColumnRecordClipboard.h"

#include "app/Program.h"
#include "platform/core/Traps.h"

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

// Lines 1 to 18, the same cells on both forms: headings, header lines, selection, conditions and the
// data grid. The heading area's three labels are always empty.
template <typename FormT> std::string commonLines(FormT& f)
{
    auto fx = [&f](int i) { return f.Fixed(i).caption(); };
    std::string text;
    addLines(text, {{f.Label1.caption()},
                    {f.Label2.caption()},
                    {},
                    {"", "", "", "", ""},
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
                    {f.Label13.caption(), fx(0), f.Label15.caption() + fx(1), fx(2),
                     f.Label29.caption() + fx(3), fx(4), f.Label71.caption()},
                    {"", fx(5), f.Label17.caption() + fx(6), fx(7), f.Label60.caption() + fx(8), fx(9),
                     f.Label75.caption()},
                    {"", fx(10), f.Label19.caption() + fx(11), fx(12), f.Label61.caption() + fx(13), fx(14),
                     f.Label76.caption()},
                    {"", fx(15), f.Label23.caption() + fx(16), fx(17), f.Label30.caption(), fx(18),
                     f.Label77.caption()}});
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
    auto fx = [&f](int i) { return f.Fixed(i).caption(); };
    std::string text = commonLines(f);
    addLines(text, {{},
                    {f.Label32.caption(), "", f.Label85.caption(), f.Label86.caption()},
                    {"", "", "", "", "", "", fx(26), fx(27)},
                    {"", "", "", "", "", fx(28), f.Label48.caption(), f.Label49.caption()},
                    {"", "", fx(19), fx(20), fx(21), fx(29), f.Label54.caption(), f.Label55.caption()},
                    {"", fx(22), f.Label36.caption(), f.Label38.caption(), f.Label81.caption(), fx(30),
                     f.Label67.caption()},
                    {"", fx(23), f.Label39.caption(), f.Label50.caption(), f.Label82.caption(), fx(31),
                     f.Label68.caption()},
                    {"", fx(24), f.Label40.caption(), f.Label51.caption(), f.Label83.caption(),
                     f.Label58.caption(), f.Label69.caption(), f.Label70.caption()},
                    {"", fx(25), f.Label41.caption(), f.Label52.caption(), f.Label84.caption(), fx(32),
                     f.Label80.caption()},
                    {f.Label66.caption()}});
    return text;
}

std::string steelColumnClipboardText(app::Program& program)
{
    columns::Form23& f = program.form23;
    auto fx = [&f](int i) { return f.Fixed(i).caption(); };
    std::string text = commonLines(f);
    addLines(text,
             {{},
              {"", "", fx(19), fx(20), fx(21)},
              {f.Label32.caption(), fx(22), f.Label36.caption(), f.Label50.caption(), f.Label81.caption()},
              {"", fx(23), f.Label39.caption(), f.Label38.caption(), f.Label82.caption()},
              {"", fx(24), f.Label40.caption(), f.Label51.caption(), f.Label83.caption()},
              {"", fx(25), f.Label41.caption(), f.Label52.caption(), f.Label84.caption()}});
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
