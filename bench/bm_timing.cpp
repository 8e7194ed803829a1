// Timing an allophone: the positions read for each output sample, at one
// step and gliding from one step to another (sentence intonation). Items
// per second are positions per second.
#include <benchmark/benchmark.h>

#include "core/containers.h"
#include "model/fixed_point.h"
#include "synthesis/timing.h"

namespace {

constexpr int64_t kLimit = int64_t{4000} * SFP::kOne;  // a long vowel's samples

void BM_FillPositions(benchmark::State& state) {
    SFastArray<SFP> positions;
    for (auto _ : state) {
        FillPositions(SFP(), SFP::FromReal(state.range(0) / 1000.0), kLimit, positions);
        benchmark::DoNotOptimize(positions.GetData());
    }
    state.SetItemsProcessed(state.iterations() * positions.GetSize());
}
BENCHMARK(BM_FillPositions)->Arg(1000)->Arg(1125);

// A glide of the step from range(0) to range(1) (x 1000).
void BM_FillGlidingPositions(benchmark::State& state) {
    SFastArray<SFP> positions;
    SFP from = SFP::FromReal(state.range(0) / 1000.0), to = SFP::FromReal(state.range(1) / 1000.0);
    for (auto _ : state) {
        FillGlidingPositions(SFP(), from, to, kLimit, positions);
        benchmark::DoNotOptimize(positions.GetData());
    }
    state.SetItemsProcessed(state.iterations() * positions.GetSize());
}
BENCHMARK(BM_FillGlidingPositions)->Args({1000, 1100})->Args({1100, 900})->Args({800, 1600});

}  // namespace
