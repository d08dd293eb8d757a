// The beam criteria record as the writer fills it from the criteria form, the report header form, the
// custom values form and the shared selection and edition values.
#pragma once

#include "platform/core/Record.h"

#include <cstddef>

namespace app
{
class Program;
}

namespace files
{

constexpr std::size_t NotesOffset = 704;
constexpr std::size_t NoteWidth = 85;

// Fills every field after the save dialog has returned; re-selects the spacing options on the way.
void fillCriteriaRecord(app::Program& p, platform::Record& r);

} // namespace files
