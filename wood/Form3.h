// Form3, the wood beam selection form. "OK Calculate" hands every wood beam to it; for now it shows
// the governing moment and the reactions of the applied loads. The quick-pick grid, the entry boxes,
// "OK Test" and the menus come with the wood selection itself.
#pragma once

#include "platform/forms/Control.h"
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

    platform::Label MOMENT{*this, "MOMENT"};
    platform::Label Reac1{*this, "Reac1"};
    platform::Label Reac2{*this, "Reac2"};

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
