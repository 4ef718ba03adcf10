#pragma once

#include <exception>
#include <string>
#include <string_view>

class QString;

namespace core {

// Every failure the program reports to the user. It ends the running event handler; the
// handler's caller shows message() in a message box.
class Failure : public std::exception {
public:
    // A message ready to show, in UTF-8.
    explicit Failure(std::string message);
    // The same made with Qt's texts (defined with the Qt part of the core).
    explicit Failure(const QString& message);

    // The message in the program's own German (UTF-8), as every build without translations shows
    // it.
    [[nodiscard]] const std::string& text() const noexcept { return m_text; }
    // The message as the desktop shows it: a failure raised from a German source text is
    // translated where a translation is installed (defined with the Qt part of the core).
    [[nodiscard]] QString message() const;
    [[nodiscard]] const char* what() const noexcept override { return m_text.c_str(); }

protected:
    // A German source text of the context "core::Failure", "%1" standing for `argument`.
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
