// Form28, the stud wall data record, reached only from the dormant stud wall check. FIXME: only the
// header labels, the selection line, the picture and the print command are here.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

namespace app
{
class Program;
}

namespace columns
{

class Form28 final : public platform::Form
{
  public:
    explicit Form28(app::Program& program);

    platform::Label Label1{*this, "Label1"};   // heading 1
    platform::Label Label2{*this, "Label2"};   // heading 2
    platform::Label Label4{*this, "Label4"};   // project title
    platform::Label Label5{*this, "Label5"};   // item description
    platform::Label Label6{*this, "Label6"};   // ID
    platform::Label Label7{*this, "Label7"};   // "Prepared by: " line
    platform::Label Label8{*this, "Label8"};   // "Date: " line
    platform::Label Label13{*this, "Label13"}; // selection line
    platform::Image Image1{*this, "Image1"};   // the wall picture, printed by the print command
    platform::CommandButton PrintButton{*this, "PrintButton"};

  private:
    void design() override;
    void Print_Click();

    app::Program& m_program;
};

} // namespace columns
