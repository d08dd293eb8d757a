// Form1, the beam criteria form: the first form of the beam path and the beam's input record. Every
// calculation reads its boxes, options and lists directly.
#pragma once

#include "app/EnteredLoads.h"
#include "app/RemovedLiveLoad.h"
#include "platform/forms/Control.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"

#include <array>
#include <cstdint>

namespace app
{

class Program;

class Form1 final : public platform::Form
{
  public:
    explicit Form1(Program& program);

    // Keeps the load boxes' texts as entered; "OK Calculate" calls it right before it adjusts the boxes
    // in place, and the next activation puts the texts back (Form1.cpp).
    void KeepEnteredLoads();

    // --- Header frame: project line, span, load types, species, unbraced lengths, options ---
    platform::Frame Frame3D1{*this, "Frame3D1"};
    platform::Label Label1{*this, "Label1"};
    platform::TextBox Proj{*this, "Proj"};
    platform::Label Label3{*this, "Label3"};
    platform::TextBox Descrip{*this, "Descrip"};
    platform::Label Label2{*this, "Label2"};
    platform::TextBox ID{*this, "ID"};
    platform::Label Label4{*this, "Label4"};
    platform::TextBox Span{*this, "Span"};
    platform::CommandButton Command3D5{*this, "Command3D5"};
    platform::Frame Frame3D6{*this, "Frame3D6"};
    platform::OptionButton SimpleSpanbutton{*this, "SimpleSpanbutton"};
    platform::CommandButton Command3D2{*this, "Command3D2"};
    platform::OptionButton OHbutton{*this, "OHbutton"};
    platform::CommandButton Command3D1{*this, "Command3D1"};
    platform::OptionButton IncButton{*this, "IncButton"};
    platform::CommandButton Command3D10{*this, "Command3D10"};
    platform::OptionButton Multibutton{*this, "Multibutton"};
    platform::CommandButton Command3D30{*this, "Command3D30"};
    platform::ComboBox Combo1{*this, "Combo1"};
    platform::Frame SpecieGroup{*this, "SpecieGroup"};
    platform::ControlArray<platform::OptionButton> group{*this, "group", 0, 9};
    platform::Label UBLlabel{*this, "UBLlabel"};
    platform::TextBox UBLtext{*this, "UBLtext"};
    platform::TextBox CantUBLtext{*this, "CantUBLtext"};
    platform::CommandButton UBL3DHelp{*this, "UBL3DHelp"};
    platform::Label Label6{*this, "Label6"};
    platform::TextBox Dur{*this, "Dur"};
    platform::CommandButton Command3D15{*this, "Command3D15"};
    platform::CommandButton Command3D4{*this, "Command3D4"};
    platform::Label Label48{*this, "Label48"};
    platform::Panel DepBorder{*this, "DepBorder"};
    platform::ComboBox DepCombo{*this, "DepCombo"};
    platform::CommandButton DepthDesHelp{*this, "DepthDesHelp"};
    platform::Label Label5{*this, "Label5"};
    platform::Label Label18{*this, "Label18"};
    platform::TextBox LMaxDefl{*this, "LMaxDefl"};
    platform::Label Label19{*this, "Label19"};
    platform::TextBox MaxDefl{*this, "MaxDefl"};
    platform::CommandButton Dadj{*this, "Dadj"};
    platform::CommandButton Command3D3{*this, "Command3D3"};
    platform::CheckBox Roofbutton{*this, "Roofbutton"};
    platform::TextBox Pitchtext{*this, "Pitchtext"};
    platform::CommandButton Command3D28{*this, "Command3D28"};
    platform::CommandButton Command3D8{*this, "Command3D8"};
    platform::CheckBox Reducechk{*this, "Reducechk"};
    platform::CommandButton Command3D18{*this, "Command3D18"};
    platform::CheckBox INGRADE{*this, "INGRADE"};
    platform::CheckBox Wet{*this, "Wet"};
    platform::CheckBox Incised{*this, "Incised"};
    platform::CommandButton Command3D7{*this, "Command3D7"};
    platform::CheckBox Rep{*this, "Rep"};
    platform::CommandButton Command3D9{*this, "Command3D9"};
    platform::Frame Frame3D2{*this, "Frame3D2"};
    platform::OptionButton Ctr0{*this, "Ctr0"};
    platform::OptionButton Ctr12{*this, "Ctr12"};
    platform::OptionButton Ctr16{*this, "Ctr16"};
    platform::OptionButton Ctr19{*this, "Ctr19"};
    platform::OptionButton ctr24{*this, "ctr24"};
    platform::Frame StlTypes{*this, "StlTypes"};
    platform::CheckBox ksi50{*this, "ksi50"};
    platform::OptionButton WFbutton{*this, "WFbutton"};
    platform::OptionButton SFbutton{*this, "SFbutton"};
    platform::OptionButton CFbutton{*this, "CFbutton"};
    platform::OptionButton MCbutton{*this, "MCbutton"};
    platform::OptionButton TUbutton{*this, "TUbutton"};
    platform::OptionButton PLbutton{*this, "PLbutton"};
    platform::OptionButton DblPLbutton{*this, "DblPLbutton"};

