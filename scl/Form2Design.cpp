// How Form2 looks; no logic here.
#include "app/DesignHelpers.h"
#include "scl/Form2.h"

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

    place(Combo1, nullptr, 7200, 1800, 3000, 315);
    Combo1.setStyle(platform::ComboStyle::DropDownList);
}

} // namespace scl
