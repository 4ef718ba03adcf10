#include "engine/statistics/models.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <cmath>
#include <numeric>
#include <optional>
#include <tuple>

#include "core/conversions.h"
#include "core/row_scan.h"
#include "engine/rows/row_lengths.h"
#include "engine/texts/summary_text.h"

namespace core {
namespace {

double sum(const std::vector<double>& shares) {
    return std::accumulate(shares.begin(), shares.end(), 0.0);
}

TEST(Models, SumToOneOverEveryCount) {
    for (const auto& rows :
         {ModelRows{1, 10, 1000}, ModelRows{1, 120, 500}, ModelRows{9'999'001, 90, 100},
          ModelRows{-495, 7, 143}, ModelRows{1e18L + 1, 90, 10}}) {
        // Up to the row's length for Cramér's model; a Poisson count may exceed it.
        const ModelShares shares = computeModels(rows, rows.length + 200);
        EXPECT_NEAR(sum(shares.cramer), 1.0, 1e-12) << static_cast<double>(rows.first);
        EXPECT_DOUBLE_EQ(shares.cramer.back(), 0.0);
        EXPECT_NEAR(sum(shares.poisson), 1.0, 1e-12) << static_cast<double>(rows.first);
    }
}

// One row, 91..180: the binomial and the Poisson shares of its own mean probability.
TEST(Models, OneRowIsItsOwnBinomialAndPoisson) {
    long double p = 0;
    for (int m = 91; m <= 180; ++m) {
        p += 1 / std::log(static_cast<long double>(m));
    }
    p /= 90;
    const ModelShares shares = computeModels({91, 90, 1});
    for (int k = 0; k <= 20; ++k) {
        const long double choose =
            std::tgamma(91.0L) / (std::tgamma(k + 1.0L) * std::tgamma(91.0L - k));
        const long double binomial = choose * std::pow(p, k) * std::pow(1 - p, 90 - k);
        const long double poisson = std::exp(-90 * p) * std::pow(90 * p, k) / std::tgamma(k + 1.0L);
        EXPECT_NEAR(shares.cramer[static_cast<std::size_t>(k)], static_cast<double>(binomial),
                    1e-12)
            << k;
        EXPECT_NEAR(shares.poisson[static_cast<std::size_t>(k)], static_cast<double>(poisson),
                    1e-12)
            << k;
    }
    EXPECT_NEAR(shares.varianceCramer, static_cast<double>(90 * p * (1 - p)), 1e-9);
    EXPECT_NEAR(shares.variancePoisson, static_cast<double>(90 * p), 1e-9);
}

// Numbers below 2 are never prime; 2 is prime for certain; a row of them all has no primes.
TEST(Models, RowsBelowTwoHoldNoPrimes) {
    const ModelShares below = computeModels({-99, 10, 10});  // -99..0
    EXPECT_DOUBLE_EQ(below.cramer[0], 1.0);
    EXPECT_DOUBLE_EQ(below.poisson[0], 1.0);
    EXPECT_DOUBLE_EQ(below.varianceCramer, 0.0);
    const ModelShares two = computeModels({2, 1, 1});  // the row {2}
    EXPECT_DOUBLE_EQ(two.cramer[1], 1.0);
    // A negative range that reaches 1..7: the last of seven rows holds 2, 3, 5, 7 at most.
    const ModelShares mixed = computeModels({-41, 7, 7});
    EXPECT_NEAR(sum(mixed.cramer), 1.0, 1e-12);
    EXPECT_GT(mixed.cramer[0], 6.0 / 7);
}

TEST(Models, TheMidpointRuleAgreesWithSummingEveryNumber) {
    for (const long double first : {1.0L, 4000.0L, 4097.0L, 100'001.0L, 9'999'881.0L, 1e12L + 1}) {
        for (const std::uint32_t length : {1U, 10U, 120U, 1000U, 100'000U}) {
            const long double exact = rowProbabilityExactly(first, length);
            if (exact == 0) {  // the row {1}
                EXPECT_EQ(rowProbability(first, length), 0.0L);
                continue;
            }
            EXPECT_NEAR(static_cast<double>(rowProbability(first, length) / exact), 1.0, 1e-12)
                << static_cast<double>(first) << " " << length;
        }
    }
}

TEST(Models, TotalVariationMeasuresHowManyRowsMove) {
    Frequencies h{};
    h[3] = 0.25;
    h[4] = 0.75;
    EXPECT_DOUBLE_EQ(totalVariation(h, 0.0, std::vector<double>(h.begin(), h.end())), 0.0);
    // Rows of ten: all of Cramér's mass lies within 0..20.
    const ModelShares shares = computeModels({1, 10, 1000});
    Frequencies point{};
    point[3] = 1.0;
    EXPECT_NEAR(totalVariation(point, 0.0, shares.cramer), 1 - shares.cramer[3], 1e-12);
}

// The start-up scan, 1..45,000 in rows of 90, from the rows to the comparison the overlay's
// legend shows, without a window; one of the 500 rows holds more than 20 primes and counts in
// every distance.
TEST(Models, TheComparisonOfTheStartUpScan) {
    const auto range = adjustToRows(1, 45'000, 90);
    ASSERT_TRUE(range);
    const ScanResult scan = scanRows(*range);
    const std::array<double, 21> shares = rowShares(scan.tally);
    const ModelComparison comparison =
        compareModels(computeModels(modelRows(*range)), shares, beyondTwentyShare(scan.tally));
    EXPECT_EQ(comparison.observed, shares);
    EXPECT_EQ(comparison.fit.n, 18);
    EXPECT_EQ(text::formatFixed(comparison.fit.p, 6, 4, {Language::German, U','}), "0,5058");
    for (int k = 0; k <= 20; ++k) {
        EXPECT_EQ(comparison.moments[static_cast<std::size_t>(k)],
                  binomialProbability(18, k, comparison.fit.p));
    }
    EXPECT_EQ(comparison.models.montgomeryFallbackRows, 4U);
    EXPECT_LT(comparison.varianceObserved, comparison.models.varianceCramer);
}

// The reference for the start-up scan, summed row by row and number by number apart from this
// program, kept beside the repository with the other reference outputs.
std::optional<QJsonObject> startUpReference() {
    QFile file(QStringLiteral(PRIMZEILEN_GOLDEN "/models_1_45000_90.json"));
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return QJsonDocument::fromJson(file.readAll()).object();
}

TEST(Models, TheStartUpScanAgreesWithTheReference) {
    const std::optional<QJsonObject> reference = startUpReference();
    if (!reference) {
        if (qEnvironmentVariable("CI") == QStringLiteral("true")) {
            FAIL() << "no reference outputs in " PRIMZEILEN_GOLDEN;
        }
        GTEST_SKIP() << "no reference outputs in " PRIMZEILEN_GOLDEN;
    }
    const auto range = adjustToRows(1, 45'000, 90);
    ASSERT_TRUE(range);
    const ScanResult scan = scanRows(*range);
    const ModelComparison comparison = compareModels(
        computeModels(modelRows(*range)), rowShares(scan.tally), beyondTwentyShare(scan.tally));

    const QJsonArray montgomery = (*reference)[u"montgomery_soundararajan_M_k"].toArray();
    ASSERT_EQ(montgomery.size(), 21);
    ASSERT_EQ(comparison.models.montgomery.size(), 21U);
    for (std::size_t k = 0; k <= 20; ++k) {
        EXPECT_NEAR(comparison.models.montgomery[k],
                    montgomery[static_cast<qsizetype>(k)].toDouble(), 1e-13)
            << k;
    }
    EXPECT_EQ(comparison.models.montgomeryFallbackRows,
              (*reference)[u"rows_with_cramer_fallback"].toInteger(-1));
    EXPECT_NEAR(comparison.models.predictedN, (*reference)[u"n_star"].toDouble(), 1e-12);
    const QJsonObject tv = (*reference)[u"tv_whole_distribution"].toObject();
    ASSERT_EQ(tv.size(), 4);
    EXPECT_NEAR(comparison.tvMoments, tv[u"momente"].toDouble(), 1e-12);
    EXPECT_NEAR(comparison.tvCramer, tv[u"cramer"].toDouble(), 1e-12);
    EXPECT_NEAR(comparison.tvPoisson, tv[u"poisson"].toDouble(), 1e-12);
    EXPECT_NEAR(comparison.tvMontgomery, tv[u"montgomery_soundararajan"].toDouble(), 1e-12);
}

// Rows taken together must give what summing the rows one by one gives, to 1e-12 of each
// share: near the start, at 10^12 and at 10^18, for short and long rows.
TEST(Models, GroupsOfRowsAgreeWithTheRowByRowSum) {
    for (const ModelRows& rows :
         {ModelRows{1, 10, 100'000}, ModelRows{1, 120, 5'000}, ModelRows{1e12L + 1, 90, 20'000},
          ModelRows{1e18L + 1, 90, 5'000}, ModelRows{1e18L + 1, 10, 50'000}}) {
        const ModelShares grouped = computeModels(rows);
        std::vector<long double> cramer(21), poisson(21), montgomery(21);
        for (std::uint64_t r = 0; r < rows.rows; ++r) {
            const ModelShares one = computeModels(
                {rows.first + static_cast<long double>(r) * rows.length, rows.length, 1});
            for (std::size_t k = 0; k < 21; ++k) {
                cramer[k] += one.cramer[k];
                poisson[k] += one.poisson[k];
                montgomery[k] += one.montgomery[k];
            }
        }
        const auto expectClose = [&](const std::vector<double>& got,
                                     const std::vector<long double>& sums, const char* model) {
            for (std::size_t k = 0; k < 21; ++k) {
                const double expected = static_cast<double>(sums[k] / rows.rows);
                EXPECT_NEAR(got[k], expected, 1e-12 * expected + 1e-300)
                    << model << " k " << k << " at " << static_cast<double>(rows.first)
                    << ", length " << rows.length;
            }
        };
        expectClose(grouped.cramer, cramer, "Cramér");
        expectClose(grouped.poisson, poisson, "Poisson");
        expectClose(grouped.montgomery, montgomery, "Montgomery-Soundararajan");
    }
}

// Every length of a comparison is the run of that length on its own: the same rows, tally, fit
// and distances, whether the range is marked once (below zero too) or counted anew for each
// length (more than 20,000,000 numbers).
TEST(RowLengths, EachLengthIsItsOwnRun) {
    for (const auto& [from, to, shortest, longest] :
         {std::tuple<Number, Number, std::uint32_t, std::uint32_t>{-500, 45'000, 88, 92},
          {Number{1'000'000'000'000}, Number{1'000'030'000'000}, 30, 31}}) {
        ScanControl control;
        const auto results = compareRowLengths(from, to, shortest, longest, 2, control);
        ASSERT_EQ(results.size(), longest - shortest + 1);
        for (const RowLengthResult& result : results) {
            const auto range = adjustToRows(from, to, result.length);
            ASSERT_TRUE(range && result.range);
            EXPECT_EQ(result.range->first, range->first);
            ScanControl own;
            const RowTally tally = countRange(*range, 2, own);
            EXPECT_EQ(result.tally, tally) << result.length;
            ASSERT_TRUE(result.comparison) << result.length;
            const ModelComparison alone = compareModels(computeModels(modelRows(*range)),
                                                        rowShares(tally), beyondTwentyShare(tally));
            EXPECT_EQ(result.comparison->fit.n, alone.fit.n);
            EXPECT_EQ(result.comparison->fit.p, alone.fit.p);
            EXPECT_EQ(result.comparison->tvMontgomery, alone.tvMontgomery);
            EXPECT_EQ(result.predictedN, predictedN(result.length));
        }
    }
}

// The window's progress hears of each length in turn, and a stop it asks for after a length
// keeps the lengths done.
TEST(RowLengths, ReportsEachLengthAndStopsWhereAsked) {
    ScanControl control;
    std::vector<std::uint32_t> heard;
    const auto results = compareRowLengths(1, 45'000, 10, 120, 1, control, ModelPrecision::Display,
                                           [&](std::uint32_t length) {
                                               heard.push_back(length);
                                               control.stop = length == 12;
                                           });
    EXPECT_EQ(heard, (std::vector<std::uint32_t>{10, 11, 12}));
    ASSERT_EQ(results.size(), 3U);
    EXPECT_EQ(results.back().length, 12U);
    EXPECT_TRUE(results.back().comparison);
}

// What the windows draw and show with three decimals may group more coarsely: still within 1e-7
// of each share.
TEST(Models, TheDisplayPrecisionStaysCloseToTheExactShares) {
    for (const ModelRows& rows : {ModelRows{1, 10, 1'000'000}, ModelRows{1, 120, 83'333}}) {
        const ModelShares exact = computeModels(rows);
        const ModelShares shown = computeModels(rows, 20, ModelPrecision::Display);
        for (std::size_t k = 0; k <= 20; ++k) {
            EXPECT_NEAR(shown.cramer[k], exact.cramer[k], 1e-7 * exact.cramer[k] + 1e-15) << k;
            EXPECT_NEAR(shown.montgomery[k], exact.montgomery[k],
                        1e-7 * exact.montgomery[k] + 1e-15)
                << k;
        }
        EXPECT_EQ(shown.montgomeryFallbackRows, exact.montgomeryFallbackRows);
    }
}

// n* = L / (ln L + gamma + ln 2 pi - 1), worked out by hand (ln 10 = 2.302585092994,
// gamma + ln 2 pi - 1 = 1.415092731311).
TEST(Montgomery, PredictedNDependsOnTheRowLengthAlone) {
    EXPECT_NEAR(predictedN(10), 2.6898511577909, 1e-12);
    EXPECT_NEAR(predictedN(30), 6.2288606575407, 1e-12);
    EXPECT_NEAR(predictedN(90), 15.2158047400797, 1e-12);
    EXPECT_NEAR(predictedN(120), 19.3467739941662, 1e-12);
}

// Each row's mixture is a distribution with the row's mean and the model's variance, for means
// that need both parts, one part, and the fallback to Cramér's binomial.
TEST(Montgomery, ARowHasItsMeanAndTheReducedVariance) {
    for (const std::uint32_t length : {10u, 30u, 90u, 120u}) {
        const long double nStar = predictedN(length);
        for (const long double mu : {0.05L, 0.7L, 1.9L, 4.4L, 12.0L, 18.5L}) {
            if (mu > length) {
                continue;  // a row holds at most L primes
            }
            std::vector<long double> shares(length + 1, 0.0L);
            const bool mixed = addMontgomeryRow(shares, length, mu, 1.0L);
            long double total = 0;
            long double mean = 0;
            long double square = 0;
            for (std::size_t k = 0; k < shares.size(); ++k) {
                total += shares[k];
                mean += k * shares[k];
                square += k * k * shares[k];
            }
            const long double variance = square - mean * mean;
            EXPECT_EQ(mixed, mu <= std::floor(nStar)) << length << " " << static_cast<double>(mu);
            EXPECT_NEAR(static_cast<double>(total), 1.0, 1e-12);
            EXPECT_NEAR(static_cast<double>(mean), static_cast<double>(mu), 1e-12 * length);
            const long double expected =
                mixed ? mu * (1 - mu / nStar) : mu * (1 - mu / length);  // Cramér's B(L, mu/L)
            EXPECT_NEAR(static_cast<double>(variance), static_cast<double>(expected),
                        1e-11 * length)
                << length << " " << static_cast<double>(mu);
        }
    }
}

// Rows of ten near the start of the number line hold more than n1 = 2 primes on average; they
// take Cramér's binomial and are counted. Above, every row follows the model, whose variance lies
// below Cramér's and near the observed one.
TEST(Montgomery, LowRowsFallBackAndAreCounted) {
    const ModelShares low = computeModels({1, 10, 100});
    std::uint64_t expected = 0;
    for (std::uint64_t r = 0; r < 100; ++r) {
        expected += 10 * rowProbability(1 + 10.0L * r, 10) > 2 ? 1 : 0;
    }
    EXPECT_GT(expected, 0U);
    EXPECT_EQ(low.montgomeryFallbackRows, expected);
    EXPECT_NEAR(sum(low.montgomery), 1.0, 1e-12);

    const auto range = adjustToRows(9'000'001, 10'000'000, 90);
    const ModelComparison comparison =
        compareModels(computeModels(modelRows(*range)), rowShares(scanRows(*range).tally), 0.0);
    EXPECT_EQ(comparison.models.montgomeryFallbackRows, 0U);
    EXPECT_LT(comparison.models.varianceMontgomery, comparison.models.varianceCramer);
    EXPECT_NEAR(comparison.models.varianceMontgomery, comparison.varianceObserved, 0.05);
    EXPECT_LT(comparison.tvMontgomery, comparison.tvMoments);
    EXPECT_LT(comparison.tvMontgomery, comparison.tvCramer);
}

}  // namespace
}  // namespace core
