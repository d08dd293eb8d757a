// The selection form's commands: the quick-pick buttons, "OK Test", the menus, the help boxes and the
// close request.
#include "wood/Form3.h"

#include "app/Form12.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "wood/CalcWoodBeam.h"

#include <array>
#include <string>

namespace wood
{

namespace
{

// Tabulated Southern Pine grades of the timber class carry "SR"; the dimension lumber texts do not.
std::string timberGradeOf(const std::string& grade)
{
    if (grade == "So. Pine #1 19% MC" || grade == "So. Pine #1 KD 15%" || grade == "So. Pine #1") {
        return "So. Pine #1 SR";
    }
    if (grade == "So. Pine #2 19% MC" || grade == "So. Pine #2 KD 15%" || grade == "So. Pine #2") {
        return "So. Pine #2 SR";
    }
    return grade;
}

} // namespace

Form3::Form3(app::Program& program) : Form(program.runtime, "Form3"), m_program(program) {}

void Form3::Form_Load()
{
    app::CenterForm(m_program, *this);
}

// The close box asks the exit question and keeps the form when the program goes on; the program's own
// unloads pass.
void Form3::Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode)
{
    if (unloadMode == platform::UnloadReason::CloseBox) {
        app::ConfirmExit(m_program);
        cancel = true;
    }
}

// An unloaded form comes back with an empty grid, so the next showing must pre-size it again.
void Form3::Form_Unload()
{
    m_program.beam.flags.PresizingDone = 0;
}

// Fills the boxes from the button's column, caption and row; the size is tested only by "OK Test" or
// by the search that pressed the button.
void Form3::ht_Click(int index)
{
    const std::array<platform::Label*, 4> plies = {&Label5, &Label6, &Label7, &Label8};
    const std::array<platform::Label*, 5> widths = {&Label13, &Label14, &Label15, &Label16, &Label17};
    const std::array<platform::Label*, 4> grades = {&Label1, &Label2, &Label3, &Label4};
    platform::Label* breadth = nullptr;
    platform::Label* grade = nullptr;
    if (index <= 15) {
        breadth = plies[static_cast<std::size_t>(index % 4)];
        grade = grades[static_cast<std::size_t>(index / 4)];
    } else if (index >= 24 && index <= 33) {
        breadth = widths[static_cast<std::size_t>((index - 24) % 5)];
        grade = index <= 28 ? &Label11 : &Label12;
    } else {
        const int first = index <= 19 ? 16 : index <= 23 ? 20 : index <= 37 ? 34 : 38;
        breadth = first == 16 ? &Label9 : first == 20 ? &Label10 : first == 34 ? &Label27 : &Label28;
        grade = grades[static_cast<std::size_t>(index - first)];
    }
    Text1.setText(breadth->caption());
    Text2.setText(ht(index).caption());
    Text3.setText(grade->caption());
    CmdOK.setFocus();
    const std::string b = Text1.text();
    if (b == "6x" || b == "8x" || b == "10x") {
        Text3.setText(timberGradeOf(Text3.text()));
    }
}

// The entry is kept as the selection before any check, so a refused entry replaces it too.
void Form3::CmdOK_Click()
{
    app::SharedState& s = m_program.state;
    platform::ResumeNext next{[this](const platform::RuntimeError&) {
        m_program.runtime.msgBox("Error at form3, CmdOK", platform::Buttons::OK, platform::Icon::Exclamation,
                                 "Korvanta");
    }};
    next([&] { s.SavedSelection.SelectionBreadth = Text1.text(); });
    next([&] { s.SavedSelection.SelectionDepth = Text2.text(); });
    next([&] { s.SavedSelection.SelectionSpecies = Text3.text(); });
    s.RestoreSavedSelection = false;
    m_program.beam.flags.PretestMode = 0;
    next([&] { CalcWoodBeam(m_program); });
}

void Form3::backmnu_Click()
{
    m_program.form1Window.show();
    unload();
}

void Form3::Command3D1_Click()
{
    m_program.runtime.msgBox(
        "Glu-Lam Beams\r\r"
        "The wider width Glu-lams are the X-Beam by Rosboro and can be found in the SCL Beams (last "
        "item).\r\r"
        "All species groups display DF/DF glu-lam combinations except the Southern Pine group which displays "
        "the SP/SP (SouthernPine) combination. Please use the Custom Values Form (accesed via Form 1 at the "
        "end "
        "of the Species Selection drop down box) for sizing So. Pine Glu-Lams with 1-1/2 inch increments.\r\r"
        "Overhanging beams automatically switch to glu-lam beam combinations which have equal high strength "
        "laminations on the top and bottom.  They are also zero camber.\r\r"
        "If you want to use a different grade, species combination or a specialty size such as those "
        "available "
        "as 'Glu-Lam Header' products, use the CUSTOM VALUES species group. You may enter your own values as "
        "supplied by the manufacturer.",
        platform::Buttons::OK, platform::Icon::None, "Korvanta");
}

void Form3::QPWidth_Click()
{
    m_program.runtime.msgBox(
        "2x is for beams or joists less than 2 inches nominal in breadth.\r\r"
        "(2) 2x, {or more, etc.} is for two 2x beams or joists, built-up {nailed together} to act as a "
        "single "
        "structural member.\r\r"
        "4x is for widths that are 2 inches to 4 inches in thickness {a single member}.\r\r"
        "6x+, is for breadths that are 5 inches and greater in thickness {a single member}.",
        platform::Buttons::OK, platform::Icon::None, "Korvanta");
}

void Form3::MnuExit_Click()
{
    app::ConfirmExit(m_program);
}

void Form3::MnuCriteria_Click()
{
    m_program.form1Window.show();
    unload();
}

void Form3::MnuHelp_Click()
{
    m_program.form12.show();
    hide();
    m_program.state.HelpReturnForm = "Form3";
}

} // namespace wood
