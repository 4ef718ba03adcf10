// primzeilen-cli: the rows of a range anywhere in 0..2^64-1, their primes and the distribution
// of their counts, for scripts. See --help and the manual page primzeilen-cli(1).

#include <poll.h>
#include <pthread.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <limits>
#include <optional>
#include <variant>

#include "cli/options.h"
#include "cli/progress.h"
#include "cli/run.h"
#include "core/line_writer.h"
#include "core/translations.h"
#include "engine/rows/rows.h"
#include "engine/statistics/sweep.h"

namespace {

using namespace cli;
using Clock = std::chrono::steady_clock;

// Never runs: the signals are blocked and taken by sigtimedwait. Set so that a SIGINT that the
// starting shell ignored still stops the run.
extern "C" void onStop(int /*signal*/) {}

// Whether the progress line shows after `elapsed`: always with --fortschritt, never with
// --still, otherwise after a second where standard error is a terminal.
bool progress(const std::optional<bool>& option, bool terminal, Clock::duration elapsed) {
    return option.value_or(terminal) &&
           (option.value_or(false) || elapsed > std::chrono::seconds(1));
}

// The columns of the terminal on standard error; 80 where it does not say.
int terminalColumns() {
    winsize size{};
    return ::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 ? size.ws_col : 80;
}

// What the progress line counts: the rows of the range, or with --laengen the rows of every
// length, each length's range adjusted on its own (with --hoehen: each height's window); their
// numbers per row, on average; and the records of a sweep.
struct ProgressTotal {
    std::uint64_t rows = 0;
    std::uint32_t length = 1;
    std::uint64_t records = 0;       // of a sweep
    std::uint64_t emptyRecords = 0;  // of those, the windows without a whole row: done at once
};

ProgressTotal progressTotal(const Options& options) {
    if (!options.lengths) {
        return {options.range.rows(), options.range.length};
    }
    core::Number rows = 0;
    core::Number numbers = 0;
    std::uint64_t empty = 0;
    const auto add = [&](const std::optional<core::RowRange>& range, std::uint32_t length) {
        if (range) {
            rows += range->rows();
            numbers += core::Number{range->rows()} * length;
        }
    };
    for (const std::uint32_t length : *options.lengths) {
        if (options.heights.empty()) {
            add(core::adjustToRows(options.from, options.to, length), length);
        }
        for (const core::Number height : options.heights) {
            const auto window = core::sweepWindow(height, options.window, length);
            add(window, length);
            empty += window ? 0 : 1;
        }
    }
    // At most 1000 lengths (and heights) of fewer than 2^64 rows each: the sum may pass 2^64
    // only where one-row lengths of the whole number line are summed, and is then held at the
    // top.
    const auto top = core::Number{std::numeric_limits<std::uint64_t>::max()};
    return {static_cast<std::uint64_t>(std::min(rows, top)),
            static_cast<std::uint32_t>(rows == 0 ? 1 : numbers / rows),
            options.heights.size() * options.lengths->size(), empty};
}

// The progress line on standard error: on a terminal one line overwritten in place and wiped
// at the end, elsewhere a line at a time.
class ProgressDisplay final {
public:
    ProgressDisplay(const Options& options, bool terminal)
        : m_total(progressTotal(options)), m_terminal(terminal), m_pace(terminal) {}

    void show(const core::ScanControl& control, double seconds) {
        const ProgressState state{
            control.rowsDone.load(std::memory_order_relaxed),
            m_total.rows,
            m_total.length,
            seconds,
            m_total.records,
            m_total.emptyRecords + control.rangesDone.load(std::memory_order_relaxed)};
        if (!m_pace.due(state)) {
            return;
        }
        if (m_terminal) {
            // One column short of the width, so that the terminal never wraps the line.
            const int width = std::max(terminalColumns() - 1, 1);
            const QString line = progressLine(state, m_locale, width);
            const qsizetype blank =
                std::max<qsizetype>(std::min<qsizetype>(m_wipe.size() - 2, width) - line.size(), 0);
            std::fprintf(stderr, "\r%s%s", qPrintable(line), QByteArray(blank, ' ').constData());
            if (line.size() + 2 > m_wipe.size()) {
                m_wipe = '\r' + QByteArray(line.size(), ' ') + '\r';
            }
        } else {
            std::fprintf(stderr, "%s\n", qPrintable(progressLine(state, m_locale)));
        }
        std::fflush(stderr);
    }

