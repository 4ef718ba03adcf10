#include "number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <locale>
#include <optional>
#include <sstream>
#include <utility>

#include "engine/failures.h"

namespace core {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The positions of the text without the blanks around it.
std::pair<std::size_t, std::size_t> withoutBlanks(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
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
    // A long double is m * 2^(e - d) with a d-bit m (d = 64 for the x87 format), so its
    // expansion ends after d - e decimals; printing that many significant digits (and a few more)
    // is exact.
    constexpr int mantissaBits = std::numeric_limits<long double>::digits;
    int binaryExponent = 0;
    std::frexp(magnitude, &binaryExponent);
    const int precision =
        binaryExponent >= mantissaBits ? 5000 : mantissaBits - binaryExponent + 25;
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

std::string fixedText(const Decimal& d, int decimals, char32_t separator) {
    std::string text;
    if (d.negative && !d.isZero()) {
        text += '-';
    }
    if (d.exponent < 0 || d.isZero()) {
        text += '0';
    } else {
        for (int i = 0; i <= d.exponent; ++i) {
            text += d.digitAt(i);
        }
    }
    if (decimals > 0) {
        text += text::utf8(separator);
        for (int j = 1; j <= decimals; ++j) {
            text += d.isZero() ? '0' : d.digitAt(d.exponent + j);
        }
    }
    return text;
}

std::string scientificText(const Decimal& d, char32_t separator) {
    std::string text;
    if (d.negative) {
        text += '-';
    }
    text += d.digits.front();
    if (d.digits.size() > 1) {
        text += text::utf8(separator);
        text.append(d.digits, 1);
    }
    text += 'E';
    text += std::to_string(d.exponent);
    return text;
}

std::optional<std::string> nonFiniteText(long double value) {
    if (std::isnan(value)) {
        return "NAN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    return std::nullopt;
}

}  // namespace

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

namespace text {

std::string utf8(char32_t code) {
    std::string bytes;
    if (code < 0x80) {
        bytes += static_cast<char>(code);
    } else if (code < 0x800) {
        bytes += static_cast<char>(0xC0 | (code >> 6));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        bytes += static_cast<char>(0xE0 | (code >> 12));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (code >> 18));
        bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    }
    return bytes;
}

std::string rightJustified(std::string text, int width) {
    const auto characters = std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    if (characters < width) {
        text.insert(0, static_cast<std::size_t>(width - characters), ' ');
    }
    return text;
}

std::string formatInteger(std::int64_t value) {
    return std::to_string(value);
}

std::int32_t parseInteger(std::string_view text) {
    const auto bounds = withoutBlanks(text);
    std::size_t begin = bounds.first;
    const std::size_t end = bounds.second;
    bool negative = false;
    if (begin < end && (text[begin] == '+' || text[begin] == '-')) {
        negative = text[begin] == '-';
        ++begin;
    }
    if (begin == end) {
        throw ConversionError::NotAnInteger(text);
    }
    constexpr std::int64_t limit = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    for (std::size_t i = begin; i < end; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') {
            throw ConversionError::NotAnInteger(text);
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) {
            throw ConversionError::NotAnInteger(text);
        }
    }
    if (!negative && magnitude == limit) {
        throw ConversionError::NotAnInteger(text);
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

double parseReal(std::string_view text, const Conventions& reader) {
    const auto bounds = withoutBlanks(text);
    std::size_t begin = bounds.first;
    const std::size_t end = bounds.second;
    // Sign, digits, the separator and digits, an exponent; at least one digit before the
    // exponent. What is converted: the same with a point and without a plus.
    const std::string separator = utf8(reader.decimalSeparator);
    std::string plain;
    std::size_t i = begin;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < end && text[i] >= '0' && text[i] <= '9') {
            plain += text[i++];
        }
        return i - start;
    };
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') {
            plain += '-';
        }
        ++i;
    }
    std::size_t mantissa = digits();
    if (text.substr(i, end - i).starts_with(separator)) {
        plain += '.';
        i += separator.size();
        mantissa += digits();
    }
    bool valid = mantissa > 0;
    if (valid && i < end && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) {
            plain += text[i++];
        }
        valid = digits() > 0;
    }
    // Read in the classic locale, whatever the program's locale takes for its decimal point; a
    // value beyond the range of a double fails the stream.
    double value = 0.0;
    std::istringstream number(plain);
    number.imbue(std::locale::classic());
    number >> value;
    if (!valid || i != end || number.fail() || number.peek() != std::char_traits<char>::eof()) {
        throw ConversionError::NotAFloat(text);
    }
    return value;
}

std::string formatFixed(long double value, int precision, int digits, const Conventions& reader) {
    if (auto text = nonFiniteText(value)) {
        return *text;
    }
    Decimal d = exactDecimal(value);
    roundHalfAway(d, std::min(precision - 1, d.exponent + digits));
    if (!d.isZero() && d.exponent + 1 > precision) {
        return scientificText(d, reader.decimalSeparator);
    }
    return fixedText(d, digits, reader.decimalSeparator);
}

std::string formatShortest(long double value, const Conventions& reader) {
    if (auto text = nonFiniteText(value)) {
        return *text;
    }
    constexpr int significant = 15;
    Decimal d = exactDecimal(value);
    roundHalfAway(d, significant - 1);
    if (d.isZero()) {
        return "0";
    }
    if (d.exponent + 1 > significant || d.exponent < -5) {
        return scientificText(d, reader.decimalSeparator);
    }
    const int decimals = std::max(0, static_cast<int>(d.digits.size()) - d.exponent - 1);
    return fixedText(d, decimals, reader.decimalSeparator);
}

}  // namespace text
}  // namespace core
