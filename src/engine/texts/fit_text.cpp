#include "fit_text.h"

#include "engine/texts/number_text.h"

namespace core::text {

FitTexts fitTexts(const FitReport& report, const Conventions& reader) {
    // n p is shown as the double it is stored in; its deviation in full extended precision.
    return {formatInteger(report.binomial.n),
            formatFixed(report.binomial.p, 6, 4, reader),
            formatFixed(report.meanObserved, 6, 4, reader),
            formatFixed(static_cast<double>(report.meanBinomial), 6, 4, reader),
            formatFixed(report.deviationObserved, 6, 4, reader),
            formatFixed(report.deviationBinomial, 6, 4, reader)};
}

std::string xCell(int x, const Conventions& reader) {
    return formatFixed(x, 2, 0, reader);
}

std::string shareCell(double share, const Conventions& reader) {
    return formatFixed(share, 4, 4, reader);
}

}  // namespace core::text
