#include "distribution.h"

#include <cmath>

namespace core {

RowStatistics rowStatistics(const RowTally& tally) {
    RowStatistics statistics;
    statistics.rows = tally.totalRows();
    if (statistics.rows == 0) {
        return statistics;
    }
    const auto rows = static_cast<long double>(statistics.rows);
    const long double mean = static_cast<long double>(tally.primes) / rows;
    long double squares = 0;
    const auto addRows = [&](std::uint64_t k, std::uint64_t count) {
        const long double d = static_cast<long double>(k) - mean;
        squares += static_cast<long double>(count) * d * d;
    };
    for (std::uint64_t k = 0; k < tally.rows.size(); ++k) {
        addRows(k, tally.rows[k]);
    }
    for (std::uint64_t i = 0; i < tally.beyond.size(); ++i) {
        addRows(tally.rows.size() + i, tally.beyond[i]);
    }
    const long double variance = squares / rows;
    statistics.mean = static_cast<double>(mean);
    statistics.variance = static_cast<double>(variance);
    statistics.deviation = static_cast<double>(std::sqrt(variance));
    if (mean > 0 && variance < mean) {
        const long double p = 1 - variance / mean;
        const long double n = std::nearbyint(mean / p);  // half to even in the default mode
        if (n >= 1 && n <= 18446744073709551615.0L) {
            statistics.fit = WholeFit{static_cast<std::uint64_t>(n), static_cast<double>(p)};
        }
    }
    return statistics;
}

// A first, plain form: the models' shares from 0 on, cut to the counts that occur.
WholeModelShares computeWholeModels(const ModelRows& rows, std::uint64_t first,
                                    std::uint64_t last) {
    const ModelShares all = computeModels(rows, static_cast<std::uint32_t>(last));
    WholeModelShares shares;
    shares.first = first;
    shares.last = last;
    const auto cut = [&](const std::vector<double>& from, std::vector<double>& to,
                         double& outside) {
        to.assign(from.begin() + static_cast<std::ptrdiff_t>(first), from.end());
        long double inside = 0;
        for (const double share : to) {
            inside += share;
        }
        outside = static_cast<double>(1 - inside);
    };
    cut(all.cramer, shares.cramer, shares.outsideCramer);
    cut(all.poisson, shares.poisson, shares.outsidePoisson);
    cut(all.montgomery, shares.montgomery, shares.outsideMontgomery);
    shares.varianceCramer = all.varianceCramer;
    shares.variancePoisson = all.variancePoisson;
    shares.varianceMontgomery = all.varianceMontgomery;
    shares.montgomeryFallbackRows = all.montgomeryFallbackRows;
    shares.predictedN = all.predictedN;
    return shares;
}

namespace {

double wholeDistance(const RowTally& tally, const WholeModelShares& models,
                     const std::vector<double>& shares, double outside) {
    const auto rows = static_cast<long double>(tally.totalRows());
    long double sum = outside;
    for (std::uint64_t k = models.first; k <= models.last; ++k) {
        const long double observed = static_cast<long double>(tally.rowsWith(k)) / rows;
        sum += std::fabs(observed - shares[k - models.first]);
    }
    return static_cast<double>(sum / 2);
}

}  // namespace

WholeComparison compareWholeModels(const RowTally& tally, const ModelRows& rows) {
    WholeComparison comparison;
    comparison.observed = rowStatistics(tally);
    comparison.models = computeWholeModels(rows, tally.lowestCount(), tally.highestCount());
    const WholeModelShares& m = comparison.models;
    comparison.tvCramer = wholeDistance(tally, m, m.cramer, m.outsideCramer);
    comparison.tvPoisson = wholeDistance(tally, m, m.poisson, m.outsidePoisson);
    comparison.tvMontgomery = wholeDistance(tally, m, m.montgomery, m.outsideMontgomery);
    const double v = comparison.observed.variance;
    comparison.ratioCramer = v / m.varianceCramer;
    comparison.ratioPoisson = v / m.variancePoisson;
    comparison.ratioMontgomery = v / m.varianceMontgomery;
    return comparison;
}

}  // namespace core
