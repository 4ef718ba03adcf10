#include "segmented_primes.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace core {

namespace {

constexpr std::uint64_t kLargestSegment = std::uint64_t{1} << 19;

std::uint64_t squareRootAtLeast(std::uint64_t n) {
    auto root = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(n)));
    while (root * root < n) {
        ++root;
    }
    return root;
}

}  // namespace

SegmentedPrimes::SegmentedPrimes(std::uint64_t start, std::uint64_t stopHint) : m_low(start) {
    // A short range needs only a short segment; a long one is sieved in pieces that stay in cache.
    const std::uint64_t span = stopHint > start ? stopHint - start + 1 : 0;
    m_segmentSize = std::clamp<std::uint64_t>(span, 1024, kLargestSegment);
}

void SegmentedPrimes::growBasePrimes(std::uint64_t limit) {
    // All odd primes up to limit, sieved plainly: limit is the square root of the height.
    limit = std::max<std::uint64_t>(limit, 2 * m_baseLimit);
    std::vector<bool> composite(limit + 1, false);
    m_basePrimes.clear();
    for (std::uint64_t n = 3; n <= limit; n += 2) {
        if (composite[n]) {
            continue;
        }
        m_basePrimes.push_back(static_cast<std::uint32_t>(n));
        for (std::uint64_t m = n * n; m <= limit; m += 2 * n) {
            composite[m] = true;
        }
    }
    m_baseLimit = limit;
}

void SegmentedPrimes::sieveNextSegment() {
    constexpr std::uint64_t kHighest = std::uint64_t{1} << 63;
    if (m_low >= kHighest) {
        throw std::out_of_range("SegmentedPrimes: beyond 2^63");
    }
    const std::uint64_t low = m_low;
    const std::uint64_t high = std::min(low + m_segmentSize, kHighest);  // exclusive
    m_low = high;
    const std::uint64_t root = squareRootAtLeast(high);
    if (root > m_baseLimit) {
        growBasePrimes(root);
    }
    // Index i stands for low + i; even numbers are never marked prime but 2.
    std::vector<unsigned char> prime(high - low, 1);
    for (const std::uint32_t p : m_basePrimes) {
        const std::uint64_t square = std::uint64_t{p} * p;
        if (square >= high) {
            break;
        }
        std::uint64_t m = std::max(square, (low + p - 1) / p * p);
        if (m % 2 == 0) {
            m += p;
        }
        for (; m < high; m += 2 * std::uint64_t{p}) {
            prime[m - low] = 0;
        }
    }
    m_primes.clear();
    m_next = 0;
    for (std::uint64_t n = low; n < high; ++n) {
        if (n == 2 || (n > 2 && n % 2 == 1 && prime[n - low] != 0)) {
            m_primes.push_back(n);
        }
    }
}

std::uint64_t SegmentedPrimes::next_prime() {
    while (m_next == m_primes.size()) {
        sieveNextSegment();
    }
    return m_primes[m_next++];
}

void SegmentedPrimes::generate_next_primes() {
    while (m_next == m_primes.size()) {
        sieveNextSegment();
    }
    primes_ = m_primes.data() + m_next;
    size_ = m_primes.size() - m_next;
    m_next = m_primes.size();
}

}  // namespace core
