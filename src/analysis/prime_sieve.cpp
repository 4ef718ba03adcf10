#include "prime_sieve.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace analysis {

static_assert(std::endian::native == std::endian::little, "counting reads the bit words as bytes");

namespace {

// Odd numbers per segment: small enough for the first-level cache, a multiple of 64 so every
// segment packs into whole words.
constexpr std::int64_t kSegment = 32768;

// The multiples of the smallest odd primes are copied from a repeating pattern instead of being
// crossed off one by one.
constexpr std::array<std::int64_t, 5> kPresieved = {3, 5, 7, 11, 13};
constexpr std::int64_t kPeriod = 3 * 5 * 7 * 11 * 13;

// Byte t is 1 when the odd number 2t + 1 has no presieved prime as a factor; long enough to copy
// a whole segment from any offset within one period.
const std::vector<std::uint8_t>& presievePattern() {
    static const std::vector<std::uint8_t> pattern = [] {
        std::vector<std::uint8_t> bytes(kPeriod + kSegment);
        for (std::size_t t = 0; t < bytes.size(); ++t) {
            const auto n = static_cast<std::int64_t>(2 * t + 1);
            bytes[t] = std::none_of(kPresieved.begin(), kPresieved.end(),
                                    [n](std::int64_t p) { return n % p == 0; });
        }
        return bytes;
    }();
    return pattern;
}

std::int64_t integerSqrt(std::int64_t n) {
    auto r = static_cast<std::int64_t>(std::sqrt(static_cast<double>(n)));
    while (r * r > n) {
        --r;
    }
    while ((r + 1) * (r + 1) <= n) {
        ++r;
    }
    return r;
}

// The odd primes up to limit, by a plain sieve.
std::vector<std::int64_t> oddPrimesUpTo(std::int64_t limit) {
    std::vector<std::int64_t> primes;
    if (limit < 3) {
        return primes;
    }
    std::vector<bool> composite(static_cast<std::size_t>(limit + 1));
    for (std::int64_t p = 3; p <= limit; p += 2) {
        if (!composite[static_cast<std::size_t>(p)]) {
            primes.push_back(p);
            for (std::int64_t m = p * p; m <= limit; m += 2 * p) {
                composite[static_cast<std::size_t>(m)] = true;
            }
        }
    }
    return primes;
}

// The multipliers prime to 30 within one turn of the wheel, and half the gaps between them: the
// bit index of p * m moves by p times that half gap.
constexpr std::array<std::int64_t, 8> kWheel = {1, 7, 11, 13, 17, 19, 23, 29};
constexpr std::array<std::int64_t, 8> kHalfGap = {3, 2, 1, 2, 1, 2, 3, 1};

struct Crossing {
    std::int64_t prime;
    std::int64_t next;  // bit index of the next multiple to cross off
    std::size_t wheel;  // the multiplier's place on the wheel
};

// The first multiple to cross off: p * m with m >= p, p * m >= oddBase and m prime to 30.
Crossing firstCrossing(std::int64_t p, std::int64_t oddBase) {
    std::int64_t m = std::max(p, (oddBase + p - 1) / p);
    const std::int64_t turn = m - m % 30;
    std::size_t wheel = 0;
    while (wheel < kWheel.size() && turn + kWheel[wheel] < m) {
        ++wheel;
    }
    m = wheel < kWheel.size() ? turn + kWheel[wheel] : turn + 30 + kWheel[0];
    return {p, (p * m - oddBase) / 2, wheel % kWheel.size()};
}

// Crosses off the prime's multiples within one segment of `size` odd numbers from bit `start`.
void crossOff(Crossing& c, std::uint8_t* segment, std::int64_t start, std::int64_t size) {
    const std::int64_t p = c.prime;
    std::int64_t j = c.next - start;
    std::size_t w = c.wheel;
    while (w != 0 && j < size) {
        segment[j] = 0;
        j += p * kHalfGap[w];
        w = (w + 1) % kWheel.size();
    }
    // Whole turns of the wheel: eight multiples in 15 p bits.
    const std::int64_t o1 = 3 * p, o2 = 5 * p, o3 = 6 * p, o4 = 8 * p, o5 = 9 * p, o6 = 11 * p,
                       o7 = 14 * p, turn = 15 * p;
    if (w == 0) {
        for (; j + o7 < size; j += turn) {
            std::uint8_t* at = segment + j;
            at[0] = 0;
            at[o1] = 0;
            at[o2] = 0;
            at[o3] = 0;
            at[o4] = 0;
            at[o5] = 0;
            at[o6] = 0;
            at[o7] = 0;
        }
    }
    while (j < size) {
        segment[j] = 0;
        j += p * kHalfGap[w];
        w = (w + 1) % kWheel.size();
    }
    c.next = j + start;
    c.wheel = w;
}

// Packs bytes of 0 or 1 into bits, 64 bytes to a word; count is a multiple of 64.
void packBytes(const std::uint8_t* bytes, std::int64_t count, std::uint64_t* words) {
    for (std::int64_t w = 0; w < count / 64; ++w) {
        const std::uint8_t* chunk = bytes + 64 * w;
        std::uint64_t bits = 0;
#ifdef __SSE2__
        for (int k = 0; k < 4; ++k) {
            __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chunk + 16 * k));
            v = _mm_slli_epi16(v, 7);
            bits |= std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(v))} << (16 * k);
        }
