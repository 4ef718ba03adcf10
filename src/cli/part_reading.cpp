#include <QCoreApplication>
#include <optional>
#include <string>

#include "cli/run_parts.h"
#include "engine/failures.h"

// Reading a part back: the file is taken as coming from anyone, and each refusal names it.

namespace core {

namespace {

__extension__ using Wide = unsigned __int128;

QString quoted(const QString& name) {
    return QCoreApplication::translate("core::Parts", "„%1“").arg(name);
}

// A number from 0 to 2^64-1 written as a decimal string; none for anything else.
std::optional<Number> decimalNumber(const Json& value) {
    if (!value.is_string()) {
        return std::nullopt;
    }
    const std::string& text = value.get_ref<const std::string&>();
    if (text.empty() || text.size() > 20 || (text.size() > 1 && text[0] == '0')) {
        return std::nullopt;
    }
    Number number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        number = number * 10 + (c - '0');
    }
    if (number > kHighestNumber) {
        return std::nullopt;
    }
    return number;
}

// A JSON integer from 0 to 2^64-1; the parser keeps every one of them exact. A fraction, a
// sign or anything larger is none.
std::optional<std::uint64_t> count(const Json& value) {
    if (!value.is_number_unsigned()) {
        return std::nullopt;
    }
    return value.get<std::uint64_t>();
}

// The member `key` of an object; null where the value is no object or has no such member.
const Json& member(const Json& object, const char* key) {
    static const Json none;
    if (!object.is_object()) {
        return none;
    }
    const auto found = object.find(key);
    return found == object.end() ? none : *found;
}

Failure invalid(const QString& name, const QString& key) {
    return Failure(QCoreApplication::translate("core::Parts", "%1: „%2“ fehlt oder ist ungültig.")
                       .arg(quoted(name), key));
}

// The text as a JSON object with a block "teil", read whole only where it is small enough to be
// a part.
Json parsePart(const QString& name, const QByteArray& json) {
    if (json.size() > kLargestPartFile) {
        throw Failure(
            QCoreApplication::translate(
                "core::Parts", "%1 ist größer als %2 Bytes und damit kein Teil eines Laufs.")
                .arg(quoted(name))
                .arg(kLargestPartFile));
    }
    // A part nests three levels deep. Anything deeper is refused as it is read: the library
    // copies and compares values recursively, so a value nested a hundred thousand levels deep
    // would overflow the stack.
    struct TooDeep {};
    const auto shallow = [](int depth, Json::parse_event_t /*event*/, Json& /*value*/) {
        if (depth > 8) {
            throw TooDeep{};
        }
        return true;
    };
    Json run;
    try {
        run = Json::parse(json.begin(), json.end(), shallow);
    } catch (const TooDeep&) {
        throw Failure(
            QCoreApplication::translate(
                "core::Parts", "%1 ist nicht die JSON-Ausgabe eines Teils: zu tief verschachtelt.")
                .arg(quoted(name)));
    } catch (const Json::parse_error& error) {
        throw Failure(
            QCoreApplication::translate("core::Parts", "%1 ist kein JSON: Fehler bei Byte %2.")
                .arg(quoted(name))
                .arg(error.byte));
    } catch (const Json::exception&) {
        // A number beyond what a double holds.
        throw Failure(
            QCoreApplication::translate("core::Parts", "%1 ist kein JSON: eine Zahl ist zu groß.")
                .arg(quoted(name)));
    }
    const Json& block = member(run, "teil");
    if (!block.is_object() || block.empty()) {
        throw Failure(QCoreApplication::translate(
                          "core::Parts",
                          "%1 ist nicht die JSON-Ausgabe eines Teils (--teil K/N): der Block "
                          "„teil“ fehlt.")
                          .arg(quoted(name)));
    }
    return run;
}

// Whether from..to is a range of whole rows of `length` numbers within 1..2^64-1, as the
// adjustment leaves it: its first number a multiple of the length plus 1, its last a multiple.
bool wholeRows(Number from, Number to, std::uint64_t length) {
    return length >= 1 && length <= 10'000'000 && from >= 1 && from <= to &&
           (from - 1) % length == 0 && to % length == 0;
}

// The block "teil": which part of which run, its first and last number those of part K of N.
RunPart readPartBlock(const QString& name, const Json& block, std::uint64_t& format) {
    const auto version = count(member(block, "version"));
    if (!version) {
        throw invalid(name, QStringLiteral("teil.version"));
    }
    format = *version;
    if (*version != 1 && *version != kPartFormat) {
        throw Failure(QCoreApplication::translate(
                          "core::Parts",
                          "%1 hat das Teilformat %2; dieses Programm liest die Formate 1 bis %3.")
                          .arg(quoted(name))
                          .arg(*version)
                          .arg(kPartFormat));
    }
    const auto field = [&](const char* key, auto read) {
        const auto value = read(member(block, key));
        if (!value) {
            throw invalid(name, QStringLiteral("teil.") + QLatin1String(key));
        }
        return *value;
    };
    RunPart part;
    part.index = field("k", count);
    part.count = field("n", count);
    const Number from = field("von", decimalNumber);
    const Number to = field("bis", decimalNumber);
    const std::uint64_t length = field("laenge", count);
    const Number first = field("erste", decimalNumber);
    const Number last = field("letzte", decimalNumber);
    if (!wholeRows(from, to, length)) {
        throw Failure(QCoreApplication::translate(
                          "core::Parts",
                          "%1: von %2 bis %3 in Zeilen zu %4 ist kein an ganze Zeilen angepasster "
                          "Bereich.")
                          .arg(quoted(name), QString::fromStdString(text::numberText(from)),
                               QString::fromStdString(text::numberText(to)))
                          .arg(length));
    }
    part.whole = {from, to, static_cast<std::uint32_t>(length)};
    if (!validPart(part)) {
        throw Failure(QCoreApplication::translate("core::Parts",
                                                  "%1: Teil %2 von %3 gibt es in %4 Zeilen nicht.")
                          .arg(quoted(name))
                          .arg(part.index)
                          .arg(part.count)
                          .arg(part.whole.rows()));
    }
    const RowRange range = partRange(part);
    if (first != range.first || last != range.last) {
        throw Failure(
            QCoreApplication::translate(
                "core::Parts", "%1: Teil %2 von %3 reicht von %4 bis %5, nicht von %6 bis %7.")
                .arg(quoted(name))
                .arg(part.index)
                .arg(part.count)
                .arg(QString::fromStdString(text::numberText(range.first)),
                     QString::fromStdString(text::numberText(range.last)),
                     QString::fromStdString(text::numberText(first)),
                     QString::fromStdString(text::numberText(last))));
    }
    return part;
}

// The run's own range fields, before the tally: those of the part that the block names.
void checkRunFields(const QString& name, const Json& run, const RunPart& part) {
    const RowRange range = partRange(part);
    const std::pair<const char*, Number> fields[] = {{"von", range.first},
                                                     {"bis", range.last},
                                                     {"laenge", range.length},
                                                     {"zeilen", range.rows()}};
    for (const auto& [key, expected] : fields) {
        const auto value = count(member(run, key));
        if (!value) {
            throw invalid(name, QLatin1String(key));
        }
        if (*value != expected) {
            throw Failure(QCoreApplication::translate("core::Parts",
                                                      "%1: „%2“ ist %3, Teil %4 von %5 hat %6.")
                              .arg(quoted(name), QLatin1String(key), QString::number(*value))
                              .arg(part.index)
                              .arg(part.count)
                              .arg(QString::fromStdString(text::numberText(expected))));
        }
    }
}

RowTally readTally(const QString& name, const Json& run) {
    RowTally tally;
    const Json& frequencies = member(run, "haeufigkeit");
    if (!frequencies.is_array() || frequencies.size() != tally.rows.size()) {
        throw invalid(name, QStringLiteral("haeufigkeit"));
    }
    for (std::size_t k = 0; k < tally.rows.size(); ++k) {
        const auto at = count(member(frequencies[k], "k"));
        const auto rows = count(member(frequencies[k], "zeilen"));
        if (!at || *at != k || !rows) {
            throw invalid(name, QStringLiteral("haeufigkeit[%1]").arg(k));
        }
        tally.rows[k] = *rows;
    }
    const auto over20 = count(member(run, "mehr_als_20"));
    if (!over20) {
        throw invalid(name, QStringLiteral("mehr_als_20"));
    }
    const auto primes = count(member(run, "primzahlen"));
    if (!primes) {
        throw invalid(name, QStringLiteral("primzahlen"));
    }
    tally.over20 = *over20;
    tally.primes = *primes;
    return tally;
}

// The rows with more than 20 primes, k by k, from "verteilung": k strictly increasing and at
// most the row length, the counts it repeats for k <= 20 those of "haeufigkeit", the others
// adding up to "mehr_als_20".
std::vector<std::pair<std::uint64_t, std::uint64_t>> readDistribution(const QString& name,
                                                                      const Json& run,
                                                                      std::uint64_t length,
                                                                      const RowTally& tally) {
    const Json& list = member(run, "verteilung");
    if (!list.is_array()) {
        throw invalid(name, QStringLiteral("verteilung"));
    }
    std::vector<std::pair<std::uint64_t, std::uint64_t>> longRows;
    Wide sum = 0;
    std::optional<std::uint64_t> previous;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const auto k = count(member(list[i], "k"));
        const auto rows = count(member(list[i], "zeilen"));
        if (!k || !rows || (previous && *k <= *previous) || *k > length ||
            (*k < tally.rows.size() && *rows != tally.rows[*k])) {
            throw invalid(name, QStringLiteral("verteilung[%1]").arg(i));
        }
        previous = k;
        if (*k >= tally.rows.size()) {
            longRows.emplace_back(*k, *rows);
            sum += *rows;  // fewer than 2^16 counts below 2^64: far within 128 bits
        }
    }
    if (sum != tally.over20) {
        throw Failure(QCoreApplication::translate(
                          "core::Parts",
                          "%1: „verteilung“ zählt %2 Zeilen mit mehr als 20 Primzahlen, "
                          "„mehr_als_20“ %3.")
                          .arg(quoted(name),
                               QString::fromStdString(text::numberText(static_cast<Number>(sum))))
                          .arg(tally.over20));
    }
    return longRows;
}

