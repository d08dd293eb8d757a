// Form13, the settings form. Besides editing the defaults it keeps, loaded and hidden, the load pairs
// of the criteria form's preset buttons as the texts of its boxes.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"

namespace app
{

class Program;

class Form13 final : public platform::Form
{
  public:
    explicit Form13(Program& program);

    platform::Label Label5{*this, "Label5"};
    platform::CommandButton Command3D1{*this, "Command3D1"};
    platform::Label Label1{*this, "Label1"};
    platform::TextBox DefHead1{*this, "DefHead1"};
    platform::TextBox DefHead2{*this, "DefHead2"};
    platform::Label Label3{*this, "Label3"};
    platform::TextBox DefInitials{*this, "DefInitials"};
    platform::Label Label7{*this, "Label7"};
    platform::OptionButton OptionNDS18{*this, "OptionNDS18"};
    platform::OptionButton OptionNDS15{*this, "OptionNDS15"};
    platform::OptionButton OptionNDS12{*this, "OptionNDS12"};
    platform::OptionButton OptionNDS05{*this, "OptionNDS05"};
    platform::CheckBox Def50ksi{*this, "Def50ksi"};
    platform::OptionButton OptionNDS97{*this, "OptionNDS97"};
    platform::OptionButton OptionNDS91{*this, "OptionNDS91"}; // the NDS 2001 edition
    platform::Label Label8{*this, "Label8"};
    platform::Label Label9{*this, "Label9"};
    platform::ControlArray<platform::TextBox> Livedefault{*this, "Livedefault", 0, 4};
    platform::ControlArray<platform::TextBox> TotalLoadDefault{*this, "TotalLoadDefault", 0, 4};
    platform::Label Label10{*this, "Label10"};
    platform::Label Label2{*this, "Label2"};
    platform::ComboBox DefCombo{*this, "DefCombo"};
    platform::Label Label6{*this, "Label6"};
    platform::ComboBox FontCombo{*this, "FontCombo"};
    platform::CheckBox DefaultPrinterCheckbox{*this, "DefaultPrinterCheckbox"};
    platform::CheckBox CenterFormCheckbox{*this, "CenterFormCheckbox"};
    platform::CommandButton CmdSave{*this, "CmdSave"};
    platform::CommandButton CmdCancel{*this, "CmdCancel"};
    platform::CheckBox Def600{*this, "Def600"};
    platform::CheckBox defINGRADE{*this, "defINGRADE"};

  private:
    void design() override; // Form13Design.cpp
    void onLoad() override { Form_Load(); }
    void onActivate() override { Form_Activate(); }

    // Form13.cpp: filling the form and the choices that act at once.
    void Form_Load();
    void Form_Activate();
    void showEdition();
    void listPrinterFonts();
    void FontCombo_Click();
    void CenterFormCheckbox_Click();
    void DefaultPrinterCheckbox_Click();
    void switchEdition(platform::OptionButton& chosen);
    void loadPairChange(platform::TextBox& box, const char* message);
    void Command3D1_Click();
    void CmdCancel_Click();

    // Form13Save.cpp: writing the settings file and applying it.
    void CmdSave_Click();
    void copyIntoRecord();
    void applyEditionFromRecord();
    void captionCriteriaForm();

    Program& m_program;
};

} // namespace app
