// How Form4 looks; no logic here.
#include "app/DesignHelpers.h"
#include "beam/Form4.h"

namespace beam
{

using namespace app::design;

void Form4::design()
{
    setCaption("");
    setClientSize(4500, 1290);
    setBorderStyle(platform::BorderStyle::FixedDialog);

    // The raised panel fills the window; the label and the progress bar lie on it.
    place(Panel3D1, nullptr, 0, 0, 4500, 1290);
    Panel3D1.setBevelOuter(2);
    label(Label1, &Panel3D1, 240, 180, 4020, 255, "Korvanta Calculating...");
    Label1.setAlignment(platform::Alignment::Center);
    Label1.setFontBold(true);
    place(Pan, &Panel3D1, 240, 600, 4020, 375);
    Pan.setBevelOuter(1);
    Pan.setFloodPercent(0);
}

} // namespace beam
