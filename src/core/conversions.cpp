#include "conversions.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "failures.h"

namespace core {

namespace {

std::optional<QChar>& separatorSetting() {
    static std::optional<QChar> separator;
    return separator;
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

// The exact decimal expansion of a finite value: sign, digits without leading zeros, and the
// power of ten of the first digit. No digits means zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;

    [[nodiscard]] bool isZero() const { return digits.empty(); }
    [[nodiscard]] char digitAt(int index) const {
        return index >= 0 && index < static_cast<int>(digits.size()) ? digits[index] : '0';
    }
};

Decimal exactDecimal(long double value) {
    Decimal result;
    result.negative = std::signbit(value);
    const long double magnitude = std::fabs(value);
    if (magnitude == 0.0L) {
        return result;
    }
    // A long double is m * 2^(e - 64) with a 64-bit m, so its expansion ends after 64 - e
    // decimals; printing that many significant digits (and a few more) is exact.
    int binaryExponent = 0;
    std::frexp(magnitude, &binaryExponent);
    const int precision = binaryExponent >= 64 ? 5000 : 64 - binaryExponent + 25;
    std::string text(static_cast<std::size_t>(precision) + 32, '\0');
    const int length = std::snprintf(text.data(), text.size(), "%.*Le", precision, magnitude);
    text.resize(static_cast<std::size_t>(length));

    const std::size_t e = text.find('e');
    result.digits.reserve(e);
    // Whatever the C library takes for its decimal point, only the digits count.
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            result.digits.push_back(text[i]);
        }
    }
    result.exponent = std::stoi(text.substr(e + 1));
    while (!result.digits.empty() && result.digits.back() == '0') {
        result.digits.pop_back();
    }
    return result;
}

// Keeps the digits up to index `last` (0 is the leading digit), rounding half away from zero.
void roundHalfAway(Decimal& d, int last) {
    if (d.isZero() || last + 1 >= static_cast<int>(d.digits.size())) {
        return;
    }
    if (last < -1) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[static_cast<std::size_t>(last + 1)] >= '5';
    d.digits.resize(static_cast<std::size_t>(last + 1));
    if (up) {
        int i = last;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
            d.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[static_cast<std::size_t>(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
    }
}

QString fixedText(const Decimal& d, int decimals) {
    QString text;
    if (d.negative && !d.isZero()) {
        text += u'-';
    }
    if (d.exponent < 0 || d.isZero()) {
        text += u'0';
    } else {
        for (int i = 0; i <= d.exponent; ++i) {
            text += QLatin1Char(d.digitAt(i));
        }
    }
    if (decimals > 0) {
        text += decimalSeparator();
        for (int j = 1; j <= decimals; ++j) {
            text += QLatin1Char(d.isZero() ? '0' : d.digitAt(d.exponent + j));
        }
    }
    return text;
}

QString scientificText(const Decimal& d) {
    QString text;
    if (d.negative) {
        text += u'-';
    }
    text += QLatin1Char(d.digits.front());
    if (d.digits.size() > 1) {
        text += decimalSeparator();
        text += QLatin1String(d.digits.data() + 1, static_cast<qsizetype>(d.digits.size() - 1));
    }
    text += u'E';
    text += QString::number(d.exponent);
    return text;
}

std::optional<QString> nonFiniteText(long double value) {
    if (std::isnan(value)) {
        return QStringLiteral("NAN");
    }
    if (std::isinf(value)) {
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    }
    return std::nullopt;
}

}  // namespace

QChar decimalSeparator() {
    auto& separator = separatorSetting();
    if (!separator) {
        const QString point = QLocale::system().decimalPoint();
        separator = point.isEmpty() ? QChar(u'.') : point.front();
    }
    return *separator;
}

void setDecimalSeparator(QChar separator) {
    separatorSetting() = separator;
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
    auto [begin, end] = withoutBlanks(text);
    bool negative = false;
    if (begin < end && (text[begin] == u'+' || text[begin] == u'-')) {
        negative = text[begin] == u'-';
        ++begin;
    }
    if (begin == end) {
        throw ConversionError::NotAnInteger(text);
    }
    constexpr std::int64_t limit = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    for (qsizetype i = begin; i < end; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') {
            throw ConversionError::NotAnInteger(text);
        }
        magnitude = magnitude * 10 + (c - u'0');
        if (magnitude > limit) {
            throw ConversionError::NotAnInteger(text);
        }
    }
    if (!negative && magnitude == limit) {
        throw ConversionError::NotAnInteger(text);
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
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
        throw ConversionError::NotAFloat(text);
    }
    return value;
}

QString rightAligned(std::int64_t value, int width) {
    return QString::number(value).rightJustified(width, u' ');
}

QString formatFixed(long double value, int precision, int digits) {
    if (auto text = nonFiniteText(value)) {
        return *text;
    }
    Decimal d = exactDecimal(value);
    roundHalfAway(d, std::min(precision - 1, d.exponent + digits));
    if (!d.isZero() && d.exponent + 1 > precision) {
        return scientificText(d);
    }
    return fixedText(d, digits);
}

QString formatShortest(long double value) {
    if (auto text = nonFiniteText(value)) {
        return *text;
    }
    constexpr int significant = 15;
    Decimal d = exactDecimal(value);
    roundHalfAway(d, significant - 1);
    if (d.isZero()) {
        return QStringLiteral("0");
    }
    if (d.exponent + 1 > significant || d.exponent < -5) {
        return scientificText(d);
    }
    const int decimals = std::max(0, static_cast<int>(d.digits.size()) - d.exponent - 1);
    return fixedText(d, decimals);
}

QString roundTripText(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return QString::fromLatin1(text, result.ptr - text);
}

std::int32_t roundHalfEven(long double value) {
    if (std::isnan(value)) {
        throw InvalidFloatOperation();
    }
    // nearbyint rounds in the default mode, to nearest with halves to even.
    const long double rounded = std::nearbyint(value);
    if (rounded < static_cast<long double>(std::numeric_limits<std::int32_t>::min()) ||
        rounded > static_cast<long double>(std::numeric_limits<std::int32_t>::max())) {
        throw InvalidFloatOperation();
    }
    return static_cast<std::int32_t>(rounded);
}

}  // namespace core
