// Form12, the built-in manual. Every main form's Help menu shows it, hides itself and records its own
// name in HelpReturnForm; leaving the manual shows that form again and unloads the manual, so every
// opening starts at the contents table.
#pragma once

#include "app/ManualText.h"
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

#include <array>
#include <string>
#include <vector>

namespace app
{

class Program;

class Form12 final : public platform::Form
{
  public:
    explicit Form12(Program& program);

    platform::Label Label1{*this, "Label1"};
    platform::Image Image1{*this, "Image1"};
    platform::Label Label3{*this, "Label3"};
    platform::Line Line1{*this, "Line1"};
    platform::Line Line2{*this, "Line2"};
    platform::Label Contents1{*this, "Contents1"};
    platform::Label Contents2{*this, "Contents2"};
    platform::Label Contents3{*this, "Contents3"};
    platform::Label Contents4{*this, "Contents4"};
    platform::Label Contents5{*this, "Contents5"};
    platform::Label Contents6{*this, "Contents6"};
    platform::Label Contents7{*this, "Contents7"};
    platform::Label Contents8{*this, "Contents8"};
    platform::Label Contents9{*this, "Contents9"};
    platform::Label Contents14{*this, "Contents14"}; // the load entry diagram
    platform::Label Contents10{*this, "Contents10"};
    platform::Label Contents11{*this, "Contents11"};
    platform::Label Contentssteel{*this, "Contentssteel"};
    platform::Label ContentsColumns{*this, "ContentsColumns"};
    platform::Label Contents12{*this, "Contents12"};
    platform::Label Contents13{*this, "Contents13"};
    platform::Label Label2{*this, "Label2"};
    // Last, so that it lies over the contents table when it shows a topic.
    platform::TextBox Text1{*this, "Text1"};

    platform::MenuItem MnuFile{*this, "MnuFile"};
    platform::MenuItem Mnuprintscreen{*this, "Mnuprintscreen"};
    platform::MenuItem MnuExit{*this, "MnuExit"};
    platform::MenuItem MnuContents{*this, "MnuContents"};
    platform::MenuItem BackContents{*this, "BackContents"};
    platform::MenuItem ContentsSeparator{*this, "ContentsSeparator"};
    platform::MenuItem License{*this, "License"};
    platform::MenuItem Books{*this, "Books"};
    platform::MenuItem overview{*this, "overview"};
    platform::MenuItem navigation{*this, "navigation"};
    platform::MenuItem abbreviation{*this, "abbreviation"};
    platform::MenuItem SpecGrade{*this, "SpecGrade"};
    platform::MenuItem custombeams{*this, "custombeams"};
    platform::MenuItem IngradeTesting{*this, "IngradeTesting"};
    platform::MenuItem Loads{*this, "Loads"};
    platform::MenuItem Adjust{*this, "Adjust"};
    platform::MenuItem Flow{*this, "Flow"};
    platform::MenuItem MnuSteelBeam{*this, "MnuSteelBeam"};
    platform::MenuItem MnuColumns{*this, "MnuColumns"};
    platform::MenuItem PrintingReports{*this, "PrintingReports"};
    platform::MenuItem Copymethod{*this, "Copymethod"};
    platform::MenuItem About{*this, "About"};
    platform::MenuItem mnuHelpexit{*this, "mnuHelpexit"};

    // The manual's entries, rebuilt at every load.
    std::array<std::string, ManualEntryCount> ManualParagraphs;

    // One text topic: its contents label and Contents menu entry, and the entries it joins.
    struct Topic
    {
        platform::Label& label;
        const char* labelCaption;
        int column; // 0 left, 1 right
        int row;    // 1 to 8
        platform::MenuItem& menu;
        const char* menuCaption;
        std::vector<int> entries;
    };
    // The fifteen text topics in the order of the Contents menu.
    const std::vector<Topic>& topics() const { return m_topics; }

  private:
    void design() override; // Form12Design.cpp
    void onLoad() override { Form_Load(); }
    void onActivate() override { Form_Activate(); }
    void onQueryUnload(bool& cancel, platform::UnloadReason reason) override
    {
        Form_QueryUnload(cancel, reason);
    }

    void Form_Load();
    void Form_Activate();
    void Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode);
    void showTopic(const Topic& topic);
    void Contents14_Click();
    void BackContents_Click();
    void Mnuprintscreen_Click();
    void MnuExit_Click();
    void About_Click();
    void mnuHelpexit_Click();

    Program& m_program;
    std::vector<Topic> m_topics;
};

} // namespace app
