#include "conversions.h"

#include <charconv>

namespace core {

std::int32_t parseInteger(const QString& text) {
    return text::parseInteger(text.toStdString());
}

QString roundTripText(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return QString::fromLatin1(text, result.ptr - text);
}

}  // namespace core
