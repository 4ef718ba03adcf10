#include "scan_steps.h"

#include "core/conversions.h"
#include "core/frequency_summary.h"
#include "core/row_scan.h"
#include "core/window_range.h"

namespace ui {

void scanIntoFields(const ScanControls& controls, SharedState& state) {
    const std::int32_t length = core::parseInteger(controls.rowLength.fieldText());
    state.rowLength = length;
    controls.rowList.clearLines();

    const std::int32_t lower = core::parseInteger(controls.lowerBound.fieldText());
    if (length < 1) {
        throw core::RowLengthError();
    }
    const auto rowLength = static_cast<std::uint32_t>(length);
    const core::Number first = core::firstOfRows(lower, rowLength);
    controls.lowerBound.setFieldText(core::numberText(first));
    const std::int32_t upper = core::parseInteger(controls.upperBound.fieldText());
    const core::Number last = core::lastOfRows(upper, rowLength);
    controls.upperBound.setFieldText(core::numberText(last));

    if (!core::withinWindowLimits(first, last)) {
        return;
    }

    const core::ScanResult scan = core::scanRows({first, last, rowLength});
    const core::FrequencySummary summary = core::summarizeFrequencies(scan.tally);
    state.shares = summary.shares;
    state.beyondTwenty = core::beyondTwentyShare(scan.tally);
    state.lastScan = {length, static_cast<std::int64_t>(first), static_cast<std::int64_t>(last)};

    controls.rowList.addLines(scan.rows);
    for (const QString& line : summary.lines) {
        controls.rowList.addLine(line);
    }
}

}  // namespace ui
