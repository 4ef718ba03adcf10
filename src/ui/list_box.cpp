#include "list_box.h"

#include <QPainter>
#include <QStyledItemDelegate>
#include <utility>

namespace ui {

int ListBoxModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_lines.count());
}

QVariant ListBoxModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
        (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) {
        return {};
    }
    return m_lines.line(index.row());
}

void ListBoxModel::clearLines() {
    beginResetModel();
    m_lines.clearLines();
    endResetModel();
}

void ListBoxModel::addLine(const QString& line) {
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_lines.addLine(line);
    endInsertRows();
}

void ListBoxModel::addLines(std::shared_ptr<const core::LineSource> lines) {
    const auto added = static_cast<int>(lines->count());
    if (added == 0) {
        return;
    }
    const int row = rowCount();
    beginInsertRows({}, row, row + added - 1);
    m_lines.addLines(std::move(lines));
    endInsertRows();
}

namespace {

class FixedPitchLines final : public QStyledItemDelegate {
public:
    FixedPitchLines(int rowHeight, const ListBoxModel& model, QObject* parent)
        : QStyledItemDelegate(parent), m_rowHeight(rowHeight), m_model(model) {}

    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& /*index*/) const override {
        const int advance = option.fontMetrics.horizontalAdvance(QLatin1Char('O'));
        const qsizetype width = 4 + advance * m_model.lines().longestLine();
        return {static_cast<int>(std::min<qsizetype>(width, 1 << 30)), m_rowHeight};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        if (selected) {
            painter->fillRect(option.rect, option.palette.highlight());
        }
        painter->setPen(selected ? option.palette.highlightedText().color() : Qt::black);
        painter->setFont(option.font);
        const int advance = option.fontMetrics.horizontalAdvance(QLatin1Char('O'));
        // Only the characters that fall within the view's visible width are laid out.
        const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
        const int visibleWidth = view != nullptr ? view->viewport()->width() : option.rect.width();
        const int textLeft = option.rect.left() + 2;
        const qsizetype first = std::max(0, -textLeft / advance);
        const qsizetype count = visibleWidth / advance + 2;
        const QString text = m_model.lines().slice(index.row(), first, count);
        if (text.isEmpty()) {
            return;
        }
        const QRect target(textLeft + static_cast<int>(first) * advance, option.rect.top(),
                           static_cast<int>(count) * advance, option.rect.height());
        painter->drawText(target, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }

private:
    int m_rowHeight;
    const ListBoxModel& m_model;
};

}  // namespace

ListBox::ListBox(int rowHeight, QWidget* parent)
    : QListView(parent), m_model(new ListBoxModel(this)) {
    setModel(m_model);
    setUniformItemSizes(true);
    setItemDelegate(new FixedPitchLines(rowHeight, *m_model, this));
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // Click, Shift and Ctrl with a click or the arrows, and Ctrl+A, as lists elsewhere do.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
}

std::vector<core::LineRange> ListBox::selectedRanges() const {
    std::vector<core::LineRange> ranges;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        ranges.push_back({range.top(), range.bottom()});
    }
    return ranges;
}

}  // namespace ui
