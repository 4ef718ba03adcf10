#include "result_table.h"

#include "core/conversions.h"
#include "core/fit_report.h"

namespace ui {

void fillResults(FitResults& results, const core::Frequencies& h, const ScannedRange& scanned) {
    auto& [xRow, hRow, binomialRow] = results.table;
    ResultFields& fields = results.fields;
    xRow[0] = QStringLiteral("x");
    hRow[0] = QStringLiteral("h(x)");
    binomialRow[0] = QStringLiteral("B(n;p)");

    const core::FitReport report = core::fitReport(h);
    const core::FitTexts texts = core::fitTexts(report);
    fields.n = texts.n;
    fields.p = texts.p;
    results.shownFit = texts.shown;

    // Column by column, x and h(x) before B(n;p;x): with p = 1, B fails at its first value and
    // leaves the first column's x and h(x) written.
    xRow[1] = core::xCell(0);
    hRow[1] = core::shareCell(h[0]);
    const std::vector<double> binomial = core::binomialColumn(report.binomial, 19);
    for (int x = 0; x <= 18; ++x) {
        const auto at = static_cast<std::size_t>(x);
        xRow[x + 1] = core::xCell(x);
        hRow[x + 1] = core::shareCell(h[at]);
        binomialRow[x + 1] = core::shareCell(binomial[at]);
    }

    fields.observedMean = texts.meanObserved;
    fields.binomialMean = texts.meanBinomial;
    fields.observedDeviation = texts.deviationObserved;
    fields.binomialDeviation = texts.deviationBinomial;

    fields.scannedRowLength = core::formatInteger(scanned.rowLength);
    fields.scannedLower = core::formatInteger(scanned.lower);
    fields.scannedUpper = core::formatInteger(scanned.upper);
}

}  // namespace ui
