// The three notch drawings: the member end on its support, the notch, and the dimensions the notch form
// asks for, in twips of a 2520 x 3880 picture.
#include "notch/NotchPictures.h"

#include "platform/forms/Pictures.h"

namespace notch
{

namespace
{
constexpr double Width = 2520, Height = 3880;
constexpr double Tick = 60;

struct Sketch
{
    platform::DrawnPicture picture{Width, Height, {}, {}};

    void line(double x1, double y1, double x2, double y2) { picture.lines.push_back({x1, y1, x2, y2}); }
    void text(double x, double y, const char* text, double points = 9, bool bold = false)
    {
        picture.texts.push_back({x, y, text, points, bold});
    }
    void path(std::initializer_list<std::pair<double, double>> points)
    {
        const std::pair<double, double>* previous = nullptr;
        for (const auto& point : points) {
            if (previous != nullptr) {
                line(previous->first, previous->second, point.first, point.second);
            }
            previous = &point;
        }
    }
    // A vertical dimension with its ticks and its letter beside it.
    void vertical(double x, double y1, double y2, const char* label, double labelX)
    {
        line(x, y1, x, y2);
        line(x - Tick, y1, x + Tick, y1);
        line(x - Tick, y2, x + Tick, y2);
        text(labelX, (y1 + y2) / 2, label);
    }
    void horizontal(double y, double x1, double x2, const char* label, double labelY)
    {
        line(x1, y, x2, y);
        line(x1, y - Tick, x1, y + Tick);
        line(x2, y - Tick, x2, y + Tick);
        text((x1 + x2) / 2, labelY, label);
    }
    // The support reaction V, an arrow pointing up at the member.
    void reaction(double x, double from, double to)
    {
        line(x, from, x, to);
        line(x, to, x - 60, to + 120);
        line(x, to, x + 60, to + 120);
        text(x, from + 140, "V");
    }
    void title(const char* caption) { text(Width / 2, 250, caption, 10, true); }
    // The member continues: a break line at its right end.
    void breakLine(double x, double top, double bottom)
    {
        const double mid = (top + bottom) / 2;
        path({{x, top}, {x, mid - 120}, {x - 70, mid - 40}, {x + 70, mid + 40}, {x, mid + 120}, {x, bottom}});
    }
    void box(double left, double top, double right, double bottom)
    {
        path({{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}});
    }
};

platform::DrawnPicture tension()
{
    Sketch s;
    s.title("Tension Notch");
    s.path({{2150, 1000}, {450, 1000}, {450, 1900}, {1000, 1900}, {1000, 2200}, {2150, 2200}});
    s.breakLine(2150, 1000, 2200);
    s.box(450, 1900, 900, 2600);
    s.reaction(675, 3200, 2700);
    s.vertical(2330, 1000, 2200, "d", 2440);
    s.vertical(250, 1000, 1900, "dn", 120);
    return s.picture;
}

platform::DrawnPicture compression()
{
    Sketch s;
    s.title("Compression Notch");
    s.path({{2150, 1000}, {1300, 1000}, {1300, 1300}, {450, 1300}, {450, 2200}, {2150, 2200}});
    s.breakLine(2150, 1000, 2200);
    s.box(450, 2200, 900, 2900);
    s.reaction(675, 3500, 3000);
    s.vertical(2330, 1000, 2200, "d", 2440);
    s.vertical(250, 1300, 2200, "dn", 120);
    s.horizontal(800, 900, 1300, "e", 650);
    return s.picture;
}

platform::DrawnPicture tapered()
{
    // A rafter at 6 in 12 on its wall plate; the seat cut leaves dn at the inside face of the wall.
    Sketch s;
    s.title("Tapered Notch");
    s.path({{2150, 775}, {500, 1600}, {500, 2200}, {1100, 2200}, {2150, 1675}});
    s.breakLine(2150, 775, 1675);
    s.box(500, 2200, 1100, 3000);
    s.horizontal(3150, 500, 1100, "t", 3290);
    s.reaction(800, 3620, 3330);
    s.vertical(1100, 1300, 2200, "dn", 1240);
    s.line(1900, 1800, 1540, 1080); // square to the rafter: its depth rd
    s.text(1820, 1340, "rd");
    s.vertical(2330, 775, 1675, "d", 2440);
    s.horizontal(2450, 1100, 1500, "e", 2590);
    s.path({{1700, 700}, {2100, 700}, {2100, 500}, {1700, 700}});
    s.text(1900, 820, "12");
    s.text(2240, 600, "rp");
    return s.picture;
}
} // namespace

void registerNotchPictures()
{
    platform::registerDrawnPicture(TensionNotchPicture, tension());
    platform::registerDrawnPicture(CompressionNotchPicture, compression());
    platform::registerDrawnPicture(TaperedNotchPicture, tapered());
}

} // namespace notch
