#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QFileInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <ctime>
#include <optional>
#include <primesieve.hpp>
#include <thread>
#include <vector>

#include "bench/process_memory.h"
#include "core/conversions.h"
#include "core/row_scan.h"
#include "engine/rows/row_lengths.h"
#include "engine/rows/rows.h"
#include "engine/statistics/models.h"
#include "graphics/chart_export.h"
#include "ui/edit_field.h"
#include "ui/graph_window.h"
#include "ui/list_box.h"
#include "ui/main_window.h"
#include "ui/picture_box.h"
#include "ui/scan_steps.h"

namespace {

// The reader the benchmarks' texts are made for: the program's German with its decimal comma.
const core::Conventions kReader{core::Language::German, U','};

void runScan(benchmark::State& state, const char* from, const char* to, const char* length) {
    ui::PlainTextField lower;
    ui::PlainTextField upper;
    ui::PlainTextField rowLength;
    ui::SharedState shared;
    shared.conventions = kReader;
    for (auto _ : state) {
        core::LineList list;
        lower.setFieldText(from);
        upper.setFieldText(to);
        rowLength.setFieldText(length);
        ui::scanIntoFields({upper, lower, rowLength, list}, shared);
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
    ui::PlainTextField lower("1");
    ui::PlainTextField upper("10000000");
    ui::PlainTextField rowLength("10");
    ui::SharedState shared;
    shared.conventions = kReader;
    core::LineList list;
    ui::scanIntoFields({upper, lower, rowLength, list}, shared);
    for (auto _ : state) {
        for (qsizetype i = list.count() - 35; i < list.count(); ++i) {
            benchmark::DoNotOptimize(list.line(i));
        }
    }
}
BENCHMARK(BM_LastScreenOfRowLines)->Unit(benchmark::kMicrosecond);

// Both windows as the program shows them, offscreen.
struct Windows {
    Windows() {
        state.conventions = kReader;
        mainWindow.setGraphWindow(&graphWindow);
        graphWindow.show();
        mainWindow.show();
        QApplication::processEvents();
    }
    ui::SharedState state;
    graphics::ChartState chart;
    ui::MainWindow mainWindow{state, [](const QString&) {}};
    ui::GraphWindow graphWindow{state, chart, [](const QString&) {}};
};

// From pressing the scan button on 1..10,000,000 in rows of ten until the list has painted its
// first rows; the resident memory of the process after it.
void BM_ScanUntilTheListShowsItsFirstRows(benchmark::State& state) {
    Windows windows;
    for (auto _ : state) {
        windows.mainWindow.lowerBound->setText(QStringLiteral("1"));
        windows.mainWindow.upperBound->setText(QStringLiteral("10000000"));
        windows.mainWindow.rowLength->setText(QStringLiteral("10"));
        QTest::mouseClick(windows.mainWindow.computeButton, Qt::LeftButton);
        windows.mainWindow.rowList->viewport()->repaint();
    }
    state.counters["rss_MB"] = ResidentMegabytes();
}
BENCHMARK(BM_ScanUntilTheListShowsItsFirstRows)->Unit(benchmark::kMillisecond);

// The Graph button's redraw after the start-up scan: clear, fit and table, axes, sticks, bars.
void BM_FullRedrawOfTheStartUpScan(benchmark::State& state) {
    Windows windows;
    QTest::mouseClick(windows.mainWindow.computeButton, Qt::LeftButton);
    for (auto _ : state) {
        windows.graphWindow.redraw();
    }
}
BENCHMARK(BM_FullRedrawOfTheStartUpScan)->Unit(benchmark::kMicrosecond);

// The start-up chart rasterised anew from its drawing commands, at a screen scale of 1 and 2.
void BM_RepaintStartUpChartFromItsCommands(benchmark::State& state) {
    Windows windows;
    QTest::mouseClick(windows.mainWindow.computeButton, Qt::LeftButton);
    windows.mainWindow.onGraphClicked();
    const graphics::Drawing& drawing = windows.graphWindow.pictureBox->picture().drawing();
    const double scale = static_cast<double>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(graphics::rasterise(drawing, scale));
    }
}
BENCHMARK(BM_RepaintStartUpChartFromItsCommands)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// Saving the start-up chart: the file's bytes, as SVG and as a PNG at twice the size.
void BM_SaveStartUpChart(benchmark::State& state) {
    Windows windows;
    QTest::mouseClick(windows.mainWindow.computeButton, Qt::LeftButton);
    windows.mainWindow.onGraphClicked();
    const auto format = static_cast<graphics::ChartFormat>(state.range(0));
    const graphics::ChartTexts texts = windows.graphWindow.chartTexts();
    for (auto _ : state) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        graphics::writeChart(buffer, format, windows.graphWindow.pictureBox->picture().drawing(),
                             2.0, texts);
        benchmark::DoNotOptimize(bytes.size());
    }
}
BENCHMARK(BM_SaveStartUpChart)
    ->ArgName("png0_svg1_pdf2")
    ->DenseRange(0, 2)
    ->Unit(benchmark::kMillisecond);

