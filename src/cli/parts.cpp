#include "parts.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

#include "cli/count_argument.h"
#include "engine/failures.h"
#include "cli/run_parts.h"

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
        for (const QString& name : files) {
            QFile file(name);
            if (!file.open(QIODevice::ReadOnly)) {
                throw core::Failure(QCoreApplication::translate("primzeilen-cli",
                                                                "„%1“ lässt sich nicht lesen: %2.")
                                        .arg(name, file.errorString()));
            }
            const QByteArray json = file.readAll();
            if (file.error() != QFileDevice::NoError) {
                throw core::Failure(QCoreApplication::translate("primzeilen-cli",
                                                                "„%1“ lässt sich nicht lesen: %2.")
                                        .arg(name, file.errorString()));
            }
            parts.push_back(core::readPart(name, json));
        }
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
