// Form9, the load entry diagram: how the criteria form's load entries map onto a simple span and onto
// the backspan and overhang of an overhanging beam, with the rules for unbalanced loads. Drawn from
// labels, panels, lines and small pictures; it reads and writes nothing of the criteria form.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"

namespace app
{
class Program;
}

namespace report
{

class Form9 final : public platform::Form
{
  public:
    explicit Form9(app::Program& program);

    platform::Label Label19{*this, "Label19"};
    platform::Label Label20{*this, "Label20"};
    platform::Label Label9{*this, "Label9"};
    platform::Label Label11{*this, "Label11"};
    platform::Label Label8{*this, "Label8"};
    platform::Label Label14{*this, "Label14"};
    platform::Label Label6{*this, "Label6"};
    platform::Label Label13{*this, "Label13"};
    platform::Label Label5{*this, "Label5"};
    platform::Label Label12{*this, "Label12"};
    platform::Panel Panel3D4{*this, "Panel3D4"};
    platform::Panel Panel3D5{*this, "Panel3D5"};
    platform::Panel Panel3D3{*this, "Panel3D3"};
    platform::Panel Panel3D1{*this, "Panel3D1"};
    platform::Label Label16{*this, "Label16"};
    platform::Label Label10{*this, "Label10"};
    platform::Label Label18{*this, "Label18"};
    platform::Label Label3{*this, "Label3"};
    platform::Label Label2{*this, "Label2"};
    platform::Label Label1{*this, "Label1"};
    platform::Label Label4{*this, "Label4"};
    platform::Label Label7{*this, "Label7"};
    platform::Label Label17{*this, "Label17"};
    platform::Label Label15{*this, "Label15"};
    platform::CommandButton Command1{*this, "Command1"};
    // Zero lines at R1 and R2, the dimension lines with their closing lines, and the tick marks.
    platform::Line ZeroR1{*this, "ZeroR1"};
    platform::Line ZeroR2{*this, "ZeroR2"};
    platform::ControlArray<platform::Line> Dimension{*this, "Dimension", 0, 5};
    platform::ControlArray<platform::Line> DimensionEnd{*this, "DimensionEnd", 0, 5};
    platform::ControlArray<platform::Line> Line2{*this, "Line2", 0, 11};
    platform::Line Rule{*this, "Rule"};
    platform::Image SupportR1{*this, "SupportR1"};
    platform::Image SupportR2{*this, "SupportR2"};
    platform::Image ArrowBackspan{*this, "ArrowBackspan"};
    platform::Image ArrowOverhang{*this, "ArrowOverhang"};

  private:
    void design() override; // Form9Design.cpp

    void Command1_Click();
};

} // namespace report
