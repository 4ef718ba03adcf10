#pragma once

#include <cstdint>
#include <memory>

#include "core/list_lines.h"
#include "engine/rows/row_text.h"
#include "engine/rows/rows.h"

namespace core {

// The row lines of a scan for the list, each made when the list asks for it (see RowText).
class RowLines final : public LineSource {
public:
    explicit RowLines(std::shared_ptr<const RowText> rows);

    [[nodiscard]] qsizetype count() const override { return m_rows->count(); }
    [[nodiscard]] QString line(qsizetype index) const override;
    // Makes only the marks within the slice, so a row of millions of marks paints quickly.
    [[nodiscard]] QString slice(qsizetype index, qsizetype first, qsizetype count) const override;
    [[nodiscard]] qsizetype longestLine() const override;

    [[nodiscard]] std::int64_t primesInRow(qsizetype index) const {
        return m_rows->primesInRow(index);
    }

private:
    std::shared_ptr<const RowText> m_rows;
};

// A scan of a range within the windows' limits: its tally, and its rows as lines. Marks every
// number of the range at once, so any row's line is made at once; the tally is counted from the
// marks.
struct ScanResult {
    RowRange range;
    RowTally tally;
    std::shared_ptr<const RowLines> rows;
};

[[nodiscard]] ScanResult scanRows(const RowRange& range);

}  // namespace core
