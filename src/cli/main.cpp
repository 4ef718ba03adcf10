// primzeilen-cli: the rows of a range anywhere in 0..2^64-1, their primes and the distribution
// of their counts, for scripts. See --help and the manual page primzeilen-cli(1).

#include <unistd.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QThread>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <optional>
#include <variant>

#include "analysis/wide_scan.h"
#include "cli/report.h"
#include "primzeilen_version.h"
#include "shell/failures.h"
#include "shell/line_writer.h"
#include "shell/translations.h"

namespace {

// Exit codes, as --help lists them.
constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;
constexpr int kInterrupted = 130;

constexpr std::uint32_t kLongestRow = 10'000'000;

const char* const kHelp =
    "Aufruf: primzeilen-cli [OPTIONEN] VON BIS LÄNGE\n"
    "\n"
    "Legt den Bereich VON bis BIS in Zeilen zu LÄNGE Zahlen aus, wie das Hauptfenster von\n"
    "primzeilen es tut (jede Zeile beginnt bei einem Vielfachen von LÄNGE plus 1), zählt die\n"
    "Primzahlen jeder Zeile und gibt aus, wie viele Zeilen 0, 1, …, 20 und mehr als 20\n"
    "Primzahlen enthalten.\n"
    "\n"
    "  VON, BIS   ganze Zahlen von 0 bis 18446744073709551615, auch als 1e12 oder 10^12\n"
    "  LÄNGE      1 bis 10000000\n"
    "\n"
    "Optionen:\n"
    "  --zeilen            zuerst jede Zeile, wie das Hauptfenster sie auflistet\n"
    "  --anpassung         danach die angepasste Binomialverteilung B(n;p) mit Erwartungswerten\n"
    "                      und Standardabweichungen\n"
    "  --modelle           danach h(k), B(n;p)(k) und die Zufallsmodelle von Cramér und\n"
    "                      Gallagher (Poisson) für k = 0..20, ihre Abstände (TV) und Varianzen\n"
    "  --format FORMAT     text (Voreinstellung), csv oder json\n"
    "  --threads N         so viele Threads (Voreinstellung: die Zahl der Kerne)\n"
    "  --fortschritt       Fortschritt auf der Fehlerausgabe, auch wenn sie kein Terminal ist\n"
    "  --still             keinen Fortschritt zeigen\n"
    "  -h, --help          diese Hilfe\n"
    "  -v, --version       die Versionsnummer\n"
    "\n"
    "Rückgabewert: 0 fertig, 1 Fehler beim Rechnen, 2 falscher Aufruf, 130 abgebrochen (Strg+C).\n"
    "\n"
    "Handbuch: man primzeilen-cli\n";

const char* const kUsageLine = "Aufruf: primzeilen-cli [OPTIONEN] VON BIS LÄNGE (mehr: --help)\n";

volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void onInterrupt(int /*signal*/) {
    g_interrupted = 1;
}

int usage(const QString& message) {
    std::fprintf(stderr, "primzeilen-cli: %s\n%s", qPrintable(message), kUsageLine);
    return kUsage;
}

using Output = shell::LineWriter;

struct Options {
    analysis::WideRange range;
    bool rows = false;
    bool fit = false;
    bool models = false;
    QString format = QStringLiteral("text");
    unsigned threads = 1;
    std::optional<bool> progress;  // none: when standard error is a terminal
};

std::variant<Options, int> readOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const QCommandLineOption rows(QStringLiteral("zeilen"), QString());
    const QCommandLineOption fit(QStringLiteral("anpassung"), QString());
    const QCommandLineOption models(QStringLiteral("modelle"), QString());
    const QCommandLineOption format(QStringLiteral("format"), QString(), QStringLiteral("FORMAT"));
    const QCommandLineOption threads(QStringLiteral("threads"), QString(), QStringLiteral("N"));
    const QCommandLineOption progress(QStringLiteral("fortschritt"), QString());
    const QCommandLineOption quiet(QStringLiteral("still"), QString());
    parser.addOptions({help, version, rows, fit, models, format, threads, progress, quiet});
    // A negative number would read as a row of short options; it is named as what it is.
    for (const QString& argument : arguments.mid(1)) {
        if (argument.size() > 1 && argument[0] == u'-' && argument[1].isDigit()) {
            return usage(QStringLiteral("„%1“: Zahlen unter 0 gibt es hier nicht; VON, BIS und "
                                        "LÄNGE sind ganze Zahlen ab 0.")
                             .arg(argument));
        }
    }
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            return usage(
                QStringLiteral("unbekannte Option „%1%2“.")
                    .arg(unknown.front().size() == 1 ? QStringLiteral("-") : QStringLiteral("--"),
                         unknown.front()));
        }
        return usage(parser.errorText());
    }
    if (parser.isSet(help)) {
        std::fputs(kHelp, stdout);
        return kDone;
    }
    if (parser.isSet(version)) {
        std::printf("primzeilen-cli %s\n", PRIMZEILEN_VERSION);
        return kDone;
    }
    Options options;
    options.rows = parser.isSet(rows);
    options.fit = parser.isSet(fit);
    options.models = parser.isSet(models);
    if (parser.isSet(format)) {
        options.format = parser.value(format);
        if (options.format != u"text" && options.format != u"csv" && options.format != u"json") {
            return usage(QStringLiteral("--format „%1“: erlaubt sind text, csv und json.")
                             .arg(options.format));
        }
    }
    options.threads = std::max(1, QThread::idealThreadCount());
    if (parser.isSet(threads)) {
        const auto count = cli::ParseCount(parser.value(threads));
        if (!count || *count < 1 || *count > 1024) {
            return usage(QStringLiteral("--threads „%1“ ist keine Zahl von 1 bis 1024.")
                             .arg(parser.value(threads)));
        }
        options.threads = static_cast<unsigned>(*count);
    }
    if (parser.isSet(progress) && parser.isSet(quiet)) {
        return usage(QStringLiteral("--fortschritt und --still schließen einander aus."));
    }
    if (parser.isSet(progress) || parser.isSet(quiet)) {
        options.progress = parser.isSet(progress);
    }

    const QStringList numbers = parser.positionalArguments();
    if (numbers.size() != 3) {
        return usage(QStringLiteral("drei Zahlen erwartet (VON BIS LÄNGE), %1 gegeben.")
                         .arg(numbers.size()));
    }
    const auto from = cli::ParseCount(numbers[0]);
    const auto to = cli::ParseCount(numbers[1]);
    const auto length = cli::ParseCount(numbers[2]);
    const QString range = QStringLiteral("ist keine ganze Zahl von 0 bis 18446744073709551615.");
    if (!from) {
        return usage(QStringLiteral("VON „%1“ ").arg(numbers[0]) + range);
    }
    if (!to) {
        return usage(QStringLiteral("BIS „%1“ ").arg(numbers[1]) + range);
    }
    if (!length || *length < 1 || *length > kLongestRow) {
        return usage(
            QStringLiteral("LÄNGE „%1“ ist keine ganze Zahl von 1 bis 10000000.").arg(numbers[2]));
    }
    const auto adjusted = analysis::AdjustToRows(*from, *to, static_cast<std::uint32_t>(*length));
    if (!adjusted) {
        return usage(
            QStringLiteral("von %1 bis %2 bleibt in Zeilen zu %3 Zahlen keine ganze Zeile.")
                .arg(*from)
                .arg(*to)
                .arg(*length));
    }
    options.range = *adjusted;
    return options;
}

