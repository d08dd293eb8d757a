// Saving and loading the column record files. Only captions travel: a loaded record is text for
// printing, and the column design behind the forms is left as it was.
#include "files/ColumnRecordFile.h"

#include "app/Program.h"
#include "app/SharedState.h"
#include "columns/Form19.h"
#include "columns/Form23.h"
#include "files/RecordFile.h"
#include "platform/core/RecordFields.h"
#include "platform/forms/Runtime.h"
#include "report/RecordState.h"

#include <array>

namespace files
{

namespace
{

using columns::Form19;
using columns::Form23;

constexpr std::size_t NoteWidth = 85;

constexpr std::array<ColumnSlot<Form19>, 45> WoodSlots{{
    {&Form19::Label3, 2, 35},     {&Form19::Label4, 37, 30},       {&Form19::Label5, 67, 25},
    {&Form19::Label6, 92, 25},    {&Form19::Label7, 117, 16},      {&Form19::Label12, 133, 110},
    {&Form19::Label66, 243, 115}, {&Form19::Label86, 358, 14},     {&Form19::Label10, 372, 60},
    {&Form19::Label59, 432, 85},  {&Form19::Label15, 517, 10},     {&Form19::Label17, 527, 6},
    {&Form19::Label19, 533, 6},   {&Form19::Label23, 539, 6},      {&Form19::Label29, 545, 6},
    {&Form19::Label30, 551, 6},   {&Form19::Label36, 557, 6},      {&Form19::Label38, 563, 6},
    {&Form19::Label39, 569, 6},   {&Form19::Label40, 575, 6},      {&Form19::Label41, 581, 6},
    {&Form19::Label48, 587, 6},   {&Form19::Label49, 593, 6},      {&Form19::Label50, 599, 6},
    {&Form19::Label51, 605, 6},   {&Form19::Label52, 611, 6},      {&Form19::Label54, 617, 6},
    {&Form19::Label55, 623, 6},   {&Form19::Label60, 629, 6},      {&Form19::Label61, 635, 6},
    {&Form19::Label67, 641, 6},   {&Form19::Label68, 647, 6},      {&Form19::Label69, 653, 6},
    {&Form19::Label70, 659, 6},   {&Form19::Label71, 665, 6},      {&Form19::Label75, 671, 6},
    {&Form19::Label76, 677, 6},   {&Form19::Label77, 683, 6},      {&Form19::Label80, 689, 6},
    {&Form19::Label81, 695, 6},   {&Form19::Label82, 701, 6},      {&Form19::Label83, 707, 6},
    {&Form19::Label84, 713, 6},   {&Form19::SheathNote, 719, 125}, {&Form19::Sheathnote2, 844, 75},
}};

constexpr std::array<ColumnSlot<Form23>, 32> SteelSlots{{
    {&Form23::Label3, 2, 35},    {&Form23::Label4, 37, 30},   {&Form23::Label5, 67, 25},
    {&Form23::Label6, 92, 25},   {&Form23::Label7, 117, 16},  {&Form23::Label10, 133, 110},
    {&Form23::Label12, 243, 85}, {&Form23::Label59, 328, 85}, {&Form23::Label15, 413, 10},
    {&Form23::Label17, 423, 6},  {&Form23::Label19, 429, 6},  {&Form23::Label23, 435, 6},
    {&Form23::Label29, 441, 6},  {&Form23::Label30, 447, 6},  {&Form23::Label36, 453, 6},
    {&Form23::Label38, 459, 6},  {&Form23::Label39, 465, 6},  {&Form23::Label40, 471, 6},
    {&Form23::Label41, 477, 6},  {&Form23::Label50, 483, 6},  {&Form23::Label51, 489, 6},
    {&Form23::Label52, 495, 6},  {&Form23::Label60, 501, 6},  {&Form23::Label61, 507, 6},
    {&Form23::Label71, 513, 6},  {&Form23::Label75, 519, 6},  {&Form23::Label76, 525, 6},
    {&Form23::Label77, 531, 6},  {&Form23::Label81, 537, 6},  {&Form23::Label82, 543, 6},
    {&Form23::Label83, 549, 6},  {&Form23::Label84, 555, 6},
}};

static_assert(decltype(WoodColumnValues::captions)::size() == WoodSlots.size());
static_assert(decltype(SteelColumnValues::captions)::size() == SteelSlots.size());

template <class Io, class FormT, class Values>
void walkColumnRecord(Io& io, std::span<const ColumnSlot<FormT>> slots, std::size_t notesOffset, Values& v)
{
    io.i16(0, v.marker);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        io.text(slots[i].offset, slots[i].width, v.captions, i);
    }
    for (std::size_t i = 0; i < v.notes.size(); ++i) {
        io.text(notesOffset + NoteWidth * i, NoteWidth, v.notes, i);
    }
}

template <class Values, class FormT>
platform::DecodedRecord<Values> decodeColumn(std::span<const std::uint8_t> bytes, RecordKind kind,
                                             std::span<const ColumnSlot<FormT>> slots,
                                             std::size_t notesOffset)
{
    using Decoded = platform::DecodedRecord<Values>;
    const RecordKindInfo& info = recordKind(kind);
    if (const platform::RecordDecision first = judgeMarkerAndLength(info, bytes, info.length);
        !first.accepted()) {
        return Decoded::refused(first);
    }
    // The texts' room reserved once, as if every character were one byte: the captions fill the record
    // from the marker to the notes.
    Decoded result;
    result.values.captions.reserve(notesOffset - 2);
    result.values.notes.reserve(result.values.notes.size() * NoteWidth);
    platform::RecordFieldReader reader{platform::RecordView(bytes, info.length)};
    walkColumnRecord(reader, slots, notesOffset, result.values);
    return result;
}

template <typename FormT, class Values>
void saveColumn(app::Program& p, RecordKind kind, FormT& form, std::span<const ColumnSlot<FormT>> slots,
                std::size_t notesOffset, platform::Record& buffer)
{
    const NotesAnswer notes = askColumnNotes(p, kind);
    if (notes == NotesAnswer::Cancel) {
        return;
    }
    WriterSteps steps;
    steps.fill = [&](platform::Record& r) {
        Values v;
        v.marker = recordKind(kind).writtenMarker;
        for (const auto& slot : slots) {
            v.captions.push_back((form.*slot.label).caption());
        }
        for (const std::string& note : p.state.ReportNotes) {
            v.notes.push_back(notes == NotesAnswer::Keep ? note : std::string());
        }
        platform::RecordFieldWriter writer{r};
        walkColumnRecord(writer, slots, notesOffset, v);
    };
    runWriter(p, kind, buffer, steps);
}

template <typename FormT, class Values>
void applyColumn(app::Program& p, FormT& form, std::span<const ColumnSlot<FormT>> slots, const Values& v,
                 std::int16_t& loaded, std::int16_t& failed, const char* notActive)
{
    for (std::size_t i = 0; i < slots.size(); ++i) {
        (form.*slots[i].label).setCaption(v.captions[i]);
    }
    for (std::size_t i = 0; i < v.notes.size(); ++i) {
        p.state.ReportNotes[i] = v.notes[i];
    }
    loaded = -1;
    p.runtime.msgBox(notActive, platform::Buttons::OK, platform::Icon::None, "Korvanta");
    failed = 0;
}

} // namespace

