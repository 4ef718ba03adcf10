#include "result_table.h"

#include "core/conversions.h"
#include "core/fit_report.h"

namespace ui {

void fillResultTable(const TableControls& controls, const core::Frequencies& h,
                     const ScannedRange& scanned) {
    StringGrid& tab = controls.table;
    const auto edit = [&](int number) -> TextField& { return *controls.fields[number - 1]; };

    tab.SetCell(0, 0, QStringLiteral("x"));
    tab.SetCell(0, 1, QStringLiteral("h(x)"));
    tab.SetCell(0, 2, QStringLiteral("B(n;p)"));

    const core::FitReport report = core::fitReport(h);
    const core::FitTexts texts = core::fitTexts(report);
    edit(1).SetText(texts.n);
    edit(2).SetText(texts.p);

    for (int x = 0; x <= 18; ++x) {
        const int column = x + 1;
        tab.SetCell(column, 0, core::xCell(x));
        tab.SetCell(column, 1, core::shareCell(h[static_cast<std::size_t>(x)]));
        tab.SetCell(column, 2, core::shareCell(core::binomialProbability(
                                   report.binomial.n, x, report.binomial.p)));
    }

    edit(3).SetText(texts.meanObserved);
    edit(4).SetText(texts.meanBinomial);
    edit(5).SetText(texts.deviationObserved);
    edit(6).SetText(texts.deviationBinomial);

    edit(7).SetText(core::formatInteger(scanned.rowLength));
    edit(8).SetText(core::formatInteger(scanned.lower));
    edit(9).SetText(core::formatInteger(scanned.upper));
}

}  // namespace ui
