#include "work_pieces.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <limits>
#include <primesieve.hpp>
#if !defined(PRIMZEILEN_SINGLE_THREADED)
#include <mutex>
#include <thread>
#endif

#include "engine/arithmetic.h"

namespace core {

namespace {

constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();

// Measured near 10^18 and 2^64: starting an iterator costs as much as sieving some 0.1 square
// roots of the height, and below 10^13 about as much as 2.5 million numbers. With pieces of
// four square roots and 16.7 million numbers at least, a start that a thread cannot avoid
// costs a few per cent of a piece; most pieces follow their thread's previous one and start
// nothing.
constexpr std::uint64_t kRootsPerPiece = 4;
constexpr std::uint64_t kLeastPieceNumbers = std::uint64_t{1} << 24;
constexpr std::uint64_t kMostPiecesPerThread = 256;
// The stretches hold piece numbers in 32 bits.
constexpr std::uint64_t kMostPieces = std::uint64_t{1} << 31;

[[nodiscard]] std::uint64_t ceilDivide(std::uint64_t a, std::uint64_t b) {
    return a / b + (a % b != 0 ? 1 : 0);
}

[[nodiscard]] std::uint64_t packStretch(std::uint64_t first, std::uint64_t end) {
    return first << 32 | end;
}
[[nodiscard]] std::uint64_t stretchFirst(std::uint64_t packed) {
    return packed >> 32;
}
[[nodiscard]] std::uint64_t stretchEnd(std::uint64_t packed) {
    return packed & 0xffff'ffffu;
}

// libprimesieve's primes a buffer at a time, with the first prime of the buffer not yet taken:
// a thread's place in the primes, where its next piece can go on if it follows the last one.
class PrimeCursor final {
public:
    // Starts over at `from`, expecting to stop near `stopHint`.
    void startAt(std::uint64_t from, std::uint64_t stopHint) {
        m_primes.emplace(from, stopHint);
        m_next = m_last = nullptr;
        m_exhausted = false;
    }
    // Whether primes are at hand in [next, last), filling the next buffer if none are left;
    // false past the last prime below 2^64.
    [[nodiscard]] bool fill() {
        if (m_next != m_last) {
            return true;
        }
        if (m_exhausted) {
            return false;
        }
        try {
            m_primes->generate_next_primes();
        } catch (const primesieve::primesieve_error&) {
            m_exhausted = true;
            return false;
        }
        m_next = m_primes->primes_;
        m_last = m_next + m_primes->size_;
        m_exhausted = m_next == m_last;
        return !m_exhausted;
    }

