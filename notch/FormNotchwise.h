// FormNotchwise, the notch check: the member, its notch, the species and factors, "OK Calculate" and the
// report frame, with the menus that save, load and print a notch record.
#pragma once

#include "notch/NotchRecord.h"
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

#include <cstdint>

namespace app
{
class Program;
}

namespace notch
{

class FormNotchwise final : public platform::Form
{
  public:
    explicit FormNotchwise(app::Program& program);

    // General frame
    platform::Frame GeneralFrame{*this, "GeneralFrame"};
    platform::Label ProjectNameTitle{*this, "ProjectNameTitle"};
    platform::Label DescriptionTitle{*this, "DescriptionTitle"};
    platform::Label LocationTitle{*this, "LocationTitle"};
    platform::Label DateTitle{*this, "DateTitle"};
    platform::TextBox ProjectNameNW{*this, "ProjectNameNW"};
    platform::TextBox DescriptionNW{*this, "DescriptionNW"};
    platform::TextBox LocationNW{*this, "LocationNW"};
    platform::TextBox DateNW{*this, "DateNW"};

    // Member frame
    platform::Frame MemberFrame{*this, "MemberFrame"};
    platform::Label MemberTitle{*this, "MemberTitle"};
    platform::ComboBox MemberListBox{*this, "MemberListBox"};
    platform::CommandButton Vbutton{*this, "Vbutton"};
    platform::TextBox MaxVtextbox{*this, "MaxVtextbox"};
    platform::Label VUnitLabel{*this, "VUnitLabel"};
    platform::CommandButton Bbutton{*this, "Bbutton"};
    platform::TextBox breadthtextbox{*this, "breadthtextbox"};
    platform::Label BUnitLabel{*this, "BUnitLabel"};
    platform::CommandButton Dbutton{*this, "Dbutton"};
    platform::TextBox depthtextbox{*this, "depthtextbox"};
    platform::Label DUnitLabel{*this, "DUnitLabel"};
    platform::Shape RecShape{*this, "RecShape"};
    platform::Label bLabel{*this, "bLabel"};
    platform::Label dLabel{*this, "dLabel"};
    platform::Shape Rdshape{*this, "Rdshape"};
    platform::Line diamline{*this, "diamline"};
    platform::Label diamlabel{*this, "diamlabel"};
    platform::CommandButton StdSizeCmd{*this, "StdSizeCmd"};
    platform::Label SpecieTitle{*this, "SpecieTitle"};
    platform::ComboBox SpecieCombo{*this, "SpecieCombo"};
    platform::CommandButton NDSbutton{*this, "NDSbutton"};
    platform::ComboBox NDSyearList{*this, "NDSyearList"};
    platform::CommandButton Fvbutton{*this, "Fvbutton"};
    platform::TextBox Fvtextbox{*this, "Fvtextbox"};
    platform::Label Label21{*this, "Label21"};
    platform::Label FactorsTitle{*this, "FactorsTitle"};
    platform::CommandButton Cmbutton{*this, "Cmbutton"};
    platform::CheckBox WetUseCheckbox{*this, "WetUseCheckbox"};
    platform::CommandButton Chbutton{*this, "Chbutton"};
    platform::CheckBox NoSplitCheckbox{*this, "NoSplitCheckbox"};
    platform::CommandButton Cdbutton{*this, "Cdbutton"};
    platform::ComboBox DurListbox{*this, "DurListbox"};
    platform::Label DurLabel{*this, "DurLabel"};

    // Notch frame
    platform::Frame NotchFrame{*this, "NotchFrame"};
    platform::Label NotchTitle{*this, "NotchTitle"};
    platform::ComboBox NotchListBox{*this, "NotchListBox"};
    platform::Label Label14{*this, "Label14"};
    platform::CommandButton rdButton{*this, "rdButton"};
    platform::TextBox rdTextbox{*this, "rdTextbox"};
    platform::Label rdUnitLabel{*this, "rdUnitLabel"};
    platform::CommandButton tButton{*this, "tButton"};
    platform::TextBox tTextbox{*this, "tTextbox"};
    platform::Label tUnitLabel{*this, "tUnitLabel"};
    platform::CommandButton rpButton{*this, "rpButton"};
    platform::TextBox rpTextbox{*this, "rpTextbox"};
    platform::CommandButton RPtoDegreeCmd{*this, "RPtoDegreeCmd"};
    platform::Label RequiredTitle{*this, "RequiredTitle"};
    platform::CommandButton eButton{*this, "eButton"};
    platform::TextBox eTextbox{*this, "eTextbox"};
    platform::Label eUnitLabel{*this, "eUnitLabel"};
    platform::Label eAdequateLabel{*this, "eAdequateLabel"};
    platform::CommandButton dnButton{*this, "dnButton"};
    platform::TextBox dnTextbox{*this, "dnTextbox"};
    platform::Label dnUnitLabel{*this, "dnUnitLabel"};
    platform::Label DNadequateLabel{*this, "DNadequateLabel"};
    platform::Label DnMinimum{*this, "DnMinimum"};
    platform::CommandButton OKcalcCmd{*this, "OKcalcCmd"};
    platform::Image ImageTensionNotch{*this, "ImageTensionNotch"};
    platform::Image ImageCompressionNotch{*this, "ImageCompressionNotch"};
    platform::Image ImageTaperedNotch{*this, "ImageTaperedNotch"};

