#pragma once

namespace shell {

// Arithmetic that raises the program's failures instead of relying on hardware traps.
// Real operations work in extended precision; callers round to double where they store one.

[[nodiscard]] long double FloatDivide(long double a, long double b);
[[nodiscard]] long double SquareRoot(long double x);

}  // namespace shell
