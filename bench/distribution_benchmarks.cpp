#include <benchmark/benchmark.h>

#include <chrono>

#include "engine/rows/rows.h"
#include "engine/statistics/distribution.h"
#include "engine/statistics/models.h"

// What --modelle adds to a run over the whole distribution: the count alone of 10^12..10^12+10^8
// on one thread, the models' comparison for the tally it gives, and the two together.
namespace {

core::RowRange rangeAtTenToTheTwelve(std::uint32_t length) {
    const core::Number from = 1'000'000'000'000;
    return {core::firstOfRows(from + 1, length), core::lastOfRows(from + 100'000'000, length),
            length};
}

core::RowTally countAlone(const core::RowRange& range) {
    core::ScanControl control;
    return core::countRange(range, 1, control);
}

// Each iteration times the count and the models apart; "ratio" is (count + models) / count.
void BM_WholeModelsBesideTheCount(benchmark::State& state) {
    const core::RowRange range = rangeAtTenToTheTwelve(static_cast<std::uint32_t>(state.range(0)));
    double countSeconds = 0;
    double modelSeconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const core::RowTally tally = countAlone(range);
        const auto counted = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(core::compareWholeModels(tally, core::modelRows(range)));
        const auto done = std::chrono::steady_clock::now();
        countSeconds += std::chrono::duration<double>(counted - start).count();
        modelSeconds += std::chrono::duration<double>(done - counted).count();
        state.SetIterationTime(std::chrono::duration<double>(done - start).count());
    }
    const auto runs = static_cast<double>(state.iterations());
    state.counters["count_ms"] = 1e3 * countSeconds / runs;
    state.counters["models_ms"] = 1e3 * modelSeconds / runs;
    state.counters["ratio"] = (countSeconds + modelSeconds) / countSeconds;
}
BENCHMARK(BM_WholeModelsBesideTheCount)
    ->Arg(1000)
    ->Arg(100'000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The models alone, for the tally of the same range.
void BM_WholeModelsAtTenToTheTwelve(benchmark::State& state) {
    const core::RowRange range = rangeAtTenToTheTwelve(static_cast<std::uint32_t>(state.range(0)));
    const core::RowTally tally = countAlone(range);
    for (auto _ : state) {
        benchmark::DoNotOptimize(core::compareWholeModels(tally, core::modelRows(range)));
    }
}
BENCHMARK(BM_WholeModelsAtTenToTheTwelve)->Arg(1000)->Arg(100'000)->Unit(benchmark::kMicrosecond);

}  // namespace