    // --- Uniform load A and its tributary calculator ---
    platform::Frame Frame3D5{*this, "Frame3D5"};
    platform::CommandButton Command3D14{*this, "Command3D14"};
    platform::Label Label17{*this, "Label17"};
    platform::Label Label13{*this, "Label13"};
    platform::Label Label35{*this, "Label35"};
    platform::TextBox LUNIF{*this, "LUNIF"};
    platform::TextBox UNIF{*this, "UNIF"};
    platform::CommandButton PLFspin{*this, "PLFspin"};
    platform::Label Label37{*this, "Label37"};
    platform::CommandButton Command3D19{*this, "Command3D19"};
    platform::Label Label21{*this, "Label21"};
    platform::Label Label33{*this, "Label33"};
    platform::Label Label36{*this, "Label36"};
    platform::TextBox Text1{*this, "Text1"};
    platform::TextBox Text2{*this, "Text2"};
    platform::CommandButton Command1{*this, "Command1"};
    platform::Label Label43{*this, "Label43"};
    platform::TextBox Tribute{*this, "Tribute"};
    platform::Label Label23{*this, "Label23"};
    platform::CommandButton Command3D25{*this, "Command3D25"};
    platform::CommandButton ClearTribButton{*this, "ClearTribButton"};

    // --- Point loads B..G ---
    platform::Frame Frame3D3{*this, "Frame3D3"};
    platform::Label Label14{*this, "Label14"};
    platform::Label Label7{*this, "Label7"};
    platform::Label Label8{*this, "Label8"};
    platform::ControlArray<platform::Label> Labl20{*this, "Labl20", 0, 5};
    platform::ControlArray<platform::TextBox> LPT{*this, "LPT", 0, 5};
    platform::ControlArray<platform::TextBox> PT{*this, "PT", 0, 5};
    platform::ControlArray<platform::TextBox> DIS{*this, "DIS", 0, 5};
    platform::CommandButton UBSpan{*this, "UBSpan"};
    platform::CommandButton UBOH{*this, "UBOH"};

    // --- Partial uniform loads H..L ---
    platform::Frame Frame3D4{*this, "Frame3D4"};
    platform::CommandButton Command3D16{*this, "Command3D16"};
    platform::Label Label10{*this, "Label10"};
    platform::Label Label9{*this, "Label9"};
    platform::Label Label16{*this, "Label16"};
    platform::Label Label15{*this, "Label15"};
    platform::Label Label11{*this, "Label11"};
    platform::Label Label12{*this, "Label12"};
    platform::ControlArray<platform::Label> Labl21{*this, "Labl21", 6, 10};
    platform::ControlArray<platform::TextBox> LPAR{*this, "LPAR", 0, 4};
    platform::ControlArray<platform::TextBox> PAR{*this, "PAR", 0, 4};
    platform::ControlArray<platform::TextBox> BEGP{*this, "BEGP", 0, 4};
    platform::ControlArray<platform::TextBox> ENDP{*this, "ENDP", 0, 4};
    platform::CommandButton Command3D23{*this, "Command3D23"};

