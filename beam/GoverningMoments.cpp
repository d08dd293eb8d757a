// The governing moments of the applied loads, taken from the station table.
#include "beam/GoverningMoments.h"

#include "beam/StationTable.h"
#include "platform/core/Number.h"

namespace beam
{

namespace num = platform::num;

float overhangSupportMoment(const BeamCriteria& criteria)
{
    double moment = boxValue(criteria.PT[4]) * boxValue(criteria.DIS[4]) +
                    boxValue(criteria.PT[5]) * boxValue(criteria.DIS[5]);
    for (int j = 3; j < PartialLoadCount; ++j) {
        const double begin = boxValue(criteria.BEGP[j]);
        const double length = boxValue(criteria.ENDP[j]) - begin;
        moment += (length / 2 + begin) * (length * boxValue(criteria.PAR[j]));
    }
    return num::toSingle(moment);
}

void findGoverningMoments(const BeamCriteria& criteria, AppliedLoads& loads)
{
    const StationTableArray& table = loads.StationTable;
    if (!criteria.Multibutton) {
        // The top of the last rising step between stations 1 and 200; station 0 takes no part.
        for (int i = 1; i < StationCount - 1; ++i) {
            if (table[i + 1][StationRow::Moment] > table[i][StationRow::Moment]) {
                loads.MaxMomentLoads = table[i + 1][StationRow::Moment];
                loads.MaxMomentLoadsX = table[i + 1][StationRow::X];
            }
        }
        if (criteria.OHbutton && loads.OHMomentLoads > loads.MaxMomentLoads) {
            loads.MomentLoads = loads.OHMomentLoads;
        } else {
            loads.MomentLoads = loads.MaxMomentLoads;
        }
        loads.NegMomentX = 0;
        if (criteria.OHbutton) {
            for (int i = 1; i < StationCount - 1; ++i) {
                if (table[i][StationRow::Moment] < 0) {
                    loads.NegMomentX = table[i][StationRow::X];
                }
            }
        }
        if (criteria.IncButton) {
            applyHipValleyReactions(criteria, loads);
        }
    }
    // The support moment of a uniform load on equal spans; only the uniform load enters.
    const double span = boxValue(criteria.Span);
    if (criteria.continuousTwoSpans()) {
        loads.MomentLoads = num::toSingle(span * span * boxValue(criteria.UNIF) * 0.125);
    } else if (criteria.continuousThreeSpans()) {
        loads.MomentLoads = num::toSingle(span * span * boxValue(criteria.UNIF) * 0.1);
    }
}

HandOff handOffTarget(const BeamCriteria& criteria)
{
    if (criteria.group[7] || criteria.group[8]) {
        return HandOff::CustomValues;
    }
    if (criteria.group[9]) {
        return HandOff::Steel;
    }
    return HandOff::Wood;
}

} // namespace beam
