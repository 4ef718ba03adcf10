#include "row_text.h"

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

#include "engine/arithmetic.h"

namespace core {

RowText::RowText(std::shared_ptr<const PrimeMarks> marks, const RowRange& range)
    : m_marks(std::move(marks)),
      m_first(narrow<std::int64_t>(range.first)),
      m_length(narrow<std::int32_t>(range.length)),
      m_rows(narrow<std::int64_t>(range.rows())),
      m_headerWidth(core::headerWidth(range)) {}

std::int64_t RowText::primesInRow(std::int64_t index) const {
    return m_marks->countPrimes(start(index), start(index) + m_length - 1);
}

std::string RowText::marks(std::int64_t index, std::int64_t from, std::int64_t to) const {
    // The stretch as a row of its own, so that its marks are made as every row's are.
    RowRange stretch;
    stretch.length = static_cast<std::uint32_t>(std::max<std::int64_t>(to - from, 0));
    std::vector<std::uint32_t> offsets;
    const std::int64_t begin = start(index) + from;
    for (std::int64_t n = begin; n < start(index) + to; ++n) {
        if (m_marks->isPrime(n)) {
            offsets.push_back(static_cast<std::uint32_t>(n - begin));
        }
    }
    return text::rowMarks(stretch, offsets);
}

std::string RowText::line(std::int64_t index) const {
    return text::rowHeader(start(index), m_headerWidth) + marks(index, 0, m_length) +
           text::rowTail(static_cast<std::uint64_t>(primesInRow(index)));
}

RowTally tallyFromMarks(std::span<const std::int32_t> counts, std::int64_t primes) {
    RowTally tally;
    for (std::size_t k = 0; k < counts.size(); ++k) {
        const auto rows = static_cast<std::uint64_t>(counts[k]);
        if (k < tally.rows.size()) {
            tally.rows[k] = rows;
        } else {
            tally.addBeyond(k, rows);
        }
    }
    tally.primes = static_cast<std::uint64_t>(primes);
    return tally;
}

std::vector<std::int32_t> countsOfRows(std::int32_t length) {
    return std::vector<std::int32_t>(static_cast<std::size_t>(length) / 2 + 2);
}

MarkedRows markRows(const RowRange& range) {
    const auto first = narrow<std::int64_t>(range.first);
    const auto last = narrow<std::int64_t>(range.last);
    const auto length = narrow<std::int32_t>(range.length);
    std::vector<std::int32_t> tallied = countsOfRows(length);
    std::int64_t primes = 0;
    auto marks = std::make_shared<const PrimeMarks>(first, last, length, tallied, primes);
    MarkedRows scan{range, {}, std::make_shared<const RowText>(std::move(marks), range)};
    scan.tally = tallyFromMarks(tallied, primes);
    return scan;
}

}  // namespace core
