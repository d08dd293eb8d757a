// The sketch of the stud wall data record: a stud elevation of 2295 by 3975 twips with the axial load
// arrow on top, the three stacked wind load blocks C, B and A with their End and Beg marks, and the notes.
#include "columns/StudSketch.h"

#include "platform/forms/Pictures.h"

namespace columns
{

namespace
{

platform::DrawnPicture sketch()
{
    platform::DrawnPicture p;
    p.width = 2295;
    p.height = 3975;
    auto line = [&](double x1, double y1, double x2, double y2) { p.lines.push_back({x1, y1, x2, y2}); };
    auto text = [&](double x, double y, const char* t, bool bold = false) {
        p.texts.push_back({x, y, t, 7, bold});
    };
    // Axial (gravity) load: a downward arrow onto the top of the stud.
    text(1150, 120, "Axial (gravity) load: R");
    line(1300, 260, 1300, 520);
    line(1220, 440, 1300, 520);
    line(1380, 440, 1300, 520);
    // The stud: two long sides, its top and its foot.
    line(1200, 560, 1200, 3480);
    line(1400, 560, 1400, 3480);
    line(1200, 560, 1400, 560);
    line(1200, 3480, 1400, 3480);
    // Down the left side.
    text(330, 1700, "Wind Loads");
    text(330, 2100, "Stud Height");
    line(330, 600, 330, 1550);
    line(330, 2250, 330, 3450);
    // Three blocks of horizontal load lines against the stud, C at the top, A at the bottom.
    const char* names[] = {"C", "B", "A"};
    for (int block = 0; block < 3; ++block) {
        const double top = 700 + 930.0 * block;
        text(620, top - 60, "End");
        text(620, top + 760, block == 2 ? "Beg 0" : "Beg");
        text(860, top + 350, names[block], true);
        for (double y = top; y <= top + 700; y += 140) {
            line(950, y, 1190, y);
            line(1130, y - 40, 1190, y);
            line(1130, y + 40, 1190, y);
        }
        line(950, top, 950, top + 700);
    }
    text(1150, 3750, "Loads B and C are optional.");
    return p;
}

} // namespace

void registerStudSketch()
{
    platform::registerDrawnPicture(StudSketchPicture, sketch());
}

} // namespace columns
