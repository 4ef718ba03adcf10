#include "engine/statistics/binomial_fit.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/worked_example.h"
#include "engine/failures.h"

namespace core {
namespace {

TEST(BinomialFit, WorkedExample) {
    const Frequencies h = WorkedExample();
    EXPECT_EQ(mean(h), 8.0);
    EXPECT_EQ(standardDeviation(h), std::sqrt(0.5));
    const BinomialFit fit = fitBinomial(h);
    EXPECT_EQ(fit.p, 0.9375);
    EXPECT_EQ(fit.n, 9);  // m/p = 8.5333...
    EXPECT_EQ(fit.n * fit.p, 8.4375);
    EXPECT_NEAR(std::sqrt(fit.n * fit.p * (1 - fit.p)), 0.72618, 5e-6);
}

TEST(BinomialProbability, WorkedExampleForEveryK) {
    const double expected[] = {1.4552e-11, 1.9645e-9, 1.1787e-7, 4.1255e-6, 9.2823e-5,
                               0.0013923,  0.0139235, 0.0895079, 0.3356547, 0.5594245};
    for (int k = 0; k <= 9; ++k) {
        const double value = binomialProbability(9, k, 0.9375);
        EXPECT_NEAR(value / expected[k], 1.0, 5e-5) << k;
    }
    EXPECT_EQ(binomialProbability(9, 10, 0.9375), 0.0);
    EXPECT_FALSE(std::signbit(binomialProbability(9, 10, 0.9375)));
    EXPECT_EQ(binomialProbability(9, 11, 0.9375), 0.0);
    EXPECT_TRUE(std::signbit(binomialProbability(9, 11, 0.9375)));
    EXPECT_FALSE(std::signbit(binomialProbability(9, 12, 0.9375)));
}

TEST(BinomialProbability, SmallCasesAndPZero) {
    EXPECT_NEAR(binomialProbability(3, 3, 0.4), 0.064, 1e-15);
    EXPECT_EQ(binomialProbability(3, 5, 0.4), 0.0);
    EXPECT_EQ(binomialProbability(3, -2, 0.4), binomialProbability(3, 0, 0.4));  // k <= 0 gives q^n
    EXPECT_NEAR(binomialProbability(3, 0, 0.4), 0.216, 1e-15);
    for (const std::int32_t n : {0, 1, 9, 1000}) {
        EXPECT_EQ(binomialProbability(n, 0, 0.0), 1.0) << n;
        for (const std::int32_t k : {1, 2, 18}) {
            EXPECT_EQ(binomialProbability(n, k, 0.0), 0.0) << n << ", " << k;
        }
    }
    // A negative n is not rejected: q^n is 1/q^-n.
    EXPECT_NEAR(binomialProbability(-2, 0, 0.5), 4.0, 1e-15);
    // A huge n is reached by squaring, not by two billion products.
    EXPECT_EQ(binomialProbability(2'147'483'647, 0, 0.5), 0.0);
}

TEST(BinomialFit, DegenerateFrequenciesRaiseTheirFailures) {
    EXPECT_THROW((void)fitBinomial(Frequencies{}), core::InvalidFloatOperation);

    Frequencies varianceEqualsMean{};  // p = 0
    varianceEqualsMean[0] = 0.5;
    varianceEqualsMean[2] = 0.5;
    EXPECT_THROW((void)fitBinomial(varianceEqualsMean), core::FloatDivisionByZero);

    Frequencies singleRow{};  // p = 1: q = 0 in Binomialwert
    singleRow[17] = 1.0;
    const BinomialFit fit = fitBinomial(singleRow);
    EXPECT_EQ(fit.p, 1.0);
    EXPECT_EQ(fit.n, 17);
    EXPECT_THROW((void)binomialProbability(fit.n, 0, fit.p), core::FloatDivisionByZero);

    Frequencies negative{};
    negative[1] = -1.0;
    EXPECT_THROW((void)standardDeviation(negative), core::InvalidFloatOperation);

    // p close to 0 puts m/p beyond the 32-bit range.
    Frequencies nearlyPoisson = varianceEqualsMean;
    nearlyPoisson[1] = 0x1p-40;
    EXPECT_THROW((void)fitBinomial(nearlyPoisson), core::InvalidFloatOperation);
}

TEST(BinomialFit, VarianceAboveTheMeanGivesANegativeP) {
    Frequencies wide{};
    wide[0] = 0.5;
    wide[10] = 0.5;  // m = 5, v = 25
    const BinomialFit fit = fitBinomial(wide);
    EXPECT_EQ(fit.p, -4.0);
    EXPECT_EQ(fit.n, -1);  // roundHalfEven(-1.25)
}

TEST(BinomialColumn, EqualsTheProbabilityAtEveryKForFitsAsTheyOccur) {
    // n below, at and above the 21 rows of the table; p small, near 1 and negative.
    const BinomialFit fits[] = {{0.0893, 3}, {0.9375, 9}, {0.21, 18}, {0.04, 60}, {-0.25, 7}};
    for (const BinomialFit& fit : fits) {
        const std::vector<double> column = binomialColumn(fit, 64);
        ASSERT_EQ(column.size(), 64u);
        for (std::int32_t k = 0; k < 64; ++k) {
            EXPECT_EQ(column[static_cast<std::size_t>(k)], binomialProbability(fit.n, k, fit.p))
                << "n = " << fit.n << ", p = " << fit.p << ", k = " << k;
        }
    }
    EXPECT_TRUE(binomialColumn({0.5, 4}, 0).empty());
    EXPECT_THROW((void)binomialColumn({1.0, 4}, 1), FloatDivisionByZero);
}

}  // namespace
}  // namespace core
