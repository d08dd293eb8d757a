// Small forms for testing the form model: each records its events in a shared log.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"

#include <functional>
#include <string>
#include <vector>

namespace fixtures
{

using Log = std::vector<std::string>;

class LoggingForm : public platform::Form
{
  public:
    LoggingForm(platform::Runtime& runtime, std::string name, Log& log)
        : Form(runtime, std::move(name)), m_log(log)
    {}

    platform::TextBox Box{*this, "Box"};
    platform::TextBox Other{*this, "Other"};
    platform::CommandButton Ok{*this, "Ok"};
    platform::Frame Group{*this, "Group"};
    platform::OptionButton First{*this, "First"};
    platform::OptionButton Second{*this, "Second"};
    platform::OptionButton Outside{*this, "Outside"};
    platform::CheckBox Check{*this, "Check"};
    platform::CheckBox Check3D{*this, "Check3D"};
    platform::ComboBox List{*this, "List"};
    platform::ComboBox Editable{*this, "Editable"};
    platform::ControlArray<platform::Label> Letters{*this, "Letters", 6, 8};
    platform::MenuItem MnuFile{*this, "MnuFile"};
    platform::MenuItem MnuNew{*this, "MnuNew"};

    std::function<void()> onActivateHook;
    std::function<void()> onBoxChange;
    std::function<void(bool&, platform::UnloadReason)> onQueryUnloadHook;
    int loads = 0;
    int activations = 0;

  protected:
    void design() override
    {
        setCaption(name());
        setClientSize(6000, 4000);
        Box.setMaxLength(5);
        Box.setTabIndex(0);
        Box.setText("12");
        Box.change([this] {
            m_log.push_back(name() + ".Box.Change " + Box.text());
            if (onBoxChange) {
                onBoxChange();
            }
        });
        Box.keyPress([](std::int16_t& c) {
            if (c == ',') {
                c = 0;
            }
        });
        Box.gotFocus([this] { m_log.push_back(name() + ".Box.GotFocus"); });
        Box.lostFocus([this] { m_log.push_back(name() + ".Box.LostFocus"); });
        Other.setTabIndex(1);
        Other.gotFocus([this] { m_log.push_back(name() + ".Other.GotFocus"); });
        Other.lostFocus([this] { m_log.push_back(name() + ".Other.LostFocus"); });
        Ok.setTabIndex(2);
        Ok.setCaption("OK");
        Ok.setDefault(true);
        Ok.click([this] { m_log.push_back(name() + ".Ok.Click " + (Ok.value() ? "pressed" : "up")); });
        First.setContainer(Group);
        Second.setContainer(Group);
        First.setValue(true);
        First.setTabIndex(3);
        Second.setTabIndex(4);
        First.click([this] { m_log.push_back(name() + ".First.Click"); });
        Second.click([this] { m_log.push_back(name() + ".Second.Click"); });
        Outside.setValue(true);
        Outside.click([this] { m_log.push_back(name() + ".Outside.Click"); });
        Check.click([this] { m_log.push_back(name() + ".Check.Click " + std::to_string(Check.value())); });
        Check3D.setThreeD(true);
        List.addItem("a");
        List.addItem("b");
        List.click([this] { m_log.push_back(name() + ".List.Click " + std::to_string(List.listIndex())); });
        Editable.setStyle(platform::ComboStyle::DropDownCombo);
        Editable.addItem("DF-L Stud");
        Editable.click([this] { m_log.push_back(name() + ".Editable.Click"); });
        Editable.change([this] { m_log.push_back(name() + ".Editable.Change"); });
        Letters.onClick([this](int i) { m_log.push_back(name() + ".Letters.Click " + std::to_string(i)); });
        MnuNew.setContainer(MnuFile);
        MnuNew.setShortcut("Ctrl+N");
        MnuNew.click([this] { m_log.push_back(name() + ".MnuNew.Click"); });
    }
    void onLoad() override
    {
        ++loads;
        m_log.push_back(name() + ".Load");
    }
    void onActivate() override
    {
        ++activations;
        m_log.push_back(name() + ".Activate");
        if (onActivateHook) {
            onActivateHook();
        }
    }
    void onQueryUnload(bool& cancel, platform::UnloadReason reason) override
    {
        m_log.push_back(name() + ".QueryUnload " + std::to_string(static_cast<int>(reason)));
        if (onQueryUnloadHook) {
            onQueryUnloadHook(cancel, reason);
        }
    }

  private:
    Log& m_log;
};

} // namespace fixtures
