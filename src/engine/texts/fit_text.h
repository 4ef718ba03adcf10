#pragma once

#include <string>

#include "engine/statistics/fit_report.h"
#include "engine/texts/language.h"

namespace core::text {

// The six values as the graph window's fields show them: n as a whole number, the others with
// four decimals.
struct FitTexts {
    std::string n;
    std::string p;
    std::string meanObserved;
    std::string meanBinomial;
    std::string deviationObserved;
    std::string deviationBinomial;
};
[[nodiscard]] FitTexts fitTexts(const FitReport& report, const Conventions& reader);

// The table's cells: x, and a share h(x) or B(n;p;x) with four decimals.
[[nodiscard]] std::string xCell(int x, const Conventions& reader);
[[nodiscard]] std::string shareCell(double share, const Conventions& reader);

}  // namespace core::text