    // --- Partial-load psf calculator, over the point loads ---
    platform::Frame FramePSF{*this, "FramePSF"};
    platform::CommandButton Command3D24{*this, "Command3D24"};
    platform::Label Label45{*this, "Label45"};
    platform::Label Label46{*this, "Label46"};
    platform::Label Label41{*this, "Label41"};
    platform::Label Label47{*this, "Label47"};
    platform::Label Label44{*this, "Label44"};
    platform::ControlArray<platform::TextBox> LPSF{*this, "LPSF", 0, 4};
    platform::ControlArray<platform::TextBox> PSF{*this, "PSF", 0, 4};
    platform::ControlArray<platform::TextBox> TribPSF{*this, "TribPSF", 0, 4};
    platform::CommandButton Command3D21{*this, "Command3D21"};
    platform::CommandButton Command3D22{*this, "Command3D22"};

    // --- Hips and valleys, over the point and partial loads ---
    platform::Frame IncFrame{*this, "IncFrame"};
    platform::CommandButton Command3D12{*this, "Command3D12"};
    platform::Label Label27{*this, "Label27"};
    platform::Panel Panel3D1{*this, "Panel3D1"};
    platform::Line Line1{*this, "Line1"};
    platform::Line Line2{*this, "Line2"};
    platform::ControlArray<platform::CheckBox> Areas{*this, "Areas", 0, 3};
    platform::Label Label29{*this, "Label29"};
    platform::Label Label30{*this, "Label30"};
    platform::Label Label28{*this, "Label28"};
    platform::TextBox Trib1{*this, "Trib1"};
    platform::TextBox Trib2{*this, "Trib2"};
    platform::Label Label22{*this, "Label22"};
    platform::Label Label25{*this, "Label25"};
    platform::Label Label26{*this, "Label26"};
    platform::Label Label24{*this, "Label24"};
    platform::TextBox IncLL{*this, "IncLL"};
    platform::TextBox IncTL{*this, "IncTL"};
    platform::Label Label20{*this, "Label20"};
    platform::Label Label31{*this, "Label31"};
    platform::Label Label32{*this, "Label32"};
    platform::Label Label34{*this, "Label34"};
    platform::TextBox IncUnifLL{*this, "IncUnifLL"};
    platform::TextBox IncUnifTL{*this, "IncUnifTL"};
    platform::CheckBox CalctheSpan{*this, "CalctheSpan"};
    platform::CommandButton Command3D13{*this, "Command3D13"};
    platform::CommandButton IncCalcButton{*this, "IncCalcButton"};

    // --- Continuous beam over two or three equal spans, over the point and partial loads ---
    platform::Frame MultiFrame{*this, "MultiFrame"};
    platform::CommandButton Command3D31{*this, "Command3D31"};
    platform::OptionButton TwoSpan{*this, "TwoSpan"};
    platform::OptionButton ThreeSpan{*this, "ThreeSpan"};
    platform::CommandButton CancelMultiSpan{*this, "CancelMultiSpan"};
    platform::Label Label56{*this, "Label56"};
    platform::Label Label52{*this, "Label52"};
    platform::Line Line34{*this, "Line34"};
    platform::Line Line35{*this, "Line35"};
    platform::Line Line36{*this, "Line36"};
    platform::Line Line37{*this, "Line37"};
    platform::Line Line38{*this, "Line38"};
    platform::Line Line39{*this, "Line39"};
    platform::Line Line40{*this, "Line40"};
    platform::Line Line41{*this, "Line41"};
    platform::Line Line42{*this, "Line42"};
    platform::Label Label53{*this, "Label53"};
    platform::Label Label57{*this, "Label57"};
    platform::Label Label59{*this, "Label59"};
    platform::Label Label55{*this, "Label55"};
    platform::Label Label54{*this, "Label54"};
    platform::Label Label58{*this, "Label58"};
    platform::Label Label51{*this, "Label51"};

