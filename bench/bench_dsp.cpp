// Response-curve costs: one band as recomputed on every drag step, one
// crossover filter, and everything a parameter-block load recomputes.
#include <benchmark/benchmark.h>

#include "band_response.h"
#include "crossover_response.h"

namespace {

using namespace ampdesk;

void BM_BandCurve(benchmark::State& state) {
    const auto type = static_cast<BandType>(state.range(0));
    const BandMarker marker = PlaceBandMarker(136, 150);
    CurveRow row{};
    for (auto _ : state) {
        ComputeBandCurve(type, marker, kQIndexDefault, row);
        benchmark::DoNotOptimize(row.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BandCurve)->ArgName("type")->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

void BM_CrossoverCurve(benchmark::State& state) {
    const int alignment = static_cast<int>(state.range(0));
    CurveRow row{};
    for (auto _ : state) {
        ComputeHighPassCurve(100, alignment, row);
        benchmark::DoNotOptimize(row.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CrossoverCurve)
    ->ArgName("alignment")
    ->DenseRange(0, kAlignmentCount - 1)
    ->Unit(benchmark::kMicrosecond);

void BM_AllSectionCurves(benchmark::State& state) {
    ResponseCurves curves;
    for (auto _ : state) {
        for (int section = 0; section < 4; ++section) {
            for (int band = 0; band < 6; ++band) {
                const int flat = section * 6 + band;
                ComputeBandCurve(static_cast<BandType>(flat % 3),
                                 PlaceBandMarker(20 + 35 * band, 100 + 10 * band), 4 + band,
                                 curves.BandCurve[static_cast<std::size_t>(flat)]);
            }
            ComputeHighPassCurve(10 * section, 2 * section,
                                 curves.HighPassCurve[static_cast<std::size_t>(section)]);
            ComputeLowPassCurve(243 - 10 * section, 2 * section + 1,
                                curves.LowPassCurve[static_cast<std::size_t>(section)]);
        }
        benchmark::DoNotOptimize(&curves);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_AllSectionCurves)->Unit(benchmark::kMicrosecond);

}  // namespace
