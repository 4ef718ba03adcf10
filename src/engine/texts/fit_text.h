#pragma once

#include <string>

#include "engine/statistics/binomial_fit.h"

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

namespace text {

// The six values as the graph window's fields show them, in UTF-8 (see core::FitTexts).
struct FitTexts {
    std::string n;
    std::string p;
    std::string meanObserved;
    std::string meanBinomial;
    std::string deviationObserved;
    std::string deviationBinomial;
};
[[nodiscard]] FitTexts fitTexts(const FitReport& report);

[[nodiscard]] std::string xCell(int x);
[[nodiscard]] std::string shareCell(double share);

}  // namespace text
}  // namespace core
