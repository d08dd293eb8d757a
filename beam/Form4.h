// Form4, the progress window of "OK Calculate": a small caption-less window whose panel fills from 0
// to 100 percent while the loads are analysed. It has no buttons and no events but its load.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

namespace app
{
class Program;
}

namespace beam
{

class Form4 final : public platform::Form
{
  public:
    explicit Form4(app::Program& program);

    platform::Panel Panel3D1{*this, "Panel3D1"};
    platform::Label Label1{*this, "Label1"};
    platform::Panel Pan{*this, "Pan"}; // the progress bar

  private:
    void design() override; // Form4Design.cpp
    void onLoad() override { Form_Load(); }

    void Form_Load();

    app::Program& m_program;
};

} // namespace beam
