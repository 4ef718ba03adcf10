#pragma once

#include <exception>
#include <string>
#include <string_view>

#include "engine/texts/language.h"

class QString;

namespace core {

// Every failure the program reports to the user. It ends the running event handler; the
// handler's caller shows message() in a message box. The engine's failures are raised from
// German source texts of the context "core::Failure", marked for the catalogue, and are given in
// any language the program speaks.
class Failure : public std::exception {
public:
    // A message ready to show, in UTF-8, already in the reader's language.
    explicit Failure(std::string message);
    // The same made with Qt's texts (defined with the Qt part of the core).
    explicit Failure(const QString& message);

    // The message in `language` (UTF-8): a failure raised from a source text in the catalogue's
    // translation, a message made ready as it was made. In German by default, the program's own
    // language, as the listing and every build without translations show it.
    [[nodiscard]] std::string text(Language language = Language::German) const;
    // The message as the desktop and the command line show it: in the language of the installed
    // translation, which holds the engine's catalogue too (defined with the Qt part of the core).
    [[nodiscard]] QString message() const;
    // The German message.
    [[nodiscard]] const char* what() const noexcept override { return m_text.c_str(); }

protected:
    // A German source text of the context "core::Failure" (marked with QT_TRANSLATE_NOOP), "%1"
    // standing for `argument`.
    Failure(const char* source, std::string_view argument);
    explicit Failure(const char* source);

private:
    std::string m_text;
    const char* m_source = nullptr;
    std::string m_argument;
};

// A text that is not the number it should be; the message quotes the text as it stood.
class ConversionError final : public Failure {
public:
    [[nodiscard]] static ConversionError NotAnInteger(std::string_view text);
    [[nodiscard]] static ConversionError NotAFloat(std::string_view text);

private:
    using Failure::Failure;
};

class FloatDivisionByZero final : public Failure {
public:
    FloatDivisionByZero();
};

class InvalidFloatOperation final : public Failure {
public:
    InvalidFloatOperation();
};

}  // namespace core
