#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The program's number texts in UTF-8, for every build; conversions.h gives them as QString.
namespace core {

// The decimal separator that every real-number conversion writes and reads. Until someone sets
// it, it comes from the source given to setDefaultSeparatorSource (the desktop asks the user's
// locale), '.' where none is given.
[[nodiscard]] char32_t decimalSeparatorCode();
void setDecimalSeparatorCode(char32_t separator);
using SeparatorSource = char32_t (*)();
void setDefaultSeparatorSource(SeparatorSource source);

// The nearest 32-bit integer, halves to the even neighbour. A value outside the 32-bit range
// (or not a number) raises InvalidFloatOperation.
[[nodiscard]] std::int32_t roundHalfEven(long double value);

namespace text {

// What conversions.h describes, in UTF-8. Failures quote the text as it stood.
[[nodiscard]] std::string formatInteger(std::int64_t value);
[[nodiscard]] std::int32_t parseInteger(std::string_view text);
[[nodiscard]] std::string formatFixed(long double value, int precision, int digits);
[[nodiscard]] std::string formatShortest(long double value);

// The text right-aligned in `width` characters (code points), padded with spaces, never cut.
[[nodiscard]] std::string rightJustified(std::string text, int width);
// The UTF-8 bytes of one character.
[[nodiscard]] std::string utf8(char32_t code);

}  // namespace text
}  // namespace core
