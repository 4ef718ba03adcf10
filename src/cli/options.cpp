#include "options.h"

#include <QCoreApplication>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <vector>

#include "cli/call.h"
#include "cli/count_argument.h"
#include "cli/help.h"
#include "cli/option_rules.h"
#include "cli/parts.h"
#include "core/line_writer.h"
#include "primzeilen_version.h"

namespace cli {

namespace {

constexpr std::uint32_t kLongestRow = 10'000'000;
// The most lengths of --laengen and heights of --hoehen that one call may name.
constexpr qsizetype kMostLengths = 1000;
constexpr qsizetype kMostHeights = 1000;
// The most records of a sweep, heights times lengths: each record keeps its tally and summary
// (some kilobytes with its counting threads' tallies), so the run stays within its memory.
constexpr qsizetype kMostRecords = 10000;

const std::pair<Format, const char*> kFormats[] = {{Format::Text, "text"},
                                                   {Format::Csv, "csv"},
                                                   {Format::CsvGerman, "csv-de"},
                                                   {Format::Json, "json"}};

// --format and --tabelle, and the switches that choose what a run writes.
std::optional<int> readOutput(const Call& call, Options& options) {
    options.rows = call.isSet(Name::Rows);
    options.fit = call.isSet(Name::Fit);
    options.models = call.isSet(Name::Models);
    if (call.isSet(Name::Format)) {
        const QString name = call.value(Name::Format);
        const auto* known =
            std::find_if(std::begin(kFormats), std::end(kFormats),
                         [&](const auto& format) { return name == QLatin1String(format.second); });
        if (known == std::end(kFormats)) {
            return usage(
                QCoreApplication::translate(
                    "primzeilen-cli", "--format „%1“: erlaubt sind text, csv, csv-de und json.")
                    .arg(name));
        }
        options.format = known->first;
    }
    if (call.isSet(Name::Table)) {
        const QString name = call.value(Name::Table);
        if (name != u"haeufigkeit" && name != u"anpassung") {
            return usage(
                QCoreApplication::translate(
                    "primzeilen-cli", "--tabelle „%1“: erlaubt sind haeufigkeit und anpassung.")
                    .arg(name));
        }
        options.table = name == u"anpassung" ? Table::Fit : Table::Frequency;
        options.fit = options.fit || options.table == Table::Fit;
    }
    if (call.isSet(Name::Progress) || call.isSet(Name::Quiet)) {
        options.progress = call.isSet(Name::Progress);
    }
    return std::nullopt;
}

// --threads N, or the number of cores; or the exit code of a wrong value.
std::variant<unsigned, int> readThreads(const Call& call, unsigned cores) {
    if (!call.isSet(Name::Threads)) {
        return cores;
    }
    const auto count = cli::parseCount(call.value(Name::Threads));
    if (!count || *count < 1 || *count > 1024) {
        return usage(QCoreApplication::translate("primzeilen-cli",
                                                 "--threads „%1“ ist keine Zahl von 1 bis 1024.")
                         .arg(call.value(Name::Threads)));
    }
    return static_cast<unsigned>(*count);
}

NamedOptions namedOptions(const Call& call, Format format) {
    NamedOptions named;
    named.rows = call.isSet(Name::Rows);
    named.fit = call.isSet(Name::Fit);
    named.models = call.isSet(Name::Models);
    named.table = call.isSet(Name::Table);
    named.lengths = call.isSet(Name::Lengths);
    named.part = call.isSet(Name::Part);
    named.progress = call.isSet(Name::Progress);
    named.quiet = call.isSet(Name::Quiet);
    named.heights = call.isSet(Name::Heights);
    named.window = call.isSet(Name::Window);
    named.merging = call.merging();
    named.format = format;
    return named;
}

// The lengths of a list L1,L2,...: each 1..10000000, none twice, at most kMostLengths; none
// for anything else.
std::optional<std::vector<std::uint32_t>> lengthList(const QString& text) {
    const QStringList items = text.split(u',');
    if (items.size() > kMostLengths) {
        return std::nullopt;
    }
    std::vector<std::uint32_t> lengths;
    for (const QString& item : items) {
        const auto length = cli::parseCount(item);
        if (!length || *length < 1 || *length > kLongestRow ||
            std::find(lengths.begin(), lengths.end(), *length) != lengths.end()) {
            return std::nullopt;
        }
        lengths.push_back(static_cast<std::uint32_t>(*length));
    }
    return lengths;
}

// --laengen A..B or L1,L2,..., or the exit code of a wrong value.
std::optional<int> readLengths(const Call& call, Options& options) {
    const QString text = call.value(Name::Lengths);
    const QStringList ends = text.split(QStringLiteral(".."));
    if (ends.size() == 1) {
        options.lengths = lengthList(text);
        if (!options.lengths) {
            return usage(QCoreApplication::translate(
                             "primzeilen-cli",
                             "--laengen „%1“: erwartet A..B oder eine Liste L1,L2,… mit Längen "
                             "von 1 bis 10000000, jede einmal, höchstens 1000 Längen.")
                             .arg(text));
        }
        return std::nullopt;
    }
    const auto shortest = ends.size() == 2 ? cli::parseCount(ends[0]) : std::nullopt;
    const auto longest = ends.size() == 2 ? cli::parseCount(ends[1]) : std::nullopt;
    if (!shortest || !longest || *shortest < 1 || *longest < *shortest || *longest > kLongestRow ||
        *longest - *shortest >= 1000) {
        return usage(QCoreApplication::translate(
                         "primzeilen-cli",
                         "--laengen „%1“: erwartet A..B mit 1 ≤ A ≤ B ≤ 10000000, höchstens "
                         "1000 Längen.")
                         .arg(text));
    }
    options.lengths.emplace();
    for (auto length = *shortest; length <= *longest; ++length) {
        options.lengths->push_back(static_cast<std::uint32_t>(length));
    }
    return std::nullopt;
}

// --hoehen H1,H2,... and --fenster F, with LÄNGE where --laengen does not give the lengths; or
// the exit code of a wrong value. Each window H+1..H+F must end by 2^64-1 and hold a row of each
// length.
std::optional<int> readSweep(const Call& call, Options& options) {
    const QStringList heights = call.value(Name::Heights).split(u',');
    for (const QString& text : heights) {
        const auto height = cli::parseCount(text);
        if (!height || heights.size() > kMostHeights) {
            return usage(QCoreApplication::translate(
                             "primzeilen-cli",
                             "--hoehen „%1“: erwartet eine Liste H1,H2,… von ganzen Zahlen von 0 "
                             "bis 18446744073709551615, höchstens 1000 Höhen.")
                             .arg(call.value(Name::Heights)));
        }
        options.heights.push_back(*height);
    }
    const auto window = cli::parseCount(call.value(Name::Window));
    if (!window || *window < 1) {
        return usage(QCoreApplication::translate(
                         "primzeilen-cli",
                         "--fenster „%1“ ist keine ganze Zahl von 1 bis 18446744073709551615.")
                         .arg(call.value(Name::Window)));
    }
    options.window = *window;
    const QStringList& numbers = call.numbers();
    if (!options.lengths) {
        const auto length = numbers.size() == 1 ? cli::parseCount(numbers[0]) : std::nullopt;
        if (numbers.size() != 1) {
            return usage(
                QCoreApplication::translate("primzeilen-cli",
                                            "mit --hoehen eine Zahl erwartet (LÄNGE), %1 gegeben.")
                    .arg(numbers.size()));
        }
        if (!length || *length < 1 || *length > kLongestRow) {
            return usage(
                QCoreApplication::translate("primzeilen-cli",
                                            "LÄNGE „%1“ ist keine ganze Zahl von 1 bis 10000000.")
                    .arg(numbers[0]));
        }
        options.lengths = std::vector{static_cast<std::uint32_t>(*length)};
    } else if (!numbers.isEmpty()) {
        return usage(
            QCoreApplication::translate(
                "primzeilen-cli", "mit --hoehen und --laengen keine Zahl erwartet, %1 gegeben.")
                .arg(numbers.size()));
    }
    if (heights.size() * static_cast<qsizetype>(options.lengths->size()) > kMostRecords) {
        return usage(QCoreApplication::translate(
                         "primzeilen-cli",
                         "--hoehen mit %1 Höhen und %2 Längen ergibt mehr als 10000 Datensätze.")
                         .arg(heights.size())
                         .arg(options.lengths->size()));
    }
    const std::uint32_t longest =
        *std::max_element(options.lengths->begin(), options.lengths->end());
    if (options.window < longest) {
        return usage(QCoreApplication::translate(
                         "primzeilen-cli", "--fenster %1 ist kürzer als die Zeilen zu %2 Zahlen.")
                         .arg(call.value(Name::Window))
                         .arg(longest));
    }
    for (qsizetype i = 0; i < heights.size(); ++i) {
        if (options.heights[i] + options.window > core::kHighestNumber) {
            return usage(
                QCoreApplication::translate(
                    "primzeilen-cli",
                    "--hoehen %1 mit --fenster %2 reicht über 18446744073709551615 hinaus.")
                    .arg(heights[i], call.value(Name::Window)));
        }
    }
    return std::nullopt;
}

// VON BIS with --laengen.
std::optional<int> readLengthsRange(const QStringList& numbers, Options& options) {
    if (numbers.size() != 2) {
        return usage(
            QCoreApplication::translate("primzeilen-cli",
                                        "mit --laengen zwei Zahlen erwartet (VON BIS), %1 gegeben.")
                .arg(numbers.size()));
    }
    const auto from = cli::parseCount(numbers[0]);
    const auto to = cli::parseCount(numbers[1]);
    if (!from || !to) {
        return usage(
            QCoreApplication::translate("primzeilen-cli",
                                        "„%1“ ist keine ganze Zahl von 0 bis 18446744073709551615.")
                .arg(numbers[from ? 1 : 0]));
    }
    options.from = *from;
    options.to = *to;
    return std::nullopt;
}

// VON BIS LÄNGE, adjusted to whole rows.
std::optional<int> readRange(const QStringList& numbers, Options& options) {
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
    return std::nullopt;
}

// A run that counts: its range, or its row lengths and range, and its threads.
std::variant<Options, int> readCountedRun(const Call& call, Options options, unsigned threads,
                                          unsigned cores) {
    if (call.isSet(Name::Lengths)) {
        if (const auto code = readLengths(call, options)) {
            return *code;
        }
    }
    if (const auto broken = brokenRule(namedOptions(call, options.format), RuleSet::CountedRun)) {
        return usage(*broken);
    }
    if (call.isSet(Name::Heights)) {
        if (const auto code = readSweep(call, options)) {
            return *code;
        }
        // countRanges keeps each window within the memory cap of its own range.
        options.threads = std::min(threads, cores);
        return options;
    }
    if (options.lengths) {
        if (const auto code = readLengthsRange(call.numbers(), options)) {
            return *code;
        }
        // Each length keeps to the memory cap of its own range as it is counted.
        options.threads = std::min(threads, cores);
        return options;
    }
    if (const auto code = readRange(call.numbers(), options)) {
        return *code;
    }
    if (call.isSet(Name::Part)) {
        if (const auto code = applyPart(call.value(Name::Part), options)) {
            return *code;
        }
    }
    options.threads = core::threadsFor(options.range, threads, cores);
    return options;
}

}  // namespace

QString formatName(Format format) {
    for (const auto& [known, name] : kFormats) {
        if (known == format) {
            return QString::fromLatin1(name);
        }
    }
    return {};
}

int usage(const QString& message) {
    std::fprintf(stderr, "primzeilen-cli: %s\n%s", qPrintable(message), qPrintable(usageLine()));
    return kUsage;
}

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
    core::LineWriter out;
    out.text(text);
    return out.error() == 0 ? kDone : outputFailed(out.error());
}

std::variant<Options, int> readOptions(const QStringList& arguments) {
    auto parsed = Call::parse(arguments);
    if (const int* code = std::get_if<int>(&parsed)) {
        return *code;
    }
    const Call& call = *std::get<std::unique_ptr<Call>>(parsed);
    if (call.isSet(Name::Help)) {
        return print(helpText());
    }
    if (call.isSet(Name::Version)) {
        return print(QStringLiteral("primzeilen-cli " PRIMZEILEN_VERSION "\n"));
    }
    Options options;
    if (const auto code = readOutput(call, options)) {
        return *code;
    }
    const auto cores = static_cast<unsigned>(std::max(1, QThread::idealThreadCount()));
    const auto threads = readThreads(call, cores);
    if (const int* code = std::get_if<int>(&threads)) {
        return *code;
    }
    if (const auto broken = brokenRule(namedOptions(call, options.format), RuleSet::EveryCall)) {
        return usage(*broken);
    }
    if (call.merging()) {
        return readParts(options, call.numbers(),
                         options.rows || call.isSet(Name::Lengths) || call.isSet(Name::Part));
    }
    return readCountedRun(call, options, std::get<unsigned>(threads), cores);
}

}  // namespace cli
