// Form2, the custom values and SCL form: the user's own design values or an SCL product, the member
// class and size, the quick picks that "OK Calc" captions, and "OK Test", which hands the member to
// the report. Handlers live in Form2*.cpp by concern: entries and member classes, activation and
// quick picks, "OK Calc", "OK Test", help buttons and the load-and-print refill.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"

namespace app
{
class Program;
}

namespace scl
{

class Form2 final : public platform::Form
{
  public:
    explicit Form2(app::Program& program);

    // --- Member class frame ---
    platform::Frame Frame3D2{*this, "Frame3D2"}; // "Select a Custom Breadth Group"
    platform::OptionButton Wid2x{*this, "Wid2x"};
    platform::OptionButton Wid4x{*this, "Wid4x"};
    platform::OptionButton Wid6x{*this, "Wid6x"};
    platform::OptionButton WidGLB{*this, "WidGLB"};
    platform::OptionButton WidGLBHDR{*this, "WidGLBHDR"};
    platform::CheckBox SPG{*this, "SPG"}; // Southern Pine glu-lam of 1-3/8 in. laminations
    platform::CheckBox MSRCheckbox{*this, "MSRCheckbox"};
    platform::CheckBox MELCheckbox{*this, "MELCheckbox"};
    platform::CommandButton SSCommand1{*this, "SSCommand1"}; // help: MSR and MEL
    platform::CommandButton Command3D1{*this, "Command3D1"}; // help: glu-lam headers
    platform::Frame FormFrame{*this, "FormFrame"};           // "Timber Shape"
    platform::OptionButton Rectoption{*this, "Rectoption"};
    platform::OptionButton Roundoption{*this, "Roundoption"};
    platform::Label Label6{*this, "Label6"};
    platform::TextBox Diam{*this, "Diam"};                   // net diameter of a round member, in.
    platform::CommandButton Command3D3{*this, "Command3D3"}; // help: round members

    // --- SCL frame, in the place of the member class frame ---
    platform::Frame Frame3D4{*this, "Frame3D4"};
    platform::Label Label29{*this, "Label29"};
    platform::Panel Panel3D2{*this, "Panel3D2"};
    platform::ComboBox Combo1{*this, "Combo1"};              // SCL product list
    platform::Label LVLname{*this, "LVLname"};               // maker line
    platform::CommandButton Command2{*this, "Command2"};     // "Manufacturers"
    platform::CommandButton Command3{*this, "Command3"};     // "SCL Basics (Read This)"
    platform::CommandButton Command3D2{*this, "Command3D2"}; // help: Eastern and Western species
    platform::Label boisenote{*this, "boisenote"};

    // --- Values frame ---
    platform::Frame Frame3D1{*this, "Frame3D1"};
    platform::Label Label1{*this, "Label1"};
    platform::Label Label2{*this, "Label2"};
    platform::Label Label4{*this, "Label4"};
    platform::Label Label27{*this, "Label27"};
    platform::Label Label3{*this, "Label3"};
    platform::Label Label8{*this, "Label8"};
    platform::Label Label15{*this, "Label15"};
    platform::TextBox Text1{*this, "Text1"}; // Fb, psi
    platform::TextBox Text2{*this, "Text2"}; // Fv, psi
    platform::TextBox Text4{*this, "Text4"}; // E, million psi
    platform::TextBox Text3{*this, "Text3"}; // Fc-perp, psi
    platform::TextBox Text8{*this, "Text8"}; // size factor exponent of the custom SCL products
    platform::Label Label9{*this, "Label9"};
    platform::Label Label10{*this, "Label10"};
    platform::Label Label11{*this, "Label11"};
    platform::Label Label13{*this, "Label13"};
    platform::Label Label12{*this, "Label12"};
    platform::Label Label30{*this, "Label30"};
    platform::Label Label5{*this, "Label5"};
    platform::CommandButton PointerFb{*this, "PointerFb"}; // help: the values
    platform::Label NDSlabel{*this, "NDSlabel"};
    platform::CheckBox CustomIngradeSP{*this, "CustomIngradeSP"};
    platform::CommandButton LoadVal{*this, "LoadVal"};
    platform::CommandButton SaveVal{*this, "SaveVal"};
    platform::CommandButton LVLLoadDefault{*this, "LVLLoadDefault"};
    platform::CommandButton LVLsavedefault{*this, "LVLsavedefault"};
    platform::CommandButton CmdEnterValues{*this, "CmdEnterValues"}; // "OK Calc"

    // --- Beam size frame ---
    platform::Frame Frame3D3{*this, "Frame3D3"};
    platform::Label Moresizes{*this, "Moresizes"};
    platform::Label Label20{*this, "Label20"};
    platform::Label Label18{*this, "Label18"};
    platform::Label Label19{*this, "Label19"};
    platform::Label Label17{*this, "Label17"};
    platform::Label Label32{*this, "Label32"};
    platform::TextBox Text6{*this, "Text6"}; // breadth text
    platform::TextBox Text7{*this, "Text7"}; // depth text
    platform::TextBox Text5{*this, "Text5"}; // species and grade
    platform::Label Label33{*this, "Label33"};
    platform::Label Label34{*this, "Label34"};
    platform::Label Label35{*this, "Label35"};

