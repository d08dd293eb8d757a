// Program start to the criteria form shown, headless: settings file, form load and activation.
#include "app/DefaultSettingsRecord.h"
#include "app/Program.h"
#include "platform/headless/Driver.h"

#include <benchmark/benchmark.h>

namespace
{

void StartToForm1Shown(benchmark::State& state)
{
    for (auto _ : state) {
        platform::test::Driver driver;
        benchmark::DoNotOptimize(&driver.start<app::Program>());
    }
}
BENCHMARK(StartToForm1Shown)->Unit(benchmark::kMillisecond);

// A valid settings record also loads the report header and settings forms hidden.
void StartWithSettingsToForm1Shown(benchmark::State& state)
{
    app::DefaultSettingsRecord settings;
    settings.Marker = app::DefaultSettingsMarker;
    settings.defINGRADE = -1;
    settings.NDS2018 = -1;
    settings.CenterFormCheckbox = 1;
    const platform::Record record = app::writeDefaultSettings(settings);
    for (auto _ : state) {
        platform::test::Driver driver;
        driver.putFile(app::DefaultSettingsFileName, record.bytes());
        benchmark::DoNotOptimize(&driver.start<app::Program>());
    }
}
BENCHMARK(StartWithSettingsToForm1Shown)->Unit(benchmark::kMillisecond);

} // namespace