    // --- Bottom: self weight, commands, selection status ---
    platform::CheckBox NoWeight{*this, "NoWeight"};
    platform::CommandButton ViewDiagrmbutton{*this, "ViewDiagrmbutton"};
    platform::CommandButton NoteButton{*this, "NoteButton"};
    platform::CommandButton CmdOK{*this, "CmdOK"};
    platform::Panel SavePanel{*this, "SavePanel"};

    // --- Menus ---
    platform::MenuItem MnuFile{*this, "MnuFile"};
    platform::MenuItem MnuNew{*this, "MnuNew"};
    platform::MenuItem hypbreak{*this, "hypbreak"};
    platform::MenuItem MnuSaveBeam{*this, "MnuSaveBeam"};
    platform::MenuItem MnuLoadBeam{*this, "MnuLoadBeam"};
    platform::MenuItem LoadandPrint{*this, "LoadandPrint"};
    platform::MenuItem MnuHyfin{*this, "MnuHyfin"};
    platform::MenuItem MnuLoadDR{*this, "MnuLoadDR"};
    platform::MenuItem FileManager{*this, "FileManager"};
    platform::MenuItem Mnuhifen{*this, "Mnuhifen"};
    platform::MenuItem MnuExit{*this, "MnuExit"};
    platform::MenuItem MnuGoto{*this, "MnuGoto"};
    platform::MenuItem MnuDataRecord{*this, "MnuDataRecord"};
    platform::MenuItem MnuCalculator{*this, "MnuCalculator"};
    platform::MenuItem Option{*this, "Option"};
    platform::MenuItem mnudefaultSet{*this, "mnudefaultSet"};
    platform::MenuItem MnuColDesign{*this, "MnuColDesign"};
    platform::MenuItem MnuNotches{*this, "MnuNotches"};
    platform::MenuItem MnuHelp{*this, "MnuHelp"};
    platform::MenuItem MnuexitBC{*this, "MnuexitBC"};

  private:
    // Form-level variables: the live loads the unbalance buttons took out of the load boxes, kept as
    // texts so that a restore gives back exactly what was entered. They outlive a restore and a change
    // of load case; an unload empties them.
    struct Vars
    {
        RemovedLiveLoad LUNIFRemoved;
        std::array<RemovedLiveLoad, 6> LPTRemoved{};
        std::array<RemovedLiveLoad, 5> LPARRemoved{};
        // The load boxes before "OK Calculate" adjusted them; a reload forgets them with the loads.
        EnteredLoadTexts EnteredLoads;
    };
    Vars vars;

    // Design, in design order (Form1Design*.cpp).
    void design() override;
    void designHeader();
    void designOptions();
    void designUniformLoad();
    void designPointAndPartialLoads();
    void designPsfCalculator();
    void designHipsAndValleys();
    void designMultipleSpans();
    void designBottomAndMenus();
    void designTabOrder();
    void wireEvents(); // Form1Wiring.cpp

    void onLoad() override { Form_Load(); }
    void onActivate() override { Form_Activate(); }
    void onQueryUnload(bool& cancel, platform::UnloadReason reason) override
    {
        Form_QueryUnload(cancel, reason);
    }
    void resetVars() override { vars = Vars{}; }

    // Load, activation and close request (Form1.cpp, Form1Settings.cpp).
    void Form_Load();
    void Form_Activate();
    void Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode);
    void applySettingsFile();
    void showEditionCaptionAtActivation();
    void showSelectionStatus();
    void restoreEnteredLoads();
    void showLoadCaseFrames();

