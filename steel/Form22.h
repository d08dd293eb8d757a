// Form22, the steel selection form: the first sixteen passing sizes of the chosen shape family as
// quick picks (eight on a page), the entry box for a designation and "OK Test", the moment and
// reactions of the applied loads, the selection status and the bracing the family needs.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"

namespace app
{
class Program;
}

namespace steel
{

class Form22 final : public platform::Form
{
  public:
    explicit Form22(app::Program& program);

    // Empties the quick picks, their five label columns, the saved first page and the page state, so
    // that the next activation searches again for the beam just calculated.
    void ClearQuickPicks();

    // --- "Test Selection": entry box, "OK Test", sketch, status lines ---
    platform::Frame Frame3D1{*this, "Frame3D1"};
    platform::Label Label1{*this, "Label1"}; // prompt
    platform::TextBox StlChoice{*this, "StlChoice"};
    platform::CommandButton CmdOK{*this, "CmdOK"};
    platform::CommandButton Command3D2{*this, "Command3D2"}; // designation format help
    platform::Label Label12{*this, "Label12"};               // "Format Example"
    platform::Label StlFormatLabel{*this, "StlFormatLabel"};
    platform::Label Label6{*this, "Label6"}; // family name
    platform::ControlArray<platform::Line> WF{*this, "WF", 0, 2};
    platform::ControlArray<platform::Line> SF{*this, "SF", 0, 2};
    platform::ControlArray<platform::Line> CH{*this, "CH", 0, 2};
    platform::ControlArray<platform::Line> TU{*this, "TU", 0, 3};
    platform::Line Line1{*this, "Line1"};
    platform::Line Line2{*this, "Line2"};
    platform::ControlArray<platform::Line> Line3{*this, "Line3", 0, 2};
    platform::ControlArray<platform::Line> Line4{*this, "Line4", 0, 1};
    platform::Panel Panel3D1{*this, "Panel3D1"};
    platform::Label StlMoment{*this, "StlMoment"};
    platform::Label StlReac1{*this, "StlReac1"};
    platform::Label StlReac2{*this, "StlReac2"};
    platform::Panel StlPanel{*this, "StlPanel"}; // search and bracing line

    // --- "Steel Shapes": quick picks, database, paging, selection status ---
    platform::Frame Frame3D2{*this, "Frame3D2"};
    platform::CommandButton Command3D1{*this, "Command3D1"}; // Lc, Lu and percentages help
    platform::Label Label4{*this, "Label4"};                 // "Depth x Weight" heading, per family
    platform::Label Label7{*this, "Label7"};                 // " Actual Depth"
    platform::Label Label8{*this, "Label8"};                 // "Actual Breadth"
    platform::Label Label9{*this, "Label9"};                 // "Maximum unbraced ft"
    platform::Label Label10{*this, "Label10"};               // "Actual/Critical percentage"
    platform::Label Label11{*this, "Label11"};               // "Section"
    platform::Label Label13{*this, "Label13"};               // "Shear"
    platform::ControlArray<platform::CommandButton> StlPick{*this, "StlPick", 0, 15};
    platform::ControlArray<platform::Label> StlDepLab{*this, "StlDepLab", 0, 15};
    platform::ControlArray<platform::Label> StlWidLab{*this, "StlWidLab", 0, 15};
    platform::ControlArray<platform::Label> UBLlab{*this, "UBLlab", 0, 15};
    platform::ControlArray<platform::Label> StlSecPerct{*this, "StlSecPerct", 0, 15};
    platform::ControlArray<platform::Label> StlShearPerct{*this, "StlShearPerct", 0, 15};
    platform::CommandButton Steeldatabasecmd{*this, "Steeldatabasecmd"};
    platform::CommandButton Morebutton{*this, "Morebutton"};
    platform::CommandButton Backbutton{*this, "Backbutton"};
    platform::Panel Panel3D2{*this, "Panel3D2"};
    platform::Panel StlStatis{*this, "StlStatis"}; // selection status line

    // --- Menus ---
    platform::MenuItem backmnu{*this, "backmnu"};
    platform::MenuItem MnuFile{*this, "MnuFile"};
    platform::MenuItem MnuExit{*this, "MnuExit"};
    platform::MenuItem MnuGoto{*this, "MnuGoto"};
    platform::MenuItem MnuCriteria{*this, "MnuCriteria"};
    platform::MenuItem MnuHelp{*this, "MnuHelp"};

    void CmdOK_Click(); // "OK Test"; load and print presses it from the activation

  private:
    void design() override; // Form22Design.cpp
    void onLoad() override { Form_Load(); }
    void onActivate() override { Form_Activate(); }
    void onQueryUnload(bool& cancel, platform::UnloadReason reason) override
    {
        Form_QueryUnload(cancel, reason);
    }

    void Form_Load();
    void Form_Activate();
    void Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode);
    void showFamily();
    void showStatus();
    void showBracing();
    void StlPick_Click(int index);
    void Morebutton_Click();
    void Backbutton_Click();
    void Steeldatabasecmd_Click();
    void Command3D1_Click();
    void Command3D2_Click();
    void MnuCriteria_Click();
    void backmnu_Click();
    void MnuHelp_Click();
    void MnuExit_Click();

    app::Program& m_program;
};

} // namespace steel
