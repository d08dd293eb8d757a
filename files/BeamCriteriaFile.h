// The beam criteria file (*.CRI): the criteria form with the report header, notes, selection and
// edition flags, so that a beam can be calculated again.
#pragma once

#include "platform/core/Record.h"

#include <cstdint>

namespace app
{
class Program;
}

namespace files
{

// Asks for a criteria file and restores the criteria form from it. True only for a file that was
// accepted and restored without a trapped error; a cancel or a refused file shows its message and
// gives false, so the caller marks nothing as loaded.
bool LoadBeamCriteria(app::Program& program);

// Asks for a file name and writes the criteria form as a beam criteria record.
void SaveBeamCriteria(app::Program& program);

// Whether a record with an accepted marker is whole for its layout and holds only values the restore
// can apply; decided before anything is restored.
bool criteriaRecordApplicable(const platform::Record& record, std::uint64_t fileLength);

} // namespace files