    // Quick picks: breadth headings and depth buttons.
    platform::Label Label22{*this, "Label22"};
    platform::Label Label23{*this, "Label23"};
    platform::Label Label24{*this, "Label24"};
    platform::Label Label25{*this, "Label25"};
    platform::Label Label26{*this, "Label26"};
    platform::Label Label7{*this, "Label7"};
    platform::Label Label21{*this, "Label21"};
    platform::Label Label28{*this, "Label28"};
    platform::ControlArray<platform::Label> LabG{*this, "LabG", 0, 4};
    platform::Label Label14{*this, "Label14"};
    platform::Label Label31{*this, "Label31"};
    platform::ControlArray<platform::Label> LVLab{*this, "LVLab", 0, 4};
    platform::CommandButton Button2x{*this, "Button2x"};
    platform::CommandButton Button22x{*this, "Button22x"};
    platform::CommandButton Button32x{*this, "Button32x"};
    platform::CommandButton Button42x{*this, "Button42x"};
    platform::CommandButton Button4x{*this, "Button4x"};
    platform::CommandButton Button6x{*this, "Button6x"};
    platform::CommandButton button8x{*this, "button8x"};
    platform::CommandButton button10x{*this, "button10x"};
    platform::CommandButton but32{*this, "but32"};
    platform::CommandButton But52{*this, "But52"};
    platform::ControlArray<platform::CommandButton> ButG{*this, "ButG", 0, 4};
    platform::ControlArray<platform::CommandButton> LVLbut{*this, "LVLbut", 0, 4};
    platform::Label Label16{*this, "Label16"}; // result line of "OK Calc"

    platform::CommandButton CmdTest{*this, "CmdTest"};   // "OK Test"
    platform::CommandButton Command1{*this, "Command1"}; // " Add Notes"
    platform::Panel CurrentBeamPanel{*this, "CurrentBeamPanel"};

    // --- Menus ---
    platform::MenuItem backmnu{*this, "backmnu"};
    platform::MenuItem MnuFile{*this, "MnuFile"};
    platform::MenuItem MnuSaveCustom{*this, "MnuSaveCustom"};
    platform::MenuItem MnuLoadCustom{*this, "MnuLoadCustom"};
    platform::MenuItem FileManager{*this, "FileManager"};
    platform::MenuItem aline{*this, "aline"};
    platform::MenuItem MnuExit{*this, "MnuExit"};
    platform::MenuItem MnuGoto{*this, "MnuGoto"};
    platform::MenuItem MnuCriteria{*this, "MnuCriteria"};
    platform::MenuItem MnuHelp{*this, "MnuHelp"};

    // The two presses the load-and-print refill makes; "OK Calc" tells whether its checks passed.
    bool CmdEnterValues_Click();
    void CmdTest_Click();

  private:
    void design() override; // Form2Design.cpp
    void onLoad() override { Form_Load(); }
    void onActivate() override { Form_Activate(); }
    void onQueryUnload(bool& cancel, platform::UnloadReason reason) override
    {
        Form_QueryUnload(cancel, reason);
    }
    void resetVars() override { m_preselectProduct = true; }

    void Form_Load();
    void Form_Activate(); // Form2Activate.cpp
    void activateArrangement();
    void activateStatus();
    void Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode);

    // Entries and member classes (Form2Entries.cpp).
    void wireEntries();
    void checkValueBox(platform::TextBox& box);
    void memberClassSelected(platform::OptionButton& option);
    void Rectoption_Click();
    void Roundoption_Click();
    void SPG_Click();
    void gradedLumberClicked(platform::CheckBox& box, platform::CheckBox& other, bool msr);
    void CustomIngradeSP_Click();

    // Quick picks and commands (Form2.cpp).
    void quickPick(const std::string& breadth, const std::string& depth);
    void LVLbut_Click(int index);
    void LoadVal_Click();
    void SaveVal_Click();
    void MnuSaveCustom_Click();
    void MnuLoadCustom_Click();
    void MnuCriteria_Click();
    void MnuHelp_Click();

    // "OK Calc" branches (Form2Calc.cpp).
    void searchSclDepths();
    void searchSclButton(int index);
    bool customValuesBranch();
    void customSclBranch();

    // "OK Test" (Form2Test.cpp).
    bool testSclSize(int product);
    bool testCustomSclSize();
    bool testCustomValuesSize();

    // Help buttons (Form2Help.cpp).
    void wireHelp();

    // Load-and-print refill (Form2Refill.cpp).
    void refillFromCriteria();

    bool sclChosen();
    bool customSclChosen();
    void message(const std::string& text, platform::Icon icon = platform::Icon::None,
                 const std::string& title = "Korvanta");
    void refuse(const std::string& text, platform::Control& focus, bool beep,
                platform::Icon icon = platform::Icon::None, const std::string& title = "Korvanta");

    app::Program& m_program;
    // Selecting the stored SCL product empties the boxes; only the first activation after a load
    // may do it, so a return from the manual or the notes keeps the user's product and edits.
    bool m_preselectProduct = true;
};

} // namespace scl
