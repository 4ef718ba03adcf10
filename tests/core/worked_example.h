#pragma once

#include "engine/statistics/binomial_fit.h"

namespace core {

// h(7) = 0.25, h(8) = 0.5, h(9) = 0.25: mean 8, p = 0.9375, n = 9.
inline Frequencies WorkedExample() {
    Frequencies h{};
    h[7] = 0.25;
    h[8] = 0.5;
    h[9] = 0.25;
    return h;
}

}  // namespace core
