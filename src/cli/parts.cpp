#include "parts.h"

#include <QCoreApplication>
#include <QFile>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <future>

#include "cli/count_argument.h"
#include "cli/run_parts.h"
#include "engine/failures.h"

namespace cli {

std::optional<int> applyPart(const QString& text, Options& options) {
    const QStringList numbers = text.split(u'/');
    core::RunPart part{options.range, 0, 0};
    if (numbers.size() == 2) {
        part.index = cli::parseCount(numbers[0]).value_or(0);
        part.count = cli::parseCount(numbers[1]).value_or(0);
    }
    if (!core::validPart(part)) {
        const bool fewRows = options.range.rows() <= core::kMostParts;
        return usage(
            (fewRows
                 ? QCoreApplication::translate("primzeilen-cli",
                                               "--teil „%1“: erwartet K/N mit 1 ≤ K ≤ N ≤ %2, "
                                               "der Zahl der Zeilen des Bereichs.")
                 : QCoreApplication::translate(
                       "primzeilen-cli", "--teil „%1“: erwartet K/N mit 1 ≤ K ≤ N ≤ %2 (2^53)."))
                .arg(text)
                .arg(fewRows ? options.range.rows() : core::kMostParts));
    }
    options.part = part;
    options.range = core::partRange(part);
    return std::nullopt;
}

namespace {

int mergeUsage(const QString& message) {
    std::fprintf(stderr, "primzeilen-cli: %s\n%s", qPrintable(message),
                 qPrintable(QCoreApplication::translate(
                     "primzeilen-cli",
                     "Aufruf: primzeilen-cli vereinigen [OPTIONEN] TEIL.json … (mehr: --help)\n")));
    return kUsage;
}

// A file's bytes, at most one more than a part may have, so that anything larger is refused
// after reading no more than that.
QByteArray readAtMost(const QString& name) {
    QFile file(name);
    const auto unreadable = [&] {
        return core::Failure(
            QCoreApplication::translate("primzeilen-cli", "„%1“ lässt sich nicht lesen: %2.")
                .arg(name, file.errorString()));
    };
    if (!file.open(QIODevice::ReadOnly)) {
        throw unreadable();
    }
    QByteArray bytes;
    while (bytes.size() <= core::kLargestPartFile) {
        const QByteArray chunk = file.read(core::kLargestPartFile + 1 - bytes.size());
        if (chunk.isEmpty()) {
            break;
        }
        bytes += chunk;
    }
    if (file.error() != QFileDevice::NoError) {
        throw unreadable();
    }
    return bytes;
}

std::vector<core::PartResult> readAll(const QStringList& files) {
    std::vector<core::PartResult> parts;
    for (const QString& name : files) {
        parts.push_back(core::readPart(name, readAtMost(name)));
    }
    return parts;
}

// Reads the parts on a thread of their own while this one waits for SIGINT and SIGTERM (blocked
// by main, as for a count): a file that never ends or a FIFO that nobody opens does not keep the
// program from stopping. A stop ends the program at once; nothing has been written yet.
std::vector<core::PartResult> readAllUnlessStopped(const QStringList& files) {
    sigset_t stops;
    sigemptyset(&stops);
    sigaddset(&stops, SIGINT);
    sigaddset(&stops, SIGTERM);
    const QByteArray stopped =
        (QCoreApplication::translate("primzeilen-cli", "Abgebrochen.") + u'\n').toLocal8Bit();
    std::future<std::vector<core::PartResult>> reading =
        std::async(std::launch::async, [&files] { return readAll(files); });
    while (reading.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        const timespec pause{0, 20'000'000};
        const int signal = sigtimedwait(&stops, nullptr, &pause);
        if (signal > 0) {
            std::fputs(stopped.constData(), stderr);
            std::_Exit(128 + signal);
        }
    }
    return reading.get();
}

}  // namespace

std::variant<Options, int> readParts(Options options, const QStringList& files,
                                     bool countingOptions) {
    if (countingOptions) {
        return mergeUsage(QCoreApplication::translate(
            "primzeilen-cli", "vereinigen nimmt weder --zeilen noch --laengen noch --teil."));
    }
    if (files.isEmpty()) {
        return mergeUsage(QCoreApplication::translate(
            "primzeilen-cli", "vereinigen: keine Datei angegeben (erwartet TEIL.json …)."));
    }
    std::vector<core::PartResult> parts;
    try {
        parts = readAllUnlessStopped(files);
        options.counted = core::mergeParts(parts);
    } catch (const core::Failure& failure) {
        std::fprintf(stderr, "primzeilen-cli: %s\n", qPrintable(failure.message()));
        return kUsage;
    }
    options.range = parts.front().part.whole;
    options.threads = 1;
    options.progress = false;  // nothing is counted
    return options;
}

}  // namespace cli
