#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace shell {

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

class ConversionError final : public Failure {
public:
    // text is the input as it stood, quoted in the message.
    explicit ConversionError(const QString& text);
};

class IntegerDivisionByZero final : public Failure {
public:
    IntegerDivisionByZero();
};

class FloatDivisionByZero final : public Failure {
public:
    FloatDivisionByZero();
};

class InvalidFloatOperation final : public Failure {
public:
    InvalidFloatOperation();
};

}  // namespace shell
