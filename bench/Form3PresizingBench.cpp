// "OK Calculate" to a fully captioned selection form, headless: the load analysis, the hand-off and the
// whole pre-sizing of the quick-pick grid, with every captioned button searched by the size test.
#include "app/Form1.h"
#include "app/Program.h"
#include "platform/headless/Driver.h"
#include "wood/Form3.h"

#include <benchmark/benchmark.h>

namespace
{

using platform::test::Driver;

// The beam: species, span, total and live uniform load. Moderate loads caption the most buttons: heavy
// ones leave the sawn sizes empty, light ones fall below the timber and glu-lam gates.
void OkCalculateToCaptionedGrid(benchmark::State& state, const char* species, const char* span,
                                const char* total, const char* live)
{
    Driver driver;
    app::Program& program = driver.start<app::Program>();
    driver.choose(program.form1.Combo1, species);
    driver.retype(program.form1.Span, span);
    driver.retype(program.form1.UNIF, total);
    driver.retype(program.form1.LUNIF, live);
    int captions = 0;
    for (auto _ : state) {
        driver.click(program.form1.CmdOK);
        state.PauseTiming();
        captions = 0;
        for (int i = 0; i <= 41; ++i) {
            captions += program.form3.ht(i).caption().empty() ? 0 : 1;
        }
        driver.menu(program.form3.backmnu);
        state.ResumeTiming();
    }
    state.counters["captions"] = captions;
}

void SouthernPine14Ft(benchmark::State& state)
{
    OkCalculateToCaptionedGrid(state, "Southern Pine", "14", "250", "150");
}

void HemFir16Ft(benchmark::State& state)
{
    OkCalculateToCaptionedGrid(state, "Hem Fir / DF-Larch", "16", "200", "100");
}

} // namespace

BENCHMARK(SouthernPine14Ft)->Unit(benchmark::kMillisecond);
BENCHMARK(HemFir16Ft)->Unit(benchmark::kMillisecond);
