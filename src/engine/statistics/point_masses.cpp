#include "point_masses.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace core {

namespace {

constexpr long double kHalfLogTwoPi = 0.918938533204672741780329736405617639861L;

// ln k! - (k + 1/2) ln k + k - ln sqrt(2 pi), Stirling's remainder, for whole k >= 1. Small k
// straight from ln k!, where nothing large cancels; above by its asymptotic series, whose next term
// is below 1e-21.
long double stirlingRemainder(long double k) {
    if (k <= 30) {
        // k! itself, rounded a few times at most: lgamma would set the global signgam.
        long double factorial = 1;
        for (long double i = 2; i <= k; ++i) {
            factorial *= i;
        }
        return std::log(factorial) - (k + 0.5L) * std::log(k) + k - kHalfLogTwoPi;
    }
    const long double k2 = k * k;
    return (1.0L / 12 -
            (1.0L / 360 -
             (1.0L / 1260 - (1.0L / 1680 - (1.0L / 1188 - (691.0L / 360360) / k2) / k2) / k2) /
                 k2) /
                k2) /
           k;
}

// x ln(x / m) + m - x, without losing what is left where x and m are close.
long double deviance(long double x, long double m) {
    const long double difference = x - m;
    if (std::fabs(difference) < 0.1L * (x + m)) {
        const long double v = difference / (x + m);
        const long double v2 = v * v;
        long double sum = difference * v;
        long double term = 2 * x * v;
        for (int j = 1; j < 200; ++j) {
            term *= v2;
            const long double next = sum + term / (2 * j + 1);
            if (next == sum) {
                break;
            }
            sum = next;
        }
        return sum;
    }
    return x * std::log(x / m) + m - x;
}

// Below this a weighted mass cannot show in a double beside any mass of the mixture that does.
constexpr long double kNegligible = 1e-330L;
// Below this mass outside, 1 minus the inside, good to about 1e-17, would keep fewer than 11
// digits: the tails are summed instead, until the next mass is below kTailPrecision of their sum
// past the mode.
constexpr long double kSumTheTailsBelow = 1e-6L;
constexpr long double kTailPrecision = 1e-17L;

struct Binomial {
    std::uint64_t n;
    long double p;
    long double q = 1 - p;
    long double ratio = p / q;
    long double mean = static_cast<long double>(n) * p;
    long double perPQ = 1 / (p * q);
    long double perP2 = 1 / (p * p);
    long double perQ2 = 1 / (q * q);

    [[nodiscard]] std::uint64_t top() const { return n; }
    [[nodiscard]] std::uint64_t mode() const {
        return std::min<std::uint64_t>(
            n, static_cast<std::uint64_t>(std::floor((static_cast<long double>(n) + 1) * p)));
    }
    [[nodiscard]] long double logMass(std::uint64_t k) const { return logBinomialMass(n, p, k); }
    // mass(k + 1) / mass(k) and mass(k - 1) / mass(k)
    [[nodiscard]] long double up(std::uint64_t k) const {
        return static_cast<long double>(n - k) * ratio / static_cast<long double>(k + 1);
    }
    [[nodiscard]] long double down(std::uint64_t k) const {
        return static_cast<long double>(k) / (static_cast<long double>(n - k + 1) * ratio);
    }
    // The second derivative by p over the mass.
    [[nodiscard]] long double curvature(std::uint64_t k) const {
        const auto x = static_cast<long double>(k);
        const long double d = (x - mean) * perPQ;
        return d * d - x * perP2 - (static_cast<long double>(n) - x) * perQ2;
    }
};

struct Poisson {
    long double lambda;
    long double perLambda = 1 / lambda;

