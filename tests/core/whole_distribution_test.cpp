// The tally of long rows, by every count of primes, against libprimesieve's primes binned by
// row here; and the pieces that the threads share.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <numeric>
#include <primesieve.hpp>
#include <thread>
#include <vector>

#include "engine/failures.h"
#include "engine/rows/rows.h"
#include "engine/rows/work_pieces.h"

namespace core {
namespace {

// Rows by their count of primes, counted from the primes themselves.
std::map<std::uint64_t, std::uint64_t> binnedByRow(const RowRange& range) {
    std::vector<std::uint64_t> primes;
    primesieve::generate_primes(static_cast<std::uint64_t>(range.first),
                                static_cast<std::uint64_t>(range.last), &primes);
    std::vector<std::uint64_t> perRow(range.rows());
    for (const std::uint64_t p : primes) {
        ++perRow[(p - static_cast<std::uint64_t>(range.first)) / range.length];
    }
    std::map<std::uint64_t, std::uint64_t> rowsByCount;
    for (const std::uint64_t count : perRow) {
        ++rowsByCount[count];
    }
    return rowsByCount;
}

void expectDistribution(const RowTally& tally,
                        const std::map<std::uint64_t, std::uint64_t>& expected,
                        const std::string& where) {
    ASSERT_FALSE(expected.empty()) << where;
    std::uint64_t rows = 0;
    std::uint64_t primes = 0;
    for (const auto& [count, number] : expected) {
        rows += number;
        primes += count * number;
    }
    const std::uint64_t lowest = expected.begin()->first;
    const std::uint64_t highest = expected.rbegin()->first;
    for (std::uint64_t k = 0; k <= highest + 2; ++k) {
        const auto it = expected.find(k);
        EXPECT_EQ(tally.rowsWith(k), it == expected.end() ? 0 : it->second) << where << " k=" << k;
    }
    EXPECT_EQ(tally.totalRows(), rows) << where;
    EXPECT_EQ(tally.primes, primes) << where;
    EXPECT_EQ(tally.lowestCount(), lowest) << where;
    EXPECT_EQ(tally.highestCount(), highest) << where;
    EXPECT_EQ(tally.over20,
              std::accumulate(tally.beyond.begin(), tally.beyond.end(), std::uint64_t{0}))
        << where;
    if (!tally.beyond.empty()) {
        EXPECT_NE(tally.beyond.back(), 0U) << where;
    }
}

// Rows of 1,000 near 10^12 hold some 36 primes each, nearly all beyond 20; rows of 100,000
// near 10^9 some 4,800.
TEST(WholeDistribution, EveryCountAgreesWithThePrimesBinnedByRow) {
    struct Case {
        std::uint64_t from;
        std::uint64_t to;
        std::uint32_t length;
    };
    for (const Case& c : {Case{1'000'000'000'001, 1'000'020'000'000, 1000},
                          Case{1'000'000'000, 1'050'000'000, 100'000}}) {
        const auto range = adjustToRows(c.from, c.to, c.length);
        ASSERT_TRUE(range);
        const auto expected = binnedByRow(*range);
        const std::string where = std::to_string(c.from) + " / " + std::to_string(c.length);
        ASSERT_GT(expected.rbegin()->first, 20U) << where;
        for (const unsigned threads : {1U, 2U}) {
            ScanControl control;
            expectDistribution(countRange(*range, threads, control), expected,
                               where + " threads " + std::to_string(threads));
            EXPECT_EQ(control.rowsDone, range->rows()) << where;
        }
        ScanControl inOrder;
        std::uint64_t visited = 0;
        const RowTally rowByRow =
            countRows(*range, 0, range->rows(), inOrder,
                      [&](std::uint64_t row, std::uint32_t, const std::vector<std::uint32_t>&) {
                          EXPECT_EQ(row, visited);
                          ++visited;
                      });
        expectDistribution(rowByRow, expected, where + " in order");
        EXPECT_EQ(visited, range->rows()) << where;
    }
}

// Ranges of many pieces each (so that threads go on from piece to piece and take over each
// other's), of a single piece and below 1, all counted together.
TEST(WholeDistribution, RangesCountedTogetherEqualEachCountedAlone) {
    const std::vector<RowRange> ranges = {
        *adjustToRows(1'000'000'000, 1'200'000'000, 10),
        *adjustToRows(1'000'000'000, 1'200'000'000, 1000),
        *adjustToRows(-500, 500'000, 7),
        *adjustToRows(1, 60'000'000, 1),
        *adjustToRows(1'000'000'000'000, 1'000'000'090'000, 90),
    };
    std::vector<RowTally> alone;
    std::uint64_t rows = 0;
    for (const RowRange& range : ranges) {
        ScanControl control;
        alone.push_back(countRows(range, 0, range.rows(), control));  // in one go, no pieces
        rows += range.rows();
    }
    EXPECT_EQ(alone[3].primes, primesieve::count_primes(1, 60'000'000));
    EXPECT_EQ(alone[1].primes, primesieve::count_primes(1'000'000'001, 1'200'000'000));
    for (const unsigned threads : {1U, 2U, 3U, 5U}) {
        ScanControl control;
        EXPECT_EQ(countRanges(ranges, threads, control), alone) << threads;
        EXPECT_EQ(control.rowsDone, rows) << threads;
        EXPECT_EQ(control.rangesDone, ranges.size()) << threads;
        ScanControl one;
        EXPECT_EQ(countRange(ranges[0], threads, one), alone[0]) << threads;
    }
    ScanControl none;
    EXPECT_TRUE(countRanges({}, 4, none).empty());
}

TEST(WholeDistribution, AStopEndsTheCountWithinAMoment) {
    const std::vector<RowRange> ranges(3, *adjustToRows(1, 200'000'000'000, 90));
    const std::uint64_t rows = ranges.front().rows() * ranges.size();
    {
        ScanControl control;
        control.stop = true;
        countRanges(ranges, 2, control);
        EXPECT_LT(control.rowsDone, rows / 1000);
    }
    ScanControl control;
    std::thread counting([&] { countRanges(ranges, 2, control); });
    while (control.rowsDone == 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    control.stop = true;
    counting.join();
    EXPECT_LT(control.rowsDone, rows / 10);
    EXPECT_EQ(control.rangesDone, 0U);  // a range cut short is not done
}

// A range made by hand that runs past 2^64-1 cannot be counted: the failure of the thread that
// meets it reaches the caller, whichever thread that is, instead of ending the program.
TEST(WholeDistribution, AFailureOnACountingThreadReachesTheCaller) {
    const RowRange pastTheTop{kHighestNumber - 99, kHighestNumber + 100, 10};
    for (const unsigned threads : {1U, 2U, 3U}) {
        ScanControl control;
        EXPECT_THROW(countRange(pastTheTop, threads, control), Failure) << threads;
    }
}

// Every piece handed out exactly once while four threads ask at once, and every row of every
// range in exactly one piece.
TEST(WorkPieces, EveryRowIsHandedOutOnceToThreadsAskingAtOnce) {
    const std::vector<RowRange> ranges = {*adjustToRows(1, 1'000'000'000'000, 1),
                                          *adjustToRows(1, 90, 90),
                                          *adjustToRows(1'000'000, 10'000'000'000, 7)};
    WorkPieces pieces(ranges, 4);
    ASSERT_EQ(pieces.threads(), 4U);
    ASSERT_GT(pieces.count(), 1000U);
    std::vector<std::vector<WorkPiece>> taken(4);
    std::vector<std::thread> threads;
    for (unsigned t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            while (const auto piece = pieces.next(t)) {
                taken[t].push_back(*piece);
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    std::vector<WorkPiece> all;
    for (const auto& own : taken) {
        all.insert(all.end(), own.begin(), own.end());
    }
    ASSERT_EQ(all.size(), pieces.count());
    std::sort(all.begin(), all.end(), [](const WorkPiece& a, const WorkPiece& b) {
        return a.range != b.range ? a.range < b.range : a.firstRow < b.firstRow;
    });
    std::vector<std::uint64_t> covered(ranges.size());
    for (const WorkPiece& piece : all) {
        EXPECT_EQ(piece.firstRow, covered[piece.range]);
        EXPECT_LT(piece.firstRow, piece.endRow);
        covered[piece.range] = piece.endRow;
    }
    for (std::size_t r = 0; r < ranges.size(); ++r) {
        EXPECT_EQ(covered[r], ranges[r].rows()) << r;
    }
}

// A thread takes its own stretch in order, each piece following the last; when it is done it
// takes over the upper half of what another thread has left, so the other thread goes on in
// order where it stands.
TEST(WorkPieces, AThreadGoesOnInOrderAndThenTakesOverTheUpperHalfOfTheLargestStretch) {
    const std::vector<RowRange> ranges = {*adjustToRows(1, 100'000'000'000, 10)};
    WorkPieces pieces(ranges, 2);
    const std::uint64_t count = pieces.count();
    ASSERT_GE(count, 16U);
    for (std::uint64_t i = 0; i < count / 2; ++i) {
        EXPECT_EQ(pieces.next(0), pieces.piece(i)) << i;
    }
    EXPECT_EQ(pieces.next(1), pieces.piece(count / 2));  // thread 1's stretch begins there
    // Thread 0 takes over the upper half of thread 1's rest, and goes on in order there.
    const std::uint64_t left = count - count / 2 - 1;
    const std::uint64_t middle = count / 2 + 1 + (left + 1) / 2;
    EXPECT_EQ(pieces.next(0), pieces.piece(middle));
    EXPECT_EQ(pieces.next(0), pieces.piece(middle + 1));
    EXPECT_EQ(pieces.next(1), pieces.piece(count / 2 + 1));
}

TEST(WorkPieces, PiecesKeepTheIteratorsStartASmallShare) {
    // Near 2^64 starting an iterator takes a second: 10^10 numbers on two threads are two
    // pieces, one a thread, and longer ranges pieces of several square roots of the top.
    const auto top = adjustToRows(kHighestNumber - 10'000'000'000, kHighestNumber, 100);
    const auto longTop = adjustToRows(kHighestNumber - 1'000'000'000'000, kHighestNumber, 100);
    ASSERT_TRUE(top && longTop);
    EXPECT_EQ(WorkPieces({*top}, 2).count(), 2U);
    EXPECT_GE(pieceRows(*longTop, 2) * 100, 4 * (std::uint64_t{1} << 32) - 100);
    // Near 10^12 2*10^9 numbers make tens of pieces a thread; never more than 256 a thread.
    const auto low = adjustToRows(1'000'000'000'000, 1'002'000'000'000, 1000);
    const std::uint64_t lowPieces = WorkPieces({*low}, 2).count();
    EXPECT_GE(lowPieces, 40U);
    EXPECT_LE(lowPieces, 2 * 256U);
    EXPECT_LE(WorkPieces({*adjustToRows(1, kHighestNumber, 1)}, 3).count(), 3 * 256U);
    // A range with fewer rows than threads: one row a piece, one thread a piece.
    WorkPieces tiny({*adjustToRows(1, 30, 10)}, 8);
    EXPECT_EQ(tiny.count(), 3U);
    EXPECT_EQ(tiny.threads(), 3U);
}

// Many small ranges together may use every thread asked for, up to the memory of the highest.
TEST(WorkPieces, ThreadsForRangesFollowTheHighestRangeNotTheSmallest) {
    const auto single = *adjustToRows(1'000'000'000'000, 1'000'000'000'090, 90);
    const auto top = *adjustToRows(kHighestNumber - 1000, kHighestNumber, 10);
    EXPECT_EQ(threadsForRanges({single, single, single}, 8), 3U);
    EXPECT_EQ(threadsForRanges(std::vector<RowRange>(20, single), 8), 8U);
    const std::vector<RowRange> mixed = {single, top, single};
    const unsigned threads = threadsForRanges(std::vector<RowRange>(200, top), 1024);
    EXPECT_GE(threads, 1U);
    EXPECT_LE(threads * sieveBytesPerThread(top), kSieveMemoryBudget);
    EXPECT_EQ(threadsForRanges(mixed, 1024), threads);
    EXPECT_EQ(threadsForRanges({}, 8), 1U);
}

// Parts of a distribution merged equal the whole, however the rows are split.
TEST(RowTally, PartsMergedEqualTheWhole) {
    const std::vector<std::uint64_t> counts = {0, 3, 21, 20, 25, 21, 7, 0, 40, 22};
    RowTally whole;
    for (const std::uint64_t k : counts) {
        whole.add(k);
    }
    EXPECT_EQ(whole.over20, 5U);
    EXPECT_EQ(whole.beyondFirst, 21U);
    EXPECT_EQ(whole.beyond.size(), 20U);  // 21..40
    EXPECT_EQ(whole.rowsWith(21), 2U);
    EXPECT_EQ(whole.rowsWith(23), 0U);
    EXPECT_EQ(whole.rowsWith(41), 0U);
    EXPECT_EQ(whole.rowsWith(1'000'000), 0U);
    EXPECT_EQ(whole.totalRows(), counts.size());
    EXPECT_EQ(whole.lowestCount(), 0U);
    EXPECT_EQ(whole.highestCount(), 40U);
    for (std::size_t cut = 0; cut <= counts.size(); ++cut) {
        RowTally first;
        RowTally second;
        for (std::size_t i = 0; i < counts.size(); ++i) {
            (i < cut ? first : second).add(counts[i]);
        }
        RowTally merged;
        merged += second;
        merged += first;
        EXPECT_EQ(merged, whole) << cut;
    }
    // Rows only beyond 20; several at once; none at all.
    RowTally high;
    high.addBeyond(30, 4);
    high.addBeyond(25, 0);
    high.addBeyond(25, 1);
    EXPECT_EQ(high.over20, 5U);
    EXPECT_EQ(high.lowestCount(), 25U);
    EXPECT_EQ(high.highestCount(), 30U);
    // Counters from the lowest count above 20 on: 25..30, whichever came first.
    EXPECT_EQ(high.beyondFirst, 25U);
    EXPECT_EQ(high.beyond, (std::vector<std::uint64_t>{1, 0, 0, 0, 0, 4}));
    RowTally far;
    far.addBeyond(600'000, 1);
    far.addBeyond(599'990, 2);
    EXPECT_EQ(far.beyond.size(), 11U);  // not a counter for each of 21..600,000
    EXPECT_EQ(far.rowsWith(599'990), 2U);
    EXPECT_EQ(far.rowsWith(21), 0U);
    EXPECT_EQ(far.lowestCount(), 599'990U);
    RowTally none;
    none.addBeyond(50, 0);
    EXPECT_EQ(none, RowTally{});
    EXPECT_EQ(none.lowestCount(), 0U);
    EXPECT_EQ(none.highestCount(), 0U);
    EXPECT_NE(high, whole);
}

}  // namespace
}  // namespace core
