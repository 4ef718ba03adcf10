#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

#include "cli/json_text.h"
#include "engine/rows/rows.h"

namespace core {

// A run split into parts that run anywhere and add up to the whole: part K of N counts a
// stretch of whole rows of the adjusted range. The first rows % N parts are one row longer than
// the others, so the N parts cover every row once.

// The version of the "teil" block in a part's JSON. Version 2 carries the whole distribution
// ("verteilung") where rows hold more than 20 primes; a part without such rows is written as
// version 1, as it always was, and a merge reads both. A version 1 part with such rows lacks
// their distribution and is refused: it has to be counted again.
inline constexpr int kPartFormat = 2;

// The most parts a run is split into: every JSON reader keeps K and N exact up to 2^53.
inline constexpr std::uint64_t kMostParts = std::uint64_t{1} << 53;

struct RunPart {
    RowRange whole;
    std::uint64_t index = 1;  // K, from 1
    std::uint64_t count = 1;  // N
};

// Rows [first, end) of a range's rows 0..rows-1.
struct RowSpan {
    std::uint64_t first = 0;
    std::uint64_t end = 0;
};

// The rows of part `index` (1..count) of `rows` rows.
[[nodiscard]] RowSpan partRows(std::uint64_t rows, std::uint64_t index, std::uint64_t count);

// Whether part K of N exists for the range: 1 <= K <= N <= min(rows, kMostParts).
[[nodiscard]] bool validPart(const RunPart& part);

// The part's rows as a range of their own. Requires validPart.
[[nodiscard]] RowRange partRange(const RunPart& part);

// The line a part's text output begins with: which part of which range it is.
[[nodiscard]] QString partHeading(const RunPart& part);

// Adds the block "teil" to a run's JSON object (reportJson) as its last key: the format
// version (2 where the object holds "verteilung", else 1), K, N, the whole range and the part's
// first and last number. The numbers of the range go as decimal strings: JSON readers that hold
// numbers in doubles would round them above 2^53.
void addPartBlock(Json& run, const RunPart& part);

// The largest file a merge reads as a part. A part's JSON is a few kilobytes whatever its range;
// anything near this size is no part, and reading stops here.
inline constexpr qsizetype kLargestPartFile = qsizetype{1} << 20;

// A part read back from its JSON, taken as coming from anyone: a valid part of a valid range,
// the run's own fields those of part K of N, no row with more primes than numbers, and a tally
// that adds up to its rows and its primes. Rows with more than 20 primes come with their
// distribution: each k from 21 to the row length at most once, in increasing order, the rows
// adding up to "mehr_als_20"; the counts up to 20 that the list repeats equal to "haeufigkeit".
struct PartResult {
    QString name;  // where it came from, for messages
    RunPart part;
    RowTally tally;  // without `beyond`, which longRows holds
    // The rows with more than 20 primes as (k, rows), k increasing: as long as the file, where
    // `beyond` would take 8 bytes for every k up to the highest in every part.
    std::vector<std::pair<std::uint64_t, std::uint64_t>> longRows;
};

// Throws Failure naming `name` where the text is no such part or is longer than
// kLargestPartFile.
[[nodiscard]] PartResult readPart(const QString& name, const QByteArray& json);

// The whole run's tally from its parts: all of one range, one row length and one N, each K
// exactly once, the sums within 64 bits. Throws Failure naming the file and what is wrong.
// Requires at least one part.
[[nodiscard]] RowTally mergeParts(const std::vector<PartResult>& parts);

}  // namespace core
