// Form16, the hips and valleys diagram: a fixed picture of the uniformly increasing load on a hip or
// valley member and how its tributary lengths are measured.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

namespace app
{
class Program;
}

namespace report
{

class Form16 final : public platform::Form
{
  public:
    explicit Form16(app::Program& program);

    platform::Image Image1{*this, "Image1"};
    platform::CommandButton Cmd_OK{*this, "Cmd_OK"};

  private:
    void design() override; // Form16Design.cpp
    void onLoad() override { Form_Load(); }

    void Form_Load();
    void Cmd_OK_Click();

    app::Program& m_program;
};

} // namespace report
