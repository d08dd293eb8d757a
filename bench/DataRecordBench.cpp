// Composing the beam data record on Form6, and building one printed page of it with the load
// location diagram (the display list the host receives), headless.
#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "platform/forms/Runtime.h"
#include "platform/headless/Driver.h"
#include "report/Form11.h"
#include "report/Form6.h"
#include "report/PrintRecord.h"

#include <benchmark/benchmark.h>

namespace
{

// A finished 12 ft simple span with point and partial loads, so every section has work to do.
void finishedBeam(app::Program& program)
{
    program.runtime.dispatch([&] {
        app::Form1& f = program.form1;
        f.Span.setText("12");
        f.UNIF.setText("200");
        f.LUNIF.setText("100");
        f.PT(0).setText("500");
        f.DIS(0).setText("4");
        f.PAR(0).setText("150");
        f.BEGP(0).setText("2");
        f.ENDP(0).setText("8");
    });
    beam::BeamState& b = program.beam;
    b.member.SpanLength = 12;
    b.member.UnifTL = 200;
    b.member.UnifLL = 100;
    b.member.BreadthClass = "4x";
    b.member.SectionModulus = 73.83f;
    b.member.ShearArea = 39.38f;
    b.member.R1TL = 2000;
    b.member.R2TL = 1600;
    b.member.MaxMoment = 6000;
    b.member.FbAdj = 1000;
    b.member.FvAdj = 180;
    b.member.FcPerpAdj = 625;
    b.shear.SectionModulusReq = 72;
    b.shear.ShearV = 2000;
    b.shear.ShearStress = 76;
    b.deflection.TLDefl = 0.4f;
    b.deflection.TLDeflAllow = 0.6f;
    b.deflection.LLDefl = 0.2f;
    b.deflection.LLDeflAllow = 0.4f;
    b.deflection.LLDeflCheck = -1;
    b.loads.PTTotal = 500;
    b.loads.PARTotal = 900;
    program.state.ReportShown = -1;
    program.runtime.dispatch([&] { program.form6.show(); });
}

void ComposeDataRecord(benchmark::State& state)
{
    platform::test::Driver driver;
    app::Program& program = driver.start<app::Program>();
    finishedBeam(program);
    for (auto _ : state) {
        benchmark::DoNotOptimize(program.form6.composeRecord());
    }
}
BENCHMARK(ComposeDataRecord)->Unit(benchmark::kMicrosecond);

void PrintRecordPageWithDiagram(benchmark::State& state)
{
    platform::test::Driver driver;
    app::Program& program = driver.start<app::Program>();
    finishedBeam(program);
    platform::Printer& printer = program.runtime.printer();
    program.form11.load();
    for (auto _ : state) {
        report::PrintDataRecord(program, program.form6, true);
        report::PrintLoadDiagram(program, program.form11);
        printer.killDoc(); // the page is built; the host keeps it as an abandoned document
    }
}
// A fixed count: the headless host keeps every document it is handed.
BENCHMARK(PrintRecordPageWithDiagram)->Unit(benchmark::kMicrosecond)->Iterations(2000);

} // namespace
