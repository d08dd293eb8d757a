// Form24, the printout font: the font of every printout, chosen from the current printer's fonts.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

namespace app
{
class Program;
}

namespace report
{

class Form24 final : public platform::Form
{
  public:
    explicit Form24(app::Program& program);

    platform::Label Label2{*this, "Label2"};
    platform::Panel Panel3D1{*this, "Panel3D1"};
    platform::ComboBox list1{*this, "list1"};
    platform::CommandButton Command3D1{*this, "Command3D1"}; // "OK"
    platform::CommandButton Command3D2{*this, "Command3D2"}; // "Cancel"
    platform::Label Label1{*this, "Label1"};

  private:
    void design() override;
    void onLoad() override { Form_Load(); }
    void onActivate() override { Form_Activate(); }

    void Form_Load();
    void Form_Activate();
    void Command3D1_Click();

    app::Program& m_program;
};

} // namespace report
