// Settings records for the start-up tests: a complete valid record and its file bytes.
#pragma once

#include "app/DefaultSettingsRecord.h"

#include <cstdint>
#include <vector>

namespace app::test
{

inline std::vector<std::uint8_t> settingsFile(const DefaultSettingsRecord& settings)
{
    return writeDefaultSettings(settings).bytes();
}

// Every field set to a value that differs from the program's own defaults, so that each one shows.
inline DefaultSettingsRecord fullSettings()
{
    DefaultSettingsRecord r;
    r.Marker = DefaultSettingsMarker;
    r.DefHead1 = "  Acme Structural Engineers";
    r.DefHead2 = "12 Mill Road, Springfield";
    r.DefInitials = "JQP";
    r.defINGRADE = -1;
    r.DefCombo = 5; // "Southern Pine"
    r.Def600 = -1;
    r.FontCombo = "Courier New";
    r.Livedefault = {40, 20, 12.5f, 0, 0};
    r.TotalLoadDefault = {50, 30, 20.25f, 0, 0};
    r.Def50ksi = -1;
    r.Reserved = 7;
    r.NDS2015 = -1;
    r.CenterFormCheckbox = 0;
    r.DefaultPrinterCheckbox = 1;
    return r;
}

} // namespace app::test
