// How Form11 looks at load: every box, support and caption at its design place.
#include "app/DesignHelpers.h"
#include "report/Form11.h"

namespace report
{

using namespace app::design;

namespace
{

void boxed(platform::Label& l, double left, double top, double width, double height, std::string_view caption)
{
    label(l, nullptr, left, top, width, height, caption);
    l.setBorderStyle(1);
    l.setAlignment(platform::Alignment::Center);
}

void centred(platform::Label& l, double left, double top, double width, double height,
             std::string_view caption)
{
    label(l, nullptr, left, top, width, height, caption);
    l.setAlignment(platform::Alignment::Center);
}

void triangle(platform::Line& a, platform::Line& b, platform::Line& c, double apex, double from, double to,
              double base)
{
    a.setPoints(apex, 2460, from, base);
    b.setPoints(to, base, apex, 2460);
    c.setPoints(from, base, to, base);
}

} // namespace

void Form11::design()
{
    setCaption(" Korvanta   Load Location Diagram");
    setClientSize(9180, 3675);
    setBorderStyle(platform::BorderStyle::FixedDialog);

    button3D(Command3D1, nullptr, 7380, 180, 1515, 435, "Close");
    label(Label1, nullptr, 1188, 2160, 5220, 288, "");
    Label1.setBorderStyle(1);
    boxed(UnifLabel, 1200, 1890, 5208, 228, "Uniform Load  A");
    constexpr double parTops[] = {1620, 1350, 1080, 810, 548};
    constexpr double parWidths[] = {1212, 1095, 975, 855, 795};
    for (int i = 0; i < 5; ++i) {
        const auto k = static_cast<std::size_t>(i);
        boxed(ParLab(i), 1200, parTops[k], parWidths[k], 228, std::string(1, static_cast<char>('H' + i)));
        const bool white = i >= 1 && i <= 3;
        ParLab(i).setTransparent(false);
        ParLab(i).setBackColor(white ? White : platform::SystemButtonFace);
    }
    constexpr double ptLefts[] = {1224, 1440, 1680, 1920, 2160, 2412};
    for (int i = 0; i < 6; ++i) {
        const auto k = static_cast<std::size_t>(i);
        boxed(PtLab(i), ptLefts[k], 288, i == 0 || i == 5 ? 192 : 195, 228,
              std::string(1, static_cast<char>('B' + i)));
        PtLab(i).setTransparent(false);
        PtLab(i).setBackColor(White);
    }
    centred(Label2, 300, 2220, 855, 195, "Pt Loads");
    triangle(Line1, Line2, Line3, 1200, 990, 1410, 2670);
    triangle(Line4, Line5, Line6, 6390, 6180, 6600, 2670);
    triangle(Line7, Line8, Line9, 3870, 3660, 4080, 2676);
    triangle(Line10, Line11, Line12, 2910, 2700, 3120, 2676);
    triangle(Line13, Line14, Line15, 4710, 4500, 4920, 2676);
    centred(Label6, 480, 2700, 1452, 192, "R1");
    centred(Label15, 2280, 2700, 1272, 192, "R2");
    centred(Label16, 3300, 2700, 1152, 192, "R2");
    centred(Label17, 4380, 2700, 732, 192, "R3");
    centred(Label7, 5580, 2700, 1692, 192, "R2");
    label(Label18, nullptr, 7200, 2700, 2112, 192, "");
    centred(Label3, 2220, 2940, 3252, 252, "Label3");
    label(Label4, nullptr, 6780, 2940, 2235, 255, "Label4");
    centred(Loadinfo, 300, 3240, 8652, 192, "");
    label(Label12, nullptr, 324, 3756, 612, 192, "");
    platform::FontSpec noteHeading;
    noteHeading.italic = true;
    noteHeading.underline = true;
    Label12.setFont(noteHeading);
    platform::Label* notes[] = {&Label5, &Label8, &Label9, &Label10, &Label11, &Label13, &Label14};
    for (std::size_t i = 0; i < std::size(notes); ++i) {
        label(*notes[i], nullptr, 1140, 3756 + 240.0 * static_cast<double>(i), 8052, 216, "");
    }

    Command3D1.click([this] { Command3D1_Click(); });
}

} // namespace report
