#include "odd_rows.h"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

// Two versions of the hot loop, chosen when the program loads. ThreadSanitizer's builds leave
// that choice out: the chooser would run before the sanitizer is ready; so does WebAssembly,
// which has one population count.
#if defined(__SANITIZE_THREAD__) || defined(__EMSCRIPTEN__)
#define PRIMZEILEN_CLONES
#else
#define PRIMZEILEN_CLONES __attribute__((target_clones("popcnt", "default")))
#endif

namespace core {

static_assert(std::endian::native == std::endian::little, "counting reads the bit words as bytes");

namespace {

// Rows of First and Second odd bits in turn, two side by side: one counter for each pattern of
// a pair's bits takes one increment per two rows (neighbouring pairs alternate between two sets
// of counters, so that a pattern coming twice need not wait for its counter); the patterns are
// turned into counts at the end. Adds the rows holding k primes to byCount[k]; returns the
// primes.
template <int First, int Second>
[[gnu::always_inline]] inline std::int64_t tallyRowPairs(const unsigned char* bytes, std::int64_t b,
                                                         std::int64_t rows, std::int64_t* byCount) {
    constexpr int kPair = First + Second;
    constexpr int kPairs = 56 / kPair;
    constexpr std::size_t kPatterns = std::size_t{1} << kPair;
    constexpr std::uint64_t kRow = (std::uint64_t{1} << First) - 1;
    std::vector<std::uint32_t> seen(2 * kPatterns);
    std::uint32_t* const sets[2] = {seen.data(), seen.data() + kPatterns};
    std::int64_t sum = 0;
    std::int64_t r = 0;
    for (; r + 2 * kPairs <= rows; r += 2 * kPairs, b += kPairs * kPair) {
        const std::uint64_t x = bitsAt(bytes, b, kPairs * kPair);
        sum += std::popcount(x);
#pragma GCC unroll 8
        for (int j = 0; j < kPairs; ++j) {
            ++sets[j % 2][(x >> (j * kPair)) & (kPatterns - 1)];
        }
    }
    for (std::size_t pattern = 0; pattern < kPatterns; ++pattern) {
        const std::uint32_t pairs = sets[0][pattern] + sets[1][pattern];
        byCount[std::popcount(pattern & kRow)] += pairs;
        byCount[std::popcount(pattern >> First)] += pairs;
    }
    for (; r < rows; ++r) {
        const int n = r % 2 == 0 ? First : Second;
        const int k = std::popcount(bitsAt(bytes, b, n));
        ++byCount[k];
        sum += k;
        b += n;
    }
    return sum;
}

// Rows of at most 8 odd bits each, one after the other from bit b. A read of 56 bits holds
// 56 / N whole rows, each in a field of its own. Every field's count of primes is found at
// once (a number less the halves, quarters, ... of itself is its count of ones), and then the
// fields holding each count k are counted by the bits of k. Adds the rows holding k primes to
// byCount[k]; returns the primes.
template <int N>
[[gnu::always_inline]] inline std::int64_t tallyNarrowRows(const unsigned char* bytes,
                                                           std::int64_t b, std::int64_t rows,
                                                           std::int64_t* byCount) {
    // Enough rows to make up for setting up and reading out the counters of every pattern.
    if constexpr (N >= 5 && N <= 7) {
        if (rows >= std::int64_t{1} << (2 * N)) {
            return tallyRowPairs<N, N>(bytes, b, rows, byCount);
        }
    }
    constexpr int kRows = 56 / N;
    constexpr int kBits = kRows * N;
    constexpr int kSlices = std::bit_width(static_cast<unsigned>(N));
    // The lowest bit of every field, and per shift j the bits of a field that stay within it.
    constexpr std::uint64_t kLowest = [] {
        std::uint64_t mask = 0;
        for (int f = 0; f < kRows; ++f) {
            mask |= std::uint64_t{1} << (f * N);
        }
        return mask;
    }();
    constexpr std::array<std::uint64_t, N> kWithin = [] {
        std::array<std::uint64_t, N> masks{};
        for (int j = 1; j < N; ++j) {
            masks[static_cast<std::size_t>(j)] = kLowest * ((std::uint64_t{1} << (N - j)) - 1);
        }
        return masks;
    }();
    std::array<std::int64_t, N + 1> counted{};
    std::int64_t sum = 0;
    std::int64_t r = 0;
    for (; r + kRows <= rows; r += kRows, b += kBits) {
        const std::uint64_t x = bitsAt(bytes, b, kBits);
        sum += std::popcount(x);
        std::uint64_t count = x;
#pragma GCC unroll 8
        for (int j = 1; j < N; ++j) {
            count -= (x >> j) & kWithin[static_cast<std::size_t>(j)];
        }
        std::array<std::uint64_t, kSlices> slice{};
#pragma GCC unroll 4
        for (int v = 0; v < kSlices; ++v) {
            slice[static_cast<std::size_t>(v)] = (count >> v) & kLowest;
        }
#pragma GCC unroll 8
        for (int k = 1; k <= N; ++k) {
            std::uint64_t holding = kLowest;
#pragma GCC unroll 4
            for (int v = 0; v < kSlices; ++v) {
                const std::uint64_t bit = slice[static_cast<std::size_t>(v)];
                holding &= ((k >> v) & 1) != 0 ? bit : ~bit;
            }
            counted[static_cast<std::size_t>(k)] += std::popcount(holding);
        }
    }
    for (; r < rows; ++r, b += N) {
        const int k = std::popcount(bitsAt(bytes, b, N));
        ++counted[static_cast<std::size_t>(k)];
        sum += k;
    }
    std::int64_t withPrimes = 0;
    for (int k = 1; k <= N; ++k) {
        withPrimes += counted[static_cast<std::size_t>(k)];
        byCount[k] += counted[static_cast<std::size_t>(k)];
    }
    byCount[0] += rows - withPrimes;
    return sum;
}

// Each width inlined into the caller, so it counts with the caller's population count.
template <int... N>
[[gnu::always_inline]] inline std::int64_t tallyNarrowRowsOf(
    int n, const unsigned char* bytes, std::int64_t b, std::int64_t rows, std::int64_t* byCount,
    std::integer_sequence<int, N...> /*widths*/) {
    std::int64_t sum = 0;
    ((n == N + 1 ? (sum = tallyNarrowRows<N + 1>(bytes, b, rows, byCount), 0) : 0), ...);
    return sum;
}

// Rows of an odd length from 3 to 13 numbers in pairs, the first row starting on an odd number:
// it holds one odd number more than the second. As tallyRowPairs.
[[gnu::always_inline]] inline std::int64_t tallyOddLengthPairs(std::int64_t length,
                                                               const unsigned char* bytes,
                                                               std::int64_t b, std::int64_t rows,
                                                               std::int64_t* byCount) {
    switch (length) {
        case 3:
            return tallyRowPairs<2, 1>(bytes, b, rows, byCount);
        case 5:
            return tallyRowPairs<3, 2>(bytes, b, rows, byCount);
        case 7:
            return tallyRowPairs<4, 3>(bytes, b, rows, byCount);
        case 9:
            return tallyRowPairs<5, 4>(bytes, b, rows, byCount);
        case 11:
            return tallyRowPairs<6, 5>(bytes, b, rows, byCount);
        default:
            return tallyRowPairs<7, 6>(bytes, b, rows, byCount);
    }
}

// The primes of the `length` numbers from d numbers after the first odd number on (see
// tallyOddRows).
[[gnu::always_inline]] inline std::int64_t primesOfRow(const unsigned char* bytes, std::int64_t d,
                                                       std::int64_t length) {
    std::int64_t begin = (d + 1) >> 1;
    const std::int64_t end = ((d + length - 1) >> 1) + 1;
    std::int64_t k = 0;
    while (end - begin > 56) {
        k += std::popcount(bitsAt(bytes, begin, 56));
        begin += 56;
    }
    return k + std::popcount(bitsAt(bytes, begin, end - begin));
}

// Rows of n <= 56 odd bits each, one after the other from bit b. Such a row holds at most 56
// primes, so four tallies of 57 take every count without a bound check, four rows at a time.
// Neighbouring rows mostly hold the same count, so consecutive rows go to different tallies:
// one counter incremented row after row would make every row wait for the last. Returns the
// primes.
[[gnu::always_inline]] inline std::int64_t tallyRowsInFourWays(const unsigned char* bytes,
                                                               std::int64_t b, std::int64_t n,
                                                               std::int64_t rows,
                                                               std::int32_t* tally,
                                                               std::int64_t tallySize) {
    std::array<std::array<std::int32_t, 57>, 4> ways{};
    std::int64_t sum = 0;
    std::int64_t r = 0;
    for (; r + 4 <= rows; r += 4, b += 4 * n) {
        const int k0 = std::popcount(bitsAt(bytes, b, n));
        const int k1 = std::popcount(bitsAt(bytes, b + n, n));
        const int k2 = std::popcount(bitsAt(bytes, b + 2 * n, n));
        const int k3 = std::popcount(bitsAt(bytes, b + 3 * n, n));
        ++ways[0][static_cast<std::size_t>(k0)];
        ++ways[1][static_cast<std::size_t>(k1)];
        ++ways[2][static_cast<std::size_t>(k2)];
        ++ways[3][static_cast<std::size_t>(k3)];
        sum += k0 + k1 + k2 + k3;
    }
    for (; r < rows; ++r, b += n) {
        const int k = std::popcount(bitsAt(bytes, b, n));
        ++ways[0][static_cast<std::size_t>(k)];
        sum += k;
    }
    for (const auto& way : ways) {
        for (std::int64_t k = 0; k < std::min<std::int64_t>(tallySize, 57); ++k) {
            tally[k] += way[static_cast<std::size_t>(k)];
        }
    }
    return sum;
}

}  // namespace

// Built twice, so the hot loop uses the processor's population count where it has one. Rows of
// an even length hold the same number of odd bits, length / 2, one row after the other, wherever
// they start.
PRIMZEILEN_CLONES void tallyOddRows(const unsigned char* bytes, std::int64_t d, std::int64_t length,
                                    std::int64_t rows, std::int32_t* tally, std::int64_t tallySize,
                                    std::int64_t* total) {
    constexpr int kNarrow = 8;
    std::int64_t sum = 0;
    std::int64_t r = 0;
    if (length == 1) {
        // A row of one number holds one prime or none.
        sum = primesOfRow(bytes, d, rows);
        if (tallySize > 1) {
            tally[1] += static_cast<std::int32_t>(sum);
        }
        if (tallySize > 0) {
            tally[0] += static_cast<std::int32_t>(rows - sum);
        }
        r = rows;
    } else if (length % 2 == 0 && length / 2 <= kNarrow) {
        std::array<std::int64_t, kNarrow + 1> byCount{};
        sum = tallyNarrowRowsOf(static_cast<int>(length / 2), bytes, (d + 1) >> 1, rows,
                                byCount.data(), std::make_integer_sequence<int, kNarrow>{});
        for (std::int64_t k = 0; k < std::min<std::int64_t>(tallySize, kNarrow + 1); ++k) {
            tally[k] += static_cast<std::int32_t>(byCount[static_cast<std::size_t>(k)]);
        }
        r = rows;
    } else if (length % 2 != 0 && length >= 3 && length <= 13 && rows > std::int64_t{1} << length) {
        // Rows of an odd length hold one odd number more or less in turn; two of them hold
        // `length`. A first row starting on an even number is counted alone.
        std::array<std::int64_t, 8> byCount{};
        if (d % 2 != 0) {
            const std::int64_t k = primesOfRow(bytes, d, length);
            ++byCount[static_cast<std::size_t>(k)];
            sum += k;
            d += length;
            r = 1;
        }
        sum += tallyOddLengthPairs(length, bytes, (d + 1) >> 1, rows - r, byCount.data());
        for (std::int64_t k = 0; k < std::min<std::int64_t>(tallySize, 8); ++k) {
            tally[k] += static_cast<std::int32_t>(byCount[static_cast<std::size_t>(k)]);
        }
        r = rows;
    } else if (length % 2 == 0 && length / 2 <= 56) {
        sum = tallyRowsInFourWays(bytes, (d + 1) >> 1, length / 2, rows, tally, tallySize);
        r = rows;
    }
    for (; r < rows; ++r, d += length) {
        const std::int64_t k = primesOfRow(bytes, d, length);
        sum += k;
        if (k < tallySize) {
            ++tally[k];
        }
    }
    *total += sum;
}

}  // namespace core
