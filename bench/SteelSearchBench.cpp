// The steel quick-pick search over all seven families in turn, all 468 rows, for a long, lightly
// stiff span (80 ft, 120 plf, deflection limits L/1500 and L/1000) that few sizes of any family pass:
// the heavier sizes of every family pass bending and shear and fail on deflection, so no search stops
// early at sixteen picks (fullFamilies 0). The allocations counter is the whole sweep's: the setup's snapshot
// of the criteria and the captions of the passing rows; a failing row allocates nothing.
#include "app/Form1.h"
#include "app/Program.h"
#include "platform/headless/Driver.h"
#include "steel/Form22.h"
#include "steel/SteelChecks.h"
#include "steel/SteelState.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <new>

namespace
{

std::atomic<long> allocations{0};

struct FamilyRows
{
    platform::OptionButton app::Form1::*option;
    std::int16_t first;
    std::int16_t last;
    void (*load)(steel::SteelTable&);
};

void loadW(steel::SteelTable& table)
{
    steel::LoadWShapeTable1(table);
    steel::LoadWShapeTable2(table);
}

const FamilyRows Families[] = {
    {&app::Form1::WFbutton, 0, 153, loadW},
    {&app::Form1::SFbutton, 154, 184, steel::LoadSShapeTable},
    {&app::Form1::CFbutton, 185, 213, steel::LoadChannelTable},
    {&app::Form1::TUbutton, 214, 323, steel::LoadTubeTable},
    {&app::Form1::PLbutton, 324, 377, steel::LoadPlateTable},
    {&app::Form1::DblPLbutton, 378, 431, steel::LoadPlateTable},
    {&app::Form1::MCbutton, 432, 467, steel::LoadMCTable},
};

void BM_SteelQuickPickSweep(benchmark::State& run)
{
    platform::test::Driver driver;
    app::Program& program = driver.start<app::Program>();
    app::Form1& form1 = program.form1;
    driver.choose(form1.Combo1, "Steel Beams");
    driver.retype(form1.Span, "80");
    driver.retype(form1.UNIF, "120");
    driver.retype(form1.LUNIF, "100");
    driver.retype(form1.LMaxDefl, "1500");
    driver.retype(form1.MaxDefl, "1000");
    driver.retype(form1.UBLtext, "0");
    driver.click(form1.CmdOK);
    driver.runtime().dispatch([&] {
        for (const FamilyRows& f : Families) {
            f.load(program.steel.SteelTable);
        }
    });

    long picks = 0;
    long fullFamilies = 0; // families whose search stopped at sixteen picks
    long allocated = 0;
    for (auto _ : run) {
        run.PauseTiming();
        picks = 0;
        fullFamilies = 0;
        run.ResumeTiming();
        const long before = allocations.load();
        for (const FamilyRows& f : Families) {
            driver.runtime().dispatch([&] {
                (form1.*f.option).setValue(true);
                program.steel.StlFirstRow = f.first;
                program.steel.StlLastRow = f.last;
                program.steel.StlMaxDepth = 0.75f;
                program.form22.ClearQuickPicks();
                steel::LoadUp22(program);
            });
            int familyPicks = 0;
            for (int i = 0; i < steel::QuickPickCount; ++i) {
                familyPicks += program.form22.StlPick(i).caption().empty() ? 0 : 1;
            }
            picks += familyPicks;
            fullFamilies += familyPicks == steel::QuickPickCount ? 1 : 0;
        }
        allocated = allocations.load() - before;
    }
    run.counters["picks"] = static_cast<double>(picks);
    run.counters["fullFamilies"] = static_cast<double>(fullFamilies);
    run.counters["allocations"] = static_cast<double>(allocated);
}
BENCHMARK(BM_SteelQuickPickSweep)->Unit(benchmark::kMicrosecond);

} // namespace

// Counts the allocations of the measured code. GCC cannot see that these replace the global pair, so
// it takes free() here for a mismatch.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
#pragma GCC diagnostic pop
