// Form6, the beam data record: one page of labels that states the whole calculation of the selected
// member. FIXME: only the frame the criteria form's data record menus rely on is here (Label61, which
// keeps its design text until a record fills it, and the exit question of the close box); the record's
// labels, menus and composition come with the data record subsystem.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

namespace app
{
class Program;
}

namespace report
{

class Form6 final : public platform::Form
{
  public:
    explicit Form6(app::Program& program);

    platform::Label Label61{*this, "Label61"}; // the span

  private:
    void design() override; // Form6Design.cpp
    void onQueryUnload(bool& cancel, platform::UnloadReason reason) override
    {
        Form_QueryUnload(cancel, reason);
    }

    void Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode);

    app::Program& m_program;
};

} // namespace report
