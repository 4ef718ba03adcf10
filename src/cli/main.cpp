// primzeilen-cli: the rows of a range anywhere in 0..2^64-1, their primes and the distribution
// of their counts, for scripts. See --help and the manual page primzeilen-cli(1).

#include <poll.h>
#include <pthread.h>
#include <unistd.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QThread>
#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <optional>
#include <variant>

#include "cli/count_argument.h"
#include "core/failures.h"
#include "core/line_writer.h"
#include "core/report.h"
#include "core/rows.h"
#include "core/translations.h"
#include "primzeilen_version.h"

namespace {

QString translated(const char* source) {
    return QCoreApplication::translate("primzeilen-cli", source);
}

// Exit codes, as --help lists them.
constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;
constexpr int kInterrupted = 130;  // or 143 after SIGTERM: 128 plus the signal

constexpr std::uint32_t kLongestRow = 10'000'000;

const char* const kHelp = QT_TRANSLATE_NOOP(
    "primzeilen-cli",
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
    "  --threads N         so viele Threads, höchstens einer je Kern und so viele, dass der\n"
    "                      Lauf unter 256 MB Speicher bleibt (Voreinstellung: die Zahl der\n"
    "                      Kerne)\n"
    "  --fortschritt       Fortschritt auf der Fehlerausgabe, auch wenn sie kein Terminal ist\n"
    "  --still             keinen Fortschritt zeigen\n"
    "  -h, --help          diese Hilfe\n"
    "  -v, --version       die Versionsnummer\n"
    "\n"
    "Jede Option mit Wert darf nur einmal stehen.\n"
    "\n"
    "Rückgabewert:\n"
    "  0    fertig\n"
    "  1    keine Anpassung möglich, oder die Ausgabe konnte nicht geschrieben werden (etwa\n"
    "       weil der Datenträger voll ist; ein Leser, der nicht mehr liest, endet den Lauf\n"
    "       ohne Meldung)\n"
    "  2    falscher Aufruf\n"
    "  130  abgebrochen mit Strg+C (SIGINT)\n"
    "  143  abgebrochen mit SIGTERM\n"
    "Ein Abbruch hinterlässt nur ganze Zeilen.\n"
    "\n"
    "Handbuch: man primzeilen-cli\n");

const char* const kUsageLine = QT_TRANSLATE_NOOP(
    "primzeilen-cli", "Aufruf: primzeilen-cli [OPTIONEN] VON BIS LÄNGE (mehr: --help)\n");

// Never runs: the signals are blocked and taken by sigtimedwait. Set so that a SIGINT that the
// starting shell ignored still stops the run.
extern "C" void onStop(int /*signal*/) {}

int usage(const QString& message) {
    std::fprintf(stderr, "primzeilen-cli: %s\n%s", qPrintable(message),
                 qPrintable(translated(kUsageLine)));
    return kUsage;
}

using Output = core::LineWriter;

// "Ausgabe konnte nicht geschrieben werden: reason", but nothing for a reader that went away
// (a broken pipe): that is no news to its user. Returns the exit code.
int outputFailed(int error) {
    if (error != EPIPE) {
        std::fprintf(stderr, "primzeilen-cli: %s\n",
                     qPrintable(QCoreApplication::translate(
                                    "primzeilen-cli", "Ausgabe konnte nicht geschrieben werden: %1")
                                    .arg(core::systemErrorText(error))));
    }
    return kFailed;
}

int print(const QString& text) {
    Output out;
    out.text(text);
    return out.error() == 0 ? kDone : outputFailed(out.error());
}

// Whether the progress line shows after `elapsed`: always with --fortschritt, never with
// --still, otherwise after a second where standard error is a terminal.
bool progress(const std::optional<bool>& option, bool terminal,
              std::chrono::steady_clock::duration elapsed) {
    return option.value_or(terminal) &&
           (option.value_or(false) || elapsed > std::chrono::seconds(1));
}

struct Options {
    core::RowRange range;
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
    // A negative number would read as a row of short options: where it stands for VON, BIS or
    // LÄNGE it is handed on as a stand-in and named as given once the parser is done.
    QStringList given = arguments;
    QStringList negatives;
    for (qsizetype i = 1; i < given.size(); ++i) {
        const QString& argument = given[i];
        const bool valueOfOption =
            given[i - 1] == QLatin1String("--threads") || given[i - 1] == QLatin1String("--format");
        if (argument.size() > 1 && argument[0] == u'-' && argument[1].isDigit() && !valueOfOption) {
            negatives.append(argument);
            given[i] = QString(QChar(0xE000)) + QString::number(negatives.size() - 1);
        }
    }
    if (!parser.parse(given)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            return usage(
                QCoreApplication::translate("primzeilen-cli", "unbekannte Option „%1%2“.")
                    .arg(unknown.front().size() == 1 ? QStringLiteral("-") : QStringLiteral("--"),
                         unknown.front()));
        }
        // Qt's own messages quote with '…'; ours with „…“.
        static const QRegularExpression quoted(QStringLiteral("'([^']*)'"));
        return usage(parser.errorText().replace(quoted, QStringLiteral("„\\1“")));
    }
    for (const QCommandLineOption* once : {&format, &threads}) {
        if (parser.values(*once).size() > 1) {
            return usage(QCoreApplication::translate("primzeilen-cli",
                                                     "Option „--%1“ ist mehrfach angegeben.")
                             .arg(once->names().front()));
        }
    }
    if (parser.isSet(help)) {
        return print(translated(kHelp));
    }
    if (parser.isSet(version)) {
        return print(QStringLiteral("primzeilen-cli " PRIMZEILEN_VERSION "\n"));
    }
    Options options;
    options.rows = parser.isSet(rows);
    options.fit = parser.isSet(fit);
    options.models = parser.isSet(models);
    if (parser.isSet(format)) {
        options.format = parser.value(format);
        if (options.format != u"text" && options.format != u"csv" && options.format != u"json") {
            return usage(QCoreApplication::translate(
                             "primzeilen-cli", "--format „%1“: erlaubt sind text, csv und json.")
                             .arg(options.format));
        }
    }
    const auto cores = static_cast<unsigned>(std::max(1, QThread::idealThreadCount()));
    unsigned requestedThreads = cores;
    if (parser.isSet(threads)) {
        const auto count = cli::parseCount(parser.value(threads));
        if (!count || *count < 1 || *count > 1024) {
            return usage(QCoreApplication::translate(
                             "primzeilen-cli", "--threads „%1“ ist keine Zahl von 1 bis 1024.")
                             .arg(parser.value(threads)));
        }
        requestedThreads = static_cast<unsigned>(*count);
    }
    if (parser.isSet(progress) && parser.isSet(quiet)) {
        return usage(QCoreApplication::translate(
            "primzeilen-cli", "--fortschritt und --still schließen einander aus."));
    }
    if (parser.isSet(progress) || parser.isSet(quiet)) {
        options.progress = parser.isSet(progress);
    }

