// The beam criteria as the load analysis reads them: a snapshot of Form1's boxes and options, the
// edition flags and the custom values form's round-section option, taken at one moment.
#pragma once

#include "beam/BeamCriteria.h"

namespace app
{

class Program;

// Reads Form1 (loading nothing else): Form2's "Round" counts only for custom values while Form2 is
// loaded, since "OK Calculate" unloads Form2 for every other species group and a fresh Form2 reads
// "Rectangular".
beam::BeamCriteria readBeamCriteria(Program& program);

} // namespace app
