// The steel selection form's quick picks and pages, "OK Test", the database and help messages, and
// its menus.
#include "app/Form1.h"
#include "app/Form12.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "beam/BeamUi.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "report/Form5.h"
#include "steel/Form22.h"
#include "steel/SteelChecks.h"
#include "steel/SteelState.h"

#include <initializer_list>
#include <string>

namespace steel
{

namespace
{

void plainMessage(app::Program& program, const std::string& text)
{
    program.runtime.msgBox(text, platform::Buttons::OK, platform::Icon::None, beam::MessageTitle);
}

std::string joinLines(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines) {
        if (!text.empty()) {
            text += '\r';
        }
        text += line;
    }
    return text;
}

} // namespace

void Form22::ClearQuickPicks()
{
    for (int i = 0; i < QuickPickCount; ++i) {
        StlPick(i).setCaption("");
        StlDepLab(i).setCaption("");
        StlWidLab(i).setCaption("");
        UBLlab(i).setCaption("");
        StlSecPerct(i).setCaption("");
        StlShearPerct(i).setCaption("");
    }
    for (auto& row : m_program.steel.QuickpickSaved) {
        row.fill("");
    }
    m_program.beam.flags.QuickpickMore = 0;
    Backbutton.setEnabled(false);
}

void Form22::CmdOK_Click()
{
    platform::ResumeNext resume{
        [this](const platform::RuntimeError&) { plainMessage(m_program, "Error at form 22 Ok button"); }};
    resume([&] { FoundSteel(m_program); });
    resume([&] { m_program.steel.SteelSelection = StlChoice.text(); });
}

void Form22::StlPick_Click(int index)
{
    platform::leaveOnError(
        [&] {
            StlChoice.setText(StlPick(index).caption());
            m_program.steel.StlBreadthText = StlWidLab(index).caption();
            m_program.steel.StlDepthText = StlDepLab(index).caption();
            CmdOK.setFocus();
        },
        [this](const platform::RuntimeError&) { plainMessage(m_program, "Error in steel choice"); });
}

void Form22::Morebutton_Click()
{
    platform::ResumeNext resume{
        [this](const platform::RuntimeError&) { plainMessage(m_program, "Error at more button"); }};
    resume([&] { m_program.beam.flags.QuickpickMore = -1; });
    resume([&] { Backbutton.setEnabled(true); });
    resume([&] { Morebutton.setEnabled(false); });
    resume([&] {
        for (int i = 0; i < QuickPickPage; ++i) {
            m_program.steel.QuickpickSaved[i] = {StlPick(i).caption(),     StlDepLab(i).caption(),
                                                 StlWidLab(i).caption(),   UBLlab(i).caption(),
                                                 StlSecPerct(i).caption(), StlShearPerct(i).caption()};
        }
        for (int i = 0; i < QuickPickPage; ++i) {
            const int j = i + QuickPickPage;
            StlPick(i).setCaption(StlPick(j).caption());
            StlDepLab(i).setCaption(StlDepLab(j).caption());
            StlWidLab(i).setCaption(StlWidLab(j).caption());
            UBLlab(i).setCaption(UBLlab(j).caption());
            StlSecPerct(i).setCaption(StlSecPerct(j).caption());
            StlShearPerct(i).setCaption(StlShearPerct(j).caption());
        }
    });
}

void Form22::Backbutton_Click()
{
    m_program.beam.flags.QuickpickMore = 0;
    Morebutton.setEnabled(true);
    Backbutton.setEnabled(false);
    for (int i = 0; i < QuickPickPage; ++i) {
        const auto& saved = m_program.steel.QuickpickSaved[i];
        StlPick(i).setCaption(saved[0]);
        StlDepLab(i).setCaption(saved[1]);
        StlWidLab(i).setCaption(saved[2]);
        UBLlab(i).setCaption(saved[3]);
        StlSecPerct(i).setCaption(saved[4]);
        StlShearPerct(i).setCaption(saved[5]);
    }
}

