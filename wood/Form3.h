// Form3, the wood beam selection form: the quick-pick grid of smallest passing depths, the typed size
// boxes and "OK Test". The size test reads the boxes; the searches write the button captions.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"

#include <array>

namespace app
{
class Program;
}

namespace platform
{
class ResumeNext;
}

namespace wood
{

class Form3 final : public platform::Form
{
  public:
    explicit Form3(app::Program& program);

    // --- "Test Selection": the size under test, in size text form ---
    platform::Frame FrameTest{*this, "FrameTest"};
    platform::Label Label18{*this, "Label18"}; // "Breadth"
    platform::Label Label19{*this, "Label19"}; // "Depth"
    platform::Label Label20{*this, "Label20"}; // "Species"
    platform::TextBox Text1{*this, "Text1"};   // breadth
    platform::TextBox Text2{*this, "Text2"};   // depth
    platform::TextBox Text3{*this, "Text3"};   // species/grade
    platform::Label Label23{*this, "Label23"}; // "Format Example:"
    platform::Label Label24{*this, "Label24"}; // format examples under the boxes
    platform::Label Label25{*this, "Label25"};
    platform::Label Label26{*this, "Label26"};
    platform::CommandButton CmdOK{*this, "CmdOK"};
    platform::Label Label21{*this, "Label21"}; // how to enter a size
    platform::Label Label22{*this, "Label22"}; // every selection is tested

    // --- Loads and edition ---
    platform::Label LabelINGRADE{*this, "LabelINGRADE"};
    platform::Label MOMENT{*this, "MOMENT"};
    platform::Label Reac1{*this, "Reac1"};
    platform::Label Reac2{*this, "Reac2"};
    platform::Label RepQualify{*this, "RepQualify"};

    // --- Quick picks: sawn and timber buttons 0-23 and 34-41, glu-lam buttons 24-33 ---
    platform::Frame FrameSawn{*this, "FrameSawn"};
    platform::CommandButton QPWidth{*this, "QPWidth"}; // breadth help
    platform::Label Label5{*this, "Label5"};           // breadth headings
    platform::Label Label6{*this, "Label6"};
    platform::Label Label7{*this, "Label7"};
    platform::Label Label8{*this, "Label8"};
    platform::Label Label9{*this, "Label9"};
    platform::Label Label10{*this, "Label10"};
    platform::Label Label27{*this, "Label27"};
    platform::Label Label28{*this, "Label28"};
    platform::Label Label1{*this, "Label1"}; // grade rows
    platform::Label Label2{*this, "Label2"};
    platform::Label Label3{*this, "Label3"};
    platform::Label Label4{*this, "Label4"};
    platform::ControlArray<platform::CommandButton> ht{*this, "ht", 0, 41};
    platform::Frame FrameGluLam{*this, "FrameGluLam"};
    platform::Label Label13{*this, "Label13"}; // glu-lam widths
    platform::Label Label14{*this, "Label14"};
    platform::Label Label15{*this, "Label15"};
    platform::Label Label16{*this, "Label16"};
    platform::Label Label17{*this, "Label17"};
    platform::Label Label11{*this, "Label11"}; // glu-lam combinations
    platform::Label Label12{*this, "Label12"};
    platform::CommandButton Command3D1{*this, "Command3D1"}; // glu-lam help

    platform::Panel WoodStatisPanel{*this, "WoodStatisPanel"};

    // --- Menus ---
    platform::MenuItem backmnu{*this, "backmnu"};
    platform::MenuItem MnuFile{*this, "MnuFile"};
    platform::MenuItem MnuExit{*this, "MnuExit"};
    platform::MenuItem MnuGoto{*this, "MnuGoto"};
    platform::MenuItem MnuCriteria{*this, "MnuCriteria"};
    platform::MenuItem MnuHelp{*this, "MnuHelp"};

    // "OK Test": also run by the activation in load-and-print mode.
    void CmdOK_Click();
    // A quick-pick button, pressed by the user or by a search.
    void ht_Click(int index);

  private:
    void design() override; // Form3Design.cpp
    void onLoad() override { Form_Load(); }
    void onActivate() override { Form_Activate(); }
    void onQueryUnload(bool& cancel, platform::UnloadReason reason) override
    {
        Form_QueryUnload(cancel, reason);
    }
    void onUnload() override { Form_Unload(); }

    void Form_Load();
    void Form_Activate(); // Form3Activate.cpp
    void Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode);
    void Form_Unload();
    void backmnu_Click();
    void Command3D1_Click();
    void MnuExit_Click();
    void MnuCriteria_Click();
    void MnuHelp_Click();
    void QPWidth_Click();

    // The activation's steps (Form3Activate.cpp, Form3Presizing.cpp).
    bool presize(platform::ResumeNext& next); // true when the custom values path ended the activation
    void captionQuickPicks(const std::array<float, 42>& depthEstimate);
    void captionEdition();
    void captionLoads();
    void showSelectionStatus();
    bool anyDepthCaption();

    app::Program& m_program;
};

} // namespace wood
