// The overhang length, load totals and load box adjustment of "OK Calculate".
#include "beam/LoadTotals.h"

#include "platform/core/Number.h"

#include <cmath>

namespace beam
{

namespace num = platform::num;

float overhangLength(const BeamCriteria& criteria)
{
    const double candidates[] = {boxValue(criteria.DIS[4]), boxValue(criteria.DIS[5]),
                                 boxValue(criteria.ENDP[3]), boxValue(criteria.ENDP[4])};
    // Only a strictly greater later candidate displaces an earlier one, so a tie keeps the earlier box.
    double longest = candidates[0];
    for (double candidate : candidates) {
        if (candidate > longest) {
            longest = candidate;
        }
    }
    return num::toSingle(longest);
}

void computeLoadTotals(const BeamCriteria& criteria, AppliedLoads& loads, HipValleyTotals hipValley)
{
    double pointTotal = 0;
    double pointLive = 0;
    for (int k = 0; k < PointLoadCount; ++k) {
        pointTotal += boxValue(criteria.PT[k]);
        pointLive += boxValue(criteria.LPT[k]);
    }
    loads.PTTotal = num::toSingle(pointTotal);
    loads.LPTTotal = num::toSingle(pointLive);

    double partialTotal = 0;
    double partialLive = 0;
    for (int j = 0; j < PartialLoadCount; ++j) {
        const double length = boxValue(criteria.ENDP[j]) - boxValue(criteria.BEGP[j]);
        partialTotal += boxValue(criteria.PAR[j]) * length;
        partialLive += boxValue(criteria.LPAR[j]) * length;
    }
    loads.PARTotal = num::toSingle(partialTotal);
    loads.LPARTotal = num::toSingle(partialLive);

    if (hipValley == HipValleyTotals::FromCalculator && criteria.IncButton) {
        loads.TotalAppliedLoad = loads.IncTLTotal;
        loads.TotalLiveLoad = loads.IncLLTotal;
        return;
    }
    const double span = boxValue(criteria.Span);
    loads.TotalAppliedLoad =
        num::toSingle(boxValue(criteria.UNIF) * span + double{loads.PARTotal} + double{loads.PTTotal});
    loads.TotalLiveLoad =
        num::toSingle(boxValue(criteria.LUNIF) * span + double{loads.LPARTotal} + double{loads.LPTTotal});
}

float deadLoadTotal(const AppliedLoads& loads)
{
    return num::toSingle(double{loads.TotalAppliedLoad} - double{loads.TotalLiveLoad});
}

double spacingFactor(const BeamCriteria& criteria)
{
    if (!criteria.Rep || criteria.Ctr12 || criteria.Ctr0) {
        return 0;
    }
    if (criteria.Ctr16) {
        return 1.3333; // the factor users know from the option's caption, not 4/3
    }
    if (criteria.Ctr19) {
        return 1.6;
    }
    if (criteria.ctr24) {
        return 2;
    }
    return 0;
}

namespace
{

class BoxWriter
{
  public:
    explicit BoxWriter(std::vector<BoxWrite>& writes) : m_writes(writes) {}

    // The box shows the plain number text, which its change rule empties when the value is 0.
    void write(const char* control, int index, std::string& box, double value)
    {
        std::string text = num::numberText(num::finite(value));
        box = value == 0 ? std::string{} : text;
        m_writes.push_back({control, index, std::move(text)});
    }

  private:
    std::vector<BoxWrite>& m_writes;
};

// The dead part T - L of a load is multiplied by the slope; the live part L stays.
double slopedLoad(double total, double live, float slopeFactor)
{
    const double dead = total - live;
    return total + dead * double{slopeFactor} - dead;
}

void adjustForSlope(BeamCriteria& criteria, AppliedLoads& loads, BoxWriter& writer)
{
    if (criteria.Roofbutton) {
        const double span = boxValue(criteria.Span);
        const double pitch = boxValue(criteria.Pitchtext);
        const float slopedSpan = num::toSingle(num::div(span, std::cos(std::atan(pitch / 12))));
        loads.SlopeFactor = num::toSingle(num::div(slopedSpan, span));
    } else {
        loads.SlopeFactor = 1.0f;
        return;
    }
    loads.UNIFEntered = num::toSingle(boxValue(criteria.UNIF));
    writer.write("UNIF", -1, criteria.UNIF,
                 slopedLoad(boxValue(criteria.UNIF), boxValue(criteria.LUNIF), loads.SlopeFactor));
    for (int i = 0; i < PartialLoadCount; ++i) {
        loads.PAREntered[i] = num::toSingle(boxValue(criteria.PAR[i]));
        writer.write("PAR", i, criteria.PAR[i],
                     slopedLoad(boxValue(criteria.PAR[i]), boxValue(criteria.LPAR[i]), loads.SlopeFactor));
    }
}

void adjustForSpacing(BeamCriteria& criteria, BoxWriter& writer)
{
    const double factor = spacingFactor(criteria);
    if (factor == 0) {
        return;
    }
    auto scale = [&](const char* control, int index, std::string& box) {
        const double value = boxValue(box);
        if (value > 0) {
            writer.write(control, index, box, factor == 2 ? value + value : value * factor);
        }
    };
    scale("UNIF", -1, criteria.UNIF);
    scale("LUNIF", -1, criteria.LUNIF);
    for (int i = 0; i < PointLoadCount; ++i) {
        scale("PT", i, criteria.PT[i]);
        scale("LPT", i, criteria.LPT[i]);
    }
    for (int i = 0; i < PartialLoadCount; ++i) {
        scale("PAR", i, criteria.PAR[i]);
        scale("LPAR", i, criteria.LPAR[i]);
    }
}

} // namespace

std::vector<BoxWrite> adjustLoadBoxes(BeamCriteria& criteria, BeamState& state)
{
    std::vector<BoxWrite> writes;
    BoxWriter writer{writes};
    state.flags.LoadsMultiplied = -1;
    // A hip or valley keeps the slope factor its calculator worked out and its loads as entered.
    if (!criteria.IncButton) {
        adjustForSlope(criteria, state.loads, writer);
    }
    adjustForSpacing(criteria, writer);
    return writes;
}

} // namespace beam
