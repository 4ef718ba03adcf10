#include "failures.h"

#include <utility>

namespace core {

Failure::Failure(std::string message) : m_text(std::move(message)) {}

namespace {

// The source's "%1" replaced by the argument.
std::string filledIn(std::string text, std::string_view argument) {
    const std::size_t at = text.find("%1");
    if (at != std::string::npos) {
        text.replace(at, 2, argument);
    }
    return text;
}

}  // namespace

Failure::Failure(const char* source, std::string_view argument)
    : m_text(filledIn(source, argument)), m_source(source), m_argument(argument) {}

Failure::Failure(const char* source) : m_text(source), m_source(source) {}

std::string Failure::text(Language language) const {
    if (m_source == nullptr || language == Language::German) {
        return m_text;
    }
    return filledIn(translate(language, "core::Failure", m_source), m_argument);
}

ConversionError ConversionError::NotAnInteger(std::string_view text) {
    return ConversionError(QT_TRANSLATE_NOOP("core::Failure", "„%1“ ist keine gültige ganze Zahl."),
                           text);
}

ConversionError ConversionError::NotAFloat(std::string_view text) {
    return ConversionError(
        QT_TRANSLATE_NOOP("core::Failure", "„%1“ ist kein gültiger Gleitkommawert."), text);
}

FloatDivisionByZero::FloatDivisionByZero()
    : Failure(QT_TRANSLATE_NOOP("core::Failure", "Gleitkommadivision durch Null.")) {}

InvalidFloatOperation::InvalidFloatOperation()
    : Failure(QT_TRANSLATE_NOOP("core::Failure", "Ungültige Gleitkommaoperation.")) {}

}  // namespace core
