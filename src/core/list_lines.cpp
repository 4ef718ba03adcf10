#include "list_lines.h"

#include <algorithm>
#include <utility>

#include "save_file.h"

namespace core {

void LineList::clearLines() {
    m_blocks.clear();
    m_count = 0;
    m_longest = 0;
}

void LineList::addLine(const QString& line) {
    if (m_blocks.empty() || m_blocks.back().source) {
        m_blocks.push_back(Block{m_count, nullptr, {}});
    }
    m_blocks.back().texts.append(line);
    ++m_count;
    m_longest = std::max(m_longest, line.size());
}

void LineList::addLines(std::shared_ptr<const LineSource> lines) {
    const qsizetype added = lines->count();
    if (added == 0) {
        return;
    }
    m_longest = std::max(m_longest, lines->longestLine());
    m_blocks.push_back(Block{m_count, std::move(lines), {}});
    m_count += added;
}

const LineList::Block& LineList::blockOf(qsizetype index) const {
    return *std::prev(std::upper_bound(m_blocks.begin(), m_blocks.end(), index,
                                       [](qsizetype i, const Block& b) { return i < b.first; }));
}

QString LineList::line(qsizetype index) const {
    if (index < 0 || index >= m_count) {
        return {};
    }
    const Block& block = blockOf(index);
    const qsizetype offset = index - block.first;
    return block.source ? block.source->line(offset) : block.texts.at(offset);
}

QString LineList::slice(qsizetype index, qsizetype first, qsizetype count) const {
    if (index < 0 || index >= m_count) {
        return {};
    }
    const Block& block = blockOf(index);
    const qsizetype offset = index - block.first;
    return block.source ? block.source->slice(offset, first, count)
                        : block.texts.at(offset).mid(first, count);
}

QString linesText(const LineList& lines, std::vector<LineRange> ranges) {
    std::sort(ranges.begin(), ranges.end(),
              [](const LineRange& a, const LineRange& b) { return a.first < b.first; });
    QString text;
    qsizetype next = 0;  // the first line not yet given
    for (const LineRange& range : ranges) {
        for (qsizetype i = std::max(range.first, next); i <= range.last && i < lines.count(); ++i) {
            text += lines.line(i);
            text += u'\n';
        }
        next = std::max(next, range.last + 1);
    }
    return text;
}

void writeLines(const LineList& lines, QIODevice& device) {
    QByteArray chunk;
    constexpr qsizetype kChunk = 1 << 20;
    chunk.reserve(kChunk + 4096);
    for (qsizetype i = 0; i < lines.count(); ++i) {
        chunk += lines.line(i).toUtf8();
        chunk += '\n';
        if (chunk.size() >= kChunk) {
            writeAll(device, chunk);
            chunk.clear();
        }
    }
    writeAll(device, chunk);
}

}  // namespace core
