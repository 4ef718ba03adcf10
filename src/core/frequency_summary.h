#pragma once

#include <QStringList>
#include <array>
#include <cstdint>

#include "engine/rows/rows.h"

namespace core {

struct FrequencySummary {
    // Entry k: the share of the tallied rows that hold exactly k primes; all 0 without rows.
    std::array<double, 21> shares{};
    // The 27 lines the listing ends with: a blank, the heading, one line for each k, the sum
    // and the primes of the whole range.
    QStringList lines;
};

[[nodiscard]] FrequencySummary summarizeFrequencies(const RowTally& tally);

}  // namespace core
