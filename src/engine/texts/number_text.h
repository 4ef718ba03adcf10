#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/texts/language.h"

// The program's number texts in UTF-8, for every build and every reader: a real number is
// written and read with the decimal separator of the reader's conventions.
namespace core {

// The nearest 32-bit integer, halves to the even neighbour. A value outside the 32-bit range
// (or not a number) raises InvalidFloatOperation.
[[nodiscard]] std::int32_t roundHalfEven(long double value);

namespace text {

// Failures quote the text as it stood.

// Decimal text, with a leading "-" when negative.
[[nodiscard]] std::string formatInteger(std::int64_t value);

// Decimal digits with an optional sign, blanks around them allowed, within the 32-bit range.
// Anything else raises ConversionError.
[[nodiscard]] std::int32_t parseInteger(std::string_view text);

// Decimal text with the reader's separator: optional sign, digits, separator and decimals, an
// optional exponent ("1,5E3"), blanks around it allowed. Anything else, and a value beyond the
// range of a double, raises ConversionError.
[[nodiscard]] double parseReal(std::string_view text, const Conventions& reader);

// Fixed notation with exactly `digits` decimals. The exact value is rounded, halves away from
// zero, to at most `precision` significant digits and at most `digits` decimals. A value whose
// integer part needs more than `precision` digits is written in scientific form ("1,2346E10").
// A value that shows as zero never carries a minus.
[[nodiscard]] std::string formatFixed(long double value, int precision, int digits,
                                      const Conventions& reader);

// The shortest text with at most 15 significant digits; scientific form below 0.00001 and
// from 10^15 on.
[[nodiscard]] std::string formatShortest(long double value, const Conventions& reader);

// The text right-aligned in `width` characters (code points), padded with spaces, never cut.
[[nodiscard]] std::string rightJustified(std::string text, int width);
// The UTF-8 bytes of one character.
[[nodiscard]] std::string utf8(char32_t code);

}  // namespace text
}  // namespace core
