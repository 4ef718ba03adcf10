#include "options.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QThread>
#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "cli/count_argument.h"
#include "cli/parts.h"
#include "core/line_writer.h"
#include "primzeilen_version.h"

namespace cli {

QString translated(const char* source) {
    return QCoreApplication::translate("primzeilen-cli", source);
}

namespace {

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
    "  --zeilen            zuerst jede Zeile, wie das Hauptfenster sie auflistet (mit csv und\n"
    "                      csv-de: nur die Tabelle der Zeilen)\n"
    "  --anpassung         danach die angepasste Binomialverteilung B(n;p) mit Erwartungswerten\n"
    "                      und Standardabweichungen\n"
    "  --modelle           danach h(k), B(n;p)(k) und die Zufallsmodelle von Cramér,\n"
    "                      Gallagher (Poisson) und Montgomery–Soundararajan für k = 0..20, ihre\n"
    "                      Abstände (TV) und Varianzen und das vorhergesagte n\n"
    "  --teil K/N          nur den K-ten von N Teilen des angepassten Bereichs zählen (ganze\n"
    "                      Zeilen, die Teile so gleich groß wie möglich; nicht mit --zeilen);\n"
    "                      mit --format json zum Vereinigen (siehe unten)\n"
    "  --laengen A..B      statt LÄNGE jede Zeilenlänge von A bis B (Aufruf dann: VON BIS):\n"
    "                      je Länge eine Zeile mit Zeilen, angepasstem n und p, n* und den\n"
    "                      TV-Abständen der Modelle\n"
    "  --format FORMAT     text (Voreinstellung), csv, csv-de (Semikolon und Dezimalkomma\n"
    "                      für deutsche Tabellenkalkulationen) oder json\n"
    "  --tabelle TABELLE   mit csv und csv-de: haeufigkeit (Voreinstellung) oder anpassung\n"
    "  --threads N         so viele Threads, höchstens einer je Kern und so viele, dass der\n"
    "                      Lauf unter 256 MB Speicher bleibt (Voreinstellung: die Zahl der\n"
    "                      Kerne)\n"
    "  --fortschritt       Fortschritt auf der Fehlerausgabe, auch wenn sie kein Terminal ist\n"
    "                      (dann eine Zeile zu Beginn und je Zehntel der Zeilen)\n"
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
    "Nimmt der Leser einer Pipe nichts mehr ab, endet ein Abbruch nach spätestens 2 s; die\n"
    "letzte Zeile kann dann abgeschnitten sein.\n"
    "\n"
    "Aufruf: primzeilen-cli vereinigen [--format FORMAT] [--tabelle TABELLE] [--anpassung]\n"
    "                                  [--modelle] TEIL.json …\n"
    "\n"
    "Liest die JSON-Ausgaben aller N Teile eines Laufs mit --teil K/N, prüft, dass sie genau\n"
    "einen Lauf ergeben (derselbe Bereich, dieselbe LÄNGE und dasselbe N, jedes K genau einmal),\n"
    "und gibt das Ergebnis aus, als wäre der ganze Bereich auf einmal gezählt worden; Fehler im\n"
    "Aufruf und in den Dateien enden mit dem Rückgabewert 2. Beispiele für GNU parallel und\n"
    "Slurm: /usr/share/doc/primzeilen/examples.\n"
    "\n"
    "Handbuch: man primzeilen-cli\n");

const char* const kUsageLine = QT_TRANSLATE_NOOP(
    "primzeilen-cli", "Aufruf: primzeilen-cli [OPTIONEN] VON BIS LÄNGE (mehr: --help)\n");

}  // namespace

