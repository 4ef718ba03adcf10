#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/rows/rows.h"
#include "engine/texts/language.h"

namespace core {

// The shares of the tallied rows and the 27 lines the listing ends with, in UTF-8.
struct SummaryText {
    // Entry k: the share of the tallied rows that hold exactly k primes; all 0 without rows.
    std::array<double, 21> shares{};
    // A blank, the heading, one line for each k, the sum and the primes of the whole range.
    std::vector<std::string> lines;
};

// Entry k: the share of the tallied rows that hold exactly k primes; all 0 without rows.
[[nodiscard]] std::array<double, 21> rowShares(const RowTally& tally);

// The words in the reader's language, the shares with the reader's separator; the columns are
// the same in every language.
[[nodiscard]] SummaryText summaryText(const RowTally& tally, const Conventions& reader);

// The summary's line of the count k, right-aligned in `width` characters, with its rows and
// their share: "  7   :     12-mal,     0,02400" for k = 7 in a width of 3.
[[nodiscard]] std::string countLine(std::uint64_t k, int width, std::uint64_t rows, double share,
                                    const Conventions& reader);
// The summary's line of the sum: the rows and the sum of their shares, after the word "Summe:".
[[nodiscard]] std::string sumLine(std::uint64_t rows, double sum, const Conventions& reader);

}  // namespace core
