// How Form19 looks, and which handler each control raises; no logic here. Every label 255 twips high.
#include "app/DesignHelpers.h"
#include "columns/Form19.h"
#include "files/ColumnRecordClipboard.h"

namespace columns
{

using namespace app::design;

namespace
{

constexpr double Height = 255;

void heading(platform::Label& l, double left, double top, double width, std::string_view caption)
{
    label(l, nullptr, left, top, width, Height, caption);
    l.setFont(platform::FontSpec{"MS Sans Serif", 8.25, false, true, true});
}

void value(platform::Label& l, double left, double top, double width, platform::Alignment alignment)
{
    label(l, nullptr, left, top, width, Height, l.name());
    l.setAlignment(alignment);
}

} // namespace

void Form19::design()
{
    setCaption(" Korvanta    Wood Column Data Record");
    // 9150 wide overall, as printing centres it; a little taller than the 7245 the layout was drawn
    // at, so that the second sheathing line (top 6465) is not cut off on screen.
    setWidth(9150);
    setHeight(7500);
    setBackColor(White);

    // --- Text lines ---
    label(Label1, nullptr, 240, 120, 8655, Height, "");
    Label1.setAlignment(platform::Alignment::Center);
    Label1.setFontBold(true);
    label(Label2, nullptr, 240, 480, 8655, Height, "");
    Label2.setAlignment(platform::Alignment::Center);
    label(Label3, nullptr, 165, 1080, 4155, Height, "");
    label(Label4, nullptr, 4365, 1080, 4515, Height, "");
    label(Label5, nullptr, 165, 1380, 4155, Height, "");
    label(Label6, nullptr, 4365, 1380, 1695, Height, "");
    label(Label7, nullptr, 6225, 1380, 1335, Height, "");
    for (platform::Label* l : {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7}) {
        l->setTransparent(false);
        l->setBackColor(LightGrey);
    }
    heading(Label9, 165, 1740, 1155, "Selection");
    label(Label10, nullptr, 1770, 1740, 6990, Height, "");
    Label10.setFontBold(true);
    heading(Label11, 165, 2100, 975, "Conditions");
    value(Label59, 1665, 2100, 7215, platform::Alignment::Left);
    value(Label12, 1665, 2400, 7215, platform::Alignment::Left);
    heading(Label13, 165, 2820, 795, "Data");
    heading(Label32, 165, 4020, 1695, "Attributes and Values");
    label(Label85, nullptr, 2205, 4020, 1335, Height, "Controlling d is");
    Label85.setAlignment(platform::Alignment::Right);
    Label85.setFontBold(true);
    label(Label86, nullptr, 3645, 4020, 1095, Height, "");
    Label86.setFontBold(true);
    label(Label66, nullptr, 135, 5850, 8790, Height, "");
    Label66.setAlignment(platform::Alignment::Center);
    label(SheathNote, nullptr, 135, 6165, 8790, Height, "");
    SheathNote.setFontBold(true);
    label(Sheathnote2, nullptr, 135, 6465, 8790, Height, "");
    Sheathnote2.setFontBold(true);

    // --- Data grid ---
    struct Cell
    {
        platform::Label* caption;
        const char* captionText;
        platform::Label* value;
        platform::Label* unit;
        const char* unitText;
    };
    const Cell grid[4][3] = {
        {{&Label14, "Load", &Label15, &Label21, "#"},
         {&Label26, "Column Area", &Label29, &Label62, "in\xc2\xb2"},
         {&Label63, "Kf", &Label71, nullptr, nullptr}},
        {{&Label16, "Actual Height", &Label17, &Label22, "ft"},
         {&Label28, "le d1 Effective Ht", &Label60, &Label64, "in"},
         {&Label72, "c", &Label75, nullptr, nullptr}},
        {{&Label18, "Unbraced L1", &Label19, &Label24, "ft"},
         {&Label31, "le d2 Effective Ht", &Label61, &Label65, "in"},
         {&Label73, "KcE", &Label76, nullptr, nullptr}},
        {{&Label20, "Unbraced L2", &Label23, &Label25, "ft"},
         {&Label27, "Ke Buckling Mode", &Label30, nullptr, nullptr},
         {&Label74, "FcE", &Label77, nullptr, nullptr}},
    };
    for (int row = 0; row < 4; ++row) {
        const double top = 2820 + 240 * row;
        const Cell& a = grid[row][0];
        label(*a.caption, nullptr, 1845, top, 1155, Height, a.captionText);
        value(*a.value, 3045, top, 675, platform::Alignment::Right);
        label(*a.unit, nullptr, 3765, top, 500, Height, a.unitText);
        const Cell& b = grid[row][1];
        label(*b.caption, nullptr, 4605, top, 1335, Height, b.captionText);
        value(*b.value, 6045, top, 675, platform::Alignment::Right);
        if (b.unit != nullptr) {
            label(*b.unit, nullptr, 6765, top, 500, Height, b.unitText);
        }
        const Cell& c = grid[row][2];
        label(*c.caption, nullptr, 7545, top, 435, Height, c.captionText);
        value(*c.value, 8025, top, 675, platform::Alignment::Right);
    }

    // --- Attribute table ---
    platform::Label* heads[] = {&Label35, &Label37, &Label44};
    const char* headTexts[] = {"le/d", "psi", "Area (in\xc2\xb2)"};
    const double headLeft[] = {2565, 3405, 4305};
    const double headWidth[] = {675, 735, 735};
    for (int i = 0; i < 3; ++i) {
        label(*heads[i], nullptr, headLeft[i], 4440, headWidth[i], Height, headTexts[i]);
        heads[i]->setAlignment(platform::Alignment::Center);
    }
    platform::Label* rows[] = {&Label33, &Label34, &Label42, &Label43};
    const char* rowTexts[] = {"Actual", "Critical", "Status", "Ratio"};
    platform::Label* table[4][3] = {{&Label36, &Label38, &Label81},
                                    {&Label39, &Label50, &Label82},
                                    {&Label40, &Label51, &Label83},
                                    {&Label41, &Label52, &Label84}};
    for (int row = 0; row < 4; ++row) {
        const double top = 4740 + 240 * row;
        label(*rows[row], nullptr, 1845, top, 700, Height, rowTexts[row]);
        for (int col = 0; col < 3; ++col) {
            value(*table[row][col], headLeft[col], top, headWidth[col], platform::Alignment::Center);
        }
    }
    Label39.setCaption("50");

    // --- Value table ---
    label(Label46, nullptr, 7020, 3900, 900, Height, "Fc || (psi)");
    label(Label47, nullptr, 7920, 3885, 1000, Height, "E (psi x mil)");
    struct ValueRow
    {
        double top;
        platform::Label* caption;
        const char* captionText;
        platform::Label* fc;
        platform::Label* e;
    };
    const ValueRow valueRows[] = {{4200, &Label45, "Reference Values", &Label48, &Label49},
                                  {4425, &Label53, "Adjusted Values", &Label54, &Label55},
                                  {4740, &Label56, "CF Size Factor", &Label67, nullptr},
                                  {4980, &Label57, "Cd Duration", &Label68, nullptr},
                                  {5220, nullptr, nullptr, &Label69, &Label70},
                                  {5430, &Label79, "Cp Stability", &Label80, nullptr}};
    for (const auto& r : valueRows) {
        const double top = r.top == 4425 ? 4440 : r.top == 5430 ? 5460 : r.top;
        if (r.caption != nullptr) {
            label(*r.caption, nullptr, 5505, r.top, 1500, Height, r.captionText);
        } else {
            value(Label58, 5505, r.top, 1500, platform::Alignment::Left);
        }
        value(*r.fc, 7005, top, 915, platform::Alignment::Center);
        if (r.e != nullptr) {
            value(*r.e, r.e == &Label70 ? 7995 : 7980, top, 795, platform::Alignment::Center);
        }
    }
    // The heading area's labels stay empty; nothing of them shows or prints.
    for (platform::Label* empty : {&Label78, &Label87, &Label8}) {
        label(*empty, nullptr, 240, 780, 8655, Height, "");
        empty->setVisible(false);
    }

    place(Frame(0), nullptr, 1605, 1680, 7275, 315);
    place(Frame(1), nullptr, 1605, 2700, 7275, 1155);
    place(Frame(2), nullptr, 1605, 4680, 3555, 1095);
    place(Frame(3), nullptr, 5385, 4140, 3495, 1635);
    ValueRule.setPoints(5385, 4680, 8865, 4680);

    button3D(Command3D1, nullptr, 240, 5325, 1155, 375, "Print");

    // --- Menus ---
    menu(backmnu, nullptr, "<- &Back");
    menu(MnuFile, nullptr, "&File");
    menu(MnuNew, &MnuFile, "&New", "Ctrl+N");
    menu(MnuSave, &MnuFile, "&Save Wood Column...", "Ctrl+S");
    menu(MnuLoad, &MnuFile, "&Load Wood Column...", "Ctrl+L");
    menu(MnuCopyClipWd, &MnuFile, "&Copy to Clipboard", "Ctrl+C");
    menuSeparator(MnuSep1, MnuFile);
    menu(MnuPrint, &MnuFile, "&Print...", "Ctrl+P");
    menuSeparator(MnuSep2, MnuFile);
    menu(MnuExit, &MnuFile, "E&xit Columns");
    menu(MnuGoto, nullptr, "&Goto");
    menu(MnuBack, &MnuGoto, "Column Criteria Form&1", "F1");
    menu(MnuSelect, &MnuGoto, "Column Selection Form&2", "F2");
    menu(MnuHelp, nullptr, "&Help");

    Command3D1.click([this] { Print_Click(); });
    MnuPrint.click([this] { Print_Click(); });
    MnuSave.click([this] { MnuSave_Click(); });
    MnuCopyClipWd.click([this] { files::CopyWoodColumnRecordToClipboard(m_program); });
    MnuLoad.click([this] { MnuLoad_Click(); });
    MnuNew.click([this] { MnuNew_Click(); });
    MnuExit.click([this] { MnuExit_Click(); });
    MnuBack.click([this] { MnuBack_Click(); });
    MnuSelect.click([this] { MnuSelect_Click(); });
    backmnu.click([this] { MnuSelect_Click(); });
    MnuHelp.click([this] { MnuHelp_Click(); });
}

} // namespace columns
