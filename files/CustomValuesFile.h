// The custom values file (*.VAL): one set of the user's own design values with its member class,
// kept to be used again on the custom values form.
#pragma once

#include "platform/core/Record.h"

#include <cstdint>

namespace app
{
class Program;
}

namespace files
{

void LoadCustomValues(app::Program& program);
void SaveCustomValues(app::Program& program);

// Whether a custom values record is whole and holds only values the restore can apply.
bool customValuesApplicable(const platform::Record& record, std::uint64_t fileLength);

} // namespace files
