// Reactions of the applied loads and the station table. Lever arms are taken about R2; the table works
// on single-precision copies of the boxes, as it always has, so that its stations and loads compare
// exactly as the user typed them.
#include "beam/StationTable.h"

#include "beam/GoverningMoments.h"
#include "platform/core/Number.h"

namespace beam
{

namespace num = platform::num;

namespace
{

// Which boxes a reaction is formed from: the total loads or the live loads.
struct LoadBoxes
{
    const std::array<std::string, PointLoadCount>& point;
    const std::array<std::string, PartialLoadCount>& partial;
    const std::string& uniform;
};

// The moment about R2 of the loads on the span less that of the loads on the overhang.
double momentAboutR2(const BeamCriteria& criteria, const LoadBoxes& boxes, double span)
{
    const bool overhang = criteria.OHbutton;
    const int spanPoints = overhang ? 4 : PointLoadCount;
    const int spanPartials = overhang ? 3 : PartialLoadCount;
    double moment = 0;
    for (int k = 0; k < spanPoints; ++k) {
        moment += boxValue(boxes.point[k]) * (span - boxValue(criteria.DIS[k]));
    }
    for (int j = 0; j < spanPartials; ++j) {
        const double length = boxValue(criteria.ENDP[j]) - boxValue(criteria.BEGP[j]);
        moment += boxValue(boxes.partial[j]) * length * (length / 2 + (span - boxValue(criteria.ENDP[j])));
    }
    moment += boxValue(boxes.uniform) * span * span / 2;
    if (overhang) {
        // Loads beyond R2 lift R1.
        for (int k = 4; k < PointLoadCount; ++k) {
            moment -= boxValue(boxes.point[k]) * boxValue(criteria.DIS[k]);
        }
        for (int j = 3; j < PartialLoadCount; ++j) {
            const double length = boxValue(criteria.ENDP[j]) - boxValue(criteria.BEGP[j]);
            moment -= boxValue(boxes.partial[j]) * length * (length / 2 + boxValue(criteria.BEGP[j]));
        }
    }
    return moment;
}

// The first station beyond x (StationCount when none): the stations rise along the span, and no load
// reaches a station at or before its start.
int firstStationBeyond(const StationTableArray& table, float x)
{
    int low = 0;
    int high = StationCount;
    while (low < high) {
        const int mid = (low + high) / 2;
        if (table[mid][StationRow::X] > x) {
            high = mid;
        } else {
            low = mid + 1;
        }
    }
    return low;
}

} // namespace

void computeReactions(const BeamCriteria& criteria, AppliedLoads& loads)
{
    const double span = boxValue(criteria.Span);
    const LoadBoxes total{criteria.PT, criteria.PAR, criteria.UNIF};
    const LoadBoxes live{criteria.LPT, criteria.LPAR, criteria.LUNIF};

    // End and interior reactions of equal continuous spans under their uniform load; the point and
    // partial loads have no place on a continuous beam.
    auto continuous = [&](double endShare, double interiorShare) {
        loads.R1Loads = num::toSingle(endShare * boxValue(criteria.UNIF) * span);
        loads.R1LL = num::toSingle(endShare * boxValue(criteria.LUNIF) * span);
        loads.R2Loads = num::toSingle(interiorShare * boxValue(criteria.UNIF) * span);
        loads.R2LL = num::toSingle(interiorShare * boxValue(criteria.LUNIF) * span);
    };
    if (!criteria.OHbutton && criteria.continuousTwoSpans()) {
        continuous(0.375, 1.25);
        return;
    }
    if (!criteria.OHbutton && criteria.continuousThreeSpans()) {
        continuous(0.4, 1.1);
        return;
    }
    // R1 may come out negative when the overhang loads outweigh the backspan; it is used as it is.
    loads.R1Loads = num::toSingle(num::div(momentAboutR2(criteria, total, span), span));
    loads.R2Loads = num::toSingle(double{loads.TotalAppliedLoad} - double{loads.R1Loads});
    loads.R1LL = num::toSingle(num::div(momentAboutR2(criteria, live, span), span));
    loads.R2LL = num::toSingle(double{loads.TotalLiveLoad} - double{loads.R1LL});
}

void fillStationTable(const BeamCriteria& criteria, AppliedLoads& loads, const ProgressSink& progress)
{
    progress(10);
    StationTableArray& table = loads.StationTable;
    table = {};
    loads.MaxMomentLoadsX = 0;
    loads.NegMomentX = 0;
    if (criteria.Multibutton) {
        return;
    }

    const double span = boxValue(criteria.Span);
    for (int i = 0; i < StationCount; ++i) {
        table[i][StationRow::X] = num::toSingle(span / 200 * i);
    }
    // The sums of the load terms of each station, in row order, kept as the rows are filled; the
    // span loads alone have rows, so an overhanging beam sums only those.
    std::array<double, StationCount> momentTerms{};
    std::array<double, StationCount> shearTerms{};

    const bool overhang = criteria.OHbutton;
    const int spanPoints = overhang ? 4 : PointLoadCount;
    const int spanPartials = overhang ? 3 : PartialLoadCount;
    const float uniform = num::toSingle(boxValue(criteria.UNIF));

    if (loads.PTTotal != 0) {
        for (int k = 0; k < spanPoints; ++k) {
            progress(20 + 5 * k);
            const float load = num::toSingle(boxValue(criteria.PT[k]));
            const float at = num::toSingle(boxValue(criteria.DIS[k]));
            if (load <= 0) {
                continue;
            }
            for (int i = firstStationBeyond(table, at); i < StationCount; ++i) {
                auto& row = table[i];
                const float x = row[StationRow::X];
                if (x > at) {
                    const float moment = num::toSingle((double{x} - at) * load);
                    row[StationRow::PointMoment + k] = moment;
                    row[StationRow::PointShear + k] = load;
                    momentTerms[i] += moment;
                    shearTerms[i] += load;
                }
            }
        }
        progress(55);
    }

    if (loads.PARTotal != 0) {
        for (int j = 0; j < spanPartials; ++j) {
            progress(55 + 5 * j);
            const float load = num::toSingle(boxValue(criteria.PAR[j]));
            const float begin = num::toSingle(boxValue(criteria.BEGP[j]));
            const float end = num::toSingle(boxValue(criteria.ENDP[j]));
            if (load <= 0) {
                continue;
            }
            const double length = double{end} - begin;
            for (int i = firstStationBeyond(table, begin); i < StationCount; ++i) {
                auto& row = table[i];
                const double x = row[StationRow::X];
                float moment = 0;
                float shear = 0;
                if (x > end) {
                    // Past its end the whole load acts at its centroid.
                    moment = num::toSingle((x - (length / 2 + begin)) * length * load);
                    shear = num::toSingle(length * load);
                } else if (x > begin) {
                    moment = num::toSingle((x - begin) / 2 * (x - begin) * load);
                    shear = num::toSingle((x - begin) * load);
                } else {
                    continue;
                }
                row[StationRow::PartialMoment + j] = moment;
                row[StationRow::PartialShear + j] = shear;
                momentTerms[i] += moment;
                shearTerms[i] += shear;
            }
        }
    }

    progress(95);
    const double r1 = loads.R1Loads;
    for (int i = 0; i < StationCount; ++i) {
        auto& row = table[i];
        const double x = row[StationRow::X];
        row[StationRow::Moment] = num::toSingle(r1 * x - (x * uniform * x / 2 + momentTerms[i]));
    }
    if (overhang) {
        loads.OHMomentLoads = overhangSupportMoment(criteria);
    }
    for (int i = 0; i < StationCount; ++i) {
        auto& row = table[i];
        const double x = row[StationRow::X];
        row[StationRow::Shear] = num::toSingle(r1 - (uniform * x + shearTerms[i]));
    }
    progress(98);
}

void applyHipValleyReactions(const BeamCriteria& criteria, AppliedLoads& loads)
{
    const double span = boxValue(criteria.Span);
    const double uniformTotal = boxValue(criteria.IncUnifTL) * span / 2;
    const double uniformLive = boxValue(criteria.IncUnifLL) * span / 2;
    loads.R1Loads = num::toSingle(uniformTotal + double{loads.IncTLTotal} / 3);
    loads.R2Loads = num::toSingle(uniformTotal + 2 * double{loads.IncTLTotal} / 3);
    loads.R1LL = num::toSingle(uniformLive + double{loads.IncLLTotal} / 3);
    loads.R2LL = num::toSingle(uniformLive + 2 * double{loads.IncLLTotal} / 3);
}

} // namespace beam
