#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace core {

// Every failure the program reports to the user. It ends the running event handler; the
// handler's caller shows message() in a message box.
class Failure : public std::exception {
public:
    explicit Failure(QString message);

    [[nodiscard]] const QString& message() const noexcept { return m_message; }
    [[nodiscard]] const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A text that is not the number it should be; the message quotes the text as it stood.
class ConversionError final : public Failure {
public:
    [[nodiscard]] static ConversionError NotAnInteger(const QString& text);
    [[nodiscard]] static ConversionError NotAFloat(const QString& text);

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