    QStringList numbers = parser.positionalArguments();
    for (QString& number : numbers) {
        if (number.startsWith(QChar(0xE000))) {
            number = negatives.at(number.mid(1).toInt());
        }
    }
    if (numbers.size() != 3) {
        return usage(QCoreApplication::translate(
                         "primzeilen-cli", "drei Zahlen erwartet (VON BIS LÄNGE), %1 gegeben.")
                         .arg(numbers.size()));
    }
    const auto from = cli::parseCount(numbers[0]);
    const auto to = cli::parseCount(numbers[1]);
    const auto length = cli::parseCount(numbers[2]);
    if (!from) {
        return usage(
            QCoreApplication::translate(
                "primzeilen-cli", "VON „%1“ ist keine ganze Zahl von 0 bis 18446744073709551615.")
                .arg(numbers[0]));
    }
    if (!to) {
        return usage(
            QCoreApplication::translate(
                "primzeilen-cli", "BIS „%1“ ist keine ganze Zahl von 0 bis 18446744073709551615.")
                .arg(numbers[1]));
    }
    if (!length || *length < 1 || *length > kLongestRow) {
        return usage(QCoreApplication::translate(
                         "primzeilen-cli", "LÄNGE „%1“ ist keine ganze Zahl von 1 bis 10000000.")
                         .arg(numbers[2]));
    }
    const auto adjusted = core::adjustToRows(*from, *to, static_cast<std::uint32_t>(*length));
    if (!adjusted) {
        return usage(
            QCoreApplication::translate("primzeilen-cli",
                                        "von %1 bis %2 bleibt in Zeilen zu %3 keine ganze Zeile.")
                .arg(*from)
                .arg(*to)
                .arg(
                    *length == 1
                        ? QCoreApplication::translate("primzeilen-cli", "1 Zahl")
                        : QCoreApplication::translate("primzeilen-cli", "%1 Zahlen").arg(*length)));
    }
    options.range = *adjusted;
    options.threads = core::threadsFor(*adjusted, requestedThreads, cores);
    return options;
}

