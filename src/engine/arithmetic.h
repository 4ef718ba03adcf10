#pragma once

namespace core {

// Arithmetic that raises the program's failures instead of relying on hardware traps.
// Real operations work in extended precision; callers round to double where they store one.

[[nodiscard]] long double divide(long double a, long double b);
[[nodiscard]] long double squareRoot(long double x);

}  // namespace core
