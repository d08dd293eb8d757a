// The notch record's one field list, walked by the writer and the reader, and the checks a record must
// pass before the notch form takes any of it.
#include "notch/NotchRecord.h"

#include "notch/NotchTables.h"
#include "platform/core/RecordFields.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace notch
{

namespace
{
// Walks the fields in file order; the two layouts differ only in the width of the three project texts.
template <class Io>
void walkNotchRecord(Io& io, NotchRecordValues& v, std::size_t nameWidth, std::size_t textWidth)
{
    io.i16(v.marker);
    io.text(10, v.date);
    io.text(nameWidth, v.projectName);
    io.text(textWidth, v.description);
    io.text(textWidth, v.location);
    io.text(10, v.maxV);
    io.text(10, v.breadth);
    io.text(10, v.depth);
    io.i16(v.memberType);
    io.i16(v.species);
    io.i16(v.notchType);
    io.text(5, v.edition);
    io.text(10, v.fv);
    io.i16(v.wetUse);
    io.i16(v.shearFactor);
    io.text(10, v.duration);
    io.text(10, v.rd);
    io.text(10, v.t);
    io.i16(v.pitchInDegrees);
    io.text(10, v.rp);
    io.text(10, v.e);
    io.text(10, v.dn);
    io.text(10, v.an);
    io.text(10, v.minSpan);
    io.text(10, v.angle);
    io.text(10, v.fvAdj);
    io.text(10, v.criticalFv);
    io.text(10, v.ratio);
    io.text(30, v.status);
}

constexpr std::size_t NameWidth = 30, TextWidth = 35;
constexpr std::size_t OldNameWidth = 20;
constexpr std::array<std::string_view, 4> Editions{"2018", "2015", "2012", "2005"};
constexpr std::array<std::string_view, 4> Durations{"1.0", "1.15", "1.25", "0.9"};

bool listed(std::span<const std::string_view> list, const std::string& text)
{
    return std::find(list.begin(), list.end(), text) != list.end();
}

constexpr const char* InvalidFile = "Could not load the Notchwise Data record.\r\rOnly a valid Notchwise "
                                    "Notch file may be opened here. If you save all of your Notch files "
                                    "with the extension *.NWD, you can easily find them and open them in "
                                    "this form.";

// Every value the restore applies must fit its control: list positions in their rebuilt lists, list
// texts present, check box values 0 to 2. The numbers are judged before any text is read.
bool numbersApplicable(const NotchRecordValues& v)
{
    if (v.memberType < 0 || v.memberType > 2) {
        return false;
    }
    const bool gluLam = v.memberType == 2;
    if (v.species < -1 || v.species >= notchSpeciesCount(gluLam)) {
        return false;
    }
    const int notchCount = v.memberType == 1 ? 1 : 3; // a log offers only the tension notch
    if (v.notchType < 0 || v.notchType >= notchCount) {
        return false;
    }
    return v.wetUse >= 0 && v.wetUse <= 2 && v.shearFactor >= 0 && v.shearFactor <= 2;
}

// An empty edition keeps the form's edition.
bool textsApplicable(const NotchRecordValues& v)
{
    return (v.edition.empty() || listed(Editions, v.edition)) && listed(Durations, v.duration);
}
} // namespace

platform::Record encodeNotchRecord(const NotchRecordValues& values)
{
    platform::Record record(NotchRecordLength);
    NotchRecordValues copy = values;
    copy.marker = NotchMarker;
    platform::RecordSequenceWriter writer{record};
    walkNotchRecord(writer, copy, NameWidth, TextWidth);
    return record;
}

DecodedNotchRecord decodeNotchRecord(std::span<const std::uint8_t> bytes)
{
    const platform::RecordView view(bytes, NotchRecordLength);
    const std::int16_t marker = bytes.size() < 2 ? 0 : view.i16(0);
    const bool old = marker == OldNotchMarker;
    if ((!old && marker != NotchMarker) || bytes.size() < (old ? OldNotchRecordLength : NotchRecordLength)) {
        return DecodedNotchRecord::refused(NotchRecordRefusal::WrongKind, InvalidFile);
    }
    const std::size_t nameWidth = old ? OldNameWidth : NameWidth;
    const std::size_t textWidth = old ? OldNameWidth : TextWidth;
    DecodedNotchRecord result;
    platform::RecordSequenceNumberReader numbers{view};
    walkNotchRecord(numbers, result.values, nameWidth, textWidth);
    if (!numbersApplicable(result.values)) {
        return DecodedNotchRecord::refused(NotchRecordRefusal::NotLoaded, NotchNotLoadedMessage);
    }
    platform::RecordSequenceReader reader{view};
    walkNotchRecord(reader, result.values, nameWidth, textWidth);
    if (!textsApplicable(result.values)) {
        return DecodedNotchRecord::refused(NotchRecordRefusal::NotLoaded, NotchNotLoadedMessage);
    }
    return result;
}

} // namespace notch
