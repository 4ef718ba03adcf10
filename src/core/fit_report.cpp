#include "fit_report.h"

#include "core/conversions.h"

namespace core {

FitTexts fitTexts(const FitReport& report) {
    useSystemSeparator();
    const text::FitTexts texts = text::fitTexts(report);
    return {QString::fromStdString(texts.n),
            QString::fromStdString(texts.p),
            QString::fromStdString(texts.meanObserved),
            QString::fromStdString(texts.meanBinomial),
            QString::fromStdString(texts.deviationObserved),
            QString::fromStdString(texts.deviationBinomial)};
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
