#include "failures.h"

#include <QCoreApplication>
#include <utility>

namespace core {

Failure::Failure(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}

ConversionError ConversionError::NotAnInteger(const QString& text) {
    return ConversionError(
        QCoreApplication::translate("core::Failure", "„%1“ ist keine gültige ganze Zahl.")
            .arg(text));
}

ConversionError ConversionError::NotAFloat(const QString& text) {
    return ConversionError(
        QCoreApplication::translate("core::Failure", "„%1“ ist kein gültiger Gleitkommawert.")
            .arg(text));
}

FloatDivisionByZero::FloatDivisionByZero()
    : Failure(QCoreApplication::translate("core::Failure", "Gleitkommadivision durch Null.")) {}

InvalidFloatOperation::InvalidFloatOperation()
    : Failure(QCoreApplication::translate("core::Failure", "Ungültige Gleitkommaoperation.")) {}

}  // namespace core
