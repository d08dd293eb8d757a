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

void showEditionCaptionAtLoad(Form1& form1, const SharedState& s)
{
    if (s.NDS1997 != 0) {
        form1.setCaption(" Korvanta Criteria Form 1  NDS 1997");
    } else if (s.NDS2018 == -1) {
        form1.setCaption(" Korvanta Criteria Form 1  NDS 2018");
    } else if (s.NDS2015 == -1) {
        form1.setCaption(" Korvanta Criteria Form 1  NDS 2015");
    } else if (s.NDS2012 == -1) {
        form1.setCaption(" Korvanta Criteria Form 1  NDS 2012");
    } else if (s.NDS2005 == -1) {
        form1.setCaption(" Korvanta Criteria Form 1  NDS 2005");
    } else if (s.NDS2001 == -1) {
        form1.setCaption(" Korvanta Criteria Form 1  NDS 2001");
    }
}

} // namespace

void Form1::applySettingsFile()
{
    SharedState& s = m_program.state;
    const auto path = m_program.runtime.programFolder() / DefaultSettingsFileName;
    platform::createIfMissing(path);
    const platform::ReadResult file = platform::readRecord(path, DefaultSettingsRecordLength);
    // What the file holds stays in memory, applied or not: the settings form writes back what it does not
    // show, and a refused file's record must not pass for valid with it later.
    s.DefaultSettings = readDefaultSettings(file.record);

    // A new, empty file: the latest edition and centred forms, without a word.
    if (file.fileLength == 0) {
        s.NDS2018 = -1;
        s.CenterForms = -1;
        return;
    }
    // Another program's file, or a damaged one, is refused whole and changes nothing; the file keeps
    // its content until the user saves settings.
    const auto decoded = decodeDefaultSettingsRecord(file.fileBytes());
    if (!decoded.accepted()) {
        if (decoded.refusal == platform::RecordRefusal::NotLoaded) {
            s.DefaultSettings.Marker = 0;
        }
        m_program.runtime.msgBox(decoded.message, platform::Buttons::OK, platform::Icon::Information,
                                 "Korvanta");
        return;
    }
    applyDefaultSettings(m_program, decoded.values);
}

void applyDefaultSettings(Program& program, const DefaultSettingsRecord& r)
{
    SharedState& s = program.state;
    Form1& form1 = program.form1;
    report::Form7& form7 = program.form7;
    Form13& form13 = program.form13;
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
    form1.INGRADE.setValue(-1);
    showEditionCaptionAtLoad(form1, s);

    form1.Combo1.setListIndex(r.DefCombo);
    form7.HighDPI.setValue(r.Def600);
    s.PrintFontName = trimmed(r.FontCombo);
    for (std::size_t i = 0; i < DefaultLoadPairCount; ++i) {
        const int box = static_cast<int>(i);
        form13.Livedefault(box).setText(platform::num::numberText(r.Livedefault[i]));
        form13.TotalLoadDefault(box).setText(platform::num::numberText(r.TotalLoadDefault[i]));
    }
    form1.ksi50.setValue(r.Def50ksi);
    form13.CenterFormCheckbox.setValue(r.CenterFormCheckbox);
    form13.DefaultPrinterCheckbox.setValue(r.DefaultPrinterCheckbox);
    applyCheckBoxFlag(r.CenterFormCheckbox, s.CenterForms);
    applyCheckBoxFlag(r.DefaultPrinterCheckbox, s.RestoreDefaultPrinter);
}

} // namespace app
