// Form23, the steel column data record: the labels of one steel column calculation, printed and saved through
// the report header form. FIXME: only the header labels, the selection line and the print and save
// commands are here; the column calculation fills the rest of the record.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

namespace app
{
class Program;
}

namespace columns
{

class Form23 final : public platform::Form
{
  public:
    explicit Form23(app::Program& program);

    platform::Label Label1{*this, "Label1"};   // heading 1
    platform::Label Label2{*this, "Label2"};   // heading 2
    platform::Label Label3{*this, "Label3"};   // project title
    platform::Label Label4{*this, "Label4"};   // item description
    platform::Label Label5{*this, "Label5"};   // column ID
    platform::Label Label6{*this, "Label6"};   // "Prepared by: " line
    platform::Label Label7{*this, "Label7"};   // "Date: " line
    platform::Label Label10{*this, "Label10"}; // selection line
    platform::CommandButton PrintButton{*this, "PrintButton"};
    platform::MenuItem MnuFile{*this, "MnuFile"};
    platform::MenuItem MnuPrint{*this, "MnuPrint"};
    platform::MenuItem MnuSave{*this, "MnuSave"};

  private:
    void design() override; // Form23Design.cpp

    void Print_Click();
    void MnuSave_Click();

    app::Program& m_program;
};

} // namespace columns
