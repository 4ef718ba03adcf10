#pragma once

#include <QStringList>
#include <array>
#include <cstdint>

namespace core {

// Rows holding 0..20 primes are tallied; the shares of the tallied rows.
using RowCounts = std::array<std::uint64_t, 21>;

struct FrequencySummary {
    // Entry k: the share of the tallied rows that hold exactly k primes; all 0 without rows.
    std::array<double, 21> shares{};
    // The 27 lines the listing ends with: a blank, the heading, one line for each k, the sum
    // and the primes of the whole range.
    QStringList lines;
};

[[nodiscard]] FrequencySummary summarizeFrequencies(const RowCounts& rows, std::uint64_t primes);

}  // namespace core
