// The beam record's clipboard text. Every cell is a label's caption as the form shows it, hidden
// labels included; only the separators and " (psi)" are added.
#include "files/BeamRecordClipboard.h"

#include "app/Program.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "report/Form6.h"

#include <array>
#include <string_view>
#include <vector>

namespace files
{

namespace
{

// A cell: one label, an empty cell (""), or a label joined directly to a second label or to a text
// ("Label49+Label177", "Label59+ (psi)").
using Line = std::vector<std::string_view>;

const std::array<Line, 43> Lines{{
    {"Label132"},
    {"Label133Missing"},
    {},
    {"Label1"},
    {"Label2"},
    {"Label3"},
    {"Label4"},
    {"Label169"},
    {},
    {"Label171", "Label5", "", "", "Label173", "Label174"},
    {},
    {"Label139", "Label6"},
    {"Label60", "Label71", "Label133", "Label134", "Label135", "Label136", "Label137"},
    {"Label138", "Label12", "Label61", "Label51", "Label64", "Label53", "Label145"},
    {"", "Label142", "Label143", "Label52", "Label62", "Label144", "Label63"},
    {"", "Label56", "Label67", "Label55", "Label66", "Label130", "Label131"},
    {"", "Label54", "Label65", "Label39", "Label168", "Label140", "Label141"},
    {"", "Label57", "Label68", "Label43", "Label45", "Label146", "Label147"},
    {"", "Label58", "Label69", "Label44", "Label107", "Label148", "Label149"},
    {"Label108", "Label9", "Label10", "Label11", "Label110", "Label156", "Label161"},
    {"Label8", "Label14", "Label16", "Label18", "Label106", "Label157", "Label162"},
    {"Label7", "Label13", "Label15", "Label17", "Label109", "Label158", "Label163"},
    {"Label150", "Label111", "Label112", "Label113", "Label114", "Label159", "Label164"},
    {"Label151", "Label152", "Label153", "Label154", "Label155", "Label160", "Label165"},
    {"", "", "Label19", "Label20", "Label21", "Label59+ (psi)"},
    {"Label50", "Label23", "Label25", "Label27", "Label29", "Label167"},
    {"", "Label22", "Label24", "Label26", "Label28", "Label70"},
    {"Label30", "Label31", "Label35"},
    {"", "Label32", "Label36", "Label40"},
    {"", "Label33", "Label37"},
    {"", "Label47", "", "Label41", "Label48"},
    {"", "Label34", "Label38", "Label42", "Label46", "Label49+Label177"},
    {"", "Label188", "Label190", "Label192"},
    {"", "Label189", "Label191", "Label193"},
    {"", "Label187", "", "Label194"},
    {"Label166", "Label72", "Label73", "Label117", "Label118", "Label170"},
    {"Label115", "Label77", "Label78", "Label116", "Label74", "Label75", "Label76"},
    {"Label119", "Label79", "Label85", "Label125", "Label91", "Label96", "Label101"},
    {"Label120", "Label80", "Label86", "Label126", "Label92", "Label97", "Label102"},
    {"Label121", "Label81", "Label87", "Label127", "Label93", "Label98", "Label103"},
    {"Label122", "Label82", "Label88", "Label128", "Label94", "Label99", "Label104"},
    {"Label123", "Label83", "Label89", "Label129", "Label95", "Label100", "Label105"},
    {"Label124", "Label84", "Label90"},
}};

std::string cellText(report::Form6& form, std::string_view cell)
{
    if (cell.empty()) {
        return {};
    }
    const auto join = cell.find('+');
    if (join == std::string_view::npos) {
        return form.caption(cell);
    }
    const std::string_view second = cell.substr(join + 1);
    return form.caption(cell.substr(0, join)) +
           (second.starts_with("Label") ? form.caption(second) : std::string(second));
}

} // namespace

std::string beamRecordClipboardText(app::Program& program)
{
    std::string text;
    for (std::size_t i = 0; i < Lines.size(); ++i) {
        if (i > 0) {
            text += '\n';
        }
        const Line& line = Lines[i];
        for (std::size_t c = 0; c < line.size(); ++c) {
            if (c > 0) {
                text += '\t';
            }
            text += cellText(program.form6, line[c]);
        }
    }
    return text;
}

// The first failure ends the copy with the error alone: no confirmation and never a part of the text.
void CopyBeamRecordToClipboard(app::Program& program)
{
    platform::Runtime& runtime = program.runtime;
    platform::leaveOnError(
        [&] {
            const std::string text = beamRecordClipboardText(program);
            runtime.clearClipboard();
            runtime.setClipboardText(text);
            runtime.msgBox(
                "Your Beam Data Record has been saved to the Windows Clipboard.\n\nBe sure to paste data "
                "into your word processing or spreadsheet application before saving another beam to "
                "the clipboard.\nFor instructions see Help.",
                platform::Buttons::OK, platform::Icon::Information, "Korvanta");
        },
        [&](const platform::RuntimeError&) {
            runtime.msgBox("Error copying to clipboard.", platform::Buttons::OK, platform::Icon::Exclamation,
                           "Korvanta");
        });
}

} // namespace files
