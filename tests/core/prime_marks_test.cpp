#include "engine/rows/prime_marks.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

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

}  // namespace
}  // namespace core