// Counts and writes the whole run on a thread of its own, so the main thread is free to wait
// for signals. Returns the exit code.
int countAndWrite(const Options& options, core::ScanControl& control, Output& out) {
    const core::RowRange& range = options.range;
    const auto failed = [&out] { return outputFailed(out.error()); };
    core::RowTally tally;
    if (options.rows && options.format == u"text") {
        // The rows in order, one thread, each line written whole.
        const int width = core::headerWidth(range);
        tally = core::countRows(
            range, 0, range.rows(), control,
            [&](std::uint64_t row, std::uint32_t count, const std::vector<std::uint32_t>& offsets) {
                if (!control.stop.load(std::memory_order_relaxed)) {
                    out.line(core::rowLine(range, row, width, count, offsets));
                    if (out.error() != 0) {
                        control.stop = true;
                    }
                }
            });
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
    QString failure;
    try {
        if (options.fit) {
            fit = core::fitReport(summary.shares);
        }
        if (options.models) {
            models =
                core::compareModels(core::computeModels(core::modelRows(range)), summary.shares);
        }
    } catch (const core::Failure& error) {
        failure = error.message();
    }
    if (options.format == u"csv") {
        out.text(core::csvReport(summary, tally, fit, models));
    } else if (options.format == u"json") {
        out.text(core::jsonReport(range, summary, tally, fit, models));
    } else {
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
    const double rows = static_cast<double>(options.range.rows());
    // The texts are ready before any signal comes; the blank that wipes the progress line is as
    // long as its longest form.
    const QString progressLine =
        QCoreApplication::translate("primzeilen-cli", "%1 % der Zeilen gezählt");
    const QByteArray wipe =
        '\r' + QByteArray(progressLine.arg(QStringLiteral("100.0")).size(), ' ') + '\r';
    const QByteArray stopped =
        (QCoreApplication::translate("primzeilen-cli", "Abgebrochen.") + u'\n').toLocal8Bit();
    bool shown = false;
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
                if (shown) {
                    std::fputs(wipe.constData(), stderr);
                }
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
        const bool show =
            stoppedBy == 0 && progress(options.progress, terminal, Clock::now() - started);
        if (show) {
            const double done = 100.0 * static_cast<double>(control.rowsDone.load()) / rows;
            std::array<char, 16> percent{};
            std::snprintf(percent.data(), percent.size(), "%5.1f", done);
            std::fprintf(stderr, "\r%s",
                         qPrintable(progressLine.arg(QString::fromLocal8Bit(percent.data()))));
            std::fflush(stderr);
            shown = true;
        }
    }
    const int code = running.get();
    if (shown) {
        std::fputs(wipe.constData(), stderr);
    }
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