    // Species group, material and design options (Form1Options.cpp).
    void Combo1_Click();
    void WFbutton_Click();
    void SFbutton_Click();
    void CFbutton_Click();
    void MCbutton_Click();
    void TUbutton_Click();
    void PLbutton_Click();
    void DblPLbutton_Click();
    void Rep_Click();
    void Ctr0_Click();
    void Ctr12_Click();
    void Ctr16_Click();
    void Ctr19_Click();
    void ctr24_Click();
    void Wet_Click();
    void Reducechk_Click();
    void Roofbutton_Click();
    void INGRADE_Click();
    void Areas_Click(int index);
    void Command3D28_Click();
    void Command3D15_Click();
    void Dadj_Click();
    void Pitchtext_Change();
    void Pitchtext_GotFocus();
    void Pitchtext_LostFocus();
    void Dur_Change();
    void Dur_GotFocus();

    // Entry box rules: change, focus, Insert paste and comma refusal (Form1Entry.cpp).
    void UNIF_Change();
    void LUNIF_Change();
    void PT_Change(int index);
    void LPT_Change(int index);
    void PAR_Change(int index);
    void LPAR_Change(int index);
    void DIS_Change(int index);
    void BEGP_Change(int index);
    void ENDP_Change(int index);
    void Span_Change();
    void UBLtext_Change();
    void CantUBLtext_Change();
    void MaxDefl_Change();
    void LMaxDefl_Change();
    void IncTL_Change();
    void IncLL_Change();
    void IncUnifTL_Change();
    void IncUnifLL_Change();
    void PSF_Change(int index);
    void LPSF_Change(int index);
    void TribPSF_Change(int index);
    void Text1_Change();
    void Text2_Change();
    void Tribute_Change();
    void Trib1_Change();
    void Trib2_Change();

    void UNIF_KeyDown(std::int16_t& keyCode, int shift);
    void LUNIF_KeyDown(std::int16_t& keyCode, int shift);
    void PT_KeyDown(int index, std::int16_t& keyCode, int shift);
    void LPT_KeyDown(int index, std::int16_t& keyCode, int shift);
    void PAR_KeyDown(int index, std::int16_t& keyCode, int shift);
    void LPAR_KeyDown(int index, std::int16_t& keyCode, int shift);
    void DIS_KeyDown(int index, std::int16_t& keyCode, int shift);
    void BEGP_KeyDown(int index, std::int16_t& keyCode, int shift);
    void ENDP_KeyDown(int index, std::int16_t& keyCode, int shift);
    void IncTL_KeyDown(std::int16_t& keyCode, int shift);
    void IncLL_KeyDown(std::int16_t& keyCode, int shift);
    void IncUnifTL_KeyDown(std::int16_t& keyCode, int shift);
    void IncUnifLL_KeyDown(std::int16_t& keyCode, int shift);

    void UNIF_KeyPress(std::int16_t& keyAscii);
    void LUNIF_KeyPress(std::int16_t& keyAscii);
    void PT_KeyPress(int index, std::int16_t& keyAscii);
    void LPT_KeyPress(int index, std::int16_t& keyAscii);
    void PAR_KeyPress(int index, std::int16_t& keyAscii);
    void LPAR_KeyPress(int index, std::int16_t& keyAscii);
    void IncTL_KeyPress(std::int16_t& keyAscii);
    void IncLL_KeyPress(std::int16_t& keyAscii);
    void IncUnifTL_KeyPress(std::int16_t& keyAscii);
    void IncUnifLL_KeyPress(std::int16_t& keyAscii);
    void PSF_KeyPress(int index, std::int16_t& keyAscii);
    void LPSF_KeyPress(int index, std::int16_t& keyAscii);
    void Text1_KeyPress(std::int16_t& keyAscii);
    void Text2_KeyPress(std::int16_t& keyAscii);
    void refuseComma(std::int16_t& keyAscii);

