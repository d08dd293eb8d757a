// How Form2 looks; no logic here.
#include "app/DesignHelpers.h"
#include "scl/Form2.h"
#include "scl/SCLProductForm.h"

namespace scl
{

using namespace app::design;

void Form2::design()
{
    setCaption(" Korvanta     Custom Values Form 2");
    setClientSize(11000, 7200);
    setBorderStyle(platform::BorderStyle::Fixed);

    label(MOMENT, nullptr, 240, 240, 5520, 255, "");
    MOMENT.setFontBold(true);
    label(Reac1, nullptr, 240, 600, 5520, 255, "");
    label(Reac2, nullptr, 240, 960, 5520, 255, "");

    // The value boxes stand in one row: Fb, Fv, E, Fc-perp.
    numberBox(Text1, nullptr, 6000, 240, 900, 5, White);
    numberBox(Text2, nullptr, 7000, 240, 900, 3, White);
    numberBox(Text4, nullptr, 8000, 240, 900, 4, White);
    numberBox(Text3, nullptr, 9000, 240, 900, 4, White);
    textBox(Text6, nullptr, 6000, 960, 1200, 11, White);
    textBox(Text7, nullptr, 7300, 960, 900, 6, White);
    textBox(Text5, nullptr, 8300, 960, 2500, 40, White);

    frame3D(CustomBreadthGroup, nullptr, 240, 1380, 5000, 1700, "Select a Custom Breadth Group");
    option3D(Wid2x, &CustomBreadthGroup, 120, 240, 4700, 255, "2x Dimension lumber (and built-up)");
    Wid2x.setValue(true);
    option3D(Wid4x, &CustomBreadthGroup, 120, 480, 4700, 255, "4x Dimension lumber");
    option3D(Wid6x, &CustomBreadthGroup, 120, 720, 4700, 255, "5x+ Timbers (rectangular and round) ");
    option3D(WidGLB, &CustomBreadthGroup, 120, 960, 4700, 255, "Glu-Lam Beams");
    option3D(WidGLBHDR, &CustomBreadthGroup, 120, 1200, 4700, 255, "Glu-Lam Headers");

    frame3D(FormFrame, nullptr, 5400, 1380, 3000, 1200, "Timber Shape");
    FormFrame.setVisible(false);
    option3D(Rectoption, &FormFrame, 120, 240, 2640, 255, "Rectangular");
    Rectoption.setValue(true);
    option3D(Roundoption, &FormFrame, 120, 480, 2640, 255, "Round");
    numberBox(Diam, &FormFrame, 1800, 780, 900, 6, White);
    Diam.setToolTipText("Enter approximate diameter in inches and decimal fraction, if any.");
    check3D(SPG, &CustomBreadthGroup, 2400, 960, 2500, 255, " Use So. Pine 1-3/8\" laminations");
    SPG.setVisible(false);

    const char* headings[] = {"2x", "(2) 2x", "(3) 2x", "(4) 2x", "4x", "6x", "8x", "10x"};
    platform::Label* headingLabels[] = {&Label22, &Label23, &Label24, &Label25,
                                        &Label26, &Label7,  &Label21, &Label28};
    platform::CommandButton* buttons[] = {&Button2x, &Button22x, &Button32x, &Button42x,
                                          &Button4x, &Button6x,  &button8x,  &button10x};
    for (int i = 0; i < 8; ++i) {
        label(*headingLabels[i], nullptr, 240 + i * 700, 4200, 660, 255, headings[i]);
        button3D(*buttons[i], nullptr, 240 + i * 700, 4500, 660, 330, "");
    }
    const char* gluLamWidths[] = {"3-1/8x", "5-1/8x", "6-3/4x", "8-3/4x", "10-3/4x"};
    for (int i = 0; i < 5; ++i) {
        label(LabG[i], nullptr, 240 + i * 700, 5000, 660, 255, gluLamWidths[i]);
        button3D(ButG[i], nullptr, 240 + i * 700, 5300, 660, 330, "");
    }
    label(Label14, nullptr, 3900, 5000, 660, 255, "3-1/2x");
    button3D(but32, nullptr, 3900, 5300, 660, 330, "");
    label(Label31, nullptr, 4600, 5000, 660, 255, "5-1/2x");
    button3D(But52, nullptr, 4600, 5300, 660, 330, "");
    label(Label16, nullptr, 240, 5800, 6000, 255, "");

    button3D(CmdTest, nullptr, 7200, 6000, 1200, 420, "OK Test");

    // SCL products: the product frame takes the member class frame's place; the SCL row of breadth
    // labels and depth buttons reads left to right slots 4, 0, 1, 2, 3.
    frame3D(Frame3D4, nullptr, 240, 1380, 5000, 1700, "Structural Composite Lumber (SCL)");
    place(Combo1, &Frame3D4, 120, 300, 4700, 315);
    Combo1.setStyle(platform::ComboStyle::DropDownList);
    label(LVLname, &Frame3D4, 120, 720, 4700, 255, "");
    numberBox(Text8, nullptr, 10000, 240, 900, 7, White);
    label(Label15, nullptr, 10000, 600, 900, 480, "Cf Size Factor (12/d) exponent");
    label(Label30, nullptr, 10000, 1080, 900, 255, "0.136");
    button3D(LVLLoadDefault, nullptr, 6000, 600, 900, 330, "Load");
    button3D(LVLsavedefault, nullptr, 7000, 600, 900, 330, "Save");
    LVLsavedefault.setToolTipText("Save your values to the hard drive.");
    label(Label33, nullptr, 6000, 1320, 1300, 255, "Example:        (3) 1-3/4x");
    label(Label34, nullptr, 7300, 1320, 900, 255, "11-7/8");
    label(Label35, nullptr, 8300, 1320, 2500, 255, "Pasco Products 2.0E Greatbeam LVL ");
    const char* sclBreadths[] = {"(2) 1-3/4x", "3-1/2x", "5-1/2x", "7x", "1-3/4x"};
    const int sclColumn[] = {1, 2, 3, 4, 0};
    for (int i = 0; i < 5; ++i) {
        label(LVLab[i], nullptr, 240 + sclColumn[i] * 1100, 3500, 1040, 255, sclBreadths[i]);
        button3D(LVLbut[i], nullptr, 240 + sclColumn[i] * 1100, 3800, 1040, 330, "");
    }
    label(
        Label20, nullptr, 240, 3200, 8000, 255,
        "Click on a button below, or type in any valid Korvanta breadth and depth.  Select 'OK' to test it.");
    label(Moresizes, nullptr, 5800, 3500, 3000, 255, "");
    label(boisenote, nullptr, 5800, 3800, 3000, 255, "");
    button3D(CmdEnterValues, nullptr, 6000, 6000, 1100, 420, "OK Calc");
    check3D(CustomIngradeSP, nullptr, 5400, 2700, 3000, 255, "Southern Pine values");

    Combo1.click([this] { Combo1_Click(m_program); });
    LVLLoadDefault.click([this] { LVLLoadDefault_Click(m_program); });
    LVLsavedefault.click([this] { LVLsavedefault_Click(m_program); });
    for (int i = 0; i < 5; ++i) {
        LVLbut[i].click([this] { LVLbut_Click(m_program); });
    }
}

} // namespace scl
