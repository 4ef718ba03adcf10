#include "binomial_fit.h"

#include "engine/arithmetic.h"
#include "engine/texts/number_text.h"

namespace core {

namespace {

using Extended = long double;

double stored(Extended value) {
    return static_cast<double>(value);
}

// base^exponent for a whole exponent, by squaring in extended precision; 1/base^-exponent for a
// negative one.
Extended wholePower(Extended base, std::int64_t exponent) {
    const bool negative = exponent < 0;
    std::uint64_t e =
        negative ? static_cast<std::uint64_t>(-exponent) : static_cast<std::uint64_t>(exponent);
    Extended result = 1.0L;
    while (e != 0) {
        if ((e & 1U) != 0) {
            result *= base;
        }
        base *= base;
        e >>= 1U;
    }
    return negative ? core::divide(1.0L, result) : result;
}

}  // namespace

double mean(const Frequencies& h) {
    double sum = 0.0;
    for (std::size_t x = 0; x < h.size(); ++x) {
        sum = stored(Extended{sum} + static_cast<Extended>(x) * h[x]);
    }
    return sum;
}

double standardDeviation(const Frequencies& h) {
    double squares = 0.0;
    for (std::size_t x = 0; x < h.size(); ++x) {
        squares = stored(Extended{squares} + static_cast<Extended>(x * x) * h[x]);
    }
    const double m = mean(h);
    return stored(core::squareRoot(Extended{squares} - Extended{m} * m));
}

BinomialFit fitBinomial(const Frequencies& h) {
    const double s = standardDeviation(h);
    const Extended v = Extended{s} * s;
    const double m = mean(h);
    BinomialFit fit;
    fit.p = stored(1.0L - core::divide(v, m));
    fit.n = core::roundHalfEven(core::divide(m, fit.p));
    return fit;
}

double binomialProbability(std::int32_t n, std::int32_t k, double p) {
    const double q = stored(1.0L - p);
    const double r = stored(core::divide(p, q));
    double b = stored(wholePower(q, n));
    for (std::int64_t i = 0; i < k; ++i) {
        // First (n - i) times b, then divided by i + 1, then times r: the order of the rounding.
        const Extended product = static_cast<Extended>(std::int64_t{n} - i) * b;
        b = stored((product / static_cast<Extended>(i + 1)) * r);
    }
    return b;
}

std::vector<double> binomialColumn(const BinomialFit& fit, std::size_t count) {
    std::vector<double> column;
    column.reserve(count);
    if (count == 0) {
        return column;
    }
    const double q = stored(1.0L - fit.p);
    const double r = stored(core::divide(fit.p, q));
    double b = stored(wholePower(q, fit.n));
    column.push_back(b);
    for (std::size_t i = 0; i + 1 < count; ++i) {
        // The same steps as binomialProbability, kept from one k to the next.
        const Extended product =
            static_cast<Extended>(std::int64_t{fit.n} - static_cast<std::int64_t>(i)) * b;
        b = stored((product / static_cast<Extended>(i + 1)) * r);
        column.push_back(b);
    }
    return column;
}

}  // namespace core
