#include "frequency_summary.h"

#include <QCoreApplication>

#include "core/conversions.h"
#include "engine/texts/summary_text.h"

namespace core {

FrequencySummary summarizeFrequencies(const RowTally& tally) {
    useSystemSeparator();
    const auto word = [](const char* german) {
        return QCoreApplication::translate("core::Summary", german).toStdString();
    };
    const SummaryText text =
        summaryText(tally, {word("%1-mal,"), word("Primz/Zeile: Anzahl, relative Häufigkeit"),
                            word("Summe:"), word("Primzahlen gesamt:")});
    FrequencySummary summary;
    summary.shares = text.shares;
    for (const std::string& line : text.lines) {
        summary.lines.append(QString::fromStdString(line));
    }
    return summary;
}

}  // namespace core
