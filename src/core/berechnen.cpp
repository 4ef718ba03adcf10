#include "berechnen.h"

#include <algorithm>

#include "core/frequency_summary.h"
#include "core/row_scan.h"
#include "core/conversions.h"

namespace core {


RowLengthError::RowLengthError()
    : core::Failure(QStringLiteral("Die Anzahl Zahlen pro Zeile muss mindestens 1 sein.")) {}

void Berechnen(const ScanControls& controls, ui::SharedState& state) {
    const std::int32_t length = parseInteger(controls.Edit3.Text());
    state.ZahlenProZeile = length;
    controls.ListBox1.Clear();

    const std::int32_t lower = parseInteger(controls.Edit2.Text());
    if (length < 1) {
        throw RowLengthError();
    }
    // In 64 bits: the largest lower bound would otherwise overflow at row length 1.
    const std::int64_t lo = std::int64_t{lower / length} * length + 1;
    controls.Edit2.SetText(formatInteger(lo));
    const std::int32_t upper = parseInteger(controls.Edit1.Text());
    const std::int64_t up = std::int64_t{upper / length} * length;
    controls.Edit1.SetText(formatInteger(up));

    if (lo > up || lo > kRangeLimit || up > kRangeLimit || lo < -kRangeLimit) {
        return;
    }

    const RowScan scan = scanRows(lo, up, length);
    RowCounts rows{};
    std::copy(scan.Haeufigkeit.begin(), scan.Haeufigkeit.end(), rows.begin());
    const FrequencySummary summary = summarizeFrequencies(rows, static_cast<std::uint64_t>(scan.P));
    state.RelHaeufigkeit = summary.shares;
    state.Gescannt = {length, lo, up};
    state.Zeile = scan.rows->rowText(scan.rows->count() - 1);

    controls.ListBox1.AddLines(scan.rows);
    for (const QString& line : summary.lines) {
        controls.ListBox1.Add(line);
    }
}

}  // namespace core
