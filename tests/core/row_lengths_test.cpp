#include "engine/rows/row_lengths.h"

#include <gtest/gtest.h>

#include <tuple>

#include "engine/rows/prime_marks.h"
#include "engine/texts/summary_text.h"

namespace core {
namespace {

constexpr Number kTwoTo63 = Number{1} << 63;

// Above 2^63 a comparison marks its stretch from an origin of its own: each length must still
// be the run of that length alone, tally, fit and all, up to the last row below 2^64.
TEST(RowLengths, EqualTheRunsOfEachLengthUpTo2To64) {
    for (const auto& [from, to, shortest, longest] :
         {std::tuple<Number, Number, std::uint32_t, std::uint32_t>{kTwoTo63 - 5'000,
                                                                   kTwoTo63 + 5'000, 10, 10},
          {kTwoTo63 - 1, kTwoTo63 + 40, 1, 2},
          {kHighestNumber - 100'000, kHighestNumber, 89, 90}}) {
        ScanControl control;
        const auto results = compareRowLengths(from, to, shortest, longest, 2, control);
        ASSERT_EQ(results.size(), longest - shortest + 1);
        for (const RowLengthResult& result : results) {
            const auto range = adjustToRows(from, to, result.length);
            ASSERT_TRUE(range && result.range);
            ScanControl own;
            const RowTally tally = countRange(*range, 2, own);
            EXPECT_EQ(result.tally, tally) << text::numberText(from) << " L=" << result.length;
            EXPECT_GT(tally.primes, 0U);
            ASSERT_TRUE(result.comparison) << result.length;
            const ModelComparison alone = compareModels(computeModels(modelRows(*range)),
                                                        rowShares(tally), beyondTwentyShare(tally));
            EXPECT_EQ(result.comparison->fit.n, alone.fit.n);
            EXPECT_EQ(result.comparison->fit.p, alone.fit.p);
        }
        // The counted rows are what a progress line reads.
        std::uint64_t rows = 0;
        for (const RowLengthResult& result : results) {
            rows += result.range->rows();
        }
        EXPECT_EQ(control.rowsDone.load(), rows);
    }
}

// Marks counted from an origin name the same primes as the marks of the plain numbers, and
// the last primes below 2^64 (libprimesieve has none beyond them).
TEST(PrimeMarks, FromAnOriginTheSamePrimesAsFromZero) {
    const std::int64_t first = 1'000'000'000'000 - 3;
    const std::int64_t last = first + 30'000;
    const PrimeMarks plain(first, last);
    const std::uint64_t origin = 999'999'990'000;
    const auto low = static_cast<std::int64_t>(static_cast<std::uint64_t>(first) - origin);
    const PrimeMarks shifted(origin, low, low + 30'000);
    for (std::int64_t n = first; n <= last; ++n) {
        ASSERT_EQ(shifted.isPrime(n - static_cast<std::int64_t>(origin)), plain.isPrime(n)) << n;
    }
    EXPECT_EQ(shifted.countPrimes(low, low + 30'000), plain.countPrimes(first, last));

    // 2^64 - 59 is the last prime below 2^64, 2^64 - 83 the one before it.
    const std::uint64_t top = 18'446'744'073'709'551'000ULL;
    const PrimeMarks highest(top, 0, 615);
    EXPECT_TRUE(highest.isPrime(557));
    EXPECT_TRUE(highest.isPrime(533));
    EXPECT_EQ(highest.countPrimes(534, 615), 1);
    EXPECT_THROW(PrimeMarks(top, 0, 616), std::invalid_argument);
    EXPECT_THROW(PrimeMarks(top + 1, 0, 10), std::invalid_argument);
}

}  // namespace
}  // namespace core
