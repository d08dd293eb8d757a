// Form21, the report notes: seven free-text lines the user attaches to the current member, printed at
// the foot of a data record and stored in the record files. The lines are program state
// (SharedState::ReportNotes); this window only edits them and keeps its boxes while hidden.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

#include <array>

namespace app
{
class Program;
}

namespace report
{

class Form21 final : public platform::Form
{
  public:
    explicit Form21(app::Program& program);

    platform::Label Label1{*this, "Label1"};
    platform::Panel Panel3D1{*this, "Panel3D1"};
    platform::TextBox Text1{*this, "Text1"};
    platform::TextBox Text2{*this, "Text2"};
    platform::TextBox Text3{*this, "Text3"};
    platform::TextBox Text4{*this, "Text4"};
    platform::TextBox Text5{*this, "Text5"};
    platform::TextBox Text6{*this, "Text6"};
    platform::TextBox Text7{*this, "Text7"};
    platform::CommandButton Command1{*this, "Command1"};     // "Done"
    platform::CommandButton Command2{*this, "Command2"};     // "Cancel"
    platform::CommandButton Command3{*this, "Command3"};     // "Clear All Notes"
    platform::CommandButton Command3D1{*this, "Command3D1"}; // help

    // Text1..Text7 in line order.
    std::array<platform::TextBox*, 7> noteBoxes()
    {
        return {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7};
    }

  private:
    void design() override; // Form21Design.cpp
    void onActivate() override { Form_Activate(); }

    void Form_Activate();
    void Text_GotFocus();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command3D1_Click();
    void showStoredNotes();

    app::Program& m_program;
};

} // namespace report
