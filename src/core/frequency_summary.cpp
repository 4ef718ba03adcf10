#include "frequency_summary.h"

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
    QStringList& lines = summary.lines;
    lines.append(QStringLiteral(" "));
    lines.append(QStringLiteral("Primz/Zeile: Anzahl, relative Häufigkeit"));
    for (std::size_t k = 0; k < rows.size(); ++k) {
        lines.append(QStringLiteral("%1   : ").arg(k, 3) +
                     QString::number(rows[k]).rightJustified(6) + QStringLiteral("-mal,     ") +
                     formatFixed(summary.shares[k], 5, 5));
    }
    lines.append(QString());
    lines.append(QStringLiteral(" Summe:    ") + QString::number(tallied) +
                 QStringLiteral("       ") + formatFixed(sum, 5, 5));
    lines.append(QString());
    lines.append(QStringLiteral(" Primzahlen gesamt:     ") + QString::number(tally.primes));
    return summary;
}

}  // namespace core
