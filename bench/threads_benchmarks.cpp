// How the counting threads share their work: two threads of countRange beside libprimesieve's
// own two threads on the same range, and several ranges counted together as a sweep over heights
// and row lengths counts them.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <primesieve.hpp>
#include <vector>

#include "engine/rows/rows.h"

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Processor time of the whole process, all threads: what two threads cost beyond one, whatever
// else runs on the machine.
double processMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double middle(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0.0 : n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// 2*10^9 numbers above 10^12 in rows of 1000.
core::RowRange wideRange() {
    return *core::adjustToRows(1'000'000'000'000, 1'002'000'000'000, 1000);
}

// One thread and two of each, in rounds that take turns in which goes first, on the wall
// clock: the speedup of two threads over one, ours and libprimesieve's, each the median of
// the rounds' speedups, and their ratio ("ratio" 1 where ours gains as much as libprimesieve's).
// On a busy machine the wall clock says little: "work" is the processor time of two threads
// over that of one, ours and libprimesieve's.
void BM_TwoThreadsBesideLibprimesieve(benchmark::State& state) {
    const core::RowRange range = wideRange();
    const auto first = static_cast<std::uint64_t>(range.first);
    const auto last = static_cast<std::uint64_t>(range.last);
    std::vector<double> ours[3];
    std::vector<double> theirs[3];
    std::vector<double> ourWork[3];
    std::vector<double> theirWork[3];
    std::vector<double> ourSpeedups;
    std::vector<double> theirSpeedups;
    std::vector<double> ratios;
    bool oursFirst = true;
    for (auto _ : state) {
        const auto count = [&](int threads) {
            const auto start = Clock::now();
            const double processor = processMilliseconds();
            core::ScanControl control;
            benchmark::DoNotOptimize(
                core::countRange(range, static_cast<unsigned>(threads), control));
            ours[threads].push_back(millisecondsSince(start));
            ourWork[threads].push_back(processMilliseconds() - processor);
        };
        const auto countTheirs = [&](int threads) {
            primesieve::set_num_threads(threads);
            const auto start = Clock::now();
            const double processor = processMilliseconds();
            benchmark::DoNotOptimize(primesieve::count_primes(first, last));
            theirs[threads].push_back(millisecondsSince(start));
            theirWork[threads].push_back(processMilliseconds() - processor);
        };
        for (const int threads : {1, 2}) {
            if (oursFirst) {
                count(threads);
                countTheirs(threads);
            } else {
                countTheirs(threads);
                count(threads);
            }
        }
        oursFirst = !oursFirst;
        ourSpeedups.push_back(ours[1].back() / ours[2].back());
        theirSpeedups.push_back(theirs[1].back() / theirs[2].back());
        ratios.push_back(ourSpeedups.back() / theirSpeedups.back());
    }
    state.counters["ours_one_ms"] = middle(ours[1]);
    state.counters["ours_two_ms"] = middle(ours[2]);
    state.counters["primesieve_one_ms"] = middle(theirs[1]);
    state.counters["primesieve_two_ms"] = middle(theirs[2]);
    state.counters["speedup"] = middle(ourSpeedups);
    state.counters["primesieve_speedup"] = middle(theirSpeedups);
    state.counters["ratio"] = middle(ratios);
    state.counters["work"] = middle(ourWork[2]) / middle(ourWork[1]);
    state.counters["primesieve_work"] = middle(theirWork[2]) / middle(theirWork[1]);
}
BENCHMARK(BM_TwoThreadsBesideLibprimesieve)->Iterations(5)->Unit(benchmark::kMillisecond);

// Each alone, for --benchmark_repetitions and their medians.
void BM_CountRangeOnThreads(benchmark::State& state) {
    const core::RowRange range = wideRange();
    for (auto _ : state) {
        core::ScanControl control;
        benchmark::DoNotOptimize(
            core::countRange(range, static_cast<unsigned>(state.range(0)), control));
    }
}
BENCHMARK(BM_CountRangeOnThreads)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

void BM_LibprimesieveCountOnThreads(benchmark::State& state) {
    const core::RowRange range = wideRange();
    primesieve::set_num_threads(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(primesieve::count_primes(static_cast<std::uint64_t>(range.first),
                                                          static_cast<std::uint64_t>(range.last)));
    }
}
BENCHMARK(BM_LibprimesieveCountOnThreads)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// A sweep's records: 10^8 numbers at 10^9, 10^12 and 10^15 in rows of 10, 100, 1000 and
// 10,000, on two threads, counted together (Arg 1) or one range after the other, each on both
// threads (Arg 0).
void BM_SweepOfTwelveRanges(benchmark::State& state) {
    std::vector<core::RowRange> ranges;
    for (const std::uint64_t height :
         {1'000'000'000ull, 1'000'000'000'000ull, 1'000'000'000'000'000ull}) {
        for (const std::uint32_t length : {10u, 100u, 1000u, 10'000u}) {
            ranges.push_back(*core::adjustToRows(height, height + 100'000'000, length));
        }
    }
    const bool together = state.range(0) == 1;
    for (auto _ : state) {
        core::ScanControl control;
        if (together) {
            benchmark::DoNotOptimize(core::countRanges(ranges, 2, control));
        } else {
            for (const core::RowRange& range : ranges) {
                benchmark::DoNotOptimize(core::countRange(range, 2, control));
            }
        }
    }
}
BENCHMARK(BM_SweepOfTwelveRanges)
    ->ArgName("together")
    ->Arg(0)
    ->Arg(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
