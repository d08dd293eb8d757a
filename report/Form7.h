// Form7, the report header form: the heading lines, date, initials and project texts that go on every
// printed or saved data record (beam, wood column, steel column, stud wall), its print command and
// its save commands. RecordTypeFlags tell it which record form opened it.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

namespace app
{
class Program;
}

namespace report
{

class Form7 final : public platform::Form
{
  public:
    explicit Form7(app::Program& program);

    // A record form's print or save command opens the form: the header boxes are filled from that
    // record at this activation (later activations keep what the user typed).
    void openForRecord();

    platform::Frame Frame3D1{*this, "Frame3D1"};
    platform::Label Label1{*this, "Label1"};
    platform::TextBox Heading1{*this, "Heading1"};
    platform::TextBox Heading2{*this, "Heading2"};
    platform::CommandButton CmdClear{*this, "CmdClear"};
    platform::CommandButton Command3D2{*this, "Command3D2"};
    platform::Label Label2{*this, "Label2"};
    platform::TextBox Datebox{*this, "Datebox"};
    platform::Label Label4{*this, "Label4"};
    platform::TextBox Initialbox{*this, "Initialbox"};
    platform::Label Label12{*this, "Label12"};
    platform::Label CurrentFontLabel{*this, "CurrentFontLabel"};
    platform::Label Label13{*this, "Label13"};
    platform::Label Label7{*this, "Label7"};
    platform::TextBox Text1{*this, "Text1"};
    platform::CommandButton Command3D3{*this, "Command3D3"};
    platform::Label Label8{*this, "Label8"};
    platform::TextBox Text2{*this, "Text2"};
    platform::Label Label9{*this, "Label9"};
    platform::TextBox Text3{*this, "Text3"};
    platform::CheckBox HighDPI{*this, "HighDPI"};
    platform::CommandButton Command3D1{*this, "Command3D1"};
    platform::CheckBox LoadDiagram{*this, "LoadDiagram"};
    platform::Label Label10{*this, "Label10"};
    platform::Panel PrintBeamSelect{*this, "PrintBeamSelect"};
    platform::CommandButton CmdPrint{*this, "CmdPrint"};
    platform::CommandButton Command1{*this, "Command1"}; // "&Save Data Record"
    platform::CommandButton Command2{*this, "Command2"}; // " &Add Notes"
    platform::CommandButton Command3{*this, "Command3"}; // "&Close"
    platform::Label Label3{*this, "Label3"};
    platform::Label Label5{*this, "Label5"};
    platform::Panel PrintPanel{*this, "PrintPanel"};
    platform::Label Label11{*this, "Label11"};
    platform::Panel ReportName{*this, "ReportName"};
    platform::Label Label6{*this, "Label6"};

    platform::MenuItem backmnu{*this, "backmnu"};
    platform::MenuItem MnuFile{*this, "MnuFile"};
    platform::MenuItem MnuSaveRec{*this, "MnuSaveRec"};
    platform::MenuItem Mnuhyphen{*this, "Mnuhyphen"};
    platform::MenuItem MnuClose{*this, "MnuClose"};
    platform::MenuItem MnuFont{*this, "MnuFont"};
    platform::MenuItem FileManager{*this, "FileManager"};
    platform::MenuItem Mnusetup{*this, "Mnusetup"};

  private:
    void design() override; // Form7Design.cpp
    void onLoad() override { Form_Load(); }
    void onActivate() override { Form_Activate(); }

    void Form_Load();
    void Form_Activate();
    void checkPrintFont();
    void takeRecordKind();
    void fillHeaderBoxes();
    void Field_GotFocus();
    void CmdPrint_Click(); // Form7Print.cpp
    void Command1_Click();
    void MnuSaveRec_Click();
    void Command2_Click();
    void Command3_Click();
    void MnuClose_Click();
    void backmnu_Click();
    void showColumnCriteria();
    void CmdClear_Click();
    void MnuFont_Click();
    void Mnusetup_Click();
    void FileManager_Click();
    void Command3D1_Click();
    void Command3D2_Click();
    void Command3D3_Click();
    void writeBeamHeader(); // the header boxes into Form6's header labels
    void help(const char* text);

    app::Program& m_program;
    bool m_fillPending = false;
};

} // namespace report
