#include "scan_steps.h"

#include "core/row_scan.h"
#include "engine/arithmetic.h"
#include "engine/rows/window_range.h"
#include "engine/texts/summary_text.h"

namespace ui {

namespace {

// The main window's fields as the core's rules read and write them.
class FieldSteps final : public core::WindowFields {
public:
    FieldSteps(const ScanControls& controls, SharedState& state)
        : m_controls(controls), m_state(state) {}

    std::string text(core::WindowField field) override {
        return fieldOf(field).fieldText().toStdString();
    }
    void rowLengthRead(std::int32_t length) override {
        m_state.rowLength = length;
        m_controls.rowList.clearLines();
    }
    void write(core::WindowField field, const std::string& text) override {
        fieldOf(field).setFieldText(QString::fromStdString(text));
    }

private:
    TextField& fieldOf(core::WindowField field) const {
        switch (field) {
            case core::WindowField::RowLength:
                return m_controls.rowLength;
            case core::WindowField::Lower:
                return m_controls.lowerBound;
            case core::WindowField::Upper:
                break;
        }
        return m_controls.upperBound;
    }

    const ScanControls& m_controls;
    SharedState& m_state;
};

}  // namespace

void scanIntoFields(const ScanControls& controls, SharedState& state) {
    FieldSteps fields(controls, state);
    const std::optional<core::RowRange> range = core::readWindowFields(fields);
    if (!range) {
        return;
    }
    const core::ScanResult scan = core::scanRows(*range);
    const core::SummaryText summary = core::summaryText(scan.tally, state.conventions);
    state.shares = summary.shares;
    state.beyondTwenty = core::beyondTwentyShare(scan.tally);
    state.lastScan = {core::narrow<std::int32_t>(range->length),
                      core::narrow<std::int64_t>(range->first),
                      core::narrow<std::int64_t>(range->last)};

    controls.rowList.addLines(scan.rows);
    for (const std::string& line : summary.lines) {
        controls.rowList.addLine(QString::fromStdString(line));
    }
}

}  // namespace ui
