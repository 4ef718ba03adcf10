#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "engine/statistics/binomial_fit.h"
#include "ui/shared_state.h"

namespace ui {

// The graph window's nine result fields, by what they show; src/ui/README.md gives their
// documented names. Until the first fit they hold the texts of the form.
struct ResultFields {
    QString n = QStringLiteral("20");
    QString p = QStringLiteral("0,32");
    QString observedMean = QStringLiteral("Edit3");
    QString binomialMean = QStringLiteral("Edit4");
    QString observedDeviation = QStringLiteral("Edit5");
    QString binomialDeviation = QStringLiteral("Edit6");
    QString scannedRowLength = QStringLiteral("Edit7");
    QString scannedLower = QStringLiteral("Edit8");
    QString scannedUpper = QStringLiteral("Edit9");
};

// What the graph window shows of a fit, as it shows it: the table and the fields, which its
// widgets display and the clipboard, the files and the printed page take; and the B(n;p) the
// histogram draws.
struct FitResults {
    // The rows x, h(x) and B(n;p), each a heading and the cells for x = 0..18.
    static constexpr int kColumns = 20;
    std::array<QStringList, 3> table{QStringList(kColumns), QStringList(kColumns),
                                     QStringList(kColumns)};
    ResultFields fields;
    // n and p as the fields show them, once a fit has written them.
    std::optional<core::BinomialFit> shownFit;
};

// Fits B(n;p) to h and writes the table's headings, n and p, the 57 cells of x, h(x) and
// B(n;p;x) for x = 0..18, the moments of both, and the row length and range of the scan that h
// comes from. A failure of the fit or of B(n;p) ends it there; what was written before stays.
void fillResults(FitResults& results, const core::Frequencies& h, const ScannedRange& scanned,
                 const core::Conventions& reader);

}  // namespace ui
