// One silent quick-pick test as the pre-sizing runs it: the button press that fills the size boxes,
// the wood size test and the shared checks. The worst pre-sizing runs some 470 of them, which should
// fit in the selection form's 5 ms.
#include "app/Form1.h"
#include "app/Program.h"
#include "beam/BeamState.h"
#include "platform/headless/Driver.h"
#include "wood/CalcWoodBeam.h"
#include "wood/Form3.h"

#include <benchmark/benchmark.h>

namespace
{

void enter(platform::test::Driver& driver, platform::TextBox& box, const char* text)
{
    driver.retype(box, text);
}

// A 16 ft simple span with a uniform load, or a 14 ft backspan with a 4 ft overhang and point loads on
// both; every box the test reads is in use on the overhang.
void quickPickTest(benchmark::State& run, bool overhang)
{
    platform::test::Driver driver;
    app::Program& program = driver.start<app::Program>();
    app::Form1& f1 = program.form1;
    if (overhang) {
        driver.click(f1.OHbutton);
        enter(driver, f1.Span, "14");
        enter(driver, f1.PT(0), "800");
        enter(driver, f1.DIS(0), "6");
        enter(driver, f1.PT(4), "500");
        enter(driver, f1.DIS(4), "4");
        enter(driver, f1.UBLtext, "7");
    } else {
        enter(driver, f1.Span, "16");
    }
    enter(driver, f1.UNIF, "150");
    enter(driver, f1.LUNIF, "60");
    driver.click(f1.CmdOK);
    // Button 11: (4) 2x of the third grade, a depth its walk tests.
    platform::CommandButton& button = program.form3.ht[11];
    if (button.caption().empty()) {
        run.SkipWithError("no caption to test");
        return;
    }
    driver.runtime().dispatch([&] {
        program.beam.flags.PretestMode = -1;
        button.setValue(true);
        if (!wood::CalcWoodBeam(program) || !driver.messages().empty()) {
            run.SkipWithError("the size test does not run to its end");
            return;
        }
        for (auto _ : run) {
            button.setValue(true);
            benchmark::DoNotOptimize(wood::CalcWoodBeam(program));
        }
    });
}

void BM_QuickPickTestSimpleSpan(benchmark::State& run)
{
    quickPickTest(run, false);
}
BENCHMARK(BM_QuickPickTestSimpleSpan);

void BM_QuickPickTestOverhang(benchmark::State& run)
{
    quickPickTest(run, true);
}
BENCHMARK(BM_QuickPickTestOverhang);

} // namespace
