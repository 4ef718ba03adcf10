#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace core {

// h(x) for x = 0..20: the share of rows holding x primes.
using Frequencies = std::array<double, 21>;

// Every operation works in extended precision; a value is rounded to double exactly where it is
// stored as one, as the results shown depend on it.

// The mean of h(x).
[[nodiscard]] double mean(const Frequencies& h);

// The standard deviation of h(x). A negative variance raises InvalidFloatOperation.
[[nodiscard]] double standardDeviation(const Frequencies& h);

struct BinomialFit {
    double p = 0.0;
    std::int32_t n = 0;
};

// B(n;p) with the mean and, as far as a whole n allows, the variance of h(x): p = 1 - v/m,
// n = roundHalfEven(m/p). A zero mean raises InvalidFloatOperation, p = 0 FloatDivisionByZero, and
// a quotient m/p beyond the 32-bit range InvalidFloatOperation.
[[nodiscard]] BinomialFit fitBinomial(const Frequencies& h);

// B(n;p;k) by the product recurrence from q^n. q = 1 - p = 0 raises FloatDivisionByZero.
[[nodiscard]] double binomialProbability(std::int32_t n, std::int32_t k, double p);

// B(n;p;k) for k = 0..count-1, each value equal to binomialProbability(n, k, p): the one column
// that the table, the CSV, the chart, the models and the page show.
[[nodiscard]] std::vector<double> binomialColumn(const BinomialFit& fit, std::size_t count);

}  // namespace core
