// The beam criteria file (*.CRI): the criteria form with the report header, notes, selection and
// edition flags, so that a beam can be calculated again.
#pragma once

#include "files/BeamCriteriaRecord.h"

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

// Restores an accepted record into the criteria form, the report header form and the shared values as
// far as its layout reaches, each control with its own events, the selection kept meanwhile.
void applyBeamCriteria(app::Program& program, const BeamCriteriaValues& values);

} // namespace files
