// How Form5 looks and which handler each event calls; no logic here.
#include "app/DesignHelpers.h"
#include "report/Form5.h"

#include <array>

namespace report
{

using namespace app::design;

namespace
{

constexpr double GridLeft = 1320;   // first check column, in the frame
constexpr double ColumnStep = 1300; // one check column
constexpr double ColumnWidth = 1240;
constexpr double HeadingTop = 1560;
constexpr double RowTop = 2040; // "Actual"; then "Critical", "Status", "Ratio"
constexpr double RowStep = 420;
constexpr double PanelHeight = 375;

void resultPanel(platform::Panel& panel, platform::Control& frame, int column, int row)
{
    place(panel, &frame, GridLeft + column * ColumnStep, RowTop + row * RowStep, ColumnWidth, PanelHeight);
    panel.setBevelOuter(1);
    panel.setAlignment(platform::Alignment::Center);
    panel.setFont(boldSans());
    panel.setBackColor(White);
}

} // namespace

void Form5::design()
{
    setCaption(" Korvanta         Report Form 3");
    setClientSize(9600, 7260);
    setBorderStyle(platform::BorderStyle::Fixed);

    frame3D(Frame3D1, nullptr, 120, 60, 9360, 7080, "Beam Test Report");

    // Member line.
    label(Label1, &Frame3D1, 240, 360, 1320, 255, "Tested Member");
    Label1.setFontBold(true);
    place(DisplayChoice, &Frame3D1, 1620, 300, 5460, 375);
    DisplayChoice.setBevelOuter(1);
    DisplayChoice.setFont(boldSans());
    DisplayChoice.setBackColor(White);
    label(GradeLabel, &Frame3D1, 7200, 360, 2040, 255, "");
    label(StlBreadthLabel, &Frame3D1, 1620, 720, 1680, 255, "");
    label(StlDepthLabel, &Frame3D1, 3300, 720, 1500, 255, "");
    label(SmallChoice, &Frame3D1, 1620, 960, 7620, 255, "");
    SmallChoice.setForeColor(Navy);
    label(DeflTooHigh, &Frame3D1, 240, 1260, 9000, 255, "");
    DeflTooHigh.setForeColor(DarkRed);
    DeflTooHigh.setFontBold(true);

    // Results grid: a heading per check over its column, row heads at the left.
    button3D(Command3D1, &Frame3D1, 360, HeadingTop + 60, 300, 300, "");
    Command3D1.setPicture("QuickTip");
    Command3D1.setTabStop(false);
    const std::array<platform::Label*, 6> headings{&Label2, &Label3, &Label4, &Label5, &Label7, &Label8};
    const std::array<const char*, 6> headingTexts{" (S = in\xc2\xb3) Bending", " (A = in\xc2\xb2) Shear",
                                                  " Total Load Deflection",    " Live Load Deflection",
                                                  " OH Total Defl x 2",        " OH Live  Defl x 2"};
    for (std::size_t i = 0; i < headings.size(); ++i) {
        label(*headings[i], &Frame3D1, GridLeft + static_cast<double>(i) * ColumnStep, HeadingTop,
              ColumnWidth, 435, headingTexts[i]);
        headings[i]->setWordWrap(true);
        headings[i]->setAlignment(platform::Alignment::Center);
        headings[i]->setFontBold(true);
    }
    const std::array<platform::Label*, 4> rowHeads{&Label13, &Label12, &Label14, &Label9};
    const std::array<const char*, 4> rowTexts{"Actual", "Critical", "Status", "Ratio"};
    for (std::size_t i = 0; i < rowHeads.size(); ++i) {
        label(*rowHeads[i], &Frame3D1, 240, RowTop + static_cast<double>(i) * RowStep + 60, 1000, 255,
              rowTexts[i]);
        rowHeads[i]->setAlignment(platform::Alignment::Right);
        rowHeads[i]->setFontBold(true);
    }
    const std::array<std::array<platform::Panel*, 4>, 6> columns{{
        {&SectionProp, &SectionReq, &SecStatus, &SecPercent},
        {&ShearProp, &ShearReq, &ShearStatus, &HorPercent},
        {&DeflProp, &DeflReq, &DeflStatus, &DeflPercent},
        {&LDeflProp, &LDeflReq, &LDeflStatus, &LDeflPercent},
        {&OHDeflProp, &OHDeflReq, &OHDeflStatus, &OHDeflPercent},
        {&OHLDeflProp, &OHLDeflReq, &OHLDeflStatus, &OHLDeflPercent},
    }};
    for (std::size_t c = 0; c < columns.size(); ++c) {
        for (std::size_t r = 0; r < 4; ++r) {
            resultPanel(*columns[c][r], Frame3D1, static_cast<int>(c), static_cast<int>(r));
        }
        // Statuses stand out in a larger face; a failure's emphasis flag makes it bold, so the face
        // itself is regular for the flag to show.
        columns[c][2]->setFont(platform::FontSpec{"MS Sans Serif", 13.5, false});
    }

    // Lines under the grid.
    const double linesTop = RowTop + 4 * RowStep + 120;
    label(Label11, &Frame3D1, 240, linesTop, 5100, 255, "");
    label(Label10, &Frame3D1, 5400, linesTop, 3840, 255, "");
    label(Label6, &Frame3D1, 240, linesTop + 300, 5100, 255, "");
    label(Label15, &Frame3D1, 5400, linesTop + 300, 3840, 255, "");
    label(DeadDefl, &Frame3D1, 240, linesTop + 600, 9000, 255, "");
    label(Modifiers, &Frame3D1, 240, linesTop + 900, 9000, 255, "");
    label(NoSplitLabel, &Frame3D1, 240, linesTop + 1200, 9000, 675, "");
    NoSplitLabel.setWordWrap(true);

    // Overhanging beams: the advice on unbalanced loads.
    button3D(unbalancedbutton, &Frame3D1, 240, 6000, 300, 300, "");
    unbalancedbutton.setPicture("QuickTip");
    unbalancedbutton.setTabStop(false);
    label(Unbalancedlabel, &Frame3D1, 600, 6030, 6000, 255,
          "Overhanging members should be checked for unbalanced live loads.");
    Unbalancedlabel.setForeColor(DarkRed);

    // Size steps (wood and SCL), or Previous and Next (steel) in the same place.
    button3D(CmdNextSizeDn, &Frame3D1, 240, 6480, 1020, 420, "Depth -");
    button3D(CmdNextSize, &Frame3D1, 1320, 6480, 1020, 420, "Depth +");
    button3D(CmdNextWidthDn, &Frame3D1, 2400, 6480, 1020, 420, "Breadth -");
    button3D(CmdNextWidth, &Frame3D1, 3480, 6480, 1020, 420, "Breadth +");
    place(StlBack, &Frame3D1, 240, 6480, 1020, 420);
    StlBack.setCaption("Previous");
    place(StlForward, &Frame3D1, 1320, 6480, 1020, 420);
    StlForward.setCaption("Next");
    place(Command1, &Frame3D1, 4860, 6480, 1380, 420);
    Command1.setCaption(" Add Notes");
    place(Command2, &Frame3D1, 6960, 6480, 2280, 420);
    Command2.setCaption("OK  Select Member");
    Command2.setFontBold(true);

    menu(backmnu, nullptr, "<- &Back");
    menu(MnuFile, nullptr, "&File");
    menu(MnuNew, &MnuFile, "&New", "Ctrl+N");
    menu(MnuExit, &MnuFile, "E&xit Korvanta");
    menu(MnuGoto, nullptr, "&Goto");
    menu(MnuCriteria, &MnuGoto, "Criteria Form&1", "F1");
    menu(MnuBack, &MnuGoto, "Selection Form&2", "F2");
    menu(MnuDataRecord, &MnuGoto, "&DataRecord", "F4");
    menu(MnuHelp, nullptr, "&Help");

    Command3D1.click([this] { Command3D1_Click(); });
    unbalancedbutton.click([this] { unbalancedbutton_Click(); });
    CmdNextSizeDn.click([this] { CmdNextSizeDn_Click(); });
    CmdNextSize.click([this] { CmdNextSize_Click(); });
    CmdNextWidthDn.click([this] { CmdNextWidthDn_Click(); });
    CmdNextWidth.click([this] { CmdNextWidth_Click(); });
    StlBack.click([this] { StlBack_Click(); });
    StlForward.click([this] { StlForward_Click(); });
    Command1.click([this] { Command1_Click(); });
    Command2.click([this] { Command2_Click(); });
    backmnu.click([this] { backmnu_Click(); });
    MnuNew.click([this] { MnuNew_Click(); });
    MnuExit.click([this] { MnuExit_Click(); });
    MnuCriteria.click([this] { MnuCriteria_Click(); });
    MnuBack.click([this] { MnuBack_Click(); });
    MnuDataRecord.click([this] { MnuDataRecord_Click(); });
    MnuHelp.click([this] { MnuHelp_Click(); });
}

} // namespace report
