#pragma once

#include <QString>
#include <cstdint>

#include "engine/texts/number_text.h"

// The number texts of the engine (number_text.h) where the text is a QString: a field's text read
// as the engine reads it, and numbers for programs.
namespace core {

// The engine's parseInteger of a field's text: decimal digits with an optional sign, blanks
// around them allowed, within the 32-bit range. Anything else raises ConversionError.
[[nodiscard]] std::int32_t parseInteger(const QString& text);

// The shortest text that reads back as exactly `value`, with a decimal point, for programs:
// 0.1, 1e-05, 45000.
[[nodiscard]] QString roundTripText(double value);

}  // namespace core
