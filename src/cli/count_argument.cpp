#include "count_argument.h"

#include <limits>

namespace cli {

namespace {

// value * factor, or none past 2^64-1.
std::optional<std::uint64_t> times(std::uint64_t value, std::uint64_t factor) {
    std::uint64_t product = 0;
    if (__builtin_mul_overflow(value, factor, &product)) {
        return std::nullopt;
    }
    return product;
}

std::optional<std::uint64_t> digits(const QString& text) {
    // Leading zeros add nothing, however many there are.
    qsizetype first = 0;
    while (first + 1 < text.size() && text[first] == u'0') {
        ++first;
    }
    if (text.isEmpty() || text.size() - first > 20) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const QChar c : QStringView(text).mid(first)) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        const auto next = times(value, 10);
        if (!next || *next > std::numeric_limits<std::uint64_t>::max() - (c.unicode() - u'0')) {
            return std::nullopt;
        }
        value = *next + (c.unicode() - u'0');
    }
    return value;
}

std::optional<std::uint64_t> power(std::uint64_t base, std::uint64_t exponent) {
    std::optional<std::uint64_t> result = 1;
    for (std::uint64_t i = 0; i < exponent && result; ++i) {
        result = times(*result, base);
        if (result && *result == 0) {
            return 0;  // 0^k
        }
        if (base == 1) {
            break;
        }
    }
    return result;
}

}  // namespace

std::optional<std::uint64_t> parseCount(const QString& text) {
    for (const QChar mark : {QChar(u'e'), QChar(u'E'), QChar(u'^')}) {
        const qsizetype at = text.indexOf(mark);
        if (at < 0) {
            continue;
        }
        const auto left = digits(text.left(at));
        const auto right = digits(text.mid(at + 1));
        if (!left || !right) {
            return std::nullopt;
        }
        if (mark == u'^') {
            return power(*left, *right);
        }
        if (*left == 0) {
            return 0;  // 0e25 is 0, however large its exponent
        }
        const auto scale = power(10, *right);
        return scale ? times(*left, *scale) : std::nullopt;
    }
    return digits(text);
}

}  // namespace cli
