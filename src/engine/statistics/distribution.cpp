#include "distribution.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/failures.h"
#include "engine/statistics/point_masses.h"
#include "engine/statistics/row_groups.h"

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
        addRows(tally.beyondFirst + i, tally.beyond[i]);
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

namespace {

// Groups ten times as wide as computeModels takes them: what the second-order term leaves, of
// the fourth order in the spread, stays below (5e-3)^4 / 1920 = 3e-13 of each share, well within
// the 1e-9 promised, and the models cost several times less where rows go in one by one.
constexpr long double kWholeGroupSpread = 5e-3L;

// The three models' shares over first..last, their masses outside and the sums behind their
// variances, taken in group by group of rows as computeModels takes them.
class WholeSums final : public RowGroupSink {
public:
    WholeSums(const ModelRows& rows, std::uint64_t first, std::uint64_t last)
        : m_length(rows.length),
          m_l(rows.length),
          m_nStar(predictedN(rows.length)),
          m_n1(std::floor(m_nStar)),
          m_omega(m_nStar == m_n1
                      ? 1.0L
                      : (1 / m_nStar - 1.0L / (m_n1 + 1)) / (1.0L / m_n1 - 1.0L / (m_n1 + 1))),
          m_weight(1.0L / static_cast<long double>(rows.rows)),
          m_first(first),
          m_last(last),
          m_cramer(last - first + 1, 0.0L),
          m_poisson(last - first + 1, 0.0L),
          m_montgomery(last - first + 1, 0.0L) {}

    [[nodiscard]] bool fallsBack(long double p) const override {
        return m_nStar < 1 || m_l * p > m_n1;
    }

    // The farthest count of the window from mu, plus a deviation for the second derivative's own
    // term; at least 20, as computeModels has it.
    [[nodiscard]] long double countScale(long double mu) const override {
        const long double reach =
            std::max(static_cast<long double>(m_last) - mu, mu - static_cast<long double>(m_first));
        return std::max(20.0L, reach + std::sqrt(mu));
    }

    void addRows(long double p, long double spread, std::uint64_t count) override {
        const long double w = m_weight * static_cast<long double>(count);
        const long double half = m_weight * spread / 2;
        const long double mu = m_l * p;
        addBinomialWindow(window(m_cramer, m_outsideCramer), m_length, p, w, half);
        addPoissonWindow(window(m_poisson, m_outsidePoisson), mu, w, half * m_l * m_l);
        const MassWindow montgomery = window(m_montgomery, m_outsideMontgomery);
        const bool fellBack = fallsBack(p);
        m_variances.add(p, spread, count, fellBack);
        if (fellBack) {
            addBinomialWindow(montgomery, m_length, p, w, half);
            return;
        }
        // Each part B(n_i, L p / n_i) by p: (L / n_i)^2 times the derivative by its own
        // probability.
        const long double n1 = m_n1;
        const long double n2 = m_n1 + 1;
        addBinomialWindow(montgomery, static_cast<std::uint64_t>(n1), mu / n1, w * m_omega,
                          half * m_omega * (m_l / n1) * (m_l / n1));
        if (m_omega < 1) {
            addBinomialWindow(montgomery, static_cast<std::uint64_t>(n2), mu / n2,
                              w * (1 - m_omega), half * (1 - m_omega) * (m_l / n2) * (m_l / n2));
        }
    }

    [[nodiscard]] WholeModelShares shares() const {
        WholeModelShares shares;
        shares.first = m_first;
        shares.last = m_last;
        shares.cramer.assign(m_cramer.begin(), m_cramer.end());
        shares.poisson.assign(m_poisson.begin(), m_poisson.end());
        shares.montgomery.assign(m_montgomery.begin(), m_montgomery.end());
        // What the curvature terms leave below zero is rounding.
        shares.outsideCramer = static_cast<double>(std::max(0.0L, m_outsideCramer));
        shares.outsidePoisson = static_cast<double>(std::max(0.0L, m_outsidePoisson));
        shares.outsideMontgomery = static_cast<double>(std::max(0.0L, m_outsideMontgomery));
        m_variances.fill(shares);
        return shares;
    }

private:
    MassWindow window(std::vector<long double>& shares, long double& outside) {
        return {m_first, m_last, &shares, &outside};
    }