int usage(const QString& message) {
    std::fprintf(stderr, "primzeilen-cli: %s\n%s", qPrintable(message),
                 qPrintable(translated(kUsageLine)));
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
    const QCommandLineOption lengths(QStringLiteral("laengen"), QString(), QStringLiteral("A..B"));
    const QCommandLineOption table(QStringLiteral("tabelle"), QString(), QStringLiteral("TABELLE"));
    const QCommandLineOption part(QStringLiteral("teil"), QString(), QStringLiteral("K/N"));
    parser.addOptions(
        {help, version, rows, fit, models, format, threads, progress, quiet, lengths, table, part});
    // A negative number would read as a row of short options: where it stands for VON, BIS or
    // LÄNGE it is handed on as a stand-in and named as given once the parser is done.
    QStringList given = arguments;
    const bool merging = given.size() > 1 && given[1] == u"vereinigen";
    if (merging) {
        given.removeAt(1);
    }
    const QCommandLineOption* const valued[] = {&format, &threads, &lengths, &table, &part};
    QStringList negatives;
    for (qsizetype i = 1; i < given.size(); ++i) {
        const QString& argument = given[i];
        // The value of an option is never one of the numbers, negative or not.
        const bool valueOfOption =
            std::any_of(std::begin(valued), std::end(valued), [&](const QCommandLineOption* option) {
                return given[i - 1] == QStringLiteral("--") + option->names().front();
            });
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
    for (const QCommandLineOption* once : valued) {
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
        if (!QStringList{QStringLiteral("text"), QStringLiteral("csv"), QStringLiteral("csv-de"),
                         QStringLiteral("json")}
                 .contains(options.format)) {
            return usage(
                QCoreApplication::translate(
                    "primzeilen-cli", "--format „%1“: erlaubt sind text, csv, csv-de und json.")
                    .arg(options.format));
        }
    }
    const bool csv = options.format.startsWith(u"csv");
    if (parser.isSet(table)) {
        const QString name = parser.value(table);
        if (name != u"haeufigkeit" && name != u"anpassung") {
            return usage(
                QCoreApplication::translate(
                    "primzeilen-cli", "--tabelle „%1“: erlaubt sind haeufigkeit und anpassung.")
                    .arg(name));
        }
        if (!csv) {
            return usage(QCoreApplication::translate(
                "primzeilen-cli", "--tabelle gilt nur mit --format csv oder csv-de."));
        }
        if (options.rows || parser.isSet(lengths)) {
            return usage(QCoreApplication::translate(
                "primzeilen-cli",
                "--tabelle wählt eine Tabelle eines Laufs; mit --zeilen oder --laengen ist die "
                "Tabelle schon gewählt."));
        }
        options.fitTable = name == u"anpassung";
        options.fit = options.fit || options.fitTable;
    }
    if (csv && options.rows && (options.fit || options.models)) {
        return usage(
            QCoreApplication::translate(
                "primzeilen-cli",
                "--zeilen mit --format %1 gibt die Tabelle der Zeilen aus; die Anpassung und die "
                "Modelle stehen in eigenen Tabellen (--tabelle).")
                .arg(options.format));
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
    if (merging) {
        return readParts(options, numbers,
                         options.rows || parser.isSet(lengths) || parser.isSet(part));
    }
    if (parser.isSet(lengths)) {
        const QStringList ends = parser.value(lengths).split(QStringLiteral(".."));
        const auto shortest = ends.size() == 2 ? cli::parseCount(ends[0]) : std::nullopt;
        const auto longest = ends.size() == 2 ? cli::parseCount(ends[1]) : std::nullopt;
        if (!shortest || !longest || *shortest < 1 || *longest < *shortest ||
            *longest > kLongestRow || *longest - *shortest >= 1000) {
            return usage(QCoreApplication::translate(
                             "primzeilen-cli",
                             "--laengen „%1“: erwartet A..B mit 1 ≤ A ≤ B ≤ 10000000, höchstens "
                             "1000 Längen.")
                             .arg(parser.value(lengths)));
        }
        if (options.rows) {
            return usage(QCoreApplication::translate(
                "primzeilen-cli", "--laengen und --zeilen schließen einander aus."));
        }
        if (parser.isSet(part)) {
            return usage(QCoreApplication::translate(
                "primzeilen-cli", "--laengen und --teil schließen einander aus."));
        }
        if (numbers.size() != 2) {
            return usage(
                QCoreApplication::translate("primzeilen-cli",
                                            "mit --laengen zwei Zahlen erwartet (VON BIS), %1 "
                                            "gegeben.")
                    .arg(numbers.size()));
        }
        const auto from = cli::parseCount(numbers[0]);
        const auto to = cli::parseCount(numbers[1]);
        if (!from || !to) {
            return usage(
                QCoreApplication::translate(
                    "primzeilen-cli", "„%1“ ist keine ganze Zahl von 0 bis 18446744073709551615.")
                    .arg(numbers[from ? 1 : 0]));
        }
        options.lengths = {static_cast<std::uint32_t>(*shortest),
                           static_cast<std::uint32_t>(*longest)};
        options.from = *from;
        options.to = *to;
        options.threads = std::min(requestedThreads, cores);
        return options;
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
    if (parser.isSet(part)) {
        // The rows of a part alone could not be merged into the whole run's listing.
        if (options.rows) {
            return usage(QCoreApplication::translate(
                "primzeilen-cli", "--teil und --zeilen schließen einander aus."));
        }
        if (const auto code = applyPart(parser.value(part), options)) {
            return *code;
        }
    }
    options.threads = core::threadsFor(options.range, requestedThreads, cores);
    return options;
}

}  // namespace cli
