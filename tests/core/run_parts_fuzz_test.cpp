// Parts of a run that went through hostile hands: real parts with bytes flipped, numbers changed,
// fields removed or of the wrong type, and cut short, from a fixed seed. Each set of parts is
// either merged into exactly the sum of what its files say, a sum that a count of the range
// could give, or refused with a Failure that names a file; nothing else.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>
#include <random>
#include <regex>
#include <string>

#include "cli/report.h"
#include "cli/run_parts.h"
#include "engine/failures.h"
#include "engine/statistics/models.h"
#include "engine/texts/summary_text.h"

namespace core {
namespace {

__extension__ using Wide = unsigned __int128;

// Real parts as the command line writes them, with the fit and the models where they exist.
std::vector<std::string> realParts(const RowRange& whole, std::uint64_t count, bool counted) {
    std::vector<std::string> parts;
    for (std::uint64_t k = 1; k <= count; ++k) {
        const RunPart part{whole, k, count};
        const RowRange range = partRange(part);
        ScanControl control;
        RowTally tally;
        if (counted) {
            tally = countRange(range, 1, control);
        } else {
            tally.rows[0] = range.rows();  // near 2^64, where a count takes seconds to start
        }
        const SummaryText summary = summaryText(tally, {Language::German, U','});
        std::optional<FitReport> fit;
        std::optional<ModelComparison> models;
        try {
            fit = fitReport(summary.shares);
            models = compareModels(computeModels(modelRows(range)), summary.shares,
                                   beyondTwentyShare(tally));
        } catch (const Failure&) {
        }
        Json run = reportJson(range, summary, tally, fit, models);
        addPartBlock(run, part);
        parts.push_back(jsonText(run).toStdString());
    }
    return parts;
}

class Mutator {
public:
    explicit Mutator(std::uint64_t seed) : m_random(seed) {}

