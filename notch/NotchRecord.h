// The notch record file (*.NWD): one fixed-layout record with the texts, list positions and check box
// values of the notch form. The current layout (marker 112, 319 bytes) is written; the older one
// (marker 111, 279 bytes, shorter project texts) is still read.
#pragma once

#include "platform/core/DecodedRecord.h"
#include "platform/core/Record.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace notch
{

constexpr std::int16_t NotchMarker = 112;
constexpr std::int16_t OldNotchMarker = 111;
constexpr std::size_t NotchRecordLength = 319;
constexpr std::size_t OldNotchRecordLength = 279;

struct NotchRecordValues
{
    std::int16_t marker = NotchMarker;
    std::string date, projectName, description, location;
    std::string maxV, breadth, depth;
    std::int16_t memberType = 0, species = 0, notchType = 0;
    std::string edition, fv;
    std::int16_t wetUse = 0, shearFactor = 0;
    std::string duration, rd, t;
    std::int16_t pitchInDegrees = 0; // 1 degrees, 0 rise per 12 in.
    std::string rp, e, dn;
    // The result captions: written for the reader's eye, never read back.
    std::string an, minSpan, angle, fvAdj, criticalFv, ratio, status;
    bool operator==(const NotchRecordValues&) const = default;
};

platform::Record encodeNotchRecord(const NotchRecordValues& values);

using NotchRecordRefusal = platform::RecordRefusal;
using DecodedNotchRecord = platform::DecodedRecord<NotchRecordValues>;

// The loader's failure message: for a record holding a value the notch form cannot take, as for a cancel
// or a read error.
constexpr const char* NotchNotLoadedMessage = "The Notchwise Data was not Loaded.";

// Reads either layout and checks every value the restore will apply, before anything is changed: a file
// with neither marker or shorter than its marker's layout is refused as WrongKind, a value the form
// cannot take as NotLoaded.
DecodedNotchRecord decodeNotchRecord(std::span<const std::uint8_t> bytes);

} // namespace notch
