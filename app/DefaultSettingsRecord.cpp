// Layout of the settings record, its reading and writing, and the decision on a settings file.
#include "app/DefaultSettingsRecord.h"

#include "app/SpeciesList.h"
#include "platform/core/RecordFields.h"

#include <cmath>

namespace app
{

namespace
{

// The one field list of the record, in file order. Io reads a Record into the values, writes the
// values into a Record, or only notes where each field lies.
template <class Io, class Settings> void walkDefaultSettingsRecord(Io& io, Settings& s)
{
    io.i16(0, s.Marker);
    io.text(2, 110, s.DefHead1);
    io.text(112, 110, s.DefHead2);
    io.text(222, 8, s.DefInitials);
    io.i16(230, s.defINGRADE);
    io.i16(232, s.DefCombo);
    io.i16(234, s.Def600);
    io.text(236, 30, s.FontCombo);
    for (std::size_t i = 0; i < DefaultLoadPairCount; ++i) {
        io.f32(266 + 4 * i, s.Livedefault[i]);
    }
    for (std::size_t i = 0; i < DefaultLoadPairCount; ++i) {
        io.f32(286 + 4 * i, s.TotalLoadDefault[i]);
    }
    io.i16(306, s.Def50ksi);
    io.i16(308, s.Reserved);
    io.i16(310, s.NDS2005);
    io.i16(312, s.NDS2012);
    io.i16(314, s.NDS2015);
    io.i16(316, s.NDS2018);
    io.i16(318, s.CenterFormCheckbox);
    io.i16(320, s.DefaultPrinterCheckbox);
}

struct LayoutNotes
{
    std::vector<RecordField> fields;
    void i16(std::size_t offset, std::int16_t) { fields.push_back({offset, FieldKind::Int16, 2}); }
    void f32(std::size_t offset, float) { fields.push_back({offset, FieldKind::Single, 4}); }
    void text(std::size_t offset, std::size_t width, const std::string&)
    {
        fields.push_back({offset, FieldKind::Text, width});
    }
};

bool isCheckBoxValue(std::int16_t value)
{
    return value >= 0 && value <= 2;
}

// Every field but the texts is judged, so a refusal reads no text.
bool numbersApplicable(const DefaultSettingsRecord& settings)
{
    if (settings.DefCombo < 0 || settings.DefCombo >= SpeciesCount) {
        return false;
    }
    // The settings form's two check boxes take 0, 1 or 2 (greyed); anything else cannot be shown.
    if (!isCheckBoxValue(settings.CenterFormCheckbox) || !isCheckBoxValue(settings.DefaultPrinterCheckbox)) {
        return false;
    }
    for (std::size_t i = 0; i < DefaultLoadPairCount; ++i) {
        if (!std::isfinite(settings.Livedefault[i]) || !std::isfinite(settings.TotalLoadDefault[i])) {
            return false;
        }
    }
    return true;
}

constexpr const char* RefusedMessage =
    "A new Default Values file has been created for you.  You may set your default preferences at the menu "
    "bar of Form 1 by selecting OPTIONS, select SET DEFAULTS, and fill in your preferences.   PLEASE NOTE: "
    "ARIAL font is recommended for print-outs.";

} // namespace

DefaultSettingsRecord readDefaultSettings(const platform::Record& record)
{
    DefaultSettingsRecord settings;
    platform::RecordFieldReader reader{record};
    walkDefaultSettingsRecord(reader, settings);
    return settings;
}

platform::Record writeDefaultSettings(const DefaultSettingsRecord& settings)
{
    platform::Record record(DefaultSettingsRecordLength);
    platform::RecordFieldWriter writer{record};
    walkDefaultSettingsRecord(writer, settings);
    return record;
}

std::vector<RecordField> defaultSettingsLayout()
{
    LayoutNotes notes;
    const DefaultSettingsRecord settings;
    walkDefaultSettingsRecord(notes, settings);
    return notes.fields;
}

platform::DecodedRecord<DefaultSettingsRecord>
decodeDefaultSettingsRecord(std::span<const std::uint8_t> bytes)
{
    using Decoded = platform::DecodedRecord<DefaultSettingsRecord>;
    const platform::RecordView view(bytes, DefaultSettingsRecordLength);
    if (bytes.size() < 2 || view.i16(0) != DefaultSettingsMarker) {
        return Decoded::refused(platform::RecordRefusal::WrongKind, RefusedMessage);
    }
    if (bytes.size() < DefaultSettingsRecordLength) {
        return Decoded::refused(platform::RecordRefusal::NotLoaded, RefusedMessage);
    }
    Decoded result;
    platform::RecordNumberReader numbers{view};
    walkDefaultSettingsRecord(numbers, result.values);
    if (!numbersApplicable(result.values)) {
        return Decoded::refused(platform::RecordRefusal::NotLoaded, RefusedMessage);
    }
    platform::RecordFieldReader reader{view};
    walkDefaultSettingsRecord(reader, result.values);
    return result;
}

} // namespace app
