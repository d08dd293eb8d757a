// Form5, the beam report: required against actual values of the member just tested, with statuses,
// ratios and the lines that explain them; its buttons step to the neighbouring sizes (steel: the
// previous or next quick-pick shape) and test them at once.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

#include <string>

namespace app
{
class Program;
}

namespace report
{

class Form5 final : public platform::Form
{
  public:
    explicit Form5(app::Program& program);

    // "Fail" when any status panel says so, empty when the bending status is empty, else "OK".
    std::string OverallStatus();

    platform::Frame Frame3D1{*this, "Frame3D1"};

    // --- Member line ---
    platform::Label Label1{*this, "Label1"};
    platform::Panel DisplayChoice{*this, "DisplayChoice"};
    platform::Label GradeLabel{*this, "GradeLabel"};
    platform::Label StlBreadthLabel{*this, "StlBreadthLabel"};
    platform::Label StlDepthLabel{*this, "StlDepthLabel"};
    platform::Label SmallChoice{*this, "SmallChoice"};
    platform::Label DeflTooHigh{*this, "DeflTooHigh"};

    // --- Results grid: headings, row heads, and Critical, Actual, Status and Ratio per check ---
    platform::CommandButton Command3D1{*this, "Command3D1"}; // report help
    platform::Label Label2{*this, "Label2"};
    platform::Label Label3{*this, "Label3"};
    platform::Label Label4{*this, "Label4"};
    platform::Label Label5{*this, "Label5"};
    platform::Label Label7{*this, "Label7"};
    platform::Label Label8{*this, "Label8"};
    platform::Label Label13{*this, "Label13"}; // "Actual"
    platform::Label Label12{*this, "Label12"}; // "Critical"
    platform::Label Label14{*this, "Label14"}; // "Status"
    platform::Label Label9{*this, "Label9"};   // "Ratio"
    platform::Panel SectionProp{*this, "SectionProp"};
    platform::Panel SectionReq{*this, "SectionReq"};
    platform::Panel SecStatus{*this, "SecStatus"};
    platform::Panel SecPercent{*this, "SecPercent"};
    platform::Panel ShearProp{*this, "ShearProp"};
    platform::Panel ShearReq{*this, "ShearReq"};
    platform::Panel ShearStatus{*this, "ShearStatus"};
    platform::Panel HorPercent{*this, "HorPercent"};
    platform::Panel DeflProp{*this, "DeflProp"};
    platform::Panel DeflReq{*this, "DeflReq"};
    platform::Panel DeflStatus{*this, "DeflStatus"};
    platform::Panel DeflPercent{*this, "DeflPercent"};
    platform::Panel LDeflProp{*this, "LDeflProp"};
    platform::Panel LDeflReq{*this, "LDeflReq"};
    platform::Panel LDeflStatus{*this, "LDeflStatus"};
    platform::Panel LDeflPercent{*this, "LDeflPercent"};
    platform::Panel OHDeflProp{*this, "OHDeflProp"};
    platform::Panel OHDeflReq{*this, "OHDeflReq"};
    platform::Panel OHDeflStatus{*this, "OHDeflStatus"};
    platform::Panel OHDeflPercent{*this, "OHDeflPercent"};
    platform::Panel OHLDeflProp{*this, "OHLDeflProp"};
    platform::Panel OHLDeflReq{*this, "OHLDeflReq"};
    platform::Panel OHLDeflStatus{*this, "OHLDeflStatus"};
    platform::Panel OHLDeflPercent{*this, "OHLDeflPercent"};

    // --- Lines under the grid ---
    platform::Label Label11{*this, "Label11"}; // total-load deflection limit
    platform::Label Label10{*this, "Label10"}; // upper reaction line
    platform::Label Label6{*this, "Label6"};   // live-load deflection limit
    platform::Label Label15{*this, "Label15"}; // lower reaction line
    platform::Label DeadDefl{*this, "DeadDefl"};
    platform::Label Modifiers{*this, "Modifiers"};
    platform::Label NoSplitLabel{*this, "NoSplitLabel"};

    // --- Unbalanced loads of an overhanging beam ---
    platform::CommandButton unbalancedbutton{*this, "unbalancedbutton"};
    platform::Label Unbalancedlabel{*this, "Unbalancedlabel"};

    // --- Size steps, steel steps and commands ---
    platform::CommandButton CmdNextSizeDn{*this, "CmdNextSizeDn"};
    platform::CommandButton CmdNextSize{*this, "CmdNextSize"};
    platform::CommandButton CmdNextWidthDn{*this, "CmdNextWidthDn"};
    platform::CommandButton CmdNextWidth{*this, "CmdNextWidth"};
    platform::CommandButton StlBack{*this, "StlBack"};
    platform::CommandButton StlForward{*this, "StlForward"};
    platform::CommandButton Command1{*this, "Command1"}; // " Add Notes"
    platform::CommandButton Command2{*this, "Command2"}; // "OK  Select Member"

    // --- Menus ---
    platform::MenuItem backmnu{*this, "backmnu"};
    platform::MenuItem MnuFile{*this, "MnuFile"};
    platform::MenuItem MnuNew{*this, "MnuNew"};
    platform::MenuItem MnuExit{*this, "MnuExit"};
    platform::MenuItem MnuGoto{*this, "MnuGoto"};
    platform::MenuItem MnuCriteria{*this, "MnuCriteria"};
    platform::MenuItem MnuBack{*this, "MnuBack"};
    platform::MenuItem MnuDataRecord{*this, "MnuDataRecord"};
    platform::MenuItem MnuHelp{*this, "MnuHelp"};

  private:
    void design() override; // Form5Design.cpp
    void onLoad() override { Form_Load(); }
    void onActivate() override { Form_Activate(); }
    void onQueryUnload(bool& cancel, platform::UnloadReason reason) override
    {
        Form_QueryUnload(cancel, reason);
    }

    // Form5.cpp: activation, "OK  Select Member", menus and advice boxes.
    void Form_Load();
    void Form_Activate();
    void setStepButtonsForSize();
    void Command2_Click();
    void Command1_Click();
    void Command3D1_Click();
    void unbalancedbutton_Click();
    void backmnu_Click();
    void MnuBack_Click();
    void MnuCriteria_Click();
    void MnuDataRecord_Click();
    void MnuHelp_Click();
    void MnuNew_Click();
    void MnuExit_Click();
    void Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode);

    // Form5Depth.cpp and Form5Breadth.cpp: the size steps.
    void CmdNextSize_Click();
    void CmdNextSizeDn_Click();
    void CmdNextWidth_Click();
    void CmdNextWidthDn_Click();

    // Form5Steel.cpp: the steel steps.
    void StlBack_Click();
    void StlForward_Click();

    app::Program& m_program;
};

} // namespace report
