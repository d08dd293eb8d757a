// The manual: its topics, Print Screen, and the way out to the form that opened it, or the exit
// question from the close box.
#include "app/Form12.h"

#include "app/Form15.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "report/Form9.h"

#include <array>

namespace app
{

namespace
{
// The forms whose Help menu opens the manual; nothing else is shown again.
constexpr std::array<const char*, 11> ReturnForms = {
    "Form1", "Form2", "Form3", "Form5", "Form6", "Form10", "Form18", "Form19", "Form20", "Form22", "Form23"};

std::vector<int> run(int first, int last)
{
    std::vector<int> entries;
    for (int i = first; i <= last; ++i) {
        entries.push_back(i);
    }
    return entries;
}
} // namespace

Form12::Form12(Program& program)
    : Form(program.runtime, "Form12"), m_program(program),
      m_topics{
          {Contents1, "   License Agreement", 0, 1, License, "&License Agreement", run(45, 54)},
          {Contents2, "   Recommended Books", 0, 2, Books, "&Recommended Books", {4}},
          {Contents3, "   An Overview of Korvanta", 0, 3, overview, "&Overview", run(5, 8)},
          {Contents4, "   Navigation in Korvanta", 0, 4, navigation, "&Navigation", {9, 10}},
          {Contents5, "   Wood Abbreviations and Symbols", 0, 5, abbreviation, "&Abbreviations (Wood)",
           run(25, 28)},
          {Contents6, "   Wood Species, Grades, and Sizes", 0, 6, SpecGrade, "&Species, Grades, Sizes (Wood)",
           run(22, 24)},
          {Contents7, "   Custom Values and SCL's (LVL, PSL, LSL)", 0, 7, custombeams, "C&ustom Beam Values",
           run(11, 13)},
          {Contents8, "   NDS The National Design Specification", 0, 8, IngradeTesting,
           "NDS (In &Grade Testing Program)", run(42, 44)},
          {Contents9, "   How to Enter Loads, Basic Terms", 1, 1, Loads, "&How to Enter Loads", run(14, 17)},
          // Column design (35) is shown only with the columns.
          {Contents10,
           "   Wood Modifiers and Adjustments",
           1,
           3,
           Adjust,
           "&Modifiers and Adjustments",
           {29, 30, 31, 32, 33, 34, 36, 37}},
          {Contents11, "   Flow of Calculations", 1, 4, Flow, "&Flow of Calculations", run(38, 41)},
          {Contentssteel, "   Steel Beam Design", 1, 5, MnuSteelBeam, "St&eel Beam Design", run(58, 61)},
          {ContentsColumns,
           "   Wood and Steel Column and Stud Design",
           1,
           6,
           MnuColumns,
           "&Wood and Steel Columns",
           {35, 55, 56, 57}},
          // The quick print entries (63, 64) belong to printing and to saving alike.
          {Contents12,
           "   Printing Beam Reports",
           1,
           7,
           PrintingReports,
           "&Printing Beam Reports",
           {18, 62, 63, 64}},
          {Contents13,
           "   Setting Defaults and Saving Your Work",
           1,
           8,
           Copymethod,
           "Set Defaults and Saving &Work",
           {19, 20, 21, 63, 64}},
      }
{}

// Every load starts at the contents table with the entries built afresh.
void Form12::Form_Load()
{
    Text1.setVisible(false);
    const auto& texts = manualEntryTexts();
    for (std::size_t i = 0; i < ManualEntryCount; ++i) {
        ManualParagraphs[i] = texts[i];
    }
}

void Form12::Form_Activate()
{
    Label2.setCaption("Please Note:  You will also find help diagrams and code information accessible in "
                      "Korvanta forms.     Click on the small, gray, raised squares next to the pertinent "
                      "item to access the on line information.");
}

void Form12::Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode)
{
    if (unloadMode == platform::UnloadReason::CloseBox) {
        ConfirmExit(m_program);
        cancel = true;
    }
}

// A topic's entries are joined end to end; their own line ends separate them.
void Form12::showTopic(const Topic& topic)
{
    Text1.setVisible(true);
    std::string text;
    for (int entry : topic.entries) {
        text += ManualParagraphs[static_cast<std::size_t>(entry)];
    }
    Text1.setText(text);
}

void Form12::Contents14_Click()
{
    m_program.form9.show();
}

// The text stays in the box for the next topic to replace.
void Form12::BackContents_Click()
{
    Text1.setVisible(false);
}

void Form12::Mnuprintscreen_Click()
{
    platform::Printer& printer = m_program.runtime.printer();
    platform::leaveOnError(
        [&] {
            printer.printForm(*this);
            printer.endDoc();
        },
        [&](const platform::RuntimeError&) {
            printer.killDoc();
            m_program.runtime.msgBox("The screen could not be printed.");
        });
}

// Leaves the manual: the form named in HelpReturnForm is shown again, and the manual is unloaded so
// that the next opening starts afresh.
void Form12::MnuExit_Click()
{
    const std::string& name = m_program.state.HelpReturnForm;
    for (const char* known : ReturnForms) {
        if (name == known) {
            if (platform::Form* form = m_program.runtime.findForm(name)) {
                form->show();
            }
            break;
        }
    }
    unload();
}

void Form12::About_Click()
{
    m_program.form15.show();
}

void Form12::mnuHelpexit_Click()
{
    MnuExit_Click();
}

} // namespace app