#else
        for (int k = 0; k < 64; ++k) {
            bits |= std::uint64_t{chunk[k]} << k;
        }
#endif
        words[w] = bits;
    }
}

// The bits b..b+n-1 of the byte array, n <= 56: eight bytes from the byte holding bit b cover
// them all.
inline std::uint64_t bitsAt(const unsigned char* bytes, std::int64_t b, std::int64_t n) {
    std::uint64_t chunk = 0;
    std::memcpy(&chunk, bytes + b / 8, sizeof chunk);
    return (chunk >> (b % 8)) & ((std::uint64_t{1} << n) - 1);
}

// Rows of odd bits: a row starting d numbers after the first odd number (d >= -1) holds the odd
// numbers with bit indices (d + 1) / 2 up to (d + length - 1) / 2. Built twice, so the hot loop
// uses the processor's population count where it has one.
__attribute__((target_clones("popcnt", "default"))) void tallyOddRows(
    const unsigned char* bytes, std::int64_t d, std::int64_t length, std::int64_t rows,
    std::int32_t* tally, std::int64_t tallySize, std::int64_t* total) {
    std::int64_t sum = 0;
    std::int64_t r = 0;
    if (length % 2 == 0 && d % 2 == 0 && length / 2 <= 56) {
        // Rows of an even length that start on odd numbers hold the same number of odd bits,
        // length / 2, one row after the other.
        const std::int64_t n = length / 2;
        for (std::int64_t b = d / 2; r < rows; ++r, b += n) {
            const std::int64_t k = std::popcount(bitsAt(bytes, b, n));
            sum += k;
            if (k < tallySize) {
                ++tally[k];
            }
        }
    }
    for (; r < rows; ++r, d += length) {
        std::int64_t begin = (d + 1) >> 1;
        const std::int64_t end = ((d + length - 1) >> 1) + 1;
        std::int64_t k = 0;
        while (end - begin > 56) {
            k += std::popcount(bitsAt(bytes, begin, 56));
            begin += 56;
        }
        k += std::popcount(bitsAt(bytes, begin, end - begin));
        sum += k;
        if (k < tallySize) {
            ++tally[k];
        }
    }
    *total += sum;
}

}  // namespace

PrimeMarks::PrimeMarks(std::int64_t first, std::int64_t last) : m_first(first), m_last(last) {
    m_oddBase = std::max<std::int64_t>(first, 3) | 1;
    if (last < m_oddBase) {
        m_bits.assign(1, 0);
        return;
    }
    m_oddCount = (last - m_oddBase) / 2 + 1;
    const std::int64_t words = (m_oddCount + 63) / 64;
    m_bits.assign(static_cast<std::size_t>(words + 1), 0);

    // Multiples p * m with m divisible by 3 or 5 are gone with the pattern already, so each
    // prime steps only through the multipliers m that are prime to 30.
    std::vector<Crossing> crossings;
    for (const std::int64_t p : oddPrimesUpTo(integerSqrt(last))) {
        if (p > kPresieved.back()) {
            crossings.push_back(firstCrossing(p, m_oddBase));
        }
    }

    const std::vector<std::uint8_t>& pattern = presievePattern();
    std::vector<std::uint8_t> segment(kSegment);
    for (std::int64_t start = 0; start < m_oddCount; start += kSegment) {
        const std::int64_t size = std::min(kSegment, m_oddCount - start);
        const std::int64_t firstNumber = m_oddBase + 2 * start;
        std::memcpy(segment.data(), pattern.data() + ((firstNumber - 1) / 2) % kPeriod,
                    static_cast<std::size_t>(size));
        for (const std::int64_t p : kPresieved) {
            if (p >= firstNumber && p < firstNumber + 2 * size) {
                segment[static_cast<std::size_t>((p - firstNumber) / 2)] = 1;
            }
        }
        for (Crossing& c : crossings) {
            crossOff(c, segment.data(), start, size);
        }
        const std::int64_t packed = (size + 63) / 64 * 64;
        std::fill(segment.begin() + size, segment.begin() + packed, std::uint8_t{0});
        packBytes(segment.data(), packed, m_bits.data() + start / 64);
    }
}

bool PrimeMarks::isPrime(std::int64_t n) const {
    if (n == 2) {
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
    std::int64_t count = (from <= 2 && 2 <= to) ? 1 : 0;
    const std::int64_t a = std::max(from, m_oddBase) | 1;
    const std::int64_t b = (to & 1) != 0 ? to : to - 1;
    if (a <= b) {
        count += countOddBits((a - m_oddBase) / 2, (b - m_oddBase) / 2 + 1);
    }
    return count;
}

std::int64_t PrimeMarks::countOddBits(std::int64_t begin, std::int64_t end) const {
    const auto* bytes = reinterpret_cast<const unsigned char*>(m_bits.data());
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
    // Rows that reach down to 2 or below, where the odd bits do not tell everything.
    for (; rows > 0 && first <= 2; --rows, first += length) {
        const std::int64_t k = countPrimes(first, first + length - 1);
        total += k;
        if (k < tallySize) {
            ++tally[static_cast<std::size_t>(k)];
        }
    }
    if (rows > 0) {
        tallyOddRows(reinterpret_cast<const unsigned char*>(m_bits.data()), first - m_oddBase,
                     length, rows, tally.data(), tallySize, &total);
    }
}

}  // namespace analysis
