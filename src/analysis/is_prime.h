#pragma once

#include <cstdint>

namespace analysis {

// Whether n is prime. Numbers below 2 are not.
[[nodiscard]] bool IsPrime(std::int32_t n);

}  // namespace analysis
