// How Form9 looks; no logic here.
#include "app/DesignHelpers.h"
#include "report/Form9.h"

namespace report
{

using namespace app::design;

void Form9::design()
{
    setCaption(" Korvanta       Load Entry Diagram");
    setClientSize(9600, 6720);
    move(600, 600);
    setBorderStyle(platform::BorderStyle::FixedDialog);

    place(Image1, nullptr, 120, 120, 9360, 5880);
    Image1.setPicture("LoadEntryDiagram");
    button3D(Command1, nullptr, 4080, 6150, 1440, 420, "Close");

    Command1.click([this] { Command1_Click(); });
}

} // namespace report
