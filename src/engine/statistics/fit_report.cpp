#include "fit_report.h"

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
    // The value that the field's text reads back as, whatever the reader's separator: written
    // and read with the same one, so the text always converts.
    const Conventions plain{Language::German, U'.'};
    report.shown = {text::parseReal(text::formatFixed(report.binomial.p, 6, 4, plain), plain),
                    report.binomial.n};
    return report;
}

}  // namespace core