// Rows that a count of the part can give: as many as the part has, none with more primes than
// numbers.
void checkRows(const QString& name, const RowTally& tally, const RunPart& part) {
    const RowRange range = partRange(part);
    // 128 bits hold any sum of 22 counts; as no count is negative, the sum matching the part's
    // rows keeps each count within them.
    Wide rows = tally.over20;
    for (std::size_t k = 0; k < tally.rows.size(); ++k) {
        rows += tally.rows[k];
    }
    if (rows != range.rows()) {
        throw Failure(
            QCoreApplication::translate(
                "core::Parts", "%1: die Häufigkeiten zählen %2 Zeilen, Teil %3 von %4 hat %5.")
                .arg(quoted(name),
                     QString::fromStdString(text::numberText(static_cast<Number>(rows))))
                .arg(part.index)
                .arg(part.count)
                .arg(range.rows()));
    }
    for (std::size_t k = range.length + 1; k <= tally.rows.size(); ++k) {
        const std::uint64_t held = k < tally.rows.size() ? tally.rows[k] : tally.over20;
        if (held > 0) {
            throw Failure(QCoreApplication::translate(
                              "core::Parts",
                              "%1: %2 Zeilen mit %3 Primzahlen, aber eine Zeile hat %4 Zahlen.")
                              .arg(quoted(name))
                              .arg(held)
                              .arg(k < tally.rows.size()
                                       ? QString::number(k)
                                       : QCoreApplication::translate("core::Parts", "mehr als 20"))
                              .arg(range.length));
        }
    }
}

