#include "engine/statistics/distribution.h"

#include <gtest/gtest.h>
#include <quadmath.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/rows/rows.h"
#include "engine/statistics/point_masses.h"
#include "engine/texts/summary_text.h"

namespace core {
namespace {

using Quad = __float128;

// The models as the definition has them, row by row without groups, every mass from ln k! in
// quadruple precision: what the grouped long double computation must agree with.
struct Reference {
    std::vector<Quad> cramer;
    std::vector<Quad> poisson;
    std::vector<Quad> montgomery;
    Quad outsideCramer = 0;
    Quad outsidePoisson = 0;
    Quad outsideMontgomery = 0;
    Quad varianceCramer = 0;
    Quad variancePoisson = 0;
    Quad varianceMontgomery = 0;
};

Quad logChoose(Quad n, Quad k) {
    return lgammaq(n + 1) - lgammaq(k + 1) - lgammaq(n - k + 1);
}

// weight * B(n, p; k) at k = first..last, from ln B at the mode (or the nearest end) outwards;
// returns the weighted mass outside as the weight minus the inside.
Quad addBinomial(std::vector<Quad>& shares, std::uint64_t first, std::uint64_t last,
                 std::uint64_t n, Quad p, Quad weight) {
    last = std::min(last, n);
    if (first > last) {
        return weight;
    }
    const auto mode = static_cast<std::uint64_t>(floorq((n + 1) * p));
    const std::uint64_t anchor = std::clamp(std::min(mode, n), first, last);
    const Quad at = expq(logChoose(n, anchor) + anchor * logq(p) + (n - anchor) * log1pq(-p));
    const Quad ratio = p / (1 - p);
    Quad inside = 0;
    Quad mass = at;
    for (std::uint64_t k = anchor; k <= last; ++k) {
        shares[k - first] += weight * mass;
        inside += mass;
        mass *= static_cast<Quad>(n - k) * ratio / (k + 1);
    }
    mass = at;
    for (std::uint64_t k = anchor; k > first; --k) {
        mass *= k / (static_cast<Quad>(n - k + 1) * ratio);
        shares[k - 1 - first] += weight * mass;
        inside += mass;
    }
    return weight * (1 - inside);
}

Quad addPoisson(std::vector<Quad>& shares, std::uint64_t first, std::uint64_t last, Quad lambda,
                Quad weight) {
    const auto anchor = std::clamp(static_cast<std::uint64_t>(floorq(lambda)), first, last);
    const Quad at = expq(-lambda + anchor * logq(lambda) - lgammaq(static_cast<Quad>(anchor) + 1));
    Quad inside = 0;
    Quad mass = at;
    for (std::uint64_t k = anchor; k <= last; ++k) {
        shares[k - first] += weight * mass;
        inside += mass;
        mass *= lambda / (k + 1);
    }
    mass = at;
    for (std::uint64_t k = anchor; k > first; --k) {
        mass *= k / lambda;
        shares[k - 1 - first] += weight * mass;
        inside += mass;
    }
    return weight * (1 - inside);
}

Reference referenceModels(const ModelRows& rows, std::uint64_t first, std::uint64_t last) {
    const std::size_t width = last - first + 1;
    Reference ref{std::vector<Quad>(width), std::vector<Quad>(width), std::vector<Quad>(width)};
    const Quad l = rows.length;
    const Quad nStar = predictedN(rows.length);
    const auto n1 = static_cast<std::uint64_t>(floorq(nStar));
    const Quad omega = (1 / nStar - 1 / (static_cast<Quad>(n1) + 1)) /
                       (1 / static_cast<Quad>(n1) - 1 / (static_cast<Quad>(n1) + 1));
    const Quad w = 1 / static_cast<Quad>(rows.rows);
    // Summing every number where that stays quick; above, the midpoint rule, which holds p_r to
    // about 1e-13 and so each share to far better than 1e-9.
    const bool everyNumber = rows.rows * rows.length <= 20'000'000;
    Quad sumMu = 0;
    Quad sumMuSquare = 0;
    for (std::uint64_t r = 0; r < rows.rows; ++r) {
        const long double rowFirst = rows.first + static_cast<long double>(r) * rows.length;
        const Quad p = everyNumber ? rowProbabilityExactly(rowFirst, rows.length)
                                   : rowProbability(rowFirst, rows.length);
        const Quad mu = l * p;
        sumMu += mu;
        sumMuSquare += mu * mu;
        ref.outsideCramer += addBinomial(ref.cramer, first, last, rows.length, p, w);
        ref.varianceCramer += w * mu * (1 - p);
        ref.outsidePoisson += addPoisson(ref.poisson, first, last, mu, w);
        ref.variancePoisson += w * mu;
        if (nStar < 1 || mu > n1) {
            ref.outsideMontgomery += addBinomial(ref.montgomery, first, last, rows.length, p, w);
            ref.varianceMontgomery += w * mu * (1 - p);
        } else {
            ref.outsideMontgomery +=
                addBinomial(ref.montgomery, first, last, n1, mu / n1, w * omega);
            ref.outsideMontgomery +=
                addBinomial(ref.montgomery, first, last, n1 + 1, mu / (n1 + 1), w * (1 - omega));
            ref.varianceMontgomery += w * mu * (1 - mu / nStar);
        }
    }
    const Quad spread = sumMuSquare * w - (sumMu * w) * (sumMu * w);
    ref.varianceCramer += spread;
    ref.variancePoisson += spread;
    ref.varianceMontgomery += spread;
    return ref;
}

void expectShares(const std::vector<double>& shares, const std::vector<Quad>& ref,
                  const char* model, std::uint64_t first) {
    ASSERT_EQ(shares.size(), ref.size()) << model;
    int failures = 0;
    for (std::size_t i = 0; i < ref.size() && failures < 5; ++i) {
        const auto expected = static_cast<double>(ref[i]);
        const bool ok = expected > 1e-300 ? std::fabs(shares[i] - expected) <= 1e-9 * expected
                                          : std::fabs(shares[i]) <= 1e-290;
        if (!ok) {
            ++failures;
            ADD_FAILURE() << model << " at k = " << first + i << ": " << shares[i] << " against "
                          << expected;
        }
    }
}

void expectOutside(double outside, Quad ref, const char* model) {
    const auto expected = static_cast<double>(ref);
    EXPECT_NEAR(outside, expected, 1e-9 * expected + 1e-25) << model;
}

struct Case {
    long double first;
    std::uint32_t length;
    std::uint64_t rows;
};

// The counts a range's rows may hold: their means, widened by twelve deviations, whose masses
// near e^-72 show whether the far tails keep their relative precision.
std::pair<std::uint64_t, std::uint64_t> plausibleCounts(const Case& c) {
    const long double low = rowProbability(c.first + (c.rows - 1.0L) * c.length, c.length);
    const long double high = rowProbability(c.first, c.length);
    const long double deviation = std::sqrt(c.length * high) + 1;
    const long double from = std::max(0.0L, std::floor(c.length * low - 12 * deviation));
    const long double to =
        std::min<long double>(c.length, std::ceil(c.length * high + 12 * deviation));
    return {static_cast<std::uint64_t>(from), static_cast<std::uint64_t>(to)};
}

TEST(WholeModels, EveryShareAgreesWithTheRowByRowSumInQuadruplePrecision) {
    const long double top = 18446744073709551616.0L;  // 2^64
    std::vector<Case> cases;
    for (const auto& [length, rows] : {std::pair<std::uint32_t, std::uint64_t>{10, 5000},
                                       {1000, 500},
                                       {100'000, 20},
                                       {10'000'000, 3}}) {
        for (const long double height : {1.0L, 1e6L, 1e9L, 1e12L, 1e18L}) {
            cases.push_back({height, length, rows});
        }
        cases.push_back({top - static_cast<long double>(rows) * length, length, rows});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "L = " << c.length << " from " << static_cast<double>(c.first) << ", "
                     << c.rows << " rows");
        const auto [first, last] = plausibleCounts(c);
        const ModelRows rows{c.first, c.length, c.rows};
        const WholeModelShares shares = computeWholeModels(rows, first, last);
        const Reference ref = referenceModels(rows, first, last);
        EXPECT_EQ(shares.first, first);
        EXPECT_EQ(shares.last, last);
        expectShares(shares.cramer, ref.cramer, "Cramér", first);
        expectShares(shares.poisson, ref.poisson, "Poisson", first);
        expectShares(shares.montgomery, ref.montgomery, "Montgomery", first);
        expectOutside(shares.outsideCramer, ref.outsideCramer, "Cramér");
        expectOutside(shares.outsidePoisson, ref.outsidePoisson, "Poisson");
        expectOutside(shares.outsideMontgomery, ref.outsideMontgomery, "Montgomery");
        const auto nearVariance = [](double value, Quad expected) {
            EXPECT_NEAR(value, static_cast<double>(expected), 1e-9 * static_cast<double>(expected));
        };
        nearVariance(shares.varianceCramer, ref.varianceCramer);
        nearVariance(shares.variancePoisson, ref.variancePoisson);
        nearVariance(shares.varianceMontgomery, ref.varianceMontgomery);
    }
}

RowTally countedTally(const RowRange& range) {
    ScanControl control;
    return countRange(range, 2, control);
}

RowRange rowsFrom(Number from, std::uint32_t length, std::uint64_t rows) {
    return {from, from + static_cast<Number>(rows * length) - 1, length};
}

// Where no row holds more than 20 primes the distances are those of the windows' comparison, to
// the last bit, and the shares over the counts that occur agree with computeModels.
TEST(WholeComparison, WithinTwentyTheDistancesAreTheWindowsOwn) {
    for (const RowRange& range : {rowsFrom(1, 10, 1000), rowsFrom(1'000'001, 90, 5000),
                                  rowsFrom(1'000'000'001, 30, 20000)}) {
        SCOPED_TRACE(testing::Message() << "L = " << range.length);
        const RowTally tally = countedTally(range);
        ASSERT_EQ(tally.over20, 0U);
        const WholeComparison whole = compareWholeModels(tally, modelRows(range));
        const ModelShares models = computeModels(modelRows(range));
        const ModelComparison windows = compareModels(models, rowShares(tally), 0.0);
        EXPECT_EQ(whole.tvCramer, windows.tvCramer);
        EXPECT_EQ(whole.tvPoisson, windows.tvPoisson);
        EXPECT_EQ(whole.tvMontgomery, windows.tvMontgomery);
        ASSERT_TRUE(whole.tvMoments.has_value());
        EXPECT_EQ(*whole.tvMoments, windows.tvMoments);
        const WholeModelShares& m = whole.models;
        EXPECT_EQ(m.first, tally.lowestCount());
        EXPECT_EQ(m.last, tally.highestCount());
        for (std::uint64_t k = m.first; k <= m.last; ++k) {
            EXPECT_NEAR(m.cramer[k - m.first], models.cramer[k], 1e-12) << k;
            EXPECT_NEAR(m.poisson[k - m.first], models.poisson[k], 1e-12) << k;
            EXPECT_NEAR(m.montgomery[k - m.first], models.montgomery[k], 1e-12) << k;
        }
        EXPECT_NEAR(m.varianceMontgomery, models.varianceMontgomery, 1e-12);
    }
}

// Rows below 2 (no primes), rows of one and two numbers (the Montgomery-Soundararajan model
// falls back), short rows high up: over 0..20 the same shares, variances and fallbacks as
// computeModels, and a Poisson tail above 20 that keeps its digits where 1 minus the sum has none.
TEST(WholeModels, OverZeroToTwentyTheyAreTheWindowsModels) {
    for (const ModelRows& rows : {ModelRows{-495, 7, 143}, ModelRows{1, 1, 100},
                                  ModelRows{1, 2, 50}, ModelRows{1e15L + 1, 3, 100'000}}) {
        SCOPED_TRACE(static_cast<double>(rows.first));
        const ModelShares windows = computeModels(rows, 20);
        const WholeModelShares whole = computeWholeModels(rows, 0, 20);
        for (std::size_t k = 0; k <= 20; ++k) {
            EXPECT_NEAR(whole.cramer[k], windows.cramer[k], 1e-15) << k;
            EXPECT_NEAR(whole.poisson[k], windows.poisson[k], 1e-15) << k;
            EXPECT_NEAR(whole.montgomery[k], windows.montgomery[k], 1e-15) << k;
        }
        EXPECT_DOUBLE_EQ(whole.varianceMontgomery, windows.varianceMontgomery);
        EXPECT_EQ(whole.montgomeryFallbackRows, windows.montgomeryFallbackRows);
    }
    // Three numbers near 10^15 hold more than 20 primes, in the Poisson limit, with a chance of
    // about (3 / 34.5)^21 / 21!.
    const WholeModelShares high = computeWholeModels({1e15L + 1, 3, 1}, 0, 20);
    const Quad lambda = 3 * static_cast<Quad>(rowProbability(1e15L + 1, 3));
    Quad above = 0;
    Quad term = expq(-lambda) * powq(lambda, 21) / tgammaq(22);
    for (int k = 21; k < 60; ++k) {
        above += term;
        term *= lambda / (k + 1);
    }
    EXPECT_NEAR(high.outsidePoisson, static_cast<double>(above), 1e-9 * static_cast<double>(above));
    EXPECT_EQ(high.outsideCramer, 0.0);  // three numbers never hold more than three primes
}

Quad referenceDistance(const RowTally& tally, const std::vector<Quad>& shares, Quad outside,
                       std::uint64_t first) {
    Quad sum = outside;
    for (std::size_t i = 0; i < shares.size(); ++i) {
        sum += fabsq(static_cast<Quad>(tally.rowsWith(first + i)) / tally.totalRows() - shares[i]);
    }
    return sum / 2;
}

// Rows of a thousand numbers hold some 70 primes near a million: every distance and ratio over
// the whole distribution against the row-by-row reference.
TEST(WholeComparison, BeyondTwentyTheDistancesCoverEveryCount) {
    const RowRange range = rowsFrom(1'000'001, 1000, 300);
    const RowTally tally = countedTally(range);
    ASSERT_GT(tally.over20, 0U);
    const WholeComparison whole = compareWholeModels(tally, modelRows(range));
    const std::uint64_t first = tally.lowestCount();
    const Reference ref = referenceModels(modelRows(range), first, tally.highestCount());
    const auto near = [](double value, Quad expected) {
        EXPECT_NEAR(value, static_cast<double>(expected), 1e-10);
    };
    near(whole.tvCramer, referenceDistance(tally, ref.cramer, ref.outsideCramer, first));
    near(whole.tvPoisson, referenceDistance(tally, ref.poisson, ref.outsidePoisson, first));
    near(whole.tvMontgomery,
         referenceDistance(tally, ref.montgomery, ref.outsideMontgomery, first));
    const double v = whole.observed.variance;
    EXPECT_NEAR(whole.ratioCramer, v / static_cast<double>(ref.varianceCramer), 1e-9);
    EXPECT_NEAR(whole.ratioMontgomery, v / static_cast<double>(ref.varianceMontgomery), 1e-9);
    // The fit's masses are those of its own binomial, whatever it is.
    ASSERT_TRUE(whole.observed.fit.has_value());
    const WholeFit fit = *whole.observed.fit;
    std::vector<Quad> moments(whole.moments.size());
    const Quad outside = addBinomial(moments, first, tally.highestCount(), fit.n, fit.p, 1);
    expectShares(whole.moments, moments, "B(n;p)", first);
    ASSERT_TRUE(whole.tvMoments.has_value());
    near(*whole.tvMoments, referenceDistance(tally, moments, outside, first));
}

RowTally tallyOf(std::initializer_list<std::pair<std::uint64_t, std::uint64_t>> rows) {
    RowTally tally;
    for (const auto& [count, number] : rows) {
        for (std::uint64_t i = 0; i < number; ++i) {
            tally.add(count);
        }
    }
    return tally;
}

// A fit with a large n, as rows of millions of numbers give it: its masses in logarithms, each
// to a relative 1e-9 however far from the mode; and none where the variance reaches the mean.
TEST(WholeComparison, TheMomentFitOverAllRowsAtLargeN) {
    for (const auto& tally :
         {tallyOf({{3541, 7}, {3659, 7}}), tallyOf({{599'230, 3}, {600'000, 1}, {600'770, 3}})}) {
        const RowStatistics statistics = rowStatistics(tally);
        ASSERT_TRUE(statistics.fit.has_value());
        const WholeFit fit = *statistics.fit;
        EXPECT_GT(fit.n, 100'000U);
        const WholeComparison whole = compareWholeModels(tally, {1e12L, 100'000, 15});
        std::vector<Quad> moments(tally.highestCount() - tally.lowestCount() + 1);
        const Quad outside =
            addBinomial(moments, tally.lowestCount(), tally.highestCount(), fit.n, fit.p, 1);
        expectShares(whole.moments, moments, "B(n;p)", tally.lowestCount());
        EXPECT_NEAR(whole.outsideMoments, static_cast<double>(outside),
                    1e-9 * static_cast<double>(outside));
    }
    const RowTally even = tallyOf({{3540, 5}, {3660, 5}});  // variance 3600, the mean
    const WholeComparison whole = compareWholeModels(even, {1e12L, 100'000, 10});
    EXPECT_FALSE(whole.observed.fit.has_value());
    EXPECT_TRUE(whole.moments.empty());
    EXPECT_FALSE(whole.tvMoments.has_value());
    EXPECT_GT(whole.tvCramer, 0.0);
}

TEST(RowStatistics, AgreesWithTheRowsOneByOne) {
    const RowStatistics none = rowStatistics(RowTally{});
    EXPECT_EQ(none.rows, 0U);
    EXPECT_FALSE(none.fit.has_value());

    const RowStatistics one = rowStatistics(tallyOf({{25, 1}}));
    EXPECT_EQ(one.rows, 1U);
    EXPECT_EQ(one.mean, 25.0);
    EXPECT_EQ(one.variance, 0.0);
    ASSERT_TRUE(one.fit.has_value());  // a point mass: B(25; 1)
    EXPECT_EQ(one.fit->n, 25U);
    EXPECT_EQ(one.fit->p, 1.0);

    EXPECT_FALSE(rowStatistics(tallyOf({{0, 4}})).fit.has_value());            // a mean of 0
    EXPECT_FALSE(rowStatistics(tallyOf({{10, 1}, {40, 1}})).fit.has_value());  // 225 > 25

    const std::vector<std::uint64_t> counts{3, 7, 12, 20, 21, 21, 24, 30, 33, 19, 8};
    RowTally tally;
    long double sum = 0;
    for (const std::uint64_t count : counts) {
        tally.add(count);
        sum += count;
    }
    const long double mean = sum / counts.size();
    long double squares = 0;
    for (const std::uint64_t count : counts) {
        squares += (count - mean) * (count - mean);
    }
    const long double variance = squares / counts.size();
    const RowStatistics statistics = rowStatistics(tally);
    EXPECT_EQ(statistics.rows, counts.size());
    EXPECT_DOUBLE_EQ(statistics.mean, static_cast<double>(mean));
    EXPECT_DOUBLE_EQ(statistics.variance, static_cast<double>(variance));
    EXPECT_DOUBLE_EQ(statistics.deviation, static_cast<double>(std::sqrt(variance)));
    EXPECT_FALSE(statistics.fit.has_value());  // these rows spread wider than their mean

    // Rows closer together than a binomial of their mean: n p is the mean, n p (1 - p) as near
    // the variance as a whole n allows.
    const RowStatistics close = rowStatistics(tallyOf({{18, 2}, {20, 3}, {23, 3}, {26, 2}}));
    ASSERT_TRUE(close.fit.has_value());
    const double n = static_cast<double>(close.fit->n);
    EXPECT_NEAR(n * close.fit->p, close.mean, close.fit->p / 2);
    EXPECT_NEAR(n * close.fit->p * (1 - close.fit->p), close.variance, close.variance / n);
}

}  // namespace
}  // namespace core
