#include "row_scan.h"

#include <algorithm>
#include <utility>

#include "shell/conversions.h"

namespace analysis {

namespace {

// Six characters, as the listing has always had; wider when a first number of this scan needs
// more, so that the marks of all its rows still start in one column.
int headerWidth(std::int64_t firstOfFirstRow, std::int64_t firstOfLastRow) {
    const auto width = std::max({qsizetype{6}, shell::IntToStr(firstOfFirstRow).size(),
                                 shell::IntToStr(firstOfLastRow).size()});
    return static_cast<int>(width);
}

}  // namespace

RowLines::RowLines(std::shared_ptr<const PrimeMarks> marks, std::int64_t first, std::int32_t length,
                   std::int64_t rows)
    : m_marks(std::move(marks)),
      m_first(first),
      m_length(length),
      m_rows(rows),
      m_headerWidth(headerWidth(first, first + (rows - 1) * length)) {}

QString RowLines::rowText(qsizetype index) const {
    const std::int64_t start = m_first + index * m_length;
    QString text = shell::Str(start, m_headerWidth);
    text.reserve(text.size() + 2 + m_length);
    text += QLatin1String("  ");
    for (std::int64_t n = start; n < start + m_length; ++n) {
        text += m_marks->isPrime(n) ? u'O' : u'+';
    }
    return text;
}

std::int64_t RowLines::primesInRow(qsizetype index) const {
    const std::int64_t start = m_first + index * m_length;
    return m_marks->countPrimes(start, start + m_length - 1);
}

QString RowLines::line(qsizetype index) const {
    return rowText(index) + QLatin1String("  ") + shell::IntToStr(primesInRow(index));
}

qsizetype RowLines::longestLine() const {
    // A row holds at most `length` primes.
    return m_headerWidth + 2 + m_length + 2 + shell::IntToStr(m_length).size();
}

RowScan ScanRows(std::int64_t first, std::int64_t last, std::int32_t length) {
    auto marks = std::make_shared<const PrimeMarks>(first, last);
    const std::int64_t rows = (last - first + 1) / length;
    RowScan scan;
    marks->tallyRows(first, length, rows, scan.Haeufigkeit, scan.P);
    scan.rows = std::make_shared<const RowLines>(std::move(marks), first, length, rows);
    return scan;
}

}  // namespace analysis