// The sizes of each family as fixed lists; they are not built from the table.
void Form22::Steeldatabasecmd_Click()
{
    app::Form1& f1 = m_program.form1;
    std::string text;
    if (f1.WFbutton.value()) {
        text = joinLines({"Wide Flange Steel database sizes in Korvanta:", "W 5x 16,19 ",
                          "W 6x 9,12,15,16,20,25 ", "W 8x 10,13,15,18,21,24,28,31,35,40,48,58,67 ",
                          "W 10x 12,15,17,19,22,26,30,33,39,45,49,54,60,68,77,88,100,112 ",
                          "W 12x 14,16,19,22,26,30,35,40,45,50,53,58,65,72,79,87,96,106,120,136 ",
                          "W 14x 22,26,30,34,38,43,48,53,61,68,74,82,90,99,109,120,132,145,159,176,193,211 ",
                          "W 16x 26,31,36,40,45,50,57,67,77,89,100 ",
                          "W 18x 35,40,46,50,55,60,65,71,76,86,97,106,119,130,143,158,175",
                          "W 21x 44,50,57,62,68,73,83,93,101,111,122,132,147,166",
                          "W 24x 55,62,68,76,84,94,104,117,131,146,162,176,192,",
                          "W 27x 84,94,102,114,129,146,161,178", "W 30x 90,99,108,116,124,132",
                          "W 36x 170,210,230"});
    } else if (f1.SFbutton.value()) {
        text =
            joinLines({"Standard Flange Steel database sizes in Korvanta:", "S 3x  5.7, 7.5 ",
                       "S 4x  7.7, 9.5 ", "S 5x  10, 14.75 ", "S 6x  12.5, 17.25 ", "S 7x  15.3, 20 ",
                       "S 8x  18.4, 23", "S 10x  25.4, 35 ", "S 12x  31.8, 35, 40.8, 50", "S 15x  42.9, 50 ",
                       "S 18x  54.7, 70", "S 20x  66, 75, 86, 96 ", "S 24x  80, 90, 100, 106, 121 "});
    } else if (f1.CFbutton.value()) {
        text = joinLines({"Channel Steel database sizes in Korvanta:", "C 3x  3.5, 4.1, 5, 6 ",
                          "C 4x  4.5, 5.4, 7.25 ", "C 5x  6.7, 9 ", "C 6x  8.2, 10.5, 13 ",
                          "C 7x  9.8, 12.25, 14.75 ", "C 8x  11.5, 13.75, 18.75 ", "C 9x  13.4, 15, 20 ",
                          "C 10x  15.3, 20, 25, 30 ", "C 12x  20.7, 25, 30 ", "C 15x  33.9 "});
    } else if (f1.MCbutton.value()) {
        text = joinLines({"Miscellaneous Channel Steel database sizes in Korvanta:", "MC 3x  7.1",
                          "MC 4x  13.8 ", "MC 6x  6.5, 7, 12, 15.1, 16.3, 15.3, 18 ", "MC 7x  19.1, 22.7 ",
                          "MC 8x  8.5, 18.7, 20, 21.4, 22.8 ", "MC 9x  23.9, 25.4 ",
                          "MC 10x  22, 25, 28.5, 33.6, 41.1 ", "MC 12x  31, 35, 40, 45, 50 ",
                          "MC 13x  31.8, 35, 40, 50 ", "MC 18x  42.7, 45.8, 51.9, 58 "});
    } else if (f1.TUbutton.value()) {
        text = joinLines({"Tube Steel database sizes in Korvanta:",
                          "Thickness, when available, are 3/16, 1/4, 5/16, 3/8, and 1/2 ", "",
                          "T 4x  2x, 3x, 4x ", "T 5x  4x ", "T 6x  4x, 5x ", "T 7x  4x, 5x ", "T 8x  4x, 6x ",
                          "T 9x  6x", "T 10x  4x, 6x, 8x ", "T 12x  4x, 6x, 8x", "T 14x  4x, 6x, 10x ",
                          "T 16x  4x, 8x ", "T 18x  6x ", "T 20x  4x, 8x, 12x "});
    } else if (f1.PLbutton.value() || f1.DblPLbutton.value()) {
        text = joinLines(
            {"Plate database sizes in Korvanta (for flitch beams):",
             "Thickness are 1/4, 3/8, 1/2, 5/8, 3/4, 1 ", "", "Single Plates:",
             "PL 3x, PL 5x, PL 7x, PL 9x, PL 11x, PL 13-1/2x, PL 15-1/2x, PL 17-1/2x, PL 19-1/2x", "",
             "Double Plates:",
             "(2) PL 3x, (2) PL 5x, (2) PL 7x, (2) PL 9x, (2) PL 11x, (2) PL 13-1/2x, (2) PL 15-1/2x, "
             "(2) PL 17-1/2x, (2) PL 19-1/2x"});
    } else {
        return;
    }
    m_program.runtime.msgBox(text, platform::Buttons::OK, platform::Icon::Information,
                             "Korvanta Steel Database");
}

void Form22::Command3D1_Click()
{
    plainMessage(
        m_program,
        "Lc and Lu lengths:\r\rW and S shapes are tested for the bonus of unbraced lengths less than Lc "
        "where Fb can be taken at 0.66Fy.  The Fb for shapes with unbraced lengths between Lc and Lu is "
        "taken at 0.60Fy.  All C shapes (Channels) are evaluated to Lu only and Fb is taken at 0.60Fy.  T "
        "Shapes (Tubes) all have depths less than 6 times their width and lateral bracing (except at "
        "supports) is not required.  Lateral unsupported length is evaluated up to the maximum Lu, as the "
        "special analysis for unbraced lengths beyond Lu is beyond the scope of Korvanta.\r\rSection and "
        "shear percentages are the Actual beam properties divided by the Critical properties.  A percentage "
        "over 100% indicates an unacceptable ratio.");
}

void Form22::Command3D2_Click()
{
    plainMessage(
        m_program,
        "To manually edit the white text box you must enter your selection exactly in the correct format "
        "with spaces correctly located, the 'x' following the number without a space.  Of course the size "
        "must be a real manufactured size, and be in the Korvanta database.  See your Korvanta manual or "
        "Help for a list of database sizes.\r\rExamples:\r\rW 10x 22    'Depth x Weight'\r\rS 12x 40.8    "
        "'Depth x Weight'\r\rC 8x 13.75    'Depth x Weight'\r\rT 7x 5x 3/8    'Depth x Width x "
        "Thickness'\r\r(2) PL 9x 1/2  '(Quantity > 1) x Depth x Thickness'");
}

// Back to the criteria: this form and the report are rebuilt when next shown.
void Form22::MnuCriteria_Click()
{
    m_program.form1.show();
    unload();
    m_program.form5.unload();
}

void Form22::backmnu_Click()
{
    MnuCriteria_Click();
}

void Form22::MnuHelp_Click()
{
    m_program.form12.show();
    hide();
    m_program.state.HelpReturnForm = "Form22";
}

void Form22::MnuExit_Click()
{
    app::ConfirmExit(m_program);
}

} // namespace steel
