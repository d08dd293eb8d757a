// Form22, the steel selection form. "OK Calculate" hands every steel beam to it; for now it shows the
// governing moment and the reactions of the applied loads. The shape tables, quick picks, "OK Test"
// and the menus come with the steel selection itself.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"

namespace app
{
class Program;
}

namespace steel
{

class Form22 final : public platform::Form
{
  public:
    explicit Form22(app::Program& program);

    platform::Label StlMoment{*this, "StlMoment"};
    platform::Label StlReac1{*this, "StlReac1"};
    platform::Label StlReac2{*this, "StlReac2"};

    // The chosen designation ("W 12x 30") and the quick picks in table order, each with the flange
    // and depth texts of its shape; the report's Previous and Next walk them.
    platform::TextBox StlChoice{*this, "StlChoice"};
    platform::ControlArray<platform::CommandButton> StlPick{*this, "StlPick", 0, 15};
    platform::ControlArray<platform::Label> StlWidLab{*this, "StlWidLab", 0, 15};
    platform::ControlArray<platform::Label> StlDepLab{*this, "StlDepLab", 0, 15};

  private:
    void design() override; // Form22Design.cpp
    void onLoad() override { Form_Load(); }
    void onActivate() override { Form_Activate(); }
    void onQueryUnload(bool& cancel, platform::UnloadReason reason) override
    {
        Form_QueryUnload(cancel, reason);
    }

    void Form_Load();
    void Form_Activate();
    void Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode);

    app::Program& m_program;
};

} // namespace steel
