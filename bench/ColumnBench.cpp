// Column sizing: the wood quick-pick search and the steel proposal search alone, and "OK Calculate" to a
// captioned wood column selection form through the headless driver.
#include "app/Form1.h"
#include "app/Program.h"
#include "columns/Form18.h"
#include "columns/Form20.h"
#include "columns/SteelColumnDesign.h"
#include "columns/WoodColumnDesign.h"
#include "platform/headless/Driver.h"

#include <benchmark/benchmark.h>

namespace
{

using platform::test::Driver;

// Built-up nailed column, every shown row tried to its last width: the most evaluations a search makes.
void QuickPickWoodColumnsBuiltUp(benchmark::State& state)
{
    columns::ColumnCriteria criteria;
    criteria.ColP = 30000;
    criteria.ColL1 = 8;
    criteria.ColL2 = 10;
    criteria.ColFc = 1350;
    criteria.ColE = 1.6f;
    criteria.ColCd = 1.0f;
    criteria.ColKe = 1.0f;
    columns::WoodColumnSetup setup;
    setup.type = columns::ColumnType::Nailed;
    setup.group = columns::ColumnValueGroup::DimensionLumber;
    setup.eminRule = true;
    columns::ColumnFactors factors;
    for (auto _ : state) {
        auto picks = columns::QuickPickWoodColumns(criteria, setup, factors);
        benchmark::DoNotOptimize(picks);
    }
}

void SteelColumnProposals(benchmark::State& state)
{
    for (auto _ : state) {
        auto proposals = columns::proposeSteelColumns(50000, 144, 1.0f);
        benchmark::DoNotOptimize(proposals);
    }
}

void OkCalculateToWoodColumnSelection(benchmark::State& state)
{
    Driver driver;
    app::Program& program = driver.start<app::Program>();
    driver.menu(program.form1.MnuColDesign);
    columns::Form18& f18 = program.form18;
    driver.retype(f18.cReacText, "20000");
    driver.retype(f18.cHTtext, "10");
    driver.retype(f18.cD1text, "10");
    driver.retype(f18.cD2text, "10");
    for (auto _ : state) {
        driver.click(f18.CmdOK);
        state.PauseTiming();
        if (!program.form20.visible() || program.form20.ColDep(2).caption().empty()) {
            state.SkipWithError("no captioned selection form");
            break;
        }
        driver.menu(program.form20.backmnu);
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(QuickPickWoodColumnsBuiltUp);
BENCHMARK(SteelColumnProposals);
BENCHMARK(OkCalculateToWoodColumnSelection)->Unit(benchmark::kMicrosecond);
