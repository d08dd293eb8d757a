// Form1's reading of the settings file at load: the record is read whole, checked, and only then
// applied to Form1, the report header form, the settings form and the shared settings.
#include "app/Form1.h"
#include "app/Form13.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "platform/core/Number.h"
#include "platform/core/Record.h"
#include "platform/forms/Runtime.h"
#include "report/Form7.h"

#include <string>
#include <string_view>

namespace app
{

namespace
{

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

// A check box value of the settings form turns its flag on (1) or off (0); any other value leaves it.
void applyCheckBoxFlag(std::int16_t checkBox, std::int16_t& flag)
{
    if (checkBox == 1) {
        flag = -1;
    } else if (checkBox == 0) {
        flag = 0;
    }
}

constexpr const char* ForeignFileMessage =
    "A new Default Values file has been created for you.  You may set your default preferences at the menu "
    "bar "
    "of Form 1 by selecting OPTIONS, select SET DEFAULTS, and fill in your preferences.   PLEASE NOTE: ARIAL "
    "font is recommended for print-outs.";

} // namespace

void Form1::applySettingsFile()
{
    SharedState& s = m_program.state;
    const auto path = m_program.runtime.programFolder() / DefaultSettingsFileName;
    platform::createIfMissing(path);
    const platform::ReadResult file = platform::readRecord(path, DefaultSettingsRecordLength);
    s.DefaultSettings = readDefaultSettings(file.record);
    const DefaultSettingsRecord& r = s.DefaultSettings;

    // A new, empty file: the latest edition and centred forms, without a word.
    if (file.fileLength == 0) {
        s.NDS2018 = -1;
        s.CenterForms = -1;
        return;
    }
    // Another program's file, or a damaged one, is refused whole and changes nothing; the file keeps
    // its content until the user saves settings.
    if (!isApplicableSettings(r, file.fileLength)) {
        if (r.Marker == DefaultSettingsMarker) {
            // A short or damaged record must not pass for valid with the settings form later.
            s.DefaultSettings.Marker = 0;
        }
        m_program.runtime.msgBox(ForeignFileMessage, platform::Buttons::OK, platform::Icon::Information,
                                 "Korvanta");
        return;
    }

    report::Form7& form7 = m_program.form7;
    Form13& form13 = m_program.form13;
    s.DefaultHeading1 = trimmed(r.DefHead1);
    s.DefaultHeading2 = trimmed(r.DefHead2);
    form7.Heading1.setText(s.DefaultHeading1);
    form7.Heading2.setText(s.DefaultHeading2);
    form7.Initialbox.setText(trimmed(r.DefInitials));

    s.NDS2005 = r.NDS2005;
    s.NDS2012 = r.NDS2012;
    s.NDS2015 = r.NDS2015;
    s.NDS2018 = r.NDS2018;
    s.NDS1997 = r.defINGRADE == 0 ? -1 : 0;
    INGRADE.setValue(-1);
    showEditionCaptionAtLoad();

    Combo1.setListIndex(r.DefCombo);
    form7.HighDPI.setValue(r.Def600);
    s.PrintFontName = trimmed(r.FontCombo);
    for (std::size_t i = 0; i < DefaultLoadPairCount; ++i) {
        const int box = static_cast<int>(i);
        form13.Livedefault(box).setText(platform::num::numberText(r.Livedefault[i]));
        form13.TotalLoadDefault(box).setText(platform::num::numberText(r.TotalLoadDefault[i]));
    }
    ksi50.setValue(r.Def50ksi);
    form13.CenterFormCheckbox.setValue(r.CenterFormCheckbox);
    form13.DefaultPrinterCheckbox.setValue(r.DefaultPrinterCheckbox);
    applyCheckBoxFlag(r.CenterFormCheckbox, s.CenterForms);
    applyCheckBoxFlag(r.DefaultPrinterCheckbox, s.RestoreDefaultPrinter);
}

void Form1::showEditionCaptionAtLoad()
{
    const SharedState& s = m_program.state;
    if (s.NDS1997 != 0) {
        setCaption(" Korvanta Criteria Form 1  NDS 1997");
    } else if (s.NDS2018 == -1) {
        setCaption(" Korvanta Criteria Form 1  NDS 2018");
    } else if (s.NDS2015 == -1) {
        setCaption(" Korvanta Criteria Form 1  NDS 2015");
    } else if (s.NDS2012 == -1) {
        setCaption(" Korvanta Criteria Form 1  NDS 2012");
    } else if (s.NDS2005 == -1) {
        setCaption(" Korvanta Criteria Form 1  NDS 2005");
    } else if (s.NDS2001 == -1) {
        setCaption(" Korvanta Criteria Form 1  NDS 2001");
    }
}

} // namespace app
