#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "core/list_lines.h"
#include "core/prime_marks.h"
#include "core/rows.h"

namespace core {

// The row lines of a scan, each made when the list asks for it, in the one row-line format
// (see rowLine).
class RowLines final : public LineSource {
public:
    RowLines(std::shared_ptr<const PrimeMarks> marks, const RowRange& range);

    [[nodiscard]] qsizetype count() const override { return m_rows; }
    [[nodiscard]] QString line(qsizetype index) const override;
    // Makes only the marks within the slice, so a row of millions of marks paints quickly.
    [[nodiscard]] QString slice(qsizetype index, qsizetype first, qsizetype count) const override;
    [[nodiscard]] qsizetype longestLine() const override;

    [[nodiscard]] std::int64_t primesInRow(qsizetype index) const;

private:
    [[nodiscard]] std::int64_t start(qsizetype index) const { return m_first + index * m_length; }

    std::shared_ptr<const PrimeMarks> m_marks;
    std::int64_t m_first;
    std::int32_t m_length;
    std::int64_t m_rows;
    int m_headerWidth;
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

// The tally of `rows` rows from the marks' counts of the rows with 0..20 primes and their primes:
// the rest held more than 20.
[[nodiscard]] RowTally tallyFromMarks(const std::array<std::int32_t, 21>& counts,
                                      std::int64_t primes, std::uint64_t rows);

}  // namespace core
