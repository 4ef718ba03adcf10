#include "fit_text.h"

#include "engine/arithmetic.h"
#include "engine/texts/number_text.h"

namespace core {

FitReport fitReport(const Frequencies& h) {
    FitReport report;
    report.binomial = fitBinomial(h);
    report.meanObserved = mean(h);
    report.deviationObserved = standardDeviation(h);
    report.meanBinomial = static_cast<long double>(report.binomial.n) * report.binomial.p;
    report.deviationBinomial = squareRoot(report.meanBinomial * (1.0L - report.binomial.p));
    return report;
}

namespace text {

FitTexts fitTexts(const FitReport& report) {
    // n p is shown as the double it is stored in; its deviation in full extended precision.
    return {formatInteger(report.binomial.n),
            formatFixed(report.binomial.p, 6, 4),
            formatFixed(report.meanObserved, 6, 4),
            formatFixed(static_cast<double>(report.meanBinomial), 6, 4),
            formatFixed(report.deviationObserved, 6, 4),
            formatFixed(report.deviationBinomial, 6, 4)};
}

std::string xCell(int x) {
    return formatFixed(x, 2, 0);
}

std::string shareCell(double share) {
    return formatFixed(share, 4, 4);
}

}  // namespace text
}  // namespace core
