// The settings file "Korvanta2023.ini": one 322-byte record of the user's defaults, read at every load
// of the criteria form and written by the settings form. One field list serves load, save and layout.
#pragma once

#include "platform/core/DecodedRecord.h"
#include "platform/core/Record.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace app
{

class Program;

constexpr std::size_t DefaultSettingsRecordLength = 322;
constexpr std::int16_t DefaultSettingsMarker = 4321;
constexpr const char* DefaultSettingsFileName = "Korvanta2023.ini";
constexpr std::size_t DefaultLoadPairCount = 5;

// The record as the program keeps it in memory; field names are those of the file.
struct DefaultSettingsRecord
{
    std::int16_t Marker = 0;
    std::string DefHead1;                                  // report heading line 1
    std::string DefHead2;                                  // report heading line 2
    std::string DefInitials;                               // preparer's initials
    std::int16_t defINGRADE = 0;                           // -1 for an edition from 2001 on, 0 for NDS 1997
    std::int16_t DefCombo = 0;                             // species list position
    std::int16_t Def600 = 0;                               // 600 dpi printout, -1/0
    std::string FontCombo;                                 // printout font
    std::array<float, DefaultLoadPairCount> Livedefault{}; // psf
    std::array<float, DefaultLoadPairCount> TotalLoadDefault{}; // psf
    std::int16_t Def50ksi = 0;
    std::int16_t Reserved = 0; // never set by the program; written back as read
    std::int16_t NDS2005 = 0;
    std::int16_t NDS2012 = 0;
    std::int16_t NDS2015 = 0;
    std::int16_t NDS2018 = 0;
    std::int16_t CenterFormCheckbox = 0;     // 0 or 1
    std::int16_t DefaultPrinterCheckbox = 0; // 0 or 1

    bool operator==(const DefaultSettingsRecord&) const = default;
};

enum class FieldKind
{
    Int16,
    Single,
    Text
};

struct RecordField
{
    std::size_t offset;
    FieldKind kind;
    std::size_t width; // bytes
};

DefaultSettingsRecord readDefaultSettings(const platform::Record& record);
platform::Record writeDefaultSettings(const DefaultSettingsRecord& settings);
// The fields in file order, as load and save walk them.
std::vector<RecordField> defaultSettingsLayout();

// The decision on the settings file's bytes: the marker, a complete record, a species position the list
// has, check box values a check box takes and finite load pairs. A refused file earns the notice that a
// new settings file awaits the user's defaults; nothing of it is applied.
platform::DecodedRecord<DefaultSettingsRecord>
decodeDefaultSettingsRecord(std::span<const std::uint8_t> bytes);

// Applies an accepted record to the criteria form, the report header form, the settings form and the
// shared settings (Form1Settings.cpp).
void applyDefaultSettings(Program& program, const DefaultSettingsRecord& settings);

} // namespace app
