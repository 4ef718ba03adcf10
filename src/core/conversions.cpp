#include "conversions.h"

#include <QLocale>
#include <charconv>
#include <utility>

#include "engine/failures.h"

namespace core {

namespace {

char32_t systemSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? U'.' : point.front().unicode();
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// The positions of the text without the blanks around it.
std::pair<qsizetype, qsizetype> withoutBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    return {begin, end};
}

}  // namespace

void useSystemSeparator() {
    setDefaultSeparatorSource(&systemSeparator);
}

QChar decimalSeparator() {
    useSystemSeparator();
    return QChar(static_cast<char16_t>(decimalSeparatorCode()));
}

void setDecimalSeparator(QChar separator) {
    setDecimalSeparatorCode(separator.unicode());
}

DecimalSeparatorScope::DecimalSeparatorScope(QChar separator) : m_previous(decimalSeparator()) {
    setDecimalSeparator(separator);
}

DecimalSeparatorScope::~DecimalSeparatorScope() {
    setDecimalSeparator(m_previous);
}

QString formatInteger(std::int64_t value) {
    return QString::number(value);
}

std::int32_t parseInteger(const QString& text) {
    return text::parseInteger(text.toStdString());
}

double parseReal(const QString& text) {
    auto [begin, end] = withoutBlanks(text);
    // Sign, digits, the separator and digits, an exponent; at least one digit before the
    // exponent.
    QString plain;
    qsizetype i = begin;
    const auto digits = [&] {
        const qsizetype start = i;
        while (i < end && text[i] >= u'0' && text[i] <= u'9') {
            plain += text[i++];
        }
        return i - start;
    };
    if (i < end && (text[i] == u'+' || text[i] == u'-')) {
        plain += text[i++];
    }
    qsizetype mantissa = digits();
    if (i < end && text[i] == decimalSeparator()) {
        plain += u'.';
        ++i;
        mantissa += digits();
    }
    bool valid = mantissa > 0;
    if (valid && i < end && (text[i] == u'e' || text[i] == u'E')) {
        plain += u'e';
        ++i;
        if (i < end && (text[i] == u'+' || text[i] == u'-')) {
            plain += text[i++];
        }
        valid = digits() > 0;
    }
    bool converted = false;
    const double value = QLocale::c().toDouble(plain, &converted);
    if (!valid || i != end || !converted) {
        throw ConversionError::NotAFloat(text.toStdString());
    }
    return value;
}

QString formatFixed(long double value, int precision, int digits) {
    useSystemSeparator();
    return QString::fromStdString(text::formatFixed(value, precision, digits));
}

QString formatShortest(long double value) {
    useSystemSeparator();
    return QString::fromStdString(text::formatShortest(value));
}

QString roundTripText(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return QString::fromLatin1(text, result.ptr - text);
}

}  // namespace core
