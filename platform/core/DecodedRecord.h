// The decision on a record file's bytes, made before anything is touched: the typed record, or the
// refusal with the message it earns. A loader shows the message or applies the record; the decision
// itself opens no file and shows nothing.
#pragma once

#include <string_view>

namespace platform
{

enum class RecordRefusal
{
    None,
    WrongKind, // no whole marker, or another kind's (or program's) file
    NotLoaded  // the kind's marker, but cut short or holding a value the record cannot be applied with
};

struct RecordDecision
{
    RecordRefusal refusal = RecordRefusal::None;
    // The message the refusal earns, a text of the program's own that outlives the result; empty when
    // the record is accepted.
    std::string_view message;

    bool accepted() const { return refusal == RecordRefusal::None; }
};

template <class Values> struct DecodedRecord : RecordDecision
{
    // The record, converted to the current layout where the file holds an older one; default values
    // after a refusal.
    Values values;

    static DecodedRecord refused(RecordRefusal why, std::string_view message) { return {{why, message}, {}}; }
    static DecodedRecord refused(const RecordDecision& why) { return {why, {}}; }
};

} // namespace platform
