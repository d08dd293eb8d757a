// How Form22 looks; no logic here.
#include "app/DesignHelpers.h"
#include "steel/Form22.h"

namespace steel
{

using namespace app::design;

void Form22::design()
{
    setCaption(" Korvanta     Steel Selection Form 2");
    setClientSize(6000, 1500);
    setBorderStyle(platform::BorderStyle::Fixed);

    label(StlMoment, nullptr, 240, 240, 5520, 255, "");
    StlMoment.setFontBold(true);
    label(StlReac1, nullptr, 240, 600, 5520, 255, "");
    label(StlReac2, nullptr, 240, 960, 5520, 255, "");
}

} // namespace steel
