#include "failures.h"

#include <utility>

namespace core {

Failure::Failure(std::string message) : m_text(std::move(message)) {}

Failure::Failure(const char* source, std::string_view argument)
    : m_text(source), m_source(source), m_argument(argument) {
    const std::size_t at = m_text.find("%1");
    if (at != std::string::npos) {
        m_text.replace(at, 2, argument);
    }
}

Failure::Failure(const char* source) : m_text(source), m_source(source) {}

// The texts are marked for the translation tools in the context "core::Failure".
ConversionError ConversionError::NotAnInteger(std::string_view text) {
    return ConversionError("„%1“ ist keine gültige ganze Zahl.", text);
}

ConversionError ConversionError::NotAFloat(std::string_view text) {
    return ConversionError("„%1“ ist kein gültiger Gleitkommawert.", text);
}

FloatDivisionByZero::FloatDivisionByZero() : Failure("Gleitkommadivision durch Null.") {}

InvalidFloatOperation::InvalidFloatOperation() : Failure("Ungültige Gleitkommaoperation.") {}

}  // namespace core
