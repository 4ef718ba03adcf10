#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace cli {

// A whole number from 0 to 2^64-1 as digits, or as "1e12" or "10^12"; none for anything else
// (a sign, a blank, letters, an empty text, a value beyond 2^64-1).
[[nodiscard]] std::optional<std::uint64_t> parseCount(const QString& text);

}  // namespace cli
