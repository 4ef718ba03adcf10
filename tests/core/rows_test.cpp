#include "engine/rows/rows.h"

#include <gtest/gtest.h>

#include <limits>
#include <primesieve.hpp>

#include "cli/count_argument.h"
#include "cli/report.h"

namespace core {
namespace {

constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
__extension__ using Wide = unsigned __int128;

// Deterministic Miller-Rabin for 64 bits: a check that shares nothing with libprimesieve.
bool isPrime(std::uint64_t n) {
    if (n < 2) {
        return false;
    }
    for (const std::uint64_t p : {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37}) {
        if (n % p == 0) {
            return n == p;
        }
    }
    const auto mulmod = [n](std::uint64_t a, std::uint64_t b) {
        return static_cast<std::uint64_t>(static_cast<Wide>(a) * b % n);
    };
    const auto powmod = [&](std::uint64_t a, std::uint64_t e) {
        std::uint64_t r = 1;
        for (; e > 0; e >>= 1, a = mulmod(a, a)) {
            if ((e & 1) != 0) {
                r = mulmod(r, a);
            }
        }
        return r;
    };
    std::uint64_t d = n - 1;
    int s = 0;
    for (; d % 2 == 0; d /= 2) {
        ++s;
    }
    for (const std::uint64_t a : {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37}) {
        std::uint64_t x = powmod(a, d);
        if (x == 1 || x == n - 1) {
            continue;
        }
        bool composite = true;
        for (int r = 1; r < s && composite; ++r) {
            x = mulmod(x, x);
            composite = x != n - 1;
        }
        if (composite) {
            return false;
        }
    }
    return true;
}

RowTally countEveryRow(const RowRange& range) {
    RowTally tally;
    for (std::uint64_t row = 0; row < range.rows(); ++row) {
        std::uint64_t k = 0;
        for (std::uint64_t i = 0; i < range.length; ++i) {
            k += isPrime(range.rowStart(row) + i) ? 1 : 0;
        }
        tally.primes += k;
        if (k <= 20) {
            ++tally.rows[k];
        } else {
            ++tally.over20;
        }
    }
    return tally;
}

void expectSame(const RowTally& a, const RowTally& b, const char* where) {
    EXPECT_EQ(a.rows, b.rows) << where;
    EXPECT_EQ(a.over20, b.over20) << where;
    EXPECT_EQ(a.primes, b.primes) << where;
}

TEST(RowRange, IsAdjustedAsTheMainWindowAdjustsIt) {
    const auto range = adjustToRows(100, 1000, 90);
    ASSERT_TRUE(range);
    EXPECT_EQ(range->first, 91U);
    EXPECT_EQ(range->last, 990U);
    EXPECT_EQ(range->rows(), 10U);
    EXPECT_EQ(adjustToRows(0, 10, 1)->first, 1U);  // 0 div 1 + 1
    EXPECT_EQ(adjustToRows(5, 10, 1)->first, 6U);
    EXPECT_FALSE(adjustToRows(50, 60, 90));     // no whole row
    EXPECT_FALSE(adjustToRows(kMax, kMax, 1));  // the row would begin at 2^64
    EXPECT_FALSE(adjustToRows(kMax, kMax, 2));
    const auto top = adjustToRows(kMax - 100, kMax, 7);
    ASSERT_TRUE(top);
    EXPECT_EQ(top->last % 7, 0U);
    EXPECT_LT(kMax - top->last, 7U);  // the last row that fits below 2^64
}

TEST(RowRange, NumbersAreReadAsDigitsOrPowersAndNeverWrapAround) {
    using cli::parseCount;
    EXPECT_EQ(parseCount("0"), 0U);
    EXPECT_EQ(parseCount("45000"), 45000U);
    EXPECT_EQ(parseCount("1e12"), 1'000'000'000'000U);
    EXPECT_EQ(parseCount("25E3"), 25'000U);
    EXPECT_EQ(parseCount("10^12"), 1'000'000'000'000U);
    EXPECT_EQ(parseCount("2^63"), std::uint64_t{1} << 63);
    EXPECT_EQ(parseCount("18446744073709551615"), kMax);
    EXPECT_EQ(parseCount("1e19"), 10'000'000'000'000'000'000U);
    // Values in range however they are written: a zero with any exponent, leading zeros.
    EXPECT_EQ(parseCount("0e25"), 0U);
    EXPECT_EQ(parseCount("0^25"), 0U);
    EXPECT_EQ(parseCount("000000000000000000001"), 1U);
    EXPECT_EQ(parseCount("0000018446744073709551615"), kMax);
    EXPECT_EQ(parseCount("1e0000000000000000000012"), 1'000'000'000'000U);
    for (const char* bad : {"18446744073709551616", "99999999999999999999999", "2^64", "1e20",
                            "2e19", "", "-1", "+1", "000018446744073709551616", " 1", "1 ", "1.5",
                            "0x10", "e5", "5e", "^3", "1e2e3", "zehn", "١٢"}) {
        EXPECT_FALSE(parseCount(QString::fromUtf8(bad))) << bad;
    }
}

// Near 10^9, 10^12 and 2^63 every row counted by itself, and the total by libprimesieve.
// (Near 2^63 and 2^64 libprimesieve needs a second to start, so these cases are few.)
TEST(RowTally, AgreesWithCountingEveryRowAtAnyHeight) {
    struct Case {
        std::uint64_t from;
        std::uint32_t length;
        std::uint64_t rows;
        bool total;
    };
    for (const Case& c :
         {Case{1'000'000'000, 90, 400, true}, Case{1'000'000'000'000, 90, 200, true},
          Case{(std::uint64_t{1} << 63) - 100, 1, 300, false}}) {
        const auto range = adjustToRows(c.from, c.from + c.rows * c.length, c.length);
        ASSERT_TRUE(range);
        ScanControl control;
        const RowTally tally = countRows(*range, 0, range->rows(), control);
        const std::string where = std::to_string(c.from) + " / " + std::to_string(c.length);
        expectSame(tally, countEveryRow(*range), where.c_str());
        if (c.total) {
            EXPECT_EQ(tally.primes, primesieve::count_primes(range->first, range->last)) << where;
        }
        EXPECT_EQ(control.rowsDone, range->rows()) << where;
    }
}

// The rows up to the last one below 2^64, whose last prime is 18446744073709551557.
TEST(RowTally, TheRowsBelowTwoToTheSixtyFourAreCountedAndMarked) {
    const auto range = adjustToRows(kMax - 2000, kMax, 100);
    ASSERT_TRUE(range);
    ScanControl control;
    std::vector<QString> lines;
    const int width = headerWidth(*range);
    const RowTally tally = countRows(
        *range, 0, range->rows(), control,
        [&](std::uint64_t row, std::uint32_t count, const std::vector<std::uint32_t>& offsets) {
            lines.push_back(
                QString::fromStdString(text::rowLine(*range, row, width, count, offsets)));
        });
    expectSame(tally, countEveryRow(*range), "below 2^64");
    ASSERT_EQ(lines.size(), range->rows());
    EXPECT_EQ(range->last, 18446744073709551600U);
    // 18446744073709551521, ...533 and ...557 lie in the last row.
    const QString& line = lines.back();
    EXPECT_TRUE(line.startsWith(QStringLiteral("18446744073709551501  ")));
    EXPECT_TRUE(line.endsWith(QStringLiteral("  3")));
    EXPECT_EQ(line.count(u'O'), 3);
    EXPECT_EQ(line.indexOf(u'O'), 22 + 20);
    EXPECT_EQ(line.lastIndexOf(u'O'), 22 + 56);
}

// The tally alone takes libprimesieve's primes a buffer at a time into the counters of chunks of
// rows; the rows in order take them one at a time. Both agree where rows straddle two buffers or
// two chunks, where the last chunk ends with the range, on a part of a range, on a range that
// ends on a prime, with rows of one number and below 1, and on a range that ends at 2^64-1.
TEST(RowTally, TheTallyAloneAgreesWithTheRowsInOrder) {
    struct Case {
        std::int64_t from;
        std::int64_t to;
        std::uint32_t length;
        std::uint64_t firstRow = 0;
        std::uint64_t endRow = 0;  // 0: to the last row
    };
    for (const Case& c : {Case{1, 300'000, 1}, Case{1, 104'729, 1}, Case{-500, 500'000, 7},
                          Case{0, 2'000'000, 1000}, Case{1'000'000'000'000, 1'000'005'000'000, 90},
                          Case{999'999'999'990, 1'000'000'000'000 + 2 * 4096 * 90 - 1, 90},
                          Case{1'000'000'000'000, 1'000'005'000'000, 90, 4095, 8193},
                          Case{1'000'000'000'000, 1'000'000'300'000, 1, 4096 * 3 - 1, 0}}) {
        const auto range = adjustToRows(c.from, c.to, c.length);
        ASSERT_TRUE(range);
        const std::uint64_t endRow = c.endRow == 0 ? range->rows() : c.endRow;
        const std::string where = std::to_string(c.from) + " / " + std::to_string(c.length) +
                                  " rows " + std::to_string(c.firstRow) + ".." +
                                  std::to_string(endRow);
        ScanControl inOrder;
        const RowTally expected =
            countRows(*range, c.firstRow, endRow, inOrder,
                      [](std::uint64_t, std::uint32_t, const std::vector<std::uint32_t>&) {});
        ScanControl alone;
        expectSame(countRows(*range, c.firstRow, endRow, alone), expected, where.c_str());
        EXPECT_EQ(alone.rowsDone, endRow - c.firstRow) << where;
    }
    ScanControl control;
    EXPECT_EQ(countRows(*adjustToRows(1, 104'729, 1), 0, 104'729, control).primes, 10'000U);
    // 3 divides 2^64-1: the last row ends there.
    const auto top = adjustToRows(kMax - 3000, kMax, 3);
    ASSERT_TRUE(top);
    ASSERT_EQ(top->last, kMax);
    ScanControl atTop;
    expectSame(countRows(*top, 0, top->rows(), atTop), countEveryRow(*top), "up to 2^64-1");
    EXPECT_EQ(atTop.rowsDone, top->rows());
    // Two threads, each past the last prime below 2^64 in its piece or not.
    ScanControl twoAtTop;
    expectSame(countRange(*top, 2, twoAtTop), countEveryRow(*top), "up to 2^64-1 on two threads");
    EXPECT_EQ(twoAtTop.rowsDone, top->rows());
}

// A window of rows with more and fewer primes split among one to five threads.
TEST(RowTally, TheResultDoesNotDependOnTheNumberOfThreads) {
    const auto range = adjustToRows(1'000'000'000'000, 1'000'000'000'000 + 3'000'000, 90);
    ASSERT_TRUE(range);
    ScanControl one;
    const RowTally single = countRange(*range, 1, one);
    EXPECT_EQ(single.primes, primesieve::count_primes(range->first, range->last));
    for (const unsigned threads : {2U, 3U, 5U}) {
        ScanControl control;
        expectSame(countRange(*range, threads, control), single, "threads");
        EXPECT_EQ(control.rowsDone, range->rows());
    }
    // Rows that hold many primes: the start of the number line at length 1000.
    const auto dense = adjustToRows(0, 2'000'000, 1000);
    ScanControl a;
    ScanControl b;
    expectSame(countRange(*dense, 1, a), countRange(*dense, 2, b), "dense");
}

// The threads a run takes keep libprimesieve's sieves within the budget at any height, however
// many are asked for and however many cores there are.
TEST(RowTally, ThreadsStayWithinTheMemoryBudget) {
    const auto low = adjustToRows(1'000'000'000'000, 1'000'100'000'000, 90);
    const auto top = adjustToRows(kMax - 100'000, kMax, 10);
    ASSERT_TRUE(low && top);
    EXPECT_EQ(threadsFor(*low, 64, 64), 64U);  // low down a sieve is small: all cores work
    EXPECT_EQ(threadsFor(*low, 1024, 8), 8U);  // never more than the cores
    EXPECT_EQ(threadsFor(*low, 3, 8), 3U);
    for (const unsigned cores : {1U, 2U, 64U, 1024U}) {
        const unsigned threads = threadsFor(*top, 1024, cores);
        EXPECT_GE(threads, 1U);
        EXPECT_LE(threads * sieveBytesPerThread(*top), kSieveMemoryBudget) << cores;
    }
    // Near 2^64 a thread's sieve takes some 21 MB (measured): the estimate must not be below.
    EXPECT_GE(sieveBytesPerThread(*top), 22U << 20);
    const auto tiny = adjustToRows(1, 30, 10);
    EXPECT_EQ(threadsFor(*tiny, 8, 8), 3U);  // one thread a row at most
}

TEST(RowTally, AStopEndsTheCountEarly) {
    const auto range = adjustToRows(1, 100'000'000'000, 90);
    ScanControl control;
    control.stop = true;
    const RowTally tally = countRange(*range, 2, control);
    EXPECT_LT(control.rowsDone, range->rows() / 1000);
    EXPECT_LT(tally.primes, 100'000U);
}

}  // namespace
}  // namespace core
