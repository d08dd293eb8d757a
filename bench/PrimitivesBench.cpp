// Cost of the number primitives that run on every keystroke, recalculation and printed line.
#include "platform/core/Number.h"

#include <array>
#include <benchmark/benchmark.h>
#include <string_view>

namespace
{

using namespace platform;

constexpr std::array<double, 6> Values = {0, 0.728, 1234.5, 15.28, -1500, 12345.678};

void formatDouble(benchmark::State& state, std::string_view pattern)
{
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(num::format(Values[i++ % Values.size()], pattern));
    }
}
BENCHMARK_CAPTURE(formatDouble, whole, std::string_view("#"));
BENCHMARK_CAPTURE(formatDouble, grouped, std::string_view("#,##0.00"));
BENCHMARK_CAPTURE(formatDouble, optionalDecimals, std::string_view("##0.0##"));

void formatSingle(benchmark::State& state)
{
    float value = 1.55f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(num::format(value, "#.0"));
        value += 0.25f;
    }
}
BENCHMARK(formatSingle);

constexpr std::array<std::string_view, 5> Texts = {"12.5 ft", "36,000", " -3.5e2x", "Any", "1234567.891"};

void leadingNumber(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(num::leadingNumber(Texts[i++ % Texts.size()]));
    }
}
BENCHMARK(leadingNumber);

void isNumberText(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(num::isNumberText(Texts[i++ % Texts.size()]));
    }
}
BENCHMARK(isNumberText);

void numberTextDouble(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(num::numberText(Values[i++ % Values.size()] * 1.3333));
    }
}
BENCHMARK(numberTextDouble);

void numberTextSingle(benchmark::State& state)
{
    float value = 66.7f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(num::numberText(value));
        value += 0.1f;
    }
}
BENCHMARK(numberTextSingle);

} // namespace
