#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/rows/rows.h"
#include "engine/statistics/models.h"

namespace core {

// The binomial with the mean and the variance of all rows: p = 1 - v/m, n = m/p rounded half to
// even. Unlike the windows' fit over the rows with at most 20 primes, n may be any size.
struct WholeFit {
    std::uint64_t n = 0;
    double p = 0.0;
};

// The count of primes per row over all rows of a tally, whatever their counts.
struct RowStatistics {
    std::uint64_t rows = 0;
    double mean = 0.0;
    double variance = 0.0;   // of the population of rows, as the windows' table takes it
    double deviation = 0.0;  // its square root
    // None where the rows give no binomial: no rows, a mean of 0, or a variance at or above
    // the mean (p <= 0), or an n beyond 2^64-1.
    std::optional<WholeFit> fit;
};

[[nodiscard]] RowStatistics rowStatistics(const RowTally& tally);

// The random models over the whole distribution: each model's share at every count first..last
// (the counts that occur: the tally's lowest to its highest), its mass outside them, and its
// variance. Each share is within a relative 1e-9 of the row-by-row mixture.
struct WholeModelShares {
    std::uint64_t first = 0;
    std::uint64_t last = 0;
    // Index k - first.
    std::vector<double> cramer;
    std::vector<double> poisson;
    std::vector<double> montgomery;
    double outsideCramer = 0.0;
    double outsidePoisson = 0.0;
    double outsideMontgomery = 0.0;
    double varianceCramer = 0.0;
    double variancePoisson = 0.0;
    double varianceMontgomery = 0.0;
    std::uint64_t montgomeryFallbackRows = 0;
    double predictedN = 0.0;
};

[[nodiscard]] WholeModelShares computeWholeModels(const ModelRows& rows, std::uint64_t first,
                                                  std::uint64_t last);

// The observed rows beside the models over the whole distribution.
struct WholeComparison {
    RowStatistics observed;
    WholeModelShares models;
    // B(n;p;k) of the fit over all rows at k = first..last, and its mass outside; empty without
    // a fit.
    std::vector<double> moments;
    double outsideMoments = 0.0;
    // The total variation distance over the whole distribution: half the sum over every k of
    // |o(k) - m(k)|. Where no row holds more than 20 primes it equals totalVariation over 0..20
    // and the rest, as the windows' comparison gives it.
    std::optional<double> tvMoments;
    double tvCramer = 0.0;
    double tvPoisson = 0.0;
    double tvMontgomery = 0.0;
    // The observed variance over each model's.
    double ratioCramer = 0.0;
    double ratioPoisson = 0.0;
    double ratioMontgomery = 0.0;
};

// The tally needs a row at least.
[[nodiscard]] WholeComparison compareWholeModels(const RowTally& tally, const ModelRows& rows);

}  // namespace core
