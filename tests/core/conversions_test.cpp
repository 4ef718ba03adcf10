#include "core/conversions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/failures.h"

namespace core {
namespace {

// The reader of the program's own German, as the windows' tests hand it.
const Conventions kComma{Language::German, U','};

TEST(ParseInteger, ReadsDecimalIntegersWithSignAndBlanks) {
    const struct {
        const char16_t* text;
        std::int32_t value;
    } cases[] = {
        {u"0", 0},
        {u"45000", 45000},
        {u"  90 ", 90},
        {u"+7", 7},
        {u"-100", -100},
        {u"\t12\t", 12},
        {u"007", 7},
        {u"2147483647", 2147483647},
        {u"-2147483648", -2147483647 - 1},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(parseInteger(text), c.value) << text.toStdString();
    }
}

TEST(ParseInteger, RefusesEverythingElseNamingTheText) {
    for (const char16_t* text :
         {u"", u"   ", u"abc", u"1,5", u"1.5", u"2147483648", u"-2147483649", u"12a", u"--1", u"+",
          u"- 1", u"1 2", u"0x10", u"$10", u"\uFF11\uFF12", u"99999999999999999999"}) {
        const QString input = QString::fromUtf16(text);
        try {
            (void)parseInteger(input);
            ADD_FAILURE() << "accepted " << input.toStdString();
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.message(), QStringLiteral("„%1“ ist keine gültige ganze Zahl.").arg(input));
        }
    }
}

TEST(ParseReal, ReadsTheReadersSeparator) {
    const struct {
        const char* text;
        double value;
    } cases[] = {{"0,9375", 0.9375}, {" -1,5E3 ", -1500.0}, {"1e-2", 0.01}, {"+7", 7.0},
                 {",5", 0.5},        {"5,", 5.0},           {"0,32", 0.32}, {"\t-0,5e+1", -5.0}};
    for (const auto& c : cases) {
        EXPECT_EQ(text::parseReal(c.text, kComma), c.value) << c.text;
    }
    for (const char* input : {"", "abc", "1,2,3", "1.5", "1e", "e5", "0;5", ",", "1e400", "inf",
                              "nan", "1 5", "+-1", "1e+", "0x1p3", "--1"}) {
        try {
            (void)text::parseReal(input, kComma);
            ADD_FAILURE() << "accepted " << input;
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.text(), "„" + std::string(input) + "“ ist kein gültiger Gleitkommawert.");
        }
    }
    const Conventions point{Language::English, U'.'};
    EXPECT_EQ(text::parseReal("0.9375", point), 0.9375);
    EXPECT_THROW((void)text::parseReal("0,9375", point), ConversionError);
}

TEST(IntegerTexts, FormatIntegerAndRightJustified) {
    EXPECT_EQ(text::formatInteger(-5), "-5");
    EXPECT_EQ(text::formatInteger(4675), "4675");
    EXPECT_EQ(text::rightJustified("-89", 6), "   -89");
    EXPECT_EQ(text::rightJustified("999991", 6), "999991");
    EXPECT_EQ(text::rightJustified("1000001", 6), "1000001");  // never cut
    // Padded by characters, not bytes: "ä" is two bytes in UTF-8.
    EXPECT_EQ(text::rightJustified("Länge", 6), " Länge");
}

struct FixedCase {
    long double value;
    int precision;
    int digits;
    const char* comma;
};

TEST(FormatFixed, RoundsTheExactValueHalfAwayFromZero) {
    const FixedCase cases[] = {
        {0.03125L, 4, 4, "0,0313"},
        {0.1L, 5, 5, "0,10000"},
        {1.0L, 5, 5, "1,00000"},
        {0.0L, 5, 5, "0,00000"},
        {0.5L, 5, 5, "0,50000"},
        {0.125, 5, 2, "0,13"},
        {-0.125, 5, 2, "-0,13"},
        // The doubles nearest 1.005, 2.675 and 0.15 lie just below them.
        {1.005, 5, 2, "1,00"},
        {2.675, 5, 2, "2,67"},
        {0.15, 5, 1, "0,1"},
        {8.0L, 6, 4, "8,0000"},
        {0.70710678118654752L, 6, 4, "0,7071"},
        {0.9375L, 6, 4, "0,9375"},
        {0.0000924L, 4, 4, "0,0001"},
        {0.00004999L, 4, 4, "0,0000"},
        {18.0L, 2, 0, "18"},
        {0.0L, 2, 0, "0"},
        // At most `precision` significant digits, then padded to `digits` decimals.
        {1.234567L, 5, 5, "1,23460"},
        {0.999996L, 5, 5, "1,00000"},
        {99.9996L, 5, 5, "100,00000"},
        {123456.7L, 6, 4, "123457,0000"},
        // An integer part longer than the precision turns scientific.
        {1234567.0L, 6, 4, "1,23457E6"},
        {2147483647.0L * 0.9375L, 6, 4, "2,01327E9"},
        {1e10L, 6, 4, "1E10"},
        {-1234567.0L, 6, 4, "-1,23457E6"},
    };
    for (const FixedCase& c : cases) {
        EXPECT_EQ(text::formatFixed(c.value, c.precision, c.digits, kComma), c.comma)
            << static_cast<double>(c.value) << " P" << c.precision << " D" << c.digits;
    }
}

