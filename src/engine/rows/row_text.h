#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "engine/rows/prime_marks.h"
#include "engine/rows/rows.h"

namespace core {

// The row lines of marked rows in UTF-8, each made when asked for, in the one row-line format
// (see rowLine).
class RowText final {
public:
    RowText(std::shared_ptr<const PrimeMarks> marks, const RowRange& range);

    [[nodiscard]] std::int64_t count() const { return m_rows; }
    [[nodiscard]] std::string line(std::int64_t index) const;
    // The marks of the numbers at from..to-1 in row `index`: "O" for a prime, "+" otherwise.
    [[nodiscard]] std::string marks(std::int64_t index, std::int64_t from, std::int64_t to) const;
    [[nodiscard]] std::int64_t primesInRow(std::int64_t index) const;
    [[nodiscard]] std::int64_t start(std::int64_t index) const {
        return m_first + index * m_length;
    }
    [[nodiscard]] std::int32_t length() const { return m_length; }
    [[nodiscard]] int headerWidth() const { return m_headerWidth; }
    [[nodiscard]] const PrimeMarks& marks() const { return *m_marks; }

private:
    std::shared_ptr<const PrimeMarks> m_marks;
    std::int64_t m_first;
    std::int32_t m_length;
    std::int64_t m_rows;
    int m_headerWidth;
};

// A range within the windows' limits, every number marked at once, and the tally counted from
// the marks.
struct MarkedRows {
    RowRange range;
    RowTally tally;
    std::shared_ptr<const RowText> rows;
};

[[nodiscard]] MarkedRows markRows(const RowRange& range);

// The tally from the marks' counts: counts[k] rows held k primes, primes in all.
[[nodiscard]] RowTally tallyFromMarks(std::span<const std::int32_t> counts, std::int64_t primes);

// Room for the count of every row of `length` numbers: no row holds more primes than odd
// numbers, and the 2.
[[nodiscard]] std::vector<std::int32_t> countsOfRows(std::int32_t length);

}  // namespace core
