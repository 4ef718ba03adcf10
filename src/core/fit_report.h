#pragma once

#include <QString>

#include "engine/texts/fit_text.h"

namespace core {

// The six values as the graph window's fields show them: n as a whole number, the others with
// four decimals.
struct FitTexts {
    QString n;
    QString p;
    QString meanObserved;
    QString meanBinomial;
    QString deviationObserved;
    QString deviationBinomial;
    // n and p as the fields show them: p is the value its text converts back to, rounded to four
    // decimals. The histogram draws this B(n;p), the table the fit itself.
    BinomialFit shown;
};
[[nodiscard]] FitTexts fitTexts(const FitReport& report);

// The table's cells: x, and a share h(x) or B(n;p;x) with four decimals.
[[nodiscard]] QString xCell(int x);
[[nodiscard]] QString shareCell(double share);

}  // namespace core
