// How Form5 looks; no logic here.
#include "app/DesignHelpers.h"
#include "report/Form5.h"

namespace report
{

using namespace app::design;

void Form5::design()
{
    setCaption(" Korvanta         Report Form 3");
    setClientSize(9000, 6000);
    setBorderStyle(platform::BorderStyle::Fixed);

    frame3D(Frame3D1, nullptr, 120, 120, 8760, 5760, "Beam Test Report");
}

} // namespace report
