// How Form3 looks; no logic here.
#include "app/DesignHelpers.h"
#include "wood/Form3.h"

namespace wood
{

using namespace app::design;

void Form3::design()
{
    setCaption(" Korvanta    Selection Form 2");
    setClientSize(11000, 7000);
    setBorderStyle(platform::BorderStyle::Fixed);

    frame3D(FrameSawn, nullptr, 120, 120, 7200, 3600, "Solid Sawn Lumber and Timber Sizes - Nominal Size");
    const char* headings[] = {"2x", "(2) 2x", "(3) 2x", "(4) 2x", "4x", "6x", "8x", "10x"};
    platform::Label* headingLabels[] = {&Label5, &Label6,  &Label7,  &Label8,
                                        &Label9, &Label10, &Label27, &Label28};
    for (int i = 0; i < 8; ++i) {
        label(*headingLabels[i], &FrameSawn, 1320 + i * 700, 240, 660, 255, headings[i]);
    }
    platform::Label* gradeLabels[] = {&Label1, &Label2, &Label3, &Label4};
    for (int i = 0; i < 4; ++i) {
        label(*gradeLabels[i], &FrameSawn, 120, 600 + i * 360, 1160, 255, "");
    }
    for (int i = 0; i <= 41; ++i) {
        button3D(ht[i], nullptr, 1440 + (i % 8) * 700, 720 + (i / 8) * 360, 660, 330, "");
    }

    frame3D(FrameGluLam, nullptr, 120, 3840, 7200, 1500,
            "Glu-Lam Beam Sizes - Net Size               For the Rosboro X-Beam see SCL listings");
    const char* widths[] = {"3-1/8x", "5-1/8x", "6-3/4x", "8-3/4x", "10-3/4x"};
    platform::Label* widthLabels[] = {&Label13, &Label14, &Label15, &Label16, &Label17};
    for (int i = 0; i < 5; ++i) {
        label(*widthLabels[i], &FrameGluLam, 1320 + i * 700, 240, 660, 255, widths[i]);
    }
    label(Label11, &FrameGluLam, 120, 600, 1160, 255, "");
    label(Label12, &FrameGluLam, 120, 960, 1160, 255, "");
    button3D(Command3D1, &FrameGluLam, 6800, 240, 255, 255, "");

    frame3D(FrameTest, nullptr, 7440, 120, 3400, 2400, "Test Selection");
    textBox(Text1, &FrameTest, 120, 480, 900, 0, White);
    textBox(Text2, &FrameTest, 1080, 480, 900, 0, White);
    textBox(Text3, &FrameTest, 120, 1080, 3100, 0, White);
    button3D(CmdOK, &FrameTest, 1080, 1680, 1200, 420, "OK Test");

    label(LabelINGRADE, nullptr, 7440, 2640, 3400, 255, "");
    label(MOMENT, nullptr, 7440, 3000, 3400, 255, "");
    MOMENT.setFontBold(true);
    label(Reac1, nullptr, 7440, 3360, 3400, 255, "");
    label(Reac2, nullptr, 7440, 3720, 3400, 255, "");
    label(RepQualify, nullptr, 7440, 4080, 3400, 510,
          "Glu-lams and 6x's do not qualify for the 'repetitive use' modifier.");
    place(WoodStatisPanel, nullptr, 0, 6660, 11000, 340);

    menu(backmnu, nullptr, "<- &Back");
}

} // namespace wood
