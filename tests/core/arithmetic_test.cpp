#include "core/arithmetic.h"

#include <gtest/gtest.h>

#include "core/failures.h"

namespace core {
namespace {

TEST(FloatDivide, ZeroDivisorsRaiseTheMatchingFailure) {
    EXPECT_EQ(divide(1.0L, 4.0L), 0.25L);
    EXPECT_THROW((void)divide(0.0L, 0.0L), InvalidFloatOperation);
    EXPECT_THROW((void)divide(8.0L, 0.0L), FloatDivisionByZero);
    EXPECT_THROW((void)divide(-8.0L, -0.0L), FloatDivisionByZero);
}

TEST(SquareRoot, NegativeRadicandIsAnInvalidOperation) {
    EXPECT_EQ(squareRoot(0.25L), 0.5L);
    EXPECT_EQ(squareRoot(0.0L), 0.0L);
    EXPECT_THROW((void)squareRoot(-1e-30L), InvalidFloatOperation);
}

TEST(Failures, CarryTheirGermanTexts) {
    EXPECT_EQ(IntegerDivisionByZero().message(), "Division durch Null.");
    EXPECT_EQ(FloatDivisionByZero().message(), "Gleitkommadivision durch Null.");
    EXPECT_EQ(InvalidFloatOperation().message(), "Ungültige Gleitkommaoperation.");
    EXPECT_STREQ(ConversionError::NotAnInteger("abc").what(),
                 "„abc“ ist keine gültige ganze Zahl.");
    EXPECT_EQ(ConversionError::NotAFloat("0;5").message(),
              "„0;5“ ist kein gültiger Gleitkommawert.");
}

}  // namespace
}  // namespace core
