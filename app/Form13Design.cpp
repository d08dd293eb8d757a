// How Form13 looks and which handler each event calls; no logic here.
#include "app/DesignHelpers.h"
#include "app/Form13.h"

namespace app
{

using namespace design;

void Form13::design()
{
    setCaption(" Korvanta Default Settings");
    setClientSize(9300, 7470);
    setBorderStyle(platform::BorderStyle::Fixed);

    textBox(DefHead1, nullptr, 1140, 888, 7032, 110, WindowColour);
    DefHead1.setAlignment(platform::Alignment::Center);
    DefHead1.setHeight(288);
    // The record holds 110 characters, but the second heading line has always taken 70.
    textBox(DefHead2, nullptr, 1140, 1200, 7032, 70, WindowColour);
    DefHead2.setAlignment(platform::Alignment::Center);
    DefHead2.setHeight(288);
    textBox(DefInitials, nullptr, 1620, 2025, 852, 8, WindowColour);
    DefInitials.setAlignment(platform::Alignment::Center);
    DefInitials.setHeight(300);

    option3D(OptionNDS18, nullptr, 3120, 1920, 1335, 255, "NDS 2018");
    option3D(OptionNDS15, nullptr, 3120, 2280, 1335, 255, "NDS 2015");
    option3D(OptionNDS12, nullptr, 3120, 2640, 1335, 255, "NDS 2012");
    option3D(OptionNDS05, nullptr, 3120, 3000, 1335, 255, "NDS 2005");
    check3D(Def50ksi, nullptr, 1530, 2580, 1275, 225, " 50 ksi Steel");
    option3D(OptionNDS97, nullptr, 1080, 2880, 1335, 255, "NDS 1997");
    option3D(OptionNDS91, nullptr, 1080, 3120, 1335, 255, "NDS 2001");

    for (int i = 0; i <= 4; ++i) {
        textBox(Livedefault(i), nullptr, 6255, 3360 + 360 * i, 696, 6, LightYellow);
        Livedefault(i).setAlignment(platform::Alignment::Center);
        Livedefault(i).setHeight(288);
        textBox(TotalLoadDefault(i), nullptr, 7125, 3360 + 360 * i, 660, 6, WindowColour);
        TotalLoadDefault(i).setAlignment(platform::Alignment::Center);
        TotalLoadDefault(i).setHeight(288);
    }

    place(DefCombo, nullptr, 1470, 4200, 3372, 315);
    DefCombo.setStyle(platform::ComboStyle::DropDownList);
    place(FontCombo, nullptr, 1455, 4815, 3372, 315);
    FontCombo.setStyle(platform::ComboStyle::DropDownList);
    FontCombo.setToolTipText("Arial is recommended");

    // Intrinsic check boxes, ticked when the form is created.
    place(DefaultPrinterCheckbox, nullptr, 1800, 5400, 2565, 315);
    DefaultPrinterCheckbox.setCaption("Always Restore Default Printer");
    DefaultPrinterCheckbox.setValue(1);
    place(CenterFormCheckbox, nullptr, 5280, 5400, 2655, 225);
    CenterFormCheckbox.setCaption("Automatically Center User Forms");
    CenterFormCheckbox.setValue(1);

    check3D(Def600, nullptr, 1200, 6480, 3615, 255, "600 dpi printout (if you have a 600 dpi printer) ");
    check3D(defINGRADE, nullptr, 5040, 6480, 2430, 255, "On is 91 NDS, Off is 97 NDS.");

    FontCombo.click([this] { FontCombo_Click(); });
    CenterFormCheckbox.click([this] { CenterFormCheckbox_Click(); });
    DefaultPrinterCheckbox.click([this] { DefaultPrinterCheckbox_Click(); });
}

} // namespace app
