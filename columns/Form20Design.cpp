// How Form20 looks, and which handler each control raises; no logic here.
#include "app/DesignHelpers.h"
#include "app/FormHelpers.h"
#include "columns/Form20.h"

namespace columns
{

using namespace app::design;

namespace
{
void valueField(platform::Label& field, platform::Control& container, double left, double top, double width)
{
    label(field, &container, left, top, width, 285, "");
    field.setTransparent(false);
    field.setBackColor(White);
    field.setBorderStyle(1);
    field.setAlignment(platform::Alignment::Center);
}
} // namespace

void Form20::design()
{
    setCaption(" Korvanta   Wood Column Selection Form 2");
    setClientSize(11250, 7400);
    setBorderStyle(platform::BorderStyle::Fixed);

    frame3D(Frame3D2, nullptr, 120, 120, 11000, 3000, "Column Selection");
    label(Label1, &Frame3D2, 120, 300, 4000, 255,
          "Click on a button below or edit the D1 or D2 boxes at right.");
    label(Label14, &Frame3D2, 240, 600, 900, 255, "D1");
    label(Label22, &Frame3D2, 1200, 600, 900, 255, "D2");
    place(Shape1, &Frame3D2, 1140, 840, 1020, 2040);
    for (int i = 0; i <= 4; ++i) {
        label(ColWid(i), &Frame3D2, 240, 900 + 390 * i, 900, 255, "");
        button3D(ColDep(i), &Frame3D2, 1200, 870 + 390 * i, 900, 345, "");
    }
    label(Label50, &Frame3D2, 2500, 600, 1000, 255, "D1   x");
    Label50.setForeColor(DarkRed);
    label(Label51, &Frame3D2, 3600, 600, 800, 255, "D2");
    Label51.setForeColor(DarkRed);
    label(Label23, &Frame3D2, 4500, 600, 3000, 255, "Species and Grade");
    numberBox(D1selected, &Frame3D2, 2500, 870, 1000, 7, White);
    numberBox(D2selected, &Frame3D2, 3600, 870, 800, 6, White);
    numberBox(SelectColumnText, &Frame3D2, 4500, 870, 3000, 30, White);
    for (platform::TextBox* box : {&D1selected, &D2selected, &SelectColumnText}) {
        box->setAlignment(platform::Alignment::Center);
    }
    label(Label5, &Frame3D2, 2500, 1350, 1500, 255, "Column Type:");
    label(cLabelType, &Frame3D2, 2500, 1620, 2200, 255, "");
    label(Label7, &Frame3D2, 4800, 1350, 1800, 255, "Using Values for:");
    label(cLabelvalue, &Frame3D2, 4800, 1620, 2200, 255, "");
    label(Label6, &Frame3D2, 2500, 1950, 5000, 600, "");
    label(NoneWorkLabel, &Frame3D2, 2500, 2580, 5000, 300, "");
    NoneWorkLabel.setForeColor(DarkRed);
    NoneWorkLabel.setAlignment(platform::Alignment::Center);
    NoneWorkLabel.setTransparent(false);
    NoneWorkLabel.setBackColor(LightGrey);
    button3D(ColPickCmdOK, &Frame3D2, 7800, 870, 1800, 400, "Update Report");
    button3D(Command2, &Frame3D2, 7800, 1400, 1800, 400, " Add Notes");
    button3D(CmdColReportOK, &Frame3D2, 7800, 1930, 1800, 400, "OK  Select Member");
    // Picks first, then the typed size, the check, the notes and last the record.
    int tab = 0;
    for (int i = 0; i <= 4; ++i) {
        ColDep(i).setTabIndex(tab++);
    }
    for (platform::Control* c : std::initializer_list<platform::Control*>{
             &D1selected, &D2selected, &SelectColumnText, &ColPickCmdOK, &Command2, &CmdColReportOK}) {
        c->setTabIndex(tab++);
    }

    // --- Column Report ---
    frame3D(Frame3D3, nullptr, 120, 3240, 11000, 4000, "Column Report");
    label(Dcontrollabel, &Frame3D3, 240, 300, 8000, 255, "");
    Dcontrollabel.setForeColor(DarkRed);
    platform::Label* heads[] = {&Label24, &Label26, &Label46};
    const char* headTexts[] = {"le/d", "PSI", "Area"};
    for (int i = 0; i < 3; ++i) {
        label(*heads[i], &Frame3D3, 1400 + 1150 * i, 650, 1000, 255, headTexts[i]);
    }
    platform::Label* rows[] = {&Label48, &Label52, &Label53, &Label54};
    const char* rowTexts[] = {"Actual", "Critical", "Status", "Ratio"};
    for (int i = 0; i < 4; ++i) {
        label(*rows[i], &Frame3D3, 240, 950 + 360 * i, 1100, 255, rowTexts[i]);
    }
    platform::Label* grid[4][3] = {{&Label25, &Label49, &Label47},
                                   {&Label65, &Label55, &Label58},
                                   {&Label3, &Label56, nullptr},
                                   {&Label4, &Label57, nullptr}};
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col) {
            if (grid[row][col] != nullptr) {
                valueField(*grid[row][col], Frame3D3, 1400 + 1150 * col, 950 + 360 * row,
                           (row >= 2 && col == 1) ? 2150 : 1000);
            }
        }
    }
    struct Value
    {
        platform::Label* caption;
        const char* text;
        platform::Label* field;
    };
    const Value values[] = {{&Label20, "d", &Label21},          {&Label18, "le", &Label19},
                            {&Label44, "Cp", &Label45},         {&Label28, "FcE", &Label29},
                            {&Label42, "Cf", &Label39},         {&Label2, "c", &Label27},
                            {&Label30, "KcE", &Label31},        {&Label40, "Adj E'", &Label43},
                            {&Label34, "Wet CmE", &Label35},    {&Label36, "Wet CmFc", &Label37},
                            {&Label32, "Builtup Kf", &Label33}, {&Label38, "Adj Fc*", &Label41}};
    for (int i = 0; i < 12; ++i) {
        const double left = 5200 + 2900 * (i / 6);
        const double top = 650 + 420 * (i % 6);
        label(*values[i].caption, &Frame3D3, left, top, 1300, 255, values[i].text);
        valueField(*values[i].field, Frame3D3, left + 1350, top, 1100);
    }
    Label20.setForeColor(DarkRed);

    // --- Menus ---
    menu(backmnu, nullptr, "<- &Back");
    menu(MnuFile, nullptr, "&File");
    menu(MnuNew, &MnuFile, "&New Column", "Ctrl+N");
    menuSeparator(mnuhyp, MnuFile);
    menu(MnuExit, &MnuFile, "E&xit Columns");
    menu(MnuGoto, nullptr, "&Goto");
    menu(MnuCriteria, &MnuGoto, "Column Criteria Form&1", "F1");
    menu(MnuColData, &MnuGoto, "Column Data Record Form&3", "F3");
    menu(MnuHelp, nullptr, "&Help");

    // --- Events ---
    for (int i = 0; i <= 4; ++i) {
        ColDep(i).click([this, i] { ColDep_Click(i); });
    }
    D1selected.change([this] { entry_Change(false, false); });
    D2selected.change([this] { entry_Change(true, false); });
    SelectColumnText.change([this] { entry_Change(false, true); });
    for (platform::TextBox* box : {&D1selected, &D2selected, &SelectColumnText}) {
        box->gotFocus([this] { app::SelectFieldText(m_program); });
    }
    ColPickCmdOK.click([this] { ColPickCmdOK_Click(); });
    CmdColReportOK.click([this] { CmdColReportOK_Click(); });
    MnuColData.click([this] { CmdColReportOK_Click(); });
    Command2.click([this] { Command2_Click(); });
    backmnu.click([this] { backmnu_Click(); });
    MnuCriteria.click([this] { backmnu_Click(); });
    MnuNew.click([this] { MnuNew_Click(); });
    MnuExit.click([this] { MnuExit_Click(); });
    MnuHelp.click([this] { MnuHelp_Click(); });
}

} // namespace columns