// Every row holds exactly its k primes, the rows above 20 as their distribution says. 128 bits
// hold the sum: k is at most 10^7, and a file holds fewer than 2^16 counts.
void checkPrimes(const QString& name, const PartResult& result) {
    const RowTally& tally = result.tally;
    Wide primes = 0;
    for (std::size_t k = 0; k < tally.rows.size(); ++k) {
        primes += Wide{tally.rows[k]} * k;
    }
    for (const auto& [k, rows] : result.longRows) {
        primes += Wide{rows} * k;
    }
    if (tally.primes != primes) {
        throw Failure(QCoreApplication::translate(
                          "core::Parts", "%1: %2 Primzahlen passen nicht zu den Häufigkeiten.")
                          .arg(quoted(name))
                          .arg(tally.primes));
    }
}

}  // namespace

PartResult readPart(const QString& name, const QByteArray& json) {
    const Json run = parsePart(name, json);
    std::uint64_t format = 0;
    PartResult result{name, readPartBlock(name, member(run, "teil"), format), {}, {}};
    checkRunFields(name, run, result.part);
    result.tally = readTally(name, run);
    checkRows(name, result.tally, result.part);
    if (result.tally.over20 > 0 && format == 1) {
        throw Failure(QCoreApplication::translate(
                          "core::Parts",
                          "%1 ist ein Teil im Format 1 mit %2 Zeilen mit mehr als 20 Primzahlen, "
                          "aber ohne deren Verteilung; bitte diesen Teil neu zählen.")
                          .arg(quoted(name))
                          .arg(result.tally.over20));
    }
    if (result.tally.over20 > 0 || (format > 1 && run.contains("verteilung"))) {
        result.longRows = readDistribution(name, run, result.part.whole.length, result.tally);
    }
    checkPrimes(name, result);
    return result;
}

}  // namespace core
