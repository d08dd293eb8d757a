// How Form16 looks; no logic here.
#include "app/DesignHelpers.h"
#include "report/Form16.h"

#include <cmath>

namespace report
{

using namespace app::design;

namespace
{

constexpr std::uint32_t Maroon = platform::rgb(128, 0, 0);
constexpr std::uint32_t Blue = platform::rgb(0, 0, 255);

void text(platform::Label& l, double left, double top, double width, std::string_view caption,
          bool bold = true)
{
    label(l, nullptr, left, top, width, 195, caption);
    if (!bold) {
        l.setFont(platform::FontSpec{});
    }
}

void maroon(platform::Label& l, double left, double top, std::string_view caption)
{
    text(l, left, top, 420, caption);
    l.setForeColor(Maroon);
}

void heading(platform::Label& l, double left, double top, double width, std::string_view caption)
{
    label(l, nullptr, left, top, width, 255, caption);
    platform::FontSpec font{"MS Sans Serif", 9.75, true, false, true};
    l.setFont(font);
    l.setAlignment(platform::Alignment::Center);
}

void twoLines(platform::Label& l, double left, double top, std::string_view caption)
{
    label(l, nullptr, left, top, 1320, 390, caption);
    l.setFont(platform::FontSpec{});
    l.setWordWrap(true);
    l.setAlignment(platform::Alignment::Center);
}

void dotted(platform::Line& line, double x1, double y1, double x2, double y2)
{
    line.setPoints(x1, y1, x2, y2);
    line.setLineStyle(platform::LineStyle::Dot);
}

void rafter(platform::Line& line, double x1, double y1, double x2, double y2)
{
    line.setPoints(x1, y1, x2, y2);
    line.setBorderColor(Blue);
}

// A thin line from beside a caption to the part it names, ending in a short thick tick on the part.
void leader(platform::Line& line, platform::Line& tick, double fromX, double fromY, double toX, double toY)
{
    constexpr double tickLength = 60;
    line.setPoints(fromX, fromY, toX, toY);
    const double back = tickLength / std::hypot(toX - fromX, toY - fromY);
    tick.setPoints(toX - (toX - fromX) * back, toY - (toY - fromY) * back, toX, toY);
    tick.setBorderWidth(3);
}

void wall(platform::Shape& shape, double left, double top, double width, double height)
{
    place(shape, nullptr, left, top, width, height);
}

} // namespace

void Form16::design()
{
    setCaption(" Increasing Loads ( Hips and Valleys ) Diagram");
    setClientSize(6255, 6195);
    setBorderStyle(platform::BorderStyle::FixedDialog);
    setFont(boldSans());

    heading(Label11, 1080, 180, 4200, "Possible contributing loads on a valley");
    maroon(Label1, 3720, 540, "Non-Supported Ridge");
    Label1.setWidth(1800);
    text(Label6, 2340, 660, 300, "R1");
    twoLines(Label5(0), 1380, 900, " Weight at R1 = zero PLF");
    Label5(0).setLeft(1180);
    maroon(Label10, 3360, 1020, "Yes");
    maroon(Label9, 3360, 1440, "Yes");
    maroon(Label8, 3060, 1740, "Yes");
    maroon(Label7, 2640, 1740, "No");
    text(Label3, 4620, 1500, 1080, "Valley beam");
    maroon(Label2, 360, 1620, "Supported Ridge");
    Label2.setWidth(1500);
    text(Label25, 240, 1860, 1800, "(such as a ridge beam)", false);
    label(Label24, nullptr, 1260, 2340, 2700, 390,
          "'Yes' denotes an area contributing load to the hip or valley member.");
    Label24.setFont(platform::FontSpec{});
    Label24.setWordWrap(true);
    text(Label4, 4080, 2340, 300, "R2");
    twoLines(Label23(0), 4440, 2340, "Weight at R2 = maximum PLF");
    heading(Label19, 1020, 3000, 4200, "Possible contributing loads on a hip ridge");
    twoLines(Label23(1), 2580, 3420, "Weight at R2 = maximum PLF");
    text(Label17, 2160, 3600, 360, " R2");
    text(Label22, 4620, 3780, 600, "Wall");
    text(Label21, 180, 3960, 780, "Rafters");
    maroon(Label12, 1260, 4140, "No");
    maroon(Label13, 1950, 4860, "No");
    maroon(Label15, 1680, 4140, "Yes");
    maroon(Label16, 1950, 4440, "Yes");
    heading(Label20, 4320, 4980, 1500, "PLAN VIEWS");
    text(Label18, 780, 5280, 300, "R1");
    text(Label14, 2220, 5400, 1000, "Hip Ridge");
    twoLines(Label5(1), 240, 5520, " Weight at R1 = zero PLF");
    place(Cmd_OK, nullptr, 4512, 5568, 1272, 336);
    Cmd_OK.setCaption("Close");

    // The valley plan: the square from (2580, 900) to (3960, 2280) with the valley beam across it.
    dotted(ValleyEdge(0), 2580, 900, 3960, 900);
    dotted(ValleyEdge(1), 3960, 900, 3960, 2280);
    dotted(ValleyEdge(2), 2580, 900, 2580, 2280);
    dotted(ValleyEdge(3), 2580, 2280, 3960, 2280);
    ValleyBeam.setPoints(2580, 900, 3960, 2280);
    ValleyBeam.setBorderWidth(3);
    constexpr double valleyRafters[] = {2880, 3300, 3780};
    for (int i = 0; i < 3; ++i) {
        const double x = valleyRafters[static_cast<std::size_t>(i)];
        const double y = 900 + (x - 2580); // where the rafter meets the valley beam
        rafter(ValleyRafter(2 * i), x, 900, x, y);
        rafter(ValleyRafter(2 * i + 1), x, y, 3960, y);
    }
    // The hip plan below, its apex at (2520, 3840).
    HipRidge.setPoints(2520, 3840, 1080, 5280);
    HipRidge.setBorderWidth(3);
    HipEave.setPoints(1080, 5280, 3960, 5280);
    dotted(HipEdge(0), 2520, 3840, 3960, 3840);
    dotted(HipEdge(1), 1080, 3540, 1080, 5280);
    for (int i = 0; i < 3; ++i) {
        const double x = 1140 + 360.0 * i;
        const double y = 5280 - (x - 1080); // where the rafter meets the hip ridge
        rafter(HipRafter(2 * i), x, y, x, 5220);
        rafter(HipRafter(2 * i + 1), 1080, y, x, y);
    }
    wall(Wall(0), 1080, 3540, 75, 1755);
    wall(Wall(1), 3900, 3540, 75, 1755);
    wall(Wall(2), 1080, 5220, 2895, 75);
    wall(Wall(3), 3900, 1560, 75, 735);
    wall(Wall(4), 3240, 2220, 735, 75);

    // Leaders: to the top edge of the valley plan, to its left edge, to the valley beam between two
    // rafters, to the outer corner of the walls where the valley beam ends, to the upper rafter of the
    // hip plan, to the right wall, and to the hip ridge.
    leader(Leader(0), LeaderTick(0), 3690, 660, 3540, 900);
    leader(Leader(1), LeaderTick(1), 1650, 1710, 2580, 1710);
    leader(Leader(2), LeaderTick(2), 4590, 1590, 3600, 1920);
    leader(Leader(3), LeaderTick(3), 4065, 2430, 3975, 2295);
    leader(Leader(4), LeaderTick(4), 750, 4080, 1380, 4500);
    leader(Leader(5), LeaderTick(5), 4590, 3870, 3975, 4020);
    leader(Leader(6), LeaderTick(6), 2200, 5430, 1620, 4740);

    Cmd_OK.click([this] { Cmd_OK_Click(); });
}

} // namespace report
