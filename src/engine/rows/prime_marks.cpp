#include "prime_marks.h"

#include <algorithm>
#include <array>
#include <bit>
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

#include "engine/rows/odd_rows.h"

namespace core {

namespace {

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
