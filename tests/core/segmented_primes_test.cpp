#include "engine/rows/segmented_primes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <primesieve.hpp>

namespace core {
namespace {

// The web build's sieve gives libprimesieve's primes, from `start` on, up to `stop`.
void expectSamePrimes(std::uint64_t start, std::uint64_t stop, std::uint64_t hint) {
    SegmentedPrimes sieve(start, hint);
    primesieve::iterator reference(start, stop);
    std::uint64_t count = 0;
    for (std::uint64_t p = reference.next_prime(); p <= stop; p = reference.next_prime()) {
        const std::uint64_t q = sieve.next_prime();
        ASSERT_EQ(q, p) << "prime " << count << " from " << start;
        ++count;
    }
    EXPECT_GT(sieve.next_prime(), stop) << "from " << start;
}

// Every prime the windows can show (their rows reach 120 numbers beyond the limit for the row
// length comparison), sieved in the large segments of one long run.
TEST(SegmentedPrimes, EveryPrimeOfTheWindowsRange) {
    expectSamePrimes(0, 10'000'240, 10'000'240);
}

// Short runs start anywhere: on a prime, on 2, just past a segment's end, near the top; their
// hint may be short, so the sieve goes on past it.
TEST(SegmentedPrimes, ShortRunsFromAnyStart) {
    for (const std::uint64_t start : {0ull, 1ull, 2ull, 3ull, 4ull, 9ull, 25ull, 1023ull, 1024ull,
                                      1025ull, 524287ull, 524288ull, 9'999'991ull, 10'000'019ull}) {
        expectSamePrimes(start, start + 5000, start + 90);
    }
}

// A segment at a time, after single primes, as the tally takes them: the same primes, none
// given twice.
TEST(SegmentedPrimes, WholeSegmentsGoOnWhereSinglePrimesStopped) {
    SegmentedPrimes sieve(1'000, 2'000'000);
    primesieve::iterator reference(1'000, 3'000'000);
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(sieve.next_prime(), reference.next_prime());
    }
    std::uint64_t seen = 0;
    while (seen < 150'000) {
        sieve.generate_next_primes();
        ASSERT_GT(sieve.size_, 0U);
        for (std::size_t i = 0; i < sieve.size_; ++i, ++seen) {
            ASSERT_EQ(sieve.primes_[i], reference.next_prime()) << "prime " << seen;
        }
    }
    EXPECT_EQ(sieve.next_prime(), reference.next_prime());
}

}  // namespace
}  // namespace core
