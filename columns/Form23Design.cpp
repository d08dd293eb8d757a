// How Form23 looks, and which handler each control raises; no logic here. Every
// label 252 twips high.
#include "app/DesignHelpers.h"
#include "columns/Form23.h"
#include "files/ColumnRecordClipboard.h"

namespace columns
{

using namespace app::design;

namespace
{

constexpr double Height = 252;

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

void Form23::design()
{
    setCaption(" Korvanta      Steel Column Data Record ");
    setWidth(9360); // the whole window, frame and menu bar included; printing centres this size
    setHeight(6960);
    setBackColor(White);

    // --- Text lines ---
    label(Label1, nullptr, 180, 180, 8760, Height, "");
    Label1.setAlignment(platform::Alignment::Center);
    Label1.setFontBold(true);
    label(Label2, nullptr, 180, 420, 8760, Height, "");
    Label2.setAlignment(platform::Alignment::Center);
    label(Label3, nullptr, 168, 1380, 4092, Height, "");
    label(Label4, nullptr, 4428, 1380, 4512, Height, "");
    label(Label5, nullptr, 168, 1680, 4092, Height, "");
    label(Label6, nullptr, 4428, 1680, 1692, Height, "");
    label(Label7, nullptr, 6288, 1680, 1332, Height, "");
    heading(Label9, 168, 2040, 972, "Selection");
    label(Label10, nullptr, 1956, 2040, 6924, Height, "");
    Label10.setFontBold(true);
    heading(Label11, 168, 2400, 972, "Conditions");
    value(Label59, 1848, 2400, 7092, platform::Alignment::Left);
    value(Label12, 1848, 2700, 7092, platform::Alignment::Left);
    heading(Label13, 168, 3120, 672, "Data");
    heading(Label32, 168, 4680, 1332, "Attributes");

    // --- Data grid: caption, value, unit in three column groups ---
    struct Cell
    {
        platform::Label* caption;
        const char* captionText;
        platform::Label* value;
        platform::Label* unit;
        const char* unitText;
    };
    const Cell grid[4][3] = {
        {{&Label14, "Reaction", &Label15, &Label21, "lbs"},
         {&Label26, "Column Net Area", &Label29, &Label62, "in\xc2\xb2"},
         {&Label63, "Fa", &Label71, nullptr, nullptr}},
        {{&Label16, "Actual Height", &Label17, &Label22, "ft"},
         {&Label28, "Fy  Min Yield Stress", &Label60, &Label64, "psi"},
         {&Label72, "Cc", &Label75, nullptr, nullptr}},
        {{&Label18, "Unbraced d1", &Label19, &Label24, "ft"},
         {&Label31, "Weight p/lineal foot", &Label61, &Label65, "lbs"},
         {&Label73, "r", &Label76, nullptr, nullptr}},
        {{&Label20, "Effective Ht  D1", &Label23, &Label25, "ft"},
         {&Label27, "K  (Buckling Mode)", &Label30, nullptr, nullptr},
         {&Label74, "E x mil", &Label77, nullptr, nullptr}},
    };
    for (int row = 0; row < 4; ++row) {
        const double top = 3120 + 240 * row;
        const Cell& a = grid[row][0];
        label(*a.caption, nullptr, 1908, top, 1152, Height, a.captionText);
        value(*a.value, 3108, top, 672, platform::Alignment::Right);
        label(*a.unit, nullptr, 3828, top, 500, Height, a.unitText);
        const Cell& b = grid[row][1];
        label(*b.caption, nullptr, 4488, row == 1 ? 3348 : top, 1512, Height, b.captionText);
        value(*b.value, 6108, top, 672, platform::Alignment::Right);
        if (b.unit != nullptr) {
            label(*b.unit, nullptr, row == 2 ? 6840 : 6828, top, 600, Height, b.unitText);
        }
        const Cell& c = grid[row][2];
        label(*c.caption, nullptr, row == 2 ? 7668 : 7608, top, 600, Height, c.captionText);
        value(*c.value, row == 3 ? 8208 : 8088, top, row == 3 ? 552 : 672, platform::Alignment::Right);
    }

    // --- Attribute table ---
    platform::Label* heads[] = {&Label35, &Label37, &Label44};
    const char* headTexts[] = {"kl/r", "ksi", "Area (in\xc2\xb2)"};
    const double headLeft[] = {2628, 3468, 4368};
    const double headWidth[] = {672, 732, 732};
    for (int i = 0; i < 3; ++i) {
        label(*heads[i], nullptr, headLeft[i], 4440, headWidth[i], Height, headTexts[i]);
        heads[i]->setAlignment(platform::Alignment::Center);
    }
    platform::Label* rows[] = {&Label33, &Label34, &Label42, &Label43};
    const char* rowTexts[] = {"Actual", "Critical", "Status", "Ratio"};
    platform::Label* table[4][3] = {{&Label36, &Label50, &Label81},
                                    {&Label39, &Label38, &Label82},
                                    {&Label40, &Label51, &Label83},
                                    {&Label41, &Label52, &Label84}};
    for (int row = 0; row < 4; ++row) {
        const double top = 4740 + 240 * row;
        label(*rows[row], nullptr, 1908, top, 700, Height, rowTexts[row]);
        for (int col = 0; col < 3; ++col) {
            value(*table[row][col], headLeft[col], top, headWidth[col], platform::Alignment::Center);
        }
    }
    // The heading area's labels stay empty; nothing of them shows or prints.
    for (platform::Label* empty : {&Label45, &Label46, &Label8}) {
        label(*empty, nullptr, 180, 780, 8760, Height, "");
        empty->setVisible(false);
    }

    place(Frame(0), nullptr, 1692, 1980, 7272, 312);
    place(Frame(1), nullptr, 1668, 3000, 7272, 1152);
    place(Frame(2), nullptr, 1668, 4680, 3552, 1092);

    button3D(Command3D1, nullptr, 288, 5220, 1152, 372, "Print");

    // --- Menus ---
    menu(backmnu, nullptr, "<- &Back");
    menu(MnuFile, nullptr, "&File");
    menu(MnuNewColumn, &MnuFile, "&New Column", "Ctrl+N");
    menu(MnuSaveStlCol, &MnuFile, "&Save Column...", "Ctrl+S");
    menu(MnuLoadStlColumn, &MnuFile, "&Load Column...", "Ctrl+L");
    menu(MnuCopyClipStl, &MnuFile, "&Copy to Clipboard", "Ctrl+C");
    menuSeparator(MnuSep1, MnuFile);
    menu(MnuPrintColumn, &MnuFile, "&Print...", "Ctrl+P");
    menuSeparator(MnuSep2, MnuFile);
    menu(MnuExit, &MnuFile, "E&xit Columns");
    menu(MnuGoto, nullptr, "&Goto");
    menu(MnuCriteria, &MnuGoto, "Column Criteria Form&1", "F1");
    menu(MnuSelection, &MnuGoto, "Column Selection Form&2", "F2");
    menu(MnuHelp, nullptr, "&Help");

    Command3D1.click([this] { Print_Click(); });
    MnuPrintColumn.click([this] { Print_Click(); });
    MnuSaveStlCol.click([this] { MnuSave_Click(); });
    MnuCopyClipStl.click([this] { files::CopySteelColumnRecordToClipboard(m_program); });
    MnuLoadStlColumn.click([this] { MnuLoadStlColumn_Click(); });
    MnuNewColumn.click([this] { MnuNewColumn_Click(); });
    MnuExit.click([this] { MnuExit_Click(); });
    MnuCriteria.click([this] { MnuCriteria_Click(); });
    MnuSelection.click([this] { MnuSelection_Click(); });
    backmnu.click([this] { MnuSelection_Click(); });
    MnuHelp.click([this] { MnuHelp_Click(); });
}

} // namespace columns
