#pragma once

#include <QString>

#include "core/binomial_fit.h"

namespace core {

// The binomial fit of h(x) and the moments of both, as the graph window shows them.
struct FitReport {
    BinomialFit binomial;
    double meanObserved = 0.0;  // of h(x)
    double deviationObserved = 0.0;
    long double meanBinomial = 0.0L;  // n p
    long double deviationBinomial = 0.0L;
};

// Raises the fit's failures (see fitBinomial); once the fit stands, nothing else fails.
[[nodiscard]] FitReport fitReport(const Frequencies& h);

// The six values as the graph window's fields show them: n as a whole number, the others with
// four decimals.
struct FitTexts {
    QString n;
    QString p;
    QString meanObserved;
    QString meanBinomial;
    QString deviationObserved;
    QString deviationBinomial;
};
[[nodiscard]] FitTexts fitTexts(const FitReport& report);

// The table's cells: x, and a share h(x) or B(n;p;x) with four decimals.
[[nodiscard]] QString xCell(int x);
[[nodiscard]] QString shareCell(double share);

}  // namespace core
