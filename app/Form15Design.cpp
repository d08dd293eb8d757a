// How Form15 looks and which handler each event calls; no logic here.
#include "app/DesignHelpers.h"
#include "app/Form15.h"

namespace app
{

using namespace design;

void Form15::design()
{
    setCaption(" About Korvanta");
    setClientSize(4680, 2400);
    setBorderStyle(platform::BorderStyle::FixedDialog);

    label(Label1, nullptr, 240, 360, 4200, 375, "Korvanta 2023");
    Label1.setAlignment(platform::Alignment::Center);
    Label1.setFont(platform::FontSpec{"Arial", 13.5, true});
    Label1.setForeColor(Navy);
    label(Label2, nullptr, 240, 900, 4200, 255, "Version 2023.0");
    Label2.setAlignment(platform::Alignment::Center);
    button3D(Command1, nullptr, 1740, 1620, 1200, 420, "Done");

    Command1.click([this] { Command1_Click(); });
}

} // namespace app
