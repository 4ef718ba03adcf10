#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace core {

// A number anywhere from -10,000,000 (the windows' lowest bound) to 2^64-1 (the command line's
// highest): wider than either machine integer alone.
using Number = __int128_t;

inline constexpr Number kHighestNumber = Number{UINT64_MAX};

namespace text {
// The number in decimal digits, with a leading "-" when negative.
[[nodiscard]] std::string numberText(Number value);
}  // namespace text

// Rows of `length` numbers; row r covers rowStart(r) .. rowStart(r) + length - 1. The first row
// begins one past a multiple of length, so no row holds both 0 and 1: a row lies wholly below 2
// (no primes) or wholly above 0.
struct RowRange {
    Number first = 1;  // a multiple of length, plus 1
    Number last = 0;   // a multiple of length
    std::uint32_t length = 1;
    [[nodiscard]] std::uint64_t rows() const {
        return static_cast<std::uint64_t>((last - first + 1) / length);
    }
    [[nodiscard]] Number rowStart(std::uint64_t row) const {
        return first + static_cast<Number>(row) * length;
    }
};

// The adjustment to whole rows that the main window shows in its fields: the lower bound goes to
// (from div length) * length + 1, the upper to (to div length) * length, div cutting towards
// zero.
[[nodiscard]] Number firstOfRows(Number from, std::uint32_t length);
[[nodiscard]] Number lastOfRows(Number to, std::uint32_t length);

// from..to adjusted to whole rows; none when no row is left or the first row would begin
// beyond 2^64-1.
[[nodiscard]] std::optional<RowRange> adjustToRows(Number from, Number to, std::uint32_t length);

// The rows by their count of primes: 0..20 tallied one by one in `rows`, and those with more
// than 20 both together (`over20`, the column of the windows' table) and one by one (`beyond`),
// so that the tally holds the whole distribution at any row length.
using RowCounts = std::array<std::uint64_t, 21>;
struct RowTally {
    RowCounts rows{};
    std::uint64_t over20 = 0;
    std::uint64_t primes = 0;
    // beyond[i]: the rows with beyondFirst + i primes, from the smallest count above 20 that
    // occurs to the largest: a few thousand counters where rows of millions of numbers spread
    // around a mean of hundreds of thousands. Empty (and beyondFirst 21) where no row holds more
    // than 20; neither end is ever zero, so that equal distributions compare equal.
    std::uint64_t beyondFirst = 21;
    std::vector<std::uint64_t> beyond;

    void add(std::uint64_t count) {
        primes += count;
        if (count < rows.size()) {
            ++rows[count];
        } else {
            addBeyond(count, 1);
        }
    }
    // `number` rows with `count` primes each, count above 20; adds to over20 too (not to primes).
    void addBeyond(std::uint64_t count, std::uint64_t number);
    // The counter of the rows with `count` primes, count above 20, made where it is missing;
    // over20 is left to the caller, who must not leave it at zero.
    [[nodiscard]] std::uint64_t& beyondCounter(std::uint64_t count);
    // The rows with k primes, any k.
    [[nodiscard]] std::uint64_t rowsWith(std::uint64_t k) const;
    // All rows counted.
    [[nodiscard]] std::uint64_t totalRows() const;
    // The smallest and the largest count of primes that a row holds; 0 without rows.
    [[nodiscard]] std::uint64_t lowestCount() const;
    [[nodiscard]] std::uint64_t highestCount() const;
    RowTally& operator+=(const RowTally& other);
    bool operator==(const RowTally&) const = default;
};

// The share of all rows that hold more than 20 primes; 0 without rows.
[[nodiscard]] double beyondTwentyShare(const RowTally& tally);

// The width of a range's row headers: six, or more where a first number of its rows needs it,
// so that the marks of all rows start in one column.
[[nodiscard]] int headerWidth(const RowRange& range);

// A row line: the row's first number right-aligned in the header width, two spaces, one mark per
// number ("O" a prime, "+" any other), two spaces and the row's count of primes. The marks and
// numbers are the same in every language.
namespace text {
// A row's marks: "O" where a prime stands, "+" elsewhere.
[[nodiscard]] std::string rowMarks(const RowRange& range,
                                   const std::vector<std::uint32_t>& offsets);
[[nodiscard]] std::string rowHeader(Number start, int width);  // up to the marks
[[nodiscard]] std::string rowTail(std::uint64_t count);        // after the marks
// The line of row `row`, its primes given by their offsets within the row.
[[nodiscard]] std::string rowLine(const RowRange& range, std::uint64_t row, int width,
                                  std::uint32_t count, const std::vector<std::uint32_t>& offsets);
}  // namespace text

// A run's cancellation and progress, shared by the threads that count.
struct ScanControl {
    std::atomic<bool> stop{false};
    std::atomic<std::uint64_t> rowsDone{0};
    // The ranges of countRanges counted whole.
    std::atomic<std::uint64_t> rangesDone{0};
};

// Counts the primes of rows firstRow..endRow-1 with libprimesieve, in memory independent of the
// number of rows. Each row with its count goes to `visit` when given, in order, with the offsets
// of its primes within the row. Returns early once control.stop is set.
using RowVisitor = std::function<void(std::uint64_t row, std::uint32_t count,
                                      const std::vector<std::uint32_t>& offsets)>;
RowTally countRows(const RowRange& range, std::uint64_t firstRow, std::uint64_t endRow,
                   ScanControl& control, const RowVisitor& visit = {});

// Counts the rows on up to `threads` threads, which take pieces of consecutive rows as they
// become free (work_pieces.h) and add up their tallies: the result does not depend on the
// number of threads.
RowTally countRange(const RowRange& range, unsigned threads, ScanControl& control);

// The tallies of several ranges, in the order of the ranges, counted on up to `threads` threads
// that take pieces of all ranges from one supply, with the sieves of all threads within
// kSieveMemoryBudget; each equal to countRange of its range alone.
std::vector<RowTally> countRanges(const std::vector<RowRange>& ranges, unsigned threads,
                                  ScanControl& control);

// What a run may spend on libprimesieve's sieves, whatever the options: with the rest of the
// program a run stays within 256 MB.
inline constexpr std::uint64_t kSieveMemoryBudget = 224ull << 20;

// The sieve memory one counting thread needs near the end of `range`: libprimesieve keeps the
// primes up to the square root of the height in buckets, some 22 MB a thread near 2^64.
[[nodiscard]] std::uint64_t sieveBytesPerThread(const RowRange& range);

// The threads a run uses: as many as requested, at most one a core and one a row, and no more
// than keep the sieves within kSieveMemoryBudget; at least one.
[[nodiscard]] unsigned threadsFor(const RowRange& range, unsigned requested, unsigned cores);

}  // namespace core
