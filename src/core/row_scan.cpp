#include "row_scan.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace core {

RowLines::RowLines(std::shared_ptr<const PrimeMarks> marks, const RowRange& range)
    : m_marks(std::move(marks)),
      m_first(static_cast<std::int64_t>(range.first)),
      m_length(static_cast<std::int32_t>(range.length)),
      m_rows(static_cast<std::int64_t>(range.rows())),
      m_headerWidth(headerWidth(range)) {}

std::int64_t RowLines::primesInRow(qsizetype index) const {
    return m_marks->countPrimes(start(index), start(index) + m_length - 1);
}

QString RowLines::line(qsizetype index) const {
    QString text;
    text.reserve(m_headerWidth + 2 + m_length + 2 + 11);
    text += rowHeader(start(index), m_headerWidth);
    for (std::int64_t n = start(index); n < start(index) + m_length; ++n) {
        text += m_marks->isPrime(n) ? u'O' : u'+';
    }
    text += rowTail(static_cast<std::uint64_t>(primesInRow(index)));
    return text;
}

QString RowLines::slice(qsizetype index, qsizetype first, qsizetype count) const {
    const qsizetype marksBegin = m_headerWidth + 2;
    const qsizetype marksEnd = marksBegin + m_length;
    first = std::max<qsizetype>(first, 0);
    const qsizetype end = first + std::max<qsizetype>(count, 0);
    QString text;
    if (first < marksBegin) {
        text +=
            rowHeader(start(index), m_headerWidth).mid(first, std::min(end, marksBegin) - first);
    }
    const qsizetype fromMark = std::max(first, marksBegin);
    const qsizetype toMark = std::min(end, marksEnd);
    if (fromMark < toMark) {
        text.reserve(text.size() + (toMark - fromMark));
        for (std::int64_t n = start(index) + (fromMark - marksBegin);
             n < start(index) + (toMark - marksBegin); ++n) {
            text += m_marks->isPrime(n) ? u'O' : u'+';
        }
    }
    if (end > marksEnd) {
        const QString tail = rowTail(static_cast<std::uint64_t>(primesInRow(index)));
        text += tail.mid(std::max<qsizetype>(first - marksEnd, 0), end - std::max(first, marksEnd));
    }
    return text;
}

qsizetype RowLines::longestLine() const {
    // A row holds at most `length` primes.
    return m_headerWidth + 2 + m_length + rowTail(static_cast<std::uint64_t>(m_length)).size();
}

RowTally tallyFromMarks(const std::array<std::int32_t, 21>& counts, std::int64_t primes,
                        std::uint64_t rows) {
    RowTally tally;
    std::copy(counts.begin(), counts.end(), tally.rows.begin());
    tally.over20 = rows - std::accumulate(tally.rows.begin(), tally.rows.end(), std::uint64_t{0});
    tally.primes = static_cast<std::uint64_t>(primes);
    return tally;
}

ScanResult scanRows(const RowRange& range) {
    const auto first = static_cast<std::int64_t>(range.first);
    const auto last = static_cast<std::int64_t>(range.last);
    const auto length = static_cast<std::int32_t>(range.length);
    std::array<std::int32_t, 21> tallied{};
    std::int64_t primes = 0;
    auto marks = std::make_shared<const PrimeMarks>(first, last, length, tallied, primes);
    ScanResult scan{range, {}, std::make_shared<const RowLines>(std::move(marks), range)};
    scan.tally = tallyFromMarks(tallied, primes, range.rows());
    return scan;
}

}  // namespace core
