// primzeilen-cli: the rows of a range anywhere in 0..2^64-1, their primes and the distribution
// of their counts, for scripts. See --help and the manual page primzeilen-cli(1).

#include <poll.h>
#include <pthread.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QLocale>
#include <QThread>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <optional>
#include <variant>

#include "cli/options.h"
#include "cli/progress.h"
#include "cli/csv_report.h"
#include "engine/failures.h"
#include "core/line_writer.h"
#include "cli/report.h"
#include "engine/rows/rows.h"
#include "core/translations.h"
#include "primzeilen_version.h"

namespace {

using namespace cli;
using Output = core::LineWriter;

// Never runs: the signals are blocked and taken by sigtimedwait. Set so that a SIGINT that the
// starting shell ignored still stops the run.
extern "C" void onStop(int /*signal*/) {}

// Whether the progress line shows after `elapsed`: always with --fortschritt, never with
// --still, otherwise after a second where standard error is a terminal.
bool progress(const std::optional<bool>& option, bool terminal,
              std::chrono::steady_clock::duration elapsed) {
    return option.value_or(terminal) &&
           (option.value_or(false) || elapsed > std::chrono::seconds(1));
}

core::CsvStyle csvStyle(const Options& options) {
    return options.format == u"csv-de" ? core::CsvStyle::German : core::CsvStyle::Plain;
}

// The columns of the terminal on standard error; 80 where it does not say.
int terminalColumns() {
    winsize size{};
    return ::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? size.ws_col : 80;
}

// Counts and writes the whole run on a thread of its own, so the main thread is free to wait
// for signals. Returns the exit code.
int countAndWrite(const Options& options, core::ScanControl& control, Output& out) {
    const core::RowRange& range = options.range;
    const auto failed = [&out] { return outputFailed(out.error()); };
    if (options.lengths) {
        const auto results =
            core::compareRowLengths(options.from, options.to, options.lengths->first,
                                    options.lengths->second, options.threads, control);
        if (control.stop) {
            return kInterrupted;
        }
        if (options.format.startsWith(u"csv")) {
            out.text(core::rowLengthCsv(csvStyle(options), options.from, options.to, results));
        } else if (options.format == u"json") {
            out.text(core::rowLengthJson(options.from, options.to, results));
        } else {
            out.lines(core::rowLengthLines(results));
        }
        return out.flush() ? kDone : failed();
    }
    core::RowTally tally;
    if (options.counted) {
        tally = *options.counted;
    } else if (options.rows) {
        // The rows in order, one thread, each line written whole. A JSON row waits for the next
        // to know whether a comma follows it.
        const int width = core::headerWidth(range);
        const bool json = options.format == u"json";
        QString pending;
        if (options.format.startsWith(u"csv")) {
            out.text(core::rowsCsvHeading(csvStyle(options)));
        } else if (json) {
            out.text(core::jsonListOpening("zeilenliste"));
        }
        tally = core::countRows(
            range, 0, range.rows(), control,
            [&](std::uint64_t row, std::uint32_t count, const std::vector<std::uint32_t>& offsets) {
                if (control.stop.load(std::memory_order_relaxed)) {
                    return;
                }
                if (options.format == u"text") {
                    out.line(core::rowLine(range, row, width, count, offsets));
                } else if (json) {
                    if (!pending.isEmpty()) {
                        out.line(pending + u',');
                    }
                    pending = core::rowJson(range, row, count, offsets);
                } else {
                    QString line = core::rowCsv(csvStyle(options), range, row, count, offsets);
                    line.chop(1);  // the writer ends the line
                    out.line(line);
                }
                if (out.error() != 0) {
                    control.stop = true;
                }
            });
        if (json && !control.stop) {
            out.line(pending);
        }
    } else {
        tally = core::countRange(range, options.threads, control);
    }
    if (out.error() != 0) {
        return failed();
    }
    if (control.stop) {
        out.flush();
        return kInterrupted;
    }

    const core::FrequencySummary summary = core::summarizeFrequencies(tally);
    std::optional<core::FitReport> fit;
    std::optional<core::ModelComparison> models;
    std::optional<std::array<double, 21>> binomial;
    QString failure;
    try {
        if (options.fit) {
            fit = core::fitReport(summary.shares);
        }
        if (fit && options.format.startsWith(u"csv") && !options.fitTable) {
            binomial = core::binomialColumn(*fit);
        }
        if (options.models) {
            models = core::compareModels(core::computeModels(core::modelRows(range)),
                                         summary.shares, core::beyondTwentyShare(tally));
        }
    } catch (const core::Failure& error) {
        failure = error.message();
    }
    if (options.rows && options.format.startsWith(u"csv")) {
        // The rows are the table.
    } else if (options.format.startsWith(u"csv")) {
        const core::CsvColumns columns{options.fit, options.models};
        out.text(options.fitTable
                     ? core::fitCsv(csvStyle(options), columns, range, tally, fit, models)
                     : core::frequencyCsv(csvStyle(options), columns, range, summary, tally,
                                          binomial, models));
    } else if (options.format == u"json") {
        core::Json report = core::reportJson(range, summary, tally, fit, models);
        if (options.part) {
            core::addPartBlock(report, *options.part);
        }
        // With the rows, the object began before them.
        out.text(options.rows ? core::jsonListClosing(report) : core::jsonText(report));
    } else {
        if (options.part) {
            out.line(core::partHeading(*options.part));
        }
        out.lines(core::summaryLines(summary, tally));
        if (fit) {
            out.lines(core::fitLines(*fit));
        }
        if (models) {
            out.lines(core::modelLines(*models));
        }
    }
    if (!out.flush()) {
        return failed();
    }
    if (!failure.isEmpty()) {
        std::fprintf(
            stderr, "primzeilen-cli: %s\n",
            qPrintable(QCoreApplication::translate("primzeilen-cli", "keine Anpassung möglich: %1")
                           .arg(failure)));
        return kFailed;
    }
    return kDone;
}

// Whether standard output is a pipe whose reader has closed it: the pipe then reports an error
// on a look without any write.
bool readerLeft() {
    pollfd output{STDOUT_FILENO, 0, 0};
    return ::poll(&output, 1, 0) > 0 && (output.revents & POLLERR) != 0;
}

// Runs the count on its own thread and waits, showing progress, for it to end or for SIGINT or
// SIGTERM. A stop ends the counting at its next look; what is being written is finished, so
// only whole lines are left behind.
int watch(const Options& options, const sigset_t& stops) {
    core::ScanControl control;
    Output out(STDOUT_FILENO, &control.stop);
    std::future<int> running =
        std::async(std::launch::async, [&] { return countAndWrite(options, control, out); });

    using Clock = std::chrono::steady_clock;
    const auto started = Clock::now();
    const bool terminal = isatty(STDERR_FILENO) != 0;
    const QLocale locale = QLocale::system();
    ProgressPace pace(terminal);
    // The texts are ready before any signal comes; the blank that wipes the progress line on a
    // terminal is as long as the longest line shown.
    QByteArray wipe;
    const QByteArray stopped =
        (QCoreApplication::translate("primzeilen-cli", "Abgebrochen.") + u'\n').toLocal8Bit();
    const auto showProgress = [&](double seconds) {
        const ProgressState state{control.rowsDone.load(std::memory_order_relaxed),
                                  options.range.rows(), options.range.length, seconds};
        if (!pace.due(state)) {
            return;
        }
        if (terminal) {
            // One column short of the width, so that the terminal never wraps the line.
            const int width = std::max(terminalColumns() - 1, 1);
            const QString line = progressLine(state, locale, width);
            const qsizetype blank =
                std::max<qsizetype>(std::min<qsizetype>(wipe.size() - 2, width) - line.size(), 0);
            std::fprintf(stderr, "\r%s%s", qPrintable(line), QByteArray(blank, ' ').constData());
            if (line.size() + 2 > wipe.size()) {
                wipe = '\r' + QByteArray(line.size(), ' ') + '\r';
            }
        } else {
            std::fprintf(stderr, "%s\n", qPrintable(progressLine(state, locale)));
        }
        std::fflush(stderr);
    };
    int stoppedBy = 0;
    bool readerGone = false;
    while (running.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        const timespec pause{0, 20'000'000};
        const int signal = sigtimedwait(&stops, nullptr, &pause);
        if (signal > 0 && stoppedBy == 0) {
            stoppedBy = signal;
            control.stop = true;
            // libprimesieve's start near 2^64 takes a second without a look at the flag; the
            // program need not wait for it where no line is being written.
            if (running.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready) {
                out.holdWrites();
                std::fputs(wipe.constData(), stderr);
                std::fputs(stopped.constData(), stderr);
                std::_Exit(128 + stoppedBy);
            }
            continue;
        }
        if (!readerGone && readerLeft()) {
            // Nobody reads what a long count would write at its end: it stops now.
            readerGone = true;
            control.stop = true;
        }
        const auto elapsed = Clock::now() - started;
        if (stoppedBy == 0 && !options.lengths && progress(options.progress, terminal, elapsed)) {
            showProgress(std::chrono::duration<double>(elapsed).count());
        }
    }
    const int code = running.get();
    if (!terminal && code == kDone && !options.lengths &&
        progress(options.progress, terminal, Clock::now() - started)) {
        // The last line of a file says that all rows were counted, and how fast.
        showProgress(std::chrono::duration<double>(Clock::now() - started).count());
    }
    std::fputs(wipe.constData(), stderr);
    if (stoppedBy != 0 && code != kFailed) {
        std::fputs(stopped.constData(), stderr);
        return 128 + stoppedBy;
    }
    return readerGone ? kFailed : code;
}

}  // namespace

int main(int argc, char** argv) {
    // SIGINT and SIGTERM go to the main thread alone, which waits for them; no write of the
    // counting thread is ever cut short by one.
    sigset_t stops;
    sigemptyset(&stops);
    sigaddset(&stops, SIGINT);
    sigaddset(&stops, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stops, nullptr);
    struct sigaction action {};
    action.sa_handler = onStop;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    // A reader that went away shows as a failed write, so the count stops too.
    std::signal(SIGPIPE, SIG_IGN);
    const bool outputOpen = core::standardOutputOpen();

    QCoreApplication application(argc, argv);
    core::installGermanTranslations(application);
    if (!outputOpen) {
        return outputFailed(EBADF);
    }
    const auto read = readOptions(QCoreApplication::arguments());
    if (const int* code = std::get_if<int>(&read)) {
        return *code;
    }
    return watch(std::get<Options>(read), stops);
}
