#include "frequency_summary.h"

#include <QCoreApplication>
#include <numeric>

#include "core/conversions.h"

namespace core {

FrequencySummary summarizeFrequencies(const RowTally& tally) {
    const RowCounts& rows = tally.rows;
    const std::uint64_t tallied = std::accumulate(rows.begin(), rows.end(), std::uint64_t{0});
    FrequencySummary summary;
    double sum = 0.0;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        // Quotient and running sum are formed in extended precision and stored as doubles.
        if (tallied > 0) {
            summary.shares[k] = static_cast<double>(static_cast<long double>(rows[k]) /
                                                    static_cast<long double>(tallied));
        }
        sum = static_cast<double>(static_cast<long double>(sum) + summary.shares[k]);
    }
    // The words come from the translation, the column widths from here.
    const QString times = QCoreApplication::translate("core::Summary", "%1-mal,");
    QStringList& lines = summary.lines;
    lines.append(QStringLiteral(" "));
    lines.append(
        QCoreApplication::translate("core::Summary", "Primz/Zeile: Anzahl, relative Häufigkeit"));
    for (std::size_t k = 0; k < rows.size(); ++k) {
        lines.append(QStringLiteral("%1   : ").arg(k, 3) +
                     times.arg(QString::number(rows[k]).rightJustified(6)) +
                     QStringLiteral("     ") + formatFixed(summary.shares[k], 5, 5));
    }
    lines.append(QString());
    lines.append(u' ' + QCoreApplication::translate("core::Summary", "Summe:") +
                 QStringLiteral("    ") + QString::number(tallied) + QStringLiteral("       ") +
                 formatFixed(sum, 5, 5));
    lines.append(QString());
    lines.append(u' ' + QCoreApplication::translate("core::Summary", "Primzahlen gesamt:") +
                 QStringLiteral("     ") + QString::number(tally.primes));
    return summary;
}

}  // namespace core
