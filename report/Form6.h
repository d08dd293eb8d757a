// Form6, the beam data record: one page of labels that states the whole calculation of the selected
// member. The labels are the record: the activation composes their captions section by section, the
// report header form prints them label by label, and the record files store them by name.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "report/Form6Layout.h"

#include <deque>
#include <string_view>
#include <unordered_map>

namespace app
{
class Program;
}

namespace report
{

// The record's labels, created in layout order right after the form itself, so that the named
// references of Form6 can bind to them.
class RecordLabelSet
{
  public:
    RecordLabelSet(platform::Form& form, const RecordLabelLayout* layout, std::size_t count);
    platform::Label& label(std::string_view name);

  private:
    std::deque<platform::Label> m_labels;
    std::unordered_map<std::string_view, platform::Label*> m_byName;
};

class Form6 final : public platform::Form, private RecordLabelSet
{
  public:
    explicit Form6(app::Program& program);

    // The record's labels by name ("Label61", "Label133Missing"); every name of the layout exists.
    using RecordLabelSet::label;
    // The caption of a record label, or its visibility.
    std::string caption(std::string_view name) { return label(name).caption(); }

    platform::Label& Label61; // the span; keeps its design text until a record is composed or loaded
    platform::Label& Label5;  // the selection line

    platform::CommandButton Command1{*this, "Command1"}; // "&Print"

    platform::MenuItem backmnu{*this, "backmnu"};
    platform::MenuItem MnuFile{*this, "MnuFile"};
    platform::MenuItem MnuNew{*this, "MnuNew"};
    platform::MenuItem MnuSeparator{*this, "MnuSeparator"};
    platform::MenuItem MnuOpenData{*this, "MnuOpenData"};
    platform::MenuItem MnuSaveData{*this, "MnuSaveData"};
    platform::MenuItem MnuCopyClip{*this, "MnuCopyClip"};
    platform::MenuItem Mnuline{*this, "Mnuline"};
    platform::MenuItem MnuPrint{*this, "MnuPrint"};
    platform::MenuItem AaSpace{*this, "AaSpace"};
    platform::MenuItem MnuExit{*this, "MnuExit"};
    platform::MenuItem MnuGoto{*this, "MnuGoto"};
    platform::MenuItem MnuCriteria{*this, "MnuCriteria"};
    platform::MenuItem MnuBack{*this, "MnuBack"};
    platform::MenuItem MnuHelp{*this, "MnuHelp"};

    // The composition of the record from the current state, as the activation runs it. False when a
    // statement failed (the failure has then been reported and the form unloaded).
    bool composeRecord();

  private:
    void design() override; // Form6Design.cpp
    void onLoad() override { Form_Load(); }
    void onActivate() override { Form_Activate(); }
    void onQueryUnload(bool& cancel, platform::UnloadReason reason) override
    {
        Form_QueryUnload(cancel, reason);
    }

    void Form_Load();
    void Form_Activate();
    void Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode);
    void automaticSteps();

    // Commands (Form6Commands.cpp).
    void Command1_Click();
    void MnuPrint_Click();
    void MnuSaveData_Click();
    void MnuOpenData_Click();
    void MnuCopyClip_Click();
    void MnuNew_Click();
    void MnuExit_Click();
    void MnuBack_Click();
    void MnuCriteria_Click();
    void MnuHelp_Click();
    void showReportHeader(bool hideFirst, const char* failureMessage);

    app::Program& m_program;
};

// SelectionStatus from the report form's status panels: "Fail" when any reads "Fail", empty when the
// section status is empty, otherwise "OK".
std::string SelectionStatusFromReport(app::Program& program);

} // namespace report
