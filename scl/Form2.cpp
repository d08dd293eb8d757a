// The custom values form: its load, the quick picks, the value file commands, the navigation menus and
// the close request.
#include "scl/Form2.h"

#include "app/CriteriaChoices.h"
#include "app/Form12.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "files/CustomValuesFile.h"
#include "platform/forms/Runtime.h"
#include "report/Form21.h"
#include "scl/LVLEstimate.h"
#include "scl/SCLProductForm.h"

namespace scl
{

Form2::Form2(app::Program& program) : Form(program.runtime, "Form2"), m_program(program)
{
    wireEntries();
    wireHelp();

    const std::pair<platform::CommandButton*, const char*> fixedPicks[] = {
        {&Button2x, "2x"},  {&Button22x, "(2) 2x"}, {&Button32x, "(3) 2x"}, {&Button42x, "(4) 2x"},
        {&Button4x, "4x"},  {&Button6x, "6x"},      {&button8x, "8x"},      {&button10x, "10x"},
        {&but32, "3-1/2x"}, {&But52, "5-1/2x"}};
    for (const auto& [button, breadth] : fixedPicks) {
        button->click(
            [this, pick = button, breadth = std::string{breadth}] { quickPick(breadth, pick->caption()); });
    }
    for (int i = 0; i < 5; ++i) {
        ButG[i].click([this, i] { quickPick(LabG[i].caption(), ButG[i].caption()); });
        LVLbut[i].click([this, i] { LVLbut_Click(i); });
    }

    Combo1.click([this] { Combo1_Click(m_program); });
    LVLLoadDefault.click([this] { LVLLoadDefault_Click(m_program); });
    LVLsavedefault.click([this] { LVLsavedefault_Click(m_program); });
    CmdEnterValues.click([this] { CmdEnterValues_Click(); });
    CmdTest.click([this] { CmdTest_Click(); });
    LoadVal.click([this] { LoadVal_Click(); });
    SaveVal.click([this] { SaveVal_Click(); });
    MnuSaveCustom.click([this] { MnuSaveCustom_Click(); });
    MnuLoadCustom.click([this] { MnuLoadCustom_Click(); });
    FileManager.click([this] { app::LaunchExplorer(m_program); });
    MnuExit.click([this] { app::ConfirmExit(m_program); });
    MnuCriteria.click([this] { MnuCriteria_Click(); });
    backmnu.click([this] { MnuCriteria_Click(); });
    MnuHelp.click([this] { MnuHelp_Click(); });
    Command1.click([this] { m_program.form21.show(); });
}

void Form2::Form_Load()
{
    Form2Load(m_program);
    m_program.state.BackFromReport = 0;
    m_preselectProduct = true;
}

bool Form2::sclChosen()
{
    return app::SpeciesGroupChosen(m_program, 7);
}

bool Form2::customSclChosen()
{
    const int product = Combo1.listIndex();
    return sclChosen() && (product == 23 || product == 24);
}

void Form2::message(const std::string& text, platform::Icon icon, const std::string& title)
{
    m_program.runtime.msgBox(text, platform::Buttons::OK, icon, title);
}

// A refused entry: the message, then the focus into the box to mend (when it can take it).
void Form2::refuse(const std::string& text, platform::Control& focus, bool beep, platform::Icon icon,
                   const std::string& title)
{
    if (beep) {
        m_program.runtime.beep();
    }
    message(text, icon, title);
    if (focus.canFocus()) {
        focus.setFocus();
    }
}

// Nothing is tested: the user goes on with the species and "OK Test".
void Form2::quickPick(const std::string& breadth, const std::string& depth)
{
    Text6.setText(breadth);
    Text7.setText(depth);
    if (Text5.canFocus()) {
        Text5.setFocus();
    }
}

void Form2::LVLbut_Click(int /*index*/)
{
    ApplyLVLQuickPick(m_program);
    if (CmdTest.enabled()) {
        if (CmdTest.canFocus()) {
            CmdTest.setFocus();
        }
    } else {
        message("Please click the 'Calculate' button", platform::Icon::Exclamation);
    }
}

// Only the close box asks the exit question; the program's own unloads (a new calculation for another
// species group) pass without one.
void Form2::Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode)
{
    if (unloadMode == platform::UnloadReason::CloseBox) {
        app::ConfirmExit(m_program);
        cancel = true;
    }
}

// The value file commands: the button asks for a description first, the menu entry does not.
void Form2::LoadVal_Click()
{
    MnuLoadCustom_Click();
}

void Form2::SaveVal_Click()
{
    if (Text5.text().empty()) {
        message("Please enter the species name and grade designation (below) for your custom "
                "values before saving.");
        return;
    }
    files::SaveCustomValues(m_program);
}

void Form2::MnuSaveCustom_Click()
{
    files::SaveCustomValues(m_program);
}

void Form2::MnuLoadCustom_Click()
{
    files::LoadCustomValues(m_program);
    LVLsavedefault.setVisible(false);
    LVLLoadDefault.setVisible(false);
}

// Leaving keeps every entry: the form is hidden, not unloaded.
void Form2::MnuCriteria_Click()
{
    Label16.setCaption("");
    m_program.form1Window.show();
    hide();
}

void Form2::MnuHelp_Click()
{
    m_program.form12.show();
    hide();
    m_program.state.HelpReturnForm = "Form2";
}

} // namespace scl
