// Design of the two frames that take the place of the point and partial loads for a load case: the
// hip and valley calculator and the continuous beam over two or three equal spans.
#include "app/DesignHelpers.h"
#include "app/Form1.h"

namespace app
{

using namespace design;

namespace
{
constexpr const char* QuickTip = "Click for Quick-Tip";

void drawLine(platform::Line& line, platform::Control& container, double x1, double y1, double x2, double y2,
              int width)
{
    line.setContainer(container);
    line.setPoints(x1, y1, x2, y2);
    line.setBorderWidth(width);
    line.setBorderColor(Black);
}
} // namespace

void Form1::designHipsAndValleys()
{
    frame3D(IncFrame, nullptr, 3480, 3600, 6735, 2775, "Uniformly Increasing Load from R1 to R2");
    IncFrame.setVisible(false);
    tipButton(Command3D12, &IncFrame, 6480, 30, QuickTip);

    // Plan view: the member runs between the corners; the four triangles are the roof areas.
    label(Label27, &IncFrame, 120, 360, 1800, 420, "Plan View of Hip or Valley");
    Label27.setWordWrap(true);
    Label27.setAlignment(platform::Alignment::Center);
    place(Panel3D1, &IncFrame, 420, 840, 1215, 1215);
    Panel3D1.setBevelOuter(1);
    Panel3D1.setBackColor(White);
    drawLine(Line1, Panel3D1, 0, 0, 1215, 1215, 1);
    drawLine(Line2, Panel3D1, 0, 1215, 1215, 0, 1);
    check3D(Areas(2), &Panel3D1, 510, 150, 195, 195, "");
    check3D(Areas(0), &Panel3D1, 150, 510, 195, 195, "");
    check3D(Areas(1), &Panel3D1, 870, 510, 195, 195, "");
    check3D(Areas(3), &Panel3D1, 510, 870, 195, 195, "");
    label(Label29, &IncFrame, 120, 1320, 255, 255, "R1");
    // "R2" keeps clear of the wrapped step 2 text that starts at 1920.
    label(Label30, &IncFrame, 1665, 1320, 240, 255, "R2");

    label(Label28, &IncFrame, 1920, 300, 4500, 450,
          "1. Enter tributary lengths in feet and select all of        the areas that will contribute load "
          "to the "
          "beam.");
    Label28.setWordWrap(true);
    numberBox(Trib1, &IncFrame, 1920, 780, 660, 5, White);
    numberBox(Trib2, &IncFrame, 2700, 780, 660, 5, White);

    label(Label22, &IncFrame, 1920, 1140, 2280, 420, "2. Enter the PSF load on the roof.");
    Label22.setWordWrap(true);
    label(Label25, &IncFrame, 1920, 1560, 720, 225, "LL Only");
    label(Label26, &IncFrame, 2700, 1560, 720, 225, "LL + DL");
    label(Label24, &IncFrame, 3480, 1830, 420, 255, "PSF");
    numberBox(IncLL, &IncFrame, 1920, 1800, 720, 6, LightYellow);
    numberBox(IncTL, &IncFrame, 2700, 1800, 720, 6, White);

    label(Label20, &IncFrame, 4320, 1140, 2280, 420, "3. Optional: add a normal uniform load.");
    Label20.setWordWrap(true);
    label(Label31, &IncFrame, 4320, 1560, 720, 225, "LL Only");
    label(Label32, &IncFrame, 5100, 1560, 720, 225, "LL + DL");
    label(Label34, &IncFrame, 5880, 1830, 420, 255, "PLF");
    numberBox(IncUnifLL, &IncFrame, 4320, 1800, 720, 6, LightYellow);
    numberBox(IncUnifTL, &IncFrame, 5100, 1800, 720, 6, White);

    check3D(CalctheSpan, &IncFrame, 1920, 2340, 1560, 255, "Span Auto-Calc");
    tipButton(Command3D13, &IncFrame, 3540, 2370, QuickTip);
    button3D(IncCalcButton, &IncFrame, 5100, 2250, 1200, 420, "OK");
    IncCalcButton.setFontBold(true);
}

void Form1::designMultipleSpans()
{
    frame3D(MultiFrame, nullptr, 3480, 3600, 6720, 2775, "Continuous Beam with Multiple Spans");
    MultiFrame.setVisible(false);
    tipButton(Command3D31, &MultiFrame, 6480, 30, QuickTip);
    option3D(TwoSpan, &MultiFrame, 240, 420, 1560, 255, "Two Spans");
    TwoSpan.setValue(true);
    option3D(ThreeSpan, &MultiFrame, 240, 780, 1560, 255, "Three Spans");
    button3D(CancelMultiSpan, &MultiFrame, 240, 2160, 1200, 375, "Cancel");

    label(Label56, &MultiFrame, 2160, 300, 2400, 255, "Continuous Beam with");
    label(Label52, &MultiFrame, 2160, 600, 4200, 255, "Uniform Load");
    Label52.setTransparent(false);
    Label52.setBackColor(Teal);
    Label52.setForeColor(White);
    Label52.setAlignment(platform::Alignment::Center);

    // The beam from R1 at 2160 to the last support at 6360: three supports for two spans, four for three.
    drawLine(Line34, MultiFrame, 2160, 1140, 3560, 1140, 2);
    drawLine(Line35, MultiFrame, 3560, 1140, 4960, 1140, 2);
    drawLine(Line36, MultiFrame, 4960, 1140, 6360, 1140, 2);
    drawLine(Line37, MultiFrame, 3560, 1140, 3560, 1320, 2);
    drawLine(Line38, MultiFrame, 4960, 1140, 4960, 1320, 2);
    drawLine(Line39, MultiFrame, 2160, 1680, 6360, 1680, 1);
    Line39.setLineStyle(platform::LineStyle::Dot);
    for (platform::Line* threeSpanLine : {&Line34, &Line35, &Line36, &Line37, &Line38, &Line39}) {
        threeSpanLine->setVisible(false);
    }
    drawLine(Line40, MultiFrame, 2160, 1140, 4260, 1140, 2);
    drawLine(Line41, MultiFrame, 4260, 1140, 6360, 1140, 2);
    drawLine(Line42, MultiFrame, 4260, 1140, 4260, 1320, 2);

    label(Label53, &MultiFrame, 2040, 1380, 255, 255, "R1");
    label(Label57, &MultiFrame, 3440, 1380, 255, 255, "R2");
    Label57.setVisible(false);
    label(Label59, &MultiFrame, 4140, 1380, 255, 255, "R2");
    label(Label55, &MultiFrame, 4840, 1380, 255, 255, "R3");
    Label55.setVisible(false);
    label(Label54, &MultiFrame, 6240, 1380, 255, 255, "R3");
    label(Label58, &MultiFrame, 2160, 1740, 4200, 255, "");
    label(Label51, &MultiFrame, 2160, 2040, 4440, 660,
          "All spans are EQUAL in length with a continuous uniform load. Enter load magnitude at  'Uniform "
          "Load' "
          "at left. Enter ONE SPAN length under 'BeamSpan in feet' above.");
    Label51.setWordWrap(true);
}

} // namespace app
