#include "row_scan.h"

#include <algorithm>
#include <utility>

namespace core {

RowLines::RowLines(std::shared_ptr<const RowText> rows) : m_rows(std::move(rows)) {}

QString RowLines::line(qsizetype index) const {
    return QString::fromStdString(m_rows->line(index));
}

QString RowLines::slice(qsizetype index, qsizetype first, qsizetype count) const {
    const qsizetype marksBegin = m_rows->headerWidth() + 2;
    const qsizetype marksEnd = marksBegin + m_rows->length();
    const std::int64_t start = m_rows->start(index);
    first = std::max<qsizetype>(first, 0);
    const qsizetype end = first + std::max<qsizetype>(count, 0);
    QString text;
    if (first < marksBegin) {
        text += QString::fromStdString(text::rowHeader(start, m_rows->headerWidth()))
                    .mid(first, std::min(end, marksBegin) - first);
    }
    const qsizetype fromMark = std::max(first, marksBegin);
    const qsizetype toMark = std::min(end, marksEnd);
    if (fromMark < toMark) {
        text +=
            QString::fromLatin1(m_rows->marks(index, fromMark - marksBegin, toMark - marksBegin));
    }
    if (end > marksEnd) {
        const QString tail = QString::fromStdString(
            text::rowTail(static_cast<std::uint64_t>(m_rows->primesInRow(index))));
        text += tail.mid(std::max<qsizetype>(first - marksEnd, 0), end - std::max(first, marksEnd));
    }
    return text;
}

qsizetype RowLines::longestLine() const {
    // A row holds at most `length` primes.
    return m_rows->headerWidth() + 2 + m_rows->length() +
           static_cast<qsizetype>(text::rowTail(m_rows->length()).size());
}

ScanResult scanRows(const RowRange& range) {
    MarkedRows marked = markRows(range);
    return {marked.range, marked.tally, std::make_shared<const RowLines>(std::move(marked.rows))};
}

}  // namespace core
