#include "run_parts.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <algorithm>
#include <optional>

#include "engine/failures.h"

namespace core {

namespace {

__extension__ using Wide = unsigned __int128;

QString tr(const char* source) {
    return QCoreApplication::translate("core::Parts", source);
}

QString quoted(const QString& name) {
    return QStringLiteral("„%1“").arg(name);
}

// A number from 0 to 2^64-1 written as a decimal string; none for anything else.
std::optional<Number> decimalNumber(const QJsonValue& value) {
    const QString text = value.toString();
    if (text.isEmpty() || text.size() > 20 || (text.size() > 1 && text[0] == u'0')) {
        return std::nullopt;
    }
    Number number = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        number = number * 10 + (c.unicode() - u'0');
    }
    if (number > kHighestNumber) {
        return std::nullopt;
    }
    return number;
}

// A JSON integer from 0 on; QJsonDocument keeps integers exactly up to 2^63-1.
std::optional<std::uint64_t> count(const QJsonValue& value) {
    if (!value.isDouble()) {
        return std::nullopt;
    }
    const qint64 number = value.toInteger(-1);
    if (number < 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(number);
}

bool sameRun(const RunPart& a, const RunPart& b) {
    return a.whole.first == b.whole.first && a.whole.last == b.whole.last &&
           a.whole.length == b.whole.length && a.count == b.count;
}

QString runText(const RunPart& part) {
    return tr("%1 bis %2 in Zeilen zu %3, %4 Teile")
        .arg(numberText(part.whole.first), numberText(part.whole.last))
        .arg(part.whole.length)
        .arg(part.count);
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
    return tr("Teil %1 von %2 des Bereichs %3 bis %4 in Zeilen zu %5: Zahlen %6 bis %7")
        .arg(part.index)
        .arg(part.count)
        .arg(numberText(part.whole.first), numberText(part.whole.last))
        .arg(part.whole.length)
        .arg(numberText(range.first), numberText(range.last));
}

QString withPartBlock(const QString& json, const RunPart& part) {
    // Before the object's closing brace, whatever layout the keys before it have.
    const qsizetype close = json.lastIndexOf(u'}');
    if (close < 0) {
        throw Failure(tr("Die JSON-Ausgabe ist kein Objekt."));
    }
    const RowRange range = partRange(part);
    return json.left(close).trimmed() +
           QStringLiteral(
               ",\n  \"teil\": {\"version\": %1, \"k\": %2, \"n\": %3, \"von\": \"%4\", "
               "\"bis\": \"%5\", \"laenge\": %6, \"erste\": \"%7\", \"letzte\": \"%8\"}\n")
               .arg(kPartFormat)
               .arg(part.index)
               .arg(part.count)
               .arg(numberText(part.whole.first), numberText(part.whole.last))
               .arg(part.whole.length)
               .arg(numberText(range.first), numberText(range.last)) +
           json.mid(close);
}

PartResult readPart(const QString& name, const QByteArray& json) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        throw Failure(tr("%1 ist kein JSON: %2 (bei Zeichen %3).")
                          .arg(quoted(name), error.errorString())
                          .arg(error.offset));
    }
    const QJsonObject run = document.object();
    const QJsonObject block = run.value(QStringLiteral("teil")).toObject();
    if (block.isEmpty()) {
        throw Failure(tr("%1 ist nicht die JSON-Ausgabe eines Teils (--teil K/N): der Block "
                         "„teil“ fehlt.")
                          .arg(quoted(name)));
    }
    const auto bad = [&name](const QString& key) {
        return Failure(tr("%1: „%2“ fehlt oder ist ungültig.").arg(quoted(name), key));
    };
    const auto version = count(block.value(QStringLiteral("version")));
    if (!version) {
        throw bad(QStringLiteral("teil.version"));
    }
    if (*version != kPartFormat) {
        throw Failure(tr("%1 hat das Teilformat %2; dieses Programm liest das Format %3.")
                          .arg(quoted(name))
                          .arg(*version)
                          .arg(kPartFormat));
    }
    PartResult result{name, {}, {}};
    RunPart& part = result.part;
    const auto field = [&](const char* key, auto read) {
        const auto value = read(block.value(QLatin1String(key)));
        if (!value) {
            throw bad(QStringLiteral("teil.") + QLatin1String(key));
        }
        return *value;
    };
    part.index = field("k", count);
    part.count = field("n", count);
    const Number from = field("von", decimalNumber);
    const Number to = field("bis", decimalNumber);
    const std::uint64_t length = field("laenge", count);
    const Number first = field("erste", decimalNumber);
    const Number last = field("letzte", decimalNumber);
    const auto whole = length >= 1 && length <= 10'000'000
                           ? adjustToRows(from, to, static_cast<std::uint32_t>(length))
                           : std::nullopt;
    if (!whole || whole->first != from || whole->last != to) {
        throw Failure(tr("%1: von %2 bis %3 in Zeilen zu %4 ist kein an ganze Zeilen angepasster "
                         "Bereich.")
                          .arg(quoted(name), numberText(from), numberText(to))
                          .arg(length));
    }
    part.whole = *whole;
    if (!validPart(part)) {
        throw Failure(tr("%1: Teil %2 von %3 gibt es in %4 Zeilen nicht.")
                          .arg(quoted(name))
                          .arg(part.index)
                          .arg(part.count)
                          .arg(part.whole.rows()));
    }
    const RowRange range = partRange(part);
    if (first != range.first || last != range.last) {
        throw Failure(tr("%1: Teil %2 von %3 reicht von %4 bis %5, nicht von %6 bis %7.")
                          .arg(quoted(name))
                          .arg(part.index)
                          .arg(part.count)
                          .arg(numberText(range.first), numberText(range.last), numberText(first),
                               numberText(last)));
    }

