#include "run_parts.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>

#include "engine/failures.h"

namespace core {

namespace {

__extension__ using Wide = unsigned __int128;

constexpr Wide kMostIn64Bits = std::numeric_limits<std::uint64_t>::max();

QString quoted(const QString& name) {
    return QCoreApplication::translate("core::Parts", "„%1“").arg(name);
}

bool sameRun(const RunPart& a, const RunPart& b) {
    return a.whole.first == b.whole.first && a.whole.last == b.whole.last &&
           a.whole.length == b.whole.length && a.count == b.count;
}

QString runText(const RunPart& part) {
    return QCoreApplication::translate("core::Parts", "%1 bis %2 in Zeilen zu %3, %4 Teile")
        .arg(QString::fromStdString(text::numberText(part.whole.first)),
             QString::fromStdString(text::numberText(part.whole.last)))
        .arg(part.whole.length)
        .arg(part.count);
}

// Adds the part's tally to `total`; a Failure naming the part where a sum leaves 64 bits, which
// parts that passed readPart cannot do (their primes are at most their numbers, and the numbers
// of a range are below 2^64) but parts made elsewhere could.
void addChecked(RowTally& total, const PartResult& part) {
    const auto add = [&part](std::uint64_t& sum, std::uint64_t value) {
        const Wide wide = Wide{sum} + value;
        if (wide > kMostIn64Bits) {
            throw Failure(QCoreApplication::translate(
                              "core::Parts", "Mit %1 übersteigt die Summe der Teile 2^64 − 1.")
                              .arg(quoted(part.name)));
        }
        sum = static_cast<std::uint64_t>(wide);
    };
    for (std::size_t k = 0; k < total.rows.size(); ++k) {
        add(total.rows[k], part.tally.rows[k]);
    }
    add(total.over20, part.tally.over20);
    add(total.primes, part.tally.primes);
    // A counter for every k from the lowest above 20 to the highest: at most the row length of
    // 10^7, 80 MB, as a count of such rows holds itself.
    for (const auto& [k, rows] : part.longRows) {
        if (rows == 0) {
            continue;  // the tally's list never ends in a zero
        }
        add(total.beyondCounter(k), rows);
    }
}

}  // namespace

RowSpan partRows(std::uint64_t rows, std::uint64_t index, std::uint64_t count) {
    const std::uint64_t t = index - 1;
    const std::uint64_t first = rows / count * t + std::min(t, rows % count);
    return {first, first + rows / count + (t < rows % count ? 1 : 0)};
}

bool validPart(const RunPart& part) {
    return part.index >= 1 && part.index <= part.count && part.count <= part.whole.rows() &&
           part.count <= kMostParts;
}

RowRange partRange(const RunPart& part) {
    const RowSpan span = partRows(part.whole.rows(), part.index, part.count);
    return {part.whole.rowStart(span.first), part.whole.rowStart(span.end) - 1, part.whole.length};
}

QString partHeading(const RunPart& part) {
    const RowRange range = partRange(part);
    return QCoreApplication::translate(
               "core::Parts",
               "Teil %1 von %2 des Bereichs %3 bis %4 in Zeilen zu %5: Zahlen %6 bis %7")
        .arg(part.index)
        .arg(part.count)
        .arg(QString::fromStdString(text::numberText(part.whole.first)),
             QString::fromStdString(text::numberText(part.whole.last)))
        .arg(part.whole.length)
        .arg(QString::fromStdString(text::numberText(range.first)),
             QString::fromStdString(text::numberText(range.last)));
}

void addPartBlock(Json& run, const RunPart& part) {
    const RowRange range = partRange(part);
    // Version 1 where it says all there is, so that its bytes stay those of every earlier part.
    run["teil"] = {{"version", run.contains("verteilung") ? kPartFormat : 1},
                   {"k", part.index},
                   {"n", part.count},
                   {"von", text::numberText(part.whole.first)},
                   {"bis", text::numberText(part.whole.last)},
                   {"laenge", part.whole.length},
                   {"erste", text::numberText(range.first)},
                   {"letzte", text::numberText(range.last)}};
}

RowTally mergeParts(const std::vector<PartResult>& parts) {
    const PartResult& model = parts.front();
    std::vector<const PartResult*> sorted;
    for (const PartResult& part : parts) {
        if (!sameRun(part.part, model.part)) {
            throw Failure(QCoreApplication::translate(
                              "core::Parts", "%1 gehört zu einem anderen Lauf als %2: %3 statt %4.")
                              .arg(quoted(part.name), quoted(model.name), runText(part.part),
                                   runText(model.part)));
        }
        sorted.push_back(&part);
    }
    std::sort(sorted.begin(), sorted.end(), [](const PartResult* a, const PartResult* b) {
        return a->part.index < b->part.index;
    });
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        if (sorted[i]->part.index == sorted[i - 1]->part.index) {
            throw Failure(
                QCoreApplication::translate("core::Parts", "%1 und %2 sind beide Teil %3 von %4.")
                    .arg(quoted(sorted[i - 1]->name), quoted(sorted[i]->name))
                    .arg(sorted[i]->part.index)
                    .arg(model.part.count));
        }
    }
    // Each K at most once and within 1..N: fewer files than N leave some K out.
    const std::uint64_t absent = model.part.count - sorted.size();
    if (absent > 0) {
        QStringList missing;
        std::uint64_t expected = 1;
        for (std::size_t i = 0; i <= sorted.size() && missing.size() < 10; ++i) {
            const std::uint64_t next =
                i < sorted.size() ? sorted[i]->part.index : model.part.count + 1;
            for (; expected < next && missing.size() < 10; ++expected) {
                missing.append(QString::number(expected));
            }
            expected = next + 1;
        }
        if (absent > static_cast<std::uint64_t>(missing.size())) {
            missing.append(QStringLiteral("…"));
        }
        throw Failure(
            absent == 1
                ? QCoreApplication::translate("core::Parts", "Teil %1 von %2 fehlt.")
                      .arg(missing.front())
                      .arg(model.part.count)
                : QCoreApplication::translate("core::Parts", "Es fehlen %1 der %2 Teile: %3.")
                      .arg(absent)
                      .arg(model.part.count)
                      .arg(missing.join(QStringLiteral(", "))));
    }
    RowTally total;
    for (const PartResult& part : parts) {
        addChecked(total, part);
    }
    return total;
}

}  // namespace core
