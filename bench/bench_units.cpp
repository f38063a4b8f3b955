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

// Centimetres over a whole 3840-pixel ruler at a density given in thousandths of a pixel per
// inch: 96000 is the logical density, 94337 a calibrated one.
void BM_LayoutCentimetres(benchmark::State& state)
{
    const UnitMetrics m = CalcUnitMetrics(RS_UNIT_CM | RS_HORZ, 96, {6, 13}, 10);
    GraduationParams p = DensePixels(3840, 0, 3840);
    p.dpi = double(state.range(0)) / 1000;
    p.unitTwips = m.unitTwips;
    p.labelStep = m.labelStep;
    p.subdivisions = m.subdivisions;
    GraduationLayout out;
    for (auto _ : state) {
        LayoutGraduations(p, out);
        benchmark::DoNotOptimize(out.ticks.data());
    }
    state.counters["ticks"] = double(out.ticks.size());
}
BENCHMARK(BM_LayoutCentimetres)->Arg(96000)->Arg(94337)->ComputeStatistics("min", Fastest);

// The caption's conversion of a pointer position to centimetres.
void BM_UnitsFromPixels(benchmark::State& state)
{
    const double dpi = double(state.range(0)) / 1000;
    double p = 0;
    for (auto _ : state) {
        p += 1;
        benchmark::DoNotOptimize(UnitsFromPixels(p, 566, dpi, 150));
    }
}
BENCHMARK(BM_UnitsFromPixels)->Arg(96000)->Arg(94337)->ComputeStatistics("min", Fastest);

}  // namespace

BENCHMARK_MAIN();
