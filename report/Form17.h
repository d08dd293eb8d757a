// Form17, the uniformly increasing load picture of a hip or valley member: the triangular load between
// R1 and R2 with the member's span and total weight. Shown modally by the Load Diagram command.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

namespace app
{
class Program;
}

namespace report
{

class Form17 final : public platform::Form
{
  public:
    explicit Form17(app::Program& program);

    platform::Label TLdLabel{*this, "TLdLabel"};
    platform::Label Label3{*this, "Label3"}; // the beam bar
    platform::Label Spanlabel{*this, "Spanlabel"};
    platform::Label Label1{*this, "Label1"};
    platform::Label Label2{*this, "Label2"};
    platform::CommandButton Command1{*this, "Command1"};
    platform::Line Line1{*this, "Line1"};
    platform::Line Line2{*this, "Line2"};
    platform::Line Line4{*this, "Line4"};
    platform::Line Line5{*this, "Line5"};
    platform::Line Line6{*this, "Line6"};
    platform::Line Line7{*this, "Line7"};
    platform::Line Line8{*this, "Line8"};
    platform::Line Line9{*this, "Line9"};

  private:
    void design() override;
    void onLoad() override { Form_Load(); }
    void Form_Load();

    app::Program& m_program;
};

} // namespace report
