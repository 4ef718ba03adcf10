#include "result_table.h"

#include "core/conversions.h"
#include "core/fit_report.h"

namespace ui {

void fillResultTable(const TableControls& controls, const core::Frequencies& h,
                     const ScannedRange& scanned) {
    StringGrid& tab = controls.table;
    const auto edit = [&](int number) -> TextField& { return *controls.fields[number - 1]; };

    tab.setCell(0, 0, QStringLiteral("x"));
    tab.setCell(0, 1, QStringLiteral("h(x)"));
    tab.setCell(0, 2, QStringLiteral("B(n;p)"));

    const core::FitReport report = core::fitReport(h);
    const core::FitTexts texts = core::fitTexts(report);
    edit(1).setFieldText(texts.n);
    edit(2).setFieldText(texts.p);

    for (int x = 0; x <= 18; ++x) {
        const int column = x + 1;
        tab.setCell(column, 0, core::xCell(x));
        tab.setCell(column, 1, core::shareCell(h[static_cast<std::size_t>(x)]));
        tab.setCell(
            column, 2,
            core::shareCell(core::binomialProbability(report.binomial.n, x, report.binomial.p)));
    }

    edit(3).setFieldText(texts.meanObserved);
    edit(4).setFieldText(texts.meanBinomial);
    edit(5).setFieldText(texts.deviationObserved);
    edit(6).setFieldText(texts.deviationBinomial);

    edit(7).setFieldText(core::formatInteger(scanned.rowLength));
    edit(8).setFieldText(core::formatInteger(scanned.lower));
    edit(9).setFieldText(core::formatInteger(scanned.upper));
}

}  // namespace ui
