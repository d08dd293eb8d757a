// The beam criteria record's one field list, walked by the writer and the reader, and the decision on a
// criteria file before the criteria form takes any of it.
#include "files/BeamCriteriaRecord.h"

#include "files/RecordKinds.h"
#include "platform/core/RecordFields.h"

#include <algorithm>
#include <cmath>

namespace files
{

namespace
{

template <class Io, class Values> void walkCriteriaCustomPart(Io& io, Values& c)
{
    io.text(1423, 60, c.product);
    io.text(1483, 4, c.fb);
    io.text(1487, 4, c.fv);
    io.text(1491, 4, c.e);
    io.text(1495, 4, c.fcPerp);
    io.text(1499, 10, c.breadth);
    io.text(1509, 10, c.depth);
    io.text(1519, 60, c.species);
    io.i16(1579, c.gluLamHeader);
    io.i16(1581, c.gluLam);
    io.i16(1583, c.southernPineLams);
    io.i16(1585, c.class2x);
    io.i16(1587, c.class4x);
    io.i16(1589, c.msr);
    io.i16(1591, c.mel);
    io.i16(1593, c.timber);
    io.i16(1595, c.rectangular);
    io.i16(1597, c.round);
    io.text(1599, 6, c.diameter);
}

template <class Io, class Values> void walkBeamCriteriaRecord(Io& io, Values& v)
{
    io.i16(0, v.marker);
    io.text(2, 35, v.project);
    io.text(37, 30, v.description);
    io.text(67, 25, v.beamId);
    io.f32(92, v.span);
    io.f32(96, v.duration);
    io.i16(100, v.totalDeflection);
    io.i16(102, v.liveDeflection);
    io.i16(104, v.speciesPosition);
    io.i16(106, v.inGrade);
    io.i16(108, v.wet);
    io.i16(110, v.repetitive);
    io.i16(112, v.spacing12);
    io.i16(114, v.spacing16);
    io.i16(116, v.spacing19);
    io.i16(118, v.spacing24);
    io.i16(120, v.simpleSpan);
    io.i16(122, v.multipleSpans);
    io.i16(124, v.twoSpans);
    io.i16(126, v.overhang);
    io.i16(128, v.hipsAndValleys);
    io.f32(130, v.uniformTotal);
    io.f32(134, v.uniformLive);
    for (std::size_t i = 0; i < 6; ++i) {
        io.f32(138 + 4 * i, v.pointTotal[i]);
        io.f32(162 + 4 * i, v.pointLive[i]);
        io.f32(186 + 4 * i, v.pointDistance[i]);
    }
    for (std::size_t i = 0; i < 5; ++i) {
        io.f32(210 + 4 * i, v.partialTotal[i]);
        io.f32(230 + 4 * i, v.partialLive[i]);
        io.f32(250 + 4 * i, v.partialEnd[i]);
        io.f32(270 + 4 * i, v.partialStart[i]);
    }
    io.f32(290, v.hipRoofLive);
    io.f32(294, v.hipRoofTotal);
    io.f32(298, v.tributary1);
    io.f32(302, v.tributary2);
    for (std::size_t i = 0; i < 4; ++i) {
        io.i16(306 + 2 * i, v.areas[i]);
    }
    io.f32(314, v.hipUniformTotal);
    io.f32(318, v.hipUniformLive);
    io.text(322, 110, v.heading1);
    io.text(432, 110, v.heading2);
    io.text(542, 8, v.initials);
    io.i16(550, v.rafterPitch);
    io.f32(552, v.pitch);
    io.f32(556, v.unbracedLength);
    io.i16(560, v.wideFlange);
    io.i16(562, v.standardFlange);
    io.i16(564, v.channel);
    io.i16(566, v.miscChannel);
    io.i16(568, v.tube);
    io.i16(570, v.flitch);
    io.i16(572, v.doubleFlitch);
    io.text(574, 100, v.selectionDescription);
    io.text(674, 8, v.selectionStatus);
    io.text(682, 12, v.date);
    io.f32(694, v.overhangUnbracedLength);
    io.i16(698, v.incised);
    io.i16(700, v.nds1997);
    io.i16(702, v.ksi50);
    for (std::size_t i = 0; i < 7; ++i) {
        io.text(704 + 85 * i, 85, v.notes[i]);
    }
    io.i16(1299, v.nds2001);
    io.i16(1301, v.nds2005);
    io.text(1303, 20, v.selectionBreadth);
    io.text(1323, 20, v.selectionDepth);
    io.text(1343, 40, v.selectionSpecies);
    io.text(1383, 40, v.steelSelection);
    walkCriteriaCustomPart(io, v.custom);
    io.i16(1605, v.noWeight);
    io.i16(1607, v.nds2012);
    io.i16(1609, v.nds2015);
    io.i16(1611, v.nds2018);
}

// The bytes a layout holds: up to the end of the last field it restores.
std::size_t heldLength(std::int16_t marker)
{
    switch (marker) {
    case CriteriaLayout11:
        return 574;
    case CriteriaLayout12:
        return 704;
    default:
        return CriteriaRecordLength;
    }
}

// Within its length the -13 layout lacks the current layout's selection texts and self-weight option.
void dropFieldsOfTheCurrentLayout(BeamCriteriaValues& v)
{
    if (v.marker != CriteriaMarker) {
        v.selectionBreadth.clear();
        v.selectionDepth.clear();
        v.selectionSpecies.clear();
        v.steelSelection.clear();
        v.noWeight = 0;
    }
}

bool isFlag(std::int16_t value)
{
    return value == -1 || value == 0;
}

// Every value the restore applies: a list position, check box flags and finite numbers.
bool applicable(const BeamCriteriaValues& v)
{
    if (v.speciesPosition < 0 || v.speciesPosition > 9) {
        return false;
    }
    const std::int16_t flags[] = {v.inGrade,        v.wet,     v.repetitive,  v.rafterPitch, v.wideFlange,
                                  v.standardFlange, v.channel, v.miscChannel, v.tube,        v.flitch,
                                  v.doubleFlitch,   v.incised, v.nds1997,     v.ksi50,       v.nds2001,
                                  v.nds2005,        v.nds2012, v.nds2015,     v.nds2018,     v.noWeight};
    if (!std::all_of(std::begin(flags), std::end(flags), isFlag)) {
        return false;
    }
    const float singles[] = {v.span,
                             v.duration,
                             v.uniformTotal,
                             v.uniformLive,
                             v.hipRoofLive,
                             v.hipRoofTotal,
                             v.tributary1,
                             v.tributary2,
                             v.hipUniformTotal,
                             v.hipUniformLive,
                             v.pitch,
                             v.unbracedLength,
                             v.overhangUnbracedLength};
    const auto finite = [](float value) { return std::isfinite(value); };
    for (const auto* run : {&v.pointTotal, &v.pointLive, &v.pointDistance}) {
        if (!std::all_of(run->begin(), run->end(), finite)) {
            return false;
        }
    }
    for (const auto* run : {&v.partialTotal, &v.partialLive, &v.partialEnd, &v.partialStart}) {
        if (!std::all_of(run->begin(), run->end(), finite)) {
            return false;
        }
    }
    return std::all_of(std::begin(singles), std::end(singles), finite);
}

} // namespace

void encodeBeamCriteriaRecord(const BeamCriteriaValues& values, platform::Record& record)
{
    platform::RecordFieldWriter writer{record};
    walkBeamCriteriaRecord(writer, values);
}

platform::DecodedRecord<BeamCriteriaValues> decodeBeamCriteriaRecord(std::span<const std::uint8_t> bytes)
{
    using Decoded = platform::DecodedRecord<BeamCriteriaValues>;
    const RecordKindInfo& kind = recordKind(RecordKind::BeamCriteria);
    if (!startsWithMarker(kind, bytes)) {
        return Decoded::refused(platform::RecordRefusal::WrongKind, kind.wrongKindMessage);
    }
    const std::size_t held = heldLength(platform::RecordView(bytes, CriteriaRecordLength).i16(0));
    if (bytes.size() < held) {
        return Decoded::refused(platform::RecordRefusal::NotLoaded, kind.loadFailed);
    }
    // Beyond its layout's length an older file reads as zeros, whatever a longer file holds there: the
    // fields it lacks come back 0 or empty, and a -12 file thus names the 1997 edition alone.
    const platform::RecordView view(bytes.first(held), CriteriaRecordLength);
    Decoded result;
    platform::RecordNumberReader numbers{view};
    walkBeamCriteriaRecord(numbers, result.values);
    dropFieldsOfTheCurrentLayout(result.values);
    if (!applicable(result.values)) {
        return Decoded::refused(platform::RecordRefusal::NotLoaded, kind.loadFailed);
    }
    platform::RecordFieldReader reader{view};
    walkBeamCriteriaRecord(reader, result.values);
    dropFieldsOfTheCurrentLayout(result.values);
    return result;
}

} // namespace files
