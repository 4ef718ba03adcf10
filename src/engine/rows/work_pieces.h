#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "engine/rows/rows.h"

namespace core {

// Rows firstRow..endRow-1 of the range numbered `range`: what one thread counts at a time.
struct WorkPiece {
    std::size_t range = 0;
    std::uint64_t firstRow = 0;
    std::uint64_t endRow = 0;
    bool operator==(const WorkPiece&) const = default;
};

// The rows of each piece of `range` when `threads` threads count it. Starting libprimesieve's
// iterator at a height H sieves the primes up to the square root of H first (near 2^64 about a
// second), so a piece spans several square roots of its range's top and some millions of
// numbers at least; and at most a few hundred pieces a thread, but one for each thread where a
// piece that large would leave a thread without work.
[[nodiscard]] std::uint64_t pieceRows(const RowRange& range, unsigned threads);

// The threads that count `ranges` together: as many as requested, at most one a row, and no
// more than keep the sieves within kSieveMemoryBudget at the highest range; at least one.
[[nodiscard]] unsigned threadsForRanges(const std::vector<RowRange>& ranges, unsigned requested);

// The pieces of several ranges, in the order of the ranges, handed out to threads on demand.
// Each thread starts on a stretch of consecutive pieces of its own and takes them in order, so
// that it can go on with one iterator from piece to piece; a thread whose stretch is done takes
// over the upper half of the largest stretch left (the single piece of a stretch of one). Every
// piece is handed out exactly once, whichever thread asks when.
class WorkPieces final {
public:
    WorkPieces(const std::vector<RowRange>& ranges, unsigned threads);

    [[nodiscard]] std::uint64_t count() const { return m_firstPiece.back(); }
    // The threads that take part: those asked for, at most one a piece, at least one.
    [[nodiscard]] unsigned threads() const { return m_threads; }
    [[nodiscard]] WorkPiece piece(std::uint64_t index) const;
    // The pieces of range `range`.
    [[nodiscard]] std::uint64_t piecesOf(std::size_t range) const {
        return m_firstPiece[range + 1] - m_firstPiece[range];
    }
    // The next piece for thread `thread` (0..threads()-1); none once every piece is handed out.
    [[nodiscard]] std::optional<WorkPiece> next(unsigned thread);

private:
    [[nodiscard]] bool takeFromOthers(unsigned thread, std::uint64_t& index);

    std::vector<std::uint64_t> m_rows;        // rows of each range
    std::vector<std::uint64_t> m_pieceRows;   // rows of each piece of each range
    std::vector<std::uint64_t> m_firstPiece;  // the number of each range's first piece, and the end
    unsigned m_threads = 1;
    // Each thread's stretch of pieces not yet handed out: the first in the upper 32 bits, the end
    // in the lower ones (a run has fewer than 2^32 pieces), so that one compare-and-swap moves
    // either end.
    std::unique_ptr<std::atomic<std::uint64_t>[]> m_stretches;
};

// The tally of rows firstRow..endRow-1 (all at or above 1) from libprimesieve's buffers of
// primes, in memory independent of the number of rows.
[[nodiscard]] RowTally tallyRows(const RowRange& range, std::uint64_t firstRow,
                                 std::uint64_t endRow, ScanControl& control);

}  // namespace core
