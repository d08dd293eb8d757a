// Form23, the steel column data record: the labels of one steel column calculation, printed and saved through
// the report header form; each activation copies the design from the steel column selection form.
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

class Form23 final : public platform::Form
{
  public:
    explicit Form23(app::Program& program);

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
    platform::Label Label59{*this, "Label59"}; // outside dimensions line
    platform::Label Label12{*this, "Label12"}; // loading line
    platform::Label Label13{*this, "Label13"}; // "Data"
    platform::Label Label32{*this, "Label32"}; // "Attributes"
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
    platform::Label Label39{*this, "Label39"};
    platform::Label Label40{*this, "Label40"};
    platform::Label Label41{*this, "Label41"};
    platform::Label Label50{*this, "Label50"};
    platform::Label Label38{*this, "Label38"};
    platform::Label Label51{*this, "Label51"};
    platform::Label Label52{*this, "Label52"};
    platform::Label Label81{*this, "Label81"};
    platform::Label Label82{*this, "Label82"};
    platform::Label Label83{*this, "Label83"};
    platform::Label Label84{*this, "Label84"};
    // Fixed captions of the data grid, row by row: caption, unit, caption, unit, caption.
    platform::Label Label14{*this, "Label14"}; // "Reaction"
    platform::Label Label21{*this, "Label21"}; // "lbs"
    platform::Label Label26{*this, "Label26"}; // "Column Net Area"
    platform::Label Label62{*this, "Label62"}; // "in^2"
    platform::Label Label63{*this, "Label63"}; // "Fa"
    platform::Label Label16{*this, "Label16"}; // "Actual Height"
    platform::Label Label22{*this, "Label22"}; // "ft"
    platform::Label Label28{*this, "Label28"}; // "Fy  Min Yield Stress"
    platform::Label Label64{*this, "Label64"}; // "psi"
    platform::Label Label72{*this, "Label72"}; // "Cc"
    platform::Label Label18{*this, "Label18"}; // "Unbraced d1"
    platform::Label Label24{*this, "Label24"}; // "ft"
    platform::Label Label31{*this, "Label31"}; // "Weight p/lineal foot"
    platform::Label Label65{*this, "Label65"}; // "lbs"
    platform::Label Label73{*this, "Label73"}; // "r"
    platform::Label Label20{*this, "Label20"}; // "Effective Ht  D1"
    platform::Label Label25{*this, "Label25"}; // "ft"
    platform::Label Label27{*this, "Label27"}; // "K  (Buckling Mode)"
    platform::Label Label74{*this, "Label74"}; // "E x mil"
    // The attribute table's headings and row captions.
    platform::Label Label35{*this, "Label35"}; // "kl/r"
    platform::Label Label37{*this, "Label37"}; // "ksi"
    platform::Label Label44{*this, "Label44"}; // "Area (in^2)"
    platform::Label Label33{*this, "Label33"}; // "Actual"
    platform::Label Label34{*this, "Label34"}; // "Critical"
    platform::Label Label42{*this, "Label42"}; // "Status"
    platform::Label Label43{*this, "Label43"}; // "Ratio"
    // The heading area's labels, always empty.
    platform::Label Label45{*this, "Label45"};
    platform::Label Label46{*this, "Label46"};
    platform::Label Label8{*this, "Label8"};
    platform::ControlArray<platform::Shape> Frame{*this, "Frame", 0, 2};

    platform::CommandButton Command3D1{*this, "Command3D1"};
    platform::MenuItem backmnu{*this, "backmnu"};
    platform::MenuItem MnuFile{*this, "MnuFile"};
    platform::MenuItem MnuNewColumn{*this, "MnuNewColumn"};
    platform::MenuItem MnuSaveStlCol{*this, "MnuSaveStlCol"};
    platform::MenuItem MnuLoadStlColumn{*this, "MnuLoadStlColumn"};
    platform::MenuItem MnuCopyClipStl{*this, "MnuCopyClipStl"};
    platform::MenuItem MnuSep1{*this, "MnuSep1"};
    platform::MenuItem MnuPrintColumn{*this, "MnuPrintColumn"};
    platform::MenuItem MnuSep2{*this, "MnuSep2"};
    platform::MenuItem MnuExit{*this, "MnuExit"};
    platform::MenuItem MnuGoto{*this, "MnuGoto"};
    platform::MenuItem MnuCriteria{*this, "MnuCriteria"};
    platform::MenuItem MnuSelection{*this, "MnuSelection"};
    platform::MenuItem MnuHelp{*this, "MnuHelp"};

    // A loaded record is text the design does not stand behind: activations only place the form until
    // the selection form shows it again, New or unload.
    void holdLoadedRecord();
    // The selection form's way in: the record is filled from the design again.
    void showDesign();

  private:
    void design() override; // Form23Design.cpp
    void onLoad() override;
    void onActivate() override { Form_Activate(); }
    void onQueryUnload(bool& cancel, platform::UnloadReason reason) override;
    void onUnload() override { m_loadedRecord = false; }

    void Form_Activate();
    void setRecordCommands(bool enabled);
    void Print_Click();
    void MnuSave_Click();
    void MnuLoadStlColumn_Click();
    void MnuNewColumn_Click();
    void MnuExit_Click();
    void MnuSelection_Click();
    void MnuCriteria_Click();
    void MnuHelp_Click();

    app::Program& m_program;
    bool m_loadedRecord = false;
};

} // namespace columns
