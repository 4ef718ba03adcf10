#pragma once

#include <cstdint>
#include <cstring>

namespace core {

// Counting rows in the marks' bits, one bit per odd number (see PrimeMarks).

// The bits b..b+n-1 of the byte array, n <= 56: eight bytes from the byte holding bit b cover
// them all.
inline std::uint64_t bitsAt(const unsigned char* bytes, std::int64_t b, std::int64_t n) {
    std::uint64_t chunk = 0;
    std::memcpy(&chunk, bytes + b / 8, sizeof chunk);
    return (chunk >> (b % 8)) & ((std::uint64_t{1} << n) - 1);
}

// Rows of odd bits: a row starting d numbers after the first odd number (d >= -1) holds the odd
// numbers with bit indices (d + 1) / 2 up to (d + length - 1) / 2. Adds each row's count to
// *total and, where the count is below tallySize, one to tally[count].
void tallyOddRows(const unsigned char* bytes, std::int64_t d, std::int64_t length,
                  std::int64_t rows, std::int32_t* tally, std::int64_t tallySize,
                  std::int64_t* total);

}  // namespace core
