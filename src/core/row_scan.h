#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "core/prime_sieve.h"
#include "core/list_lines.h"

namespace core {

// The row lines of a scan, each made when the list asks for it:
// the row's first number right-aligned, two spaces, one mark per number ("O" prime, "+" not),
// two spaces and the row's count of primes.
class RowLines final : public core::LineSource {
public:
    RowLines(std::shared_ptr<const PrimeMarks> marks, std::int64_t first, std::int32_t length,
             std::int64_t rows);

    [[nodiscard]] qsizetype count() const override { return m_rows; }
    [[nodiscard]] QString line(qsizetype index) const override;
    // Makes only the marks within the slice, so a row of millions of marks paints quickly.
    [[nodiscard]] QString slice(qsizetype index, qsizetype first, qsizetype count) const override;
    [[nodiscard]] qsizetype longestLine() const override;

    // The header and marks of a row, without its count.
    [[nodiscard]] QString rowText(qsizetype index) const;
    [[nodiscard]] std::int64_t primesInRow(qsizetype index) const;

private:
    std::shared_ptr<const PrimeMarks> m_marks;
    std::int64_t m_first;
    std::int32_t m_length;
    std::int64_t m_rows;
    int m_headerWidth;
};

// A scan of first..last in rows of `length` numbers, first - 1 and last being multiples of
// length and first <= last.
struct RowScan {
    std::shared_ptr<const RowLines> rows;
    // Entry k: the rows holding exactly k primes. Rows with more than 20 primes are listed but
    // not tallied.
    std::array<std::int32_t, 21> Haeufigkeit{};
    // The primes of the whole range.
    std::int64_t P = 0;
};

[[nodiscard]] RowScan scanRows(std::int64_t first, std::int64_t last, std::int32_t length);

}  // namespace core