// Ctrl+A and Ctrl+C in the list of 1..10,000,000 in rows of ten (1,000,027 lines) until the
// clipboard holds the text.
void BM_SelectAllAndCopyAMillionLines(benchmark::State& state) {
    Windows windows;
    windows.mainWindow.upperBound->setText(QStringLiteral("10000000"));
    windows.mainWindow.rowLength->setText(QStringLiteral("10"));
    QTest::mouseClick(windows.mainWindow.computeButton, Qt::LeftButton);
    windows.mainWindow.activateWindow();
    windows.mainWindow.rowList->setFocus();
    for (auto _ : state) {
        windows.mainWindow.rowList->clearSelection();
        QTest::keyClick(windows.mainWindow.rowList, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(windows.mainWindow.rowList, Qt::Key_C, Qt::ControlModifier);
        benchmark::DoNotOptimize(QGuiApplication::clipboard()->text().size());
    }
    state.counters["lines"] = windows.mainWindow.rowList->items().rowCount();
}
BENCHMARK(BM_SelectAllAndCopyAMillionLines)->Unit(benchmark::kMillisecond);

// Saving the same listing to a file, streamed line by line; the resident memory after it.
void BM_SaveAMillionLines(benchmark::State& state) {
    Windows windows;
    windows.mainWindow.upperBound->setText(QStringLiteral("10000000"));
    windows.mainWindow.rowLength->setText(QStringLiteral("10"));
    QTest::mouseClick(windows.mainWindow.computeButton, Qt::LeftButton);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("liste.txt"));
    windows.mainWindow.setSaveDialog(
        [&](QWidget*, const ui::SaveQuestion&, const QString&) -> std::optional<ui::SaveAnswer> {
            return ui::SaveAnswer{path, 0};
        });
    const double before = ResidentMegabytes();
    for (auto _ : state) {
        windows.mainWindow.saveList();
    }
    state.counters["file_MB"] = static_cast<double>(QFileInfo(path).size()) / (1 << 20);
    state.counters["rss_growth_MB"] = ResidentMegabytes() - before;
}
BENCHMARK(BM_SaveAMillionLines)->Unit(benchmark::kMillisecond);

// Repainting the list of 1..10,000,000 in rows of 5,000,000 marks, scrolled to the middle of a
// row.
void BM_RepaintRowsOfMillionsOfMarks(benchmark::State& state) {
    Windows windows;
    windows.mainWindow.upperBound->setText(QStringLiteral("10000000"));
    windows.mainWindow.rowLength->setText(QStringLiteral("5000000"));
    QTest::mouseClick(windows.mainWindow.computeButton, Qt::LeftButton);
    QScrollBar* across = windows.mainWindow.rowList->horizontalScrollBar();
    // The view lays its rows out when the event loop comes round.
    if (!QTest::qWaitFor([across] { return across->maximum() > 0; })) {
        state.SkipWithError("the list was not laid out");
        return;
    }
    across->setValue(across->maximum() / 2);
    for (auto _ : state) {
        windows.mainWindow.rowList->viewport()->repaint();
    }
}
BENCHMARK(BM_RepaintRowsOfMillionsOfMarks)->Unit(benchmark::kMillisecond);

