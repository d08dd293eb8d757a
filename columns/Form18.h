// Form18, the column criteria form: load, heights, unbraced lengths, reference values, load duration
// and buckling mode of a wood or steel column, "OK Calculate" and the column menus.
#pragma once

#include "columns/WoodColumnDesign.h"
#include "platform/forms/Control.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"

namespace app
{
class Program;
}

namespace columns
{

struct StudColumnValues;

class Form18 final : public platform::Form
{
  public:
    explicit Form18(app::Program& program);

    // Puts the column entries back to a new column (also called by the later column forms' New).
    void ResetColumnCriteria();
    // The options of the wood check as the form shows them.
    WoodColumnSetup woodSetup();

    // --- Header of the data records ---
    platform::TextBox ColumnProj{*this, "ColumnProj"};
    platform::TextBox ColumnDescription{*this, "ColumnDescription"};
    platform::TextBox columnID{*this, "columnID"};
    platform::Label ProjLabel{*this, "ProjLabel"};
    platform::Label DescLabel{*this, "DescLabel"};
    platform::Label IDLabel{*this, "IDLabel"};

    // --- Criteria entries, in the "Column Criteria" frame ---
    platform::Frame Frame3D1{*this, "Frame3D1"};
    platform::TextBox cReacText{*this, "cReacText"};
    platform::TextBox cHTtext{*this, "cHTtext"};
    platform::TextBox cD1text{*this, "cD1text"};
    platform::TextBox cD2text{*this, "cD2text"};
    platform::TextBox cFcText{*this, "cFcText"};
    platform::TextBox cEtext{*this, "cEtext"};
    platform::TextBox cDurText{*this, "cDurText"};
    platform::TextBox cModeText{*this, "cModeText"};
    platform::CommandButton DurAdjbutton{*this, "DurAdjbutton"};
    platform::CommandButton Modeadjbutton{*this, "Modeadjbutton"};
    platform::Label ReacLabel{*this, "ReacLabel"};
    platform::Label HTLabel{*this, "HTLabel"};
    platform::Label Label2{*this, "Label2"};   // "Unbraced height L1"
    platform::Label Label3{*this, "Label3"};   // "Unbraced height L2"
    platform::Label Label10{*this, "Label10"}; // "ft" of L2
    platform::Label ReacUnit{*this, "ReacUnit"};
    platform::Label HTUnit{*this, "HTUnit"};
    platform::Label D1Unit{*this, "D1Unit"};
    platform::Label Label16{*this, "Label16"}; // "Fc II" or "Fy"
    platform::Label ELabel{*this, "ELabel"};   // "E x 10" with the raised "6" of ERaised
    platform::Label ERaised{*this, "ERaised"};
    platform::Label DurLabel{*this, "DurLabel"};
    platform::Label ModeLabel{*this, "ModeLabel"};
    platform::CheckBox ResetKf{*this, "ResetKf"};
    platform::Label ResetLabel{*this, "ResetLabel"};
    platform::CommandButton SheathHelpNote{*this, "SheathHelpNote"};
    platform::CommandButton CmdOK{*this, "CmdOK"};
    platform::CommandButton Command1{*this, "Command1"}; // " Add Notes"
    // The custom post values file.
    platform::CommandButton SavePostbutton{*this, "SavePostbutton"};
    platform::CommandButton Loadpostbutton{*this, "Loadpostbutton"};
    // The reaction import from the beam last calculated.
    platform::CommandButton ImportButton{*this, "ImportButton"};
    platform::Frame ImportReaction{*this, "ImportReaction"};
    platform::OptionButton OptionR1{*this, "OptionR1"};
    platform::OptionButton OptionR2{*this, "OptionR2"};
    platform::CheckBox DblReaction{*this, "DblReaction"};
    platform::CommandButton CmdImportOK{*this, "CmdImportOK"};
    platform::CommandButton CmdImportCancel{*this, "CmdImportCancel"};