    // The blank that wipes the line on a terminal, as long as the longest line shown; ready
    // before any signal comes.
    [[nodiscard]] const QByteArray& wipe() const { return m_wipe; }

private:
    ProgressTotal m_total;
    bool m_terminal;
    ProgressPace m_pace;
    QLocale m_locale = QLocale::system();
    QByteArray m_wipe;
};

// Whether standard output is a pipe whose reader has closed it: the pipe then reports an error
// on a look without any write.
bool readerLeft() {
    pollfd output{STDOUT_FILENO, 0, 0};
    return ::poll(&output, 1, 0) > 0 && (output.revents & POLLERR) != 0;
}

// Ends the process after a stop by `signal` where the count has not ended within a moment:
// libprimesieve's start near 2^64 takes a second without a look at the flag, and the program
// need not wait for it where no line is being written. A line being written is finished unless
// the reader takes nothing for a second and a half: then the run ends all the same, as a job
// manager expects of it.
void endAfterStop(std::future<int>& running, core::LineWriter& out, const ProgressDisplay& display,
                  const QByteArray& stopped, int signal) {
    if (running.wait_for(std::chrono::milliseconds(100)) == std::future_status::ready) {
        return;
    }
    (void)out.holdWrites(std::chrono::milliseconds(1500));
    std::fputs(display.wipe().constData(), stderr);
    std::fputs(stopped.constData(), stderr);
    std::_Exit(128 + signal);
}

// Runs the count on its own thread and waits, showing progress, for it to end or for SIGINT or
// SIGTERM. A stop ends the counting at its next look; what is being written is finished, so
// only whole lines are left behind.
int watch(const Options& options, const sigset_t& stops) {
    core::ScanControl control;
    core::LineWriter out(STDOUT_FILENO, &control.stop);
    std::future<int> running =
        std::async(std::launch::async, [&] { return countAndWrite(options, control, out); });

    const auto started = Clock::now();
    const bool terminal = isatty(STDERR_FILENO) != 0;
    ProgressDisplay display(options, terminal);
    const auto seconds = [&] {
        return std::chrono::duration<double>(Clock::now() - started).count();
    };
    const QByteArray stopped =
        (QCoreApplication::translate("primzeilen-cli", "Abgebrochen.") + u'\n').toLocal8Bit();
    int stoppedBy = 0;
    bool readerGone = false;
    while (running.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        const timespec pause{0, 20'000'000};
        const int signal = sigtimedwait(&stops, nullptr, &pause);
        if (signal > 0 && stoppedBy == 0) {
            stoppedBy = signal;
            control.stop = true;
            endAfterStop(running, out, display, stopped, stoppedBy);
            continue;
        }
        if (!readerGone && readerLeft()) {
            // Nobody reads what a long count would write at its end: it stops now.
            readerGone = true;
            control.stop = true;
        }
        if (stoppedBy == 0 && progress(options.progress, terminal, Clock::now() - started)) {
            display.show(control, seconds());
        }
    }
    const int code = running.get();
    if (!terminal && code == kDone &&
        progress(options.progress, terminal, Clock::now() - started)) {
        // The last line of a file says that all rows were counted, and how fast.
        display.show(control, seconds());
    }
    std::fputs(display.wipe().constData(), stderr);
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
    // The reader of every text, made once: its language for Qt's translations too.
    const core::Conventions reader = core::conventionsFromEnvironment();
    core::installTranslations(application, reader.language);
    if (!outputOpen) {
        return outputFailed(EBADF);
    }
    const auto read = readOptions(QCoreApplication::arguments());
    if (const int* code = std::get_if<int>(&read)) {
        return *code;
    }
    Options options = std::get<Options>(read);
    options.reader = reader;
    return watch(options, stops);
}
