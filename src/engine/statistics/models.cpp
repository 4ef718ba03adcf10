#include "models.h"

#include <algorithm>
#include <cmath>

#include "engine/statistics/row_groups.h"

namespace core {

ModelRows modelRows(const RowRange& range) {
    return {static_cast<long double>(range.first), range.length, range.rows()};
}

namespace {

long double q(long double m) {
    if (m < 2) {
        return 0;
    }
    return std::min(1.0L, 1.0L / std::log(m));
}

// Below this first number a row's probabilities are summed one by one.
constexpr long double kExactBelow = 4096;

// Adds the weight of B(L, p) or Poisson(L p), k = 0..kMax, to the shares.
void addBinomial(std::vector<long double>& shares, std::uint32_t length, long double p,
                 long double weight) {
    const auto kMax = static_cast<std::uint32_t>(shares.size() - 1);
    if (p <= 0) {
        shares[0] += weight;
        return;
    }
    if (p >= 1) {
        if (length <= kMax) {
            shares[length] += weight;
        }
        return;
    }
    // In logarithms: (1 - p)^L underflows for long rows.
    const double logP = std::log(static_cast<double>(p));
    const double logQ = std::log1p(-static_cast<double>(p));
    double logChoose = 0;
    for (std::uint32_t k = 0; k <= kMax && k <= length; ++k) {
        if (k > 0) {
            logChoose += std::log(static_cast<double>(length - k + 1) / k);
        }
        shares[k] += weight * std::exp(logChoose + k * logP + (length - k) * logQ);
    }
}

void addPoisson(std::vector<long double>& shares, long double lambda, long double weight) {
    if (lambda <= 0) {
        shares[0] += weight;
        return;
    }
    double logTerm = -static_cast<double>(lambda);  // ln(e^-lambda lambda^k / k!)
    const double logLambda = std::log(static_cast<double>(lambda));
    for (std::size_t k = 0; k < shares.size(); ++k) {
        if (k > 0) {
            logTerm += logLambda - std::log(static_cast<double>(k));
        }
        shares[k] += weight * std::exp(logTerm);
    }
}

}  // namespace

double predictedN(std::uint32_t length) {
    // Euler's gamma plus ln(2 pi), minus 1.
    constexpr double kOffset = 0.5772156649015328606 + 1.8378770664093454836 - 1.0;
    return length / (std::log(static_cast<double>(length)) + kOffset);
}

bool addMontgomeryRow(std::vector<long double>& shares, std::uint32_t length, long double mu,
                      long double weight) {
    const long double nStar = predictedN(length);
    const auto n1 = static_cast<std::uint32_t>(std::floor(nStar));
    if (nStar < 1 || mu > n1) {
        addBinomial(shares, length, mu / length, weight);
        return false;
    }
    const std::uint32_t n2 = n1 + 1;
    // The weights give the mixture the variance mu (1 - mu / n*): each part's variance is
    // mu (1 - mu / n_i), so the weights are those of 1/n* between 1/n1 and 1/n2.
    const long double omega =
        nStar == n1 ? 1.0L : (1 / nStar - 1.0L / n2) / (1.0L / n1 - 1.0L / n2);
    addBinomial(shares, n1, mu / n1, weight * omega);
    if (omega < 1) {
        addBinomial(shares, n2, mu / n2, weight * (1 - omega));
    }
    return true;
}

long double rowProbabilityExactly(long double first, std::uint32_t length) {
    long double sum = 0;
    for (std::uint32_t i = 0; i < length; ++i) {
        sum += q(first + i);
    }
    return sum / length;
}

namespace {

// The mean of q over n numbers centred on c, by the midpoint rule with its curvature term:
// f(c) + f''(c) (n^2 - 1) / 24 for f = 1 / ln. In double: its 16 digits are plenty, and it is
// several times faster.
inline double midpointMean(double c, double n) {
    const double lnC = std::log(c);
    const double f2 = (lnC + 2) / (c * c * lnC * lnC * lnC);
    return 1 / lnC + f2 * (n * n - 1) / 24;
}

// Where the midpoint rule alone is close enough: the run is short beside its height.
inline bool midpointSuffices(long double first, long double count) {
    return first >= kExactBelow && count * 300 <= first;
}

// The sum of q over first..first + count - 1. Near the start of the number line number by
// number; above it by the midpoint rule with its curvature term once the run is short beside
// its height (the next term is then below 1e-13 of the sum); longer runs in halves.
long double sumQ(long double first, std::uint64_t count) {
    if (count == 0) {
        return 0;
    }
    if (first + static_cast<long double>(count) <= kExactBelow) {
        long double sum = 0;
        for (std::uint64_t i = 0; i < count; ++i) {
            sum += q(first + static_cast<long double>(i));
        }
        return sum;
    }
    const long double n = static_cast<long double>(count);
    if (midpointSuffices(first, n)) {
        return n * midpointMean(static_cast<double>(first + (n - 1) / 2), static_cast<double>(n));
    }
    const std::uint64_t half = count / 2;
    return sumQ(first, half) + sumQ(first + static_cast<long double>(half), count - half);
}

}  // namespace

long double rowProbability(long double first, std::uint32_t length) {
    return sumQ(first, length) / length;
}

namespace {

// The second derivative by p of B(n, p; k), k = 0..kMax, times weight, added to the shares:
// n (n - 1) times the second difference of B(n - 2, p; .).
void addBinomialCurvature(std::vector<long double>& shares, std::uint32_t n, long double p,
                          long double weight) {
    if (n < 2 || weight == 0) {
        return;
    }
    thread_local std::vector<long double> b;
    b.assign(shares.size(), 0.0L);
    addBinomial(b, n - 2, p, 1.0L);
    const long double factor = weight * n * (n - 1.0L);
    for (std::size_t k = 0; k < shares.size(); ++k) {
        const long double second =
            (k >= 2 ? b[k - 2] : 0.0L) - 2 * (k >= 1 ? b[k - 1] : 0.0L) + b[k];
        shares[k] += factor * second;
    }
}

// The same for Poisson(lambda) by lambda: the second difference of Poisson(lambda; .).
void addPoissonCurvature(std::vector<long double>& shares, long double lambda, long double weight) {
    if (weight == 0) {
        return;
    }
    thread_local std::vector<long double> pk;
    pk.assign(shares.size(), 0.0L);
    addPoisson(pk, lambda, 1.0L);
    for (std::size_t k = 0; k < shares.size(); ++k) {
        const long double second =
            (k >= 2 ? pk[k - 2] : 0.0L) - 2 * (k >= 1 ? pk[k - 1] : 0.0L) + pk[k];
        shares[k] += weight * second;
    }
}

// Rows go in together, with the second-order term of their spread, while their mean
// probabilities differ by at most this share of themselves, divided by the larger of kMax and
// L p: the share of k moves with p like p^k (1 - p)^(L - k), so what is left, of the fourth order
// in (k - L p) times the difference, stays below 1e-13 of each share.
constexpr long double kGroupSpread = kExactGroupSpread;

}  // namespace

namespace {

// The three models' shares and the sums behind their variances, taken in group by group of rows.
class ModelSums final : public RowGroupSink {
public:
    ModelSums(const ModelRows& rows, std::uint32_t kMax)
        : m_kMax(kMax),
          m_length(rows.length),
          m_l(rows.length),
          m_nStar(predictedN(rows.length)),
          m_n1(std::floor(m_nStar)),
          m_weight(1.0L / static_cast<long double>(rows.rows)),
          m_cramer(kMax + 1, 0.0L),
          m_poisson(kMax + 1, 0.0L),
          m_montgomery(kMax + 1, 0.0L) {}

