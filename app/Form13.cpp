// Form13's load from the settings record in memory, its help, and the choices that act on the running
// program at once: the edition options, the two check boxes and the font list.
#include "app/Form13.h"

#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "app/SpeciesList.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "report/Form7.h"

#include <string>

namespace app
{

namespace
{
constexpr const char* Title = "Korvanta";
} // namespace

Form13::Form13(Program& program) : Form(program.runtime, "Form13"), m_program(program) {}

// Fills the form on every load: from the record in memory when it is valid, with the first-run
// choices otherwise.
void Form13::Form_Load()
{
    SharedState& s = m_program.state;
    // The form opens centred on the screen whatever CenterForms says.
    const platform::SizeTwips screen = m_program.runtime.screenSize();
    move((screen.width - width()) / 2, (screen.height - height()) / 2);

    platform::leaveOnError(
        [&] {
            defINGRADE.setVisible(false);
            for (const char* species : SpeciesListTexts) {
                DefCombo.addItem(species);
            }
            DefCombo.setListIndex(m_program.form1.Combo1.listIndex());

            const DefaultSettingsRecord& r = s.DefaultSettings;
            if (r.Marker != DefaultSettingsMarker) {
                CenterFormCheckbox.setValue(1);
                DefaultPrinterCheckbox.setValue(1);
                Def50ksi.setValue(-1);
                Def600.setValue(-1);
                showEdition();
                listPrinterFonts();
                return;
            }
            DefHead1.setText(s.DefaultHeading1);
            DefHead2.setText(s.DefaultHeading2);
            DefInitials.setText(m_program.form7.Initialbox.text());
            showEdition();
            Def600.setValue(m_program.form7.HighDPI.value());
            listPrinterFonts();
            if (s.PrintFontName.empty()) {
                s.PrintFontName = "Arial";
            }
            for (int i = 0; i < FontCombo.listCount(); ++i) {
                if (FontCombo.list(i) == s.PrintFontName) {
                    FontCombo.setListIndex(i);
                    break;
                }
            }
            for (std::size_t i = 0; i < DefaultLoadPairCount; ++i) {
                const int box = static_cast<int>(i);
                Livedefault(box).setText(platform::num::numberText(r.Livedefault[i]));
                TotalLoadDefault(box).setText(platform::num::numberText(r.TotalLoadDefault[i]));
            }
            Def50ksi.setValue(r.Def50ksi);
            CenterFormCheckbox.setValue(r.CenterFormCheckbox);
            DefaultPrinterCheckbox.setValue(r.DefaultPrinterCheckbox);
        },
        [&](const platform::RuntimeError&) {
            m_program.runtime.msgBox("Error loading default settings form. This error MAY be caused by the "
                                     "need for a printer driver to be installed so Korvanta can display the "
                                     "font choices. If you are not planning to print from this computer you "
                                     "will need to install a generic Windows printer driver.",
                                     platform::Buttons::OK, platform::Icon::Exclamation, Title);
        });
}

void Form13::Form_Activate()
{
    platform::leaveOnError(
        [&] {
            Label7.setCaption("Enter pairs of commonly used uniform loads in PSF for the 'spin' buttons next "
                              "to the Uniform Load entry boxes on form 1. Click on buttons labeled PLF  and "
                              "PSF to cycle thru your entries.");
            Label5.setCaption("You may set preferred default values here.  This information will be saved "
                              "to your hard disk and will automatically load every time you start "
                              "Korvanta.");
        },
        [&](const platform::RuntimeError&) {
            m_program.runtime.msgBox("A problem has been encountered opening the Set Defaults form. This may "
                                     "be due to not having a Printer Driver installed on your computer and "
                                     "the font names cannot be listed. Please install an appropriate printer "
                                     "driver (or any generic Windows print driver) and then you may access "
                                     "this menu.",
                                     platform::Buttons::OK, platform::Icon::None, Title);
        });
}

// Selects the option of the edition the program runs. Selecting an option runs its switch, so any
// other choice here would change the running program's edition merely by opening the form: with no
// flag set the program runs as 2001, and that is what the form shows.
void Form13::showEdition()
{
    const SharedState& s = m_program.state;
    if (s.NDS1997 != 0) {
        OptionNDS97.setValue(true);
        defINGRADE.setValue(0);
        return;
    }
    OptionNDS97.setValue(false);
    if (s.NDS2018 == -1) {
        OptionNDS18.setValue(true);
    } else if (s.NDS2015 == -1) {
        OptionNDS15.setValue(true);
    } else if (s.NDS2012 == -1) {
        OptionNDS12.setValue(true);
    } else if (s.NDS2005 == -1) {
        OptionNDS05.setValue(true);
    } else {
        OptionNDS91.setValue(true);
    }
    defINGRADE.setValue(-1);
}

// The chosen edition holds for the run; only a save writes it to the file.
void Form13::switchEdition(platform::OptionButton& chosen)
{
    SharedState& s = m_program.state;
    struct Edition
    {
        platform::OptionButton& option;
        std::int16_t& flag;
    };
    const Edition editions[] = {{OptionNDS18, s.NDS2018}, {OptionNDS15, s.NDS2015}, {OptionNDS12, s.NDS2012},
                                {OptionNDS05, s.NDS2005}, {OptionNDS91, s.NDS2001}, {OptionNDS97, s.NDS1997}};
    for (const Edition& e : editions) {
        if (&e.option != &chosen) {
            e.option.setValue(false);
        }
    }
    chosen.setValue(true);
    defINGRADE.setValue(&chosen == &OptionNDS97 ? 0 : -1);
    for (const Edition& e : editions) {
        e.flag = &e.option == &chosen ? -1 : 0;
    }
}

void Form13::listPrinterFonts()
{
    platform::Printer& printer = m_program.runtime.printer();
    const int count = printer.fontCount();
    for (int i = 0; i < count; ++i) {
        FontCombo.addItem(printer.font(i));
    }
}

void Form13::FontCombo_Click()
{
    m_program.state.PrintFontName = FontCombo.text();
}

void Form13::CenterFormCheckbox_Click()
{
    const int value = CenterFormCheckbox.value();
    if (value == 1) {
        m_program.state.CenterForms = -1;
    } else if (value == 0) {
        m_program.state.CenterForms = 0;
    }
}

void Form13::DefaultPrinterCheckbox_Click()
{
    const int value = DefaultPrinterCheckbox.value();
    if (value == 1) {
        m_program.state.RestoreDefaultPrinter = -1;
    } else if (value == 0) {
        m_program.state.RestoreDefaultPrinter = 0;
    }
}

// A load pair is empty, exactly "0", or a number above zero; "0.0", "00" and "0." are refused, so a
// user typing 0.5 from the left sees the message at the point and starts again with ".5".
void Form13::loadPairChange(platform::TextBox& box, const char* message)
{
    const std::string text = box.text();
    if (text.empty() || text == "0") {
        return;
    }
    if (platform::num::isNumberText(text) && platform::num::leadingNumber(text) > 0) {
        return;
    }
    m_program.runtime.beep();
    box.setText("");
    m_program.runtime.msgBox(message, platform::Buttons::OK, platform::Icon::None, Title);
}

void Form13::Command3D1_Click()
{
    m_program.runtime.msgBox(std::string("DEFAULT SETTINGS\r\rEnter a report header and make selections that "
                                         "you want automatically set when you start Korvanta.\r\rThese "
                                         "settings are kept in a file called ") +
                                 DefaultSettingsFileName + " located in your Korvanta Software Directory.",
                             platform::Buttons::OK, platform::Icon::None, Title);
}

// Writes nothing; the switches already made stay for the run.
void Form13::CmdCancel_Click()
{
    unload();
}

} // namespace app
