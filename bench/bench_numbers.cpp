// Per-call cost of the caption's number text with the core formatter and an en-US
// description: the poll can rebuild the caption up to 100 times a second.
#include "units/number_format.h"

#include <benchmark/benchmark.h>

namespace {

void UseEnUs() { SetNumberLocale(NumberDescription{2, 1, 3, ".", ",", 1}, nullptr); }

void BM_FormatNumber(benchmark::State& state)
{
    UseEnUs();
    double value = -1234.567;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatNumber(value, false, 2));
        value += 0.25;
    }
}
BENCHMARK(BM_FormatNumber);

void BM_FormatInteger(benchmark::State& state)
{
    UseEnUs();
    long long value = 1234567;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatInteger(value));
        ++value;
    }
}
BENCHMARK(BM_FormatInteger);

} // namespace

BENCHMARK_MAIN();
