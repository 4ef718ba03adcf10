#include "failures.h"

#include <utility>

namespace core {

Failure::Failure(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}

ConversionError ConversionError::NotAnInteger(const QString& text) {
    return ConversionError(QStringLiteral("„%1“ ist keine gültige ganze Zahl.").arg(text));
}

ConversionError ConversionError::NotAFloat(const QString& text) {
    return ConversionError(QStringLiteral("„%1“ ist kein gültiger Gleitkommawert.").arg(text));
}

FloatDivisionByZero::FloatDivisionByZero()
    : Failure(QStringLiteral("Gleitkommadivision durch Null.")) {}

InvalidFloatOperation::InvalidFloatOperation()
    : Failure(QStringLiteral("Ungültige Gleitkommaoperation.")) {}

}  // namespace core
