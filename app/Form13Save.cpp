// Form13's save: the record in memory takes the form's values, the settings file is written whole,
// and the running program takes the new defaults.
#include "app/Form1.h"
#include "app/Form13.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "platform/core/Number.h"
#include "platform/core/Record.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "report/Form7.h"

#include <string>

namespace app
{

namespace
{

constexpr const char* Title = "Korvanta";
constexpr int SteelBeamsPosition = 9;

std::int16_t flagOf(bool on)
{
    return on ? -1 : 0;
}

// The settings form's check boxes turn their flag on (1) or off (0); a greyed box leaves it.
void applyCheckBox(int value, std::int16_t& flag)
{
    if (value == 1) {
        flag = -1;
    } else if (value == 0) {
        flag = 0;
    }
}

} // namespace

void Form13::CmdSave_Click()
{
    SharedState& s = m_program.state;
    platform::Runtime& runtime = m_program.runtime;
    if (s.PrintFontName != "ARIAL" && s.PrintFontName != "Arial" && s.PrintFontName != "arial") {
        runtime.msgBox("Please Note: Arial is the recommended printout font. You have selected another font "
                       "that may or may not display well on your printouts.",
                       platform::Buttons::OK, platform::Icon::Exclamation, Title);
    }
    const bool saved = platform::leaveOnError(
        [&] {
            copyIntoRecord();
            platform::writeRecord(runtime.programFolder() / DefaultSettingsFileName,
                                  writeDefaultSettings(s.DefaultSettings));
            applyCheckBox(DefaultPrinterCheckbox.value(), s.RestoreDefaultPrinter);
            applyCheckBox(CenterFormCheckbox.value(), s.CenterForms);

            report::Form7& form7 = m_program.form7;
            form7.Heading1.setText(DefHead1.text());
            form7.Heading2.setText(DefHead2.text());
            s.DefaultHeading1 = DefHead1.text();
            s.DefaultHeading2 = DefHead2.text();
            form7.Initialbox.setText(DefInitials.text());

            Form1& form1 = m_program.form1;
            form1.INGRADE.setValue(defINGRADE.value());
            form1.Combo1.setListIndex(DefCombo.listIndex());

            form7.HighDPI.setValue(Def600.value());
            s.PrintFontName = FontCombo.text();

            unload();
            runtime.msgBox("Your default settings were recorded and are ready for use.",
                           platform::Buttons::OK, platform::Icon::None, Title);
            applyEditionFromRecord();
            captionCriteriaForm();
        },
        [&](const platform::RuntimeError&) {
            runtime.msgBox(
                "Your default file was not saved.\r\rThe default settings are kept in a file in your "
                "Korvanta Software directory or C:\\ root directory and named Korvanta2023.ini\r\r"
                "Check to see if this file exists and if access to drive C is available.",
                platform::Buttons::OK, platform::Icon::Exclamation, Title);
        });
    if (!saved) {
        unload();
    }
}

// The record in memory takes the new values before the file is written, so a failed write still
// leaves them for the next opening of the form.
void Form13::copyIntoRecord()
{
    DefaultSettingsRecord& r = m_program.state.DefaultSettings;
    r.Marker = DefaultSettingsMarker;
    r.DefHead1 = DefHead1.text();
    r.DefHead2 = DefHead2.text();
    r.DefInitials = DefInitials.text();
    r.defINGRADE = flagOf(defINGRADE.value() != 0);
    r.DefCombo = static_cast<std::int16_t>(DefCombo.listIndex());
    r.Def600 = flagOf(Def600.value() != 0);
    r.FontCombo = FontCombo.text();
    for (std::size_t i = 0; i < DefaultLoadPairCount; ++i) {
        const int box = static_cast<int>(i);
        r.Livedefault[i] = platform::num::toSingle(platform::num::leadingNumber(Livedefault(box).text()));
        r.TotalLoadDefault[i] =
            platform::num::toSingle(platform::num::leadingNumber(TotalLoadDefault(box).text()));
    }
    r.Def50ksi = flagOf(Def50ksi.value() != 0);
    r.NDS2005 = flagOf(OptionNDS05.value());
    r.NDS2012 = flagOf(OptionNDS12.value());
    r.NDS2015 = flagOf(OptionNDS15.value());
    r.NDS2018 = flagOf(OptionNDS18.value());
    r.CenterFormCheckbox = static_cast<std::int16_t>(CenterFormCheckbox.value());
    r.DefaultPrinterCheckbox = static_cast<std::int16_t>(DefaultPrinterCheckbox.value());
}

// The record has no field for 2001: with none of the four edition fields set the flags keep the
// edition the program runs.
void Form13::applyEditionFromRecord()
{
    SharedState& s = m_program.state;
    const DefaultSettingsRecord& r = s.DefaultSettings;
    if (r.defINGRADE == 0) {
        s.NDS1997 = -1;
    } else {
        s.NDS1997 = 0;
        std::int16_t* flags[] = {&s.NDS2018, &s.NDS2015, &s.NDS2012, &s.NDS2005};
        const std::int16_t fields[] = {r.NDS2018, r.NDS2015, r.NDS2012, r.NDS2005};
        for (std::size_t i = 0; i < 4; ++i) {
            if (fields[i] == -1) {
                for (std::size_t j = 0; j < 4; ++j) {
                    *flags[j] = j == i ? -1 : 0;
                }
                break;
            }
        }
    }
    m_program.form1.INGRADE.setValue(-1);
}

void Form13::captionCriteriaForm()
{
    const SharedState& s = m_program.state;
    Form1& form1 = m_program.form1;
    if (form1.Combo1.listIndex() == SteelBeamsPosition) {
        form1.setCaption(" Korvanta Criteria Form 1");
        form1.ksi50.setValue(s.DefaultSettings.Def50ksi);
        form1.Incised.setVisible(false);
        form1.Incised.setValue(0);
        return;
    }
    const char* edition = nullptr;
    if (s.NDS1997 != 0) {
        edition = "NDS 1997";
    } else if (s.NDS2018 == -1) {
        edition = "NDS 2018";
    } else if (s.NDS2015 == -1) {
        edition = "NDS 2015";
    } else if (s.NDS2012 == -1) {
        edition = "NDS 2012";
    } else if (s.NDS2005 == -1) {
        edition = "NDS 2005";
    } else if (s.NDS2001 == -1) {
        edition = "NDS 2001";
    }
    if (edition == nullptr) {
        return;
    }
    form1.setCaption(std::string(" Korvanta Criteria Form 1  ") + edition);
    form1.Incised.setVisible(true);
    form1.Incised.setValue(0);
}

} // namespace app
