// UrlLinkForm: a small form that hosts one URLLink. Nothing in the program shows it; it keeps the
// control in use and testable.
#pragma once

#include "app/URLLink.h"
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

namespace app
{

class Program;

class UrlLinkForm final : public platform::Form
{
  public:
    explicit UrlLinkForm(Program& program);

    URLLink URLLink1{*this, "URLLink1"};
    platform::Label Label1{*this, "Label1"};
    platform::CommandButton Command1{*this, "Command1"};

    // The form's stored properties of URLLink1; keys it leaves out take the control's defaults.
    static const PropertyBag& URLLink1Properties();

  private:
    void design() override; // UrlLinkFormDesign.cpp
    void onLoad() override { Form_Load(); }

    void Form_Load();
    void Command1_Click();
};

} // namespace app
