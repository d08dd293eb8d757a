// How Form2 looks; no logic here. Top to bottom: the member class frame (or the SCL frame in its
// place), the values frame, the beam size frame with its quick-pick row.
#include "app/DesignHelpers.h"
#include "scl/Form2.h"

namespace scl
{

using namespace app::design;

namespace
{

constexpr double ColumnLeft = 360;  // first quick-pick column, in the beam size frame
constexpr double ColumnStep = 1500; // one column to the next
constexpr double RowHeadingTop = 1200;
constexpr double RowButtonTop = 1470;

double column(int c)
{
    return ColumnLeft + c * ColumnStep;
}

void placePick(platform::Label& heading, platform::CommandButton& button, platform::Control& frame, int c,
               const char* breadth)
{
    label(heading, &frame, column(c), RowHeadingTop, 1380, 255, breadth);
    heading.setAlignment(platform::Alignment::Center);
    button3D(button, &frame, column(c), RowButtonTop, 1380, 375, "");
}

} // namespace

void Form2::design()
{
    setCaption(" Korvanta     Custom Values Form 2");
    setClientSize(8160, 7620);
    setBorderStyle(platform::BorderStyle::Fixed);

    // Member class frame: the options in two columns, the lumber boxes or the timber shape beside them.
    frame3D(Frame3D2, nullptr, 120, 60, 7920, 1800, "Select a Custom Breadth Group");
    option3D(WidGLBHDR, &Frame3D2, 120, 300, 2000, 255, "Glu-Lam Headers");
    tipButton(Command3D1, &Frame3D2, 2160, 300, "Glu-lam headers");
    option3D(WidGLB, &Frame3D2, 120, 600, 2300, 255, "Glu-Lam Beams");
    check3D(SPG, &Frame3D2, 120, 1200, 4400, 255, " Use So. Pine 1-3/8\" laminations");
    SPG.setVisible(false);
    option3D(Wid2x, &Frame3D2, 2640, 300, 3000, 255, "2x Dimension lumber (and built-up)");
    Wid2x.setValue(true);
    option3D(Wid4x, &Frame3D2, 2640, 600, 3000, 255, "4x Dimension lumber");
    option3D(Wid6x, &Frame3D2, 2640, 900, 3000, 255, "5x+ Timbers (rectangular and round) ");
    place(MSRCheckbox, &Frame3D2, 5880, 300, 1400, 255);
    MSRCheckbox.setCaption("MSR Lumber");
    place(MELCheckbox, &Frame3D2, 5880, 600, 1400, 255);
    MELCheckbox.setCaption("MEL Lumber");
    tipButton(SSCommand1, &Frame3D2, 7340, 440, "MSR and MEL lumber");

    frame3D(FormFrame, &Frame3D2, 5760, 180, 2040, 1560, "Timber Shape");
    FormFrame.setVisible(false);
    option3D(Rectoption, &FormFrame, 120, 240, 1400, 255, "Rectangular");
    Rectoption.setValue(true);
    option3D(Roundoption, &FormFrame, 120, 500, 1200, 255, "Round");
    tipButton(Command3D3, &FormFrame, 1560, 500, "Round members");
    label(Label6, &FormFrame, 120, 800, 1800, 255, "Net Diameter, inches :");
    Label6.setVisible(false);
    numberBox(Diam, &FormFrame, 120, 1080, 900, 6, White);
    Diam.setToolTipText("Enter approximate diameter in inches and decimal fraction, if any.");
    Diam.setVisible(false);
    Diam.setEnabled(false);

    // SCL frame, in the same place.
    frame3D(Frame3D4, nullptr, 120, 60, 7920, 1800, "Structural Composite Lumber (SCL)");
    Frame3D4.setVisible(false);
    label(Label29, &Frame3D4, 120, 280, 4200, 255, "Select a manufacturer and a SCL product.");
    place(Panel3D2, &Frame3D4, 120, 560, 4300, 435);
    place(Combo1, &Panel3D2, 60, 60, 4180, 315);
    Combo1.setStyle(platform::ComboStyle::DropDownList);
    label(LVLname, &Frame3D4, 120, 1100, 4300, 255, "");
    LVLname.setFontBold(true);
    tipButton(Command3D2, &Frame3D4, 4500, 640, "Eastern and Western species");
    button3D(Command2, &Frame3D4, 5100, 360, 2640, 375, "Manufacturers");
    button3D(Command3, &Frame3D4, 5100, 840, 2640, 375, "SCL Basics (Read This)");
    label(boisenote, &Frame3D4, 120, 1400, 7600, 255, "");
    boisenote.setVisible(false);

    // Values frame: the boxes in one row under their headings, the examples under them.
    frame3D(Frame3D1, nullptr, 120, 1920, 7920, 2220, "Values");
    label(Label5, &Frame3D1, 120, 240, 6600, 255,
          "Enter or load base values in psi.  Click on the 'Calculate' button.");
    tipButton(PointerFb, &Frame3D1, 6840, 240, "The values");
    label(Label1, &Frame3D1, 1080, 540, 900, 255, "Fb");
    label(Label2, &Frame3D1, 2040, 540, 900, 255, "Fv");
    label(Label4, &Frame3D1, 3000, 540, 780, 255, "E x 10");
    label(Label27, &Frame3D1, 3660, 480, 200, 200, "6");
    Label27.setFontSize(6);
    label(Label3, &Frame3D1, 3960, 540, 360, 255, "Fc ");
    label(Label8, &Frame3D1, 4260, 540, 300, 255, "^");
    Label8.setFont(platform::FontSpec{"Symbol", 8.25, false});
    label(Label15, &Frame3D1, 4920, 480, 1500, 390, "Cf Size Factor (12/d) exponent");
    Label15.setVisible(false);
    label(Label9, &Frame3D1, 120, 1200, 900, 255, "Example:");
    numberBox(Text1, &Frame3D1, 1080, 840, 900, 5, White);
    numberBox(Text2, &Frame3D1, 2040, 840, 900, 3, White);
    numberBox(Text4, &Frame3D1, 3000, 840, 900, 4, White);
    numberBox(Text3, &Frame3D1, 3960, 840, 900, 4, White);
    numberBox(Text8, &Frame3D1, 4920, 840, 900, 7, White);
    Text8.setVisible(false);
    label(Label10, &Frame3D1, 1080, 1200, 900, 255, "2250");
    label(Label11, &Frame3D1, 2040, 1200, 900, 255, "190");
    label(Label13, &Frame3D1, 3000, 1200, 900, 255, "1.8");
    label(Label12, &Frame3D1, 3960, 1200, 900, 255, "650");
    label(Label30, &Frame3D1, 4920, 1200, 900, 255, "0.136");
    Label30.setVisible(false);
    for (platform::Label* example : {&Label10, &Label11, &Label13, &Label12, &Label30}) {
        example->setAlignment(platform::Alignment::Center);
    }
    button3D(LoadVal, &Frame3D1, 6000, 780, 900, 375, "Load...");
    button3D(SaveVal, &Frame3D1, 6960, 780, 900, 375, "Save...");
    button3D(LVLLoadDefault, &Frame3D1, 6000, 780, 900, 375, "Load");
    LVLLoadDefault.setVisible(false);
    button3D(LVLsavedefault, &Frame3D1, 6960, 780, 900, 375, "Save");
    LVLsavedefault.setToolTipText("Save your values to the hard drive.");
    LVLsavedefault.setVisible(false);
    label(NDSlabel, &Frame3D1, 120, 1560, 2200, 255, "");
    NDSlabel.setFontBold(true);
    check3D(CustomIngradeSP, &Frame3D1, 120, 1860, 7680, 255,
            "Using So. Pine values (Cf is included in the NDS Fb for each depth and must match final depth)");
    button3D(CmdEnterValues, &Frame3D1, 6480, 1320, 1380, 465, "OK Calc");
    CmdEnterValues.setFontBold(true);

    // Beam size frame: the size boxes, the quick-pick row, the result line and "OK Test".
    frame3D(Frame3D3, nullptr, 120, 4200, 7920, 3300, "Beam Size");
    label(
        Label20, &Frame3D3, 120, 240, 7600, 255,
        "Click on a button below, or type in any valid Korvanta breadth and depth.  Select 'OK' to test it.");
    label(Label18, &Frame3D3, 120, 540, 1300, 255, "Breadth");
    label(Label19, &Frame3D3, 1560, 540, 900, 255, "Depth");
    label(Label17, &Frame3D3, 2580, 540, 1800, 255, "Species and Grade");
    label(Label32, &Frame3D3, 4380, 540, 1800, 255, "(Edit as necessary)");
    textBox(Text6, &Frame3D3, 120, 780, 1320, 11, White);
    textBox(Text7, &Frame3D3, 1560, 780, 900, 6, White);
    textBox(Text5, &Frame3D3, 2580, 780, 5220, 40, White);
    label(Label33, &Frame3D3, 120, 1020, 2400, 255, "Example:        (3) 1-3/4x");
    label(Label34, &Frame3D3, 1560, 1020, 900, 255, "11-7/8");
    label(Label35, &Frame3D3, 2580, 1020, 4000, 255, "Pasco Products 2.0E Greatbeam LVL ");
    for (platform::Label* example : {&Label33, &Label34, &Label35}) {
        example->setVisible(false);
    }

    placePick(Label22, Button2x, Frame3D3, 0, "2x");
    placePick(Label23, Button22x, Frame3D3, 1, "(2) 2x");
    placePick(Label24, Button32x, Frame3D3, 2, "(3) 2x");
    placePick(Label25, Button42x, Frame3D3, 3, "(4) 2x");
    placePick(Label26, Button4x, Frame3D3, 2, "4x");
    placePick(Label7, Button6x, Frame3D3, 1, "6x");
    placePick(Label21, button8x, Frame3D3, 2, "8x");
    placePick(Label28, button10x, Frame3D3, 3, "10x");
    const char* gluLamWidths[] = {"3-1/8x", "5-1/8x", "6-3/4x", "8-3/4x", "10-3/4x"};
    for (int i = 0; i < 5; ++i) {
        placePick(LabG[i], ButG[i], Frame3D3, i, gluLamWidths[i]);
    }
    placePick(Label14, but32, Frame3D3, 1, "3-1/2x");
    placePick(Label31, But52, Frame3D3, 2, "5-1/2x");
    // On screen the single 1-3/4x ply comes first.
    const char* sclWidths[] = {"(2) 1-3/4x", "3-1/2x", "5-1/2x", "7x", "1-3/4x"};
    const int sclColumns[] = {1, 2, 3, 4, 0};
    for (int i = 0; i < 5; ++i) {
        placePick(LVLab[i], LVLbut[i], Frame3D3, sclColumns[i], sclWidths[i]);
    }
    // Only the 2x row shows until a member class or the SCL arrangement says otherwise.
    for (platform::Control* c :
         {static_cast<platform::Control*>(&Label26), static_cast<platform::Control*>(&Button4x),
          static_cast<platform::Control*>(&Label7), static_cast<platform::Control*>(&Button6x),
          static_cast<platform::Control*>(&Label21), static_cast<platform::Control*>(&button8x),
          static_cast<platform::Control*>(&Label28), static_cast<platform::Control*>(&button10x),
          static_cast<platform::Control*>(&Label14), static_cast<platform::Control*>(&but32),
          static_cast<platform::Control*>(&Label31), static_cast<platform::Control*>(&But52)}) {
        c->setVisible(false);
    }
    for (int i = 0; i < 5; ++i) {
        LabG[i].setVisible(false);
        ButG[i].setVisible(false);
    }

    label(Moresizes, &Frame3D3, 120, 1920, 7600, 255, "");
    label(Label16, &Frame3D3, 120, 2160, 7600, 510, "");
    Label16.setForeColor(Navy);
    button3D(CmdTest, &Frame3D3, 6240, 2700, 1560, 495, "OK Test");
    CmdTest.setFontBold(true);
    button3D(Command1, &Frame3D3, 4560, 2700, 1560, 495, " Add Notes");
    place(CurrentBeamPanel, &Frame3D3, 120, 2760, 4320, 375);
    CurrentBeamPanel.setBevelOuter(1);
    CurrentBeamPanel.setAlignment(platform::Alignment::Left);

    menu(backmnu, nullptr, "<- &Back");
    menu(MnuFile, nullptr, "&File");
    menu(MnuSaveCustom, &MnuFile, "&Save Values...", "Ctrl+S");
    menu(MnuLoadCustom, &MnuFile, "&Load Values...", "Ctrl+L");
    menu(FileManager, &MnuFile, "File &Manager...", "Ctrl+M");
    menuSeparator(aline, MnuFile);
    menu(MnuExit, &MnuFile, "E&xit");
    menu(MnuGoto, nullptr, "&Goto");
    menu(MnuCriteria, &MnuGoto, "Criteria Form&1", "F1");
    menu(MnuHelp, nullptr, "&Help");
}

} // namespace scl