    // One change to `text`, most often to a number, which leaves JSON that reads; returns what
    // it did.
    std::string mutate(std::string& text) {
        std::discrete_distribution<int> kind({30, 20, 10, 12, 10, 10, 3});
        switch (kind(m_random)) {
            case 0:
                return shiftNumber(text);
            case 1:
                return replaceValue(text, kNumbers[below(std::size(kNumbers))]);
            case 2:
                return replaceValue(text, kOtherTypes[below(std::size(kOtherTypes))]);
            case 3:
                return removeField(text);
            case 4: {
                const std::size_t at = below(text.size());
                text[at] = static_cast<char>(text[at] ^ (1 << below(8)));
                return "flipped a bit of byte " + std::to_string(at);
            }
            case 5: {
                const std::size_t at = below(text.size());
                text.resize(at);
                return "cut at byte " + std::to_string(at);
            }
            default: {
                const std::size_t depth = 1 + below(100'000);
                text.insert(1,
                            "\"tief\": " + std::string(depth, '[') + std::string(depth, ']') + ",");
                return "nested " + std::to_string(depth) + " arrays";
            }
        }
    }

    std::size_t below(std::size_t bound) {
        return std::uniform_int_distribution<std::size_t>(0, bound - 1)(m_random);
    }

private:
    static constexpr const char* kNumbers[] = {"0",
                                               "1",
                                               "2",
                                               "89",
                                               "91",
                                               "167",
                                               "-1",
                                               "0.5",
                                               "1e999",
                                               "-0",
                                               "9007199254740993",
                                               "18446744073709551615",
                                               "18446744073709551616",
                                               "340282366920938463463374607431768211457",
                                               "\"18446744073709551615\"",
                                               "\"-1\""};
    static constexpr const char* kOtherTypes[] = {"null", "true",  "[]",   "{}",
                                                  "[1]",  "\"1\"", "\"\"", "{\"k\": 1}"};

    // Each value that follows a key: a number, a string or the opening of a container.
    std::vector<std::pair<std::size_t, std::size_t>> values(const std::string& text) {
        static const std::regex value(R"re(": (-?[0-9][0-9.eE+-]*|"[^"]*"|null|\[|\{))re");
        std::vector<std::pair<std::size_t, std::size_t>> found;
        for (auto it = std::sregex_iterator(text.begin(), text.end(), value);
             it != std::sregex_iterator(); ++it) {
            found.emplace_back(static_cast<std::size_t>(it->position(1)),
                               static_cast<std::size_t>(it->length(1)));
        }
        return found;
    }

    // An integer one more or one less, or its double: still a count, now a wrong one.
    std::string shiftNumber(std::string& text) {
        std::vector<std::pair<std::size_t, std::size_t>> integers;
        for (const auto& [at, length] : values(text)) {
            if (length < 20 && text.find_first_not_of("0123456789", at) == at + length) {
                integers.emplace_back(at, length);
            }
        }
        if (integers.empty()) {
            return "no integer to change";
        }
        const auto [at, length] = integers[below(integers.size())];
        const std::uint64_t old = std::stoull(text.substr(at, length));
        const std::uint64_t changed = below(3) == 0 ? old * 2 : below(2) == 0 ? old + 1 : old - 1;
        text.replace(at, length, std::to_string(changed));
        return "changed " + std::to_string(old) + " at byte " + std::to_string(at) + " to " +
               std::to_string(changed);
    }

    std::string replaceValue(std::string& text, const std::string& replacement) {
        const auto found = values(text);
        if (found.empty()) {
            return "nothing to replace";
        }
        const auto [at, length] = found[below(found.size())];
        const std::string old = text.substr(at, length);
        text.replace(at, length, replacement);
        return "replaced " + old + " at byte " + std::to_string(at) + " by " + replacement;
    }

    // A key and its value up to the next comma or closing bracket: whole for a number or a
    // string, a broken container otherwise.
    std::string removeField(std::string& text) {
        const auto found = values(text);
        if (found.empty()) {
            return "no field to remove";
        }
        const std::size_t value = found[below(found.size())].first;
        const std::size_t key = text.rfind('"', text.rfind('"', value - 3) - 1);
        std::size_t end = text.find_first_of(",}]", value);
        end = end == std::string::npos ? text.size() : end;
        if (end < text.size() && text[end] == ',') {
            ++end;
        }
        const std::string removed = text.substr(key, end - key);
        text.erase(key, end - key);
        return "removed " + removed.substr(0, 60);
    }

    std::mt19937_64 m_random;
};

// What the files say, read with no check at all: the sum of their tallies, and the run that the
// first names. None where a file does not even hold the fields.
struct Stated {
    Wide rows[22]{};
    std::map<std::uint64_t, Wide> longRows;  // k above 20
    Wide primes = 0;
    Number first = 0;
    Number last = 0;
    std::uint64_t length = 0;
};

std::optional<Stated> stated(const std::vector<std::string>& parts) {
    Stated sum;
    try {
        for (const std::string& text : parts) {
            const nlohmann::json run = nlohmann::json::parse(text);
            for (std::size_t k = 0; k < 21; ++k) {
                sum.rows[k] += run.at("haeufigkeit").at(k).at("zeilen").get<std::uint64_t>();
            }
            sum.rows[21] += run.at("mehr_als_20").get<std::uint64_t>();
            if (run.contains("verteilung")) {
                for (const auto& entry : run.at("verteilung")) {
                    const auto k = entry.at("k").get<std::uint64_t>();
                    if (k > 20) {
                        sum.longRows[k] += entry.at("zeilen").get<std::uint64_t>();
                    }
                }
            }
            sum.primes += run.at("primzahlen").get<std::uint64_t>();
        }
        const nlohmann::json block = nlohmann::json::parse(parts.front()).at("teil");
        sum.first = std::stoull(block.at("von").get<std::string>());
        sum.last = std::stoull(block.at("bis").get<std::string>());
        sum.length = block.at("laenge").get<std::uint64_t>();
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return sum;
}

// A merged tally: what the files say, and what rows of its run can hold.
void expectSound(const RowTally& merged, const std::vector<std::string>& parts) {
    const auto sum = stated(parts);
    ASSERT_TRUE(sum) << "merged parts whose fields do not read back";
    ASSERT_GE(sum->length, 1u);
    Wide rows = 0;
    Wide least = 0;
    for (std::size_t k = 0; k < 22; ++k) {
        const std::uint64_t held = k < 21 ? merged.rows[k] : merged.over20;
        EXPECT_TRUE(held == sum->rows[k]) << "k = " << k << ": merged " << held;
        EXPECT_TRUE(held == 0 || k <= sum->length) << "k = " << k << " in rows of " << sum->length;
        rows += held;
        least += Wide{held} * k;
    }
    EXPECT_TRUE(merged.primes == sum->primes) << "merged " << merged.primes << " primes";
    EXPECT_TRUE(rows == static_cast<Wide>((sum->last - sum->first + 1) / sum->length));
    EXPECT_TRUE(merged.primes >= least);
    EXPECT_TRUE(merged.primes <= least + Wide{merged.over20} * (sum->length - 21));
    // The rows above 20 count by count, and each row's primes exactly.
    Wide primes = 0;
    for (std::size_t k = 0; k < 21; ++k) {
        primes += Wide{merged.rows[k]} * k;
    }
    RowTally beyond;
    for (const auto& [k, rows] : sum->longRows) {
        if (rows > 0) {
            beyond.addBeyond(k, static_cast<std::uint64_t>(rows));
            primes += rows * k;
        }
    }
    EXPECT_EQ(merged.beyondFirst, beyond.beyondFirst);
    EXPECT_EQ(merged.beyond, beyond.beyond);
    EXPECT_TRUE(merged.primes == primes) << "merged " << merged.primes << " primes";
}

// The message names one of the files as the merge shows it.
bool namesAFile(const QString& message, std::size_t files) {
    for (std::size_t k = 1; k <= files; ++k) {
        if (message.contains(QStringLiteral("„teil-%1.json“").arg(k))) {
            return true;
        }
    }
    return false;
}

TEST(RunPartsFuzz, MutatedPartsMergeSoundlyOrAreRefusedByName) {
    const std::uint64_t seed = 20261209;
    struct Run {
        RowRange whole;
        std::uint64_t count;
        bool counted;
    };
    const auto high = adjustToRows(kHighestNumber - 9000, kHighestNumber, 90);
    ASSERT_TRUE(high);
    // Rows of 1000 numbers near 10^12 all hold more than 20 primes.
    const Run runs[] = {{{1, 45000, 90}, 3, true},
                        {{1, 100, 1}, 2, true},
                        {*high, 3, false},
                        {{1'000'000'000'001, 1'000'000'030'000, 1000}, 2, true}};
    std::vector<std::vector<std::string>> originals;
    for (const Run& run : runs) {
        originals.push_back(realParts(run.whole, run.count, run.counted));
    }
    Mutator mutator(seed);
    int merged = 0;
    int mergedLongRows = 0;
    int refused = 0;
    // scripts/sanitize asks for more, under the sanitizers; the first cases stay the same.
    const char* asked = std::getenv("PRIMZEILEN_FUZZ_CASES");
    const int cases = asked != nullptr ? std::max(std::atoi(asked), 400) : 400;
    for (int i = 0; i < cases; ++i) {
        std::vector<std::string> parts = originals[static_cast<std::size_t>(i) % std::size(runs)];
        std::string what;
        // Mostly one change, so that none hides another; now and then two or three.
        for (std::size_t changes = mutator.below(4) == 0 ? 2 + mutator.below(2) : 1; changes > 0;
             --changes) {
            const std::size_t file = mutator.below(parts.size());
            what +=
                "teil-" + std::to_string(file + 1) + ".json: " + mutator.mutate(parts[file]) + "; ";
        }
        SCOPED_TRACE(testing::Message() << "seed " << seed << ", case " << i << ": " << what);
        try {
            std::vector<PartResult> results;
            for (std::size_t k = 0; k < parts.size(); ++k) {
                results.push_back(readPart(QStringLiteral("teil-%1.json").arg(k + 1),
                                           QByteArray::fromStdString(parts[k])));
            }
            const RowTally total = mergeParts(results);
            expectSound(total, parts);
            ++merged;
            mergedLongRows += total.beyond.empty() ? 0 : 1;
        } catch (const Failure& failure) {
            EXPECT_TRUE(namesAFile(failure.message(), parts.size()))
                << failure.message().toStdString();
            ++refused;
        } catch (const std::exception& error) {
            ADD_FAILURE() << "neither merged nor refused: " << error.what();
        }
    }
    // Both ways out are taken, or the mutations miss what they are meant to hit.
    EXPECT_GT(merged, 10);
    EXPECT_GT(refused, 200);
    EXPECT_GT(mergedLongRows, 2);
}

}  // namespace
}  // namespace core
