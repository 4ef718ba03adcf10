#include "scan_steps.h"

#include "core/conversions.h"
#include "core/frequency_summary.h"
#include "core/row_scan.h"
#include "core/window_range.h"

namespace ui {

void Berechnen(const ScanControls& controls, SharedState& state) {
    const std::int32_t length = core::parseInteger(controls.Edit3.Text());
    state.ZahlenProZeile = length;
    controls.ListBox1.Clear();

    const std::int32_t lower = core::parseInteger(controls.Edit2.Text());
    if (length < 1) {
        throw core::RowLengthError();
    }
    const auto rowLength = static_cast<std::uint32_t>(length);
    const core::Number first = core::firstOfRows(lower, rowLength);
    controls.Edit2.SetText(core::numberText(first));
    const std::int32_t upper = core::parseInteger(controls.Edit1.Text());
    const core::Number last = core::lastOfRows(upper, rowLength);
    controls.Edit1.SetText(core::numberText(last));

    if (!core::withinWindowLimits(first, last)) {
        return;
    }

    const core::ScanResult scan = core::scanRows({first, last, rowLength});
    const core::FrequencySummary summary = core::summarizeFrequencies(scan.tally);
    state.RelHaeufigkeit = summary.shares;
    state.Gescannt = {length, static_cast<std::int64_t>(first), static_cast<std::int64_t>(last)};

    controls.ListBox1.AddLines(scan.rows);
    for (const QString& line : summary.lines) {
        controls.ListBox1.Add(line);
    }
}

}  // namespace ui
