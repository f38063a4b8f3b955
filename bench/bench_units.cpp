// Unit metrics and graduation layout. A paint lays out only its clip range, so the range
// benchmarks must cost the same on a short and a ten times longer ruler.
#include "ruler/view_flags.h"
#include "units/graduation.h"
#include "units/units.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

void BM_CalcUnitMetrics(benchmark::State& state)
{
    const UnitInfo& unit = GetUnitTable()[state.range(0)];
    const int base = int(state.range(1));
    state.SetLabel(unit.abbrev);
    for (auto _ : state) {
        UnitMetrics m = CalcUnitMetrics(unit.flag | RS_HORZ, 96, {6, 13}, base);
        benchmark::DoNotOptimize(m);
    }
}
BENCHMARK(BM_CalcUnitMetrics)->ArgsProduct({benchmark::CreateDenseRange(0, kUnitCount - 1, 1), {2, 10}});

// Pixels, base 2, 100 %, 96 dpi: a tick every 2 pixels, the densest graduation.
GraduationParams DensePixels(int length, int from, int to)
{
    GraduationParams p;
    p.dpi = 96;
    p.unitTwips = 15;
    p.labelStep = 32;
    p.subdivisions = 16;
    p.scale = 100;
    p.length = length;
    p.thickness = 40;
    p.fontHeight = 16;
    p.from = from;
    p.to = to;
    p.labelExtent = 30;
    return p;
}

void BM_LayoutWholeRuler(benchmark::State& state)
{
    const int length = int(state.range(0));
    const GraduationParams p = DensePixels(length, 0, length);
    GraduationLayout out;
    for (auto _ : state) {
        LayoutGraduations(p, out);
        benchmark::DoNotOptimize(out.ticks.data());
    }
    state.counters["ticks"] = double(out.ticks.size());
}
BENCHMARK(BM_LayoutWholeRuler)->Arg(3840);

// A 200-pixel clip range in the middle of the ruler.
void BM_LayoutMiddleRange(benchmark::State& state)
{
    const int length = int(state.range(0));
    const GraduationParams p = DensePixels(length, length / 2 - 100, length / 2 + 100);
    GraduationLayout out;
    for (auto _ : state) {
        LayoutGraduations(p, out);
        benchmark::DoNotOptimize(out.ticks.data());
    }
    state.counters["ticks"] = double(out.ticks.size());
}
// The fastest repetition is the one least disturbed by other load on the machine.
double Fastest(const std::vector<double>& v)
{
    return *std::min_element(v.begin(), v.end());
}
BENCHMARK(BM_LayoutMiddleRange)->Arg(3840)->Arg(38400)->ComputeStatistics("min", Fastest);

}  // namespace

BENCHMARK_MAIN();
