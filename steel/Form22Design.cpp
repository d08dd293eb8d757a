// How Form22 looks; no logic here.
#include "app/DesignHelpers.h"
#include "steel/Form22.h"

namespace steel
{

using namespace app::design;

void Form22::design()
{
    setCaption(" Korvanta     Steel Selection Form 2");
    setClientSize(9000, 4200);
    setBorderStyle(platform::BorderStyle::Fixed);

    label(StlMoment, nullptr, 240, 240, 5520, 255, "");
    StlMoment.setFontBold(true);
    label(StlReac1, nullptr, 240, 600, 5520, 255, "");
    label(StlReac2, nullptr, 240, 960, 5520, 255, "");

    textBox(StlChoice, nullptr, 240, 1380, 1800, 0, White);
    for (int i = 0; i <= 15; ++i) {
        const double left = 240 + (i % 8) * 1080;
        const double top = 1800 + (i / 8) * 1140;
        button3D(StlPick[i], nullptr, left, top, 1020, 375, "");
        label(StlWidLab[i], nullptr, left, top + 420, 1020, 255, "");
        label(StlDepLab[i], nullptr, left, top + 675, 1020, 255, "");
    }
}

} // namespace steel