    const QJsonArray frequencies = run.value(QStringLiteral("haeufigkeit")).toArray();
    if (frequencies.size() != static_cast<qsizetype>(result.tally.rows.size())) {
        throw bad(QStringLiteral("haeufigkeit"));
    }
    // The rows with at most 20 primes hold exactly their sum of k; each row above holds 21 to
    // `length` primes.
    Wide rows = 0;
    Wide primesUpTo20 = 0;
    for (std::size_t k = 0; k < result.tally.rows.size(); ++k) {
        const QJsonObject entry = frequencies[static_cast<qsizetype>(k)].toObject();
        const auto at = count(entry.value(QStringLiteral("k")));
        const auto tallied = count(entry.value(QStringLiteral("zeilen")));
        if (!at || *at != k || !tallied) {
            throw bad(QStringLiteral("haeufigkeit[%1]").arg(k));
        }
        result.tally.rows[k] = *tallied;
        rows += *tallied;
        primesUpTo20 += Wide{*tallied} * k;
    }
    const auto over20 = count(run.value(QStringLiteral("mehr_als_20")));
    const auto primes = count(run.value(QStringLiteral("primzahlen")));
    if (!over20) {
        throw bad(QStringLiteral("mehr_als_20"));
    }
    if (!primes) {
        throw bad(QStringLiteral("primzahlen"));
    }
    result.tally.over20 = *over20;
    result.tally.primes = *primes;
    rows += *over20;
    if (rows != range.rows()) {
        throw Failure(tr("%1: die Häufigkeiten zählen %2 Zeilen, Teil %3 von %4 hat %5.")
                          .arg(quoted(name), numberText(static_cast<Number>(rows)))
                          .arg(part.index)
                          .arg(part.count)
                          .arg(range.rows()));
    }
    if (*primes < primesUpTo20 + Wide{*over20} * 21 ||
        *primes > primesUpTo20 + Wide{*over20} * part.whole.length) {
        throw Failure(tr("%1: %2 Primzahlen passen nicht zu den Häufigkeiten.")
                          .arg(quoted(name))
                          .arg(*primes));
    }
    return result;
}

RowTally mergeParts(const std::vector<PartResult>& parts) {
    const PartResult& model = parts.front();
    std::vector<const PartResult*> sorted;
    for (const PartResult& part : parts) {
        if (!sameRun(part.part, model.part)) {
            throw Failure(tr("%1 gehört zu einem anderen Lauf als %2: %3 statt %4.")
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
            throw Failure(tr("%1 und %2 sind beide Teil %3 von %4.")
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
        throw Failure(absent == 1
                          ? tr("Teil %1 von %2 fehlt.").arg(missing.front()).arg(model.part.count)
                          : tr("Es fehlen %1 der %2 Teile: %3.")
                                .arg(absent)
                                .arg(model.part.count)
                                .arg(missing.join(QStringLiteral(", "))));
    }
    RowTally total;
    for (const PartResult& part : parts) {
        total += part.tally;
    }
    return total;
}

}  // namespace core
