// The seven kinds of user record file: each kind's extension, record length, markers, dialog texts and
// messages, in one table.
#pragma once

#include "platform/core/DecodedRecord.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace files
{

enum class RecordKind
{
    CustomValues,
    SteelColumn,
    BeamCriteria,
    WoodColumn,
    StudColumn,
    BeamData,
    CustomPost
};

struct RecordKindInfo
{
    RecordKind kind;
    std::string_view extension; // as written in the patterns and default extension
    std::size_t length;
    std::int16_t writtenMarker;
    std::array<std::int16_t, 4> acceptedMarkers; // the first markerCount are read
    std::size_t markerCount;
    std::string_view openTitle;
    std::string_view saveTitle;
    std::string_view pattern;
    std::string_view filter;
    std::string_view savedSentence;
    std::string_view savedBlanks;
    std::string_view wrongKindMessage;
    std::string_view loadFailed;
    bool loadFailedExclamation;
    std::string_view saveFailed;
    // The post values file reports with plain boxes and without a beep.
    bool wrongKindExclamation = true;
    bool wrongKindBeep = true;
    bool saveFailedExclamation = true;
};

const RecordKindInfo& recordKind(RecordKind kind);
bool acceptsMarker(const RecordKindInfo& info, std::int16_t marker);
// Whether a file's bytes begin with a whole marker the kind reads; a file without one is no record of
// any kind.
bool startsWithMarker(const RecordKindInfo& info, std::span<const std::uint8_t> bytes);
// The first judgement of a one-layout kind: without a whole marker of the kind a file is another
// kind's; shorter than the layout it is cut short. Accepted means only that the fields can be read.
platform::RecordDecision judgeMarkerAndLength(const RecordKindInfo& info, std::span<const std::uint8_t> bytes,
                                              std::size_t length);

} // namespace files
