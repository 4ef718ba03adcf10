#include "engine/arithmetic.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/conversions.h"
#include "engine/failures.h"

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

// What the user reads when an operation fails: the message box shows message(), the command
// line what().
TEST(Failures, OperationsThatFailCarryTheTextTheUserReads) {
    const auto messageOf = [](const std::function<void()>& operation) -> std::string {
        try {
            operation();
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.message().toStdString(), failure.what());
            return failure.what();
        }
        return "no failure";
    };
    EXPECT_EQ(messageOf([] { (void)divide(8.0L, 0.0L); }), "Gleitkommadivision durch Null.");
    EXPECT_EQ(messageOf([] { (void)squareRoot(-1.0L); }), "Ungültige Gleitkommaoperation.");
    // The text as typed, blanks and all.
    EXPECT_EQ(messageOf([] { (void)parseInteger(QStringLiteral(" 4 5")); }),
              "„ 4 5“ ist keine gültige ganze Zahl.");
    EXPECT_EQ(messageOf([] { (void)parseReal(QStringLiteral("0;5")); }),
              "„0;5“ ist kein gültiger Gleitkommawert.");
}

}  // namespace
}  // namespace core
