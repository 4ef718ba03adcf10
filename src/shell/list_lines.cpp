#include "list_lines.h"

#include <algorithm>
#include <utility>

namespace shell {

void LineList::Clear() {
    m_blocks.clear();
    m_count = 0;
    m_longest = 0;
}

void LineList::Add(const QString& line) {
    if (m_blocks.empty() || m_blocks.back().source) {
        m_blocks.push_back(Block{m_count, nullptr, {}});
    }
    m_blocks.back().texts.append(line);
    ++m_count;
    m_longest = std::max(m_longest, line.size());
}

void LineList::AddLines(std::shared_ptr<const LineSource> lines) {
    const qsizetype added = lines->count();
    if (added == 0) {
        return;
    }
    m_longest = std::max(m_longest, lines->longestLine());
    m_blocks.push_back(Block{m_count, std::move(lines), {}});
    m_count += added;
}

QString LineList::line(qsizetype index) const {
    if (index < 0 || index >= m_count) {
        return {};
    }
    const auto block =
        std::prev(std::upper_bound(m_blocks.begin(), m_blocks.end(), index,
                                   [](qsizetype i, const Block& b) { return i < b.first; }));
    const qsizetype offset = index - block->first;
    return block->source ? block->source->line(offset) : block->texts.at(offset);
}

}  // namespace shell
