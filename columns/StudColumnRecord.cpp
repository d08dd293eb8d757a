// The stud column record's one field list, walked by the writer and the reader, and the checks a record
// must pass before the stud boxes take any of it.
#include "columns/StudColumnRecord.h"

#include "columns/StudCheck.h"
#include "files/RecordKinds.h"
#include "platform/core/Number.h"
#include "platform/core/RecordFields.h"

#include <algorithm>

namespace columns
{

namespace
{

template <class Io> void walkStudColumnRecord(Io& io, StudColumnValues& v)
{
    io.i16(v.marker);
    io.text(35, v.columnProj);
    io.text(30, v.columnDescription);
    io.text(25, v.columnID);
    io.text(8, v.axialPlf);
    io.text(8, v.windA);
    io.text(8, v.windB);
    io.text(8, v.windC);
    io.text(8, v.begA);
    io.text(8, v.begB);
    io.text(6, v.begC); // narrower than its neighbours; the box takes 5 characters all the same
    io.text(8, v.endA);
    io.text(8, v.endB);
    io.text(8, v.endC);
    io.text(8, v.height);
    io.i16(v.breadth);
    io.i16(v.depth);
    io.text(8, v.spacing);
    io.text(30, v.species);
    io.text(6, v.fb);
    io.text(6, v.fc);
    io.text(6, v.e);
    io.text(8, v.axialPoint);
    io.text(8, v.axialDuration);
    io.text(8, v.windDuration);
    io.text(1, v.repWindStud);
    io.text(1, v.repIbc);
    for (std::string& note : v.notes) {
        io.text(85, note);
    }
}

bool checkDigit(const std::string& text)
{
    return text == "0" || text == "1" || text == "2";
}

// The list positions first: they are judged before any text is read.
bool numbersApplicable(const StudColumnValues& v)
{
    return v.breadth >= -1 && v.breadth < static_cast<int>(StudBreadths.size()) && v.depth >= -1 &&
           v.depth < static_cast<int>(StudDepths.size());
}

bool textsApplicable(const StudColumnValues& v)
{
    if (!checkDigit(v.repWindStud) || !checkDigit(v.repIbc)) {
        return false;
    }
    const std::string* boxes[] = {&v.axialPlf,      &v.windA,       &v.windB, &v.windC, &v.begA,
                                  &v.begB,          &v.begC,        &v.endA,  &v.endB,  &v.endC,
                                  &v.height,        &v.fb,          &v.fc,    &v.e,     &v.axialPoint,
                                  &v.axialDuration, &v.windDuration};
    return std::all_of(std::begin(boxes), std::end(boxes),
                       [](const std::string* t) { return studEntryAccepts(*t); }) &&
           studSpacingAccepts(v.spacing);
}

} // namespace

bool studEntryAccepts(const std::string& text)
{
    return text.empty() || (platform::num::isNumberText(text) && platform::num::leadingNumber(text) >= 0);
}

bool studSpacingAccepts(const std::string& text)
{
    return text == "0" || (platform::num::isNumberText(text) && platform::num::leadingNumber(text) >= 0);
}

platform::Record encodeStudColumnRecord(const StudColumnValues& values)
{
    platform::Record record(StudColumnRecordLength);
    StudColumnValues copy = values;
    copy.marker = StudColumnMarker;
    platform::RecordSequenceWriter writer{record};
    walkStudColumnRecord(writer, copy);
    return record;
}

DecodedStudColumnRecord decodeStudColumnRecord(std::span<const std::uint8_t> bytes)
{
    const files::RecordKindInfo& kind = files::recordKind(files::RecordKind::StudColumn);
    const platform::RecordView view(bytes, StudColumnRecordLength);
    if (const platform::RecordDecision first =
            files::judgeMarkerAndLength(kind, bytes, StudColumnRecordLength);
        !first.accepted()) {
        return DecodedStudColumnRecord::refused(first);
    }
    DecodedStudColumnRecord result;
    platform::RecordSequenceNumberReader numbers{view};
    walkStudColumnRecord(numbers, result.values);
    if (!numbersApplicable(result.values)) {
        return DecodedStudColumnRecord::refused(StudColumnRefusal::NotLoaded, kind.loadFailed);
    }
    platform::RecordSequenceReader reader{view};
    walkStudColumnRecord(reader, result.values);
    if (!textsApplicable(result.values)) {
        return DecodedStudColumnRecord::refused(StudColumnRefusal::NotLoaded, kind.loadFailed);
    }
    return result;
}

} // namespace columns
