// How Form3 looks and which handler each event calls; no logic here.
#include "app/DesignHelpers.h"
#include "wood/Form3.h"

#include <array>

namespace wood
{

using namespace app::design;

namespace
{
// Quick-pick grids: the sawn buttons 645 x 300 twips on 660 by 300, the glu-lam buttons 765 x 300 on 780.
constexpr double GridLeft = 1680;
constexpr double GridTop = 480;
constexpr double RowPitch = 300;
constexpr double ButtonHeight = 300;
constexpr double SawnWidth = 645;
constexpr double SawnPitch = 660;
constexpr double GluLamWidth = 765;
constexpr double GluLamPitch = 780;
constexpr double RowLabelWidth = 1540;
} // namespace

void Form3::design()
{
    setCaption(" Korvanta    Selection Form 2");
    setClientSize(9960, 5280);
    setBorderStyle(platform::BorderStyle::Fixed);

    frame3D(FrameTest, nullptr, 120, 60, 7200, 1620, "Test Selection");
    label(Label18, &FrameTest, 1560, 240, 1100, 240, "Breadth");
    label(Label19, &FrameTest, 2760, 240, 1100, 240, "Depth");
    label(Label20, &FrameTest, 3960, 240, 2100, 240, "Species");
    textBox(Text1, &FrameTest, 1560, 480, 1100, 0, White);
    textBox(Text2, &FrameTest, 2760, 480, 1100, 0, White);
    textBox(Text3, &FrameTest, 3960, 480, 2100, 0, White);
    label(Label23, &FrameTest, 120, 810, 1380, 240, "Format Example:");
    Label23.setAlignment(platform::Alignment::Right);
    label(Label24, &FrameTest, 1560, 810, 1100, 240, "5-1/8x");
    label(Label25, &FrameTest, 2760, 810, 1100, 240, "13-1/2");
    label(Label26, &FrameTest, 3960, 810, 2100, 240, "GLB 24F-V4 DF/DF");
    button3D(CmdOK, &FrameTest, 6180, 420, 900, 420, "OK Test");
    CmdOK.setFontBold(true);
    label(Label21, &FrameTest, 120, 1080, 6960, 240,
          "Enter any valid Korvanta size here or click on a 'Quickpick' button below.");
    label(Label22, &FrameTest, 120, 1320, 6960, 240,
          "Your selection must always be tested. Make your selection and click OK Test.");
    Label22.setForeColor(Navy);

    label(LabelINGRADE, nullptr, 7440, 120, 2400, 240, "");
    label(MOMENT, nullptr, 7440, 420, 2400, 240, "");
    MOMENT.setFontBold(true);
    label(Reac1, nullptr, 7440, 720, 2400, 240, "");
    label(Reac2, nullptr, 7440, 1020, 2400, 240, "");
    label(RepQualify, nullptr, 7440, 1320, 2400, 600,
          "Glu-lams and 6x's do not qualify for the 'repetitive use' modifier.");
    RepQualify.setWordWrap(true);
    RepQualify.setForeColor(DarkRed);

    frame3D(FrameSawn, nullptr, 120, 1800, 7200, 1800, "Solid Sawn Lumber and Timber Sizes - Nominal Size");
    button3D(QPWidth, &FrameSawn, 6960, 150, TipButtonSize, TipButtonSize, "");
    QPWidth.setPicture("QuickTip");
    QPWidth.setTabStop(false);
    const std::array<platform::Label*, 8> breadths = {&Label5, &Label6,  &Label7,  &Label8,
                                                      &Label9, &Label10, &Label27, &Label28};
    const std::array<const char*, 8> breadthTexts = {"2x", "(2) 2x", "(3) 2x", "(4) 2x",
                                                     "4x", "6x",     "8x",     "10x"};
    for (std::size_t c = 0; c < breadths.size(); ++c) {
        label(*breadths[c], &FrameSawn, GridLeft + static_cast<double>(c) * SawnPitch, 240, SawnWidth, 240,
              breadthTexts[c]);
        breadths[c]->setAlignment(platform::Alignment::Center);
    }
    const std::array<platform::Label*, 4> grades = {&Label1, &Label2, &Label3, &Label4};
    for (std::size_t r = 0; r < grades.size(); ++r) {
        label(*grades[r], &FrameSawn, 120, GridTop + 30 + static_cast<double>(r) * RowPitch, RowLabelWidth,
              240, "");
    }
    // Column by column as the grid reads: the four 2x breadths (index mod 4, row index div 4), then 4x
    // 16-19, 6x 20-23, 8x 34-37 and 10x 38-41 down their columns.
    for (int i = 0; i <= 41; ++i) {
        if (i >= 24 && i <= 33) {
            continue;
        }
        int column = 0;
        int row = 0;
        if (i <= 15) {
            column = i % 4;
            row = i / 4;
        } else {
            const int first = i <= 19 ? 16 : i <= 23 ? 20 : i <= 37 ? 34 : 38;
            column = first == 16 ? 4 : first == 20 ? 5 : first == 34 ? 6 : 7;
            row = i - first;
        }
        button3D(ht[i], &FrameSawn, GridLeft + column * SawnPitch, GridTop + row * RowPitch, SawnWidth,
                 ButtonHeight, "");
    }

    frame3D(FrameGluLam, nullptr, 120, 3720, 7200, 1200,
            "Glu-Lam Beam Sizes - Net Size               For the Rosboro X-Beam see SCL listings");
    const std::array<platform::Label*, 5> widths = {&Label13, &Label14, &Label15, &Label16, &Label17};
    const std::array<const char*, 5> widthTexts = {"3-1/8x", "5-1/8x", "6-3/4x", "8-3/4x", "10-3/4x"};
    for (std::size_t c = 0; c < widths.size(); ++c) {
        label(*widths[c], &FrameGluLam, GridLeft + static_cast<double>(c) * GluLamPitch, 240, GluLamWidth,
              240, widthTexts[c]);
        widths[c]->setAlignment(platform::Alignment::Center);
    }
    label(Label11, &FrameGluLam, 120, GridTop + 30, RowLabelWidth, 240, "");
    label(Label12, &FrameGluLam, 120, GridTop + 30 + RowPitch, RowLabelWidth, 240, "");
    for (int i = 24; i <= 33; ++i) {
        const int column = (i - 24) % 5;
        const int row = (i - 24) / 5;
        button3D(ht[i], &FrameGluLam, GridLeft + column * GluLamPitch, GridTop + row * RowPitch, GluLamWidth,
                 ButtonHeight, "");
    }
    button3D(Command3D1, nullptr, 7440, 3840, 255, 255, "");
    Command3D1.setPicture("QuickTip");
    Command3D1.setTabStop(false);

    place(WoodStatisPanel, nullptr, 0, 4980, 9960, 300);
    WoodStatisPanel.setAlignment(platform::Alignment::Left);
    WoodStatisPanel.setBevelOuter(1);

    menu(backmnu, nullptr, "<- &Back");
    menu(MnuFile, nullptr, "&File");
    menu(MnuExit, &MnuFile, "E&xit Korvanta");
    menu(MnuGoto, nullptr, "&Goto");
    menu(MnuCriteria, &MnuGoto, "Criteria Form&1", "F1");
    menu(MnuHelp, nullptr, "&Help");

    CmdOK.click([this] { CmdOK_Click(); });
    ht.onClick([this](int i) { ht_Click(i); });
    Command3D1.click([this] { Command3D1_Click(); });
    QPWidth.click([this] { QPWidth_Click(); });
    backmnu.click([this] { backmnu_Click(); });
    MnuExit.click([this] { MnuExit_Click(); });
    MnuCriteria.click([this] { MnuCriteria_Click(); });
    MnuHelp.click([this] { MnuHelp_Click(); });
}

} // namespace wood
