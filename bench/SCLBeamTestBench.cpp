// One SCL beam test as "OK Calc" runs it for each depth it steps through: product 22 in "5-1/2x" by
// "14" (volume factor, a next smaller depth of 11-7/8) on a 14 ft backspan with a 4 ft overhang and an
// unbraced length, with the shared section, shear, deflection and next-smaller checks. Five breadths
// of a few steps each should stay far below a perceptible wait.
#include "app/Form1.h"
#include "app/Program.h"
#include "beam/BeamState.h"
#include "platform/headless/Driver.h"
#include "scl/Form2.h"
#include "scl/LVLCalc.h"

#include <benchmark/benchmark.h>
#include <utility>

namespace
{

void sclBeamTest(benchmark::State& run)
{
    platform::test::Driver driver;
    app::Program& program = driver.start<app::Program>();
    app::Form1& f1 = program.form1;
    driver.choose(f1.Combo1, "SCL Beams (LVL, PSL, LSL)");
    driver.click(f1.OHbutton);
    driver.retype(f1.Span, "14");
    driver.retype(f1.PT(0), "800");
    driver.retype(f1.DIS(0), "6");
    driver.retype(f1.PT(4), "500");
    driver.retype(f1.DIS(4), "4");
    driver.retype(f1.UBLtext, "7");
    driver.retype(f1.UNIF, "150");
    driver.retype(f1.LUNIF, "60");
    driver.click(f1.CmdOK);

    scl::Form2& f2 = program.form2;
    driver.clearMessages();
    driver.choose(f2.Combo1, 22);
    for (auto [box, text] : {std::pair{&f2.Text1, "3000"},
                             {&f2.Text2, "265"},
                             {&f2.Text4, "2.1"},
                             {&f2.Text3, "650"},
                             {&f2.Text6, "5-1/2x"},
                             {&f2.Text7, "14"}}) {
        driver.retype(*box, text);
    }
    bool completed = false;
    driver.runtime().dispatch([&] { completed = scl::LVLCalc(program); });
    if (!completed || program.beam.member.NextSmallerDepth == 0 || !driver.messages().empty()) {
        run.SkipWithError("the SCL test does not run to its end");
        return;
    }
    for (auto _ : run) {
        benchmark::DoNotOptimize(scl::LVLCalc(program));
    }
}
BENCHMARK(sclBeamTest)->Unit(benchmark::kMicrosecond);

} // namespace
