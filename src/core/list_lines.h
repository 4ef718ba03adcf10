#pragma once

#include <QIODevice>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

namespace core {

// A block of list lines that produces each line when asked, so a long listing costs memory in
// proportion to its data rather than to its number of lines.
class LineSource {
public:
    virtual ~LineSource() = default;
    [[nodiscard]] virtual qsizetype count() const = 0;
    [[nodiscard]] virtual QString line(qsizetype index) const = 0;
    // Characters first .. first + count - 1 of a line, or fewer where it ends first. A source
    // of very long lines makes only these.
    [[nodiscard]] virtual QString slice(qsizetype index, qsizetype first, qsizetype count) const {
        return line(index).mid(first, count);
    }
    // No line is longer; a list box sizes its width by it.
    [[nodiscard]] virtual qsizetype longestLine() const = 0;
};

// What code that fills a list box may do with it: clear it, and add lines in order, one by one
// or as a whole block.
class ListBoxItems {
public:
    virtual ~ListBoxItems() = default;
    virtual void clearLines() = 0;
    virtual void addLine(const QString& line) = 0;
    virtual void addLines(std::shared_ptr<const LineSource> lines) = 0;
};

// The lines of a list box in the order added; blocks stay blocks.
class LineList final : public ListBoxItems {
public:
    void clearLines() override;
    void addLine(const QString& line) override;
    void addLines(std::shared_ptr<const LineSource> lines) override;

    [[nodiscard]] qsizetype count() const { return m_count; }
    [[nodiscard]] QString line(qsizetype index) const;
    [[nodiscard]] QString slice(qsizetype index, qsizetype first, qsizetype count) const;
    [[nodiscard]] qsizetype longestLine() const { return m_longest; }

private:
    struct Block;
    [[nodiscard]] const Block& blockOf(qsizetype index) const;

    struct Block {
        qsizetype first = 0;
        std::shared_ptr<const LineSource> source;  // null: the lines are in `texts`
        QStringList texts;
    };
    std::vector<Block> m_blocks;
    qsizetype m_count = 0;
    qsizetype m_longest = 0;
};

// Lines first..last of a list, both included.
struct LineRange {
    qsizetype first;
    qsizetype last;
};

// The lines of the ranges in list order, each followed by a line feed; a line in two ranges
// is given once.
[[nodiscard]] QString linesText(const LineList& lines, std::vector<LineRange> ranges);

// Every line of the list in UTF-8, each followed by a line feed (the last one too), written as
// it is made: the file's text is never held in memory at once. Throws WriteFailure where the
// device stops taking the bytes.
void writeLines(const LineList& lines, QIODevice& device);

}  // namespace core
