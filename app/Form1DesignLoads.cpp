// Design of Form1's load frames: uniform load A with its tributary calculator, point loads B..G,
// partial uniform loads H..L and the partial-load psf calculator that lies over the point loads.
#include "app/DesignHelpers.h"
#include "app/Form1.h"

#include <array>
#include <string>

namespace app
{

using namespace design;

namespace
{
constexpr const char* QuickTip = "Click for Quick-Tip";
constexpr const char* EraseTip = "Click Load letter to erase load.";
constexpr const char* PresetTip = "Click to cycle thru typical loads set in Options / Defaults.";
constexpr double RowStep = 300;

void heading(platform::Label& label, platform::Control* container, double left, double top, double width,
             std::string_view caption)
{
    design::label(label, container, left, top, width, 225, caption);
    label.setAlignment(platform::Alignment::Center);
}

void loadLetter(platform::Label& letter, platform::Control* container, double top, std::string caption,
                std::uint32_t colour)
{
    label(letter, container, 120, top + 30, 195, 255, caption);
    letter.setForeColor(colour);
    letter.setFontBold(true);
}
} // namespace

void Form1::designUniformLoad()
{
    frame3D(Frame3D5, nullptr, 600, 3600, 2640, 2775, "Uniform Load");
    tipButton(Command3D14, &Frame3D5, 2400, 30, QuickTip, 192);
    heading(Label17, &Frame3D5, 360, 300, 900, "LL only");
    heading(Label13, &Frame3D5, 1320, 300, 900, "LL + DL");
    loadLetter(Label35, &Frame3D5, 540, "A", DarkRed);
    Label35.setToolTipText(EraseTip);
    numberBox(LUNIF, &Frame3D5, 360, 540, 900, 6, LightYellow);
    numberBox(UNIF, &Frame3D5, 1320, 540, 900, 6, White);
    button3D(PLFspin, &Frame3D5, 2280, 540, 300, 285, "PLF");
    PLFspin.setToolTipText(PresetTip);

    label(Label37, &Frame3D5, 360, 1020, 1740, 255, "Tributary calculator");
    tipButton(Command3D19, &Frame3D5, 2160, 1050, QuickTip, 192);
    heading(Label21, &Frame3D5, 360, 1260, 900, "LL only");
    heading(Label33, &Frame3D5, 1320, 1260, 900, "LL + DL");
    loadLetter(Label36, &Frame3D5, 1500, "A", Green);
    numberBox(Text1, &Frame3D5, 360, 1500, 900, 6, LightYellow);
    numberBox(Text2, &Frame3D5, 1320, 1500, 900, 6, WindowColour);
    place(Command1, &Frame3D5, 2280, 1500, 300, 285);
    Command1.setCaption("PSF");
    Command1.setToolTipText(PresetTip);
    label(Label43, &Frame3D5, 240, 1890, 1020, 255, "x Tributary");
    Label43.setAlignment(platform::Alignment::Right);
    numberBox(Tribute, &Frame3D5, 1320, 1860, 900, 6, WindowColour);
    label(Label23, &Frame3D5, 2280, 1890, 330, 255, "in Ft");
    button3D(Command3D25, &Frame3D5, 120, 2280, 1560, 375, "Multiply and Insert");
    Command3D25.setForeColor(Black);
    Command3D25.setToolTipText("Click to insert the total of PSF x Tributary into Uniform Load box above.");
    button3D(ClearTribButton, &Frame3D5, 1800, 2280, 720, 375, "Clear");
    ClearTribButton.setToolTipText("Click to clear the Tributary loads and reset the OK Calc button.");
}

void Form1::designPointAndPartialLoads()
{
    frame3D(Frame3D3, nullptr, 3480, 3600, 3090, 2775, "Point Loads");
    heading(Label14, &Frame3D3, 360, 240, 900, "LL only");
    heading(Label7, &Frame3D3, 1320, 240, 900, "LL + DL");
    heading(Label8, &Frame3D3, 2280, 240, 700, "Distance");
    for (int i = 0; i <= 5; ++i) {
        const double top = 480 + RowStep * i;
        loadLetter(Labl20(i), &Frame3D3, top, std::string(1, static_cast<char>('B' + i)), DarkRed);
        numberBox(LPT(i), &Frame3D3, 360, top, 900, 7, LightYellow);
        numberBox(PT(i), &Frame3D3, 1320, top, 900, 7, White);
        numberBox(DIS(i), &Frame3D3, 2280, top, 700, 5, White);
    }
    Labl20(0).setToolTipText(EraseTip);
    button3D(UBSpan, &Frame3D3, 240, 2340, 1260, 345, "Unbalance Span");
    UBSpan.setForeColor(platform::SystemWindowText);
    UBSpan.setVisible(false);
    button3D(UBOH, &Frame3D3, 1620, 2340, 1260, 345, "Unbalance OH");
    UBOH.setForeColor(platform::SystemWindowText);
    UBOH.setVisible(false);

    frame3D(Frame3D4, nullptr, 6840, 3600, 3375, 2775, "Partial Uniform Loads");
    tipButton(Command3D16, &Frame3D4, 3120, 30, QuickTip);
    heading(Label10, &Frame3D4, 360, 180, 1410, "PLF");
    heading(Label9, &Frame3D4, 1800, 180, 1380, "Distance");
    heading(Label16, &Frame3D4, 360, 420, 690, "LL only");
    heading(Label15, &Frame3D4, 1080, 420, 690, "LL + DL");
    heading(Label11, &Frame3D4, 1800, 420, 660, "Start");
    heading(Label12, &Frame3D4, 2520, 420, 660, "End");
    // H takes one character more than I..L.
    constexpr std::array<int, 5> partialMaxLength = {7, 6, 6, 6, 6};
    for (int i = 0; i <= 4; ++i) {
        const double top = 660 + RowStep * i;
        loadLetter(Labl21(6 + i), &Frame3D4, top, std::string(1, static_cast<char>('H' + i)), DarkRed);
        numberBox(LPAR(i), &Frame3D4, 360, top, 690, 6, LightYellow);
        numberBox(PAR(i), &Frame3D4, 1080, top, 690, partialMaxLength[static_cast<std::size_t>(i)], White);
        numberBox(BEGP(i), &Frame3D4, 1800, top, 660, 5, White);
        numberBox(ENDP(i), &Frame3D4, 2520, top, 660, 5, White);
    }
    button3D(Command3D23, &Frame3D4, 360, 2280, 1560, 375, "Calc using PSF");
}

void Form1::designPsfCalculator()
{
    frame3D(FramePSF, nullptr, 3480, 3600, 3165, 2775, "Calc PSF for Partial loads ->");
    FramePSF.setVisible(false);
    tipButton(Command3D24, &FramePSF, 2910, 30, QuickTip);
    heading(Label45, &FramePSF, 240, 180, 1380, "PSF");
    heading(Label46, &FramePSF, 1800, 180, 660, "FT");
    heading(Label41, &FramePSF, 240, 420, 660, "LL only");
    heading(Label47, &FramePSF, 960, 420, 660, "LL + DL");
    heading(Label44, &FramePSF, 1620, 420, 1440, "x    Tributary   =");
    for (int i = 0; i <= 4; ++i) {
        const double top = 660 + RowStep * i;
        numberBox(LPSF(i), &FramePSF, 240, top, 660, 5, LightYellow);
        numberBox(PSF(i), &FramePSF, 960, top, 660, 5, WindowColour);
        numberBox(TribPSF(i), &FramePSF, 1800, top, 660, 5, WindowColour);
    }
    button3D(Command3D21, &FramePSF, 240, 2280, 1560, 375, "Multiply and Insert");
    button3D(Command3D22, &FramePSF, 1920, 2280, 720, 375, "Clear");
}

} // namespace app
