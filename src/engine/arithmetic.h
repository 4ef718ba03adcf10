#pragma once

#include <concepts>
#include <limits>

namespace core {

// Arithmetic that raises the program's failures instead of relying on hardware traps.
// Real operations work in extended precision; callers round to double where they store one.

[[nodiscard]] long double divide(long double a, long double b);
[[nodiscard]] long double squareRoot(long double x);

// Raises the failure of a number that the narrower type of a calculation cannot hold.
[[noreturn]] void throwOutOfRange(__int128_t value);

// A number of the rows' 128-bit arithmetic in a narrower type: the one way from the one to the
// other, so that a number out of reach is a failure that names it, never a number wrapped
// round or rounded. A floating type takes only a number it holds exactly.
template <typename T>
requires std::integral<T> || std::floating_point<T>
[[nodiscard]] T narrow(__int128_t value) {
    if constexpr (std::integral<T>) {
        if (value < static_cast<__int128_t>(std::numeric_limits<T>::min()) ||
            value > static_cast<__int128_t>(std::numeric_limits<T>::max())) {
            throwOutOfRange(value);
        }
        return static_cast<T>(value);
    } else {
        const auto converted = static_cast<T>(value);
        // 2^127 and beyond cannot come back; every other value comes back exact or differs.
        if (converted >= static_cast<T>(std::numeric_limits<__int128_t>::max()) ||
            static_cast<__int128_t>(converted) != value) {
            throwOutOfRange(value);
        }
        return converted;
    }
}

}  // namespace core
