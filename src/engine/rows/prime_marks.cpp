#include "prime_marks.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>
#include <primesieve.hpp>
#include <stdexcept>
#include <utility>
#if !defined(PRIMZEILEN_SINGLE_THREADED)
#include <atomic>
#include <functional>
#include <thread>
#endif
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

// The bits b..b+n-1 of the byte array, n <= 56: eight bytes from the byte holding bit b cover
// them all.
inline std::uint64_t bitsAt(const unsigned char* bytes, std::int64_t b, std::int64_t n) {
    std::uint64_t chunk = 0;
    std::memcpy(&chunk, bytes + b / 8, sizeof chunk);
    return (chunk >> (b % 8)) & ((std::uint64_t{1} << n) - 1);
}

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

// Rows of odd bits: a row starting d numbers after the first odd number (d >= -1) holds the odd
// numbers with bit indices (d + 1) / 2 up to (d + length - 1) / 2. Built twice, so the hot loop
// uses the processor's population count where it has one. Rows of an even length hold the same
// number of odd bits, length / 2, one row after the other, wherever they start.
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

// The word holding each bit alone, so that setting a bit takes one load instead of a shift by
// a variable amount (several steps on many processors).
constexpr std::array<std::uint64_t, 64> kBit = [] {
    std::array<std::uint64_t, 64> bits{};
    for (std::size_t i = 0; i < bits.size(); ++i) {
        bits[i] = std::uint64_t{1} << i;
    }
    return bits;
}();

// Sets the bits of the odd primes in first..last (both odd, within the marks, counted from
// origin) from libprimesieve, a buffer of primes at a time.
void markOddPrimes(std::uint64_t* bits, std::uint64_t origin, std::int64_t oddBase,
                   std::int64_t first, std::int64_t last) {
    // 2^64-1 is no prime; beyond the last prime below it libprimesieve throws instead.
    constexpr std::uint64_t kTop = std::numeric_limits<std::uint64_t>::max() - 1;
    const std::uint64_t base = origin + static_cast<std::uint64_t>(oddBase);
    const std::uint64_t end = std::min(origin + static_cast<std::uint64_t>(last), kTop);
    const std::uint64_t begin = origin + static_cast<std::uint64_t>(first);
    if (begin > end) {
        return;
    }
    primesieve::iterator primes(begin, end);
    for (;;) {
        try {
            primes.generate_next_primes();
        } catch (const primesieve::primesieve_error&) {
            // No prime is left below 2^64.
            return;
        }
        const std::uint64_t* p = primes.primes_;
        const std::uint64_t* upTo = p + primes.size_;
        const bool beyond = p == upTo || upTo[-1] > end;
        if (beyond) {
            upTo = std::upper_bound(p, upTo, end);
        }
        // The buffer's two halves side by side: primes close together mostly share a word, so
        // that setting one's bit would wait for the last one's; the halves' words differ.
        const auto half = (upTo - p) / 2;
        for (const std::uint64_t* const middle = p + half; p != middle; ++p) {
            const std::uint64_t i = (p[0] - base) >> 1;
            const std::uint64_t j = (p[half] - base) >> 1;
            bits[i >> 6] |= kBit[i & 63];
            bits[j >> 6] |= kBit[j & 63];
        }
        for (p += half; p != upTo; ++p) {
            const std::uint64_t i = (*p - base) >> 1;
            bits[i >> 6] |= kBit[i & 63];
        }
        if (beyond) {
            return;
        }
    }
}

// Ranges of this many odd numbers or more are shared by two threads: below it a thread costs
// more than it saves.
constexpr std::int64_t kSplit = 1 << 20;
#if defined(PRIMZEILEN_SINGLE_THREADED)
constexpr bool kSingleThreaded = true;
#else
constexpr bool kSingleThreaded = false;
#endif

}  // namespace

PrimeMarks::PrimeMarks(std::int64_t first, std::int64_t last) : m_first(first), m_last(last) {
    if (allocate()) {
        markWords(0, m_words);
    }
}

PrimeMarks::PrimeMarks(std::uint64_t origin, std::int64_t first, std::int64_t last)
    : m_origin(origin), m_first(first), m_last(last) {
    if (origin % 2 != 0 || origin == 2 || (origin != 0 && first < 0) ||
        (last >= first &&
         static_cast<std::uint64_t>(last) > std::numeric_limits<std::uint64_t>::max() - origin)) {
        throw std::invalid_argument("PrimeMarks: the range does not fit its origin");
    }
    if (allocate()) {
        markWords(0, m_words);
    }
}

