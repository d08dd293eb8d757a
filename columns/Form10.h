// Form10, the steel column selection form: the lightest passing pipe of each weight and the first three
// passing square tubes as quick picks, a size box, and the column report of the picked size.
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

class Form10 final : public platform::Form
{
  public:
    explicit Form10(app::Program& program);

    // --- "COLUMN SELECTION" ---
    platform::Frame Frame3D1{*this, "Frame3D1"};
    platform::Label Label1{*this, "Label1"};   // instruction
    platform::Label Label50{*this, "Label50"}; // loading note
    platform::Label Label60{*this, "Label60"}; // no size passes
    platform::Label SizeLabel{*this, "SizeLabel"};
    platform::TextBox StlColSizeText{*this, "StlColSizeText"};
    platform::Label GradeLabel{*this, "GradeLabel"};
    platform::Panel StlColGrade{*this, "StlColGrade"};
    platform::Label TubeLabel{*this, "TubeLabel"};
    platform::Panel Panel3D2{*this, "Panel3D2"};
    platform::ControlArray<platform::CommandButton> TubeCol{*this, "TubeCol", 0, 2};
    platform::Label TubeSizeLabel{*this, "TubeSizeLabel"};
    platform::Label PipeLabel{*this, "PipeLabel"};
    platform::Panel Panel3D1{*this, "Panel3D1"};
    platform::CommandButton StdRndBut{*this, "StdRndBut"};
    platform::CommandButton ExtraRndbut{*this, "ExtraRndbut"};
    platform::CommandButton DblRndBut{*this, "DblRndBut"};
    platform::Label StdLabel{*this, "StdLabel"};
    platform::Label ExtraLabel{*this, "ExtraLabel"};
    platform::Label DblLabel{*this, "DblLabel"};
    platform::Label DiameterLabel{*this, "DiameterLabel"};
    platform::CommandButton PrintPreviewbutton{*this, "PrintPreviewbutton"};
    platform::CommandButton StlColReportBut{*this, "StlColReportBut"};
    platform::CommandButton NotesButton{*this, "NotesButton"};
    platform::CommandButton Command3D7{*this, "Command3D7"};
    platform::CommandButton Command3D1{*this, "Command3D1"};
    platform::CommandButton Command3D2{*this, "Command3D2"};
    platform::CommandButton Command3D3{*this, "Command3D3"};
    platform::CommandButton Command3D4{*this, "Command3D4"};

    // --- "COLUMN REPORT" ---
    platform::Frame Frame3D2{*this, "Frame3D2"};
    platform::Label Label19{*this, "Label19"}; // reaction
    platform::Label Label21{*this, "Label21"}; // actual O.D.
    platform::Label Label22{*this, "Label22"}; // Kl/r actual
    platform::Label Label23{*this, "Label23"}; // Kl/r critical
    platform::Label Label24{*this, "Label24"}; // Kl/r status
    platform::Label Label25{*this, "Label25"}; // Kl/r ratio
    platform::Label Label26{*this, "Label26"}; // ksi actual
    platform::Label Label27{*this, "Label27"}; // ksi critical
    platform::Label Label28{*this, "Label28"}; // area actual
    platform::Label Label29{*this, "Label29"}; // area critical
    platform::Label Label30{*this, "Label30"}; // strength status
    platform::Label Label31{*this, "Label31"}; // strength ratio
    platform::Label Label32{*this, "Label32"}; // K
    platform::Label Label33{*this, "Label33"}; // L, ft
    platform::Label Label34{*this, "Label34"}; // r
    platform::Label Label35{*this, "Label35"}; // Fa
    platform::Label Label36{*this, "Label36"}; // Fy
    platform::Label Label37{*this, "Label37"}; // E
    platform::Label Label38{*this, "Label38"}; // Cc
    platform::Label Label39{*this, "Label39"}; // weight per foot
    platform::Label Label51{*this, "Label51"}; // l, in.
    platform::ControlArray<platform::Label> Head{*this, "Head", 0, 29};

    // --- Menus ---
    platform::MenuItem backmnu{*this, "backmnu"};
    platform::MenuItem MnuFile{*this, "MnuFile"};
    platform::MenuItem MnuNew{*this, "MnuNew"};
    platform::MenuItem Mnuhyphen{*this, "Mnuhyphen"};
    platform::MenuItem MnuExit{*this, "MnuExit"};
    platform::MenuItem MnuGoto{*this, "MnuGoto"};
    platform::MenuItem MnuCriForm1{*this, "MnuCriForm1"};
    platform::MenuItem MnuGotoDataRecord{*this, "MnuGotoDataRecord"};
    platform::MenuItem MnuHelp{*this, "MnuHelp"};

  private:
    void design() override; // Form10Design.cpp
    void onLoad() override { Form_Load(); }
    void onActivate() override { Form_Activate(); }
    void onQueryUnload(bool& cancel, platform::UnloadReason reason) override
    {
        Form_QueryUnload(cancel, reason);
    }

    void Form_Load();
    void Form_Activate();
    void Form_QueryUnload(bool& cancel, platform::UnloadReason reason);
    void pickProposal(platform::CommandButton& button, int firstRow, int endRow);
    void StlColReportBut_Click();
    void fillReport(int row);
    void clearReport();
    void StlColSizeText_Change();
    void helpMessage(int button);
    void PrintPreviewbutton_Click();
    void NotesButton_Click();
    void backmnu_Click();
    void MnuNew_Click();
    void MnuExit_Click();
    void MnuHelp_Click();
    void setOnward(bool enabled);

    app::Program& m_program;
};

} // namespace columns
