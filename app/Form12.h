// Form12, the built-in manual. Every main form's Help menu shows it, hides itself and records its own
// name in HelpReturnForm; leaving the manual shows that form again. FIXME: only the way in and out and
// the About entry are here; the contents table, the topics and Print Screen come with the manual.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

namespace app
{

class Program;

class Form12 final : public platform::Form
{
  public:
    explicit Form12(Program& program);

    platform::MenuItem MnuFile{*this, "MnuFile"};
    platform::MenuItem MnuExit{*this, "MnuExit"};
    platform::MenuItem About{*this, "About"};
    platform::MenuItem mnuHelpexit{*this, "mnuHelpexit"};

  private:
    void design() override; // Form12Design.cpp
    void onQueryUnload(bool& cancel, platform::UnloadReason reason) override
    {
        Form_QueryUnload(cancel, reason);
    }

    void Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode);
    void MnuExit_Click();
    void About_Click();
    void mnuHelpexit_Click();

    Program& m_program;
};

} // namespace app