PrimeMarks::PrimeMarks(std::int64_t first, std::int64_t last, std::int32_t length,
                       std::span<std::int32_t> tally, std::int64_t& total)
    : m_first(first), m_last(last) {
    const std::int64_t rows = (last - first + 1) / length;
    // A build without threads marks and tallies in one go.
    if (!allocate() || m_oddCount < kSplit || kSingleThreaded) {
        if (m_oddCount > 0) {
            markWords(0, m_words);
        }
        tallyRows(first, length, rows, tally, total);
        return;
    }
#if !defined(PRIMZEILEN_SINGLE_THREADED)
    // Pieces side by side, split at words so each is cleared and marked alone, handed out in turn
    // to this thread and a second one: when one of them is held up (the machine is busy), the other
    // takes more pieces instead of waiting for it. Each tallies a piece's rows right after its
    // marks, while they are still in its cache; a row keeps a word away from the next piece,
    // since counting reads eight bytes at a time. The few rows across the pieces follow.
    constexpr std::int64_t kPieces = 8;
    const auto pieceStart = [&](std::int64_t piece) {
        return m_oddBase + 128 * (m_words * piece / kPieces);
    };
    std::array<std::int64_t, kPieces> rowsFrom{};
    std::array<std::int64_t, kPieces> rowsTo{};
    for (std::int64_t piece = 0; piece < kPieces; ++piece) {
        const auto i = static_cast<std::size_t>(piece);
        if (piece > 0) {
            rowsFrom[i] = std::clamp<std::int64_t>(
                (pieceStart(piece) - first + length - 1) / length, rowsTo[i - 1], rows);
        }
        rowsTo[i] = piece + 1 == kPieces
                        ? rows
                        : std::clamp<std::int64_t>((pieceStart(piece + 1) - 128 - first) / length,
                                                   rowsFrom[i], rows);
    }
    std::atomic<std::int64_t> next{0};
    const auto work = [&](std::span<std::int32_t> partTally, std::int64_t& partTotal) {
        for (std::int64_t piece = next++; piece < kPieces; piece = next++) {
            const auto i = static_cast<std::size_t>(piece);
            markWords(m_words * piece / kPieces, m_words * (piece + 1) / kPieces);
            tallyRows(first + rowsFrom[i] * length, length, rowsTo[i] - rowsFrom[i], partTally,
                      partTotal);
        }
    };
    std::vector<std::int32_t> secondTally(tally.size());
    std::int64_t secondTotal = 0;
    std::thread second(work, std::span<std::int32_t>(secondTally), std::ref(secondTotal));
    work(tally, total);
    second.join();
    for (std::size_t i = 1; i < rowsFrom.size(); ++i) {
        tallyRows(first + rowsTo[i - 1] * length, length, rowsFrom[i] - rowsTo[i - 1], tally,
                  total);
    }
    for (std::size_t k = 0; k < tally.size(); ++k) {
        tally[k] += secondTally[k];
    }
    total += secondTotal;
#endif
}

bool PrimeMarks::allocate() {
    // Counted from 0, 2 is the one even prime and nothing below it is prime.
    m_oddBase = (m_origin == 0 ? std::max<std::int64_t>(m_first, 3) : m_first) | 1;
    if (m_last < m_oddBase) {
        m_bits = std::make_unique<std::uint64_t[]>(1);
        return false;
    }
    m_oddCount = (m_last - m_oddBase) / 2 + 1;
    m_words = (m_oddCount + 63) / 64;
    // Each word is cleared right before its primes are marked, by the thread that marks them.
    m_bits.reset(new std::uint64_t[static_cast<std::size_t>(m_words + 1)]);
    m_bits[static_cast<std::size_t>(m_words)] = 0;
    return true;
}

void PrimeMarks::markWords(std::int64_t begin, std::int64_t end) {
    std::fill(m_bits.get() + begin, m_bits.get() + end, std::uint64_t{0});
    markOddPrimes(m_bits.get(), m_origin, m_oddBase, m_oddBase + 128 * begin,
                  std::min(m_last, m_oddBase + 128 * end - 2));
}

bool PrimeMarks::isPrime(std::int64_t n) const {
    if (n == 2 && m_origin == 0) {
        return m_first <= 2 && 2 <= m_last;
    }
    if (n < m_oddBase || n > m_last || n % 2 == 0) {
        return false;
    }
    const std::int64_t i = (n - m_oddBase) / 2;
    return (m_bits[static_cast<std::size_t>(i / 64)] >> (i % 64)) & 1U;
}

std::int64_t PrimeMarks::countPrimes(std::int64_t from, std::int64_t to) const {
    from = std::max(from, m_first);
    to = std::min(to, m_last);
    std::int64_t count = (m_origin == 0 && from <= 2 && 2 <= to) ? 1 : 0;
    const std::int64_t a = std::max(from, m_oddBase) | 1;
    const std::int64_t b = (to & 1) != 0 ? to : to - 1;
    if (a <= b) {
        count += countOddBits((a - m_oddBase) / 2, (b - m_oddBase) / 2 + 1);
    }
    return count;
}

std::int64_t PrimeMarks::countOddBits(std::int64_t begin, std::int64_t end) const {
    const auto* bytes = reinterpret_cast<const unsigned char*>(m_bits.get());
    std::int64_t count = 0;
    while (begin < end) {
        const std::int64_t n = std::min<std::int64_t>(end - begin, 56);
        count += std::popcount(bitsAt(bytes, begin, n));
        begin += n;
    }
    return count;
}

void PrimeMarks::tallyRows(std::int64_t first, std::int32_t length, std::int64_t rows,
                           std::span<std::int32_t> tally, std::int64_t& total) const {
    const auto tallySize = static_cast<std::int64_t>(tally.size());
    // Rows wholly below 2 hold no prime, all at once: the windows go down to -10,000,000.
    if (m_origin == 0 && first <= 2 && rows > 0) {
        const std::int64_t below = std::min(rows, (2 - first) / length);
        if (tallySize > 0) {
            tally[0] += static_cast<std::int32_t>(below);
        }
        rows -= below;
        first += below * length;
    }
    // Rows that reach down to 2 or below, where the odd bits do not tell everything.
    for (; rows > 0 && first <= 2 && m_origin == 0; --rows, first += length) {
        const std::int64_t k = countPrimes(first, first + length - 1);
        total += k;
        if (k < tallySize) {
            ++tally[static_cast<std::size_t>(k)];
        }
    }
    if (rows > 0) {
        tallyOddRows(reinterpret_cast<const unsigned char*>(m_bits.get()), first - m_oddBase,
                     length, rows, tally.data(), tallySize, &total);
    }
}

}  // namespace core
