// How Form10 looks, and which handler each control raises; no logic here.
#include "app/DesignHelpers.h"
#include "columns/Form10.h"
#include "columns/SteelColumnDesign.h"

namespace columns
{

using namespace app::design;

void Form10::design()
{
    setCaption("Korvanta    Steel Column Selection Form 2");
    setClientSize(12750, 7200);
    setBorderStyle(platform::BorderStyle::Fixed);

    // --- COLUMN SELECTION ---
    frame3D(Frame3D1, nullptr, 120, 120, 12500, 3300, "COLUMN SELECTION");
    label(Label60, &Frame3D1, 2400, 240, 8000, 255,
          "None of the column sizes in the Korvanta database meet the requirements.");
    Label60.setForeColor(DarkRed);
    Label60.setVisible(false);
    label(Label1, &Frame3D1, 120, 540, 2600, 1200, "");
    label(Label50, &Frame3D1, 120, 1800, 2600, 1400, "");
    label(SizeLabel, &Frame3D1, 2900, 540, 2400, 255, "Size");
    textBox(StlColSizeText, &Frame3D1, 2900, 800, 2400, 0, White);
    tipButton(Command3D7, &Frame3D1, 5360, 840, "Sizes available");
    label(GradeLabel, &Frame3D1, 2900, 1260, 3800, 255, "Type and Grade");
    place(StlColGrade, &Frame3D1, 2900, 1520, 3800, 330);
    tipButton(Command3D1, &Frame3D1, 6760, 1560, "Type and grade");
    label(TubeLabel, &Frame3D1, 7100, 540, 1800, 255, "Square Tube");
    place(Panel3D2, &Frame3D1, 7100, 800, 1800, 1300);
    for (int i = 0; i <= 2; ++i) {
        button3D(TubeCol(i), &Panel3D2, 60, 60 + 400 * i, 1680, 360, "");
    }
    label(TubeSizeLabel, &Frame3D1, 7100, 2140, 1800, 255, "Size x Thickness");
    tipButton(Command3D2, &Frame3D1, 8960, 2160, "Tube sizes");
    label(PipeLabel, &Frame3D1, 10700, 540, 1700, 255, "Round Pipe");
    place(Panel3D1, &Frame3D1, 10700, 800, 1700, 1300);
    button3D(StdRndBut, &Panel3D1, 60, 60, 1580, 360, "");
    button3D(ExtraRndbut, &Panel3D1, 60, 460, 1580, 360, "");
    button3D(DblRndBut, &Panel3D1, 60, 860, 1580, 360, "");
    // Each weight's name on the row of its button, so that a pick reads as the weight it is.
    label(StdLabel, &Frame3D1, 9200, 912, 1450, 255, "Sch. 40, Standard");
    label(ExtraLabel, &Frame3D1, 9200, 1312, 1450, 255, "Sch. 80, Extra Str.");
    label(DblLabel, &Frame3D1, 9200, 1712, 1450, 255, "Dbl Extra Strong");
    for (platform::Label* weight : {&StdLabel, &ExtraLabel, &DblLabel}) {
        weight->setAlignment(platform::Alignment::Right);
    }
    label(DiameterLabel, &Frame3D1, 10700, 2140, 1400, 255, "Nominal Diameter");
    tipButton(Command3D3, &Frame3D1, 12150, 2160, "Pipe sizes");
    button3D(PrintPreviewbutton, &Frame3D1, 2900, 2400, 1800, 420, "OK  Select Member");
    button3D(StlColReportBut, &Frame3D1, 2900, 2850, 1800, 360, "Update Report");
    button3D(NotesButton, &Frame3D1, 4000, 2850, 1300, 360, " Add Notes");
    NotesButton.setLeft(7100);
    NotesButton.setTop(2700);

    // --- COLUMN REPORT: a grid of three columns and four rows, values beside it ---
    frame3D(Frame3D2, nullptr, 120, 3540, 12500, 3500, "COLUMN REPORT");
    const char* heads[] = {"Kl/r", "ksi", "Area", "Actual", "Critical", "Status", "Ratio"};
    for (int i = 0; i < 3; ++i) {
        label(Head(i), &Frame3D2, 1500 + 1300 * i, 300, 1200, 255, heads[i]);
    }
    for (int i = 0; i < 4; ++i) {
        label(Head(3 + i), &Frame3D2, 120, 600 + 330 * i, 1300, 255, heads[3 + i]);
    }
    platform::Label* grid[4][3] = {{&Label22, &Label26, &Label28},
                                   {&Label23, &Label27, &Label29},
                                   {&Label24, &Label30, nullptr},
                                   {&Label25, &Label31, nullptr}};
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col) {
            if (grid[row][col] != nullptr) {
                const double width = (row >= 2 && col == 1) ? 2500 : 1200;
                label(*grid[row][col], &Frame3D2, 1500 + 1300 * col, 600 + 330 * row, width, 255, "");
                grid[row][col]->setAlignment(platform::Alignment::Center);
            }
        }
    }
    struct Value
    {
        platform::Label* value;
        const char* caption;
        const char* unit;
    };
    const Value values[] = {{&Label36, "Fy", "ksi"}, {&Label33, "L", "ft."}, {&Label51, "l", "in."},
                            {&Label32, "K", ""},     {&Label35, "Fa", ""},   {&Label38, "Cc", ""},
                            {&Label34, "r", "in."},  {&Label37, "E", "x10"}};
    for (int i = 0; i < 8; ++i) {
        const double top = 300 + 330 * i;
        label(Head(7 + 2 * i), &Frame3D2, 5600, top, 500, 255, values[i].caption);
        label(*values[i].value, &Frame3D2, 6100, top, 1000, 255, "");
        label(Head(8 + 2 * i), &Frame3D2, 7150, top, 700, 255, values[i].unit);
    }
    label(Head(23), &Frame3D2, 9100, 300, 1300, 255, "Reaction");
    label(Label19, &Frame3D2, 9100, 600, 1300, 255, "");
    label(Head(24), &Frame3D2, 9100, 930, 1300, 255, " Actual O.D.");
    label(Label21, &Frame3D2, 9100, 1230, 1300, 255, "");
    label(Head(25), &Frame3D2, 9100, 1560, 1300, 255, "Wt. p/ft.");
    label(Label39, &Frame3D2, 9100, 1860, 1300, 255, "");
    label(Head(26), &Frame3D2, 10450, 600, 600, 255, "lbs");
    label(Head(27), &Frame3D2, 10450, 1230, 600, 255, "in.");
    label(Head(28), &Frame3D2, 10450, 1860, 600, 255, "lbs");
    tipButton(Command3D4, &Frame3D2, 11100, 1890, "Self weight");
    // The raised "6" of E's "x10": millions of psi.
    Head(22).setWidth(330);
    label(Head(29), &Frame3D2, 7150 + 330, 300 + 330 * 7 - 60, 150, 195, "6");
    Head(29).setFont(platform::FontSpec{"MS Sans Serif", 6.75, false});

    // --- Menus ---
    menu(backmnu, nullptr, "<- &Back");
    menu(MnuFile, nullptr, "&File");
    menu(MnuNew, &MnuFile, "&New Column", "Ctrl+N");
    menuSeparator(Mnuhyphen, MnuFile);
    menu(MnuExit, &MnuFile, "E&xit Columns");
    menu(MnuGoto, nullptr, "&Goto");
    menu(MnuCriForm1, &MnuGoto, "Column Criteria Form&1", "F1");
    menu(MnuGotoDataRecord, &MnuGoto, "Column Data Record Form&3", "F3");
    menu(MnuHelp, nullptr, "&Help");

    // --- Events ---
    StdRndBut.click([this] { pickProposal(StdRndBut, StandardPipeRows.firstRow, StandardPipeRows.endRow); });
    ExtraRndbut.click(
        [this] { pickProposal(ExtraRndbut, ExtraStrongPipeRows.firstRow, ExtraStrongPipeRows.endRow); });
    DblRndBut.click([this] {
        pickProposal(DblRndBut, DoubleExtraStrongPipeRows.firstRow, DoubleExtraStrongPipeRows.endRow);
    });
    for (int i = 0; i <= 2; ++i) {
        TubeCol(i).click([this, i] { pickProposal(TubeCol(i), TubeRows.firstRow, TubeRows.endRow); });
    }
    StlColReportBut.click([this] { StlColReportBut_Click(); });
    StlColSizeText.change([this] { StlColSizeText_Change(); });
    Command3D7.click([this] { helpMessage(7); });
    Command3D1.click([this] { helpMessage(1); });
    Command3D2.click([this] { helpMessage(2); });
    Command3D3.click([this] { helpMessage(3); });
    Command3D4.click([this] { helpMessage(4); });
    PrintPreviewbutton.click([this] { PrintPreviewbutton_Click(); });
    MnuGotoDataRecord.click([this] { PrintPreviewbutton_Click(); });
    NotesButton.click([this] { NotesButton_Click(); });
    backmnu.click([this] { backmnu_Click(); });
    MnuCriForm1.click([this] { backmnu_Click(); });
    MnuNew.click([this] { MnuNew_Click(); });
    MnuExit.click([this] { MnuExit_Click(); });
    MnuHelp.click([this] { MnuHelp_Click(); });
}

} // namespace columns
