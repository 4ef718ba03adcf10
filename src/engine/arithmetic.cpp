#include "arithmetic.h"

#include <cmath>

#include "engine/failures.h"

namespace core {

long double divide(long double a, long double b) {
    if (std::isnan(a) || std::isnan(b)) {
        throw InvalidFloatOperation();
    }
    if (b == 0.0L) {
        if (a == 0.0L) {
            throw InvalidFloatOperation();
        }
        throw FloatDivisionByZero();
    }
    if (std::isinf(a) && std::isinf(b)) {
        throw InvalidFloatOperation();
    }
    return a / b;
}

long double squareRoot(long double x) {
    if (std::isnan(x) || x < 0.0L) {
        throw InvalidFloatOperation();
    }
    return std::sqrt(x);
}

}  // namespace core
