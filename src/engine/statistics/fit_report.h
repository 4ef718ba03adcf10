#pragma once

#include "engine/statistics/binomial_fit.h"

namespace core {

// The binomial fit of h(x) and the moments of both, as the graph window shows them.
struct FitReport {
    BinomialFit binomial;
    // n and p as the fields show them: p is the fitted p rounded to the four decimals shown. The
    // histogram draws this B(n;p), the table the fit itself.
    BinomialFit shown;
    double meanObserved = 0.0;  // of h(x)
    double deviationObserved = 0.0;
    long double meanBinomial = 0.0L;  // n p
    long double deviationBinomial = 0.0L;
};

// Raises the fit's failures (see fitBinomial); once the fit stands, nothing else fails.
[[nodiscard]] FitReport fitReport(const Frequencies& h);

}  // namespace core
