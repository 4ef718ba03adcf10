#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "analysis/berechnen.h"
#include "distribution/graph_redraw.h"
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

// The Graph button's redraw after the start-up scan: clear, fit and table, axes, sticks, bars.
void BM_FullRedrawOfTheStartUpScan(benchmark::State& state) {
    const shell::DecimalSeparatorScope separator(u',');
    shell::PlainTextField lower("1");
    shell::PlainTextField upper("45000");
    shell::PlainTextField rowLength("90");
    shell::SharedState shared;
    shell::LineList list;
    analysis::Berechnen({upper, lower, rowLength, list}, shared);
    distribution::PlainGraph graph;
    distribution::ChartState chart;
    for (auto _ : state) {
        distribution::FullRedraw(graph.controls(), chart, shared, {lower, upper});
    }
}
BENCHMARK(BM_FullRedrawOfTheStartUpScan)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    // Text on the picture needs a font system; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
