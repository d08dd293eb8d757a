// How Form7 looks; no logic here.
#include "app/DesignHelpers.h"
#include "report/Form7.h"

namespace report
{

using namespace app::design;

void Form7::design()
{
    setCaption(" Korvanta   Report Header Form");
    setClientSize(9000, 6600);
    setBorderStyle(platform::BorderStyle::Fixed);

    frame3D(Frame3D1, nullptr, 120, 120, 8760, 4680, "Report Header");
    textBox(Heading1, &Frame3D1, 1800, 600, 6735, 110, WindowColour);
    textBox(Heading2, &Frame3D1, 1800, 960, 6735, 110, WindowColour);
    label(Label4, &Frame3D1, 4620, 1470, 780, 255, "Initials");
    textBox(Initialbox, &Frame3D1, 5460, 1440, 900, 8, WindowColour);
    check3D(HighDPI, &Frame3D1, 6780, 2280, 1800, 255, "600 dpi printout");
}

} // namespace report