    const std::uint64_t* m_next = nullptr;
    const std::uint64_t* m_last = nullptr;
    // Where the cursor goes on: the range and row that the primes not yet taken begin at.
    std::size_t m_range = 0;
    std::uint64_t m_row = 0;
    bool m_placed = false;

private:
    std::optional<primesieve::iterator> m_primes;
    bool m_exhausted = false;
};

// Rows that share one array of counters, small enough to stay in the first-level cache, and
// that span fewer than 2^31 numbers, so that a prime's offset in them fits 32 bits.
constexpr std::uint64_t kChunkRows = 4096;

// The row of an offset within a chunk without a division: floor(offset / length) is
// floor(m * offset / 2^64) with m = ceil(2^64 / length) for every offset and length below 2^32
// (Lemire, Kaser and Kurz, "Faster remainder by direct computation", 2019). Length 1 has no
// such m below 2^64 and needs none.
template <bool kSingleNumbers>
struct RowOfOffset {
    explicit RowOfOffset(std::uint32_t length) : m(kMax / length + 1) {}
    [[nodiscard]] std::uint64_t operator()(std::uint32_t offset) const {
        if constexpr (kSingleNumbers) {
            return offset;
        } else {
            return static_cast<std::uint64_t>((static_cast<__uint128_t>(m) * offset) >> 64);
        }
    }
    std::uint64_t m;
};

// The tally alone, from the cursor's buffers of primes, which begin at the first row: each
// prime adds one to its row's counter, and a chunk's counters are tallied when the primes have
// passed it. The cursor is left at the first prime beyond the rows.
// One function of some ninety lines: the chunk's counters and bounds are shared by the steps
// below, which the hot loop calls with all of them at hand.
template <bool kSingleNumbers>
RowTally tallyFromPrimeBuffers(const RowRange& range, std::uint64_t firstRow, std::uint64_t endRow,
                               PrimeCursor& cursor, ScanControl& control) {
    RowTally tally;
    const std::uint64_t length = range.length;
    const auto begin = narrow<std::uint64_t>(range.rowStart(firstRow));
    const auto end = narrow<std::uint64_t>(range.rowStart(endRow - 1) + (length - 1));
    // 2^64-1 is no prime; libprimesieve may hand it on as the mark of "no more".
    const std::uint64_t top = std::min(end, kMax - 1);
    const std::uint64_t rows = endRow - firstRow;
    const std::uint64_t chunkRows = std::clamp<std::uint64_t>((1ull << 31) / length, 1, kChunkRows);
    const RowOfOffset<kSingleNumbers> rowOf(range.length);

    std::array<std::uint32_t, kChunkRows> counts{};
    // Four tallies side by side, so that rows of equal counts in a row do not wait for each
    // other's additions.
    std::array<std::array<std::uint64_t, 21>, 4> byCount{};
    std::uint64_t done = 0;  // rows before the chunk
    std::uint64_t inChunk = 0;
    std::uint64_t base = begin;
    std::uint64_t chunkLast = 0;
    const auto startChunk = [&](std::uint64_t row) {
        done = row;
        inChunk = std::min(chunkRows, rows - done);
        base = begin + done * length;
        chunkLast = std::min(base + (inChunk * length - 1), top);
    };
    // Tallies the chunk and moves on to the one that holds `next`, past rows without primes.
    const auto closeChunk = [&](std::uint64_t next) {
        for (std::uint64_t r = 0; r < inChunk; ++r) {
            if (counts[r] > 20) [[unlikely]] {
                tally.addBeyond(counts[r], 1);
            } else {
                ++byCount[r % 4][counts[r]];
            }
        }
        std::fill_n(counts.begin(), inChunk, 0);
        const std::uint64_t nextRow = next > top ? rows : (next - begin) / length;
        byCount[0][0] += nextRow - (done + inChunk);
        done = nextRow;
        if (done < rows) {
            startChunk(done);
        }
    };
    const auto finish = [&] {
        for (const auto& part : byCount) {
            for (std::size_t k = 0; k < tally.rows.size(); ++k) {
                tally.rows[k] += part[k];
            }
        }
    };

    startChunk(0);
    std::uint64_t reported = 0;
    while (done < rows && cursor.fill()) {
        const std::uint64_t*& p = cursor.m_next;
        const std::uint64_t* const last = cursor.m_last;
        while (p != last && done < rows) {
            const std::uint64_t* const upTo =
                last[-1] <= chunkLast ? last : std::upper_bound(p, last, chunkLast);
            tally.primes += static_cast<std::uint64_t>(upTo - p);
            for (; p != upTo; ++p) {
                ++counts[rowOf(static_cast<std::uint32_t>(*p - base))];
            }
            if (p != last) {
                closeChunk(*p);
            }
        }
        const std::uint64_t now = done < rows && p[-1] >= base
                                      ? done + rowOf(static_cast<std::uint32_t>(p[-1] - base))
                                      : done;
        control.rowsDone.fetch_add(now - reported, std::memory_order_relaxed);
        reported = now;
        if (control.stop.load(std::memory_order_relaxed)) {
            finish();
            return tally;
        }
    }
    if (done < rows) {
        closeChunk(kMax);
    }
    control.rowsDone.fetch_add(rows - reported, std::memory_order_relaxed);
    finish();
    return tally;
}

RowTally tallyWithCursor(const RowRange& range, std::uint64_t firstRow, std::uint64_t endRow,
                         PrimeCursor& cursor, ScanControl& control) {
    return range.length == 1
               ? tallyFromPrimeBuffers<true>(range, firstRow, endRow, cursor, control)
               : tallyFromPrimeBuffers<false>(range, firstRow, endRow, cursor, control);
}

// One piece: the rows below 1 hold no primes (libprimesieve counts from 0 on); the others are
// counted with the thread's cursor, which goes on where it stands if the piece follows the
// thread's last one, and starts over at the piece otherwise.
RowTally countPiece(const std::vector<RowRange>& ranges, const WorkPiece& piece,
                    PrimeCursor& cursor, ScanControl& control) {
    const RowRange& range = ranges[piece.range];
    RowTally tally;
    const std::uint64_t belowOne =
        range.first < 1 ? narrow<std::uint64_t>((1 - range.first) / range.length) : 0;
    std::uint64_t firstRow = piece.firstRow;
    if (firstRow < belowOne) {
        const std::uint64_t zeros = std::min(piece.endRow, belowOne) - firstRow;
        tally.rows[0] += zeros;
        control.rowsDone.fetch_add(zeros, std::memory_order_relaxed);
        firstRow += zeros;
    }
    if (firstRow >= piece.endRow) {
        return tally;
    }
    if (!cursor.m_placed || cursor.m_range != piece.range || cursor.m_row != firstRow) {
        cursor.startAt(narrow<std::uint64_t>(range.rowStart(firstRow)),
                       narrow<std::uint64_t>(range.last));
    }
    tally += tallyWithCursor(range, firstRow, piece.endRow, cursor, control);
    // A stopped count leaves the cursor somewhere inside the piece.
    cursor.m_placed = !control.stop.load(std::memory_order_relaxed);
    cursor.m_range = piece.range;
    cursor.m_row = piece.endRow;
    return tally;
}

}  // namespace

std::uint64_t pieceRows(const RowRange& range, unsigned threads) {
    const std::uint64_t rows = range.rows();
    threads = std::max(threads, 1u);
    const auto root =
        static_cast<std::uint64_t>(std::sqrt(static_cast<double>(std::max(range.last, Number{0}))));
    const std::uint64_t forStart =
        ceilDivide(std::max(kLeastPieceNumbers, kRootsPerPiece * root), range.length);
    const std::uint64_t onePerThread = ceilDivide(rows, threads);
    const std::uint64_t fewEnough = ceilDivide(rows, kMostPiecesPerThread * threads);
    return std::max({std::uint64_t{1}, fewEnough, std::min(forStart, onePerThread)});
}

unsigned threadsForRanges(const std::vector<RowRange>& ranges, unsigned requested) {
    std::uint64_t sieveBytes = 1;
    std::uint64_t rows = 0;
    for (const RowRange& range : ranges) {
        sieveBytes = std::max(sieveBytes, sieveBytesPerThread(range));
        rows = std::min(rows + range.rows(), std::uint64_t{requested});
    }
    return static_cast<unsigned>(std::max<std::uint64_t>(
        1, std::min({std::uint64_t{requested}, kSieveMemoryBudget / sieveBytes, rows})));
}

WorkPieces::WorkPieces(const std::vector<RowRange>& ranges, unsigned threads) {
    threads = std::max(threads, 1u);
    // So many ranges that their pieces could pass 2^31 get fewer pieces each.
    const std::uint64_t mostPerRange =
        std::max<std::uint64_t>(1, kMostPieces / std::max<std::size_t>(ranges.size(), 1));
    m_firstPiece.push_back(0);
    for (const RowRange& range : ranges) {
        const std::uint64_t rows = range.rows();
        const std::uint64_t each =
            std::max(pieceRows(range, threads), ceilDivide(rows, mostPerRange));
        m_rows.push_back(rows);
        m_pieceRows.push_back(each);
        m_firstPiece.push_back(m_firstPiece.back() + ceilDivide(rows, each));
    }
    const std::uint64_t pieces = count();
    m_threads = static_cast<unsigned>(
        std::clamp<std::uint64_t>(threads, 1, std::max<std::uint64_t>(pieces, 1)));
    m_stretches = std::make_unique<std::atomic<std::uint64_t>[]>(m_threads);
    for (unsigned t = 0; t < m_threads; ++t) {
        m_stretches[t].store(packStretch(pieces * t / m_threads, pieces * (t + 1) / m_threads));
    }
}

WorkPiece WorkPieces::piece(std::uint64_t index) const {
    const auto after = std::upper_bound(m_firstPiece.begin(), m_firstPiece.end(), index);
    const auto range = static_cast<std::size_t>(after - m_firstPiece.begin() - 1);
    const std::uint64_t firstRow = (index - m_firstPiece[range]) * m_pieceRows[range];
    return {range, firstRow, std::min(m_rows[range], firstRow + m_pieceRows[range])};
}

std::optional<WorkPiece> WorkPieces::next(unsigned thread) {
    std::atomic<std::uint64_t>& own = m_stretches[thread];
    std::uint64_t packed = own.load(std::memory_order_acquire);
    while (stretchFirst(packed) < stretchEnd(packed)) {
        if (own.compare_exchange_weak(packed,
                                      packStretch(stretchFirst(packed) + 1, stretchEnd(packed)),
                                      std::memory_order_acq_rel, std::memory_order_acquire)) {
            return piece(stretchFirst(packed));
        }
    }
    std::uint64_t index = 0;
    if (takeFromOthers(thread, index)) {
        return piece(index);
    }
    return std::nullopt;
}

bool WorkPieces::takeFromOthers(unsigned thread, std::uint64_t& index) {
    for (;;) {
        unsigned victim = thread;
        std::uint64_t seen = 0;
        std::uint64_t largest = 0;
        for (unsigned t = 0; t < m_threads; ++t) {
            const std::uint64_t packed = m_stretches[t].load(std::memory_order_acquire);
            const std::uint64_t left = stretchEnd(packed) - stretchFirst(packed);
            if (t != thread && stretchFirst(packed) < stretchEnd(packed) && left > largest) {
                victim = t;
                seen = packed;
                largest = left;
            }
        }
        if (largest == 0) {
            return false;
        }
        // The owner keeps the lower half, where its iterator stands; the thief takes the rest.
        const std::uint64_t first = stretchFirst(seen);
        const std::uint64_t end = stretchEnd(seen);
        const std::uint64_t middle = largest == 1 ? first : first + (largest + 1) / 2;
        if (m_stretches[victim].compare_exchange_strong(seen, packStretch(first, middle),
                                                        std::memory_order_acq_rel)) {
            index = middle;
            // Only this thread fills its own stretch, and only while it is empty.
            m_stretches[thread].store(packStretch(middle + 1, end), std::memory_order_release);
            return true;
        }
    }
}

RowTally tallyRows(const RowRange& range, std::uint64_t firstRow, std::uint64_t endRow,
                   ScanControl& control) {
    PrimeCursor cursor;
    cursor.startAt(narrow<std::uint64_t>(range.rowStart(firstRow)),
                   narrow<std::uint64_t>(range.rowStart(endRow - 1) + (range.length - 1)));
    return tallyWithCursor(range, firstRow, endRow, cursor, control);
}

std::vector<RowTally> countRanges(const std::vector<RowRange>& ranges, unsigned threads,
                                  ScanControl& control) {
    WorkPieces pieces(ranges, threadsForRanges(ranges, threads));
    // Each thread's tallies, one a range, added up at the end: exact sums in any order.
    std::vector<std::vector<RowTally>> byThread(pieces.threads(),
                                                std::vector<RowTally>(ranges.size()));
    // Each range's pieces not yet counted: the thread that counts its last one reports the
    // range done.
    const auto piecesLeft = std::make_unique<std::atomic<std::uint64_t>[]>(ranges.size());
    for (std::size_t r = 0; r < ranges.size(); ++r) {
        piecesLeft[r] = pieces.piecesOf(r);
        if (piecesLeft[r] == 0) {
            control.rangesDone.fetch_add(1, std::memory_order_relaxed);
        }
    }
    std::exception_ptr failure;
    const auto work = [&](unsigned thread) {
        PrimeCursor cursor;
        while (!control.stop.load(std::memory_order_relaxed)) {
            const std::optional<WorkPiece> piece = pieces.next(thread);
            if (!piece) {
                break;
            }
            byThread[thread][piece->range] += countPiece(ranges, *piece, cursor, control);
            if (!control.stop.load(std::memory_order_relaxed) &&
                piecesLeft[piece->range].fetch_sub(1, std::memory_order_relaxed) == 1) {
                control.rangesDone.fetch_add(1, std::memory_order_relaxed);
            }
        }
    };
#if defined(PRIMZEILEN_SINGLE_THREADED)
    work(0);
    (void)failure;
#else
    std::mutex failed;
    const auto guarded = [&](unsigned thread) {
        try {
            work(thread);
        } catch (...) {
            const std::lock_guard lock(failed);
            failure = failure ? failure : std::current_exception();
            control.stop = true;
        }
    };
    std::vector<std::thread> workers;
    for (unsigned t = 1; t < pieces.threads(); ++t) {
        workers.emplace_back(guarded, t);
    }
    guarded(0);
    for (std::thread& worker : workers) {
        worker.join();
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
#endif
    std::vector<RowTally> tallies(ranges.size());
    for (const std::vector<RowTally>& own : byThread) {
        for (std::size_t r = 0; r < ranges.size(); ++r) {
            tallies[r] += own[r];
        }
    }
    return tallies;
}

RowTally countRange(const RowRange& range, unsigned threads, ScanControl& control) {
    return countRanges({range}, threads, control).front();
}

}  // namespace core
