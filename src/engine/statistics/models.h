#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/rows/rows.h"
#include "engine/statistics/binomial_fit.h"

namespace core {

// Rows of `length` numbers, the first beginning at `first`: the windows' rows and the
// command line's, below zero or up to 2^64-1.
struct ModelRows {
    long double first = 1;
    std::uint32_t length = 1;
    std::uint64_t rows = 0;
};

[[nodiscard]] ModelRows modelRows(const RowRange& range);

// Random models of the count of primes in a row. Each number m is prime with probability
// q(m) = 1/ln m (numbers below 2 never; for m = 2, where 1/ln m exceeds 1, with certainty);
// p_r is the mean of q over row r.
//  - Cramér's model: the count of row r is binomial B(L, p_r); C(k) averages over the rows.
//  - The Poisson limit for short intervals (Gallagher): Poisson with mean L p_r, averaged.
//  - Montgomery and Soundararajan: assuming the Hardy-Littlewood conjectures uniformly, the
//    count of a short interval of length L has mean mu = L p_r and variance mu (1 - mu / n*),
//    n* = L / (ln L + gamma + ln 2 pi - 1), smaller than any independent model gives. Row r gets
//    the mixture of B(n1, mu/n1) and B(n1 + 1, mu/(n1 + 1)), n1 = floor(n*), weighted so that
//    mean and variance are exactly these; where n* < 1 or mu > n1 it gets Cramér's B(L, p_r).
struct ModelShares {
    std::vector<double> cramer;      // C(0..kMax)
    std::vector<double> poisson;     // P(0..kMax)
    std::vector<double> montgomery;  // M(0..kMax)
    double varianceCramer = 0.0;     // of the count of a row picked at random
    double variancePoisson = 0.0;
    double varianceMontgomery = 0.0;
    // The rows that took Cramér's binomial in the Montgomery-Soundararajan model.
    std::uint64_t montgomeryFallbackRows = 0;
    double predictedN = 0.0;  // n* of the rows' length
};

// n* = L / (ln L + gamma + ln 2 pi - 1): the n of the binomial with the mean and the variance of
// the Montgomery-Soundararajan model, for rows of L numbers at any height.
[[nodiscard]] double predictedN(std::uint32_t length);

// One row's Montgomery-Soundararajan shares k = 0..kMax for mean mu, rows of `length`; false
// (and Cramér's shares) where the row falls back to B(L, mu / L).
bool addMontgomeryRow(std::vector<long double>& shares, std::uint32_t length, long double mu,
                      long double weight);

// Linear in the number of rows: the mean of q over a row is summed exactly near the start of
// the number line and by the midpoint rule with its curvature term above it; rows whose p_r
// agree to a relative 1e-4 are taken together.
// Exact: every share within 1e-12 of the row-by-row sum, for what is printed in full. Display:
// within about 1e-7, many times faster at low heights, for what is drawn and shown with three
// decimals.
enum class ModelPrecision { Exact, Display };

[[nodiscard]] ModelShares computeModels(const ModelRows& rows, std::uint32_t kMax = 20,
                                        ModelPrecision precision = ModelPrecision::Exact);

// The mean of q over one row, summed number by number.
[[nodiscard]] long double rowProbabilityExactly(long double first, std::uint32_t length);
// The same, by the midpoint rule away from the start of the number line.
[[nodiscard]] long double rowProbability(long double first, std::uint32_t length);

// The total variation distance between the observed rows and a model, over the whole
// distribution: half the sum of |o(k) - m(k)| over k = 0..20 plus |o(>20) - m(>20)|, the share of
// rows that would have to move to make the two agree. h holds the shares of the rows with at most
// 20 primes, `beyond` the share of all rows with more; o(k) = h(k) (1 - beyond), and
// m(>20) = 1 - the sum of m(0..20).
[[nodiscard]] double totalVariation(const Frequencies& h, double beyond,
                                    const std::vector<double>& m);

// The observed shares beside the moment fit and the two random models.
struct ModelComparison {
    Frequencies observed{};  // h(k)
    BinomialFit fit;
    Frequencies moments{};  // B(n;p;k) of the fit
    ModelShares models;
    double tvMoments = 0.0;
    double tvCramer = 0.0;
    double tvPoisson = 0.0;
    double tvMontgomery = 0.0;
    double varianceObserved = 0.0;
    double varianceMoments = 0.0;
};

// Raises the fit's failures where the graph window's fit fails.
// `beyond`: the share of all rows that hold more than 20 primes (see totalVariation).
[[nodiscard]] ModelComparison compareModels(const ModelShares& models, const Frequencies& h,
                                            double beyond);

}  // namespace core
