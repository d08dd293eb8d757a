// How Form3 looks; no logic here.
#include "app/DesignHelpers.h"
#include "wood/Form3.h"

namespace wood
{

using namespace app::design;

void Form3::design()
{
    setCaption(" Korvanta    Selection Form 2");
    setClientSize(6000, 1500);
    setBorderStyle(platform::BorderStyle::Fixed);

    label(MOMENT, nullptr, 240, 240, 5520, 255, "");
    MOMENT.setFontBold(true);
    label(Reac1, nullptr, 240, 600, 5520, 255, "");
    label(Reac2, nullptr, 240, 960, 5520, 255, "");
}

} // namespace wood
