// Support reactions of the applied loads and the 201-station moment and shear table of a simple or
// overhanging beam.
#pragma once

#include "beam/BeamCriteria.h"
#include "beam/BeamState.h"

#include <functional>

namespace beam
{

// Receives the progress percentage as the analysis advances.
using ProgressSink = std::function<void(int percent)>;

// The reactions R1Loads, R2Loads, R1LL and R2LL of the applied total and live loads for the load type
// (a hip or valley gets the simple-span reactions here; see applyHipValleyReactions). Reads the totals
// in loads, which must already hold the loads of the boxes.
void computeReactions(const BeamCriteria& criteria, AppliedLoads& loads);

// Clears the table, MaxMomentLoadsX and NegMomentX, then fills the table from the boxes and R1Loads
// (a continuous beam keeps an all-zero table). Also sets OHMomentLoads of an overhanging beam.
void fillStationTable(const BeamCriteria& criteria, AppliedLoads& loads, const ProgressSink& progress);

// The reactions of a hip or valley: a uniform load plus one growing from nothing at R1 to its greatest
// at R2, so a third of the increasing load goes to R1 and two thirds to R2.
void applyHipValleyReactions(const BeamCriteria& criteria, AppliedLoads& loads);

} // namespace beam
