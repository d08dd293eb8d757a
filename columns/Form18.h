// Form18, the column criteria form. FIXME: only the project, description and ID boxes the report
// header form writes are here; the column design comes with the columns.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"

namespace app
{
class Program;
}

namespace columns
{

struct StudColumnValues;

class Form18 final : public platform::Form
{
  public:
    explicit Form18(app::Program& program);

    platform::TextBox ColumnProj{*this, "ColumnProj"};
    platform::TextBox ColumnDescription{*this, "ColumnDescription"};
    platform::TextBox columnID{*this, "columnID"};

    // The wind-loaded stud frame: hidden at load, shown by no menu or control of the program
    // (Form18StudDesign.cpp, Form18StudEntries.cpp, Form18StudCheck.cpp, Form18StudFile.cpp).
    platform::Frame WindFrame{*this, "WindFrame"};
    platform::Frame SSFrame1{*this, "SSFrame1"};
    platform::Frame SSFrame2{*this, "SSFrame2"};
    platform::TextBox AxialPLFtextbox{*this, "AxialPLFtextbox"};
    platform::TextBox AxialPointTextbox{*this, "AxialPointTextbox"};
    platform::CommandButton AxialDurSpinBut{*this, "AxialDurSpinBut"};
    platform::TextBox AxialDurTextbox{*this, "AxialDurTextbox"};
    platform::TextBox WindA{*this, "WindA"};
    platform::TextBox BegA{*this, "BegA"};
    platform::TextBox EndA{*this, "EndA"};
    platform::TextBox WindB{*this, "WindB"};
    platform::TextBox BegB{*this, "BegB"};
    platform::TextBox EndB{*this, "EndB"};
    platform::TextBox WindC{*this, "WindC"};
    platform::TextBox BegC{*this, "BegC"};
    platform::TextBox EndC{*this, "EndC"};
    platform::TextBox DurWindTextbox{*this, "DurWindTextbox"};
    platform::TextBox WindStudHt{*this, "WindStudHt"};
    platform::ComboBox BreadthCombo{*this, "BreadthCombo"};
    platform::ComboBox DepthCombo{*this, "DepthCombo"};
    platform::TextBox WindStudSpacing{*this, "WindStudSpacing"};
    platform::ComboBox WindStudCombo{*this, "WindStudCombo"};
    platform::TextBox WindStudFb{*this, "WindStudFb"};
    platform::TextBox WindStudFc{*this, "WindStudFc"};
    platform::TextBox WindStudE{*this, "WindStudE"};
    platform::CheckBox RepWindStud{*this, "RepWindStud"};
    platform::CheckBox RepIBCCheck{*this, "RepIBCCheck"};
    platform::CommandButton StudOKCalcbutton{*this, "StudOKCalcbutton"};
    platform::CommandButton StudReportbutton{*this, "StudReportbutton"};
    platform::Label StudStatusLabel{*this, "StudStatusLabel"};
    platform::ControlArray<platform::Label> StudCaption{*this, "StudCaption", 0, 45}; // fixed texts

    // Dormant commands of the stud frame: nothing in the program calls them.
    void SetupWindStudSpecies();
    void LoadWindStudMenu();
    void SaveWindStudMenu();
    void StudOKCalcbutton_Click();
    void StudReportbutton_Click();
    void WindStudCombo_Click();
    void LoadStudColumnCriteria();
    void SaveStudColumnCriteria();

  private:
    void design() override;
    void onActivate() override;

    // The stud frame's design and entry rules.
    void designStudFrame();
    void designStudSketch();
    void wireStudFrame();
    void studEntryChanged(platform::TextBox& box, const char* message, bool emptiesZero);
    void WindStudSpacing_Change();
    void RepWindStud_Click();
    void AxialDurSpinBut_Click();
    void studCommaKey(std::int16_t& charCode);
    bool studCheckEntries();
    void restoreStudColumn(const StudColumnValues& values);
    bool m_spacingRefusing = false;
    app::Program& m_program;
};

} // namespace columns
