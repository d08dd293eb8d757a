// Form15, the about box: the product name, its year and the version, and a button to close it.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

namespace app
{

class Program;

class Form15 final : public platform::Form
{
  public:
    explicit Form15(Program& program);

    platform::Label Label1{*this, "Label1"}; // product name and year
    platform::Label Label2{*this, "Label2"}; // version
    platform::CommandButton Command1{*this, "Command1"};

  private:
    void design() override; // Form15Design.cpp
    void onLoad() override { Form_Load(); }

    void Form_Load();
    void Command1_Click();

    Program& m_program;
};

} // namespace app