    // Whether a row of mean probability p takes Cramér's binomial in the Montgomery-Soundararajan
    // model.
    [[nodiscard]] bool fallsBack(long double p) const override {
        return m_nStar < 1 || m_l * p > m_n1;
    }

    [[nodiscard]] long double countScale(long double mu) const override {
        return std::max(static_cast<long double>(m_kMax), mu);
    }

    // `count` rows whose mean probabilities average p and spread around it by `spread`, the sum
    // of the squares of their differences from p: each model's shares at p, plus half their
    // second derivative times the spread.
    void addRows(long double p, long double spread, std::uint64_t count) override {
        const long double w = m_weight * static_cast<long double>(count);
        const long double half = m_weight * spread / 2;
        const long double mu = m_l * p;
        addBinomial(m_cramer, m_length, p, w);
        addBinomialCurvature(m_cramer, m_length, p, half);
        addPoisson(m_poisson, mu, w);
        addPoissonCurvature(m_poisson, mu, half * m_l * m_l);
        const bool fellBack = !addMontgomeryRow(m_montgomery, m_length, mu, w);
        m_variances.add(p, spread, count, fellBack);
        if (fellBack) {
            addBinomialCurvature(m_montgomery, m_length, p, half);
            return;
        }
        addMontgomeryCurvature(mu, half);
    }

