#include <benchmark/benchmark.h>

#include "analysis/berechnen.h"
#include "shell/conversions.h"

namespace {

void runScan(benchmark::State& state, const char* from, const char* to, const char* length) {
    const shell::DecimalSeparatorScope separator(u',');
    shell::PlainTextField lower;
    shell::PlainTextField upper;
    shell::PlainTextField rowLength;
    shell::SharedState shared;
    for (auto _ : state) {
        shell::LineList list;
        lower.SetText(from);
        upper.SetText(to);
        rowLength.SetText(length);
        analysis::Berechnen({upper, lower, rowLength, list}, shared);
        benchmark::DoNotOptimize(list.count());
    }
}

void BM_ScanOneToTenMillionRowsOfTen(benchmark::State& state) {
    runScan(state, "1", "10000000", "10");
}
BENCHMARK(BM_ScanOneToTenMillionRowsOfTen)->Unit(benchmark::kMillisecond);

void BM_ScanStartUpRange(benchmark::State& state) {
    runScan(state, "1", "45000", "90");
}
BENCHMARK(BM_ScanStartUpRange)->Unit(benchmark::kMicrosecond);

// Producing the lines a list shows on one screen, at the end of the largest listing.
void BM_LastScreenOfRowLines(benchmark::State& state) {
    const shell::DecimalSeparatorScope separator(u',');
    shell::PlainTextField lower("1");
    shell::PlainTextField upper("10000000");
    shell::PlainTextField rowLength("10");
    shell::SharedState shared;
    shell::LineList list;
    analysis::Berechnen({upper, lower, rowLength, list}, shared);
    for (auto _ : state) {
        for (qsizetype i = list.count() - 35; i < list.count(); ++i) {
            benchmark::DoNotOptimize(list.line(i));
        }
    }
}
BENCHMARK(BM_LastScreenOfRowLines)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