    // --- Quick tips ---
    platform::CommandButton Command3D1{*this, "Command3D1"};
    platform::CommandButton Command3D2{*this, "Command3D2"};
    platform::CommandButton Command3D3{*this, "Command3D3"};
    platform::CommandButton Command3D4{*this, "Command3D4"};
    platform::CommandButton Command3D5{*this, "Command3D5"};
    platform::CommandButton Command3D6{*this, "Command3D6"};
    platform::CommandButton Command3D7{*this, "Command3D7"};
    platform::CommandButton Command3D8{*this, "Command3D8"};
    platform::CommandButton Command3D9{*this, "Command3D9"};
    platform::CommandButton Command3D10{*this, "Command3D10"};
    platform::CommandButton Command3D11{*this, "Command3D11"};
    platform::CommandButton Command3D12{*this, "Command3D12"};
    platform::CommandButton Command3D13{*this, "Command3D13"};

    // --- Material, value group, column type, species ---
    platform::Label MaterialLabel{*this, "MaterialLabel"};
    platform::OptionButton WoodButton{*this, "WoodButton"};
    platform::OptionButton SteelButton{*this, "SteelButton"};
    platform::Frame ValueTypeFrame{*this, "ValueTypeFrame"};
    platform::OptionButton TimberButton{*this, "TimberButton"};
    platform::OptionButton StringerButton{*this, "StringerButton"};
    platform::OptionButton FramingButton{*this, "FramingButton"};
    platform::Frame ColTypeFrame{*this, "ColTypeFrame"};
    platform::OptionButton CSolidButton{*this, "CSolidButton"};
    platform::OptionButton cSolid4xbutton{*this, "cSolid4xbutton"};
    platform::OptionButton CNailedButton{*this, "CNailedButton"};
    platform::OptionButton CBoltedButton{*this, "CBoltedButton"};
    platform::Panel Panel3D2{*this, "Panel3D2"};
    platform::ComboBox ColSpeciesCombo{*this, "ColSpeciesCombo"};
    platform::Label CusColLabel{*this, "CusColLabel"};
    platform::CheckBox ColIncised{*this, "ColIncised"};
    platform::CheckBox cWetButton{*this, "cWetButton"};
    platform::Label SteelInfoTitle{*this, "SteelInfoTitle"};
    platform::Label SteelInfoLabel{*this, "SteelInfoLabel"};
    platform::ControlArray<platform::Line> Line19{*this, "Line19", 0, 2};
    platform::ControlArray<platform::Shape> bolt{*this, "bolt", 0, 7};

    // --- Menus ---
    platform::MenuItem MnuFile{*this, "MnuFile"};
    platform::MenuItem MnuNewCol{*this, "MnuNewCol"};
    platform::MenuItem MnuSep1{*this, "MnuSep1"};
    platform::MenuItem MnuLoadWdCol{*this, "MnuLoadWdCol"};
    platform::MenuItem MnuLdStlCol{*this, "MnuLdStlCol"};
    platform::MenuItem MnuSep2{*this, "MnuSep2"};
    platform::MenuItem MnuExit{*this, "MnuExit"};
    platform::MenuItem MnuBack{*this, "MnuBack"};
    platform::MenuItem MnuHelp{*this, "MnuHelp"};
    platform::MenuItem mnucolexit{*this, "mnucolexit"};