// Processor time of this thread: unlike the wall clock, it does not grow while another
// process has the machine.
double threadMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// The windows' full range, 1..10,000,000 in rows of ten, beside libprimesieve counting the
// primes of the same range, in turns, on the wall clock (the scan uses two threads for the
// marks and the tally): "ratio" over counting on one thread, "ratio_all_cores" over counting
// on all of them.
void BM_WindowsScanAgainstCountingItsPrimes(benchmark::State& state) {
    ui::PlainTextField lower("1");
    ui::PlainTextField upper("10000000");
    ui::PlainTextField rowLength("10");
    ui::SharedState shared;
    shared.conventions = kReader;
    using Clock = std::chrono::steady_clock;
    const auto since = [](Clock::time_point start) {
        return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    };
    double scanning = 0;
    double counting = 0;
    double countingAll = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        core::LineList list;
        lower.setFieldText("1");
        upper.setFieldText("10000000");
        ui::scanIntoFields({upper, lower, rowLength, list}, shared);
        scanning += since(start);
        primesieve::set_num_threads(1);
        start = Clock::now();
        benchmark::DoNotOptimize(primesieve::count_primes(1, 10'000'000));
        counting += since(start);
        primesieve::set_num_threads(static_cast<int>(std::thread::hardware_concurrency()));
        start = Clock::now();
        benchmark::DoNotOptimize(primesieve::count_primes(1, 10'000'000));
        countingAll += since(start);
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["scan_ms"] = scanning / n;
    state.counters["count_ms"] = counting / n;
    state.counters["count_all_cores_ms"] = countingAll / n;
    state.counters["ratio"] = scanning / counting;
    state.counters["ratio_all_cores"] = scanning / countingAll;
}
BENCHMARK(BM_WindowsScanAgainstCountingItsPrimes)->Unit(benchmark::kMillisecond);

