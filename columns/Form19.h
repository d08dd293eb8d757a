// Form19, the wood column data record: the labels of one wood column calculation, printed and saved through
// the report header form; each activation copies the design from the criteria and selection forms.
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

class Form19 final : public platform::Form
{
  public:
    explicit Form19(app::Program& program);

    platform::Label Label1{*this, "Label1"};   // heading 1
    platform::Label Label2{*this, "Label2"};   // heading 2
    platform::Label Label3{*this, "Label3"};   // project title
    platform::Label Label4{*this, "Label4"};   // item description
    platform::Label Label5{*this, "Label5"};   // column ID
    platform::Label Label6{*this, "Label6"};   // "Prepared by: " line
    platform::Label Label7{*this, "Label7"};   // "Date: " line
    platform::Label Label10{*this, "Label10"}; // selection line
    platform::Label Label9{*this, "Label9"};   // "Selection"
    platform::Label Label11{*this, "Label11"}; // "Conditions"
    platform::Label Label59{*this, "Label59"}; // edition and value group line
    platform::Label Label12{*this, "Label12"}; // wet service, incising and lamination line
    platform::Label Label13{*this, "Label13"}; // "Data"
    platform::Label Label32{*this, "Label32"}; // "Attributes and Values"
    platform::Label Label85{*this, "Label85"}; // "Controlling d is"
    platform::Label Label86{*this, "Label86"};
    platform::Label Label66{*this, "Label66"}; // bearing plate note
    platform::Label SheathNote{*this, "SheathNote"};
    platform::Label Sheathnote2{*this, "Sheathnote2"};
    // Data grid values.
    platform::Label Label15{*this, "Label15"};
    platform::Label Label17{*this, "Label17"};
    platform::Label Label19{*this, "Label19"};
    platform::Label Label23{*this, "Label23"};
    platform::Label Label29{*this, "Label29"};
    platform::Label Label60{*this, "Label60"};
    platform::Label Label61{*this, "Label61"};
    platform::Label Label30{*this, "Label30"};
    platform::Label Label71{*this, "Label71"};
    platform::Label Label75{*this, "Label75"};
    platform::Label Label76{*this, "Label76"};
    platform::Label Label77{*this, "Label77"};
    // Attribute table values.
    platform::Label Label36{*this, "Label36"};
    platform::Label Label38{*this, "Label38"};
    platform::Label Label81{*this, "Label81"};
    platform::Label Label39{*this, "Label39"}; // the limit, always "50"
    platform::Label Label50{*this, "Label50"};
    platform::Label Label82{*this, "Label82"};
    platform::Label Label40{*this, "Label40"};
    platform::Label Label51{*this, "Label51"};
    platform::Label Label83{*this, "Label83"};
    platform::Label Label41{*this, "Label41"};
    platform::Label Label52{*this, "Label52"};
    platform::Label Label84{*this, "Label84"};
    // Value table.
    platform::Label Label48{*this, "Label48"};
    platform::Label Label49{*this, "Label49"};
    platform::Label Label54{*this, "Label54"};
    platform::Label Label55{*this, "Label55"};
    platform::Label Label67{*this, "Label67"};
    platform::Label Label68{*this, "Label68"};
    platform::Label Label58{*this, "Label58"}; // row caption set at activation
    platform::Label Label69{*this, "Label69"};
    platform::Label Label70{*this, "Label70"};
    platform::Label Label80{*this, "Label80"};
    // Fixed captions of the data grid, row by row: caption, unit, caption, unit, caption.
    platform::Label Label14{*this, "Label14"}; // "Load"
    platform::Label Label21{*this, "Label21"}; // "#"
    platform::Label Label26{*this, "Label26"}; // "Column Area"
    platform::Label Label62{*this, "Label62"}; // "in^2"
    platform::Label Label63{*this, "Label63"}; // "Kf"
    platform::Label Label16{*this, "Label16"}; // "Actual Height"
    platform::Label Label22{*this, "Label22"}; // "ft"
    platform::Label Label28{*this, "Label28"}; // "le d1 Effective Ht"
    platform::Label Label64{*this, "Label64"}; // "in"
    platform::Label Label72{*this, "Label72"}; // "c"
    platform::Label Label18{*this, "Label18"}; // "Unbraced L1"
    platform::Label Label24{*this, "Label24"}; // "ft"
    platform::Label Label31{*this, "Label31"}; // "le d2 Effective Ht"
    platform::Label Label65{*this, "Label65"}; // "in"
    platform::Label Label73{*this, "Label73"}; // "KcE"
    platform::Label Label20{*this, "Label20"}; // "Unbraced L2"
    platform::Label Label25{*this, "Label25"}; // "ft"
    platform::Label Label27{*this, "Label27"}; // "Ke Buckling Mode"
    platform::Label Label74{*this, "Label74"}; // "FcE"
    // The attribute table's headings and row captions.
    platform::Label Label35{*this, "Label35"}; // "le/d"
    platform::Label Label37{*this, "Label37"}; // "psi"
    platform::Label Label44{*this, "Label44"}; // "Area (in^2)"
    platform::Label Label33{*this, "Label33"}; // "Actual"
    platform::Label Label34{*this, "Label34"}; // "Critical"
    platform::Label Label42{*this, "Label42"}; // "Status"
    platform::Label Label43{*this, "Label43"}; // "Ratio"
    // The value table's headings and row captions.
    platform::Label Label46{*this, "Label46"}; // "Fc || (psi)"
    platform::Label Label47{*this, "Label47"}; // "E (psi x mil)"
    platform::Label Label45{*this, "Label45"}; // "Reference Values"
    platform::Label Label53{*this, "Label53"}; // "Adjusted Values"
    platform::Label Label56{*this, "Label56"}; // "CF Size Factor"
    platform::Label Label57{*this, "Label57"}; // "Cd Duration"
    platform::Label Label79{*this, "Label79"}; // "Cp Stability"
    // The heading area's labels, always empty.
    platform::Label Label78{*this, "Label78"};
    platform::Label Label87{*this, "Label87"};
    platform::Label Label8{*this, "Label8"};
    platform::ControlArray<platform::Shape> Frame{*this, "Frame", 0, 3};
    platform::Line ValueRule{*this, "ValueRule"};

