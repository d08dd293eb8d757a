// Form20, the wood column selection form: the narrowest passing width of each thickness as quick picks,
// the size and species entries, and the column report of the picked size.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"

namespace app
{
class Program;
}

namespace columns
{

class Form20 final : public platform::Form
{
  public:
    explicit Form20(app::Program& program);

    // Blanks the 22 value fields of the report.
    void ClearColumnPickResults();
    // Blanks the quick picks and the entries and takes the record away.
    void ResetColumnPickGrid();

    platform::Frame Frame3D2{*this, "Frame3D2"};
    platform::Label Label1{*this, "Label1"};
    platform::Label Label14{*this, "Label14"}; // "D1"
    platform::Label Label22{*this, "Label22"}; // "D2"
    platform::ControlArray<platform::Label> ColWid{*this, "ColWid", 0, 4};
    platform::ControlArray<platform::CommandButton> ColDep{*this, "ColDep", 0, 4};
    platform::Shape Shape1{*this, "Shape1"};
    platform::Label Label50{*this, "Label50"};
    platform::Label Label51{*this, "Label51"};
    platform::Label Label23{*this, "Label23"};
    platform::TextBox D1selected{*this, "D1selected"};
    platform::TextBox D2selected{*this, "D2selected"};
    platform::TextBox SelectColumnText{*this, "SelectColumnText"};
    platform::Label Label5{*this, "Label5"};
    platform::Label cLabelType{*this, "cLabelType"};
    platform::Label Label7{*this, "Label7"};
    platform::Label cLabelvalue{*this, "cLabelvalue"};
    platform::Label Label6{*this, "Label6"};
    platform::Label NoneWorkLabel{*this, "NoneWorkLabel"};
    platform::CommandButton CmdColReportOK{*this, "CmdColReportOK"};
    platform::CommandButton ColPickCmdOK{*this, "ColPickCmdOK"};
    platform::CommandButton Command2{*this, "Command2"};

    // --- Column Report ---
    platform::Frame Frame3D3{*this, "Frame3D3"};
    platform::Label Dcontrollabel{*this, "Dcontrollabel"};
    // Column heads, row captions and value captions of the report.
    platform::Label Label24{*this, "Label24"};
    platform::Label Label26{*this, "Label26"};
    platform::Label Label46{*this, "Label46"};
    platform::Label Label48{*this, "Label48"};
    platform::Label Label52{*this, "Label52"};
    platform::Label Label53{*this, "Label53"};
    platform::Label Label54{*this, "Label54"};
    platform::Label Label20{*this, "Label20"};
    platform::Label Label18{*this, "Label18"};
    platform::Label Label44{*this, "Label44"};
    platform::Label Label28{*this, "Label28"};
    platform::Label Label42{*this, "Label42"};
    platform::Label Label2{*this, "Label2"};
    platform::Label Label30{*this, "Label30"};
    platform::Label Label40{*this, "Label40"};
    platform::Label Label34{*this, "Label34"};
    platform::Label Label36{*this, "Label36"};
    platform::Label Label32{*this, "Label32"};
    platform::Label Label38{*this, "Label38"};
    platform::Label Label25{*this, "Label25"};
    platform::Label Label49{*this, "Label49"};
    platform::Label Label47{*this, "Label47"};
    platform::Label Label65{*this, "Label65"};
    platform::Label Label55{*this, "Label55"};
    platform::Label Label58{*this, "Label58"};
    platform::Label Label3{*this, "Label3"};
    platform::Label Label56{*this, "Label56"};
    platform::Label Label4{*this, "Label4"};
    platform::Label Label57{*this, "Label57"};
    platform::Label Label21{*this, "Label21"};
    platform::Label Label19{*this, "Label19"};
    platform::Label Label45{*this, "Label45"};
    platform::Label Label29{*this, "Label29"};
    platform::Label Label39{*this, "Label39"};
    platform::Label Label27{*this, "Label27"};
    platform::Label Label31{*this, "Label31"};
    platform::Label Label43{*this, "Label43"};
    platform::Label Label35{*this, "Label35"};
    platform::Label Label37{*this, "Label37"};
    platform::Label Label33{*this, "Label33"};
    platform::Label Label41{*this, "Label41"};

    // --- Menus ---
    platform::MenuItem backmnu{*this, "backmnu"};
    platform::MenuItem MnuFile{*this, "MnuFile"};
    platform::MenuItem MnuNew{*this, "MnuNew"};
    platform::MenuItem mnuhyp{*this, "mnuhyp"};
    platform::MenuItem MnuExit{*this, "MnuExit"};
    platform::MenuItem MnuGoto{*this, "MnuGoto"};
    platform::MenuItem MnuCriteria{*this, "MnuCriteria"};
    platform::MenuItem MnuColData{*this, "MnuColData"};
    platform::MenuItem MnuHelp{*this, "MnuHelp"};

  private:
    void design() override; // Form20Design.cpp
    void onLoad() override { Form_Load(); }
    void onActivate() override { Form_Activate(); }
    void onQueryUnload(bool& cancel, platform::UnloadReason reason) override
    {
        Form_QueryUnload(cancel, reason);
    }

    void Form_Load();
    void Form_Activate();
    void Form_QueryUnload(bool& cancel, platform::UnloadReason reason);
    void ColDep_Click(int index);
    void ColPickCmdOK_Click();
    bool CalcPickedWoodColumn();
    void fillReport();
    void entry_Change(bool boldCaption, bool keepWeight);
    void setRecordAvailable(bool available);
    void CmdColReportOK_Click();
    void Command2_Click();
    void backmnu_Click();
    void MnuNew_Click();
    void MnuExit_Click();
    void MnuHelp_Click();

    app::Program& m_program;
};

} // namespace columns
