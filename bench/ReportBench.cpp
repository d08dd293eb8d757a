// The report form's activation with its fill, headless: every size step adds one fill to its test.
#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "beam/Form4.h"
#include "platform/headless/Driver.h"
#include "report/Form5.h"
#include "report/LoadReportForm.h"
#include "wood/Form3.h"

#include <benchmark/benchmark.h>

namespace
{

app::Program& reportReady(platform::test::Driver& driver)
{
    app::Program& program = driver.start<app::Program>();
    beam::BeamState& b = program.beam;
    b.shear.SectionModulusReq = 58.9f;
    b.member.SectionModulus = 73.8f;
    b.shear.ShearAreaReq = 15;
    b.member.ShearArea = 39.4f;
    b.shear.ShearStress = 68.6f;
    b.member.FvAdj = 180;
    b.deflection.TLDefl = 0.23f;
    b.deflection.TLDeflAllow = 0.6f;
    b.deflection.LLDefl = 0.13f;
    b.deflection.LLDeflAllow = 0.4f;
    b.deflection.LLDeflCheck = -1;
    b.deflection.TLDeflRatio = 623;
    b.deflection.LLDeflRatio = 1089;
    b.deflection.DLDefl = 0.1f;
    b.member.R1TL = b.member.R2TL = 1800;
    b.loads.R1LL = b.loads.R2LL = 1200;
    driver.runtime().dispatch([&] {
        program.form3.Text1.setText("4x");
        program.form3.Text2.setText("12");
        program.form3.Text3.setText("DF-L #1");
        program.form1.hide();
    });
    return program;
}

// The report shown again after another form was active: activation, step tables, fill and status.
void ReportActivation(benchmark::State& state)
{
    platform::test::Driver driver;
    app::Program& program = reportReady(driver);
    for (auto _ : state) {
        driver.runtime().dispatch([&] {
            program.form5.hide();
            program.form4.show();
            program.form4.hide();
            program.form5.show();
        });
    }
    benchmark::DoNotOptimize(program.state.SelectionStatus);
}
BENCHMARK(ReportActivation)->Unit(benchmark::kMicrosecond);

// The fill alone, as a size step runs it after its test.
void ReportFill(benchmark::State& state)
{
    platform::test::Driver driver;
    app::Program& program = reportReady(driver);
    for (auto _ : state) {
        driver.runtime().dispatch([&] { report::LoadReportForm(program); });
    }
}
BENCHMARK(ReportFill)->Unit(benchmark::kMicrosecond);

} // namespace
