#include "row_scan.h"

#include <algorithm>
#include <utility>

#include "core/conversions.h"

namespace core {

namespace {

// Six characters, as the listing has always had; wider when a first number of this scan needs
// more, so that the marks of all its rows still start in one column.
int headerWidth(std::int64_t firstOfFirstRow, std::int64_t firstOfLastRow) {
    const auto width = std::max({qsizetype{6}, core::formatInteger(firstOfFirstRow).size(),
                                 core::formatInteger(firstOfLastRow).size()});
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
    QString text = core::rightAligned(start, m_headerWidth);
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
    return rowText(index) + QLatin1String("  ") + core::formatInteger(primesInRow(index));
}

QString RowLines::slice(qsizetype index, qsizetype first, qsizetype count) const {
    const std::int64_t start = m_first + index * m_length;
    const qsizetype marksBegin = m_headerWidth + 2;
    const qsizetype marksEnd = marksBegin + m_length;
    first = std::max<qsizetype>(first, 0);
    const qsizetype end = first + std::max<qsizetype>(count, 0);
    QString text;
    if (first < marksBegin) {
        text += (core::rightAligned(start, m_headerWidth) + QLatin1String("  "))
                    .mid(first, std::min(end, marksBegin) - first);
    }
    const qsizetype fromMark = std::max(first, marksBegin);
    const qsizetype toMark = std::min(end, marksEnd);
    if (fromMark < toMark) {
        text.reserve(text.size() + (toMark - fromMark));
        for (std::int64_t n = start + (fromMark - marksBegin); n < start + (toMark - marksBegin);
             ++n) {
            text += m_marks->isPrime(n) ? u'O' : u'+';
        }
    }
    if (end > marksEnd) {
        const QString tail = QLatin1String("  ") + core::formatInteger(primesInRow(index));
        text += tail.mid(std::max<qsizetype>(first - marksEnd, 0), end - std::max(first, marksEnd));
    }
    return text;
}

qsizetype RowLines::longestLine() const {
    // A row holds at most `length` primes.
    return m_headerWidth + 2 + m_length + 2 + core::formatInteger(m_length).size();
}

RowScan scanRows(std::int64_t first, std::int64_t last, std::int32_t length) {
    const std::int64_t rows = (last - first + 1) / length;
    RowScan scan;
    auto marks = std::make_shared<const PrimeMarks>(first, last, length, scan.Haeufigkeit, scan.P);
    scan.rows = std::make_shared<const RowLines>(std::move(marks), first, length, rows);
    return scan;
}

}  // namespace core
