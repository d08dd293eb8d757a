// How Form16 looks; no logic here.
#include "app/DesignHelpers.h"
#include "report/Form16.h"

namespace report
{

using namespace app::design;

void Form16::design()
{
    setCaption(" Increasing Loads ( Hips and Valleys ) Diagram");
    setClientSize(8400, 6240);
    move(900, 900);
    setBorderStyle(platform::BorderStyle::FixedDialog);

    place(Image1, nullptr, 120, 120, 8160, 5400);
    Image1.setPicture("HipsValleysDiagram");
    button3D(Cmd_OK, nullptr, 3480, 5670, 1440, 420, "Close");

    Cmd_OK.click([this] { Cmd_OK_Click(); });
}

} // namespace report
