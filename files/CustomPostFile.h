// The custom post values file (*.CPV): a user's own Fc, E and species text for a wood post, saved from
// and loaded back into the column criteria form.
#pragma once

#include "files/CustomPostValuesRecord.h"

namespace app
{
class Program;
}

namespace files
{

// Puts an accepted record's values into the column criteria form's custom post entries.
void applyCustomPostValues(app::Program& program, const CustomPostValues& values);

void SaveCustomPostValues(app::Program& program);
void LoadCustomPostValues(app::Program& program);

} // namespace files
