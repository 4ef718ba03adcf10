#include "is_prime.h"

namespace core {

bool isPrimeByDivision(std::int32_t n) {
    if (n < 2) {
        return false;
    }
    if (n < 4) {
        return true;
    }
    if (n % 2 == 0) {
        return false;
    }
    // Trial division by odd numbers up to the square root; d * d stays within 64 bits.
    for (std::int64_t d = 3; d * d <= n; d += 2) {
        if (n % d == 0) {
            return false;
        }
    }
    return true;
}

}  // namespace core
