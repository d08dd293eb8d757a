// The custom values file (*.VAL): one set of the user's own design values with its member class,
// kept to be used again on the custom values form.
#pragma once

#include "files/CustomValuesRecord.h"

namespace app
{
class Program;
}

namespace files
{

void LoadCustomValues(app::Program& program);
void SaveCustomValues(app::Program& program);

// Restores an accepted record into the custom values form and the MSR and MEL flags, switching the beam to
// custom values when the record names a member class; stops at the timber check.
void applyCustomValues(app::Program& program, const CustomValues& values);

} // namespace files
