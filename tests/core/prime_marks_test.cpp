#include "engine/rows/prime_marks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <primesieve.hpp>
#include <random>
#include <utility>
#include <vector>

#include "support/is_prime.h"

namespace core {
namespace {

TEST(IsPrime, SingleNumbers) {
    const struct {
        std::int32_t n;
        bool prime;
    } cases[] = {
        {1, false},
        {2, true},
        {3, true},
        {4, false},
        {9, false},
        {25, false},
        {49, false},
        {97, true},
        {0, false},
        {-1, false},
        {-2, false},
        {-7, false},
        {9'999'991, true},
        {10'000'000, false},
        {2'147'483'647, true},
        {2'147'483'646, false},
        {std::numeric_limits<std::int32_t>::min(), false},
        {46'337, true},
        {46'337 * 46'337, false},  // a square-root bound off by one misses it
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isPrimeByDivision(c.n), c.prime) << c.n;
    }
}

TEST(IsPrime, ThePrimesUpToOneHundred) {
    std::vector<std::int32_t> primes;
    for (std::int32_t n = 1; n <= 100; ++n) {
        if (isPrimeByDivision(n)) {
            primes.push_back(n);
        }
    }
    EXPECT_EQ(primes, (std::vector<std::int32_t>{2,  3,  5,  7,  11, 13, 17, 19, 23, 29, 31, 37, 41,
                                                 43, 47, 53, 59, 61, 67, 71, 73, 79, 83, 89, 97}));
}

// Compares every number of first..last, and the counts of some of its subranges, with IsPrime.
void expectAgreesWithIsPrime(std::int64_t first, std::int64_t last, std::mt19937& random) {
    const PrimeMarks marks(first, last);
    // below[i]: the primes of first..first + i - 1, as IsPrime finds them.
    std::vector<std::int64_t> below(static_cast<std::size_t>(last - first + 2), 0);
    for (std::int64_t n = first; n <= last; ++n) {
        const bool prime = isPrimeByDivision(static_cast<std::int32_t>(n));
        const auto i = static_cast<std::size_t>(n - first);
        below[i + 1] = below[i] + (prime ? 1 : 0);
        if (marks.isPrime(n) != prime) {
            ADD_FAILURE() << n << " in " << first << ".." << last;
            return;
        }
    }
    EXPECT_EQ(marks.countPrimes(first, last), below.back()) << first << ".." << last;
    std::uniform_int_distribution<std::int64_t> pick(first, last);
    for (int i = 0; i < 200; ++i) {
        std::int64_t a = pick(random);
        std::int64_t b = pick(random);
        if (a > b) {
            std::swap(a, b);
        }
        const std::int64_t expected = below[static_cast<std::size_t>(b - first + 1)] -
                                      below[static_cast<std::size_t>(a - first)];
        ASSERT_EQ(marks.countPrimes(a, b), expected) << a << ".." << b;
    }
}

TEST(PrimeMarks, AgreesWithIsPrimeUpToOneMillion) {
    std::mt19937 random(1);
    expectAgreesWithIsPrime(-20, 1'000'000, random);
}

TEST(PrimeMarks, AgreesWithIsPrimeOnRandomRangesUpToTenMillion) {
    std::mt19937 random(2);
    std::uniform_int_distribution<std::int64_t> start(-100, 10'000'000);
    std::uniform_int_distribution<std::int64_t> length(1, 200'000);
    for (int i = 0; i < 12; ++i) {
        const std::int64_t first = start(random);
        expectAgreesWithIsPrime(first, std::min<std::int64_t>(first + length(random), 10'000'000),
                                random);
    }
}

TEST(PrimeMarks, SmallRangesAroundTheStartOfTheNumberLine) {
    std::mt19937 random(3);
    for (const auto& [first, last] :
         std::vector<std::pair<std::int64_t, std::int64_t>>{{-10, 10},
                                                            {-5, -1},
                                                            {0, 0},
                                                            {1, 1},
                                                            {2, 2},
                                                            {1, 2},
                                                            {2, 3},
                                                            {3, 3},
                                                            {4, 4},
                                                            {13, 13},
                                                            {11, 20},
                                                            {5, 17},
                                                            {15015, 15030},
                                                            {65535, 65539},
                                                            {-10'000'000, 40}}) {
        expectAgreesWithIsPrime(first, last, random);
    }
}

TEST(PrimeMarks, CountsThePrimesUpToTenMillion) {
    const PrimeMarks marks(1, 10'000'000);
    EXPECT_EQ(marks.countPrimes(1, 10'000'000), 664'579);
    EXPECT_EQ(marks.countPrimes(1, 5'000'000), 348'513);
    EXPECT_TRUE(marks.isPrime(9'999'991));
    EXPECT_FALSE(marks.isPrime(10'000'000));
}

TEST(PrimeMarks, AnEmptyRangeHoldsNoPrimes) {
    const PrimeMarks marks(91, 90);
    EXPECT_EQ(marks.countPrimes(91, 90), 0);
    EXPECT_FALSE(marks.isPrime(2));
}

// The tally of rows as counting each row's primes by itself gives it: one entry per count
// below `size`, and the primes of all rows.
std::pair<std::vector<std::int32_t>, std::int64_t> tallyRowByRow(const PrimeMarks& marks,
                                                                 std::int64_t first,
                                                                 std::int32_t length,
                                                                 std::int64_t rows,
                                                                 std::size_t size) {
    std::vector<std::int32_t> tally(size);
    std::int64_t total = 0;
    for (std::int64_t row = 0; row < rows; ++row) {
        const std::int64_t from = first + row * length;
        const std::int64_t k = marks.countPrimes(from, from + length - 1);
        total += k;
        if (static_cast<std::size_t>(k) < size) {
            ++tally[static_cast<std::size_t>(k)];
        }
    }
    return {tally, total};
}

// Short rows are counted many to a word or two at a time: every length up to and past that,
// starting on odd and even numbers, below zero, at 2 and far up, enough rows for each way of
// counting and a few over, and a tally too short for the longest rows.
TEST(PrimeMarks, TallyOfRowsAgreesWithCountingEachRow) {
    const std::vector<std::int32_t> lengths = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10,  11, 12,
                                               13, 14, 15, 16, 17, 18, 55, 56, 57, 112, 113};
    for (const std::int32_t length : lengths) {
        for (const std::int64_t first :
             {std::int64_t{-3} * length - 1, std::int64_t{-2}, std::int64_t{0}, std::int64_t{1},
              std::int64_t{2}, std::int64_t{3}, std::int64_t{4}, std::int64_t{1'000},
              std::int64_t{1'001}, std::int64_t{9'999'000}}) {
            const std::int64_t rows = 20'037;
            const std::int64_t last = first + rows * length - 1;
            const PrimeMarks marks(first, last);
            for (const std::size_t size :
                 {static_cast<std::size_t>(length) / 2 + 2, std::size_t{3}}) {
                std::vector<std::int32_t> tally(size);
                std::int64_t total = 0;
                marks.tallyRows(first, length, rows, tally, total);
                const auto [expected, expectedTotal] =
                    tallyRowByRow(marks, first, length, rows, size);
                EXPECT_EQ(tally, expected) << first << ", length " << length << ", size " << size;
                EXPECT_EQ(total, expectedTotal) << first << ", length " << length;
            }
        }
    }
}

// Ranges long enough to be marked in pieces side by side agree with libprimesieve everywhere,
// also where the pieces meet (at eighths of the range).
TEST(PrimeMarks, MarkedInPiecesAgreesWithLibprimesieve) {
    std::mt19937 random(5);
    const auto counted = [](std::int64_t a, std::int64_t b) {
        a = std::max<std::int64_t>(a, 0);
        return a > b ? 0
                     : static_cast<std::int64_t>(primesieve::count_primes(
                           static_cast<std::uint64_t>(a), static_cast<std::uint64_t>(b)));
    };
    for (const auto& [first, last] : std::vector<std::pair<std::int64_t, std::int64_t>>{
             {2, 4'200'001}, {-9'999'990, 10'000'000}, {4'000'000, 6'097'151}}) {
        std::vector<std::int32_t> tally(7);
        std::int64_t total = 0;
        const PrimeMarks marks(first, last, 10, tally, total);
        EXPECT_EQ(marks.countPrimes(first, last), counted(first, last));
        for (std::int64_t eighth = 1; eighth < 8; ++eighth) {
            const std::int64_t meet = first + (last - first) * eighth / 8;
            for (std::int64_t n = meet - 400; n <= meet + 400; ++n) {
                ASSERT_EQ(marks.countPrimes(n, n), counted(n, n)) << n;
            }
        }
        std::uniform_int_distribution<std::int64_t> pick(first, last);
        for (int i = 0; i < 300; ++i) {
            std::int64_t a = pick(random);
            std::int64_t b = pick(random);
            if (a > b) {
                std::swap(a, b);
            }
            ASSERT_EQ(marks.countPrimes(a, b), counted(a, b)) << a << ".." << b;
        }
    }
}
}  // namespace
}  // namespace core
