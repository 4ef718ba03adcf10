#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace core {

// Which numbers of a range are prime, found at once by libprimesieve. Holds one bit per odd
// number of the range, so rows are counted with the processor's population count.
class PrimeMarks final {
public:
    // The range first..last; numbers below 2 are never prime. An empty range (first > last) is
    // allowed.
    PrimeMarks(std::int64_t first, std::int64_t last);
    // The numbers origin + first .. origin + last, anywhere below 2^64, each named below by its
    // distance from `origin`. `origin` is 0, or an even number above 2 with first >= 0, so that
    // a distance is odd where its number is and no number of the range is 2 or below.
    PrimeMarks(std::uint64_t origin, std::int64_t first, std::int64_t last);
    // The same, and on the way the tally of its rows of `length` numbers from `first` on, as
    // tallyRows gives it.
    PrimeMarks(std::int64_t first, std::int64_t last, std::int32_t length,
               std::span<std::int32_t> tally, std::int64_t& total);

    [[nodiscard]] bool isPrime(std::int64_t n) const;
    // The primes in from..to, which must lie within the range.
    [[nodiscard]] std::int64_t countPrimes(std::int64_t from, std::int64_t to) const;

    // Counts the primes of `rows` rows of `length` numbers each, the first starting at `first`,
    // all within the range. Adds each row's count to `total` and, when the count is below
    // tally.size(), one to tally[count].
    void tallyRows(std::int64_t first, std::int32_t length, std::int64_t rows,
                   std::span<std::int32_t> tally, std::int64_t& total) const;

private:
    // Sizes the marks for the range, not yet cleared but for the spare word; false when it
    // holds no odd number above 2.
    bool allocate();
    // Clears the words begin..end-1 of the marks and marks the primes among their numbers.
    void markWords(std::int64_t begin, std::int64_t end);
    [[nodiscard]] std::int64_t countOddBits(std::int64_t begin, std::int64_t end) const;

    std::uint64_t m_origin = 0;
    std::int64_t m_first;
    std::int64_t m_last;
    // Bit i stands for the odd number m_oddBase + 2i (from m_origin on). One spare word lets
    // counting read eight bytes at any bit position.
    std::int64_t m_oddBase = 3;
    std::int64_t m_oddCount = 0;
    std::int64_t m_words = 0;
    std::unique_ptr<std::uint64_t[]> m_bits;
};

}  // namespace core
