// The beam criteria record (*.CRI, 1613 bytes): the criteria form, the report header, the notes, the
// selection, the edition flags and the custom values form's entries. Four layouts exist (-11, -12, -13
// and the current -2007); each later one appends fields. The writer writes the current one.
#pragma once

#include "platform/core/DecodedRecord.h"
#include "platform/core/Record.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace files
{

constexpr std::int16_t CriteriaLayout11 = -11;
constexpr std::int16_t CriteriaLayout12 = -12;
constexpr std::int16_t CriteriaLayout13 = -13;
constexpr std::int16_t CriteriaMarker = -2007;
constexpr std::size_t CriteriaRecordLength = 1613;

// The custom values form's entries: written with the criteria, never restored by the loader; the custom
// values form reads them back from the record buffer on the load-and-print path.
struct CriteriaCustomPart
{
    std::string product, fb, fv, e, fcPerp, breadth, depth, species, diameter;
    std::int16_t gluLamHeader = 0, gluLam = 0, southernPineLams = 0, class2x = 0, class4x = 0;
    std::int16_t msr = 0, mel = 0, timber = 0, rectangular = 0, round = 0;
    bool operator==(const CriteriaCustomPart&) const = default;
};

// Check boxes and options are -1 (set) or 0; a load type, spacing or contributing area counts as set
// only at -1. A field the record's layout does not hold is 0 or empty.
struct BeamCriteriaValues
{
    std::int16_t marker = CriteriaMarker;
    std::string project, description, beamId;
    float span = 0, duration = 0;                         // ft; load duration factor
    std::int16_t totalDeflection = 0, liveDeflection = 0; // L over this number
    std::int16_t speciesPosition = 0;                     // 0 to 9
    std::int16_t inGrade = 0, wet = 0, repetitive = 0;
    std::int16_t spacing12 = 0, spacing16 = 0, spacing19 = 0, spacing24 = 0;
    std::int16_t simpleSpan = 0, multipleSpans = 0, twoSpans = 0, overhang = 0, hipsAndValleys = 0;
    float uniformTotal = 0, uniformLive = 0;
    std::array<float, 6> pointTotal{}, pointLive{}, pointDistance{};
    std::array<float, 5> partialTotal{}, partialLive{}, partialEnd{};
    std::array<float, 5> partialStart{}; // 0.0001 for a start entered as 0, 0 for an empty one
    float hipRoofLive = 0, hipRoofTotal = 0, tributary1 = 0, tributary2 = 0;
    std::array<std::int16_t, 4> areas{};
    float hipUniformTotal = 0, hipUniformLive = 0;
    std::string heading1, heading2, initials;
    std::int16_t rafterPitch = 0;
    float pitch = 0, unbracedLength = 0;
    std::int16_t wideFlange = 0, standardFlange = 0, channel = 0, miscChannel = 0, tube = 0, flitch = 0,
                 doubleFlitch = 0;
    // Layouts -12, -13 and -2007.
    std::string selectionDescription, selectionStatus, date;
    float overhangUnbracedLength = 0;
    std::int16_t incised = 0, nds1997 = 0, ksi50 = 0;
    // Layouts -13 and -2007.
    std::array<std::string, 7> notes;
    std::int16_t nds2001 = 0, nds2005 = 0, nds2012 = 0, nds2015 = 0, nds2018 = 0;
    CriteriaCustomPart custom;
    // Layout -2007 alone.
    std::string selectionBreadth, selectionDepth, selectionSpecies, steelSelection;
    std::int16_t noWeight = 0;

    bool operator==(const BeamCriteriaValues&) const = default;
};

// Writes every field over the record (at least 1613 bytes), the marker included.
void encodeBeamCriteriaRecord(const BeamCriteriaValues& values, platform::Record& record);

// The decision on a criteria file's bytes: a marker of the four layouts, the bytes up to the end of the
// layout's last field, a species position of the list, finite numbers and check boxes of -1 or 0 (the
// fields only compared with -1 are taken as they are). The fields a layout does not hold come back 0
// or empty: an older layout reads as the current one with nothing in them.
platform::DecodedRecord<BeamCriteriaValues> decodeBeamCriteriaRecord(std::span<const std::uint8_t> bytes);

} // namespace files
