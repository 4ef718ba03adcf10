#pragma once

#include <cstdint>

namespace core {

// Whether n is prime. Numbers below 2 are not.
[[nodiscard]] bool isPrimeByDivision(std::int32_t n);

}  // namespace core
