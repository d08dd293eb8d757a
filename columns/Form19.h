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
    platform::ControlArray<platform::Label> Fixed{*this, "Fixed", 0, 40};
    platform::ControlArray<platform::Shape> Frame{*this, "Frame", 0, 3};
    platform::Line ValueRule{*this, "ValueRule"};

    platform::CommandButton PrintButton{*this, "PrintButton"};
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