    std::uint32_t m_length;
    long double m_l;
    long double m_nStar;
    long double m_n1;
    long double m_omega;  // the weight of B(n1, .) in the Montgomery-Soundararajan mixture
    long double m_weight;
    std::uint64_t m_first;
    std::uint64_t m_last;
    std::vector<long double> m_cramer;
    std::vector<long double> m_poisson;
    std::vector<long double> m_montgomery;
    long double m_outsideCramer = 0;
    long double m_outsidePoisson = 0;
    long double m_outsideMontgomery = 0;
    VarianceSums m_variances{m_l, m_nStar, m_weight};
};

}  // namespace

WholeModelShares computeWholeModels(const ModelRows& rows, std::uint64_t first,
                                    std::uint64_t last) {
    if (rows.rows == 0 || last < first) {
        WholeModelShares none;
        none.first = first;
        none.last = last;
        none.predictedN = predictedN(rows.length);
        return none;
    }
    WholeSums sums(rows, first, last);
    addRowGroups(rows, kWholeGroupSpread, sums);
    return sums.shares();
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

// Where no row holds more than 20 primes: the distances as the windows' comparison gives them,
// over 0..20 and the rest, to the last bit.
void distancesAsWithinTwenty(const RowTally& tally, const ModelRows& rows,
                             WholeComparison& comparison) {
    Frequencies h{};
    const auto tallied = static_cast<long double>(tally.totalRows());
    for (std::size_t k = 0; k < h.size(); ++k) {
        h[k] = static_cast<double>(static_cast<long double>(tally.rows[k]) / tallied);
    }
    const ModelShares models = computeModels(rows);
    comparison.tvCramer = totalVariation(h, 0.0, models.cramer);
    comparison.tvPoisson = totalVariation(h, 0.0, models.poisson);
    comparison.tvMontgomery = totalVariation(h, 0.0, models.montgomery);
    if (comparison.tvMoments) {
        try {
            comparison.tvMoments = totalVariation(h, 0.0, binomialColumn(fitBinomial(h), h.size()));
        } catch (const Failure&) {
            // An n beyond what the windows' fit holds: the distance over the whole distribution.
        }
    }
}

}  // namespace

WholeComparison compareWholeModels(const RowTally& tally, const ModelRows& rows) {
    WholeComparison comparison;
    comparison.observed = rowStatistics(tally);
    comparison.models = computeWholeModels(rows, tally.lowestCount(), tally.highestCount());
    const WholeModelShares& m = comparison.models;
    if (const std::optional<WholeFit>& fit = comparison.observed.fit) {
        std::vector<long double> moments(m.last - m.first + 1, 0.0L);
        long double outside = 0;
        addBinomialWindow({m.first, m.last, &moments, &outside}, fit->n, fit->p, 1, 0);
        comparison.moments.assign(moments.begin(), moments.end());
        comparison.outsideMoments = static_cast<double>(outside);
        comparison.tvMoments =
            wholeDistance(tally, m, comparison.moments, comparison.outsideMoments);
    }
    comparison.tvCramer = wholeDistance(tally, m, m.cramer, m.outsideCramer);
    comparison.tvPoisson = wholeDistance(tally, m, m.poisson, m.outsidePoisson);
    comparison.tvMontgomery = wholeDistance(tally, m, m.montgomery, m.outsideMontgomery);
    if (tally.over20 == 0) {
        distancesAsWithinTwenty(tally, rows, comparison);
    }
    const double v = comparison.observed.variance;
    comparison.ratioCramer = v / m.varianceCramer;
    comparison.ratioPoisson = v / m.variancePoisson;
    comparison.ratioMontgomery = v / m.varianceMontgomery;
    return comparison;
}

}  // namespace core
