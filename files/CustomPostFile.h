// The custom post values file (*.CPV): a user's own Fc, E and species text for a wood post, saved from
// and loaded back into the column criteria form.
#pragma once

#include "platform/core/Record.h"

#include <cstdint>

namespace app
{
class Program;
}

namespace files
{

constexpr std::int16_t CustomPostValuesMarker = 100;

// Whether a record read from a file of this length is whole and holds values the form's entry checks
// would keep once written: an Fc above 0 and a finite E that shows as at least ".1".
bool customPostApplicable(const platform::Record& record, std::uint64_t fileLength);

void SaveCustomPostValues(app::Program& program);
void LoadCustomPostValues(app::Program& program);

} // namespace files
