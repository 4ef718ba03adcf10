#pragma once

#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>

#include "core/frequency_summary.h"

namespace core {

// A range of whole rows anywhere in 0..2^64-1.
struct RowRange {
    std::uint64_t first = 1;  // a multiple of length, plus 1
    std::uint64_t last = 0;   // a multiple of length
    std::uint32_t length = 1;
    [[nodiscard]] std::uint64_t rows() const { return (last - first + 1) / length; }
    [[nodiscard]] std::uint64_t rowStart(std::uint64_t row) const { return first + row * length; }
};

// from..to adjusted to whole rows as the main window adjusts its range: the lower bound to
// (from div length) * length + 1, the upper to (to div length) * length. None when no row is
// left or the first row would begin beyond 2^64-1.
[[nodiscard]] std::optional<RowRange> adjustToRows(std::uint64_t from, std::uint64_t to,
                                                    std::uint32_t length);

// The tally of some rows: rows with 0..20 primes by count, rows with more, and all primes.
struct RowTally {
    RowCounts rows{};
    std::uint64_t over20 = 0;
    std::uint64_t primes = 0;
    RowTally& operator+=(const RowTally& other);
};

// Keeps a run's cancellation and progress, shared by the threads that count.
struct ScanControl {
    std::atomic<bool> stop{false};
    std::atomic<std::uint64_t> rowsDone{0};
};

// Counts the primes of rows firstRow..endRow-1, with libprimesieve, in memory independent of
// the number of rows. Each row with the count of its primes goes to `row` when given, in order,
// with the offsets of its primes within the row. Returns early once control.stop is set.
using RowVisitor = std::function<void(std::uint64_t row, std::uint32_t count,
                                      const std::vector<std::uint32_t>& offsets)>;
RowTally tallyRows(const RowRange& range, std::uint64_t firstRow, std::uint64_t endRow,
                        ScanControl& control, const RowVisitor& row = {});

// Splits the rows into `threads` parts of consecutive rows, counts them side by side and adds
// their tallies: the result does not depend on the number of threads.
RowTally tallyRange(const RowRange& range, unsigned threads, ScanControl& control);

// What a run may spend on libprimesieve's sieves, whatever the options: with the rest of the
// program a run stays within 256 MB.
inline constexpr std::uint64_t kSieveMemoryBudget = 224ull << 20;

// The sieve memory one counting thread needs near the end of `range`: libprimesieve keeps the
// primes up to the square root of the height in buckets, some 22 MB a thread near 2^64.
[[nodiscard]] std::uint64_t sieveBytesPerThread(const RowRange& range);

// The threads a run uses: as many as requested, at most one a core and one a row, and no more
// than keep the sieves within kSieveMemoryBudget; at least one.
[[nodiscard]] unsigned threadsFor(const RowRange& range, unsigned requested, unsigned cores);

// A row line as the main window lists it: the first number right-aligned in `headerWidth`
// characters, two spaces, "O" for a prime and "+" for any other number, two spaces, the count.
[[nodiscard]] QString rowLine(const RowRange& range, std::uint64_t row, int headerWidth,
                                  std::uint32_t count, const std::vector<std::uint32_t>& offsets);

// The header width of a range's rows: six, or more where its first numbers need it.
[[nodiscard]] int headerWidth(const RowRange& range);

}  // namespace core
