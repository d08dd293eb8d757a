// How Form13 looks and which handler each event calls; no logic here.
#include "app/DesignHelpers.h"
#include "app/Form13.h"
#include "app/FormHelpers.h"

namespace app
{

using namespace design;

void Form13::design()
{
    setCaption(" Korvanta Default Settings");
    setClientSize(9300, 7470);
    setBorderStyle(platform::BorderStyle::Fixed);

    label(Label5, nullptr, 1920, 120, 5415, 465, "");
    Label5.setTransparent(false);
    Label5.setBackColor(LightGrey);
    Label5.setWordWrap(true);
    tipButton(Command3D1, nullptr, 7980, 645, "");
    label(Label1, nullptr, 1200, 645, 6135, 195,
          "Optional Print-out Header: Enter your company address and phone here.");

    textBox(DefHead1, nullptr, 1140, 888, 7032, 110, WindowColour);
    DefHead1.setAlignment(platform::Alignment::Center);
    DefHead1.setHeight(288);
    // The record holds 110 characters, but the second heading line has always taken 70.
    textBox(DefHead2, nullptr, 1140, 1200, 7032, 70, WindowColour);
    DefHead2.setAlignment(platform::Alignment::Center);
    DefHead2.setHeight(288);
    label(Label3, nullptr, 1470, 1800, 1125, 195, "User Initials");
    textBox(DefInitials, nullptr, 1620, 2025, 852, 8, WindowColour);
    DefInitials.setAlignment(platform::Alignment::Center);
    DefInitials.setHeight(300);
    label(Label7, nullptr, 4800, 1920, 3675, 810, "");
    Label7.setWordWrap(true);

    option3D(OptionNDS18, nullptr, 3120, 1920, 1335, 255, "NDS 2018");
    option3D(OptionNDS15, nullptr, 3120, 2280, 1335, 255, "NDS 2015");
    option3D(OptionNDS12, nullptr, 3120, 2640, 1335, 255, "NDS 2012");
    option3D(OptionNDS05, nullptr, 3120, 3000, 1335, 255, "NDS 2005");
    check3D(Def50ksi, nullptr, 1530, 2580, 1275, 225, " 50 ksi Steel");
    option3D(OptionNDS97, nullptr, 1080, 2880, 1335, 255, "NDS 1997");
    option3D(OptionNDS91, nullptr, 1080, 3120, 1335, 255, "NDS 2001");

    label(Label8, nullptr, 6210, 3075, 780, 195, "LL (PSF)");
    label(Label9, nullptr, 7020, 3075, 780, 195, "TL (PSF)");
    for (int i = 0; i <= 4; ++i) {
        textBox(Livedefault(i), nullptr, 6255, 3360 + 360 * i, 696, 6, LightYellow);
        Livedefault(i).setAlignment(platform::Alignment::Center);
        Livedefault(i).setHeight(288);
        textBox(TotalLoadDefault(i), nullptr, 7125, 3360 + 360 * i, 660, 6, WindowColour);
        TotalLoadDefault(i).setAlignment(platform::Alignment::Center);
        TotalLoadDefault(i).setHeight(288);
    }
    label(Label10, nullptr, 1560, 3420, 3135, 495,
          "To temporarily change the NDS edition, select year above, and then select Close.");
    Label10.setWordWrap(true);

    label(Label2, nullptr, 1530, 3960, 2055, 195, "Default Species Group");
    place(DefCombo, nullptr, 1470, 4200, 3372, 315);
    DefCombo.setStyle(platform::ComboStyle::DropDownList);
    label(Label6, nullptr, 1530, 4575, 3195, 195, "Printout font   ( Arial font is recommended )");
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

    place(CmdSave, nullptr, 1200, 6000, 3165, 372);
    CmdSave.setCaption("Save as Defaults (keep changes)");
    CmdSave.setDefault(true);
    place(CmdCancel, nullptr, 4920, 6000, 3105, 372);
    CmdCancel.setCaption("Close (exit without changes)");

    check3D(Def600, nullptr, 1200, 6480, 3615, 255, "600 dpi printout (if you have a 600 dpi printer) ");
    check3D(defINGRADE, nullptr, 5040, 6480, 2430, 255, "On is 91 NDS, Off is 97 NDS.");

    // Tab order as the form reads: headings, initials, editions, load pairs, lists, buttons.
    int tab = 0;
    for (platform::Control* c : std::initializer_list<platform::Control*>{
             &DefHead1, &DefHead2, &DefInitials, &OptionNDS18, &OptionNDS15, &OptionNDS12, &OptionNDS05,
             &Def50ksi, &OptionNDS97, &OptionNDS91}) {
        c->setTabIndex(tab++);
    }
    for (int i = 0; i <= 4; ++i) {
        Livedefault(i).setTabIndex(tab++);
        TotalLoadDefault(i).setTabIndex(tab++);
    }
    for (platform::Control* c : std::initializer_list<platform::Control*>{
             &DefCombo, &FontCombo, &DefaultPrinterCheckbox, &CenterFormCheckbox, &CmdSave, &CmdCancel,
             &Def600, &defINGRADE}) {
        c->setTabIndex(tab++);
    }

    FontCombo.click([this] { FontCombo_Click(); });
    CenterFormCheckbox.click([this] { CenterFormCheckbox_Click(); });
    DefaultPrinterCheckbox.click([this] { DefaultPrinterCheckbox_Click(); });
    for (platform::OptionButton* option :
         {&OptionNDS18, &OptionNDS15, &OptionNDS12, &OptionNDS05, &OptionNDS97, &OptionNDS91}) {
        option->click([this, option] { switchEdition(*option); });
    }
    for (int i = 0; i <= 4; ++i) {
        platform::TextBox& live = Livedefault(i);
        platform::TextBox& total = TotalLoadDefault(i);
        live.change([this, &live] {
            loadPairChange(live, "Please enter a valid numeric value for the Live Load PSF setting");
        });
        total.change([this, &total] {
            loadPairChange(total, "Please enter a valid numeric value for the Total Load PSF setting");
        });
        live.gotFocus([this] { SelectFieldText(m_program); });
        total.gotFocus([this] { SelectFieldText(m_program); });
    }
    for (platform::TextBox* box : {&DefHead1, &DefHead2, &DefInitials}) {
        box->gotFocus([this] { SelectFieldText(m_program); });
    }
    Command3D1.click([this] { Command3D1_Click(); });
    CmdSave.click([this] { CmdSave_Click(); });
    CmdCancel.click([this] { CmdCancel_Click(); });
}

} // namespace app
