// Form28, the stud wall data record: one page of the last stud check's results, the stud entries of the
// column criteria form and a sketch of the loaded stud, refilled at every activation and printed through
// the report header form. Its labels are layout data (Form28Design.cpp); the report header form and
// the printing read Label1, Label2, Label4 to Label9, Label13 and Image1 by name.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

#include <map>
#include <memory>
#include <vector>

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

    platform::Label Label1{*this, "Label1"}; // heading 1
    platform::Label Label2{*this, "Label2"}; // heading 2
    platform::Label Label4{*this, "Label4"}; // project title
    platform::Label Label5{*this, "Label5"}; // description
    platform::Label Label6{*this, "Label6"}; // column ID
    platform::Label Label7{*this, "Label7"}; // "Prepared by: " line
    platform::Label Label8{*this, "Label8"}; // "Date: " line
    platform::Label Label9{*this, "Label9"};
    platform::Label Label13{*this, "Label13"}; // selection line
    platform::Image Image1{*this, "Image1"};   // the sketch of the loaded stud
    platform::CommandButton CmdPrint{*this, "CmdPrint"};
    platform::MenuItem MnuBack{*this, "MnuBack"};
    platform::MenuItem MnuFile{*this, "MnuFile"};
    platform::MenuItem MnuPrint{*this, "MnuPrint"};
    platform::MenuItem MnuExit{*this, "MnuExit"};
    platform::Shape Shape1{*this, "Shape1"}; // attributes table
    platform::Shape Shape2{*this, "Shape2"}; // loads block
    platform::Shape Shape3{*this, "Shape3"}; // base values
    platform::Shape Shape4{*this, "Shape4"}; // factors
    platform::Shape Shape5{*this, "Shape5"}; // data block

    // Any label of the record by its number ("Label49" is label(49)).
    platform::Label& label(int number);

  private:
    void design() override; // Form28Design.cpp
    void onLoad() override;
    void onActivate() override;
    void onQueryUnload(bool& cancel, platform::UnloadReason reason) override;

    void fillRecord(); // Form28Fill.cpp
    void fillStatus();
    void Print_Click();
    void Back_Click();

    app::Program& m_program;
    std::map<int, platform::Label*> m_labels;
    std::vector<std::unique_ptr<platform::Label>> m_ownLabels;
};

} // namespace columns
