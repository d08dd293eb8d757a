// Form2, the custom values and SCL form. "OK Calculate" hands SCL and custom-values beams to it; for
// now it shows the governing moment and the reactions of the applied loads and offers the timber
// shape, whose "Round" option the shared shear check reads. The member classes, value boxes, SCL
// products, quick picks, "OK Calc", "OK Test" and the menus come with the custom values form itself.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

namespace app
{
class Program;
}

namespace scl
{

class Form2 final : public platform::Form
{
  public:
    explicit Form2(app::Program& program);

    platform::Label MOMENT{*this, "MOMENT"};
    platform::Label Reac1{*this, "Reac1"};
    platform::Label Reac2{*this, "Reac2"};
    platform::Frame FormFrame{*this, "FormFrame"};
    platform::OptionButton Rectoption{*this, "Rectoption"};
    platform::OptionButton Roundoption{*this, "Roundoption"};

  private:
    void design() override; // Form2Design.cpp
    void onActivate() override { Form_Activate(); }
    void onQueryUnload(bool& cancel, platform::UnloadReason reason) override
    {
        Form_QueryUnload(cancel, reason);
    }

    void Form_Activate();
    void Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode);

    app::Program& m_program;
};

} // namespace scl
