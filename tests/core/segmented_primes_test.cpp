#include "core/segmented_primes.h"

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

}  // namespace
}  // namespace core
