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

    platform::TextBox DefHead1{*this, "DefHead1"};
    platform::TextBox DefHead2{*this, "DefHead2"};
    platform::TextBox DefInitials{*this, "DefInitials"};
    platform::OptionButton OptionNDS18{*this, "OptionNDS18"};
    platform::OptionButton OptionNDS15{*this, "OptionNDS15"};
    platform::OptionButton OptionNDS12{*this, "OptionNDS12"};
    platform::OptionButton OptionNDS05{*this, "OptionNDS05"};
    platform::CheckBox Def50ksi{*this, "Def50ksi"};
    platform::OptionButton OptionNDS97{*this, "OptionNDS97"};
    platform::OptionButton OptionNDS91{*this, "OptionNDS91"}; // the NDS 2001 edition
    platform::ControlArray<platform::TextBox> Livedefault{*this, "Livedefault", 0, 4};
    platform::ControlArray<platform::TextBox> TotalLoadDefault{*this, "TotalLoadDefault", 0, 4};
    platform::ComboBox DefCombo{*this, "DefCombo"};
    platform::ComboBox FontCombo{*this, "FontCombo"};
    platform::CheckBox DefaultPrinterCheckbox{*this, "DefaultPrinterCheckbox"};
    platform::CheckBox CenterFormCheckbox{*this, "CenterFormCheckbox"};
    platform::CheckBox Def600{*this, "Def600"};
    platform::CheckBox defINGRADE{*this, "defINGRADE"};

  private:
    void design() override; // Form13Design.cpp
    void onLoad() override { Form_Load(); }

    void Form_Load();
    void showEdition();
    void listPrinterFonts();
    void FontCombo_Click();
    void CenterFormCheckbox_Click();
    void DefaultPrinterCheckbox_Click();

    Program& m_program;
};

} // namespace app