    [[nodiscard]] ModelShares shares() const {
        ModelShares shares;
        shares.cramer.assign(m_cramer.begin(), m_cramer.end());
        shares.poisson.assign(m_poisson.begin(), m_poisson.end());
        shares.montgomery.assign(m_montgomery.begin(), m_montgomery.end());
        m_variances.fill(shares);
        return shares;
    }

private:
    // B(n_i, L p / n_i) by p: (L / n_i)^2 times the derivative by its own probability.
    void addMontgomeryCurvature(long double mu, long double half) {
        const long double n1 = m_n1;
        const auto u1 = static_cast<std::uint32_t>(n1);
        const long double omega =
            m_nStar == n1 ? 1.0L : (1 / m_nStar - 1.0L / (n1 + 1)) / (1.0L / n1 - 1.0L / (n1 + 1));
        addBinomialCurvature(m_montgomery, u1, mu / n1, half * omega * (m_l / n1) * (m_l / n1));
        if (omega < 1) {
            addBinomialCurvature(m_montgomery, u1 + 1, mu / (n1 + 1),
                                 half * (1 - omega) * (m_l / (n1 + 1)) * (m_l / (n1 + 1)));
        }
    }

    std::uint32_t m_kMax;
    std::uint32_t m_length;
    long double m_l;
    long double m_nStar;
    long double m_n1;
    long double m_weight;
    std::vector<long double> m_cramer;
    std::vector<long double> m_poisson;
    std::vector<long double> m_montgomery;
    VarianceSums m_variances{m_l, m_nStar, m_weight};
};

}  // namespace

void VarianceSums::add(long double p, long double spread, std::uint64_t count, bool fallsBack) {
    const long double squares = count * p * p + spread;  // of p_r
    m_sumMean += m_l * p * count;
    m_sumSquare += m_l * m_l * squares;
    m_sumBinomial += m_l * (p * count - squares);
    if (fallsBack) {
        m_fallbackRows += count;
        m_sumMontgomery += m_l * (p * count - squares);
    } else {
        m_sumMontgomery += m_l * p * count - m_l * m_l * squares / m_nStar;
    }
}

VarianceSums::Variances VarianceSums::variances() const {
    const long double mean = m_sumMean * m_weight;
    const long double spread = m_sumSquare * m_weight - mean * mean;  // of L p_r across the rows
    return {static_cast<double>(m_sumBinomial * m_weight + spread),
            static_cast<double>(mean + spread),
            static_cast<double>(m_sumMontgomery * m_weight + spread), m_fallbackRows};
}

namespace {

// Adds the rows from row r on that go in together (at least one) and returns how many they are.
std::uint64_t addRowGroup(RowGroupSink& sums, const ModelRows& rows, std::uint64_t r,
                          long double groupSpread) {
    const long double l = rows.length;
    const long double rowFirst = rows.first + static_cast<long double>(r) * l;
    if (!midpointSuffices(rowFirst, l)) {
        sums.addRows(rowProbability(rowFirst, rows.length), 0, 1);
        return 1;
    }
    // Over c numbers from c on, 1 / ln changes by about a share 1 / ln c of itself.
    const long double centre = rowFirst + (l - 1) / 2;
    const long double share = groupSpread / sums.countScale(l / std::log(centre));
    const long double reach = share * centre * std::log(centre) / l;
    std::uint64_t count = std::max<std::uint64_t>(
        1, std::min<std::uint64_t>(rows.rows - r, static_cast<std::uint64_t>(reach)));
    // A group holds rows of one kind in the Montgomery-Soundararajan model.
    while (count > 1 &&
           sums.fallsBack(rowProbability(rowFirst, rows.length)) !=
               sums.fallsBack(rowProbability(rowFirst + (count - 1) * l, rows.length))) {
        count /= 2;
    }
    const long double numbers = static_cast<long double>(count) * l;
    const long double p = sumQ(rowFirst, count * rows.length) / numbers;
    // p_r falls with r nearly in a line: its slope L q'(x), q' = -1 / (x ln^2 x).
    const long double middle = rowFirst + (numbers - 1) / 2;
    const long double lnMiddle = std::log(middle);
    const long double slope = l / (middle * lnMiddle * lnMiddle);
    const long double k = count;
    sums.addRows(p, slope * slope * k * (k * k - 1) / 12, count);
    return count;
}

}  // namespace

void addRowGroups(const ModelRows& rows, long double groupSpread, RowGroupSink& sink) {
    for (std::uint64_t r = 0; r < rows.rows;) {
        r += addRowGroup(sink, rows, r, groupSpread);
    }
}

ModelShares computeModels(const ModelRows& rows, std::uint32_t kMax, ModelPrecision precision) {
    if (rows.rows == 0) {
        const std::vector<double> none(kMax + 1);
        return {none, none, none, 0, 0, 0, 0, predictedN(rows.length)};
    }
    const long double groupSpread = precision == ModelPrecision::Exact ? kGroupSpread : 5e-2L;
    ModelSums sums(rows, kMax);
    addRowGroups(rows, groupSpread, sums);
    return sums.shares();
}

double totalVariation(const Frequencies& h, double beyond, const std::vector<double>& m) {
    const long double tallied = 1.0L - beyond;
    long double sum = 0;
    long double modelTallied = 0;
    for (std::size_t k = 0; k < h.size(); ++k) {
        const long double model = k < m.size() ? m[k] : 0.0L;
        sum += std::fabs(static_cast<long double>(h[k]) * tallied - model);
        modelTallied += model;
    }
    sum += std::fabs(static_cast<long double>(beyond) - (1.0L - modelTallied));
    return static_cast<double>(sum / 2);
}

ModelComparison compareModels(const ModelShares& models, const Frequencies& h, double beyond) {
    ModelComparison comparison;
    comparison.observed = h;
    comparison.fit = fitBinomial(h);
    const std::vector<double> moments = binomialColumn(comparison.fit, comparison.moments.size());
    std::copy(moments.begin(), moments.end(), comparison.moments.begin());
    comparison.models = models;
    comparison.tvMoments = totalVariation(h, beyond, moments);
    comparison.tvCramer = totalVariation(h, beyond, comparison.models.cramer);
    comparison.tvPoisson = totalVariation(h, beyond, comparison.models.poisson);
    comparison.tvMontgomery = totalVariation(h, beyond, comparison.models.montgomery);
    const double deviation = standardDeviation(h);
    comparison.varianceObserved = deviation * deviation;
    comparison.varianceMoments = comparison.fit.n * comparison.fit.p * (1 - comparison.fit.p);
    return comparison;
}

}  // namespace core
