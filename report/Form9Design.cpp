// How Form9 looks; no logic here.
#include "app/DesignHelpers.h"
#include "report/Form9.h"

namespace report
{

using namespace app::design;

namespace
{

constexpr std::uint32_t Red = platform::rgb(192, 0, 0);

void regular(platform::Label& l, double left, double top, double width, double height,
             std::string_view caption)
{
    label(l, nullptr, left, top, width, height, caption);
    l.setFont(platform::FontSpec{});
}

void centredRegular(platform::Label& l, double left, double top, double width, double height,
                    std::string_view caption)
{
    regular(l, left, top, width, height, caption);
    l.setAlignment(platform::Alignment::Center);
}

void centredBold(platform::Label& l, double left, double top, double width, double height,
                 std::string_view caption)
{
    label(l, nullptr, left, top, width, height, caption);
    l.setAlignment(platform::Alignment::Center);
}

void panel(platform::Panel& p, double left, double top, double width, double height, std::string_view caption)
{
    place(p, nullptr, left, top, width, height);
    p.setCaption(caption);
}

} // namespace

void Form9::design()
{
    setCaption(" Korvanta       Load Entry Diagram");
    setClientSize(8595, 7365);
    setStartUpPosition(platform::StartUpPosition::CenterOwner);
    setBorderStyle(platform::BorderStyle::Sizable);
    setFont(boldSans());

    centredBold(Label19, 1044, 180, 3792, 228, "Enter backspan loads in WHITE boxes...");
    Label19.setBorderStyle(1);
    Label19.setTransparent(false);
    Label19.setBackColor(White);
    centredBold(Label20, 5148, 180, 2424, 228, "O.H. loads in BLUE boxes");
    Label20.setBorderStyle(1);
    Label20.setTransparent(false);
    Label20.setBackColor(Navy);
    Label20.setForeColor(White);
    for (platform::Label* zero : {&Label9, &Label11}) {
        centredBold(*zero, zero == &Label9 ? 840 : 4980, 456, 252, 252, "0");
        zero->setForeColor(Red);
    }
    centredRegular(Label8, 1500, 636, 2292, 192, "Distance to a Point Load");
    centredRegular(Label14, 5280, 636, 2052, 192, "Distance to a Point Load");
    centredRegular(Label6, 2580, 876, 492, 192, "End");
    centredRegular(Label13, 5940, 876, 432, 192, "End");
    centredRegular(Label5, 1380, 1116, 552, 192, "Start");
    centredRegular(Label12, 5160, 1116, 552, 192, "Start");
    panel(Panel3D4, 2232, 1476, 1752, 328, "Partial Uniform");
    panel(Panel3D5, 936, 1800, 4188, 324, "Uniform Load");
    panel(Panel3D3, 5760, 1800, 1392, 324, "Partial Uniform");
    Panel3D3.setBackColor(Navy);
    Panel3D3.setForeColor(White);
    panel(Panel3D1, 936, 2124, 6528, 288, "Beam Self-weight");
    centredBold(Label16, 2040, 2436, 1992, 192, "SPAN");
    centredBold(Label10, 5760, 2436, 1332, 192, "OVERHANG");
    centredRegular(Label18, 1620, 2676, 2832, 252, "(Backspan of overhanging beams)");
    centredBold(Label3, 780, 2880, 492, 192, "R 1");
    centredBold(Label2, 4860, 2880, 492, 192, "R 2");
    centredBold(Label1, 540, 3120, 1032, 252, "Reaction 1");
    centredBold(Label4, 4560, 3120, 1092, 252, "Reaction 2");
    regular(
        Label7, 540, 3510, 2415, 975,
        "SPAN is the distance from R1 to R2 plus a minimum of 1-1/2 inches at each end or 1/2 the minimum "
        "required bearing area.");
    Label7.setWordWrap(true);
    regular(
        Label17, 3180, 3510, 4755, 975,
        "Enter Overhang data in blue boxes only. Overhang Length is determined by the largest distance or "
        "end "
        "value entered.  A Uniform load on the overhang should be entered as a Partial Uniform Load, Start "
        "distance = 0 (at R2), End distance = end of overhang.");
    Label17.setWordWrap(true);
    regular(
        Label15, 480, 4920, 7455, 1395,
        "UNBALANCED LOADS:   An overhanging member should be analyzed for unbalanced loads if it is "
        "supporting "
        "a floor load or if it is supporting roof live loading less than 20 psf.  After sizing a member with "
        "full live and dead loads, test it with the live load removed from the overhang to verify the "
        "maximum "
        "moment in the backspan and deflections.  Test again with the live load removed from the backspan to "
        "check for possible uplift at R1.  'Unbalance buttons' below the point load entry boxes will do "
        "these "
        "subtractions for you. Click the 'Restore loads' button after the unbalanced beam has been tested to "
        "restore the original loads.");
    Label15.setWordWrap(true);
    place(Command1, nullptr, 3120, 6480, 1932, 432);
    Command1.setCaption("Close");

    ZeroR1.setPoints(960, 696, 960, 1716);
    ZeroR1.setBorderColor(Red);
    ZeroR2.setPoints(5100, 696, 5100, 1716);
    ZeroR2.setBorderColor(Red);
    // Backspan and overhang: to the point load, to the end and to the start of a partial load.
    constexpr double ys[] = {816, 1056, 1296};
    constexpr double backspanEnds[] = {4440, 3960, 2220};
    constexpr double overhangEnds[] = {7440, 7080, 5760};
    for (int i = 0; i < 3; ++i) {
        const auto k = static_cast<std::size_t>(i);
        Dimension(i).setPoints(960, ys[k], backspanEnds[k], ys[k]);
        Dimension(i + 3).setPoints(5100, ys[k], overhangEnds[k], ys[k]);
        DimensionEnd(i).setPoints(backspanEnds[k], ys[k] - 60, backspanEnds[k], ys[k] + 60);
        DimensionEnd(i + 3).setPoints(overhangEnds[k], ys[k] - 60, overhangEnds[k], ys[k] + 60);
        Line2(4 * i).setPoints(960, ys[k], 1020, ys[k]);
        Line2(4 * i + 1).setPoints(backspanEnds[k] - 60, ys[k], backspanEnds[k], ys[k]);
        Line2(4 * i + 2).setPoints(5100, ys[k], 5160, ys[k]);
        Line2(4 * i + 3).setPoints(overhangEnds[k] - 60, ys[k], overhangEnds[k], ys[k]);
    }
    for (int i = 0; i < 12; ++i) {
        Line2(i).setBorderWidth(3);
    }
    Rule.setPoints(480, 4680, 7920, 4680);
    place(SupportR1, nullptr, 780, 2436, 480, 480);
    SupportR1.setPicture("Support");
    place(SupportR2, nullptr, 4896, 2436, 480, 480);
    SupportR2.setPicture("Support");
    place(ArrowBackspan, nullptr, 4248, 1368, 480, 480);
    ArrowBackspan.setPicture("PointLoadArrow");
    place(ArrowOverhang, nullptr, 7236, 1656, 480, 480);
    ArrowOverhang.setPicture("PointLoadArrowNavy");

    Command1.click([this] { Command1_Click(); });
}

} // namespace report
