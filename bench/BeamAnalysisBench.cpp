// The load analysis of a busy beam: station table and governing moments, and one deflection check,
// with every point and partial load box in use.
#include "beam/CalcDeflection.h"
#include "beam/GoverningMoments.h"
#include "beam/LoadTotals.h"
#include "beam/StationTable.h"

#include <benchmark/benchmark.h>

namespace
{

class SilentUi final : public beam::BeamUi
{
  public:
    beam::Answer msgBox(const std::string&, beam::MsgStyle, const std::string&) override
    {
        return beam::Answer::Ok;
    }
    void beep() override {}
};

// 24 ft span: uniform load, six point loads and five partial loads, total and live.
beam::BeamCriteria busySimpleSpan()
{
    beam::BeamCriteria criteria;
    criteria.Span = "24";
    criteria.UNIF = "180";
    criteria.LUNIF = "80";
    const char* at[] = {"2", "5.5", "9", "12.25", "17", "21"};
    for (int k = 0; k < beam::PointLoadCount; ++k) {
        criteria.PT[k] = "1250";
        criteria.LPT[k] = "600";
        criteria.DIS[k] = at[k];
    }
    const char* from[] = {"0", "3", "8", "12", "18"};
    const char* to[] = {"6", "10", "15", "20", "24"};
    for (int j = 0; j < beam::PartialLoadCount; ++j) {
        criteria.PAR[j] = "240";
        criteria.LPAR[j] = "100";
        criteria.BEGP[j] = from[j];
        criteria.ENDP[j] = to[j];
    }
    return criteria;
}

// The same loads on a 16 ft backspan with a 5 ft overhang carrying F, G, K and L.
beam::BeamCriteria busyOverhang()
{
    beam::BeamCriteria criteria = busySimpleSpan();
    criteria.Span = "16";
    criteria.SimpleSpanbutton = false;
    criteria.OHbutton = true;
    criteria.DIS[3] = "14";
    criteria.DIS[4] = "3";
    criteria.DIS[5] = "5";
    criteria.ENDP[2] = "15";
    criteria.BEGP[3] = "0";
    criteria.ENDP[3] = "5";
    criteria.BEGP[4] = "1";
    criteria.ENDP[4] = "4";
    return criteria;
}

void BM_StationTableBusySpan(benchmark::State& run)
{
    const beam::BeamCriteria criteria = busySimpleSpan();
    beam::AppliedLoads loads;
    for (auto _ : run) {
        beam::computeLoadTotals(criteria, loads, beam::HipValleyTotals::FromLoadBoxes);
        beam::computeReactions(criteria, loads);
        beam::fillStationTable(criteria, loads, [](int) {});
        beam::findGoverningMoments(criteria, loads);
        benchmark::DoNotOptimize(loads.MomentLoads);
    }
}
BENCHMARK(BM_StationTableBusySpan);

void BM_DeflectionBusyOverhang(benchmark::State& run)
{
    const beam::BeamCriteria criteria = busyOverhang();
    beam::BeamState state;
    state.member.SpanLength = 16;
    state.member.OHLength = 5;
    state.member.UnifTL = 180;
    state.member.UnifLL = 80;
    state.member.SelfWeight = 12;
    state.member.EAdj = 1.8f;
    state.member.MomentOfInertia = 1457;
    SilentUi ui;
    for (auto _ : run) {
        beam::CalcDeflection(criteria, state, ui);
        benchmark::DoNotOptimize(state.deflection.OHTLDefl);
    }
}
BENCHMARK(BM_DeflectionBusyOverhang);

} // namespace