TEST(FormatFixed, AZeroNeverShowsAMinus) {
    EXPECT_EQ(text::formatFixed(-0.0L, 4, 4, kComma), "0,0000");
    EXPECT_EQ(text::formatFixed(-1e-9L, 4, 4, kComma), "0,0000");
    EXPECT_EQ(text::formatFixed(-0.00004L, 4, 4, kComma), "0,0000");
    EXPECT_EQ(text::formatFixed(-0.00006L, 4, 4, kComma), "-0,0001");
    EXPECT_EQ(text::formatFixed(std::numeric_limits<long double>::denorm_min(), 5, 5, kComma),
              "0,00000");
}

TEST(FormatFixed, WritesTheReadersSeparator) {
    const Conventions point{Language::English, U'.'};
    EXPECT_EQ(text::formatFixed(0.5L, 5, 5, point), "0.50000");
    EXPECT_EQ(text::formatFixed(1234567.0L, 6, 4, point), "1.23457E6");
    EXPECT_EQ(text::formatShortest(0.1L, point), "0.1");
    EXPECT_EQ(text::formatFixed(0.5L, 5, 5, kComma), "0,50000");
    // A separator beyond ASCII is written in UTF-8 and read back.
    const Conventions arabic{Language::English, U'\u066B'};
    EXPECT_EQ(text::formatFixed(0.5L, 5, 5, arabic), "0\u066B50000");
    EXPECT_EQ(text::parseReal(text::formatFixed(0.9375L, 6, 4, arabic), arabic), 0.9375);
    // The language does not choose the separator; the reader's conventions do.
    EXPECT_EQ(text::formatFixed(0.5L, 5, 5, {Language::English, U','}), "0,50000");
    EXPECT_EQ(text::formatFixed(0.5L, 5, 5, {Language::German, U'.'}), "0.50000");
}

TEST(FormatShortest, ShortestTextWithFifteenDigits) {
    const struct {
        long double value;
        const char* text;
    } cases[] = {
        {0.1, "0,1"},
        {0.30000000000000004, "0,3"},
        {1.0 / 3.0, "0,333333333333333"},
        {2.0 / 3.0, "0,666666666666667"},
        {100.0L, "100"},
        {-2.5L, "-2,5"},
        {0.0L, "0"},
        {-0.0L, "0"},
        {123456789012345.0L, "123456789012345"},
        {1e15L, "1E15"},
        {1234567890123456.0L, "1,23456789012346E15"},
        {0.00001L, "0,00001"},
        {0.000001L, "1E-6"},
        {1.5e-10L, "1,5E-10"},
        {std::numeric_limits<long double>::infinity(), "INF"},
        {std::numeric_limits<long double>::quiet_NaN(), "NAN"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(text::formatShortest(c.value, kComma), c.text) << static_cast<double>(c.value);
    }
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    const struct {
        long double value;
        std::int32_t rounded;
    } cases[] = {
        {8.5L, 8},
        {9.5L, 10},
        {-8.5L, -8},
        {-9.5L, -10},
        {0.5L, 0},
        {-0.5L, 0},
        {1.5L, 2},
        {2.4999L, 2},
        {8.5333333333L, 9},
        {-2.6L, -3},
        {2147483647.4L, 2147483647},
        {-2147483648.5L, -2147483647 - 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(roundHalfEven(c.value), c.rounded) << static_cast<double>(c.value);
    }
}

TEST(RoundHalfEven, OutsideTheIntegerRangeIsAnInvalidOperation) {
    for (const long double value : {2147483647.5L, 2147483648.0L, -2147483649.0L, 3e9L, 1e300L,
                                    std::numeric_limits<long double>::infinity(),
                                    std::numeric_limits<long double>::quiet_NaN()}) {
        EXPECT_THROW((void)roundHalfEven(value), InvalidFloatOperation)
            << static_cast<double>(value);
    }
}

}  // namespace
}  // namespace core
