#include "fit_report.h"

#include "core/conversions.h"

namespace core {

FitTexts fitTexts(const FitReport& report) {
    useSystemSeparator();
    const text::FitTexts texts = text::fitTexts(report);
    const QString p = QString::fromStdString(texts.p);
    // Written and read with the same separator, so the text always converts.
    return {QString::fromStdString(texts.n),
            p,
            QString::fromStdString(texts.meanObserved),
            QString::fromStdString(texts.meanBinomial),
            QString::fromStdString(texts.deviationObserved),
            QString::fromStdString(texts.deviationBinomial),
            {core::parseReal(p), report.binomial.n}};
}

QString xCell(int x) {
    useSystemSeparator();
    return QString::fromStdString(text::xCell(x));
}

QString shareCell(double share) {
    useSystemSeparator();
    return QString::fromStdString(text::shareCell(share));
}

}  // namespace core