std::span<const ColumnSlot<Form19>> woodColumnSlots()
{
    return WoodSlots;
}

std::span<const ColumnSlot<Form23>> steelColumnSlots()
{
    return SteelSlots;
}

void encodeWoodColumnRecord(const WoodColumnValues& values, platform::Record& record)
{
    platform::RecordFieldWriter writer{record};
    walkColumnRecord(writer, woodColumnSlots(), WoodColumnNotesOffset, values);
}

void encodeSteelColumnRecord(const SteelColumnValues& values, platform::Record& record)
{
    platform::RecordFieldWriter writer{record};
    walkColumnRecord(writer, steelColumnSlots(), SteelColumnNotesOffset, values);
}

platform::DecodedRecord<WoodColumnValues> decodeWoodColumnRecord(std::span<const std::uint8_t> bytes)
{
    return decodeColumn<WoodColumnValues>(bytes, RecordKind::WoodColumn, woodColumnSlots(),
                                          WoodColumnNotesOffset);
}

platform::DecodedRecord<SteelColumnValues> decodeSteelColumnRecord(std::span<const std::uint8_t> bytes)
{
    return decodeColumn<SteelColumnValues>(bytes, RecordKind::SteelColumn, steelColumnSlots(),
                                           SteelColumnNotesOffset);
}

void applyWoodColumnRecord(app::Program& program, const WoodColumnValues& values)
{
    applyColumn(program, program.form19, woodColumnSlots(), values, program.record.WoodColRecordLoaded,
                program.recordFiles.WoodColLoadFailed,
                "The column data you have loaded is text and the values are not active.  You may print the "
                "report as is, but to edit values you need to re-enter the column criteria in form 1.");
}

void applySteelColumnRecord(app::Program& program, const SteelColumnValues& values)
{
    applyColumn(program, program.form23, steelColumnSlots(), values, program.record.SteelColRecordLoaded,
                program.recordFiles.SteelColLoadFailed,
                "The steel column data you have loaded is text and the values are not active.  You may print "
                "the report as is, but to edit values you need to re-enter the column criteria in form 1.");
}

void SaveWoodColumnRecord(app::Program& program)
{
    saveColumn<Form19, WoodColumnValues>(program, RecordKind::WoodColumn, program.form19, woodColumnSlots(),
                                         WoodColumnNotesOffset, program.recordFiles.WoodColumnRecord);
}

void SaveSteelColumnRecord(app::Program& program)
{
    saveColumn<Form23, SteelColumnValues>(program, RecordKind::SteelColumn, program.form23,
                                          steelColumnSlots(), SteelColumnNotesOffset,
                                          program.recordFiles.SteelColumnRecord);
}

// A refused or foreign file leaves the form, the notes and the loaded flag alone; only the load-failed
// flag tells the criteria form's load command to go back.
void LoadWoodColumnRecord(app::Program& program)
{
    std::int16_t& failed = program.recordFiles.WoodColLoadFailed;
    runLoader(
        program, RecordKind::WoodColumn, program.recordFiles.WoodColumnRecord, decodeWoodColumnRecord,
        [&](const WoodColumnValues& values) { applyWoodColumnRecord(program, values); },
        [&] { failed = -1; });
}

void LoadSteelColumnRecord(app::Program& program)
{
    std::int16_t& failed = program.recordFiles.SteelColLoadFailed;
    runLoader(
        program, RecordKind::SteelColumn, program.recordFiles.SteelColumnRecord, decodeSteelColumnRecord,
        [&](const SteelColumnValues& values) { applySteelColumnRecord(program, values); },
        [&] { failed = -1; });
}

} // namespace files