    platform::CommandButton Command3D1{*this, "Command3D1"};
    platform::MenuItem backmnu{*this, "backmnu"};
    platform::MenuItem MnuFile{*this, "MnuFile"};
    platform::MenuItem MnuNew{*this, "MnuNew"};
    platform::MenuItem MnuSave{*this, "MnuSave"};
    platform::MenuItem MnuLoad{*this, "MnuLoad"};
    platform::MenuItem MnuCopyClipWd{*this, "MnuCopyClipWd"};
    platform::MenuItem MnuSep1{*this, "MnuSep1"};
    platform::MenuItem MnuPrint{*this, "MnuPrint"};
    platform::MenuItem MnuSep2{*this, "MnuSep2"};
    platform::MenuItem MnuExit{*this, "MnuExit"};
    platform::MenuItem MnuGoto{*this, "MnuGoto"};
    platform::MenuItem MnuBack{*this, "MnuBack"};
    platform::MenuItem MnuSelect{*this, "MnuSelect"};
    platform::MenuItem MnuHelp{*this, "MnuHelp"};

    // A loaded record is text the design does not stand behind: activations only place the form until
    // the selection form shows it again, New or unload.
    void holdLoadedRecord();
    // The selection form's way in: the record is filled from the design again.
    void showDesign();

  private:
    void design() override; // Form19Design.cpp
    void onLoad() override;
    void onActivate() override { Form_Activate(); }
    void onQueryUnload(bool& cancel, platform::UnloadReason reason) override;
    void onUnload() override { m_loadedRecord = false; }

    void Form_Activate();
    void fill();
    void Print_Click();
    void MnuSave_Click();
    void MnuLoad_Click();
    void MnuNew_Click();
    void MnuExit_Click();
    void MnuBack_Click();
    void MnuSelect_Click();
    void MnuHelp_Click();

    app::Program& m_program;
    bool m_loadedRecord = false;
};

} // namespace columns
