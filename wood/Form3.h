// Form3, the wood beam selection form: the quick-pick grid of smallest passing depths, the typed size
// boxes and "OK Test". The size test reads the boxes; the searches write the button captions.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"

namespace app
{
class Program;
}

namespace wood
{

class Form3 final : public platform::Form
{
  public:
    explicit Form3(app::Program& program);

    // --- "Test Selection": the size under test, in size text form ---
    platform::Frame FrameTest{*this, "FrameTest"};
    platform::TextBox Text1{*this, "Text1"}; // breadth
    platform::TextBox Text2{*this, "Text2"}; // depth
    platform::TextBox Text3{*this, "Text3"}; // species/grade
    platform::CommandButton CmdOK{*this, "CmdOK"};

    // --- Quick picks: sawn and timber buttons 0-23 and 34-41, glu-lam buttons 24-33 ---
    platform::Frame FrameSawn{*this, "FrameSawn"};
    platform::Frame FrameGluLam{*this, "FrameGluLam"};
    platform::ControlArray<platform::CommandButton> ht{*this, "ht", 0, 41};
    platform::Label Label1{*this, "Label1"}; // grade rows
    platform::Label Label2{*this, "Label2"};
    platform::Label Label3{*this, "Label3"};
    platform::Label Label4{*this, "Label4"};
    platform::Label Label5{*this, "Label5"}; // breadth headings
    platform::Label Label6{*this, "Label6"};
    platform::Label Label7{*this, "Label7"};
    platform::Label Label8{*this, "Label8"};
    platform::Label Label9{*this, "Label9"};
    platform::Label Label10{*this, "Label10"};
    platform::Label Label27{*this, "Label27"};
    platform::Label Label28{*this, "Label28"};
    platform::Label Label11{*this, "Label11"}; // glu-lam combinations
    platform::Label Label12{*this, "Label12"};
    platform::Label Label13{*this, "Label13"}; // glu-lam widths
    platform::Label Label14{*this, "Label14"};
    platform::Label Label15{*this, "Label15"};
    platform::Label Label16{*this, "Label16"};
    platform::Label Label17{*this, "Label17"};
    platform::CommandButton Command3D1{*this, "Command3D1"}; // glu-lam help

    // --- Loads, edition and status ---
    platform::Label LabelINGRADE{*this, "LabelINGRADE"};
    platform::Label MOMENT{*this, "MOMENT"};
    platform::Label Reac1{*this, "Reac1"};
    platform::Label Reac2{*this, "Reac2"};
    platform::Label RepQualify{*this, "RepQualify"};
    platform::Panel WoodStatisPanel{*this, "WoodStatisPanel"};

    // --- Menus ---
    platform::MenuItem backmnu{*this, "backmnu"};

  private:
    void design() override; // Form3Design.cpp
    void onActivate() override { Form_Activate(); }
    void onQueryUnload(bool& cancel, platform::UnloadReason reason) override
    {
        Form_QueryUnload(cancel, reason);
    }

    void Form_Activate();
    void Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode);

    app::Program& m_program;
};

} // namespace wood