    void UNIF_GotFocus();
    void LUNIF_GotFocus();
    void PT_GotFocus(int index);
    void LPT_GotFocus(int index);
    void PAR_GotFocus(int index);
    void LPAR_GotFocus(int index);
    void DIS_GotFocus(int index);
    void BEGP_GotFocus(int index);
    void ENDP_GotFocus(int index);
    void Span_GotFocus();
    void UBLtext_GotFocus();
    void CantUBLtext_GotFocus();
    void MaxDefl_GotFocus();
    void LMaxDefl_GotFocus();
    void IncTL_GotFocus();
    void IncLL_GotFocus();
    void IncUnifTL_GotFocus();
    void IncUnifLL_GotFocus();
    void PSF_GotFocus(int index);
    void LPSF_GotFocus(int index);
    void TribPSF_GotFocus(int index);
    void Text1_GotFocus();
    void Text2_GotFocus();
    void Tribute_GotFocus();
    void Trib1_GotFocus();
    void Trib2_GotFocus();
    void Proj_GotFocus();
    void Descrip_GotFocus();
    void ID_GotFocus();

    // Load case layouts (Form1LoadCases.cpp).
    void SimpleSpanbutton_Click();
    void OHbutton_Click();
    void Multibutton_Click();
    void IncButton_Click();
    void TwoSpan_Click();
    void ThreeSpan_Click();
    void CancelMultiSpan_Click();
    void SimpleSpanbutton_DblClick();
    void OHbutton_DblClick();

    // Load calculators and load clearing (Form1Calculators.cpp).
    void Command1_Click();
    void PLFspin_Click();
    void Command3D25_Click();
    void ClearTribButton_Click();
    void Command3D23_Click();
    void Command3D21_Click();
    void Command3D22_Click();
    bool IncCalcButton_Click(); // false: an entry was refused and nothing computed
    void Frame3D3_DblClick();
    void Frame3D4_DblClick();
    void Frame3D5_DblClick();
    void FramePSF_DblClick();
    void Label35_Click();
    void Label36_Click();
    void Labl20_Click(int index);
    void Labl21_Click(int index);
    void Labl20_Change(int index);
    void Labl21_Change(int index);

    // Unbalanced live loads on overhanging beams (Form1Unbalance.cpp).
    void UBOH_Click();
    void UBSpan_Click();

    // Quick tips and load entry diagrams (Form1Tips.cpp).
    void Command3D2_Click();
    void Command3D1_Click();
    void Command3D10_Click();
    void Command3D30_Click();
    void Command3D12_Click();
    void Command3D13_Click();
    void Label20_DblClick();
    void Command3D31_Click();
    void Command3D14_Click();
    void Command3D19_Click();
    void Command3D24_Click();
    void Command3D16_Click();
    void Label8_DblClick();
    void Command3D5_Click();
    void UBL3DHelp_Click();
    void Command3D4_Click();
    void DepthDesHelp_Click();
    void Command3D3_Click();
    void Command3D8_Click();
    void Command3D18_Click();
    void Command3D7_Click();
    void Command3D9_Click();

    // Menus, notes and the load diagram button (Form1Menus.cpp).
    void MnuNew_Click();
    void MnuSaveBeam_Click();
    void MnuLoadBeam_Click();
    void LoadandPrint_Click();
    void MnuLoadDR_Click();
    void FileManager_Click();
    void MnuExit_Click();
    void MnuDataRecord_Click();
    void MnuCalculator_Click();
    void mnudefaultSet_Click();
    void MnuColDesign_Click();
    void MnuNotches_Click();
    void MnuHelp_Click();
    void MnuexitBC_Click();
    void NoteButton_Click();
    void ViewDiagrmbutton_Click();
    bool loadCriteria(); // Load Criteria; true only when a file was actually loaded
    void showLoadedCriteriaStatus();
    void showCaptionForLoadedCriteria();

    // "OK Calculate" (Form1Calculate.cpp).
    void CmdOK_Click();

    Program& m_program;
};

} // namespace app
