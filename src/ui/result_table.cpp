#include "result_table.h"

#include "engine/statistics/fit_report.h"
#include "engine/texts/fit_text.h"

namespace ui {

void fillResults(FitResults& results, const core::Frequencies& h, const ScannedRange& scanned,
                 const core::Conventions& reader) {
    auto& [xRow, hRow, binomialRow] = results.table;
    ResultFields& fields = results.fields;
    xRow[0] = QStringLiteral("x");
    hRow[0] = QStringLiteral("h(x)");
    binomialRow[0] = QStringLiteral("B(n;p)");

    const auto shown = [](const std::string& text) { return QString::fromStdString(text); };
    const core::FitReport report = core::fitReport(h);
    const core::text::FitTexts texts = core::text::fitTexts(report, reader);
    fields.n = shown(texts.n);
    fields.p = shown(texts.p);
    results.shownFit = report.shown;

    // Column by column, x and h(x) before B(n;p;x): with p = 1, B fails at its first value and
    // leaves the first column's x and h(x) written.
    xRow[1] = shown(core::text::xCell(0, reader));
    hRow[1] = shown(core::text::shareCell(h[0], reader));
    const std::vector<double> binomial = core::binomialColumn(report.binomial, 19);
    for (int x = 0; x <= 18; ++x) {
        const auto at = static_cast<std::size_t>(x);
        xRow[x + 1] = shown(core::text::xCell(x, reader));
        hRow[x + 1] = shown(core::text::shareCell(h[at], reader));
        binomialRow[x + 1] = shown(core::text::shareCell(binomial[at], reader));
    }

    fields.observedMean = shown(texts.meanObserved);
    fields.binomialMean = shown(texts.meanBinomial);
    fields.observedDeviation = shown(texts.deviationObserved);
    fields.binomialDeviation = shown(texts.deviationBinomial);

    fields.scannedRowLength = QString::number(scanned.rowLength);
    fields.scannedLower = QString::number(scanned.lower);
    fields.scannedUpper = QString::number(scanned.upper);
}

}  // namespace ui
