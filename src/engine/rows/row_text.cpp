#include "row_text.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace core {

RowText::RowText(std::shared_ptr<const PrimeMarks> marks, const RowRange& range)
    : m_marks(std::move(marks)),
      m_first(static_cast<std::int64_t>(range.first)),
      m_length(static_cast<std::int32_t>(range.length)),
      m_rows(static_cast<std::int64_t>(range.rows())),
      m_headerWidth(core::headerWidth(range)) {}

std::int64_t RowText::primesInRow(std::int64_t index) const {
    return m_marks->countPrimes(start(index), start(index) + m_length - 1);
}

std::string RowText::line(std::int64_t index) const {
    std::string text = text::rowHeader(start(index), m_headerWidth);
    text.reserve(text.size() + static_cast<std::size_t>(m_length) + 13);
    for (std::int64_t n = start(index); n < start(index) + m_length; ++n) {
        text += m_marks->isPrime(n) ? 'O' : '+';
    }
    text += text::rowTail(static_cast<std::uint64_t>(primesInRow(index)));
    return text;
}

RowTally tallyFromMarks(const std::array<std::int32_t, 21>& counts, std::int64_t primes,
                        std::uint64_t rows) {
    RowTally tally;
    std::copy(counts.begin(), counts.end(), tally.rows.begin());
    tally.over20 = rows - std::accumulate(tally.rows.begin(), tally.rows.end(), std::uint64_t{0});
    tally.primes = static_cast<std::uint64_t>(primes);
    return tally;
}

MarkedRows markRows(const RowRange& range) {
    const auto first = static_cast<std::int64_t>(range.first);
    const auto last = static_cast<std::int64_t>(range.last);
    const auto length = static_cast<std::int32_t>(range.length);
    std::array<std::int32_t, 21> tallied{};
    std::int64_t primes = 0;
    auto marks = std::make_shared<const PrimeMarks>(first, last, length, tallied, primes);
    MarkedRows scan{range, {}, std::make_shared<const RowText>(std::move(marks), range)};
    scan.tally = tallyFromMarks(tallied, primes, range.rows());
    return scan;
}

}  // namespace core
