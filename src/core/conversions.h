#pragma once

#include <QChar>
#include <QString>
#include <cstdint>

#include "engine/texts/number_text.h"

namespace core {

// The decimal separator that every real-number conversion writes and reads. It follows the
// user's locale until someone sets it (tests pin it to ',' or '.').
[[nodiscard]] QChar decimalSeparator();
void setDecimalSeparator(QChar separator);
// Lets a separator that nobody set follow the user's locale; every function here that writes or
// reads a real number does this first.
void useSystemSeparator();

// Sets the separator for the lifetime of the object and restores the previous one.
class DecimalSeparatorScope final {
public:
    explicit DecimalSeparatorScope(QChar separator);
    ~DecimalSeparatorScope();
    DecimalSeparatorScope(const DecimalSeparatorScope&) = delete;
    DecimalSeparatorScope& operator=(const DecimalSeparatorScope&) = delete;

private:
    QChar m_previous;
};

// Decimal text, with a leading "-" when negative.
[[nodiscard]] QString formatInteger(std::int64_t value);

// Decimal digits with an optional sign, blanks around them allowed, within the 32-bit range.
// Anything else raises ConversionError.
[[nodiscard]] std::int32_t parseInteger(const QString& text);

// Decimal text with the separator setting: optional sign, digits, separator and decimals, an
// optional exponent ("1,5E3"), blanks around it allowed. Anything else, and a value beyond the
// range of a double, raises ConversionError.
[[nodiscard]] double parseReal(const QString& text);

// Fixed notation with exactly `digits` decimals. The exact value is rounded, halves away from
// zero, to at most `precision` significant digits and at most `digits` decimals. A value whose
// integer part needs more than `precision` digits is written in scientific form ("1,2346E10").
// A value that shows as zero never carries a minus.
[[nodiscard]] QString formatFixed(long double value, int precision, int digits);

// The shortest text with at most 15 significant digits; scientific form below 0.00001 and
// from 10^15 on.
[[nodiscard]] QString formatShortest(long double value);

// The shortest text that reads back as exactly `value`, with a decimal point, for programs:
// 0.1, 1e-05, 45000.
[[nodiscard]] QString roundTripText(double value);

}  // namespace core
