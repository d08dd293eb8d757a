// How Form2 looks; no logic here.
#include "app/DesignHelpers.h"
#include "scl/Form2.h"

namespace scl
{

using namespace app::design;

void Form2::design()
{
    setCaption(" Korvanta     Custom Values Form 2");
    setClientSize(6000, 2340);
    setBorderStyle(platform::BorderStyle::Fixed);

    label(MOMENT, nullptr, 240, 240, 5520, 255, "");
    MOMENT.setFontBold(true);
    label(Reac1, nullptr, 240, 600, 5520, 255, "");
    label(Reac2, nullptr, 240, 960, 5520, 255, "");

    frame3D(FormFrame, nullptr, 240, 1380, 3000, 780, "Timber Shape");
    option3D(Rectoption, &FormFrame, 120, 240, 2640, 255, "Rectangular");
    Rectoption.setValue(true);
    option3D(Roundoption, &FormFrame, 120, 480, 2640, 255, "Round");
}

} // namespace scl
