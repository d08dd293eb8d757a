// Form5, the beam report: required against actual values of the member just tested. FIXME: only the
// frame is here (the form the tests show, and the exit question of the close box); the results
// grid, notes, overall status, size stepping and menus come with the report form itself.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

namespace app
{
class Program;
}

namespace report
{

class Form5 final : public platform::Form
{
  public:
    explicit Form5(app::Program& program);

    platform::Frame Frame3D1{*this, "Frame3D1"};

  private:
    void design() override; // Form5Design.cpp
    void onQueryUnload(bool& cancel, platform::UnloadReason reason) override
    {
        Form_QueryUnload(cancel, reason);
    }

    void Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode);

    app::Program& m_program;
};

} // namespace report
