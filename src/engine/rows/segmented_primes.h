#pragma once

#include <cstdint>
#include <vector>

namespace core {

// The primes from a start on, one after the other, found by a segmented sieve of Eratosthenes:
// the web build's prime engine in place of libprimesieve's iterator, with its interface. Made
// for the heights the windows allow; it stops before 2^63.
class SegmentedPrimes final {
public:
    // The first prime given is the least one >= start; stopHint is where the caller expects to
    // stop (it may go on beyond it).
    explicit SegmentedPrimes(std::uint64_t start = 0, std::uint64_t stopHint = 0);

    [[nodiscard]] std::uint64_t next_prime();
    // The primes not yet given, a segment at a time, in primes_[0..size_).
    void generate_next_primes();

    const std::uint64_t* primes_ = nullptr;
    std::size_t size_ = 0;

private:
    void sieveNextSegment();
    void growBasePrimes(std::uint64_t limit);

    std::uint64_t m_low;  // where the next segment begins
    std::uint64_t m_segmentSize;
    std::vector<std::uint32_t> m_basePrimes;  // the odd primes up to m_baseLimit
    std::uint64_t m_baseLimit = 0;
    std::vector<std::uint64_t> m_primes;  // the current segment's primes
    std::size_t m_next = 0;
};

}  // namespace core
