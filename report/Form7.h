// Form7, the report header form: the heading lines, date, initials and project texts that go on every
// printed or saved data record.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

namespace app
{
class Program;
}

namespace report
{

class Form7 final : public platform::Form
{
  public:
    explicit Form7(app::Program& program);

    platform::Frame Frame3D1{*this, "Frame3D1"};
    platform::TextBox Heading1{*this, "Heading1"};
    platform::TextBox Heading2{*this, "Heading2"};
    platform::Label Label4{*this, "Label4"};
    platform::TextBox Initialbox{*this, "Initialbox"};
    platform::CheckBox HighDPI{*this, "HighDPI"};

  private:
    void design() override; // Form7Design.cpp

    app::Program& m_program;
};

} // namespace report
