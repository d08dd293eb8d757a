// How Form22 looks, and which handler each control raises; no logic here.
#include "app/DesignHelpers.h"
#include "steel/Form22.h"
#include "steel/SteelState.h"

namespace steel
{

using namespace app::design;

namespace
{

constexpr double RowTop = 600;
constexpr double RowStep = 360;

void drawLine(platform::Line& line, platform::Control& container, double x1, double y1, double x2, double y2,
              int width)
{
    line.setContainer(container);
    line.setPoints(x1, y1, x2, y2);
    line.setBorderWidth(width);
    line.setBorderColor(Black);
}

void column(platform::Label& cell, platform::Control& container, double left, double top, double width)
{
    label(cell, &container, left, top, width, 255, "");
    cell.setAlignment(platform::Alignment::Center);
}

} // namespace

void Form22::design()
{
    setCaption(" Korvanta     Steel Selection Form 2");
    setClientSize(9000, 7260);
    setBorderStyle(platform::BorderStyle::Fixed);

    // --- Test Selection ---
    frame3D(Frame3D1, nullptr, 120, 120, 8760, 2100, "Test Selection");
    label(Label1, &Frame3D1, 120, 240, 6000, 255,
          "Enter any valid Korvanta steel size here or click on a 'Quickpick' button below.");
    textBox(StlChoice, &Frame3D1, 120, 600, 2400, 0, White);
    StlChoice.setFont(boldSans());
    button3D(CmdOK, &Frame3D1, 2640, 555, 1200, 375, "OK Test");
    tipButton(Command3D2, &Frame3D1, 3960, 645, "Designation format");
    label(Label12, &Frame3D1, 4440, 480, 1800, 255, "Format Example");
    Label12.setFontBold(true);
    label(StlFormatLabel, &Frame3D1, 4440, 750, 1800, 255, "W 8x 18");
    label(Label6, &Frame3D1, 4440, 1020, 2200, 255, "Wide flange");

    // Cross-section sketches, one family's shown at a time.
    drawLine(WF(0), Frame3D1, 7200, 420, 8200, 420, 3); // flanges and web of a wide flange
    drawLine(WF(1), Frame3D1, 7200, 1500, 8200, 1500, 3);
    drawLine(WF(2), Frame3D1, 7700, 420, 7700, 1500, 2);
    drawLine(SF(0), Frame3D1, 7350, 420, 8050, 420, 3); // narrower flanges of a standard shape
    drawLine(SF(1), Frame3D1, 7350, 1500, 8050, 1500, 3);
    drawLine(SF(2), Frame3D1, 7700, 420, 7700, 1500, 2);
    drawLine(CH(0), Frame3D1, 7400, 420, 8000, 420, 3); // channel: web on the left
    drawLine(CH(1), Frame3D1, 7400, 1500, 8000, 1500, 3);
    drawLine(CH(2), Frame3D1, 7400, 420, 7400, 1500, 3);
    drawLine(TU(0), Frame3D1, 7300, 420, 8100, 420, 3); // tube
    drawLine(TU(1), Frame3D1, 7300, 1500, 8100, 1500, 3);
    drawLine(TU(2), Frame3D1, 7300, 420, 7300, 1500, 3);
    drawLine(TU(3), Frame3D1, 8100, 420, 8100, 1500, 3);
    drawLine(Line1, Frame3D1, 7500, 420, 7500, 1500, 1); // flitch beam: wood plies and plates
    drawLine(Line2, Frame3D1, 7900, 420, 7900, 1500, 1);
    drawLine(Line3(0), Frame3D1, 7100, 420, 8300, 420, 1);
    drawLine(Line3(1), Frame3D1, 7100, 1500, 8300, 1500, 1);
    drawLine(Line3(2), Frame3D1, 7100, 420, 7100, 1500, 1);
    drawLine(Line4(0), Frame3D1, 7700, 420, 7700, 1500, 4);
    drawLine(Line4(1), Frame3D1, 8300, 420, 8300, 1500, 1);

    place(Panel3D1, &Frame3D1, 120, 1080, 4200, 900);
    Panel3D1.setBevelOuter(1);
    label(StlMoment, &Panel3D1, 120, 60, 3960, 255, "");
    StlMoment.setFontBold(true);
    label(StlReac1, &Panel3D1, 120, 330, 3960, 255, "");
    label(StlReac2, &Panel3D1, 120, 600, 3960, 255, "");

    place(StlPanel, nullptr, 120, 2280, 8760, 315);

    // --- Steel Shapes: eight quick-pick rows on the page; 8 to 15 are hidden holders of page two ---
    frame3D(Frame3D2, nullptr, 120, 2700, 8760, 4440, "Steel Shapes");
    label(Label4, &Frame3D2, 240, 324, 2040, 192, "Depth x Weight");
    Label4.setAlignment(platform::Alignment::Center);
    Label4.setWordWrap(true);
    column(Label7, Frame3D2, 2400, 324, 1200);
    Label7.setCaption(" Actual Depth");
    column(Label8, Frame3D2, 3600, 324, 1200);
    Label8.setCaption("Actual Breadth");
    column(Label9, Frame3D2, 4800, 324, 1800);
    Label9.setCaption("Maximum unbraced ft");
    column(Label10, Frame3D2, 6600, 120, 2040);
    Label10.setCaption("Actual/Critical percentage");
    column(Label11, Frame3D2, 6600, 324, 1020);
    Label11.setCaption("Section");
    column(Label13, Frame3D2, 7620, 324, 1020);
    Label13.setCaption("Shear");
    for (int i = 0; i < QuickPickCount; ++i) {
        const double top = RowTop + RowStep * (i % QuickPickPage);
        button3D(StlPick(i), &Frame3D2, 240, top, 2040, 330, "");
        column(StlDepLab(i), Frame3D2, 2400, top + 45, 1200);
        column(StlWidLab(i), Frame3D2, 3600, top + 45, 1200);
        column(UBLlab(i), Frame3D2, 4800, top + 45, 1800);
        column(StlSecPerct(i), Frame3D2, 6600, top + 45, 1020);
        column(StlShearPerct(i), Frame3D2, 7620, top + 45, 1020);
    }
    for (int i = QuickPickPage; i < QuickPickCount; ++i) { // the second page's holders are never shown
        StlPick(i).setVisible(false);
        StlDepLab(i).setVisible(false);
        StlWidLab(i).setVisible(false);
        UBLlab(i).setVisible(false);
        StlSecPerct(i).setVisible(false);
        StlShearPerct(i).setVisible(false);
    }
    button3D(Steeldatabasecmd, &Frame3D2, 240, 3540, 1200, 375, "Database");
    button3D(Morebutton, &Frame3D2, 1560, 3540, 1000, 375, "More");
    button3D(Backbutton, &Frame3D2, 2680, 3540, 1000, 375, "Return");
    Backbutton.setEnabled(false);
    tipButton(Command3D1, &Frame3D2, 3840, 3630, "Lc, Lu and percentages");
    place(Panel3D2, &Frame3D2, 120, 3990, 8520, 360);
    Panel3D2.setBevelOuter(1);
    place(StlStatis, &Panel3D2, 30, 30, 8460, 300);

    // --- Menus ---
    menu(backmnu, nullptr, "<- &Back");
    menu(MnuFile, nullptr, "&File");
    menu(MnuExit, &MnuFile, "E&xit");
    menu(MnuGoto, nullptr, "&Goto");
    menu(MnuCriteria, &MnuGoto, "&Criteria Form1");
    menu(MnuHelp, nullptr, "&Help");

    // --- Handlers ---
    CmdOK.click([this] { CmdOK_Click(); });
    StlPick.onClick([this](int index) { StlPick_Click(index); });
    Morebutton.click([this] { Morebutton_Click(); });
    Backbutton.click([this] { Backbutton_Click(); });
    Steeldatabasecmd.click([this] { Steeldatabasecmd_Click(); });
    Command3D1.click([this] { Command3D1_Click(); });
    Command3D2.click([this] { Command3D2_Click(); });
    MnuCriteria.click([this] { MnuCriteria_Click(); });
    backmnu.click([this] { backmnu_Click(); });
    MnuHelp.click([this] { MnuHelp_Click(); });
    MnuExit.click([this] { MnuExit_Click(); });
}

} // namespace steel