    [[nodiscard]] static std::uint64_t top() { return std::numeric_limits<std::uint64_t>::max(); }
    [[nodiscard]] std::uint64_t mode() const {
        return static_cast<std::uint64_t>(std::floor(lambda));
    }
    [[nodiscard]] long double logMass(std::uint64_t k) const { return logPoissonMass(lambda, k); }
    [[nodiscard]] long double up(std::uint64_t k) const {
        return lambda / static_cast<long double>(k + 1);
    }
    [[nodiscard]] long double down(std::uint64_t k) const {
        return static_cast<long double>(k) * perLambda;
    }
    [[nodiscard]] long double curvature(std::uint64_t k) const {
        const long double x = static_cast<long double>(k) * perLambda;
        return (x - 1) * (x - 1) - x * perLambda;
    }
};

void addPoint(const MassWindow& window, std::uint64_t at, long double weight) {
    if (at >= window.first && at <= window.last) {
        (*window.shares)[at - window.first] += weight;
    } else {
        *window.outside += weight;
    }
}

// The mass below `first` and above `last`, and the same of the masses times their curvature, each
// summed outwards from the masses there: this keeps the relative precision of a small remainder
// that 1 minus the inside would lose.
struct Tails {
    long double mass = 0;
    long double bend = 0;
};

template <class Distribution>
Tails tails(const Distribution& d, std::uint64_t first, long double atFirst, std::uint64_t last,
            long double atLast, bool bends) {
    const std::uint64_t mode = d.mode();
    Tails lower;
    long double t = atFirst;
    for (std::uint64_t k = first; k > 0 && t > 0;) {
        t *= d.down(k);
        --k;
        lower.mass += t;
        lower.bend += bends ? t * d.curvature(k) : 0;
        if (k <= mode && t <= lower.mass * kTailPrecision) {
            break;
        }
    }
    Tails upper;
    t = atLast;
    for (std::uint64_t k = last; k < d.top() && t > 0;) {
        t *= d.up(k);
        ++k;
        upper.mass += t;
        upper.bend += bends ? t * d.curvature(k) : 0;
        if (k >= mode && t <= upper.mass * kTailPrecision) {
            break;
        }
    }
    return {lower.mass + upper.mass, lower.bend + upper.bend};
}

// From the mode, or the end of the window nearest to it, outwards in both directions.
template <class Distribution>
void addWindow(const MassWindow& window, const Distribution& d, long double weight,
               long double curvature) {
    if (weight <= 0) {
        return;
    }
    if (window.first > d.top()) {
        *window.outside += weight;
        return;
    }
    const std::uint64_t first = window.first;
    const std::uint64_t last = std::min(window.last, d.top());
    const std::uint64_t anchor = std::clamp(d.mode(), first, last);
    const long double anchorMass = std::exp(d.logMass(anchor));
    const long double negligible = kNegligible / weight;
    long double inside = 0;
    long double insideCurvature = 0;
    long double atFirst = 0;
    long double atLast = 0;
    const auto add = [&](std::uint64_t k, long double mass) {
        long double share = weight * mass;
        if (curvature != 0) {
            const long double bend = mass * d.curvature(k);
            share += curvature * bend;
            insideCurvature += bend;
        }
        (*window.shares)[k - first] += share;
        inside += mass;
        atFirst = k == first ? mass : atFirst;
        atLast = k == last ? mass : atLast;
    };
    long double mass = anchorMass;
    for (std::uint64_t k = anchor;;) {
        add(k, mass);
        if (k == last) {
            break;
        }
        mass *= d.up(k);
        ++k;
        if (mass < negligible) {
            break;
        }
    }
    mass = anchorMass;
    for (std::uint64_t k = anchor; k > first;) {
        mass *= d.down(k);
        --k;
        if (mass < negligible) {
            break;
        }
        add(k, mass);
    }
    if (1 - inside < kSumTheTailsBelow) {
        const Tails outside = tails(d, first, atFirst, last, atLast, curvature != 0);
        *window.outside += weight * outside.mass + curvature * outside.bend;
    } else {
        // The second derivative of the whole mass is zero.
        *window.outside += weight * (1 - inside) - curvature * insideCurvature;
    }
}

}  // namespace

long double logBinomialMass(std::uint64_t n, long double p, std::uint64_t k) {
    if (k == 0) {
        return static_cast<long double>(n) * std::log1p(-p);
    }
    if (k == n) {
        return static_cast<long double>(n) * std::log(p);
    }
    const auto nn = static_cast<long double>(n);
    const auto x = static_cast<long double>(k);
    const auto y = static_cast<long double>(n - k);
    return stirlingRemainder(nn) - stirlingRemainder(x) - stirlingRemainder(y) -
           deviance(x, nn * p) - deviance(y, nn * (1 - p)) + 0.5L * std::log(nn / (x * y)) -
           kHalfLogTwoPi;
}

long double logPoissonMass(long double lambda, std::uint64_t k) {
    if (k == 0) {
        return -lambda;
    }
    const auto x = static_cast<long double>(k);
    return -stirlingRemainder(x) - deviance(x, lambda) - 0.5L * std::log(x) - kHalfLogTwoPi;
}

void addBinomialWindow(const MassWindow& window, std::uint64_t n, long double p, long double weight,
                       long double curvature) {
    if (p <= 0) {
        addPoint(window, 0, weight);
    } else if (p >= 1) {
        addPoint(window, n, weight);
    } else {
        addWindow(window, Binomial{n, p}, weight, curvature);
    }
}

void addPoissonWindow(const MassWindow& window, long double lambda, long double weight,
                      long double curvature) {
    if (lambda <= 0) {
        addPoint(window, 0, weight);
    } else {
        addWindow(window, Poisson{lambda}, weight, curvature);
    }
}

}  // namespace core