// Waits for the count, showing progress and passing Ctrl+C on; true once it ended by itself.
template <class Result>
bool await(std::future<Result>& running, analysis::ScanControl& control, std::uint64_t rows,
           std::optional<bool> progress) {
    using Clock = std::chrono::steady_clock;
    const auto started = Clock::now();
    const bool terminal = isatty(STDERR_FILENO) != 0;
    bool shown = false;
    while (running.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
        if (g_interrupted != 0 && !control.stop) {
            control.stop = true;
            // The threads stop at their next look, a few milliseconds away; libprimesieve's
            // start near 2^64, though, runs for a second without one. Whole lines are all
            // that were written, so the program may end here at once.
            if (running.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready) {
                std::fputs("Abgebrochen.\n", stderr);
                std::_Exit(kInterrupted);
            }
            break;
        }
        const bool show =
            progress.value_or(terminal) &&
            (progress.value_or(false) || Clock::now() - started > std::chrono::seconds(1));
        if (show) {
            const double done =
                100.0 * static_cast<double>(control.rowsDone.load()) / static_cast<double>(rows);
            std::fprintf(stderr, "\r%5.1f %% der Zeilen gezählt", done);
            std::fflush(stderr);
            shown = true;
        }
    }
    if (shown) {
        std::fputs("\r                          \r", stderr);
    }
    return !control.stop;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    shell::InstallGermanTranslations(application);
    const auto read = readOptions(QCoreApplication::arguments());
    if (const int* code = std::get_if<int>(&read)) {
        return *code;
    }
    const Options& options = std::get<Options>(read);
    const analysis::WideRange& range = options.range;

    struct sigaction action {};
    action.sa_handler = onInterrupt;
    sigaction(SIGINT, &action, nullptr);

    Output out;
    analysis::ScanControl control;
    std::future<analysis::WideTally> running;
    if (options.rows && options.format == u"text") {
        // The rows in order, one thread, each line written whole.
        const int width = analysis::WideHeaderWidth(range);
        // The width by value: this block ends while the thread still writes lines.
        running = std::async(std::launch::async, [&, width] {
            return analysis::TallyWideRows(
                range, 0, range.rows(), control,
                [&, width](std::uint64_t row, std::uint32_t count,
                           const std::vector<std::uint32_t>& offsets) {
                    if (!control.stop) {
                        out.line(analysis::WideRowLine(range, row, width, count, offsets));
                    }
                });
        });
    } else {
        running = std::async(std::launch::async, [&] {
            return analysis::TallyWideRange(range, options.threads, control);
        });
    }
    const bool finished = await(running, control, range.rows(), options.progress);
    const analysis::WideTally tally = running.get();
    if (!finished) {
        out.flush();
        std::fputs("Abgebrochen.\n", stderr);
        return kInterrupted;
    }

    const analysis::FrequencySummary summary =
        analysis::SummarizeFrequencies(tally.rows, tally.primes);
    std::optional<cli::Fit> fit;
    std::optional<distribution::ModelComparison> models;
    QString failure;
    try {
        if (options.fit) {
            fit = cli::FitTally(summary);
        }
        if (options.models) {
            models = cli::CompareWithModels(range, summary);
        }
    } catch (const shell::Failure& error) {
        failure = error.message();
    }
    if (options.format == u"csv") {
        out.text(cli::CsvReport(summary, tally, fit, models));
    } else if (options.format == u"json") {
        out.text(cli::JsonReport(range, summary, tally, fit, models));
    } else {
        out.lines(cli::SummaryLines(summary, tally));
        if (fit) {
            out.lines(cli::FitLines(*fit));
        }
        if (models) {
            out.lines(cli::ModelLines(*models));
        }
    }
    out.flush();
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "primzeilen-cli: keine Anpassung möglich: %s\n", qPrintable(failure));
        return kFailed;
    }
    return kDone;
}
