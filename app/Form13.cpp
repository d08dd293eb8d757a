// Form13's load from the settings record in memory and the switches that act at once.
#include "app/Form13.h"

#include "app/Program.h"
#include "app/SpeciesList.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"

namespace app
{

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
                OptionNDS18.setValue(true);
                defINGRADE.setValue(-1);
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
                                     "need for a printer driver to "
                                     "be installed so Korvanta can display the font choices. If you are not "
                                     "planning to print from this "
                                     "computer you will need to install a generic Windows printer driver.",
                                     platform::Buttons::OK, platform::Icon::Exclamation, "Korvanta");
        });
}

// With no edition flag set the program runs as 2001, yet the form has always offered 2015 then.
void Form13::showEdition()
{
    const SharedState& s = m_program.state;
    if (s.NDS1997 == -1) {
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
    } else if (s.NDS2001 == -1) {
        OptionNDS91.setValue(true);
    } else {
        OptionNDS15.setValue(true);
    }
    defINGRADE.setValue(-1);
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

} // namespace app
