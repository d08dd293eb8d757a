// "OK Calc" of the custom values form, headless: for a 2x member the value checks and the selection
// form's captioning pass over the four 2x quick picks, each searched by silent size tests.
#include "app/Form1.h"
#include "app/Program.h"
#include "platform/headless/Driver.h"
#include "scl/Form2.h"

#include <benchmark/benchmark.h>

namespace
{

using platform::test::Driver;

void CustomValuesTwoByOkCalc(benchmark::State& state)
{
    Driver driver;
    app::Program& program = driver.start<app::Program>();
    driver.choose(program.form1.Combo1, "Custom Wood Values");
    driver.retype(program.form1.Span, "20");
    driver.retype(program.form1.UNIF, "200");
    driver.retype(program.form1.LUNIF, "100");
    driver.click(program.form1.CmdOK);
    scl::Form2& form2 = program.form2;
    driver.retype(form2.Text1, "2400");
    driver.retype(form2.Text2, "240");
    driver.retype(form2.Text3, "625");
    driver.retype(form2.Text4, "1.8");
    driver.retype(form2.Text5, "Custom #1");
    int captions = 0;
    for (auto _ : state) {
        driver.click(form2.CmdEnterValues);
        state.PauseTiming();
        captions = 0;
        for (platform::CommandButton* b :
             {&form2.Button2x, &form2.Button22x, &form2.Button32x, &form2.Button42x}) {
            captions += b->caption().empty() ? 0 : 1;
        }
        state.ResumeTiming();
    }
    state.counters["captions"] = captions;
}

// "OK Calc" for an SCL product of the catalogue: the estimate and the stepping search of the five depth
// buttons, up to 35 SCL beam tests.
void SclProductOkCalc(benchmark::State& state)
{
    Driver driver;
    app::Program& program = driver.start<app::Program>();
    driver.choose(program.form1.Combo1, "SCL Beams (LVL, PSL, LSL)");
    driver.retype(program.form1.Span, "20");
    driver.retype(program.form1.UNIF, "200");
    driver.retype(program.form1.LUNIF, "100");
    driver.click(program.form1.CmdOK);
    scl::Form2& form2 = program.form2;
    driver.choose(form2.Combo1, 2);
    driver.click(form2.LVLLoadDefault);
    int captions = 0;
    for (auto _ : state) {
        driver.click(form2.CmdEnterValues);
        state.PauseTiming();
        captions = 0;
        for (int i = 0; i < 5; ++i) {
            captions += form2.LVLbut[i].caption().empty() ? 0 : 1;
        }
        state.ResumeTiming();
    }
    state.counters["captions"] = captions;
}

} // namespace

BENCHMARK(CustomValuesTwoByOkCalc)->Unit(benchmark::kMillisecond);
BENCHMARK(SclProductOkCalc)->Unit(benchmark::kMillisecond);