    // The wind-loaded stud frame: hidden at load, shown by no menu or control of the program
    // (Form18StudDesign.cpp, Form18StudEntries.cpp, Form18StudCheck.cpp, Form18StudFile.cpp).
    platform::Frame WindFrame{*this, "WindFrame"};
    platform::Frame SSFrame1{*this, "SSFrame1"};
    platform::Frame SSFrame2{*this, "SSFrame2"};
    platform::TextBox AxialPLFtextbox{*this, "AxialPLFtextbox"};
    platform::TextBox AxialPointTextbox{*this, "AxialPointTextbox"};
    platform::CommandButton AxialDurSpinBut{*this, "AxialDurSpinBut"};
    platform::TextBox AxialDurTextbox{*this, "AxialDurTextbox"};
    platform::TextBox WindA{*this, "WindA"};
    platform::TextBox BegA{*this, "BegA"};
    platform::TextBox EndA{*this, "EndA"};
    platform::TextBox WindB{*this, "WindB"};
    platform::TextBox BegB{*this, "BegB"};
    platform::TextBox EndB{*this, "EndB"};
    platform::TextBox WindC{*this, "WindC"};
    platform::TextBox BegC{*this, "BegC"};
    platform::TextBox EndC{*this, "EndC"};
    platform::TextBox DurWindTextbox{*this, "DurWindTextbox"};
    platform::TextBox WindStudHt{*this, "WindStudHt"};
    platform::ComboBox BreadthCombo{*this, "BreadthCombo"};
    platform::ComboBox DepthCombo{*this, "DepthCombo"};
    platform::TextBox WindStudSpacing{*this, "WindStudSpacing"};
    platform::ComboBox WindStudCombo{*this, "WindStudCombo"};
    platform::TextBox WindStudFb{*this, "WindStudFb"};
    platform::TextBox WindStudFc{*this, "WindStudFc"};
    platform::TextBox WindStudE{*this, "WindStudE"};
    platform::CheckBox RepWindStud{*this, "RepWindStud"};
    platform::CheckBox RepIBCCheck{*this, "RepIBCCheck"};
    platform::CommandButton StudOKCalcbutton{*this, "StudOKCalcbutton"};
    platform::CommandButton StudReportbutton{*this, "StudReportbutton"};
    platform::Label StudStatusLabel{*this, "StudStatusLabel"};
    platform::ControlArray<platform::Label> StudCaption{*this, "StudCaption", 0, 45}; // fixed texts

    // Dormant commands of the stud frame: nothing in the program calls them.
    void SetupWindStudSpecies();
    void LoadWindStudMenu();
    void SaveWindStudMenu();
    void StudOKCalcbutton_Click();
    void StudReportbutton_Click();
    void WindStudCombo_Click();
    void LoadStudColumnCriteria();
    void SaveStudColumnCriteria();

  private:
    void design() override; // Form18Design.cpp
    void onLoad() override { Form_Load(); }
    void onActivate() override { Form_Activate(); }
    void onQueryUnload(bool& cancel, platform::UnloadReason reason) override
    {
        Form_QueryUnload(cancel, reason);
    }

    // Form18Values.cpp: loading, material, value group, column type and species.
    void Form_Load();
    void setEditionCaption();
    void lookUpValues(ColumnValueGroup group);
    void replaceSpeciesList(ColumnValueGroup group);
    void WoodButton_Click();
    void SteelButton_Click();
    void TimberButton_Click();
    void StringerButton_Click();
    void FramingButton_Click();
    void solidType_Click();
    void builtUpType_Click();
    void ColSpeciesCombo_Click();

    // Form18.cpp: entries, cycles, "OK Calculate", menus.
    void Form_Activate();
    void Form_QueryUnload(bool& cancel, platform::UnloadReason reason);
    void entry_Change(platform::TextBox& box);
    void cReacText_KeyPress(std::int16_t& key);
    void ImportButton_Click(); // Form18Import.cpp
    void CmdImportOK_Click();
    void cHTtext_LostFocus();
    void DurAdjbutton_Click();
    void Modeadjbutton_Click();
    void ResetKf_Click();
    void CmdOK_Click();
    bool criteriaAccepted();
    void storeCriteria();
    void MnuNewCol_Click();
    void MnuLoadWdCol_Click();
    void MnuLdStlCol_Click();
    void MnuExit_Click();
    void MnuHelp_Click();
    void showNote(int note); // 1 to 14

    // The stud frame's design and entry rules.
    void designStudFrame();
    void designStudSketch();
    void wireStudFrame();
    void studEntryChanged(platform::TextBox& box, const char* message, bool emptiesZero);
    void WindStudSpacing_Change();
    void RepWindStud_Click();
    void AxialDurSpinBut_Click();
    void studCommaKey(std::int16_t& charCode);
    bool studCheckEntries();
    void restoreStudColumn(const StudColumnValues& values);
    bool m_spacingRefusing = false;

    app::Program& m_program;
};

} // namespace columns
