#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/rows/rows.h"

namespace core {

// The words of the listing's summary; the desktop passes them through its translation.
struct SummaryWords {
    std::string times = "%1-mal,";
    std::string heading = "Primz/Zeile: Anzahl, relative Häufigkeit";
    std::string sum = "Summe:";
    std::string primes = "Primzahlen gesamt:";
};

// The shares of the tallied rows and the 27 lines the listing ends with (see FrequencySummary),
// in UTF-8.
struct SummaryText {
    std::array<double, 21> shares{};
    std::vector<std::string> lines;
};

[[nodiscard]] SummaryText summaryText(const RowTally& tally, const SummaryWords& words = {});

}  // namespace core
