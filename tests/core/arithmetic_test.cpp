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

// The one way from the rows' 128-bit numbers to narrower types: exact inside, a failure that
// names the number one past either end, never a value wrapped round.
TEST(Narrow, KeepsWhatFitsAndRefusesWhatDoesNot) {
    constexpr __int128_t kTwoTo63 = __int128_t{1} << 63;
    constexpr __int128_t kTwoTo64 = __int128_t{1} << 64;
    EXPECT_EQ(narrow<std::int64_t>(kTwoTo63 - 1), INT64_MAX);
    EXPECT_EQ(narrow<std::int64_t>(-kTwoTo63), INT64_MIN);
    EXPECT_EQ(narrow<std::uint64_t>(kTwoTo64 - 1), UINT64_MAX);
    EXPECT_EQ(narrow<std::int32_t>(-10'000'000), -10'000'000);
    EXPECT_EQ(narrow<long double>(kTwoTo64 - 1), 18446744073709551615.0L);
    for (const __int128_t outside : {kTwoTo63, -kTwoTo63 - 1}) {
        EXPECT_THROW((void)narrow<std::int64_t>(outside), Failure);
    }
    EXPECT_THROW((void)narrow<std::uint64_t>(kTwoTo64), Failure);
    EXPECT_THROW((void)narrow<std::uint64_t>(-1), Failure);
    // A double holds 2^64 - 1 only rounded.
    EXPECT_THROW((void)narrow<double>(kTwoTo64 - 1), Failure);
    try {
        (void)narrow<std::int64_t>(kTwoTo63);
        ADD_FAILURE() << "2^63 passed as a 64-bit integer";
    } catch (const Failure& failure) {
        EXPECT_STREQ(failure.what(),
                     "Die Zahl 9223372036854775808 liegt außerhalb des Bereichs dieser Rechnung.");
    }
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
    EXPECT_EQ(messageOf([] {
                  (void)text::parseReal("0;5", {Language::German, U','});
              }),
              "„0;5“ ist kein gültiger Gleitkommawert.");
}

}  // namespace
}  // namespace core
