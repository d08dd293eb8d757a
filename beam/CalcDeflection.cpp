// Deflections by closed forms, not by integration along the beam. A span without overhang takes the
// loads as one equivalent uniform load (coefficient 0.013, close to 5/384); an overhanging beam adds
// up the closed-form deflections of backspan and overhang, with each partial load cut into strips that
// act as point loads. Lengths are in inches inside the formulas, loads in lb, E' in psi.
#include "beam/CalcDeflection.h"

#include "platform/core/Number.h"
#include "platform/core/Traps.h"

#include <algorithm>
#include <array>
#include <utility>

namespace beam
{

namespace num = platform::num;

namespace
{

// One set of loads: the total loads (with self weight) or the live loads (without).
struct LoadSet
{
    std::array<float, PointLoadCount> point{};
    std::array<float, PartialLoadCount> partial{};
    double uniform = 0;    // plf over the span, self weight included for the total loads
    double selfWeight = 0; // plf, for the self weight on the overhang
};

struct Beam
{
    double L = 0;  // span (backspan), ft
    double c = 0;  // overhang, ft
    double Li = 0; // span, in
    double ci = 0; // overhang, in
    double EI = 0; // lb in^2
    std::array<float, PointLoadCount> at{};
    std::array<float, PartialLoadCount> begin{};
    std::array<float, PartialLoadCount> end{};
    // The strip stations, worked out once for every partial load of both load sets.
    std::array<float, 201> spanStations{};     // i * L / 200, ft
    std::array<float, 101> overhangStations{}; // j * c / 100 from R2, ft
};

float single(const std::string& text)
{
    return num::toSingle(boxValue(text));
}

LoadSet readLoads(const std::array<std::string, PointLoadCount>& point,
                  const std::array<std::string, PartialLoadCount>& partial, double uniform, double selfWeight)
{
    LoadSet set;
    for (int k = 0; k < PointLoadCount; ++k) {
        set.point[k] = single(point[k]);
    }
    for (int j = 0; j < PartialLoadCount; ++j) {
        set.partial[j] = single(partial[j]);
    }
    set.uniform = uniform;
    set.selfWeight = selfWeight;
    return set;
}

bool hasLiveLoad(const BeamState& state, const LoadSet& live)
{
    bool any = state.member.UnifLL > 0;
    for (float load : live.point) {
        any = any || load > 0;
    }
    for (float load : live.partial) {
        any = any || load > 0;
    }
    return any;
}

// Strips of a partial load on the span: stations i * L / 200, strictly inside the load, each carrying
// w * dx; f(stripLoadLb, xFt).
// The stations strictly between b and e, as a range of indices: the stations rise along the length.
template <std::size_t N>
std::pair<std::size_t, std::size_t> stationsWithin(const std::array<float, N>& at, double b, double e)
{
    const auto first = std::upper_bound(at.begin(), at.end(), b, [](double v, float x) { return v < x; });
    auto last = first;
    while (last != at.end() && *last < e) {
        ++last;
    }
    return {static_cast<std::size_t>(first - at.begin()), static_cast<std::size_t>(last - at.begin())};
}

// Strips of a partial load on the span: stations i * L / 200, strictly inside the load, each carrying
// w * dx; f(stripLoadLb, xFt). Stations are Single values, as in the station table, so a load ending
// exactly on a station leaves that station unloaded.
template <class F> void forEachSpanStrip(const Beam& beam, double w, double b, double e, F f)
{
    const double dx = beam.L / 200;
    const auto [first, last] = stationsWithin(beam.spanStations, b, e);
    for (std::size_t i = first; i < last; ++i) {
        f(w * dx, double{beam.spanStations[i]});
    }
}

// Strips of a partial load on the overhang: stations j * c / 100 from R2; f(stripLoadLb, aInches).
template <class F> void forEachOverhangStrip(const Beam& beam, double w, double b, double e, F f)
{
    const auto [first, last] = stationsWithin(beam.overhangStations, b, e);
    for (std::size_t j = first; j < last; ++j) {
        f(w * beam.c / 100, 12 * beam.c / 100 * static_cast<double>(j));
    }
}

// The uniform load that deflects a simple span as much as a point load P at a from R1.
double equivalentUniform(const Beam& beam, double P, double a)
{
    return num::div(6.35 * P * a * (beam.L - a), beam.L * beam.L);
}

// Midspan deflection of a simple span under the uniform load and the first points/partials loads.
double spanDeflection(const Beam& beam, const LoadSet& set, int points, int partials)
{
    double equivalent = set.uniform * beam.L;
    for (int k = 0; k < points; ++k) {
        if (set.point[k] > 0) {
            equivalent += equivalentUniform(beam, set.point[k], beam.at[k]);
        }
    }
    for (int j = 0; j < partials; ++j) {
        if (set.partial[j] > 0) {
            // The strips share the divisor of equivalentUniform; it is applied once per load.
            double strips = 0;
            forEachSpanStrip(beam, set.partial[j], beam.begin[j], beam.end[j],
                             [&](double strip, double x) { strips += 6.35 * strip * x * (beam.L - x); });
            equivalent += num::div(strips, beam.L * beam.L);
        }
    }
    return num::div(0.013 * beam.Li * beam.Li * beam.Li * equivalent, beam.EI);
}

// Continuous equal spans under their uniform load alone.
double continuousDeflection(const Beam& beam, const BeamCriteria& criteria, double uniform)
{
    const double Li3 = beam.Li * beam.Li * beam.Li;
    if (criteria.continuousTwoSpans()) {
        return num::div(Li3 * uniform * beam.L, 185 * beam.EI);
    }
    return num::div(Li3 * 4 * uniform * beam.L, 581 * beam.EI);
}

// Upward deflection of the backspan under the overhang loads: each acts on the span as a moment M at
// R2, which lifts the span by 0.06415 M L^2 / EI at most.
double backspanLift(const Beam& beam, const LoadSet& set, bool withSelfWeight)
{
    double moment = 0;
    for (int k = 4; k < PointLoadCount; ++k) {
        if (set.point[k] > 0) {
            moment += set.point[k] * 12.0 * beam.at[k];
        }
    }
    for (int j = 3; j < PartialLoadCount; ++j) {
        if (set.partial[j] > 0) {
            forEachOverhangStrip(beam, set.partial[j], beam.begin[j], beam.end[j],
                                 [&](double strip, double a) { moment += strip * a; });
        }
    }
    double lift = num::div(0.06415 * moment * beam.Li * beam.Li, beam.EI);
    if (withSelfWeight) {
        lift += num::div(0.03208 * beam.Li * beam.Li * beam.ci * beam.ci * (set.selfWeight / 12), beam.EI);
    }
    return lift;
}

// Tip deflection of a load P (lb) at a (in) from R2 on the overhang: the deflection under the load,
// P a^2 (L + a) / 3EI, carried on to the tip by the slope there, which takes in the rotation of the
// backspan at R2 as well as the bending of the overhang itself. The overhang is held to its limit at
// the tip, so a point load short of the tip is taken the same way as a strip of a partial load.
double tipDeflection(const Beam& beam, double P, double a)
{
    const double underLoad = a * (beam.Li + a) / 3;
    const double slopeToTip = (beam.ci - a) * (beam.Li / 3 + a / 2);
    return num::div(P * a * (underLoad + slopeToTip), beam.EI);
}

// Downward deflection at the overhang under the overhang loads.
double overhangDrop(const Beam& beam, const LoadSet& set, bool withSelfWeight)
{
    double drop = 0;
    for (int k = 4; k < PointLoadCount; ++k) {
        if (set.point[k] > 0) {
            drop += tipDeflection(beam, set.point[k], 12.0 * beam.at[k]);
        }
    }
    for (int j = 3; j < PartialLoadCount; ++j) {
        if (set.partial[j] > 0) {
            // The strips share tipDeflection's divisor; it is applied once per load.
            double strips = 0;
            forEachOverhangStrip(beam, set.partial[j], beam.begin[j], beam.end[j],
                                 [&](double strip, double a) {
                                     const double underLoad = a * (beam.Li + a) / 3;
                                     const double slopeToTip = (beam.ci - a) * (beam.Li / 3 + a / 2);
                                     strips += strip * a * (underLoad + slopeToTip);
                                 });
            drop += num::div(strips, beam.EI);
        }
    }
    if (withSelfWeight) {
        const double ci = beam.ci;
        drop += num::div(ci * ci * ci * (set.selfWeight / 12) * (3 * ci + 4 * beam.Li), 24 * beam.EI);
    }
    return drop;
}

// Upward deflection at the overhang tip from the backspan loads: the slope of the span at R2 times
// the overhang.
double overhangLift(const Beam& beam, const LoadSet& set)
{
    auto pointLift = [&](double P, double a) {
        return num::div(P * a * (beam.Li - a) * beam.ci * (a + beam.Li), 6 * beam.EI * beam.Li);
    };
    double lift = 0;
    for (int k = 0; k < 4; ++k) {
        if (set.point[k] > 0) {
            lift += pointLift(set.point[k], 12.0 * beam.at[k]);
        }
    }
    for (int j = 0; j < 3; ++j) {
        if (set.partial[j] > 0) {
            // The strips share pointLift's divisor; it is applied once per load.
            double strips = 0;
            forEachSpanStrip(beam, set.partial[j], beam.begin[j], beam.end[j], [&](double strip, double x) {
                const double a = 12 * x;
                strips += strip * a * (beam.Li - a) * beam.ci * (a + beam.Li);
            });
            lift += num::div(strips, 6 * beam.EI * beam.Li);
        }
    }
    const double Li = beam.Li;
    lift += num::div(Li * Li * Li * (set.uniform / 12) * beam.ci, 24 * beam.EI);
    return lift;
}

// x of L/x, or 0 when there is no deflection.
float ratio(double length, double deflection)
{
    return deflection == 0 ? 0.0f : num::toSingle(num::div(length, deflection));
}

void withoutOverhang(const BeamCriteria& criteria, const Beam& beam, const LoadSet& total,
                     const LoadSet& live, bool liveLoads, float liveLimit, DeflectionResults& out)
{
    if (criteria.Multibutton && (criteria.TwoSpan || criteria.ThreeSpan)) {
        out.TLDefl = num::toSingle(continuousDeflection(beam, criteria, total.uniform));
    } else {
        out.TLDefl = num::toSingle(spanDeflection(beam, total, PointLoadCount, PartialLoadCount));
    }
    out.TLDeflAllow = num::toSingle(num::div(beam.Li, num::toSingle(criteria.MaxDefl)));
    if (liveLoads) {
        out.LLDeflCheck = -1;
        if (criteria.Multibutton && (criteria.TwoSpan || criteria.ThreeSpan)) {
            out.LLDefl = num::toSingle(continuousDeflection(beam, criteria, live.uniform));
        } else {
            out.LLDefl = num::toSingle(spanDeflection(beam, live, PointLoadCount, PartialLoadCount));
        }
        out.LLDeflAllow = num::toSingle(num::div(beam.Li, liveLimit));
    } else {
        out.LLDefl = 0;
        out.LLDeflAllow = 0;
    }
    out.LLDeflRatio = ratio(beam.Li, out.LLDefl);
    out.OHTLDefl = 0;
    out.OHTLDeflAllow = 0;
    out.OHLLDefl = 0;
    out.OHLLDeflAllow = 0;
}

void withOverhang(const BeamCriteria& criteria, const Beam& beam, const LoadSet& total, const LoadSet& live,
                  bool liveLoads, float liveLimit, DeflectionResults& out)
{
    out.TLDefl = num::toSingle(spanDeflection(beam, total, 4, 3) - backspanLift(beam, total, true));
    out.OHTLDefl = num::toSingle(overhangDrop(beam, total, true) - overhangLift(beam, total));
    if (liveLoads) {
        out.LLDeflCheck = -1;
        out.OHLLDeflCheck = -1;
        out.LLDefl = num::toSingle(spanDeflection(beam, live, 4, 3) - backspanLift(beam, live, false));
        out.OHLLDefl = num::toSingle(overhangDrop(beam, live, false) - overhangLift(beam, live));
        out.LLDeflAllow = num::toSingle(num::div(beam.Li, liveLimit));
        out.OHLLDeflAllow = num::toSingle(num::div(2 * beam.ci, liveLimit));
    } else {
        // OHLLDeflAllow keeps its value: nothing is held to it.
        out.LLDefl = 0;
        out.LLDeflAllow = 0;
        out.OHLLDefl = 0;
    }
    out.LLDeflRatio = ratio(beam.Li, out.LLDefl);
    const float totalLimit = num::toSingle(criteria.MaxDefl);
    out.TLDeflAllow = num::toSingle(num::div(beam.Li, totalLimit));
    // The overhang is held to the limit over twice its length, as a cantilever.
    out.OHTLDeflAllow = num::toSingle(num::div(2 * beam.ci, totalLimit));
    out.OHLLDeflRatio =
        out.OHLLDefl != 0 && out.OHLLDeflCheck == -1 ? ratio(2 * beam.ci, out.OHLLDefl) : 0.0f;
}

// Long-term deflection: the dead-load part creeps, by half again when dry and double when wet; steel
// does not creep.
void applyCreep(const BeamCriteria& criteria, const BeamState& state, const Beam& beam,
                DeflectionResults& out)
{
    if (state.flags.SteelBeamFlag == -1) {
        out.CreepFactor = 1.0f;
    } else {
        out.CreepFactor = criteria.Wet ? 2.0f : 1.5f;
    }
    out.TLDefl = num::toSingle(out.LLDefl + (double{out.TLDefl} - out.LLDefl) * out.CreepFactor);
    out.DLDefl = num::toSingle(double{out.TLDefl} - out.LLDefl);
    if (criteria.OHbutton) {
        out.OHTLDefl = num::toSingle(out.OHLLDefl + (double{out.OHTLDefl} - out.OHLLDefl) * out.CreepFactor);
        out.OHDLDefl = num::toSingle(double{out.OHTLDefl} - out.OHLLDefl);
        out.OHTLDeflRatio = ratio(2 * beam.ci, out.OHTLDefl);
    } else {
        out.OHDLDefl = 0;
    }
    out.TLDeflRatio = ratio(beam.Li, out.TLDefl);
}

} // namespace

void CalcDeflection(const BeamCriteria& criteria, BeamState& state, BeamUi& ui)
{
    DeflectionResults& out = state.deflection;
    out.LLDeflCheck = 0;
    out.OHLLDeflCheck = 0;
    platform::leaveOnError(
        [&] {
            const MemberUnderTest& m = state.member;
            const LoadSet total =
                readLoads(criteria.PT, criteria.PAR, double{m.SelfWeight} + double{m.UnifTL}, m.SelfWeight);
            const LoadSet live = readLoads(criteria.LPT, criteria.LPAR, m.UnifLL, 0);
            const float liveLimit = single(criteria.LMaxDefl);

            Beam beam;
            beam.L = m.SpanLength;
            beam.c = m.OHLength;
            beam.Li = 12 * beam.L;
            beam.ci = 12 * beam.c;
            beam.EI = double{m.EAdj} * 1000000 * m.MomentOfInertia;
            for (int k = 0; k < PointLoadCount; ++k) {
                beam.at[k] = single(criteria.DIS[k]);
            }
            for (int j = 0; j < PartialLoadCount; ++j) {
                beam.begin[j] = single(criteria.BEGP[j]);
                beam.end[j] = single(criteria.ENDP[j]);
            }
            const double dx = beam.L / 200;
            for (int i = 0; i <= 200; ++i) {
                beam.spanStations[static_cast<std::size_t>(i)] = num::toSingle(i * dx);
            }
            const double dc = beam.c / 100;
            for (int j = 0; j <= 100; ++j) {
                beam.overhangStations[static_cast<std::size_t>(j)] = num::toSingle(j * dc);
            }

            const bool liveLoads = hasLiveLoad(state, live);
            if (criteria.OHbutton) {
                withOverhang(criteria, beam, total, live, liveLoads, liveLimit, out);
            } else {
                withoutOverhang(criteria, beam, total, live, liveLoads, liveLimit, out);
            }
            applyCreep(criteria, state, beam, out);
        },
        [&ui](const platform::RuntimeError&) {
            ui.msgBox("Error in deflection calc", MsgStyle::Exclamation);
        });
}

} // namespace beam