// The command-line companion's tally of 10^7 numbers at a height, rows of 90, one thread,
// beside libprimesieve counting the same window on one thread.
void BM_WideWindowAgainstCountingItsPrimes(benchmark::State& state) {
    primesieve::set_num_threads(1);
    const std::uint64_t from = static_cast<std::uint64_t>(std::pow(10.0, state.range(0)));
    const auto range = *core::adjustToRows(from, from + 10'000'000, 90);
    double tallying = 0;
    double counting = 0;
    for (auto _ : state) {
        const double start = threadMilliseconds();
        core::ScanControl control;
        benchmark::DoNotOptimize(core::countRows(range, 0, range.rows(), control));
        const double middle = threadMilliseconds();
        benchmark::DoNotOptimize(primesieve::count_primes(static_cast<std::uint64_t>(range.first),
                                                          static_cast<std::uint64_t>(range.last)));
        const double end = threadMilliseconds();
        tallying += middle - start;
        counting += end - middle;
    }
    state.counters["tally_ms"] = tallying / static_cast<double>(state.iterations());
    state.counters["count_ms"] = counting / static_cast<double>(state.iterations());
    state.counters["ratio"] = tallying / counting;
}
BENCHMARK(BM_WideWindowAgainstCountingItsPrimes)
    ->ArgName("height_10e")
    ->Arg(12)
    ->Arg(18)
    ->Unit(benchmark::kMillisecond);

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0.0 : n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// 10^9 numbers at 10^12 and 10^15 in rows of 90 on one thread, beside libprimesieve counting the
// primes of the same window on one thread (primesieve A B --count -t1), in rounds that take
// turns in which goes first; medians of the rounds.
void BM_BillionNumbersAgainstCountingItsPrimes(benchmark::State& state) {
    primesieve::set_num_threads(1);
    const auto from = static_cast<std::uint64_t>(std::pow(10.0, state.range(0)));
    const auto range = *core::adjustToRows(from, from + 1'000'000'000, 90);
    const auto first = static_cast<std::uint64_t>(range.first);
    const auto last = static_cast<std::uint64_t>(range.last);
    std::vector<double> tallying;
    std::vector<double> counting;
    std::vector<double> ratios;
    bool tallyFirst = true;
    for (auto _ : state) {
        const auto tally = [&] {
            const double start = threadMilliseconds();
            core::ScanControl control;
            benchmark::DoNotOptimize(core::countRows(range, 0, range.rows(), control));
            tallying.push_back(threadMilliseconds() - start);
        };
        const auto count = [&] {
            const double start = threadMilliseconds();
            benchmark::DoNotOptimize(primesieve::count_primes(first, last));
            counting.push_back(threadMilliseconds() - start);
        };
        if (tallyFirst) {
            tally();
            count();
        } else {
            count();
            tally();
        }
        tallyFirst = !tallyFirst;
        ratios.push_back(tallying.back() / counting.back());
    }
    state.counters["tally_ms"] = median(tallying);
    state.counters["count_ms"] = median(counting);
    state.counters["ratio"] = median(ratios);
}
BENCHMARK(BM_BillionNumbersAgainstCountingItsPrimes)
    ->ArgName("height_10e")
    ->Arg(12)
    ->Arg(15)
    ->Iterations(7)
    ->Unit(benchmark::kMillisecond);

// Processor time of all threads of the process.
double processMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// 10^10 numbers at 10^12 and 10^15 in rows of 90 on one thread and on two, in rounds that take
// turns in which goes first: "speedup" is the median of the rounds' one thread over two threads
// on the wall clock, which other processes on the machine lower; "primesieve_speedup" the same
// for libprimesieve counting the window's primes in the same rounds, what the machine gives at
// the moment; "work_two_over_one" the processor time of two threads over one (1 where the split
// costs nothing).
void BM_TenBillionNumbersOnTwoThreads(benchmark::State& state) {
    const auto from = static_cast<std::uint64_t>(std::pow(10.0, state.range(0)));
    const auto range = *core::adjustToRows(from, from + 10'000'000'000, 90);
    using Clock = std::chrono::steady_clock;
    std::vector<double> one;
    std::vector<double> two;
    std::vector<double> speedups;
    std::vector<double> work;
    std::vector<double> countSpeedups;
    bool oneFirst = true;
    for (auto _ : state) {
        std::array<double, 3> processor{};
        std::array<double, 3> counting{};
        const auto count = [&](int threads) {
            primesieve::set_num_threads(threads);
            const auto start = Clock::now();
            benchmark::DoNotOptimize(primesieve::count_primes(
                static_cast<std::uint64_t>(range.first), static_cast<std::uint64_t>(range.last)));
            counting[threads] =
                std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        };
        const auto run = [&](unsigned threads, std::vector<double>& times) {
            const auto start = Clock::now();
            const double startProcessor = processMilliseconds();
            core::ScanControl control;
            benchmark::DoNotOptimize(core::countRange(range, threads, control));
            processor[threads] = processMilliseconds() - startProcessor;
            times.push_back(
                std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        };
        if (oneFirst) {
            run(1, one);
            count(1);
            run(2, two);
            count(2);
        } else {
            run(2, two);
            count(2);
            run(1, one);
            count(1);
        }
        oneFirst = !oneFirst;
        speedups.push_back(one.back() / two.back());
        work.push_back(processor[2] / processor[1]);
        countSpeedups.push_back(counting[1] / counting[2]);
    }
    state.counters["one_thread_ms"] = median(one);
    state.counters["two_threads_ms"] = median(two);
    state.counters["speedup"] = median(speedups);
    state.counters["work_two_over_one"] = median(work);
    state.counters["primesieve_speedup"] = median(countSpeedups);
}
BENCHMARK(BM_TenBillionNumbersOnTwoThreads)
    ->ArgName("height_10e")
    ->Arg(12)
    ->Arg(15)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

// The two counting back-ends on the windows' largest scan, 1..10,000,000 in rows of 10 (Arg 10)
// or 90: the marks the windows need for their lines, tallied from the marks, against the
// command line's iterator, which would have to run beside the marks.
void BM_WindowsBackEndAgainstTheIterator(benchmark::State& state) {
    const auto length = static_cast<std::uint32_t>(state.range(0));
    const auto range = *core::adjustToRows(1, 10'000'000, length);
    double marking = 0;
    double iterating = 0;
    for (auto _ : state) {
        const double start = threadMilliseconds();
        benchmark::DoNotOptimize(core::scanRows(range).tally);
        const double middle = threadMilliseconds();
        core::ScanControl control;
        benchmark::DoNotOptimize(core::countRows(range, 0, range.rows(), control));
        const double end = threadMilliseconds();
        marking += middle - start;
        iterating += end - middle;
    }
    state.counters["marks_ms"] = marking / static_cast<double>(state.iterations());
    state.counters["iterator_ms"] = iterating / static_cast<double>(state.iterations());
}
BENCHMARK(BM_WindowsBackEndAgainstTheIterator)->Arg(10)->Arg(90)->Unit(benchmark::kMillisecond);

// The work of the windows' scan of 1..10,000,000 at a row length (the argument), the marks and
// the tally on both threads together, beside libprimesieve counting the same primes on one
// thread. Processor time on both sides, so the ratio holds while other processes load the
// machine, where the wall clock's does not; the wall clock's is
// BM_WindowsScanAgainstCountingItsPrimes.
void BM_WindowsScanWorkAgainstCountingItsPrimes(benchmark::State& state) {
    const auto range =
        *core::adjustToRows(1, 10'000'000, static_cast<std::uint32_t>(state.range(0)));
    primesieve::set_num_threads(1);
    double scanning = 0;
    double counting = 0;
    for (auto _ : state) {
        double start = processMilliseconds();
        benchmark::DoNotOptimize(core::scanRows(range).tally);
        scanning += processMilliseconds() - start;
        start = processMilliseconds();
        benchmark::DoNotOptimize(primesieve::count_primes(1, 10'000'000));
        counting += processMilliseconds() - start;
    }
    state.counters["scan_cpu_ms"] = scanning / static_cast<double>(state.iterations());
    state.counters["count_ms"] = counting / static_cast<double>(state.iterations());
    state.counters["ratio"] = scanning / counting;
}
BENCHMARK(BM_WindowsScanWorkAgainstCountingItsPrimes)
    ->Arg(7)
    ->Arg(10)
    ->Arg(12)
    ->Arg(90)
    ->Unit(benchmark::kMillisecond);

// 10^9 numbers near 10^12 in rows of 90, on one and on two threads: the same tally, and the
// resident memory above the process before the run.
void BM_WideBillionNumbersOnThreads(benchmark::State& state) {
    const auto range = *core::adjustToRows(1'000'000'000'000, 1'001'000'000'000, 90);
    static std::optional<core::RowTally> first;
    const double before = ResidentMegabytes();
    core::RowTally tally;
    for (auto _ : state) {
        core::ScanControl control;
        tally = core::countRange(range, static_cast<unsigned>(state.range(0)), control);
    }
    if (!first) {
        first = tally;
    } else if (first->rows != tally.rows || first->primes != tally.primes) {
        state.SkipWithError("the tallies of one and two threads differ");
    }
    state.counters["primes"] = static_cast<double>(tally.primes);
    state.counters["rss_growth_MB"] = ResidentMegabytes() - before;
}
BENCHMARK(BM_WideBillionNumbersOnThreads)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The random models of the windows' full range 1..10,000,000 in rows of 10 and of 120.
void BM_ModelsOfTheFullRange(benchmark::State& state) {
    const auto length = static_cast<std::uint32_t>(state.range(0));
    const core::ModelRows rows{1, length, 10'000'000 / length};
    for (auto _ : state) {
        benchmark::DoNotOptimize(core::computeModels(rows));
    }
    state.counters["rows"] = static_cast<double>(rows.rows);
}
BENCHMARK(BM_ModelsOfTheFullRange)
    ->ArgName("length")
    ->Arg(10)
    ->Arg(120)
    ->Unit(benchmark::kMillisecond);

// What --modelle adds to a run: the models of 10^9 numbers at 10^12 in rows of 90, beside the
// count of the same rows on one thread.
void BM_ModelsBesideTheCountAtTenToTheTwelve(benchmark::State& state) {
    primesieve::set_num_threads(1);
    const auto range = *core::adjustToRows(1'000'000'000'000, 1'001'000'000'000, 90);
    double modelling = 0;
    double counting = 0;
    for (auto _ : state) {
        const double start = threadMilliseconds();
        benchmark::DoNotOptimize(core::computeModels(core::modelRows(range)));
        const double middle = threadMilliseconds();
        core::ScanControl control;
        benchmark::DoNotOptimize(core::countRows(range, 0, range.rows(), control));
        const double end = threadMilliseconds();
        modelling += middle - start;
        counting += end - middle;
    }
    state.counters["models_ms"] = modelling / static_cast<double>(state.iterations());
    state.counters["count_ms"] = counting / static_cast<double>(state.iterations());
    state.counters["added"] = modelling / counting;
}
BENCHMARK(BM_ModelsBesideTheCountAtTenToTheTwelve)->Iterations(2)->Unit(benchmark::kMillisecond);

// The row lengths 10..120 of the windows' full range 1..10,000,000, as the comparison window
// shows them.
void BM_RowLengthsOfTheFullRange(benchmark::State& state) {
    for (auto _ : state) {
        core::ScanControl control;
        benchmark::DoNotOptimize(core::compareRowLengths(1, 10'000'000, 10, 120, 1, control,
                                                         core::ModelPrecision::Display));
    }
}
BENCHMARK(BM_RowLengthsOfTheFullRange)->Unit(benchmark::kMillisecond);

// Jumping between the first and the last of a million rows, painted each time.
void BM_ScrollToTheLastRow(benchmark::State& state) {
    Windows windows;
    windows.mainWindow.upperBound->setText(QStringLiteral("10000000"));
    windows.mainWindow.rowLength->setText(QStringLiteral("10"));
    QTest::mouseClick(windows.mainWindow.computeButton, Qt::LeftButton);
    bool bottom = false;
    for (auto _ : state) {
        bottom = !bottom;
        if (bottom) {
            windows.mainWindow.rowList->scrollToBottom();
        } else {
            windows.mainWindow.rowList->scrollToTop();
        }
        windows.mainWindow.rowList->viewport()->repaint();
    }
}
BENCHMARK(BM_ScrollToTheLastRow)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    // Text on the picture and the windows need a font system; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
