#include "cli/run_parts.h"

#include <gtest/gtest.h>

#include <functional>

#include "cli/report.h"
#include "engine/failures.h"
#include "engine/texts/summary_text.h"

namespace core {
namespace {

constexpr Number kTop = kHighestNumber;

TEST(RunParts, PartsCoverEveryRowOnceAndDifferByAtMostOneRow) {
    struct Case {
        std::uint64_t rows;
        std::uint64_t count;
    };
    for (const Case c : {Case{1, 1}, Case{10, 3}, Case{10, 10}, Case{7, 8}, Case{1000, 17},
                         Case{~std::uint64_t{0}, 7}, Case{~std::uint64_t{0}, kMostParts}}) {
        SCOPED_TRACE(testing::Message() << c.rows << " rows in " << c.count << " parts");
        if (c.count > c.rows) {
            EXPECT_FALSE(validPart({{1, c.rows, 1}, 1, c.count}));
            continue;
        }
        const std::uint64_t small = c.rows / c.count;
        const std::uint64_t longer = c.rows % c.count;
        // Every part for small counts; for large ones the first, the last and those around the
        // end of the longer ones.
        std::vector<std::uint64_t> indices;
        if (c.count <= 20) {
            for (std::uint64_t k = 1; k <= c.count; ++k) {
                indices.push_back(k);
            }
        } else {
            indices = {1, longer, longer + 1, c.count};
        }
        EXPECT_EQ(partRows(c.rows, 1, c.count).first, 0u);
        EXPECT_EQ(partRows(c.rows, c.count, c.count).end, c.rows);
        for (const std::uint64_t k : indices) {
            const RowSpan span = partRows(c.rows, k, c.count);
            EXPECT_EQ(span.end - span.first, small + (k <= longer ? 1 : 0)) << "part " << k;
            if (k > 1) {
                EXPECT_EQ(span.first, partRows(c.rows, k - 1, c.count).end) << "part " << k;
            }
        }
    }
    EXPECT_FALSE(validPart({{1, 90, 90}, 0, 1}));
    EXPECT_FALSE(validPart({{1, 90, 90}, 2, 1}));
    EXPECT_FALSE(validPart({{1, kTop, 1}, 1, kMostParts + 1}));
}

TEST(RunParts, PartRangesAreWholeRowsUpTo2To64) {
    // Every number from 1 to 2^64-1 in rows of one, and the last rows of 90 below 2^64.
    const RunPart all{{1, kTop, 1}, kMostParts, kMostParts};
    EXPECT_EQ(partRange(all).last, kTop);
    EXPECT_EQ(partRange({all.whole, 1, kMostParts}).first, 1);
    const auto high = adjustToRows(kTop - 900'000, kTop, 90);
    ASSERT_TRUE(high);
    Number next = high->first;
    for (std::uint64_t k = 1; k <= 7; ++k) {
        const RowRange range = partRange({*high, k, 7});
        EXPECT_EQ(range.first, next);
        EXPECT_EQ((range.first - 1) % 90, 0);
        EXPECT_EQ(range.last % 90, 0);
        next = range.last + 1;
    }
    EXPECT_EQ(next - 1, high->last);
}

// The JSON a part writes, as the command line writes it.
QByteArray partJson(const RunPart& part) {
    ScanControl control;
    const RowTally tally = countRange(partRange(part), 1, control);
    Json run = reportJson(partRange(part), summaryText(tally, {}), tally, {});
    addPartBlock(run, part);
    return jsonText(run).toUtf8();
}

std::vector<PartResult> readAll(const RowRange& whole, std::uint64_t count) {
    std::vector<PartResult> parts;
    for (std::uint64_t k = 1; k <= count; ++k) {
        parts.push_back(
            readPart(QStringLiteral("teil-%1.json").arg(k), partJson({whole, k, count})));
    }
    return parts;
}

TEST(RunParts, MergeReadsThePartsBackExactly) {
    const RowRange whole{1, 45000, 90};
    ScanControl control;
    EXPECT_EQ(mergeParts(readAll(whole, 4)), countRange(whole, 1, control));
    // Bounds beyond 2^53, where a double would round them, come back to the last digit.
    const auto high = adjustToRows(kTop - 9000, kTop, 90);
    ASSERT_TRUE(high);
    // No count there (libprimesieve takes a second to start near 2^64): rows without primes.
    const RunPart last{*high, 3, 3};
    RowTally tally;
    tally.rows[0] = partRange(last).rows();
    Json run = reportJson(partRange(last), summaryText(tally, {}), tally, {});
    addPartBlock(run, last);
    const PartResult part = readPart(QStringLiteral("hoch.json"), jsonText(run).toUtf8());
    EXPECT_EQ(part.part.whole.first, high->first);
    EXPECT_EQ(part.part.whole.last, high->last);
    EXPECT_EQ(part.part.index, 3u);
    // Rows of one number begin anywhere; rows of two at odd numbers.
    for (const RowRange& short_rows :
         {RowRange{1, 100, 1}, RowRange{17, 40, 1}, RowRange{1, 98, 2}}) {
        EXPECT_EQ(mergeParts(readAll(short_rows, 3)), countRange(short_rows, 1, control))
            << text::numberText(short_rows.first) << ".." << text::numberText(short_rows.last);
    }
}

// Rows of 1000 numbers near 10^12 hold about 36 primes each: every part carries them row count
// by row count, and their merge is the tally of the whole range, whatever the order.
TEST(RunParts, PartsWithLongRowsCarryTheirDistribution) {
    const RowRange whole{1'000'000'000'001, 1'000'000'300'000, 1000};
    std::vector<PartResult> parts = readAll(whole, 3);
    for (const PartResult& part : parts) {
        EXPECT_FALSE(part.longRows.empty()) << part.name.toStdString();
    }
    std::swap(parts[0], parts[2]);
    ScanControl control;
    const RowTally counted = countRange(whole, 1, control);
    ASSERT_GT(counted.beyond.size(), 10u);
    EXPECT_EQ(mergeParts(parts), counted);
    EXPECT_TRUE(partJson({whole, 1, 3}).contains("\"teil\": {\"version\": 2,"));
    // Without rows above 20 a part stays in the format every earlier program reads.
    EXPECT_TRUE(partJson({{91, 45000, 90}, 1, 3}).contains("\"teil\": {\"version\": 1,"));
}

// A part whose tally says what it likes, its fields otherwise those of part K of N.
QByteArray forgedPart(const RunPart& part, const RowTally& tally) {
    Json run = reportJson(partRange(part), summaryText(tally, {}), tally, {});
    addPartBlock(run, part);
    return jsonText(run).toUtf8();
}

// One refusal each: a file that is no part, a part that is not what it says, parts that are
// not one run. The message names the file and the fault.
TEST(RunParts, MergeRefusesWhatIsNoWholeRun) {
    const RowRange whole{1, 45000, 90};
    const QByteArray second = partJson({whole, 2, 3});
    const auto edited = [&](const char* from, const char* to) {
        QByteArray json = second;
        EXPECT_TRUE(json.contains(from)) << from;
        return json.replace(from, to);
    };
    struct Case {
        const char* what;
        std::function<std::vector<PartResult>()> parts;
        QString message;
    };
    const auto alone = [](const QByteArray& json) {
        return [json] { return std::vector{readPart(QStringLiteral("teil-2.json"), json)}; };
    };
    const RowRange tens{1, 1000, 10};
    RowTally fifteens;
    fifteens.rows[15] = 100;
    fifteens.primes = 1500;
    RowTally over20;
    over20.over20 = 100;
    over20.primes = 2100;
    // Rows of 1000 numbers near 10^12, every one above 20 primes; the last count held by one
    // row only.
    const auto longPart = [](const std::function<void(Json&)>& edit) {
        Json run = Json::parse(partJson({{1'000'000'000'001, 1'000'000'030'000, 1000}, 1, 1}));
        EXPECT_EQ(run["verteilung"].back()["zeilen"], 1);
        edit(run);
        return jsonText(run).toUtf8();
    };
    const auto without = [&](std::size_t index) {
        return [&, index] {
            auto parts = readAll(whole, 3);
            parts.erase(parts.begin() + static_cast<std::ptrdiff_t>(index));
            return parts;
        };
    };
    const Case cases[] = {
        {"not JSON", alone("k,zeilen\n"), "„teil-2.json“ ist kein JSON"},
        {"a whole run's JSON", alone(second.left(second.indexOf(",\n  \"teil\"")) + "\n}\n"),
         "„teil-2.json“ ist nicht die JSON-Ausgabe eines Teils"},
        {"a later format", alone(edited("\"version\": 1", "\"version\": 3")),
         "„teil-2.json“ hat das Teilformat 3; dieses Programm liest die Formate 1 bis 2."},
        {"a bound as a number", alone(edited("\"von\": \"1\"", "\"von\": 1")),
         "„teil-2.json“: „teil.von“ fehlt oder ist ungültig."},
        {"a bound off the rows", alone(edited("\"bis\": \"45000\"", "\"bis\": \"45001\"")),
         "kein an ganze Zeilen angepasster Bereich"},
        {"K beyond N", alone(edited("\"k\": 2", "\"k\": 4")), "Teil 4 von 3 gibt es"},
        {"the wrong stretch", alone(edited("\"k\": 2", "\"k\": 3")),
         "„teil-2.json“: Teil 3 von 3 reicht von 30061 bis 45000, nicht von 15031 bis 30060."},
        {"a row too few", alone(edited("{\"k\": 0, \"zeilen\": 0", "{\"k\": 0, \"zeilen\": 1")),
         "die Häufigkeiten zählen 168 Zeilen, Teil 2 von 3 hat 167."},
        {"a k missing", alone(edited("{\"k\": 0,", "{\"j\": 0,")),
         "„haeufigkeit[0]“ fehlt oder ist ungültig"},
        {"primes that do not add up", alone(edited("\"primzahlen\": ", "\"primzahlen\": 1")),
         "Primzahlen passen nicht zu den Häufigkeiten"},
        {"rows of 10 numbers with 15 primes", alone(forgedPart({tens, 1, 1}, fifteens)),
         "„teil-2.json“: 100 Zeilen mit 15 Primzahlen, aber eine Zeile hat 10 Zahlen."},
        {"rows of 10 numbers with over 20 primes", alone(forgedPart({tens, 1, 1}, over20)),
         "„teil-2.json“: 100 Zeilen mit mehr als 20 Primzahlen, aber eine Zeile hat 10 Zahlen."},
        {"the run's first number not the part's", alone(edited("\"von\": 15031", "\"von\": 15030")),
         "„teil-2.json“: „von“ ist 15030, Teil 2 von 3 hat 15031."},
        {"the run's rows not the part's", alone(edited("\"zeilen\": 167", "\"zeilen\": 168")),
         "„teil-2.json“: „zeilen“ ist 168, Teil 2 von 3 hat 167."},
        {"a negative count", alone(edited("\"primzahlen\": ", "\"primzahlen\": -")),
         "„teil-2.json“: „primzahlen“ fehlt oder ist ungültig."},
        {"a count beyond 2^64",
         alone(edited("\"primzahlen\": ", "\"primzahlen\": 18446744073709551616")),
         "„teil-2.json“: „primzahlen“ fehlt oder ist ungültig."},
        {"a count as a fraction", alone(edited("\"zeilen\": 167,", "\"zeilen\": 167.0,")),
         "„teil-2.json“: „zeilen“ fehlt oder ist ungültig."},
        {"a number no double holds", alone(edited("\"primzahlen\": ", "\"primzahlen\": 1e999")),
         "„teil-2.json“ ist kein JSON"},
        {"a file far larger than a part", alone(second + QByteArray(kLargestPartFile, ' ')),
         "„teil-2.json“ ist größer als 1048576 Bytes"},
        {"another range",
         [&] {
             auto parts = readAll(whole, 3);
             parts[1] = readPart(QStringLiteral("anders.json"), partJson({{1, 45090, 90}, 2, 3}));
             return parts;
         },
         "„anders.json“ gehört zu einem anderen Lauf als „teil-1.json“: 1 bis 45090 in Zeilen "
         "zu 90, 3 Teile statt 1 bis 45000 in Zeilen zu 90, 3 Teile."},
        {"a K twice",
         [&] {
             auto parts = readAll(whole, 3);
             parts[2] = readPart(QStringLiteral("noch-einmal.json"), second);
             return parts;
         },
         "„teil-2.json“ und „noch-einmal.json“ sind beide Teil 2 von 3."},
        {"the middle part missing", without(1), "Teil 2 von 3 fehlt."},
        {"parts missing", [&] { return std::vector{readAll(whole, 3)[1]}; },
         "Es fehlen 2 der 3 Teile: 1, 3."},
        {"long rows in the first format", alone(longPart([](Json& run) {
             run["teil"]["version"] = 1;
             run.erase("verteilung");
         })),
         "„teil-2.json“ ist ein Teil im Format 1 mit 30 Zeilen mit mehr als 20 Primzahlen, aber "
         "ohne deren Verteilung; bitte diesen Teil neu zählen."},
        {"long rows without their distribution",
         alone(longPart([](Json& run) { run.erase("verteilung"); })),
         "„teil-2.json“: „verteilung“ fehlt oder ist ungültig."},
        {"a count twice", alone(longPart([](Json& run) {
             Json& list = run["verteilung"];
             list.insert(list.begin() + 1, list[1]);
         })),
         "„teil-2.json“: „verteilung[2]“ fehlt oder ist ungültig."},
        {"a count beyond the row length",
         alone(longPart([](Json& run) { run["verteilung"].back()["k"] = 1001; })),
         "„verteilung[" /* the last one */},
        {"rows up to 20 other than in the table", alone(longPart([](Json& run) {
             run["verteilung"].insert(run["verteilung"].begin(), Json{{"k", 20}, {"zeilen", 1}});
         })),
         "„teil-2.json“: „verteilung[0]“ fehlt oder ist ungültig."},
        {"more rows than above 20",
         alone(longPart([](Json& run) { run["verteilung"].back()["zeilen"] = 2; })),
         "„teil-2.json“: „verteilung“ zählt 31 Zeilen mit mehr als 20 Primzahlen, "
         "„mehr_als_20“ 30."},
        {"a row moved to another count", alone(longPart([](Json& run) {
             Json& list = run["verteilung"];
             list.back()["k"] = list.back()["k"].get<std::uint64_t>() + 1;
         })),
         "Primzahlen passen nicht zu den Häufigkeiten"},
        {"sums beyond 64 bits",
         [&] {
             // Tallies that no part read back can hold: readPart bounds the primes by the
             // numbers, and the numbers of a range stay below 2^64.
             auto parts = readAll(whole, 3);
             for (PartResult& part : parts) {
                 part.tally.primes = std::uint64_t{1} << 63;
             }
             return parts;
         },
         "Mit „teil-2.json“ übersteigt die Summe der Teile 2^64 − 1."},
    };
    for (const Case& c : cases) {
        try {
            (void)mergeParts(c.parts());
            ADD_FAILURE() << c.what << ": merged";
        } catch (const Failure& failure) {
            EXPECT_TRUE(failure.message().contains(c.message))
                << c.what << ": " << failure.message().toStdString();
        }
    }
}

}  // namespace
}  // namespace core
