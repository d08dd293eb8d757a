// Form2, the custom values and SCL form: the user's own design values, the custom member class and
// size, and the custom quick picks that the selection form's pre-sizing captions. The value ranges,
// SCL products, "OK Calc", "OK Test" and the menus come with the custom values form itself.
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

    platform::Label MOMENT{*this, "MOMENT"};
    platform::Label Reac1{*this, "Reac1"};
    platform::Label Reac2{*this, "Reac2"};

    // --- Custom reference values and size ---
    platform::TextBox Text1{*this, "Text1"}; // Fb, psi
    platform::TextBox Text2{*this, "Text2"}; // Fv, psi
    platform::TextBox Text3{*this, "Text3"}; // Fc-perp, psi
    platform::TextBox Text4{*this, "Text4"}; // E, million psi
    platform::TextBox Text5{*this, "Text5"}; // species and grade
    platform::TextBox Text6{*this, "Text6"}; // breadth text
    platform::TextBox Text7{*this, "Text7"}; // depth text
    platform::TextBox Diam{*this, "Diam"};   // net diameter of a round member, in.

    // --- Member class and timber shape ---
    platform::Frame CustomBreadthGroup{*this, "CustomBreadthGroup"};
    platform::OptionButton Wid2x{*this, "Wid2x"};
    platform::OptionButton Wid4x{*this, "Wid4x"};
    platform::OptionButton Wid6x{*this, "Wid6x"};
    platform::OptionButton WidGLB{*this, "WidGLB"};
    platform::OptionButton WidGLBHDR{*this, "WidGLBHDR"};
    platform::Frame FormFrame{*this, "FormFrame"};
    platform::OptionButton Rectoption{*this, "Rectoption"};
    platform::OptionButton Roundoption{*this, "Roundoption"};
    platform::CheckBox SPG{*this, "SPG"}; // Southern Pine glu-lam of 1-3/8 in. laminations

    // --- Custom quick picks: breadth headings and depth buttons ---
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
    platform::Label Label16{*this, "Label16"}; // no-depths notice

    platform::CommandButton CmdTest{*this, "CmdTest"};

    // The SCL product list; its list index names the product in the SCL catalogue (-1: none chosen).
    platform::ComboBox Combo1{*this, "Combo1"};

  private:
    void design() override; // Form2Design.cpp
    void onActivate() override { Form_Activate(); }
    void onQueryUnload(bool& cancel, platform::UnloadReason reason) override
    {
        Form_QueryUnload(cancel, reason);
    }

    void Form_Activate();
    void Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode);

    app::Program& m_program;
};

} // namespace scl
