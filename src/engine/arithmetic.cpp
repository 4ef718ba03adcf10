#include "arithmetic.h"

#include <cmath>

#include "engine/failures.h"
#include "engine/rows/rows.h"

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

namespace {

class NumberOutOfRange final : public Failure {
public:
    explicit NumberOutOfRange(__int128_t value)
        : Failure(QT_TRANSLATE_NOOP("core::Failure",
                                    "Die Zahl %1 liegt außerhalb des Bereichs dieser Rechnung."),
                  text::numberText(value)) {}
};

}  // namespace

void throwOutOfRange(__int128_t value) {
    throw NumberOutOfRange(value);
}

}  // namespace core