    // Report frame
    platform::Frame ReportFrame{*this, "ReportFrame"};
    platform::Label AdjFvTitle{*this, "AdjFvTitle"};
    platform::Label AdjFvLabel{*this, "AdjFvLabel"};
    platform::Label AdjFvUnit{*this, "AdjFvUnit"};
    platform::Label CritLabel{*this, "CritLabel"};
    platform::Label CriticalfvLabel{*this, "CriticalfvLabel"};
    platform::Label CritPsiLabel{*this, "CritPsiLabel"};
    platform::Label RatioTitleLabel{*this, "RatioTitleLabel"};
    platform::Label RatioFvLabel{*this, "RatioFvLabel"};
    platform::Label RatioUnit{*this, "RatioUnit"};
    platform::Label AnTitle{*this, "AnTitle"};
    platform::Label AnLabel{*this, "AnLabel"};
    platform::Label AnUnit{*this, "AnUnit"};
    platform::Label MinSpanTitle{*this, "MinSpanTitle"};
    platform::Label MinSpanLabel{*this, "MinSpanLabel"};
    platform::Label MinSpanUnit{*this, "MinSpanUnit"};
    platform::Label AngleTitle{*this, "AngleTitle"};
    platform::Label AngleLabel{*this, "AngleLabel"};
    platform::Label AngleUnit{*this, "AngleUnit"};
    platform::Label StatusTitle{*this, "StatusTitle"};
    platform::Label ShearStatusLabel{*this, "ShearStatusLabel"};
    platform::CommandButton PrintCmd{*this, "PrintCmd"};

    // Menus
    platform::MenuItem MnuBack{*this, "MnuBack"};
    platform::MenuItem MnuFileNotch{*this, "MnuFileNotch"};
    platform::MenuItem MnuNew{*this, "MnuNew"};
    platform::MenuItem MnuSep1{*this, "MnuSep1"};
    platform::MenuItem MnuSave{*this, "MnuSave"};
    platform::MenuItem MnuLoad{*this, "MnuLoad"};
    platform::MenuItem MnuSep2{*this, "MnuSep2"};
    platform::MenuItem MnuPrintnotch{*this, "MnuPrintnotch"};
    platform::MenuItem MnuHelp{*this, "MnuHelp"};
    platform::MenuItem MnuExit{*this, "MnuExit"};

    // The result labels, filled by "OK Calculate" (FormNotchwiseCalculate.cpp).
    void OKcalcCmd_Click();

  private:
    void design() override; // FormNotchwiseDesign.cpp
    void onLoad() override { Form_Load(); }
    void onActivate() override { Form_Activate(); }
    void onQueryUnload(bool& cancel, platform::UnloadReason reason) override
    {
        Form_QueryUnload(cancel, reason);
    }

    // FormNotchwise.cpp: load, member and notch choice, menus.
    void Form_Load();
    void Form_Activate();
    void Form_QueryUnload(bool& cancel, platform::UnloadReason reason);
    void MemberListBox_Click();
    void NotchListBox_Click();
    void MnuBack_Click();
    void MnuExit_Click();
    void MnuNew_Click();
    void MnuHelp_Click();
    void StdSizeCmd_Click();
    bool askExit(const char* title);

    // FormNotchwiseEntry.cpp: entry boxes, factor controls, help buttons.
    void MaxVtextbox_Change();
    void breadthtextbox_Change();
    void depthtextbox_Change();
    void Fvtextbox_Change();
    void Fvtextbox_KeyUp();
    void rdTextbox_Change();
    void tTextbox_Change();
    void rpTextbox_Change();
    void eTextbox_Change();
    void dnTextbox_Change();
    void SpecieCombo_Change();
    void SpecieCombo_Click();
    void NDSyearList_Click();
    void WetUseCheckbox_Click();
    void NoSplitCheckbox_Click();
    void DurListbox_Click();
    void RPtoDegreeCmd_Click();
    void commaKey(std::int16_t& charCode);
    bool checkSizeText(platform::TextBox& box, bool allowD);
    void captionWetUse();
    void captionFvUnit();
    void showHelp(const char* text);
    void selectEntryText();
    void wireHelpButtons();

    // FormNotchwiseCalculate.cpp: the steps of "OK Calculate" after its entry checks.
    void calculate(double dIn, double dnIn);
    void showReport();

    // The record file and the print command (NotchRecord.cpp, NotchwisePrintForm.cpp).
    void MnuSave_Click();
    void MnuLoad_Click();
    void MnuPrintnotch_Click();
    void restoreRecord(const NotchRecordValues& values);

    app::Program& m_program;
};

} // namespace notch
