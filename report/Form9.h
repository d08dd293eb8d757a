// Form9, the load entry diagram: a fixed picture of how loads and distances are entered on the
// criteria form. It reads and writes nothing of the criteria form.
#pragma once

#include "platform/forms/Control.h"
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

    platform::Image Image1{*this, "Image1"};
    platform::CommandButton Command1{*this, "Command1"};

  private:
    void design() override; // Form9Design.cpp

    void Command1_Click();
};

} // namespace report
